// The solving window, driven as a user drives it: opened from the computation
// window's options menu on every page, it solves as values are typed, tells every
// outcome in words, lists both figures where two fit, and "Use" puts the chosen
// one into the computation window's entries.
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "NumberFormat.h"
#include "ProgramFolder.h"
#include "SolidPages.h"
#include "SolveWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cmath>

namespace {

using Real = boost::multiprecision::cpp_bin_float_50;

TFormSolve* OpenSolveWindow(const TOpenWindow& AOpen) {
    AOpen.Window->findChild<QAction*>(QStringLiteral("MSolve"))->trigger();
    return AOpen.Window->SolveWindow();
}

// Types "id=text" pairs into the window's entries, one key at a time.
void Type(TFormSolve* AWindow, const QStringList& AValues) {
    for (const QString& value : AValues) {
        QLineEdit* edit = AWindow->ItemEdit(value.section(QLatin1Char('='), 0, 0).toStdString());
        QVERIFY2(edit, qPrintable(value));
        QTest::keyClicks(edit, value.section(QLatin1Char('='), 1));
    }
}

QString Outcome(const TFormSolve* AWindow) {
    return AWindow->findChild<QLabel*>(QStringLiteral("LOutcome"))->text();
}

// The value the figure's table shows for the row named AName.
QString Shown(const TFormSolve* AWindow, const QString& AName) {
    const auto* table = AWindow->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == AName)
            return table->item(row, 1)->text();
    return QString();
}

} // namespace

class TestSolveWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void menuItemOnEveryPage();
    void outcomes_data();
    void outcomes();
    void pickOfTwoAndUse();
    void followsVariantAndNumberForm();
    void speaksTheUnits();
    void feetAndInches();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestSolveWindow::init() {
    Environment.Settings().Clear();
}

void TestSolveWindow::menuItemOnEveryPage() {
    for (int page = 0; page < PageCount; ++page) {
        TOpenWindow open(page);
        auto* item = open.Window->findChild<QAction*>(QStringLiteral("MSolve"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Solve…"));
        QVERIFY(open.Window->Results()->Menu()->actions().contains(item));
        TFormSolve* window = OpenSolveWindow(open);
        QVERIFY(window);
        QVERIFY(window->isWindow());
        QCOMPARE(window->windowTitle(), QStringLiteral("Solve"));
        // A page that waits for its base has nothing to solve yet.
        const bool chosen = VariantDesc(open.Window->CurrentVariant()).SolidType != stNone;
        QCOMPARE(Outcome(window), chosen ? QStringLiteral("No value given yet.")
                                         : QStringLiteral("Choose a base first."));
        // Every entry is named for a screen reader by its caption.
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            QVERIFY(!edit->accessibleName().isEmpty());
    }
}

void TestSolveWindow::outcomes_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("not enough")
        << int(pgCone) << QStringList{"volume=2"}
        << "Give 1 more value(s), for example: Radius of base (r), Height (v), Surface area (S), "
           "Slant height, \u2026.";
    // The least area of a cone of volume 2 is (288 pi)^(1/3) = 9.6716..., shown rounded up.
    QTest::newRow("no cone") << int(pgCone) << QStringList{"volume=2", "area=9"}
                             << "Surface area (S) must be at least 9.68 when Volume (V) = 2.";
    QTest::newRow("do not fit together")
        << int(pgCylinder) << QStringList{"r=1", "v=1", "volume=5"}
        << "These do not fit together: Radius of base (r), Height (v), Volume (V).";
    // pi rounds to 3.14 at the panel's precision: the volume agrees.
    QTest::newRow("agrees to the precision")
        << int(pgCylinder) << QStringList{"r=1", "v=1", "volume=3.14"} << QString();
    QTest::newRow("two cones") << int(pgCone) << QStringList{"volume=2", "area=12.5"}
                               << "2 figures have these values; choose one.";
}

void TestSolveWindow::outcomes() {
    QFETCH(int, page);
    QFETCH(QStringList, values);
    QFETCH(QString, outcome);
    TOpenWindow open(page);
    TFormSolve* window = OpenSolveWindow(open);
    Type(window, values);
    QCOMPARE(Outcome(window), outcome);
    const bool solved = window->Result().Outcome == soSolved;
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("BUse"))->isEnabled(), solved);
    QCOMPARE(window->findChild<QListWidget*>(QStringLiteral("FigureList"))->isVisibleTo(window),
             window->Result().Solutions.size() > 1);
}

// Of the two cones of volume 2 and surface 12.5 the user picks the wider one and
// uses it: the computation window shows it, its radius to 15 digits of the closed
// form (with x = r^2: 2 pi S x^2 - S^2 x + 9 V^2 = 0).
void TestSolveWindow::pickOfTwoAndUse() {
    const Real pi = boost::math::constants::pi<Real>();
    const Real area("12.5"), volume(2);
    const Real root = sqrt(area * area * area * area - 72 * pi * area * volume * volume);
    const Real wide = sqrt((area * area + root) / (4 * pi * area));
    const Real narrow = sqrt((area * area - root) / (4 * pi * area));

    TOpenWindow open(pgCone);
    TFormSolve* window = OpenSolveWindow(open);
    Type(window, {"volume=2", "area=12.5"});
    auto* figures = window->findChild<QListWidget*>(QStringLiteral("FigureList"));
    QCOMPARE(figures->count(), 2);
    QCOMPARE(figures->item(0)->text(), QStringLiteral("Figure 1: r = 0.52, v = 7.18"));
    QCOMPARE(figures->item(1)->text(), QStringLiteral("Figure 2: r = 1.31, v = 1.11"));
    QCOMPARE(Shown(window, QStringLiteral("Radius of base (r)")), QStringLiteral("0.52"));
    QCOMPARE(Shown(window, QStringLiteral("Surface area (S)")), QStringLiteral("12.50"));
    figures->setCurrentRow(1);
    QCOMPARE(Shown(window, QStringLiteral("Radius of base (r)")), QStringLiteral("1.31"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BUse")), Qt::LeftButton);

    const double radius = open.Entry(QStringLiteral("Cone_R"))->text().toDouble();
    QVERIFY2(std::fabs(radius - double(wide)) <= 1e-14 * double(wide),
             qPrintable(open.Entry(QStringLiteral("Cone_R"))->text()));
    QVERIFY(std::fabs(radius - double(narrow)) > 0.5);
    QCOMPARE(open.Volume(), QStringLiteral("2.00"));
    QCOMPARE(open.Area(), QStringLiteral("12.50"));
}

// A new base empties the window and lists the new variant's items; a precision
// of the results panel writes the bound in its digits (9.671951..., rounded up).
void TestSolveWindow::followsVariantAndNumberForm() {
    TOpenWindow open(pgCone);
    TFormSolve* window = OpenSolveWindow(open);
    Type(window, {"volume=2", "area=9"});
    TNumberForm form;
    form.Precision = 4;
    open.Window->ShowNumberForm(form);
    QCOMPARE(Outcome(window),
             QStringLiteral("Surface area (S) must be at least 9.6720 when Volume (V) = 2."));

    TOpenWindow pyramid(pgPyramid);
    TFormSolve* pyramidWindow = OpenSolveWindow(pyramid);
    QVERIFY(!pyramidWindow->ItemEdit("a"));
    pyramid.Choose(QStringLiteral("Pyramid_Base"), 1);
    QVERIFY(pyramidWindow->ItemEdit("a"));
    QCOMPARE(Outcome(pyramidWindow), QStringLiteral("No value given yet."));
}

// With the entries in cm and volumes in litres, 500 typed as the volume are
// 500000 cm³: a cylinder of radius 30 cm is 500000 / (900 pi) cm high, and "Use"
// writes that height in cm.
void TestSolveWindow::speaksTheUnits() {
    const Real pi = boost::math::constants::pi<Real>();
    const double height = double(Real(500000) / (Real(900) * pi));
    // The materials a length unit brings in are the shipped ones.
    SetProgramFolder(QStringLiteral(KAVORIN_SOURCE_DIR));
    const auto restore = qScopeGuard([] { SetProgramFolder(QString()); });
    TOpenWindow open(pgCylinder);
    TUnitChoice units;
    units.Length = luCentimetre;
    units.Volume = vuLitre;
    open.Window->ApplyUnits(units);
    TFormSolve* window = OpenSolveWindow(open);
    QStringList captions;
    for (const QLabel* label : window->findChildren<QLabel*>())
        captions << label->text();
    QVERIFY2(captions.contains(QStringLiteral("Volume (V) (L)")), qPrintable(captions.join('|')));
    QVERIFY2(captions.contains(QStringLiteral("Radius of base (r) (cm)")),
             qPrintable(captions.join('|')));
    Type(window, {"r=30", "volume=500"});
    QCOMPARE(Shown(window, QStringLiteral("Volume (V)")), QStringLiteral("500.00 L"));
    // The dimensions, given and found, in the entries' unit: 500 000 / (900 pi) = 176.838...
    QCOMPARE(Shown(window, QStringLiteral("Radius of base (r)")), QStringLiteral("30.00 cm"));
    QCOMPARE(Shown(window, QStringLiteral("Height (v)")), QStringLiteral("176.84 cm"));
    // No cylinder of 500 L has 1 cm^2 of surface: at least 3 (2 pi)^(1/3) 500000^(2/3)
    // = 34873.42054528879... cm^2, the area being bare with lengths in cm.
    window->ItemEdit("r")->clear();
    Type(window, {"area=1"});
    QCOMPARE(Outcome(window),
             QStringLiteral("Surface area (S) must be at least 34873.43 when Volume (V) = 500 L."));
    window->ItemEdit("area")->clear();
    Type(window, {"r=30"});
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BUse")), Qt::LeftButton);
    const double found = open.Entry(QStringLiteral("Cylinder_V"))->text().toDouble();
    QVERIFY2(std::fabs(found - height) <= 1e-14 * height,
             qPrintable(open.Entry(QStringLiteral("Cylinder_V"))->text()));
    QCOMPARE(open.Volume(), QStringLiteral("500.00")); // in litres: the unit stands beside it
}

// In feet and inches the entries take their marks, and the dimensions are written
// with them: a cylinder of radius 1' 6" holding 1000 in^3 (the volume bare) is
// 1000 / (324 pi) = 0.98243792... in high.
void TestSolveWindow::feetAndInches() {
    SetProgramFolder(QStringLiteral(KAVORIN_SOURCE_DIR));
    const auto restore = qScopeGuard([] { SetProgramFolder(QString()); });
    TOpenWindow open(pgCylinder);
    TUnitChoice units;
    units.Length = luFeetAndInches;
    open.Window->ApplyUnits(units);
    TFormSolve* window = OpenSolveWindow(open);
    Type(window, {"r=1' 6\"", "volume=1000"});
    QCOMPARE(window->ItemEdit("r")->text(), QStringLiteral("1' 6\""));
    QCOMPARE(Shown(window, QStringLiteral("Radius of base (r)")), QStringLiteral("1' 6.00\""));
    QCOMPARE(Shown(window, QStringLiteral("Height (v)")), QStringLiteral("0' 0.98\""));
}

QTEST_MAIN(TestSolveWindow)
#include "tst_SolveWindow.moc"
