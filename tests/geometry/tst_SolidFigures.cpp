#include "SolidFigures.h"

#include <QtTest>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

using TBuild = std::function<void()>;
Q_DECLARE_METATYPE(TBuild)

namespace {

// The closed forms below take other routes than the figures (differences of whole
// solids, Heron's formula, integrals), so a few units in the last place of rounding
// separate them; cancellation in the differences costs a little more.
constexpr Extended Tolerance = 1e-15L;

const Extended Pi = std::acos(-1.0L);

QByteArray Text(Extended AValue) {
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%.21Lg", AValue);
    return Buffer;
}

bool Near(Extended AActual, Extended AExpected) {
    return std::fabs(AActual - AExpected) <= Tolerance * std::fabs(AExpected);
}

#define QNEAR(actual, expected)                                                                    \
    do {                                                                                           \
        const Extended Actual_ = (actual);                                                         \
        const Extended Expected_ = (expected);                                                     \
        QVERIFY2(Near(Actual_, Expected_),                                                         \
                 (QByteArray(#actual) + " = " + Text(Actual_) + ", expected " + Text(Expected_))   \
                     .constData());                                                                \
    } while (false)

// For quantities the figure stores as given.
#define QEXACT(actual, expected)                                                                   \
    do {                                                                                           \
        const Extended Actual_ = (actual);                                                         \
        const Extended Expected_ = (expected);                                                     \
        QVERIFY2(Actual_ == Expected_,                                                             \
                 (QByteArray(#actual) + " = " + Text(Actual_) + ", expected " + Text(Expected_))   \
                     .constData());                                                                \
    } while (false)

// Rows of one shape at several scales, from the very small to the very large; the
// dimensions of a row are the shape's dimensions times the scale.
void AddScaledRows(std::initializer_list<std::initializer_list<double>> AShapes) {
    QTest::addColumn<QList<double>>("d");
    for (const auto& Shape : AShapes) {
        for (const double Scale : {1e-6, 1.0, 1e6, 1e12}) {
            QList<double> Dimensions;
            QByteArray Name;
            for (const double Value : Shape) {
                Dimensions.append(Value * Scale);
                Name += QByteArray::number(Value) + ' ';
            }
            Name += "x " + QByteArray::number(Scale);
            QTest::newRow(Name.constData()) << Dimensions;
        }
    }
}

} // namespace

class TestSolidFigures : public QObject {
    Q_OBJECT
private slots:
    void errors_data();
    void errors();
    void mass();

    void cube_data();
    void cube();
    void block_data();
    void block();
    void sphere_data();
    void sphere();

    void cylinder_data();
    void cylinder();

    void sphericalSegment_data();
    void sphericalSegment();
    void sphericalSegmentOfSphere_data();
    void sphericalSegmentOfSphere();
    void sphericalFrustum_data();
    void sphericalFrustum();
};

void TestSolidFigures::errors_data() {
    QTest::addColumn<TBuild>("build");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("operation");
    const QString Solid = "SolidFigures";
    const Extended NaN = std::nan("");
    const Extended Inf = INFINITY;

    // Rejected arguments.
    QTest::newRow("cube, side -1") << TBuild([] { TCube::Create(-1); }) << Solid << "TCube.Create";
    QTest::newRow("cube, side NaN")
        << TBuild([=] { TCube::Create(NaN); }) << Solid << "TCube.Create";
    QTest::newRow("block, b 0") << TBuild([] { TBlock::Create(1, 0, 1); }) << Solid
                                << "TBlock.Create";
    QTest::newRow("block, c -1") << TBuild([] { TBlock::Create(1, 1, -1); }) << Solid
                                 << "TBlock.Create";
    QTest::newRow("sphere, r 0") << TBuild([] { TSphere::Create(0); }) << Solid << "TSphere.Create";
    QTest::newRow("mass, density 0")
        << TBuild([] { TCube::Create(1).Mass(0); }) << Solid << "TSolidFigure.Mass";
    QTest::newRow("mass, density -2")
        << TBuild([] { TSphere::Create(1).Mass(-2); }) << Solid << "TSolidFigure.Mass";
    QTest::newRow("cylinder, r 0")
        << TBuild([] { TCylinder::Create(0, 1); }) << Solid << "TCylinder.Create";
    // The triangle inequality is the prism's own check, not the base triangle's.
    // Equal corresponding sides are left to the caller; the face height then fails.
    QTest::newRow("segment, h 0") << TBuild([] { TSphericalSegment::Create(1, 0); }) << Solid
                                  << "TSphericalSegment.Create";
    QTest::newRow("segment of sphere, h = 2R")
        << TBuild([] { TSphericalSegment::Create_RadiusOfSphere_Height(1, 2); }) << Solid
        << "TSphericalSegment.Create_RadiusOfSphere_Height";
    QTest::newRow("spherical frustum, r2 0") << TBuild([] { TSphericalFrustum::Create(1, 0, 1); })
                                             << Solid << "TSphericalFrustum.Create";

    // Dimensions whose results Extended cannot hold: the solid's own name, also where a
    // face or a parent solid is the first to overflow.
    QTest::newRow("cube, infinite side")
        << TBuild([=] { TCube::Create(Inf); }) << Solid << "TCube.Create";
    QTest::newRow("cube, volume overflows")
        << TBuild([] { TCube::Create(1e2000L); }) << Solid << "TCube.Create";
    QTest::newRow("cube, face overflows")
        << TBuild([] { TCube::Create(1e3000L); }) << Solid << "TCube.Create";
    QTest::newRow("cube, volume underflows")
        << TBuild([] { TCube::Create(1e-2000L); }) << Solid << "TCube.Create";
    QTest::newRow("cube, face underflows")
        << TBuild([] { TCube::Create(1e-3000L); }) << Solid << "TCube.Create";
    QTest::newRow("block, one face overflows")
        << TBuild([] { TBlock::Create(1e3000L, 1e3000L, 1e-3000L); }) << Solid << "TBlock.Create";
    QTest::newRow("sphere, overflow")
        << TBuild([] { TSphere::Create(1e2000L); }) << Solid << "TSphere.Create";
    QTest::newRow("segment, overflow")
        << TBuild([] { TSphericalSegment::Create(1e2000L, 1e2000L); }) << Solid
        << "TSphericalSegment.Create";
    QTest::newRow("segment of sphere, overflow")
        << TBuild([] { TSphericalSegment::Create_RadiusOfSphere_Height(1e2000L, 1e2000L); })
        << Solid << "TSphericalSegment.Create_RadiusOfSphere_Height";
    QTest::newRow("spherical frustum, overflow")
        << TBuild([] { TSphericalFrustum::Create(1e2000L, 1e2000L, 1); }) << Solid
        << "TSphericalFrustum.Create";
    QTest::newRow("mass, overflow")
        << TBuild([] { TCube::Create(1e1500L).Mass(1e2000L); }) << Solid << "TSolidFigure.Mass";
}

void TestSolidFigures::errors() {
    QFETCH(TBuild, build);
    QFETCH(QString, unit);
    QFETCH(QString, operation);
    const std::string Expected =
        "Invalid input in " + unit.toStdString() + " unit: \r\n\r\n" + operation.toStdString();
    try {
        build();
        QFAIL("no error raised");
    } catch (const EInvalidInputSolidFigures& E) {
        QCOMPARE(QString("SolidFigures"), unit);
        QCOMPARE(QString::fromStdString(E.Operation()), operation);
        QCOMPARE(QByteArray(E.what()), QByteArray::fromStdString(Expected));
    } catch (const EInvalidInputMathFunctions& E) {
        QCOMPARE(QString("MathFunctions"), unit);
        QCOMPARE(QString::fromStdString(E.Operation()), operation);
        QCOMPARE(QByteArray(E.what()), QByteArray::fromStdString(Expected));
    } catch (const EInvalidInput& E) {
        QFAIL(E.what());
    }
}

void TestSolidFigures::mass() {
    QEXACT(TCube::Create(1).Mass(2), 2);
    // 7850 kg/m^3 (steel) for a 0.1 m cube: 7.85 kg.
    QNEAR(TCube::Create(0.1L).Mass(7850), 7.85L);
    const TSphere Sphere = TSphere::Create(2);
    QNEAR(Sphere.Mass(0.5L), 0.5L * Sphere.Volume());
}

// --- Cube, block, sphere ------------------------------------------------------------

void TestSolidFigures::cube_data() {
    AddScaledRows({{2}, {0.7}});
}

void TestSolidFigures::cube() {
    QFETCH(QList<double>, d);
    const Extended a = d[0];
    const TCube Cube = TCube::Create(a);
    QEXACT(Cube.Side(), a);
    QEXACT(Cube.Face().Side(), a);
    QNEAR(Cube.Face().Diagonal(), a * std::sqrt(2.0L));
    QNEAR(Cube.DiagonalOfSolid(), a * std::sqrt(3.0L));
    QNEAR(Cube.Volume(), a * a * a);
    QNEAR(Cube.Area(), 6 * a * a);
}

void TestSolidFigures::block_data() {
    AddScaledRows({{1, 2, 2}, {3, 0.5, 7}});
}

void TestSolidFigures::block() {
    QFETCH(QList<double>, d);
    const Extended a = d[0], b = d[1], c = d[2];
    const TBlock Block = TBlock::Create(a, b, c);
    QEXACT(Block.SideA(), a);
    QEXACT(Block.SideB(), b);
    QEXACT(Block.SideC(), c);
    // Each face keeps its edges in the order of its name.
    QEXACT(Block.FaceAB().SideA(), a);
    QEXACT(Block.FaceAB().SideB(), b);
    QEXACT(Block.FaceBC().SideA(), b);
    QEXACT(Block.FaceBC().SideB(), c);
    QEXACT(Block.FaceCA().SideA(), c);
    QEXACT(Block.FaceCA().SideB(), a);
    QNEAR(Block.DiagonalOfSolid(), std::sqrt(a * a + b * b + c * c));
    QNEAR(Block.Volume(), a * b * c);
    QNEAR(Block.Area(), 2 * (a * b + b * c + c * a));
}

void TestSolidFigures::sphere_data() {
    AddScaledRows({{1}, {3.5}});
}

void TestSolidFigures::sphere() {
    QFETCH(QList<double>, d);
    const Extended r = d[0];
    const TSphere Sphere = TSphere::Create(r);
    QEXACT(Sphere.Radius(), r);
    QEXACT(Sphere.Diameter(), 2 * r);
    QNEAR(Sphere.Volume(), 4 * Pi * r * r * r / 3);
    QNEAR(Sphere.Area(), 4 * Pi * r * r);
    if (r == 1) {
        // The 80-bit constants themselves, not products rounded at run time.
        QEXACT(Sphere.Volume(), Constants::FourPiThirds);
        QEXACT(Sphere.Area(), Constants::FourPi);
    }
}

void TestSolidFigures::cylinder_data() {
    AddScaledRows({{1, 2}, {5, 0.5}});
}

void TestSolidFigures::cylinder() {
    QFETCH(QList<double>, d);
    const Extended r = d[0], h = d[1];
    const TCylinder Cylinder = TCylinder::Create(r, h);
    QEXACT(Cylinder.Height(), h);
    QEXACT(Cylinder.Base().Radius(), r);
    // The developed wall: the base's circumference times the height.
    QNEAR(Cylinder.LateralSurface().SideA(), 2 * Pi * r);
    QEXACT(Cylinder.LateralSurface().SideB(), h);
    QNEAR(Cylinder.Volume(), Pi * r * r * h);
    QNEAR(Cylinder.Area(), 2 * Pi * r * r + 2 * Pi * r * h);
}

void TestSolidFigures::sphericalSegment_data() {
    // A hemisphere, a cap below it and a segment beyond it, all of sphere radius 5 but the first.
    AddScaledRows({{1, 1}, {4, 2}, {3, 9}});
}

void TestSolidFigures::sphericalSegment() {
    QFETCH(QList<double>, d);
    const Extended Rho = d[0], h = d[1];
    const TSphericalSegment Segment = TSphericalSegment::Create(Rho, h);
    const Extended R = (Rho * Rho + h * h) / (2 * h);
    const Extended Volume = Pi * h * h * (3 * R - h) / 3;
    QEXACT(Segment.Height(), h);
    QEXACT(Segment.IntersectingSurface().Radius(), Rho);
    QNEAR(Segment.ParentSphere().Radius(), R);
    QNEAR(Segment.AreaOfSphericalCap(), 2 * Pi * R * h);
    QNEAR(Segment.Volume(), Volume);
    QNEAR(Segment.Area(), 2 * Pi * R * h + Pi * Rho * Rho);
    QNEAR(Segment.PercentageFilling(), 100 * Volume / (4 * Pi * R * R * R / 3));
}

void TestSolidFigures::sphericalSegmentOfSphere_data() {
    AddScaledRows({{5, 2}, {5, 8}, {1, 1}});
}

void TestSolidFigures::sphericalSegmentOfSphere() {
    QFETCH(QList<double>, d);
    const Extended R = d[0], h = d[1];
    const TSphericalSegment Segment = TSphericalSegment::Create_RadiusOfSphere_Height(R, h);
    QNEAR(Segment.IntersectingSurface().Radius(), std::sqrt(h * (2 * R - h)));
    QNEAR(Segment.ParentSphere().Radius(), R);
    QNEAR(Segment.Volume(), Pi * h * h * (3 * R - h) / 3);
}

void TestSolidFigures::sphericalFrustum_data() {
    // Centre in the plane of base 1, centre beyond base 2, centre between the bases.
    AddScaledRows({{5, 4, 3}, {3, 4, 1}, {2, 2, 5}, {4, 3, 1}});
}

void TestSolidFigures::sphericalFrustum() {
    QFETCH(QList<double>, d);
    const Extended r1 = d[0], r2 = d[1], h = d[2];
    const TSphericalFrustum Frustum = TSphericalFrustum::Create(r1, r2, h);
    // Both circles lie on the sphere: with the centre at 0 and base 1 at height z1,
    // r1^2 + z1^2 = R^2 = r2^2 + (z1 + h)^2.
    const Extended z1 = (r1 * r1 - r2 * r2 - h * h) / (2 * h), z2 = z1 + h;
    const Extended R = std::sqrt(r1 * r1 + z1 * z1);
    // The volume of revolution of the circle's chord between the two planes.
    const Extended Volume = Pi * (R * R * h - (z2 * z2 * z2 - z1 * z1 * z1) / 3);
    QEXACT(Frustum.Height(), h);
    QEXACT(Frustum.Base1().Radius(), r1);
    QEXACT(Frustum.Base2().Radius(), r2);
    QNEAR(Frustum.ParentSphere().Radius(), R);
    QNEAR(Frustum.AreaOfSphericalZone(), 2 * Pi * R * h);
    QNEAR(Frustum.Volume(), Volume);
    QNEAR(Frustum.Area(), Pi * (r1 * r1 + r2 * r2) + 2 * Pi * R * h);
    QNEAR(Frustum.PercentageFilling(), 100 * Volume / (4 * Pi * R * R * R / 3));
}

QTEST_APPLESS_MAIN(TestSolidFigures)
#include "tst_SolidFigures.moc"
