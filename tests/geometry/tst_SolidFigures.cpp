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

// Rows with a count of edges first; the count is not scaled.
void AddScaledRowsWithCount(std::initializer_list<std::initializer_list<double>> AShapes) {
    QTest::addColumn<QList<double>>("d");
    for (const auto& Shape : AShapes) {
        for (const double Scale : {1e-6, 1.0, 1e6, 1e12}) {
            QList<double> Dimensions;
            QByteArray Name = "n=";
            bool First = true;
            for (const double Value : Shape) {
                Dimensions.append(First ? Value : Value * Scale);
                Name += QByteArray::number(Value) + ' ';
                First = false;
            }
            Name += "x " + QByteArray::number(Scale);
            QTest::newRow(Name.constData()) << Dimensions;
        }
    }
}

Extended Sqr(Extended x) {
    return x * x;
}

// Area of a regular n-gon with side a, and its apothem.
Extended Apothem(int n, Extended a) {
    return a / (2 * std::tan(Pi / n));
}
Extended RegularPolygonArea(int n, Extended a) {
    return n * a * Apothem(n, a) / 2;
}

} // namespace

class TestSolidFigures : public QObject {
    Q_OBJECT
private slots:
    void errors_data();
    void errors();
    void mass();
    void solidsAreValues();

    void cube_data();
    void cube();
    void block_data();
    void block();
    void sphere_data();
    void sphere();

    void cone_data();
    void cone();
    void cylinder_data();
    void cylinder();
    void tetrahedron_data();
    void tetrahedron();
    void pyramidRectangle_data();
    void pyramidRectangle();
    void pyramidNAngle_data();
    void pyramidNAngle();
    void prismTriangle_data();
    void prismTriangle();
    void prismNAngle_data();
    void prismNAngle();
    void prismCircularRing_data();
    void prismCircularRing();

    void truncatedCone_data();
    void truncatedCone();
    void truncatedPyramidRectangle_data();
    void truncatedPyramidRectangle();
    void truncatedPyramidNAngle_data();
    void truncatedPyramidNAngle();

    void cylindricalTank_data();
    void cylindricalTank();
    void sphericalSegment_data();
    void sphericalSegment();
    void sphericalSegmentOfSphere_data();
    void sphericalSegmentOfSphere();
    void sphericalSector_data();
    void sphericalSector();
    void sectorNextToHemisphereHasItsCone_data();
    void sectorNextToHemisphereHasItsCone();
    void sphericalFrustum_data();
    void sphericalFrustum();
};

void TestSolidFigures::errors_data() {
    QTest::addColumn<TBuild>("build");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("operation");
    const QString Solid = "SolidFigures";
    const QString Math = "MathFunctions";
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
    QTest::newRow("cone, h 0") << TBuild([] { TCone::Create(1, 0); }) << Solid << "TCone.Create";
    QTest::newRow("cylinder, r 0")
        << TBuild([] { TCylinder::Create(0, 1); }) << Solid << "TCylinder.Create";
    QTest::newRow("tetrahedron, a 0") << TBuild([] { TPyramid_Tetrahedron::Create(0); }) << Solid
                                      << "TPyramid_Tetrahedron.Create";
    QTest::newRow("pyramid rectangle, b 0") << TBuild([] { TPyramid_Rectangle::Create(1, 0, 1); })
                                            << Solid << "TPyramid_Rectangle.Create";
    QTest::newRow("pyramid n-gon, n 2")
        << TBuild([] { TPyramid_NAngle::Create(2, 6, 4); }) << Solid << "TPyramid_NAngle.Create";
    // The triangle inequality is the prism's own check, not the base triangle's.
    QTest::newRow("prism triangle, degenerate")
        << TBuild([] { TPrism_Triangle::Create(1, 2, 3, 1); }) << Solid << "TPrism_Triangle.Create";
    QTest::newRow("prism triangle, b too long")
        << TBuild([] { TPrism_Triangle::Create(1, 3, 1, 1); }) << Solid << "TPrism_Triangle.Create";
    QTest::newRow("prism triangle, h 0")
        << TBuild([] { TPrism_Triangle::Create(3, 4, 5, 0); }) << Solid << "TPrism_Triangle.Create";
    QTest::newRow("prism n-gon, n 2")
        << TBuild([] { TPrism_NAngle::Create(2, 1, 1); }) << Solid << "TPrism_NAngle.Create";
    QTest::newRow("prism ring, equal radii") << TBuild([] { TPrism_CircularRing::Create(1, 1, 1); })
                                             << Solid << "TPrism_CircularRing.Create";
    QTest::newRow("prism ring, inner larger")
        << TBuild([] { TPrism_CircularRing::Create(1, 2, 1); }) << Solid
        << "TPrism_CircularRing.Create";
    QTest::newRow("truncated cone, equal radii")
        << TBuild([] { TTruncatedCone::Create(1, 1, 1); }) << Solid << "TTruncatedCone.Create";
    QTest::newRow("truncated pyramid rectangle, h 0")
        << TBuild([] { TTruncatedPyramid_Rectangle::Create(4, 4, 2, 2, 0); }) << Solid
        << "TTruncatedPyramid_Rectangle.Create";
    QTest::newRow("truncated pyramid n-gon, n 2")
        << TBuild([] { TTruncatedPyramid_NAngle::Create(2, 4, 2, 3); }) << Solid
        << "TTruncatedPyramid_NAngle.Create";
    // Equal corresponding sides are left to the caller; the face height then fails.
    QTest::newRow("truncated pyramid rectangle, a1 = a2")
        << TBuild([] { TTruncatedPyramid_Rectangle::Create(4, 4, 4, 2, 3); }) << Math
        << "PythagoreanTheorem_Hypotenuse";
    QTest::newRow("truncated pyramid n-gon, a1 = a2")
        << TBuild([] { TTruncatedPyramid_NAngle::Create(4, 2, 2, 3); }) << Math
        << "PythagoreanTheorem_Hypotenuse";
    QTest::newRow("tank, full") << TBuild([] { TCylindricalTank::Create(1, 2, 1); }) << Solid
                                << "TCylindricalTank.Create";
    QTest::newRow("tank, length 0")
        << TBuild([] { TCylindricalTank::Create(1, 1, 0); }) << Solid << "TCylindricalTank.Create";
    QTest::newRow("segment, h 0") << TBuild([] { TSphericalSegment::Create(1, 0); }) << Solid
                                  << "TSphericalSegment.Create";
    QTest::newRow("segment of sphere, h = 2R")
        << TBuild([] { TSphericalSegment::Create_RadiusOfSphere_Height(1, 2); }) << Solid
        << "TSphericalSegment.Create_RadiusOfSphere_Height";
    QTest::newRow("sector, rho 0")
        << TBuild([] { TSphericalSector::Create(0, 1); }) << Solid << "TSphericalSector.Create";
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
    QTest::newRow("cone, overflow")
        << TBuild([] { TCone::Create(1e3000L, 1); }) << Solid << "TCone.Create";
    QTest::newRow("pyramid n-gon, overflow")
        << TBuild([] { TPyramid_NAngle::Create(6, 1e3000L, 1); }) << Solid
        << "TPyramid_NAngle.Create";
    QTest::newRow("prism triangle, overflow")
        << TBuild([] { TPrism_Triangle::Create(3e3000L, 4e3000L, 5e3000L, 1); }) << Solid
        << "TPrism_Triangle.Create";
    QTest::newRow("truncated cone, overflow")
        << TBuild([] { TTruncatedCone::Create(2e3000L, 1e3000L, 1); }) << Solid
        << "TTruncatedCone.Create";
    QTest::newRow("tank, overflow")
        << TBuild([] { TCylindricalTank::Create(1e2000L, 1e2000L, 1e2000L); }) << Solid
        << "TCylindricalTank.Create";
    QTest::newRow("segment, overflow")
        << TBuild([] { TSphericalSegment::Create(1e2000L, 1e2000L); }) << Solid
        << "TSphericalSegment.Create";
    QTest::newRow("segment of sphere, overflow")
        << TBuild([] { TSphericalSegment::Create_RadiusOfSphere_Height(1e2000L, 1e2000L); })
        << Solid << "TSphericalSegment.Create_RadiusOfSphere_Height";
    QTest::newRow("sector, overflow") << TBuild([] { TSphericalSector::Create(1e2000L, 1); })
                                      << Solid << "TSphericalSector.Create";
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

void TestSolidFigures::solidsAreValues() {
    // The computation window keeps whichever solid it built behind the base class.
    std::unique_ptr<TSolidFigure> Figure = std::make_unique<TCube>(TCube::Create(2));
    QEXACT(Figure->Volume(), 8);
    Figure = std::make_unique<TSphericalSector>(TSphericalSector::Create(4, 2));
    QNEAR(Figure->Volume(), 100 * Pi / 3);
    const TSphericalSector Copy = dynamic_cast<const TSphericalSector&>(*Figure);
    Figure.reset();
    QVERIFY(Copy.Cone().has_value());
    QNEAR(Copy.Cone()->Height(), 3);
    QNEAR(Copy.ParentSphere().Radius(), 5);
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

// --- Pyramids and prisms ------------------------------------------------------------

void TestSolidFigures::cone_data() {
    AddScaledRows({{3, 4}, {1, 0.25}});
}

void TestSolidFigures::cone() {
    QFETCH(QList<double>, d);
    const Extended r = d[0], h = d[1];
    const TCone Cone = TCone::Create(r, h);
    const Extended s = std::sqrt(r * r + h * h);
    QEXACT(Cone.Height(), h);
    QEXACT(Cone.Base().Radius(), r);
    QNEAR(Cone.SlantHeight(), s);
    QNEAR(Cone.LateralSurface().Area(), Pi * r * s);
    QNEAR(Cone.Volume(), Pi * r * r * h / 3);
    QNEAR(Cone.Area(), Pi * r * r + Pi * r * s);
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

void TestSolidFigures::tetrahedron_data() {
    AddScaledRows({{1}, {6}});
}

void TestSolidFigures::tetrahedron() {
    QFETCH(QList<double>, d);
    const Extended a = d[0];
    const TPyramid_Tetrahedron Tetrahedron = TPyramid_Tetrahedron::Create(a);
    QEXACT(Tetrahedron.Face().Side(), a);
    QNEAR(Tetrahedron.Height(), a * std::sqrt(2.0L / 3));
    QNEAR(Tetrahedron.Volume(), a * a * a / (6 * std::sqrt(2.0L)));
    QNEAR(Tetrahedron.Area(), std::sqrt(3.0L) * a * a);
}

void TestSolidFigures::pyramidRectangle_data() {
    AddScaledRows({{6, 6, 4}, {2, 5, 1.5}});
}

void TestSolidFigures::pyramidRectangle() {
    QFETCH(QList<double>, d);
    const Extended a = d[0], b = d[1], h = d[2];
    const TPyramid_Rectangle Pyramid = TPyramid_Rectangle::Create(a, b, h);
    const Extended sA = std::sqrt(h * h + b * b / 4), sB = std::sqrt(h * h + a * a / 4);
    QEXACT(Pyramid.Height(), h);
    QEXACT(Pyramid.LateralSurface().FaceA.Base(), a);
    QEXACT(Pyramid.LateralSurface().FaceB.Base(), b);
    QNEAR(Pyramid.LateralSurface().FaceA.HeightOrMedianOnBase(), sA);
    QNEAR(Pyramid.LateralSurface().FaceB.HeightOrMedianOnBase(), sB);
    QNEAR(Pyramid.LateralSurface().Area, a * sA + b * sB);
    QNEAR(Pyramid.Volume(), a * b * h / 3);
    QNEAR(Pyramid.Area(), a * b + a * sA + b * sB);
}

void TestSolidFigures::pyramidNAngle_data() {
    // n = 4 is the square pyramid of the rectangle table: volume 48, surface 96.
    AddScaledRowsWithCount({{4, 6, 4}, {3, 2, 5}, {7, 1, 0.5}});
}

void TestSolidFigures::pyramidNAngle() {
    QFETCH(QList<double>, d);
    const int n = int(d[0]);
    const Extended a = d[1], h = d[2];
    const TPyramid_NAngle Pyramid = TPyramid_NAngle::Create(n, a, h);
    const Extended Base = RegularPolygonArea(n, a);
    const Extended Slant = std::sqrt(Sqr(Apothem(n, a)) + h * h);
    QEXACT(Pyramid.Height(), h);
    QCOMPARE(Pyramid.Base().NumberOfEdges(), n);
    QNEAR(Pyramid.Base().Area(), Base);
    QNEAR(Pyramid.LateralSurface().Face.HeightOrMedianOnBase(), Slant);
    QNEAR(Pyramid.LateralSurface().Area, n * a * Slant / 2);
    QNEAR(Pyramid.Volume(), Base * h / 3);
    QNEAR(Pyramid.Area(), Base + n * a * Slant / 2);
}

void TestSolidFigures::prismTriangle_data() {
    AddScaledRows({{3, 4, 5, 10}, {2, 2, 3.9, 1}});
}

void TestSolidFigures::prismTriangle() {
    QFETCH(QList<double>, d);
    const Extended a = d[0], b = d[1], c = d[2], h = d[3];
    const TPrism_Triangle Prism = TPrism_Triangle::Create(a, b, c, h);
    const Extended p = (a + b + c) / 2;
    const Extended Base = std::sqrt(p * (p - a) * (p - b) * (p - c)); // Heron
    QEXACT(Prism.Height(), h);
    QEXACT(Prism.Base().SideC(), c);
    QNEAR(Prism.Base().Area(), Base);
    QNEAR(Prism.LateralSurface().FaceB.Area(), b * h);
    QNEAR(Prism.LateralSurface().Area, (a + b + c) * h);
    QNEAR(Prism.Volume(), Base * h);
    QNEAR(Prism.Area(), 2 * Base + (a + b + c) * h);
}

void TestSolidFigures::prismNAngle_data() {
    AddScaledRowsWithCount({{6, 1, 1}, {5, 3, 0.2}});
}

void TestSolidFigures::prismNAngle() {
    QFETCH(QList<double>, d);
    const int n = int(d[0]);
    const Extended a = d[1], h = d[2];
    const TPrism_NAngle Prism = TPrism_NAngle::Create(n, a, h);
    const Extended Base = RegularPolygonArea(n, a);
    QEXACT(Prism.Height(), h);
    QNEAR(Prism.LateralSurface().Face.Area(), a * h);
    QNEAR(Prism.LateralSurface().Area, n * a * h);
    QNEAR(Prism.Volume(), Base * h);
    QNEAR(Prism.Area(), 2 * Base + n * a * h);
}

void TestSolidFigures::prismCircularRing_data() {
    AddScaledRows({{2, 1, 1}, {5, 4.5, 20}});
}

void TestSolidFigures::prismCircularRing() {
    QFETCH(QList<double>, d);
    const Extended R = d[0], r = d[1], h = d[2];
    const TPrism_CircularRing Prism = TPrism_CircularRing::Create(R, r, h);
    QEXACT(Prism.Height(), h);
    QNEAR(Prism.LateralSurface().OuterFace.Area(), 2 * Pi * R * h);
    QNEAR(Prism.LateralSurface().InnerFace.Area(), 2 * Pi * r * h);
    QNEAR(Prism.Volume(), Pi * (R * R - r * r) * h);
    // Both walls of the tube count.
    QNEAR(Prism.Area(), 2 * Pi * (R * R - r * r) + 2 * Pi * (R + r) * h);
}

// --- Frustums: against the difference of the whole solid and the part cut off ------

void TestSolidFigures::truncatedCone_data() {
    AddScaledRows({{2, 1, 3}, {1, 3, 0.5}});
}

void TestSolidFigures::truncatedCone() {
    QFETCH(QList<double>, d);
    const Extended r1 = d[0], r2 = d[1], h = d[2];
    const TTruncatedCone Frustum = TTruncatedCone::Create(r1, r2, h);
    const Extended Big = std::max(r1, r2), Small = std::min(r1, r2);
    const Extended H = h * Big / (Big - Small); // height of the whole cone
    const Extended Volume = Pi * (Big * Big * H - Small * Small * (H - h)) / 3;
    const Extended Lateral = Pi * Big * std::sqrt(Big * Big + H * H) -
                             Pi * Small * std::sqrt(Small * Small + Sqr(H - h));
    QEXACT(Frustum.Height(), h);
    QEXACT(Frustum.Base1().Radius(), r1);
    QEXACT(Frustum.Base2().Radius(), r2);
    QNEAR(Frustum.SlantHeight(), std::sqrt(Sqr(r1 - r2) + h * h));
    QNEAR(Frustum.LateralSurface().Area(), Lateral);
    QNEAR(Frustum.Volume(), Volume);
    QNEAR(Frustum.Area(), Pi * (r1 * r1 + r2 * r2) + Lateral);
}

void TestSolidFigures::truncatedPyramidRectangle_data() {
    AddScaledRows({{4, 4, 2, 2, 3}, {6, 4, 3, 2, 5}, {1, 3, 2, 6, 0.5}});
}

void TestSolidFigures::truncatedPyramidRectangle() {
    QFETCH(QList<double>, d);
    const Extended a1 = d[0], b1 = d[1], a2 = d[2], b2 = d[3], h = d[4];
    const TTruncatedPyramid_Rectangle Frustum =
        TTruncatedPyramid_Rectangle::Create(a1, b1, a2, b2, h);
    // The bases are similar: the whole pyramid on the larger base less the one cut off.
    const bool FirstLarger = a1 > a2;
    const Extended A = FirstLarger ? a1 : a2, B = FirstLarger ? b1 : b2;
    const Extended a = FirstLarger ? a2 : a1, b = FirstLarger ? b2 : b1;
    const Extended H = h * A / (A - a);
    const auto Lateral = [](Extended x, Extended y, Extended z) {
        return x * std::sqrt(z * z + y * y / 4) + y * std::sqrt(z * z + x * x / 4);
    };
    const Extended LateralArea = Lateral(A, B, H) - Lateral(a, b, H - h);
    QEXACT(Frustum.Height(), h);
    QEXACT(Frustum.Base1().SideA(), a1);
    QEXACT(Frustum.Base2().SideB(), b2);
    QNEAR(Frustum.LateralSurface().FaceA.Height(), std::sqrt(h * h + Sqr(b1 - b2) / 4));
    QNEAR(Frustum.LateralSurface().FaceB.Height(), std::sqrt(h * h + Sqr(a1 - a2) / 4));
    QNEAR(Frustum.LateralSurface().Area, LateralArea);
    QNEAR(Frustum.Volume(), (A * B * H - a * b * (H - h)) / 3);
    QNEAR(Frustum.Area(), a1 * b1 + a2 * b2 + LateralArea);
}

void TestSolidFigures::truncatedPyramidNAngle_data() {
    // n = 4 is the square frustum of the rectangle table: volume 28, surface 20 + 12 sqrt 10.
    AddScaledRowsWithCount({{4, 4, 2, 3}, {6, 1, 3, 2}, {3, 5, 4, 0.25}});
}

void TestSolidFigures::truncatedPyramidNAngle() {
    QFETCH(QList<double>, d);
    const int n = int(d[0]);
    const Extended a1 = d[1], a2 = d[2], h = d[3];
    const TTruncatedPyramid_NAngle Frustum = TTruncatedPyramid_NAngle::Create(n, a1, a2, h);
    const Extended A = std::max(a1, a2), a = std::min(a1, a2);
    const Extended H = h * A / (A - a);
    const auto Lateral = [n](Extended Side, Extended Height) {
        return n * Side * std::sqrt(Sqr(Apothem(n, Side)) + Height * Height) / 2;
    };
    const Extended LateralArea = Lateral(A, H) - Lateral(a, H - h);
    const Extended Volume = (RegularPolygonArea(n, A) * H - RegularPolygonArea(n, a) * (H - h)) / 3;
    QEXACT(Frustum.Height(), h);
    QEXACT(Frustum.Base1().Side(), a1);
    QEXACT(Frustum.Base2().Side(), a2);
    QNEAR(Frustum.LateralSurface().Face.Height(),
          std::sqrt(h * h + Sqr(Apothem(n, a1) - Apothem(n, a2))));
    QNEAR(Frustum.LateralSurface().Area, LateralArea);
    QNEAR(Frustum.Volume(), Volume);
    QNEAR(Frustum.Area(), RegularPolygonArea(n, a1) + RegularPolygonArea(n, a2) + LateralArea);
}

// --- Parts of a cylinder or a sphere --------------------------------------------------

void TestSolidFigures::cylindricalTank_data() {
    // Half full, a quarter of the radius deep, and above the middle.
    AddScaledRows({{1, 1, 2}, {2, 0.5, 3}, {2, 3.5, 1}});
}

void TestSolidFigures::cylindricalTank() {
    QFETCH(QList<double>, d);
    const Extended R = d[0], Level = d[1], L = d[2];
    const TCylindricalTank Tank = TCylindricalTank::Create(R, Level, L);
    // The circular segment cut off by the liquid's surface, by its half-angle.
    const Extended HalfAngle = std::acos((R - Level) / R);
    const Extended HalfChord = std::sqrt(Level * (2 * R - Level));
    const Extended Segment = R * R * HalfAngle - (R - Level) * HalfChord;
    const Extended Arc = 2 * R * HalfAngle;
    QEXACT(Tank.Length(), L);
    QNEAR(Tank.ParentCylinder().Volume(), Pi * R * R * L);
    QNEAR(Tank.SideFace().Area(), Segment);
    QNEAR(Tank.SideFace().Chord(), 2 * HalfChord);
    QEXACT(Tank.LateralSurface().SurfaceAtLevel.SideA(), L);
    QNEAR(Tank.LateralSurface().SurfaceAtLevel.Area(), L * 2 * HalfChord);
    QNEAR(Tank.LateralSurface().Sleeve.Area(), L * Arc);
    QNEAR(Tank.Volume(), Segment * L);
    QNEAR(Tank.Area(), 2 * Segment + L * 2 * HalfChord + L * Arc);
    QNEAR(Tank.PercentageFilling(), 100 * Segment / (Pi * R * R));
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

void TestSolidFigures::sphericalSector_data() {
    // A hemisphere (no cone), less than one (cone added) and more than one (cone taken away).
    AddScaledRows({{1, 1}, {4, 2}, {4, 8}});
}

void TestSolidFigures::sphericalSector() {
    QFETCH(QList<double>, d);
    const Extended Rho = d[0], h = d[1];
    const TSphericalSector Sector = TSphericalSector::Create(Rho, h);
    const Extended R = (Rho * Rho + h * h) / (2 * h);
    // A sector is to the sphere what its cap is to the sphere's surface.
    const Extended Volume = 2 * Pi * R * R * h / 3;
    QNEAR(Sector.ParentSphere().Radius(), R);
    QNEAR(Sector.SphericalSegment().Volume(), Pi * h * h * (3 * R - h) / 3);
    QCOMPARE(Sector.Cone().has_value(), Rho != h);
    if (Sector.Cone()) {
        QNEAR(Sector.Cone()->Height(), std::fabs(R - h));
        QEXACT(Sector.Cone()->Base().Radius(), Rho);
    }
    QNEAR(Sector.Volume(), Volume);
    // The cap and the cone's lateral surface, whose slant height is the sphere's radius.
    QNEAR(Sector.Area(), 2 * Pi * R * h + Pi * Rho * R);
    QNEAR(Sector.PercentageFilling(), 100 * Volume / (4 * Pi * R * R * R / 3));
}

void TestSolidFigures::sectorNextToHemisphereHasItsCone_data() {
    // A height and a radius one unit in the last place apart, for which the sphere's
    // radius comes out exactly equal to the height: R - h of the rounded radius is 0,
    // yet the figure has a cone of height |rho - h| (rho + h) / 2h.
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("radiusAbove");
    QTest::newRow("radius just below") << 0x9.b1f3c17ba4e3p-3 << false;
    QTest::newRow("radius just above") << 0x9.a8aab614489c8p-4 << true;
}

void TestSolidFigures::sectorNextToHemisphereHasItsCone() {
    QFETCH(double, height);
    QFETCH(bool, radiusAbove);
    const Extended h = height;
    const Extended Rho = std::nextafter(h, radiusAbove ? 2 * h : 0.0L);
    QVERIFY(Rho != h);
    QVERIFY(((h * h) + Rho * Rho) / (h * 2) - h == 0);
    const TSphericalSector Sector = TSphericalSector::Create(Rho, h);
    QVERIFY(Sector.Cone().has_value());
    // Rho - h is exact, so the cone's height is right to the last digits.
    const Extended ConeHeight = std::fabs(Rho - h) * (Rho + h) / (2 * h);
    QNEAR(Sector.Cone()->Height(), ConeHeight);
    QNEAR(Sector.Cone()->Volume(), Pi * Rho * Rho * ConeHeight / 3);
    // Below a hemisphere the cone is added, beyond it taken away.
    QCOMPARE(Sector.Volume() > Sector.SphericalSegment().Volume(), radiusAbove);
    QNEAR(Sector.Volume(), 2 * Pi * h * h * h / 3);
    QNEAR(Sector.Area(), 3 * Pi * h * h);
    QNEAR(Sector.PercentageFilling(), 50);
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
