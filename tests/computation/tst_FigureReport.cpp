// The report of a figure ("Copy report" in the results panel's menu) against what
// the computation window and its supplementary data window show: every entry with
// its caption and text, both results as the panel writes them, every supplementary
// row and the mass, in English and in Czech.
#include "ComputationWindowFixture.h"
#include "FigureReport.h"
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "SeparatorGuard.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// One step of filling a window: a variant control to choose ("list:index",
// "button"), or an entry and its text ("Cone_R=3"); a choice entry takes an index.
using TSteps = QStringList;

void Apply(const TOpenWindow& AOpen, const QString& AStep) {
    const int equal = AStep.indexOf(QLatin1Char('='));
    if (equal < 0) {
        const int colon = AStep.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            AOpen.Choose(AStep.left(colon), AStep.mid(colon + 1).toInt());
        } else {
            auto* button = AOpen.Control<QAbstractButton>(AStep);
            QVERIFY2(button, qPrintable(AStep));
            button->click();
        }
        return;
    }
    const QString name = AStep.left(equal);
    const QString text = AStep.mid(equal + 1);
    if (AOpen.Control<QComboBox>(name)) {
        AOpen.Choose(name, text.toInt());
        return;
    }
    QLineEdit* edit = AOpen.Entry(name);
    QVERIFY2(edit, qPrintable(name));
    edit->setText(text);
}

// The value a results line shows, written as one text: "1.23 x10^5".
QString ShownResult(const TOpenWindow& AOpen, const char* AValue, const char* ADecade,
                    const char* AExponent) {
    QString text = AOpen.Control<QLabel>(QLatin1String(AValue))->text();
    if (AOpen.Control<QLabel>(QLatin1String(ADecade))->isVisible())
        text += QStringLiteral(" x10");
    auto* exponent = AOpen.Control<QLabel>(QLatin1String(AExponent));
    if (exponent->isVisible())
        text += QLatin1Char('^') + exponent->text();
    return text;
}

} // namespace

class TestFigureReport : public QObject {
    Q_OBJECT
private slots:
    void reportHoldsWhatTheWindowsShow_data();
    void reportHoldsWhatTheWindowsShow();
    void menuItemCopiesTheReport();
    void reportWithoutWindow_data();
    void reportWithoutWindow();
};

void TestFigureReport::reportHoldsWhatTheWindowsShow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<TSteps>("steps");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<QString>("density"); // empty: none preset
    QTest::addColumn<QString>("state");   // the state both results show; empty: numbers

    struct TCase {
        const char* Name;
        int Page;
        TSteps Steps;
        int Precision;
        bool Semilog;
        const char* Density;
        const char* State;
    };
    const TCase cases[] = {
        {"cube", pgCube, {"Cube_A=3"}, 2, false, "", ""},
        {"block", pgBlock, {"Block_A=2", "Block_B=3.5", "Block_C=4"}, 3, false, "7850", ""},
        {"sphere", pgSphere, {"Sphere_R=*10"}, 2, true, "2.5", ""},
        {"cone", pgCone, {"Cone_R=3", "Cone_V=4"}, 2, false, "", ""},
        {"cylinder", pgCylinder, {"Cylinder_R=1E20", "Cylinder_V=2"}, 4, false, "", ""},
        {"pyramid tetrahedron",
         pgPyramid,
         {"Pyramid_Tetrahedron", "Pyramid_A=2"},
         5,
         false,
         "",
         ""},
        {"pyramid square",
         pgPyramid,
         {"Pyramid_Base:0", "Pyramid_A=2", "Pyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"pyramid rectangle",
         pgPyramid,
         {"Pyramid_Base:1", "Pyramid_A=2", "Pyramid_B=3", "Pyramid_V=4"},
         2,
         true,
         "1000",
         ""},
        {"pyramid triangle",
         pgPyramid,
         {"Pyramid_Base:2", "Pyramid_A=2", "Pyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"pyramid n-gon",
         pgPyramid,
         {"Pyramid_Base:3", "Pyramid_N=7", "Pyramid_A=2", "Pyramid_V=3"},
         14,
         false,
         "",
         ""},
        {"pyramid n-gon too few sides",
         pgPyramid,
         {"Pyramid_Base:3", "Pyramid_N=2", "Pyramid_A=2", "Pyramid_V=3"},
         2,
         false,
         "",
         "n > 2"},
        {"prism triangle",
         pgPrism,
         {"Prism_Base:0", "Prism_E1=3", "Prism_E2=4", "Prism_E3=5", "Prism_V=6"},
         2,
         false,
         "",
         ""},
        {"prism triangle invalid",
         pgPrism,
         {"Prism_Base:0", "Prism_E1=1", "Prism_E2=1", "Prism_E3=5", "Prism_V=6"},
         2,
         false,
         "",
         "a + b > c ..."},
        {"prism n-gon",
         pgPrism,
         {"Prism_Base:1", "Prism_N=6", "Prism_E3=2", "Prism_V=3"},
         2,
         false,
         "",
         ""},
        {"prism ring",
         pgPrism,
         {"Prism_Base:2", "Prism_E2=3", "Prism_E3=2", "Prism_V=5"},
         2,
         false,
         "",
         ""},
        {"prism ring radii",
         pgPrism,
         {"Prism_Base:2", "Prism_E2=2", "Prism_E3=3", "Prism_V=5"},
         2,
         false,
         "",
         "r1 > r2"},
        {"truncated cone",
         pgTruncatedCone,
         {"TruncatedCone_R2=1", "TruncatedCone_R1=2", "TruncatedCone_V=3"},
         2,
         false,
         "",
         ""},
        {"truncated cone equal radii",
         pgTruncatedCone,
         {"TruncatedCone_R2=2", "TruncatedCone_R1=2", "TruncatedCone_V=3"},
         2,
         false,
         "",
         "r1 <> r2"},
        {"truncated pyramid square",
         pgTruncatedPyramid,
         {"TruncatedPyramid_Base:0", "TruncatedPyramid_E2=1", "TruncatedPyramid_E3=2",
          "TruncatedPyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"truncated pyramid rectangle side b",
         pgTruncatedPyramid,
         {"TruncatedPyramid_Base:1", "TruncatedPyramid_E1=1", "TruncatedPyramid_E2=2",
          "TruncatedPyramid_Side=1", "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"truncated pyramid rectangle no side",
         pgTruncatedPyramid,
         {"TruncatedPyramid_Base:1", "TruncatedPyramid_E1=1", "TruncatedPyramid_E2=2",
          "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"},
         2,
         false,
         "",
         "---"},
        {"truncated pyramid triangle",
         pgTruncatedPyramid,
         {"TruncatedPyramid_Base:2", "TruncatedPyramid_E2=1", "TruncatedPyramid_E3=2",
          "TruncatedPyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"truncated pyramid n-gon",
         pgTruncatedPyramid,
         {"TruncatedPyramid_Base:3", "TruncatedPyramid_N=5", "TruncatedPyramid_E2=1",
          "TruncatedPyramid_E3=2", "TruncatedPyramid_V=3"},
         2,
         false,
         "",
         ""},
        {"tank",
         pgCylindricalTank,
         {"CylindricalTank_R=1", "CylindricalTank_H=0.5", "CylindricalTank_D=6"},
         2,
         false,
         "",
         ""},
        {"tank overfull",
         pgCylindricalTank,
         {"CylindricalTank_R=1", "CylindricalTank_H=3", "CylindricalTank_D=6"},
         2,
         false,
         "",
         "h < 2r"},
        {"segment of segment",
         pgSphericalSegment,
         {"SphericalSegment_R=3", "SphericalSegment_V=1"},
         2,
         false,
         "",
         ""},
        {"segment of sphere",
         pgSphericalSegment,
         {"SphericalSegment_RadiusOfSphereR", "SphericalSegment_R=3", "SphericalSegment_V=1"},
         2,
         false,
         "",
         ""},
        {"segment too high",
         pgSphericalSegment,
         {"SphericalSegment_RadiusOfSphereR", "SphericalSegment_R=1", "SphericalSegment_V=3"},
         2,
         false,
         "",
         "v < 2r"},
        {"sector",
         pgSphericalSector,
         {"SphericalSector_Ro=3", "SphericalSector_V=1"},
         2,
         false,
         "",
         ""},
        {"frustum",
         pgSphericalFrustum,
         {"SphericalFrustum_Ro2=2", "SphericalFrustum_Ro1=3", "SphericalFrustum_V=1"},
         2,
         true,
         "",
         ""},
        // A preset density of zero or below gives no mass but "invalid density".
        {"density zero", pgCube, {"Cube_A=3"}, 2, false, "0", ""},
        {"density negative", pgCone, {"Cone_R=3", "Cone_V=4"}, 2, false, "-2.5", ""},
        {"empty entry", pgCone, {"Cone_R=3"}, 2, false, "", "---"},
        {"unreadable entry", pgCone, {"Cone_R=3", "Cone_V=-4"}, 2, false, "", "Input error"},
    };
    for (const char* language : {"English", "Czech"})
        for (const TCase& c : cases)
            QTest::addRow("%s %s", language, c.Name)
                << QString::fromLatin1(language) << c.Page << c.Steps << c.Precision << c.Semilog
                << QString::fromLatin1(c.Density) << QString::fromLatin1(c.State);
}

void TestFigureReport::reportHoldsWhatTheWindowsShow() {
    QFETCH(QString, language);
    QFETCH(int, page);
    QFETCH(TSteps, steps);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    QFETCH(QString, density);
    QFETCH(QString, state);

    GuiTest::TSettingsSandbox settings;
    GuiTest::TLanguageSandbox languages(language);
    const TSeparatorGuard separator('.');
    {
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteInteger(QString(), QStringLiteral("Precision"), precision);
        reg.WriteInteger(QString(), QStringLiteral("Form"), semilog ? 1 : 0);
        reg.WriteBool(QString(), QStringLiteral("UsePresetDensity"), !density.isEmpty());
        reg.WriteString(QString(), QStringLiteral("PresetDensity"), density);
        reg.WriteBool(QString(), QStringLiteral("ShowSupplementaryData"), true);
    }
    TOpenWindow open(page);
    TFormSupplementaryData* supplementary = open.Window->SupplementaryDataWindow();
    QVERIFY(supplementary);
    for (const QString& step : steps) {
        Apply(open, step);
        if (QTest::currentTestFailed())
            return;
    }

    const QString report = open.Window->Results()->ReportText();
    const QStringList lines = report.split(QLatin1Char('\n'));
    auto holds = [&lines](const QString& AName, const QString& AValue) {
        for (const QString& line : lines)
            if (line.startsWith(AName) && line.endsWith(QStringLiteral(": ") + AValue))
                return true;
        return false;
    };

    // The solid and, on a page with variants, the chosen base or radio button.
    const QString solidKey = QLatin1String(
        std::array{"Cube", "Block", "Sphere", "Cone", "Cylinder", "Pyramid", "Prism",
                   "TruncatedCone", "TruncatedPyramid", "CylindricalTank", "SphericalSegment",
                   "SphericalSector", "SphericalFrustum"}[std::size_t(page)]);
    QVERIFY2(lines.value(0).startsWith(LanguageText(QStringLiteral("TSolidFigure"), solidKey)),
             qPrintable(report));
    for (QComboBox* list : open.Window->findChildren<QComboBox*>())
        if (list->isVisible() && !list->objectName().endsWith(QLatin1String("_Side")) &&
            list->currentIndex() >= 0)
            QVERIFY2(lines.value(0).contains(list->currentText()), qPrintable(report));

    // Every entry shown, with its caption and its text as typed.
    int entries = 0;
    for (TLabeledEdit* edit : open.Window->findChildren<TLabeledEdit*>()) {
        if (!edit->isVisible())
            continue;
        ++entries;
        QVERIFY2(holds(edit->EditLabel()->text(), edit->text()),
                 qPrintable(edit->objectName() + QStringLiteral(" in\n") + report));
    }
    QVERIFY(entries > 0);

    // Both results as the panel writes them, or the state it shows.
    const QString volume = ShownResult(open, "ResultVolume", "DecadeV", "ExponentV");
    const QString area = ShownResult(open, "ResultArea", "DecadeA", "ExponentA");
    if (!state.isEmpty()) {
        QCOMPARE(volume, state);
        QCOMPARE(area, state);
    }
    QVERIFY2(holds(LanguageText(QStringLiteral("Report"), QStringLiteral("sVolume")), volume),
             qPrintable(report));
    QVERIFY2(holds(LanguageText(QStringLiteral("Report"), QStringLiteral("sSurfaceArea")), area),
             qPrintable(report));

    // Every supplementary row that shows a value (the mass row included).
    auto* grid = supplementary->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    QVERIFY(grid);
    int values = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QString name = grid->item(row, 0)->text();
        const QString value = grid->item(row, 1)->text();
        if (value.isEmpty())
            continue;
        ++values;
        QVERIFY2(holds(name, value), qPrintable(name + QStringLiteral(" in\n") + report));
    }
    // Each value line of the report is one the windows show: the results, then the rows.
    const int reported = int(report.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 1;
    QCOMPARE(reported, entries + 2 + values);
    if (state.isEmpty() && !density.isEmpty())
        QVERIFY2(values > 0 && report.contains(density), qPrintable(report));
}

// The menu item puts the report on the clipboard, in the form the panel shows.
void TestFigureReport::menuItemCopiesTheReport() {
    GuiTest::TSettingsSandbox settings;
    GuiTest::TLanguageSandbox languages(QStringLiteral("English"));
    const TSeparatorGuard separator('.');
    TOpenWindow open(pgCone);
    open.Entry(QStringLiteral("Cone_R"))->setText(QStringLiteral("3"));
    open.Entry(QStringLiteral("Cone_V"))->setText(QStringLiteral("4"));
    QMenu* menu = open.Window->Results()->Menu();
    QAction* item = menu->findChild<QAction*>(QStringLiteral("MCopyReportToClipboard"));
    QVERIFY(item);
    emit menu->aboutToShow();
    QVERIFY(item->isEnabled());
    QGuiApplication::clipboard()->clear();
    item->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Cone\n\nRadius of base (r): 3\nHeight (v): 4\n\nVolume (V): 37.70\n"
                            "Surface area (S): 75.40\nSlant height: 5.00\nArea of base: 28.27\n"
                            "Area of lateral surface: 47.12\n"));
}

void TestFigureReport::reportWithoutWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English, semilogarithmic")
        << "English" << '.'
        << QStringLiteral("Truncated pyramid (Base: rectangle)\n\nUpper base side a (a2): 1\n"
                          "Upper base side b (b2): 2\nLower base side b (b1): 4,0\nHeight (v): "
                          "3\n\nVolume (V): Input error\nSurface area (S): Input error\n");
    QTest::newRow("Czech, comma") << "Czech" << ','
                                  << QStringLiteral("Komolý jehlan (Podstava: obdélník)\n\n");
}

// The report from texts alone, as the command line builds it: here with a chosen
// side and a text that is not a number in the locale's form.
void TestFigureReport::reportWithoutWindow() {
    QFETCH(QString, language);
    QFETCH(char, separator);
    QFETCH(QString, expected);
    GuiTest::TLanguageSandbox languages(language);
    const TSeparatorGuard guard(separator);
    TEntryTexts texts;
    texts[enTruncatedPyramid_E1] = QStringLiteral("1");
    texts[enTruncatedPyramid_E2] = QStringLiteral("2");
    texts[enTruncatedPyramid_Side] = QStringLiteral("b");
    texts[enTruncatedPyramid_E3] = QStringLiteral("4,0");
    texts[enTruncatedPyramid_V] = QStringLiteral("3");
    const TFigureReport report =
        MakeFigureReport(vaTruncatedPyramid_Rectangle, texts, {2, true}, LanguageText);
    QVERIFY2(report.Text().startsWith(expected), qPrintable(report.Text()));
    if (separator == '.') {
        // "4,0" is no number with a point: the panel's "Input error" on both lines.
        QCOMPARE(report.State, rsChyba_Z);
        return;
    }
    QCOMPARE(report.State, rsSpocitano);
    QCOMPARE(report.Quantities.at(0).Id, QStringLiteral("volume"));
    QCOMPARE(report.Quantities.at(0).Text, QStringLiteral("1,40 x10"));
    QVERIFY(report.Quantities.at(0).Value.has_value());
    QCOMPARE(double(*report.Quantities.at(0).Value), 14.0);
}

QTEST_MAIN(TestFigureReport)
#include "tst_FigureReport.moc"
