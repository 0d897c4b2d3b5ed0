#include "DipChart.h"

#include "FigureDrawing.h"
#include "FillCurve.h"
#include "LanguageSupport.h"
#include "LevelTable.h"
#include "TankLevels.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sizes in points (1/72 inch).
constexpr double TitleSize = 16;
constexpr double TextSize = 9.5;
constexpr double TableSize = 8;
constexpr double RowHeight = 11.5;
constexpr double BandHeight = 200;
constexpr double GroupGap = 14;
constexpr double CellPadding = 4;

QString ChartText(const char* AKey) {
    return LanguageText(QStringLiteral("TDipChart"), QLatin1String(AKey));
}
QString TableText(const char* AKey) {
    return LanguageText(QStringLiteral("TFormLevelTable"), QLatin1String(AKey));
}
QString EntryCaption(const char* AKey) {
    return LanguageText(QStringLiteral("TFormComputations"), QLatin1String(AKey));
}

QFont PointFont(double ASize, bool ABold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Pixels of the painter's coordinates, which are points here.
    font.setPixelSize(std::max(1, int(std::lround(ASize))));
    font.setBold(ABold);
    return font;
}

long long RowCount(const TDipChart& AChart) {
    if (!(AChart.Radius > 0) || !(AChart.Length > 0) || !(AChart.Step > 0) ||
        !std::isfinite(AChart.Step))
        return -1;
    return LevelRows::Count(AChart.Radius * 2, AChart.Step);
}

// The table's texts, computed once.
struct TTableTexts {
    QStringList Headers;
    std::vector<QStringList> Rows;
    std::vector<Extended> Levels;
};

TTableTexts TableTexts(const TDipChart& AChart, long long ACount) {
    TLevelTableModel model;
    model.SetHeaders({TableText("ColLevel"), TableText("ColVolume"), TableText("ColPercentage")});
    model.SetUnits(AChart.Units);
    model.SetTable(AChart.Radius, AChart.Length, AChart.Step, ACount, AChart.Form);
    TTableTexts texts;
    for (int column = 0; column < 3; ++column)
        texts.Headers << model.Header(column, false);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        // As the window shows them: volumes in the volume unit, levels in feet and inches.
        for (int column = 0; column < 3; ++column)
            fields << model.data(model.index(row, column), Qt::DisplayRole).toString();
        texts.Rows.push_back(fields);
        texts.Levels.push_back(model.Value(row, 0));
    }
    return texts;
}

// How the pages are laid out, in points from the top left of the printable area.
struct TPageLayout {
    double Width = 0, Height = 0;
    double TableTop1 = 0;        // where the table starts on the first page
    double TableTopN = 0;        // on the others
    double TableBottom = 0;      // above the page number
    std::vector<double> Columns; // the width of each column of a group
    double GroupWidth = 0;
    int Groups = 1;
    int RowsPerColumn1 = 1, RowsPerColumnN = 1;
    int Pages = 1;

    int RowsOnPage(int APage) const {
        return (APage == 0 ? RowsPerColumn1 : RowsPerColumnN) * Groups;
    }
    int FirstRow(int APage) const {
        return APage == 0 ? 0 : RowsOnPage(0) + (APage - 1) * RowsOnPage(1);
    }
};

TPageLayout LayOutPages(const QPagedPaintDevice& ADevice, const TTableTexts& ATexts) {
    TPageLayout layout;
    const QRectF area = ADevice.pageLayout().paintRect(QPageLayout::Point);
    layout.Width = area.width();
    layout.Height = area.height();
    const QFontMetricsF title(PointFont(TitleSize, true)), text(PointFont(TextSize)),
        table(PointFont(TableSize)), bold(PointFont(TableSize, true));
    layout.TableTop1 = title.height() + 2 * text.height() * 1.3 + 10 + BandHeight + 14;
    layout.TableTopN = 0;
    layout.TableBottom = layout.Height - text.height() * 1.8;
    for (int column = 0; column < 3; ++column) {
        double width = bold.horizontalAdvance(ATexts.Headers.value(column));
        for (const QStringList& row : ATexts.Rows)
            width = std::max(width, table.horizontalAdvance(row[column]));
        layout.Columns.push_back(width + 2 * CellPadding);
        layout.GroupWidth += layout.Columns.back();
    }
    layout.Groups = std::max(1, int((layout.Width + GroupGap) / (layout.GroupWidth + GroupGap)));
    const auto rowsBetween = [&](double ATop) {
        return std::max(1, int((layout.TableBottom - ATop) / RowHeight) - 1);
    };
    layout.RowsPerColumn1 = rowsBetween(layout.TableTop1);
    layout.RowsPerColumnN = rowsBetween(layout.TableTopN);
    const int rows = int(ATexts.Rows.size());
    const int first = layout.RowsOnPage(0);
    layout.Pages =
        rows <= first ? 1 : 1 + (rows - first + layout.RowsOnPage(1) - 1) / layout.RowsOnPage(1);
    return layout;
}

void PaintTitle(QPainter& APainter, const TDipChart& AChart, const TPageLayout& ALayout) {
    const QFontMetricsF title(PointFont(TitleSize, true)), text(PointFont(TextSize));
    APainter.setPen(Qt::black);
    APainter.setFont(PointFont(TitleSize, true));
    APainter.drawText(QRectF(0, 0, ALayout.Width, title.height()), Qt::AlignLeft | Qt::AlignTop,
                      ChartText("sTitle"));
    // Lengths and the volume with their units, as the level table shows them.
    const auto shown = [&](Extended AValue, TQuantityKind AKind) {
        const TShownQuantity quantity =
            ShownQuantity(AValue, AKind, AChart.Units.Length, AChart.Units);
        if (quantity.FeetAndInches)
            return FeetAndInchesText(quantity.Value, AChart.Form.Precision);
        return WithUnit(ShownNumber(quantity.Value, AChart.Form), quantity.Symbol);
    };
    const auto number = [&](Extended AValue) { return shown(AValue, qkLength); };
    const QString separator = QStringLiteral("   ");
    QString dimensions = EntryCaption("CylindricalTank_R") + QStringLiteral(" r = ") +
                         number(AChart.Radius) + separator + EntryCaption("CylindricalTank_D") +
                         QStringLiteral(" d = ") + number(AChart.Length);
    if (AChart.Level)
        dimensions += separator + EntryCaption("CylindricalTank_H") + QStringLiteral(" h = ") +
                      number(*AChart.Level);
    const QString volumes = ChartText("sFullVolume") + QStringLiteral(" ") +
                            shown(TankFullVolume(AChart.Radius, AChart.Length), qkVolume) +
                            separator + TableText("LStep") + QStringLiteral(" ") +
                            number(AChart.Step);
    APainter.setFont(PointFont(TextSize));
    const double top = title.height() + 4;
    APainter.drawText(QRectF(0, top, ALayout.Width, text.height() * 1.3),
                      Qt::AlignLeft | Qt::AlignVCenter, dimensions);
    APainter.drawText(QRectF(0, top + text.height() * 1.3, ALayout.Width, text.height() * 1.3),
                      Qt::AlignLeft | Qt::AlignVCenter, volumes);
}

void PaintBand(QPainter& APainter, const TDipChart& AChart, const TPageLayout& ALayout,
               const std::vector<Extended>& ALevels) {
    const double top = ALayout.TableTop1 - BandHeight - 14;
    const QRectF figure(0, top, ALayout.Width * 0.42, BandHeight);
    const QRectF curve(ALayout.Width * 0.45, top, ALayout.Width * 0.55, BandHeight);
    TFigureDrawing::Tank(AChart.Radius, AChart.Length, AChart.Level).Paint(APainter, figure);
    TFillCurve fill;
    fill.Radius = AChart.Radius;
    fill.Length = AChart.Length;
    fill.Level = AChart.Level;
    fill.RowLevels = ALevels;
    const TNumberForm form = AChart.Form;
    fill.NumberText = [form](Extended AValue) { return ShownNumber(AValue, form); };
    fill.Units = AChart.Units;
    fill.LevelPrecision = form.Precision;
    PaintFillCurve(APainter, curve, fill, std::nullopt, 0.8);
}

void PaintTable(QPainter& APainter, const TTableTexts& ATexts, const TPageLayout& ALayout,
                int APage) {
    const double top = APage == 0 ? ALayout.TableTop1 : ALayout.TableTopN;
    const int perColumn = APage == 0 ? ALayout.RowsPerColumn1 : ALayout.RowsPerColumnN;
    const int first = ALayout.FirstRow(APage);
    const int rows = int(ATexts.Rows.size());
    for (int group = 0; group < ALayout.Groups; ++group) {
        const int from = first + group * perColumn;
        if (from >= rows)
            break;
        const int to = std::min(rows, from + perColumn);
        const double left = group * (ALayout.GroupWidth + GroupGap);
        // The header, a rule under it, then the rows, every other one shaded.
        APainter.setFont(PointFont(TableSize, true));
        APainter.setPen(Qt::black);
        double x = left;
        for (int column = 0; column < 3; ++column) {
            APainter.drawText(QRectF(x + CellPadding, top,
                                     ALayout.Columns[std::size_t(column)] - 2 * CellPadding,
                                     RowHeight),
                              Qt::AlignRight | Qt::AlignVCenter, ATexts.Headers.value(column));
            x += ALayout.Columns[std::size_t(column)];
        }
        APainter.setPen(QPen(Qt::black, 0.7));
        APainter.drawLine(QPointF(left, top + RowHeight + 1),
                          QPointF(left + ALayout.GroupWidth, top + RowHeight + 1));
        APainter.setFont(PointFont(TableSize));
        for (int row = from; row < to; ++row) {
            const double y = top + RowHeight * (row - from + 1) + 2;
            if ((row - from) % 2 == 1)
                APainter.fillRect(QRectF(left, y, ALayout.GroupWidth, RowHeight),
                                  QColor(242, 244, 247));
            APainter.setPen(Qt::black);
            x = left;
            for (int column = 0; column < 3; ++column) {
                APainter.drawText(
                    QRectF(x + CellPadding, y,
                           ALayout.Columns[std::size_t(column)] - 2 * CellPadding, RowHeight),
                    Qt::AlignRight | Qt::AlignVCenter, ATexts.Rows[std::size_t(row)][column]);
                x += ALayout.Columns[std::size_t(column)];
            }
        }
    }
}

void PaintPageNumber(QPainter& APainter, const TPageLayout& ALayout, int APage) {
    const QFontMetricsF text(PointFont(TextSize));
    APainter.setFont(PointFont(TextSize));
    APainter.setPen(QColor(80, 80, 80));
    APainter.drawText(QRectF(0, ALayout.Height - text.height(), ALayout.Width, text.height()),
                      Qt::AlignHCenter | Qt::AlignBottom,
                      ChartText("sPage").arg(APage + 1).arg(ALayout.Pages));
}

} // namespace

QString DipChartProblem(const TDipChart& AChart) {
    if (!(AChart.Step > 0) || !std::isfinite(AChart.Step))
        return TableText("sInvalidStep");
    if (!(AChart.Radius > 0) || !(AChart.Length > 0) ||
        !std::isfinite(TankFullVolume(AChart.Radius, AChart.Length)))
        return ResultStateText(rsChyba_Z);
    if (RowCount(AChart) < 0)
        return TableText("sTooManyRows");
    return QString();
}

QString DipChartCsv(const TDipChart& AChart, QChar ASeparator, const QString& ALineEnd) {
    const long long count = DipChartProblem(AChart).isEmpty() ? RowCount(AChart) : 0;
    TLevelTableModel model;
    model.SetHeaders({TableText("ColLevel"), TableText("ColVolume"), TableText("ColPercentage")});
    model.SetUnits(AChart.Units);
    model.SetTable(AChart.Radius, AChart.Length, AChart.Step, count, AChart.Form);
    return model.Text(ASeparator, ALineEnd);
}

int DipChartPageCount(const QPagedPaintDevice& ADevice, const TDipChart& AChart) {
    if (!DipChartProblem(AChart).isEmpty())
        return 0;
    return LayOutPages(ADevice, TableTexts(AChart, RowCount(AChart))).Pages;
}

bool PaintDipChart(QPagedPaintDevice& ADevice, const TDipChart& AChart) {
    if (!DipChartProblem(AChart).isEmpty())
        return false;
    const TTableTexts texts = TableTexts(AChart, RowCount(AChart));
    const TPageLayout layout = LayOutPages(ADevice, texts);
    QPainter painter;
    if (!painter.begin(&ADevice))
        return false;
    // The painter works in points from the top left of the printable area.
    const double scale = ADevice.width() / layout.Width;
    for (int page = 0; page < layout.Pages; ++page) {
        if (page > 0 && !ADevice.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        if (page == 0) {
            PaintTitle(painter, AChart, layout);
            PaintBand(painter, AChart, layout, texts.Levels);
        }
        PaintTable(painter, texts, layout, page);
        PaintPageNumber(painter, layout, page);
        painter.restore();
    }
    return painter.end();
}

QPageSize DefaultDipChartPageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

bool SaveDipChartPdf(const TDipChart& AChart, const QString& AFileName, const QPageSize& APageSize,
                     QString& AError) {
    const QString problem = DipChartProblem(AChart);
    if (!problem.isEmpty()) {
        AError = problem;
        return false;
    }
    // Written beside the target and renamed onto it at the end: a failure leaves no
    // half-written file and an existing file as it was.
    QSaveFile file(AFileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Kavorin"));
        writer.setTitle(ChartText("sTitle"));
        writer.setPageSize(APageSize);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        written = PaintDipChart(writer, AChart);
    }
    if (written && file.error() == QFileDevice::NoError && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    AError = ChartText("sCannotSave").arg(QDir::toNativeSeparators(AFileName));
    if (!reason.isEmpty())
        AError += QStringLiteral(": ") + reason;
    return false;
}
