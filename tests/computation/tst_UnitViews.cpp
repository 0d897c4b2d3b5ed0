// The chosen units in the views of a computation window: every page in each kind of
// length unit writes the unit after its entries' letters, its results and its
// supplementary rows; a change of units rewrites what the window keeps (the entries'
// lengths converted, never typed again); the mass row is the chosen material's, for a
// tank the mass of its contents.
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "GuiTestFixture.h"
#include "Materials.h"
#include "ProgramFolder.h"
#include "SeparatorGuard.h"
#include "SolidSamples.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

using TReal = boost::multiprecision::cpp_bin_float_50;

// The supplementary window's grid, opened by its button where it is not open yet.
QTableWidget* SupplementaryGrid(const TOpenWindow& AOpen) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FormSupplementaryData") && widget->isVisible())
            return widget->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    AOpen.Control<QToolButton>(QStringLiteral("BSupplementaryData"))->click();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FormSupplementaryData") && widget->isVisible())
            return widget->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    return nullptr;
}

QString Cell(QTableWidget* AGrid, int ARow, int AColumn) {
    const QTableWidgetItem* item = AGrid->item(ARow, AColumn);
    return item ? item->text() : QString();
}

QString UnitLabel(const TOpenWindow& AOpen, const char* AName) {
    const auto* label = AOpen.Control<QLabel>(QLatin1String(AName));
    return label && !label->isHidden() ? label->text() : QString();
}

// A number as the window shows it, for comparing with a 50-digit reference.
double Number(QString AText) {
    return AText.remove(QRegularExpression(QStringLiteral("[^0-9.E+-]"))).toDouble();
}

} // namespace

class TestUnitViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void everyPageShowsItsUnits_data();
    void everyPageShowsItsUnits();
    void aChangeRewritesWhatIsShown();
    void massOfTheMaterial_data();
    void massOfTheMaterial();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

// The materials file of the source tree, as an installed program finds its own.
void TestUnitViews::initTestCase() {
    SetProgramFolder(QStringLiteral(KAVORIN_SOURCE_DIR));
}

void TestUnitViews::cleanupTestCase() {
    SetProgramFolder(QString());
}

void TestUnitViews::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>(QStringLiteral("English"));
}

void TestUnitViews::cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FormSupplementaryData"))
            widget->close();
    FLanguage.reset();
    FSandbox.reset();
}

void TestUnitViews::everyPageShowsItsUnits_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("volume");
    const struct {
        TLengthUnit Length;
        TAreaUnit Area;
        TVolumeUnit Volume;
    } choices[] = {{luMillimetre, auSquareMillimetre, vuMillilitre},
                   {luMetre, auHectare, vuLitre},
                   {luInch, auSquareInch, vuUSGallon},
                   {luFeetAndInches, auSquareFoot, vuCubicFoot}};
    QList<TPage> pages;
    for (const SolidSamples::TSample& sample : SolidSamples::Samples()) {
        const TPage page = VariantDesc(sample.Variant).Page;
        if (pages.contains(page))
            continue;
        pages << page;
        for (const auto& choice : choices)
            QTest::addRow("%s, %s", PageDesc(page).Name, qPrintable(UnitId(choice.Length)))
                << int(sample.Variant) << int(choice.Length) << int(choice.Area)
                << int(choice.Volume);
    }
    QCOMPARE(pages.size(), PageCount);
}

// Entries, results panel and supplementary rows carry the unit; "none" again leaves
// every number bare, as a window that never had units shows it.
void TestUnitViews::everyPageShowsItsUnits() {
    QFETCH(int, variant);
    QFETCH(int, length);
    QFETCH(int, area);
    QFETCH(int, volume);
    const TSeparatorGuard separator('.');
    const TVariant chosen = TVariant(variant);
    const std::vector<SolidSamples::TSample> samples = SolidSamples::Samples();
    const SolidSamples::TSample* sample = SolidSamples::SampleOf(samples, chosen);
    QVERIFY(sample);
    TOpenWindow open(VariantDesc(chosen).Page);
    ChooseVariant(open, chosen);
    Fill(open, sample->Entries);
    QTableWidget* grid = SupplementaryGrid(open);
    QVERIFY(grid);
    const QString bareVolume = open.Volume();
    QVERIFY(!bareVolume.isEmpty() && bareVolume != QLatin1String("---"));

    const TUnitChoice units{TLengthUnit(length), TAreaUnit(area), TVolumeUnit(volume), muKilogram};
    open.Window->ApplyUnits(units);
    const QString lengthSymbol = UnitSymbol(units.Length);
    QCOMPARE(UnitLabel(open, "UnitV"), UnitSymbol(units.Volume));
    QCOMPARE(UnitLabel(open, "UnitA"), UnitSymbol(units.Area));
    // Every length entry names its unit to a screen reader, and shows it.
    int lengths = 0;
    for (const QString& item : sample->Entries) {
        QLineEdit* edit = open.Entry(item.section(QLatin1Char('='), 0, 0));
        if (!edit || !edit->isVisible())
            continue;
        if (edit->accessibleName().endsWith(QStringLiteral(" (") + lengthSymbol + QLatin1Char(')')))
            ++lengths;
    }
    QVERIFY2(lengths > 0, PageDesc(VariantDesc(chosen).Page).Name);
    // Each supplementary value ends in its kind's symbol; a percentage stays bare.
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QString name = Cell(grid, row, 0);
        const QString value = Cell(grid, row, 1);
        if (value.isEmpty() || name.contains(QLatin1Char('%')))
            continue;
        const bool feet = units.Length == luFeetAndInches && value.endsWith(QLatin1Char('"'));
        QVERIFY2(feet || value.endsWith(QLatin1Char(' ') + lengthSymbol) ||
                     value.endsWith(QLatin1Char(' ') + UnitSymbol(units.Area)) ||
                     value.endsWith(QLatin1Char(' ') + UnitSymbol(units.Volume)),
                 qPrintable(name + QStringLiteral(": ") + value));
    }

    open.Window->ApplyUnits(TUnitChoice());
    QCOMPARE(UnitLabel(open, "UnitV"), QString());
    QCOMPARE(UnitLabel(open, "UnitA"), QString());
    QCOMPARE(open.Volume(), bareVolume);
    for (int row = 0; row < grid->rowCount(); ++row)
        QVERIFY2(!Cell(grid, row, 1).contains(QLatin1Char(' ')), qPrintable(Cell(grid, row, 1)));
}

// Centimetres to millimetres: the entry's text becomes the same length in the new
// unit, and the volume in litres stays; to feet and inches the lengths read as such.
void TestUnitViews::aChangeRewritesWhatIsShown() {
    const TSeparatorGuard separator('.');
    TOpenWindow open(pgCube);
    open.Window->ApplyUnits({luCentimetre, auNone, vuLitre, muKilogram});
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("10"));
    QCOMPARE(open.Volume(), QStringLiteral("1.00"));
    QCOMPARE(UnitLabel(open, "UnitV"), QStringLiteral("L"));
    // A bare area over centimetres.
    QCOMPARE(open.Area(), QStringLiteral("600.00"));
    QCOMPARE(UnitLabel(open, "UnitA"), QString());
    open.Window->ApplyUnits({luMillimetre, auSquareCentimetre, vuLitre, muKilogram});
    QCOMPARE(edit->text(), QStringLiteral("100"));
    QCOMPARE(open.Volume(), QStringLiteral("1.00"));
    QCOMPARE(open.Area(), QStringLiteral("600.00"));
    QCOMPARE(UnitLabel(open, "UnitA"), QStringLiteral("cm²"));
    // The face diagonal, 100√2 mm = 5.5677 in, in feet and inches.
    open.Window->ApplyUnits({luFeetAndInches, auNone, vuNone, muKilogram});
    QTableWidget* grid = SupplementaryGrid(open);
    QVERIFY(grid);
    const TReal diagonal = TReal(100) * sqrt(TReal(2)) / TReal("25.4");
    const QString inches = QString::number(double(diagonal), 'f', 2) + QLatin1Char('"');
    QVERIFY2(Cell(grid, 1, 1).endsWith(QLatin1Char(' ') + inches) || Cell(grid, 1, 1) == inches,
             qPrintable(Cell(grid, 1, 1)));
}

void TestUnitViews::massOfTheMaterial_data() {
    const TReal pi = boost::math::constants::pi<TReal>();
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("name");      // of the mass row
    QTest::addColumn<QString>("reference"); // the mass in kg, 50 digits
    QTest::newRow("a 1 m steel cube")
        << int(pgCube) << QStringList{"Cube_A=1"} << "steel"
        << "Mass (Steel, 7850 kg/m³)" << QString::fromStdString(TReal(7850).str(50));
    // Half full: the contents are half the cylinder, 1.5π m³ of water.
    QTest::newRow("a tank's contents")
        << int(pgCylindricalTank)
        << QStringList{"CylindricalTank_R=1", "CylindricalTank_H=1", "CylindricalTank_D=3"}
        << "water"
        << "Mass of contents (Water, 20 °C, 998.2 kg/m³)"
        << QString::fromStdString((TReal("998.2") * 3 * pi / 2).str(50));
}

// The last supplementary row is the chosen material's mass, named with it.
void TestUnitViews::massOfTheMaterial() {
    QFETCH(int, page);
    QFETCH(QStringList, entries);
    QFETCH(QString, material);
    QFETCH(QString, name);
    QFETCH(QString, reference);
    const TSeparatorGuard separator('.');
    SetChosenMaterialKey(material);
    WriteUnitChoice({luMetre, auNone, vuNone, muKilogram});
    TOpenWindow open(page);
    Fill(open, entries);
    QTableWidget* grid = SupplementaryGrid(open);
    QVERIFY(grid);
    const int last = grid->rowCount() - 1;
    QCOMPARE(Cell(grid, last, 0), name);
    const QString value = Cell(grid, last, 1);
    QVERIFY2(value.endsWith(QStringLiteral(" kg")), qPrintable(value));
    const double expected = reference.toDouble();
    QVERIFY2(std::fabs(Number(value) - expected) <= 0.005 + 1e-12 * expected, qPrintable(value));
}

QTEST_MAIN(TestUnitViews)
#include "tst_UnitViews.moc"
