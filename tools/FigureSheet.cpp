// Review tool for the drawings to scale: renders every sample solid of the tests
// (tests/common/SolidSamples.h) as the draft panel would show it, a needle and a
// pancake, in a language of the Languages folder, into a folder of PNG files
// and one contact sheet; and the fill curve of a tank (curve.png) with the values
// under a pointer, and its dip chart (dip-chart.pdf).
//   kavorin_figure_sheet OUTDIR [LANGUAGE] [SIZE]
#include "DipChart.h"
#include "FigureDrawing.h"
#include "FillCurve.h"
#include "GuiTestFixture.h"
#include "SolidSamples.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

TEntryValues ValuesOf(const QStringList& AEntries) {
    TEntryValues values;
    for (const QString& entry : AEntries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString text = entry.section(QLatin1Char('='), 1);
        for (int i = 0; i < EntryCount; ++i)
            if (name == QLatin1String(EntryDesc(TEntry(i)).Name)) {
                const TEntryKind kind = EntryDesc(TEntry(i)).Kind;
                Extended value = 0;
                if (kind == ekChoice)
                    value = text.toInt();
                else
                    ReadEntryText(kind, text, value);
                values.Set(TEntry(i), value);
            }
    }
    return values;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kavorin_figure_sheet OUTDIR [LANGUAGE] [SIZE]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("English");
    const int size = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 312;
    QDir().mkpath(folder);
    GuiTest::TSettingsSandbox sandbox;
    GuiTest::TLanguageSandbox texts(language);

    std::vector<SolidSamples::TSample> samples = SolidSamples::Samples();
    samples.push_back({QStringLiteral("needle"),
                       vaCylinder,
                       {QStringLiteral("Cylinder_R=0.001"), QStringLiteral("Cylinder_V=100")},
                       0,
                       0,
                       {}});
    samples.push_back({QStringLiteral("pancake"),
                       vaCylinder,
                       {QStringLiteral("Cylinder_R=100"), QStringLiteral("Cylinder_V=0.001")},
                       0,
                       0,
                       {}});
    const QSize cell(314, size);
    const int columns = 6;
    const int rows = int(samples.size() + columns - 1) / columns;
    QImage sheet(QSize(columns * cell.width(), rows * (cell.height() + 20)) * 2,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(2);
    sheet.fill(Qt::white);
    QPainter sheetPainter(&sheet);
    QTextStream out(stdout);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SolidSamples::TSample& sample = samples[i];
        const TFigureDrawing drawing =
            TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries));
        const QImage image = DrawingImage(drawing, cell, 2);
        QString name = sample.Name;
        name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
        out << name << ": " << drawing.Description(cell) << "\n";
        const QPoint at(int(i % columns) * cell.width(), int(i / columns) * (cell.height() + 20));
        sheetPainter.drawImage(QRect(at, cell), image);
        sheetPainter.setPen(Qt::gray);
        sheetPainter.drawRect(QRect(at, cell).adjusted(0, 0, -1, -1));
        sheetPainter.setPen(Qt::black);
        sheetPainter.drawText(QRect(at + QPoint(0, cell.height()), QSize(cell.width(), 20)),
                              Qt::AlignCenter, sample.Name);
    }
    sheetPainter.end();
    sheet.save(QDir(folder).filePath(QStringLiteral("sheet.png")));

    TFillCurveView curve;
    TFillCurve tank;
    tank.Radius = 1;
    tank.Length = 4;
    tank.Level = 0.6L;
    for (int i = 0; i <= 20; ++i)
        tank.RowLevels.push_back(i / 10.0L);
    curve.SetCurve(tank);
    curve.resize(440, 260);
    curve.grab().save(QDir(folder).filePath(QStringLiteral("curve.png")));
    QImage hovered(QSize(440, 260) * 2, QImage::Format_ARGB32_Premultiplied);
    hovered.setDevicePixelRatio(2);
    hovered.fill(Qt::white);
    QPainter curvePainter(&hovered);
    PaintFillCurve(curvePainter, QRectF(4, 4, 432, 252), tank, 1.45L);
    curvePainter.end();
    hovered.save(QDir(folder).filePath(QStringLiteral("curve-hover.png")));

    TDipChart chart;
    chart.Radius = 1;
    chart.Length = 4;
    chart.Step = 0.01L;
    chart.Level = 0.6L;
    chart.Form.Precision = 3;
    QString error;
    if (!SaveDipChartPdf(chart, QDir(folder).filePath(QStringLiteral("dip-chart.pdf")),
                         DefaultDipChartPageSize(), error))
        out << error << "\n";
    return 0;
}
