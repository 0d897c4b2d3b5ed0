// The calculation handlers of the ten solids beyond cube, block and sphere:
// figures against independently computed values, the values handed to the
// supplementary data window, and the states of the solids' own checks.
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "SolidFigures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

namespace {

constexpr double RelativeTolerance = 1e-12;
const double Pi = std::acos(-1.0);

bool Near(double AActual, double AExpected) {
    return std::fabs(AActual - AExpected) <=
           RelativeTolerance * std::max(1.0, std::fabs(AExpected));
}

// How a page's variant is chosen before the entries are typed.
enum TChoice {
    vNone,
    vTetrahedron,
    vBase0,
    vBase1,
    vBase2,
    vBase3,
    vRadiusOfSphere,
};

struct TVariantWindow : TOpenWindow {
    using TOpenWindow::TOpenWindow;
    void SelectVariant(int APage, TChoice AVariant) const {
        if (AVariant == vNone)
            return;
        if (APage == pgSphericalSegment) {
            Window->findChild<QRadioButton*>(QStringLiteral("SphericalSegment_RadiusOfSphereR"))
                ->setChecked(true);
            return;
        }
        if (AVariant == vTetrahedron) {
            Window->findChild<QCheckBox*>(QStringLiteral("Pyramid_Tetrahedron"))->setChecked(true);
            return;
        }
        static const char* const Lists[PageCount] = {
            nullptr,      nullptr, nullptr,
            nullptr,      nullptr, "Pyramid_Base",
            "Prism_Base", nullptr, "TruncatedPyramid_Base"};
        Choose(QLatin1String(Lists[APage]), AVariant - vBase0);
    }
    // Entries as "name=text"; "Side=a" picks the truncated pyramid's side.
    void Fill(const QStringList& AEntries) const {
        for (const QString& item : AEntries) {
            const QString name = item.section(QLatin1Char('='), 0, 0);
            const QString text = item.section(QLatin1Char('='), 1);
            if (name == QLatin1String("Side")) {
                Choose(QStringLiteral("TruncatedPyramid_Side"), text == QLatin1String("a") ? 0 : 1);
                continue;
            }
            QLineEdit* edit = Entry(name);
            QVERIFY2(edit, qPrintable(name));
            edit->setText(text);
        }
    }
};

// The supplementary values of the window's result, the one its views are
// handed, in their rows' order.
std::vector<Extended> SentValues(const TFormComputations& AWindow) {
    std::vector<Extended> values;
    for (const TSupplementaryValue& item : AWindow.Result().SupplementaryValues)
        values.push_back(item.Value);
    return values;
}

QString TwoDecimals(double AValue) {
    return QString::number(AValue, 'f', 2);
}

} // namespace

class TestComputationHandlers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void figures_data();
    void figures();
    void ownChecks_data();
    void ownChecks();
    void sectorConeValues_data();
    void sectorConeValues();
    void rectangularTruncatedPyramidFromEitherSide();
    void radiusChoiceGivesTheOtherRadius();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestComputationHandlers::init() {
    Environment.Settings().Clear();
}

void TestComputationHandlers::figures_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("area");
    QTest::addColumn<int>("valueCount");
    QTest::addColumn<double>("firstValue");
    const double r3 = std::sqrt(3.0), r10 = std::sqrt(10.0);

    QTest::newRow("cone") << int(pgCone) << int(vNone) << QStringList{"Cone_R=3", "Cone_V=4"}
                          << 12 * Pi << 24 * Pi << 3 << 5.0;
    QTest::newRow("cylinder") << int(pgCylinder) << int(vNone)
                              << QStringList{"Cylinder_R=2", "Cylinder_V=5"} << 20 * Pi << 28 * Pi
                              << 2 << 4 * Pi;
    QTest::newRow("tetrahedron") << int(pgPyramid) << int(vTetrahedron)
                                 << QStringList{"Pyramid_A=2"} << 8 / (6 * std::sqrt(2.0)) << 4 * r3
                                 << 3 << 2 * std::sqrt(2.0 / 3.0);
    QTest::newRow("pyramid, square")
        << int(pgPyramid) << int(vBase0) << QStringList{"Pyramid_A=2", "Pyramid_V=3"} << 4.0
        << 4 + 4 * r10 << 4 << r10;
    QTest::newRow("pyramid, rectangle")
        << int(pgPyramid) << int(vBase1) << QStringList{"Pyramid_A=6", "Pyramid_B=4", "Pyramid_V=4"}
        << 32.0 << 44 + 6 * std::sqrt(20.0) << 6 << std::sqrt(20.0);
    QTest::newRow("pyramid, equilateral triangle")
        << int(pgPyramid) << int(vBase2) << QStringList{"Pyramid_A=2", "Pyramid_V=3"} << r3
        << r3 + 3 * std::sqrt(28.0 / 3.0) << 4 << std::sqrt(28.0 / 3.0);
    QTest::newRow("pyramid, hexagon")
        << int(pgPyramid) << int(vBase3) << QStringList{"Pyramid_N=6", "Pyramid_A=2", "Pyramid_V=3"}
        << 6 * r3 << 6 * r3 + 6 * std::sqrt(12.0) << 4 << std::sqrt(12.0);
    QTest::newRow("prism, triangle")
        << int(pgPrism) << int(vBase0)
        << QStringList{"Prism_E1=3", "Prism_E2=4", "Prism_E3=5", "Prism_V=2"} << 12.0 << 36.0 << 5
        << 6.0;
    QTest::newRow("prism, square as n-gon")
        << int(pgPrism) << int(vBase1) << QStringList{"Prism_N=4", "Prism_E3=2", "Prism_V=3"}
        << 12.0 << 32.0 << 3 << 4.0;
    QTest::newRow("prism, circular ring")
        << int(pgPrism) << int(vBase2) << QStringList{"Prism_E2=3", "Prism_E3=1", "Prism_V=2"}
        << 16 * Pi << 32 * Pi << 3 << 8 * Pi;
    QTest::newRow("truncated cone")
        << int(pgTruncatedCone) << int(vNone)
        << QStringList{"TruncatedCone_R2=1", "TruncatedCone_R1=2", "TruncatedCone_V=3"} << 7 * Pi
        << 5 * Pi + 3 * Pi * r10 << 4 << r10;
    QTest::newRow("truncated pyramid, square")
        << int(pgTruncatedPyramid) << int(vBase0)
        << QStringList{"TruncatedPyramid_E2=2", "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"}
        << 28.0 << 20 + 12 * r10 << 5 << r10;
    QTest::newRow("truncated pyramid, rectangle")
        << int(pgTruncatedPyramid) << int(vBase1)
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "Side=a",
                       "TruncatedPyramid_E3=6", "TruncatedPyramid_V=2"}
        << 76.0 / 3 << 26 + 10 * std::sqrt(4.25) + 5 * std::sqrt(5.0) << 9 << std::sqrt(4.25);
    QTest::newRow("cylindrical tank, half full")
        << int(pgCylindricalTank) << int(vNone)
        << QStringList{"CylindricalTank_R=1", "CylindricalTank_H=1", "CylindricalTank_D=2"} << Pi
        << 3 * Pi + 4 << 5 << 2.0;
    QTest::newRow("spherical segment, radius of segment")
        << int(pgSphericalSegment) << int(vNone)
        << QStringList{"SphericalSegment_R=3", "SphericalSegment_V=1"} << 28 * Pi / 6 << 19 * Pi
        << 4 << 5.0;
    QTest::newRow("spherical segment, radius of sphere")
        << int(pgSphericalSegment) << int(vRadiusOfSphere)
        << QStringList{"SphericalSegment_R=5", "SphericalSegment_V=1"} << 28 * Pi / 6 << 19 * Pi
        << 4 << 3.0;
    QTest::newRow("spherical sector") << int(pgSphericalSector) << int(vNone)
                                      << QStringList{"SphericalSector_Ro=3", "SphericalSector_V=1"}
                                      << 50 * Pi / 3 << 25 * Pi << 6 << 5.0;
    QTest::newRow("spherical frustum")
        << int(pgSphericalFrustum) << int(vNone)
        << QStringList{"SphericalFrustum_Ro2=3", "SphericalFrustum_Ro1=4", "SphericalFrustum_V=1"}
        << 76 * Pi / 6 << 35 * Pi << 5 << 5.0;
}

void TestComputationHandlers::figures() {
    QFETCH(int, page);
    QFETCH(int, variant);
    QFETCH(QStringList, entries);
    QFETCH(double, volume);
    QFETCH(double, area);
    QFETCH(int, valueCount);
    QFETCH(double, firstValue);
    TVariantWindow open(page);
    open.SelectVariant(page, TChoice(variant));
    open.Fill(entries);

    const TSolidFigure* figure = open.Window->SolidFigure();
    QVERIFY(figure);
    QVERIFY2(Near(double(figure->Volume()), volume),
             qPrintable(QString::number(double(figure->Volume()), 'g', 17)));
    QVERIFY2(Near(double(figure->Area()), area),
             qPrintable(QString::number(double(figure->Area()), 'g', 17)));
    QCOMPARE(open.Volume(), TwoDecimals(volume));
    QCOMPARE(open.Area(), TwoDecimals(area));
    QCOMPARE(open.Window->Results()->ResultState(), rsSpocitano);
    QVERIFY(open.Window->Result().Computed());
    const auto values = SentValues(*open.Window);
    QCOMPARE(int(values.size()), valueCount);
    QVERIFY2(Near(double(values.front()), firstValue),
             qPrintable(QString::number(double(values.front()), 'g', 17)));
}

void TestComputationHandlers::ownChecks_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("shown");
    QTest::newRow("prism, sides 1, 2, 5")
        << int(pgPrism) << int(vBase0)
        << QStringList{"Prism_E1=1", "Prism_E2=2", "Prism_E3=5", "Prism_V=1"} << "a + b > c ...";
    QTest::newRow("prism, degenerate triangle")
        << int(pgPrism) << int(vBase0)
        << QStringList{"Prism_E1=1", "Prism_E2=2", "Prism_E3=3", "Prism_V=1"} << "a + b > c ...";
    QTest::newRow("ring, equal radii")
        << int(pgPrism) << int(vBase2) << QStringList{"Prism_E2=2", "Prism_E3=2", "Prism_V=1"}
        << "r1 > r2";
    QTest::newRow("ring, inner larger")
        << int(pgPrism) << int(vBase2) << QStringList{"Prism_E2=2", "Prism_E3=3", "Prism_V=1"}
        << "r1 > r2";
    QTest::newRow("ring overflowing is an input error")
        << int(pgPrism) << int(vBase2)
        << QStringList{"Prism_E2=1E3000", "Prism_E3=1", "Prism_V=1E3000"} << "Input error";
    QTest::newRow("n-gon prism with 2 edges")
        << int(pgPrism) << int(vBase1) << QStringList{"Prism_N=2", "Prism_E3=1", "Prism_V=1"}
        << "n > 2";
    QTest::newRow("n-gon pyramid with 2 edges")
        << int(pgPyramid) << int(vBase3) << QStringList{"Pyramid_N=2"} << "n > 2";
    QTest::newRow("truncated cone, equal radii")
        << int(pgTruncatedCone) << int(vNone)
        << QStringList{"TruncatedCone_R2=5", "TruncatedCone_R1=5", "TruncatedCone_V=1"}
        << "r1 <> r2";
    QTest::newRow("truncated cone, diameter equals radius")
        << int(pgTruncatedCone) << int(vNone)
        << QStringList{"TruncatedCone_R2=*10", "TruncatedCone_R1=5", "TruncatedCone_V=1"}
        << "r1 <> r2";
    QTest::newRow("truncated pyramid, rectangle, equal sides a")
        << int(pgTruncatedPyramid) << int(vBase1)
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "Side=a",
                       "TruncatedPyramid_E3=4", "TruncatedPyramid_V=1"}
        << "a1 <> a2";
    QTest::newRow("truncated pyramid, rectangle, equal sides b")
        << int(pgTruncatedPyramid) << int(vBase1)
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "Side=b",
                       "TruncatedPyramid_E3=2", "TruncatedPyramid_V=1"}
        << "b1 <> b2";
    QTest::newRow("truncated pyramid, rectangle, no side chosen")
        << int(pgTruncatedPyramid) << int(vBase1)
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "TruncatedPyramid_E3=6",
                       "TruncatedPyramid_V=1"}
        << "---";
    QTest::newRow("truncated pyramid, square, equal sides")
        << int(pgTruncatedPyramid) << int(vBase0)
        << QStringList{"TruncatedPyramid_E2=3", "TruncatedPyramid_E3=3", "TruncatedPyramid_V=1"}
        << "a1 <> a2";
    QTest::newRow("truncated pyramid, n-gon, equal sides")
        << int(pgTruncatedPyramid) << int(vBase3)
        << QStringList{"TruncatedPyramid_N=5", "TruncatedPyramid_E2=3", "TruncatedPyramid_E3=3",
                       "TruncatedPyramid_V=1"}
        << "a1 <> a2";
    QTest::newRow("tank, level at the diameter")
        << int(pgCylindricalTank) << int(vNone)
        << QStringList{"CylindricalTank_R=1", "CylindricalTank_H=2", "CylindricalTank_D=1"}
        << "h < 2r";
    QTest::newRow("tank, level 1.5")
        << int(pgCylindricalTank) << int(vNone)
        << QStringList{"CylindricalTank_R=1", "CylindricalTank_H=1.5", "CylindricalTank_D=1"} << "";
    QTest::newRow("tank overflowing is an input error")
        << int(pgCylindricalTank) << int(vNone)
        << QStringList{"CylindricalTank_R=1E4000", "CylindricalTank_H=1",
                       "CylindricalTank_D=1E4000"}
        << "Input error";
    QTest::newRow("segment, sphere radius 1, height 2")
        << int(pgSphericalSegment) << int(vRadiusOfSphere)
        << QStringList{"SphericalSegment_R=1", "SphericalSegment_V=2"} << "v < 2r";
    QTest::newRow("segment, segment radius 1, height 2")
        << int(pgSphericalSegment) << int(vNone)
        << QStringList{"SphericalSegment_R=1", "SphericalSegment_V=2"} << "";
}

void TestComputationHandlers::ownChecks() {
    QFETCH(int, page);
    QFETCH(int, variant);
    QFETCH(QStringList, entries);
    QFETCH(QString, shown);
    GuiTest::TModalWatcher watcher;
    TVariantWindow open(page);
    open.SelectVariant(page, TChoice(variant));
    open.Fill(entries);
    if (shown.isEmpty()) {
        QVERIFY(open.Window->SolidFigure());
        QCOMPARE(open.Window->Results()->ResultState(), rsSpocitano);
        return;
    }
    QCOMPARE(open.Volume(), shown);
    QCOMPARE(open.Area(), shown);
    QCOMPARE(open.Window->SolidFigure(), nullptr);
    // The views are handed the state alone.
    QVERIFY(!open.Window->Result().Computed());
    QVERIFY(open.Window->Result().SupplementaryValues.empty());
    QTest::qWait(10);
    QVERIFY2(watcher.Seen().isEmpty(), "the states are shown without a message box");
}

void TestComputationHandlers::sectorConeValues_data() {
    QTest::addColumn<QString>("rho");
    QTest::addColumn<QString>("height");
    QTest::addColumn<double>("coneArea");
    QTest::addColumn<double>("coneVolume");
    QTest::addColumn<double>("segmentVolume");
    // Radius of the sphere 5 in the first and the last row, 2 in the hemisphere.
    QTest::newRow("below a hemisphere") << "3"
                                        << "1" << 15 * Pi << 12 * Pi << 14 * Pi / 3;
    QTest::newRow("hemisphere") << "2"
                                << "2" << 4 * Pi << 0.0 << 16 * Pi / 3;
    QTest::newRow("above a hemisphere") << "3"
                                        << "9" << 15 * Pi << -12 * Pi << 162 * Pi;
}

void TestComputationHandlers::sectorConeValues() {
    QFETCH(QString, rho);
    QFETCH(QString, height);
    QFETCH(double, coneArea);
    QFETCH(double, coneVolume);
    QFETCH(double, segmentVolume);
    TVariantWindow open(pgSphericalSector);
    open.Fill({QStringLiteral("SphericalSector_Ro=") + rho,
               QStringLiteral("SphericalSector_V=") + height});
    QVERIFY(open.Window->Result().Computed());
    const auto values = SentValues(*open.Window);
    QCOMPARE(values.size(), std::size_t(6));
    QVERIFY2(Near(double(values[2]), coneArea), qPrintable(QString::number(double(values[2]))));
    QVERIFY2(Near(double(values[3]), segmentVolume),
             qPrintable(QString::number(double(values[3]))));
    QVERIFY2(Near(double(values[4]), coneVolume), qPrintable(QString::number(double(values[4]))));
    // The sector is the segment with the cone added (or taken away).
    QVERIFY(Near(double(open.Window->SolidFigure()->Volume()), segmentVolume + coneVolume));
}

void TestComputationHandlers::rectangularTruncatedPyramidFromEitherSide() {
    // Upper base 4 by 2; the lower base 6 by 3 is given by its side a or its side b.
    std::vector<double> sentBySide[2];
    for (int side = 0; side < 2; ++side) {
        TVariantWindow open(pgTruncatedPyramid);
        open.SelectVariant(pgTruncatedPyramid, vBase1);
        open.Fill({QStringLiteral("TruncatedPyramid_E1=4"), QStringLiteral("TruncatedPyramid_E2=2"),
                   side == 0 ? QStringLiteral("Side=a") : QStringLiteral("Side=b"),
                   side == 0 ? QStringLiteral("TruncatedPyramid_E3=6")
                             : QStringLiteral("TruncatedPyramid_E3=3"),
                   QStringLiteral("TruncatedPyramid_V=2")});
        const auto* pyramid =
            dynamic_cast<const TTruncatedPyramid_Rectangle*>(open.Window->SolidFigure());
        QVERIFY(pyramid);
        QCOMPARE(double(pyramid->Base2().SideA()), 6.0);
        QCOMPARE(double(pyramid->Base2().SideB()), 3.0);
        for (Extended value : SentValues(*open.Window))
            sentBySide[side].push_back(double(value));
    }
    // Seven rows and both sides of the lower base.
    QCOMPARE(sentBySide[0].size(), std::size_t(9));
    QCOMPARE(sentBySide[0], sentBySide[1]);
}

void TestComputationHandlers::radiusChoiceGivesTheOtherRadius() {
    // The same segment from either radius: each choice sends the radius not given.
    TVariantWindow open(pgSphericalSegment);
    open.Fill({QStringLiteral("SphericalSegment_R=4"), QStringLiteral("SphericalSegment_V=2")});
    const auto ofSegment = SentValues(*open.Window);
    QVERIFY(Near(double(ofSegment[0]), 5.0));
    open.SelectVariant(pgSphericalSegment, vRadiusOfSphere);
    open.Fill({QStringLiteral("SphericalSegment_R=5"), QStringLiteral("SphericalSegment_V=2")});
    const auto ofSphere = SentValues(*open.Window);
    QVERIFY(Near(double(ofSphere[0]), 4.0));
    for (std::size_t i = 1; i < ofSphere.size(); ++i)
        QVERIFY2(Near(double(ofSphere[i]), double(ofSegment[i])), qPrintable(QString::number(i)));
}

QTEST_MAIN(TestComputationHandlers)
#include "tst_ComputationHandlers.moc"
