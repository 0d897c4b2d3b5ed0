// The tank's fill curve and its dip chart: the curve's points against the
// volume of a segment worked out here in 50 digits, the values under the
// pointer, and the dip chart as CSV (the level table's numbers) and as PDF
// read back with poppler's tools (every level of the table, the pages and
// their numbers, A4 and Letter), with its refusals.
#include "DipChart.h"
#include "FillCurve.h"
#include "GuiTestFixture.h"
#include "LevelTable.h"
#include "PdfReading.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using TReference = boost::multiprecision::cpp_bin_float_50;

// The share of a horizontal cylinder of radius R filled to level h: the circular
// segment's area R^2 acos(1 - h/R) - (R - h) sqrt(2Rh - h^2) over pi R^2.
double ReferencePercentage(double ARadius, double ALevel) {
    const TReference r = ARadius, h = ALevel;
    const TReference area = r * r * acos(1 - h / r) - (r - h) * sqrt(2 * r * h - h * h);
    return static_cast<double>(100 * area / (boost::math::constants::pi<TReference>() * r * r));
}

TDipChart Chart(Extended ARadius, Extended ALength, Extended AStep) {
    TDipChart chart;
    chart.Radius = ARadius;
    chart.Length = ALength;
    chart.Step = AStep;
    chart.Form.Precision = 3;
    return chart;
}

} // namespace

class TestDipChart : public QObject {
    Q_OBJECT

private:
    GuiTest::TSettingsSandbox Sandbox;

private slots:
    // The curve passes through the percentage of the segment at each level: the
    // empty tank at the plot's lower left, the full one at its upper right.
    void curvePoints_data() {
        QTest::addColumn<double>("level");
        for (double level : {0.0, 0.1, 0.5, 1.0, 1.3, 1.9, 2.0})
            QTest::newRow(qPrintable(QString::number(level))) << level;
    }
    void curvePoints() {
        QFETCH(double, level);
        TFillCurve curve;
        curve.Radius = 1;
        curve.Length = 4;
        const QRectF target(0, 0, 440, 260);
        const TCurveLayout layout(curve, target);
        const QRectF plot = layout.Plot();
        QVERIFY(target.contains(plot));
        const QPointF point = layout.PointAt(level);
        QCOMPARE_LT(std::fabs(point.x() - (plot.left() + level / 2 * plot.width())), 1e-9);
        const double expectedY =
            plot.bottom() - ReferencePercentage(1, level) / 100 * plot.height();
        QCOMPARE_LT(std::fabs(point.y() - expectedY), 1e-6);
        QCOMPARE_LT(std::fabs(double(*layout.LevelAt(point.x())) - level), 1e-9);
    }

    void curveTicksAndOutside() {
        TFillCurve curve;
        curve.Radius = 1;
        curve.Length = 4;
        const TCurveLayout layout(curve, QRectF(0, 0, 440, 260));
        QStringList levels, percentages;
        for (const TCurveLayout::TTick& tick : layout.LevelTicks())
            levels << tick.Text;
        for (const TCurveLayout::TTick& tick : layout.PercentageTicks())
            percentages << tick.Text;
        QCOMPARE(levels.join(' '), QStringLiteral("0 0.5 1 1.5 2"));
        QCOMPARE(percentages.join(' '), QStringLiteral("0 25 50 75 100"));
        // The full volume 4 pi = 12.57 has ticks 0, 5, 10.
        QCOMPARE(int(layout.VolumeTicks().size()), 3);
        QVERIFY(!layout.LevelAt(layout.Plot().left() - 1));
        QVERIFY(!layout.LevelAt(layout.Plot().right() + 1));
        QVERIFY(!TFillCurve().Valid());
    }

    // With units the curve speaks as the level table does: the axes name the units,
    // volumes are in the chosen unit (a tank of radius 30 cm and length 100 cm holds
    // 90 pi L; one of radius 12 in and length 120 in holds 17280 pi / 231 US gal),
    // levels in feet and inches carry their marks.
    void curveSpeaksTheUnits_data() {
        QTest::addColumn<int>("lengthUnit");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("length");
        QTest::addColumn<QStringList>("halfFull");
        QTest::addColumn<QString>("topVolumeTick");
        // 45 pi = 141.37166941154069573081895224758
        QTest::newRow("cm, L") << int(luCentimetre) << int(vuLitre) << 30.0 << 100.0
                               << QStringList{"Level (cm) 30.000", "Volume (L) 141.372"}
                               << QStringLiteral("200.000");
        // 8640 pi / 231 = 117.50372522517668216587549277720
        QTest::newRow("ft-in, US gal")
            << int(luFeetAndInches) << int(vuUSGallon) << 12.0 << 120.0
            << QStringList{"Level (ft-in) 1' 0.000\"", "Volume (US gal) 117.504"}
            << QStringLiteral("200.000");
        // Bare lengths: the volume in the cube of the length, 90 000 pi / 2.
        QTest::newRow("bare") << int(luNone) << int(vuLitre) << 30.0 << 100.0
                              << QStringList{"Level 30.000", "Volume 141371.669"}
                              << QStringLiteral("200000.000");
    }
    void curveSpeaksTheUnits() {
        QFETCH(int, lengthUnit);
        QFETCH(int, volumeUnit);
        QFETCH(double, radius);
        QFETCH(double, length);
        QFETCH(QStringList, halfFull);
        QFETCH(QString, topVolumeTick);
        GuiTest::TLanguageSandbox texts;
        TFillCurve curve;
        curve.Radius = radius;
        curve.Length = length;
        curve.Units.Length = TLengthUnit(lengthUnit);
        curve.Units.Volume = TVolumeUnit(volumeUnit);
        curve.LevelPrecision = 3;
        curve.NumberText = [](Extended AValue) { return QString::number(double(AValue), 'f', 3); };
        QCOMPARE(CurveValueTexts(curve, radius).mid(0, 2), halfFull);
        const TCurveLayout layout(curve, QRectF(0, 0, 440, 260));
        QCOMPARE(layout.VolumeTicks().back().Text, topVolumeTick);
        // The top tick lies on the plot: it is a volume of the same unit as the curve's.
        QVERIFY(layout.VolumeTicks().back().Position >= layout.Plot().top());
    }

    // The pointer over the middle of the plot shows the half-full tank.
    void hoverShowsValues() {
        GuiTest::TLanguageSandbox texts;
        TFillCurveView view;
        view.resize(440, 260);
        TFillCurve curve;
        curve.Radius = 1;
        curve.Length = 4;
        curve.NumberText = [](Extended AValue) { return QString::number(double(AValue), 'f', 2); };
        view.SetCurve(curve);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const TCurveLayout layout(curve, QRectF(view.rect()).adjusted(4, 4, -4, -4));
        QTest::mouseMove(&view, QPoint(int(std::lround(layout.PointAt(1).x())), 100));
        QVERIFY(view.HoverLevel());
        QCOMPARE_LT(std::fabs(double(*view.HoverLevel()) - 1), 0.01);
        QVERIFY2(view.toolTip().contains(QStringLiteral("Volume 6.2")), qPrintable(view.toolTip()));
        QVERIFY(view.toolTip().contains(QStringLiteral("Filling (%) 49.")) ||
                view.toolTip().contains(QStringLiteral("Filling (%) 50.")));
        QCOMPARE(view.accessibleName(), QStringLiteral("Fill curve"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&view, &leave);
        QVERIFY(!view.HoverLevel());
    }

    // The CSV is the level table's: its header and its rows, volumes from the segment.
    void csv() {
        GuiTest::TLanguageSandbox texts;
        const QString csv = DipChartCsv(Chart(1, 4, 0.5L), QLatin1Char(','));
        const QStringList lines = csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("Level,Volume,Filling (%)"));
        const double full = 4 * M_PI;
        for (int row = 0; row < 5; ++row) {
            const QStringList fields = lines[row + 1].split(QLatin1Char(','));
            QCOMPARE(fields.size(), 3);
            const double level = row * 0.5;
            QCOMPARE(fields[0], QString::number(level, 'f', 3));
            const double percentage = ReferencePercentage(1, level);
            QCOMPARE(fields[1], QString::number(percentage / 100 * full, 'f', 3));
            QCOMPARE(fields[2], QString::number(percentage, 'f', 3));
        }
        // The same text as the level table window's model.
        TLevelTableModel model;
        model.SetHeaders(
            {QStringLiteral("Level"), QStringLiteral("Volume"), QStringLiteral("Filling (%)")});
        model.SetTable(1, 4, 0.5L, 5, Chart(1, 4, 0.5L).Form);
        QCOMPARE(csv, model.Text(QLatin1Char(','), QStringLiteral("\n")));
    }

    void problems_data() {
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("problem");
        QTest::newRow("zero step") << 0.0 << "The step must be a positive number.";
        QTest::newRow("negative step") << -0.1 << "The step must be a positive number.";
        QTest::newRow("too many rows") << 1e-5 << "The step gives more than 10,000 rows.";
        QTest::newRow("valid") << 0.1 << "";
    }
    void problems() {
        QFETCH(double, step);
        QFETCH(QString, problem);
        GuiTest::TLanguageSandbox texts;
        const TDipChart chart = Chart(1, 4, step);
        QCOMPARE(DipChartProblem(chart).isEmpty(), problem.isEmpty());
        QVERIFY(problem.isEmpty() || DipChartProblem(chart).startsWith(problem));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.pdf"));
        QString error;
        QCOMPARE(SaveDipChartPdf(chart, path, QPageSize(QPageSize::A4), error), problem.isEmpty());
        QCOMPARE(QFileInfo::exists(path), problem.isEmpty());
        if (!problem.isEmpty())
            QCOMPARE(error, DipChartProblem(chart));
    }

    // The PDF's text holds the title, the tank's dimensions, every level of the table
    // and the page numbers; its pages are of the size asked for.
    void pdf_data() {
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<QString>("paper");
        QTest::newRow("A4, one page") << 0.1 << int(QPageSize::A4) << "(A4)";
        QTest::newRow("Letter, one page") << 0.1 << int(QPageSize::Letter) << "(letter)";
        QTest::newRow("A4, many pages") << 0.002 << int(QPageSize::A4) << "(A4)";
    }
    void pdf() {
        QFETCH(double, step);
        QFETCH(int, pageSize);
        QFETCH(QString, paper);
        REQUIRE_POPPLER();
        GuiTest::TLanguageSandbox texts;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.pdf"));
        const TDipChart chart = Chart(1, 4, step);
        QString error;
        QVERIFY2(SaveDipChartPdf(chart, path, QPageSize(QPageSize::PageSizeId(pageSize)), error),
                 qPrintable(error));
        const QString text = PdfReading::Text(path);
        QVERIFY(text.contains(QStringLiteral("Dip chart of a cylindrical tank")));
        QVERIFY(text.contains(QStringLiteral("Radius of tank r = 1.000")));
        QVERIFY(text.contains(QStringLiteral("Length of tank d = 4.000")));
        // Every row of the table (as the CSV gives it) as a level, its volume and its
        // filling side by side.
        QSet<QString> triples;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (int i = 0; i + 2 < words.size(); ++i)
                triples.insert(words.mid(i, 3).join(QLatin1Char(' ')));
        }
        const QStringList rows =
            DipChartCsv(chart, QLatin1Char(' ')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), LevelRows::Count(2, step) + 1);
        for (const QString& row : rows.mid(1))
            QVERIFY2(triples.contains(row), qPrintable(row + QStringLiteral(" is missing")));
        // Pages as the layout counts them, each numbered.
        QPdfWriter counter(folder.filePath(QStringLiteral("count.pdf")));
        counter.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
        counter.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const int pages = DipChartPageCount(counter, chart);
        QCOMPARE_GE(pages, 1);
        const QString info = PdfReading::Info(path);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        QVERIFY2(info.contains(paper), qPrintable(info));
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
        if (step < 0.01)
            QCOMPARE_GT(pages, 1);
    }

    void pdfInCzech() {
        REQUIRE_POPPLER();
        GuiTest::TLanguageSandbox texts(QStringLiteral("Czech"));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tabulka.pdf"));
        QString error;
        QVERIFY(SaveDipChartPdf(Chart(1, 4, 0.5L), path, QPageSize(QPageSize::A4), error));
        const QString text = PdfReading::Text(path);
        QVERIFY(text.contains(QStringLiteral("Cejchovní tabulka válcové nádrže")));
        QVERIFY(text.contains(QStringLiteral("Naplnění (%)")));
        QVERIFY(text.contains(QStringLiteral("Strana 1 z 1")));
    }

    // A file that cannot be written leaves nothing behind and keeps what was there.
    void unwritable() {
        GuiTest::TLanguageSandbox texts;
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.pdf")));
        QString error;
        const QString missing = folder.filePath(QStringLiteral("missing/chart.pdf"));
        QVERIFY(!SaveDipChartPdf(Chart(1, 4, 0.1L), missing, QPageSize(QPageSize::A4), error));
        QVERIFY2(error.startsWith(QStringLiteral("The dip chart could not be saved to the file ") +
                                  QDir::toNativeSeparators(missing)),
                 qPrintable(error));
        QVERIFY(!SaveDipChartPdf(Chart(1, 4, 0.1L), folder.filePath(QStringLiteral("taken.pdf")),
                                 QPageSize(QPageSize::A4), error));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("taken.pdf"))).isDir());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    void defaultPaper() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        // The system locale decides, not the default one; under C it is A4.
        QCOMPARE(DefaultDipChartPageSize().id(),
                 QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                     ? QPageSize::Letter
                     : QPageSize::A4);
    }
};

QTEST_MAIN(TestDipChart)
#include "tst_DipChart.moc"
