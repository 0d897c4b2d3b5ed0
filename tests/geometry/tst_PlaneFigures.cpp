#include "GeometryTestSupport.h"
#include "PlaneFigures.h"

#include <QtTest>
#include <functional>

namespace {
using namespace GeometryTest;

using TQuantities = std::function<std::vector<Extended>()>;

// One row: the quantities a constructor gives, the expected ones, and the
// indices of those that must be kept exactly as supplied.
void FigureRow(const char* AName, TQuantities AQuantities, std::vector<Extended> AExpected,
               QList<int> AExact) {
    QTest::newRow(AName) << std::move(AQuantities) << std::move(AExpected) << std::move(AExact);
}

std::vector<Extended> Quantities(const TCircle& C) {
    return {C.Radius(), C.Area(), C.Circumference()};
}
std::vector<Extended> Quantities(const TSquare& S) {
    return {S.Side(), S.Diagonal(), S.Area(), S.Circumference()};
}
std::vector<Extended> Quantities(const TRectangle& R) {
    return {R.SideA(), R.SideB(), R.Diagonal(), R.Area(), R.Circumference()};
}
// The angles and diagonals of a trapezoid are never computed and stay 0.
std::vector<Extended> Quantities(const TTrapezoid& T) {
    return {T.BaseA(),      T.BaseC(),         T.LegB(),       T.LegD(),      T.Height(),
            T.Area(),       T.Circumference(), T.AngleAlpha(), T.AngleBeta(), T.AngleGamma(),
            T.AngleDelta(), T.DiagonalP(),     T.DiagonalQ()};
}
std::vector<Extended> Quantities(const TNAngle& N) {
    return {Extended(N.NumberOfEdges()),
            N.Side(),
            N.Area(),
            N.Circumference(),
            N.PartialTriangle().Base(),
            N.PartialTriangle().Leg(),
            N.PartialTriangle().VertexAngle(),
            N.PartialTriangle().HeightOrMedianOnBase()};
}
std::vector<Extended> Quantities(const TSegmentOfCircle& S) {
    return {S.Circle().Radius(), S.Height(), S.Arc(),          S.Chord(),
            S.CentralAngle(),    S.Area(),   S.Circumference()};
}
std::vector<Extended> Quantities(const TCircularRing& R) {
    return {R.OuterCircle().Radius(),
            R.InnerCircle().Radius(),
            R.OuterCircle().Area(),
            R.InnerCircle().Circumference(),
            R.Area(),
            R.Circumference()};
}

constexpr Extended Pi = Constants::Pi;
constexpr Extended TwoPi = Constants::TwoPi;
const Extended Sqrt2 = std::sqrt(2.0L);
const Extended Sqrt3 = std::sqrt(3.0L);
const Extended Sqrt13 = std::sqrt(13.0L);
const Extended Sqrt17 = std::sqrt(17.0L);
constexpr Extended Huge = 1e3000L; // its square overflows Extended
const Extended Inf = std::numeric_limits<Extended>::infinity();
const Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
} // namespace

class TestPlaneFigures : public QObject {
    Q_OBJECT
private slots:
    void figures_data();
    void figures();
    void rejections_data();
    void rejections();
};

void TestPlaneFigures::figures_data() {
    QTest::addColumn<TQuantities>("quantities");
    QTest::addColumn<std::vector<Extended>>("expected");
    QTest::addColumn<QList<int>>("exact");

    // Circle: radius, area, circumference.
    FigureRow("circle r", [] { return Quantities(TCircle::Create(1)); }, {1, Pi, TwoPi}, {0});
    FigureRow("circle area", [] { return Quantities(TCircle::Create_Area(Pi)); }, {1, Pi, TwoPi},
              {1});
    FigureRow("circle circumference", [] { return Quantities(TCircle::Create_Circumference(3)); },
              {3 / TwoPi, 9 / (4 * Pi), 3}, {2});

    // Square: side, diagonal, area, circumference.
    FigureRow("square a", [] { return Quantities(TSquare::Create(2)); }, {2, 2 * Sqrt2, 4, 8}, {0});
    FigureRow("square d", [] { return Quantities(TSquare::Create_Diagonal(2)); },
              {Sqrt2, 2, 2, 4 * Sqrt2}, {1});
    FigureRow("square area", [] { return Quantities(TSquare::Create_Area(2)); },
              {Sqrt2, 2, 2, 4 * Sqrt2}, {2});
    FigureRow("square circumference", [] { return Quantities(TSquare::Create_Circumference(6)); },
              {1.5L, 1.5L * Sqrt2, 2.25L, 6}, {3});

    // Rectangle: side a, side b, diagonal, area, circumference.
    const std::vector<Extended> R345{4, 3, 5, 12, 14};
    const std::vector<Extended> R435{3, 4, 5, 12, 14};
    FigureRow("rectangle a b", [] { return Quantities(TRectangle::Create(3, 4)); }, R435, {0, 1});
    FigureRow("rectangle a d", [] { return Quantities(TRectangle::Create_Side_Diagonal(3, 5)); },
              R435, {0, 2});
    FigureRow("rectangle a area", [] { return Quantities(TRectangle::Create_Side_Area(3, 12)); },
              R435, {0, 3});
    FigureRow("rectangle a circumference",
              [] { return Quantities(TRectangle::Create_Side_Circumference(3, 14)); }, R435,
              {0, 4});
    FigureRow("rectangle d area",
              [] { return Quantities(TRectangle::Create_Diagonal_Area(5, 12)); }, R345, {2, 3});
    FigureRow("rectangle d circumference",
              [] { return Quantities(TRectangle::Create_Diagonal_Circumference(5, 14)); }, R345,
              {2, 4});
    FigureRow("rectangle area circumference",
              [] { return Quantities(TRectangle::Create_Area_Circumference(12, 14)); }, R345,
              {3, 4});
    FigureRow("rectangle d area, a square",
              [] { return Quantities(TRectangle::Create_Diagonal_Area(2, 2)); },
              {Sqrt2, Sqrt2, 2, 2, 4 * Sqrt2}, {2, 3});
    // The largest circumference for this diagonal: the discriminant rounds
    // below zero, and the sides must still be those of the square.
    const Extended d = 0.836807896704550580047L;
    const Extended P = Sqrt2 * (d * 2);
    FigureRow("rectangle d circumference, a square",
              [=] { return Quantities(TRectangle::Create_Diagonal_Circumference(d, P)); },
              {P / 4, P / 4, d, (P / 4) * (P / 4), P}, {2, 4});

    // Trapezoid: bases a, c, legs b, d, height, area, circumference, four angles, two diagonals.
    FigureRow("trapezoid", [=] { return Quantities(TTrapezoid::Create(6, 2, 5, Sqrt17)); },
              {6, 2, 5, Sqrt17, 4, 16, 13 + Sqrt17, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3});
    FigureRow("trapezoid, leg d perpendicular",
              [] { return Quantities(TTrapezoid::Create(4, 1, 5, 4)); },
              {4, 1, 5, 4, 4, 10, 14, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3});
    FigureRow("trapezoid, base c longer",
              [=] { return Quantities(TTrapezoid::Create(2, 6, 5, Sqrt17)); },
              {2, 6, 5, Sqrt17, 4, 16, 13 + Sqrt17, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3});
    FigureRow("isosceles trapezoid bases leg",
              [=] { return Quantities(TIsoscelesTrapezoid::Create_Bases_Leg(6, 2, Sqrt13)); },
              {6, 2, Sqrt13, Sqrt13, 3, 12, 8 + 2 * Sqrt13, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3});
    FigureRow("isosceles trapezoid bases height",
              [] { return Quantities(TIsoscelesTrapezoid::Create_Bases_Height(6, 2, 3)); },
              {6, 2, Sqrt13, Sqrt13, 3, 12, 8 + 2 * Sqrt13, 0, 0, 0, 0, 0, 0}, {0, 1, 4});

    // Regular polygon: n, side, area, circumference; partial triangle base, leg, vertex
    // angle, height on the base (the apothem).
    FigureRow("square as n-angle", [] { return Quantities(TNAngle::Create(4, 2)); },
              {4, 2, 4, 8, 2, Sqrt2, Pi / 2, 1}, {0, 1});
    FigureRow("hexagon", [] { return Quantities(TNAngle::Create(6, 1)); },
              {6, 1, 3 * Sqrt3 / 2, 6, 1, 1, Pi / 3, Sqrt3 / 2}, {0, 1});

    // Segment: radius, height, arc, chord, central angle, area, circumference.
    FigureRow("half disc", [] { return Quantities(TSegmentOfCircle::Create(2, 2)); },
              {2, 2, TwoPi, 4, Pi, TwoPi, TwoPi + 4}, {0, 1, 3});
    FigureRow(
        "segment below the centre", [] { return Quantities(TSegmentOfCircle::Create(1, 0.5L)); },
        {1, 0.5L, 2 * Pi / 3, Sqrt3, 2 * Pi / 3, Pi / 3 - Sqrt3 / 4, 2 * Pi / 3 + Sqrt3}, {0, 1});
    FigureRow("segment above the centre",
              [] { return Quantities(TSegmentOfCircle::Create(1, 1.5L)); },
              {1, 1.5L, 4 * Pi / 3, Sqrt3, 4 * Pi / 3, 2 * Pi / 3 + Sqrt3 / 4, 4 * Pi / 3 + Sqrt3},
              {0, 1});

    // Ring: outer radius, inner radius, outer area, inner circumference, area, circumference.
    FigureRow("ring", [] { return Quantities(TCircularRing::Create(2, 1)); },
              {2, 1, 4 * Pi, TwoPi, 3 * Pi, 6 * Pi}, {0, 1});
}

void TestPlaneFigures::figures() {
    QFETCH(TQuantities, quantities);
    QFETCH(std::vector<Extended>, expected);
    QFETCH(QList<int>, exact);
    const std::vector<Extended> Actual = quantities();
    QCOMPARE(Actual.size(), expected.size());
    for (std::size_t I = 0; I < Actual.size(); ++I) {
        const QString Message =
            QString("quantity %1: %2, expected %3").arg(I).arg(Text(Actual[I]), Text(expected[I]));
        if (exact.contains(int(I))) {
            QVERIFY2(Actual[I] == expected[I], qPrintable("not kept exactly, " + Message));
        } else {
            QVERIFY2(Near(Actual[I], expected[I]), qPrintable(Message));
        }
    }
}

void TestPlaneFigures::rejections_data() {
    QTest::addColumn<std::function<void()>>("call");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("operation");
    auto Row = [](const char* AName, std::function<void()> ACall, const char* AOperation) {
        QTest::newRow(AName) << std::move(ACall) << QString("PlaneFigures") << QString(AOperation);
    };
    auto MathRow = [](const char* AName, std::function<void()> ACall, const char* AOperation) {
        QTest::newRow(AName) << std::move(ACall) << QString("MathFunctions") << QString(AOperation);
    };
    Row(
        "circle r = 0", [] { TCircle::Create(0); }, "TCircle.Create");
    Row(
        "circle r NaN", [] { TCircle::Create(NaN); }, "TCircle.Create");
    Row(
        "circle area overflows", [] { TCircle::Create(Huge); }, "TCircle.Create");
    Row(
        "circle area < 0", [] { TCircle::Create_Area(-1); }, "TCircle.Create_Area");
    Row(
        "circle area infinite", [] { TCircle::Create_Area(Inf); }, "TCircle.Create_Area");
    Row(
        "circle circumference = 0", [] { TCircle::Create_Circumference(0); },
        "TCircle.Create_Circumference");
    Row(
        "square a < 0", [] { TSquare::Create(-2); }, "TSquare.Create");
    Row(
        "square area overflows", [] { TSquare::Create(Huge); }, "TSquare.Create");
    Row(
        "square d = 0", [] { TSquare::Create_Diagonal(0); }, "TSquare.Create_Diagonal");
    Row(
        "square area = 0", [] { TSquare::Create_Area(0); }, "TSquare.Create_Area");
    Row(
        "square circumference = 0", [] { TSquare::Create_Circumference(0); },
        "TSquare.Create_Circumference");
    Row(
        "rectangle a = 0", [] { TRectangle::Create(0, 4); }, "TRectangle.Create");
    Row(
        "rectangle b = 0", [] { TRectangle::Create(4, 0); }, "TRectangle.Create");
    Row(
        "rectangle a = d", [] { TRectangle::Create_Side_Diagonal(5, 5); },
        "TRectangle.Create_Side_Diagonal");
    Row(
        "rectangle a d, d = 0", [] { TRectangle::Create_Side_Diagonal(1, 0); },
        "TRectangle.Create_Side_Diagonal");
    Row(
        "rectangle a area, area < 0", [] { TRectangle::Create_Side_Area(1, -1); },
        "TRectangle.Create_Side_Area");
    Row(
        "rectangle a area, area overflows", [] { TRectangle::Create_Side_Area(1e-3000L, Huge); },
        "TRectangle.Create_Side_Area");
    Row(
        "rectangle P = 2a", [] { TRectangle::Create_Side_Circumference(3, 6); },
        "TRectangle.Create_Side_Circumference");
    Row(
        "rectangle area > d^2/2", [] { TRectangle::Create_Diagonal_Area(5, 12.5000001L); },
        "TRectangle.Create_Diagonal_Area");
    Row(
        "rectangle P = 2d", [] { TRectangle::Create_Diagonal_Circumference(5, 10); },
        "TRectangle.Create_Diagonal_Circumference");
    Row(
        "rectangle P > 2d sqrt2", [] { TRectangle::Create_Diagonal_Circumference(5, 14.2L); },
        "TRectangle.Create_Diagonal_Circumference");
    Row(
        "rectangle area > (P/4)^2", [] { TRectangle::Create_Area_Circumference(13, 14); },
        "TRectangle.Create_Area_Circumference");
    Row(
        "rectangle area circumference, P = 0", [] { TRectangle::Create_Area_Circumference(1, 0); },
        "TRectangle.Create_Area_Circumference");

    Row(
        "trapezoid a = 0", [] { TTrapezoid::Create(0, 1, 1, 1); }, "TTrapezoid.Create");
    Row(
        "trapezoid c = 0", [] { TTrapezoid::Create(1, 0, 1, 1); }, "TTrapezoid.Create");
    Row(
        "trapezoid b = 0", [] { TTrapezoid::Create(2, 1, 0, 1); }, "TTrapezoid.Create");
    Row(
        "trapezoid d = 0", [] { TTrapezoid::Create(2, 1, 1, 0); }, "TTrapezoid.Create");
    Row(
        "trapezoid a = c", [] { TTrapezoid::Create(2, 2, 1, 1); }, "TTrapezoid.Create");
    Row(
        "trapezoid a = b + c + d", [] { TTrapezoid::Create(6, 2, 2, 2); }, "TTrapezoid.Create");
    Row(
        "trapezoid c = b + a + d", [] { TTrapezoid::Create(2, 6, 2, 2); }, "TTrapezoid.Create");
    MathRow(
        "trapezoid does not close", [] { TTrapezoid::Create(3, 1, 1, 5); },
        "PythagoreanTheorem_Leg1");
    Row(
        "isosceles trapezoid equal bases",
        [] { TIsoscelesTrapezoid::Create_Bases_Height(4, 4, 1); },
        "TIsoscelesTrapezoid.Create_Bases_Height");
    Row(
        "isosceles trapezoid height 0", [] { TIsoscelesTrapezoid::Create_Bases_Height(4, 2, 0); },
        "TIsoscelesTrapezoid.Create_Bases_Height");
    Row(
        "isosceles trapezoid a = 0, height",
        [] { TIsoscelesTrapezoid::Create_Bases_Height(0, 2, 1); },
        "TIsoscelesTrapezoid.Create_Bases_Height");
    Row(
        "isosceles trapezoid overflows",
        [] { TIsoscelesTrapezoid::Create_Bases_Height(Huge, 1, Huge); },
        "TIsoscelesTrapezoid.Create_Bases_Height");
    Row(
        "isosceles trapezoid equal bases, leg",
        [] { TIsoscelesTrapezoid::Create_Bases_Leg(4, 4, 1); },
        "TIsoscelesTrapezoid.Create_Bases_Leg");
    Row(
        "isosceles trapezoid leg 0", [] { TIsoscelesTrapezoid::Create_Bases_Leg(4, 2, 0); },
        "TIsoscelesTrapezoid.Create_Bases_Leg");
    Row(
        "isosceles trapezoid leg too short", [] { TIsoscelesTrapezoid::Create_Bases_Leg(6, 2, 2); },
        "TTrapezoid.Create");
    Row(
        "n-angle n = 0", [] { TNAngle::Create(0, 1); }, "TNAngle.Create");
    Row(
        "n-angle side 0", [] { TNAngle::Create(3, 0); }, "TNAngle.Create");
    Row(
        "n-angle n = 2", [] { TNAngle::Create(2, 1); },
        "TIsoscelesTriangle.Create_Base_VertexAngle");
    Row(
        "n-angle n = 1", [] { TNAngle::Create(1, 1); },
        "TIsoscelesTriangle.Create_Base_VertexAngle");
    Row(
        "n-angle overflows", [] { TNAngle::Create(3, Huge); }, "TNAngle.Create");
    Row(
        "segment h = 2r", [] { TSegmentOfCircle::Create(1, 2); }, "TSegmentOfCircle.Create");
    Row(
        "segment r = 0", [] { TSegmentOfCircle::Create(0, 1); }, "TSegmentOfCircle.Create");
    Row(
        "segment h = 0", [] { TSegmentOfCircle::Create(1, 0); }, "TSegmentOfCircle.Create");
    Row(
        "segment overflows", [] { TSegmentOfCircle::Create(Huge, 1); }, "TSegmentOfCircle.Create");
    Row(
        "ring equal radii", [] { TCircularRing::Create(1, 1); }, "TCircularRing.Create");
    Row(
        "ring inner larger", [] { TCircularRing::Create(1, 2); }, "TCircularRing.Create");
    Row(
        "ring outer 0", [] { TCircularRing::Create(0, 1); }, "TCircularRing.Create");
    Row(
        "ring inner 0", [] { TCircularRing::Create(1, 0); }, "TCircularRing.Create");
    Row(
        "ring overflows", [] { TCircularRing::Create(Huge, 1); }, "TCircularRing.Create");
}

void TestPlaneFigures::rejections() {
    QFETCH(std::function<void()>, call);
    QFETCH(QString, unit);
    QFETCH(QString, operation);
    try {
        call();
    } catch (const EInvalidInput& Error) {
        const bool IsPlane = dynamic_cast<const EInvalidInputPlaneFigures*>(&Error) != nullptr;
        QCOMPARE(IsPlane ? QString("PlaneFigures") : QString("MathFunctions"), unit);
        QCOMPARE(QString::fromStdString(Error.Operation()), operation);
        QCOMPARE(QString::fromUtf8(Error.what()),
                 "Invalid input in " + unit + " unit: \r\n\r\n" + operation);
        return;
    }
    QFAIL(qPrintable("no error raised, expected " + operation));
}

QTEST_APPLESS_MAIN(TestPlaneFigures)
#include "tst_PlaneFigures.moc"
