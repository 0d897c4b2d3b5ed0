#include "GeometryTestSupport.h"
#include "TriangleFamilies.h"

#include <QtTest>
#include <array>
#include <functional>
#include <limits>

namespace {
using namespace GeometryTest;

constexpr Extended Pi = Constants::Pi;
constexpr Extended Huge = 1e3000L; // its square overflows Extended
const Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
const Extended Sqrt3 = std::sqrt(3.0L);

using T = TIsoscelesTriangle;
using Family = TIsoscelesTriangleFamily;
using TSecond = TIsoscelesTriangle::TSecond;

// ---- Isosceles quantities ---------------------------------------------------------

enum TQuantity {
    qBase,
    qLeg,
    qBaseAngle,
    qVertexAngle,
    qHeight,
    qHeightOnLeg,
    qMedianOnLeg,
    qArea,
    qCircumference,
    qCount
};
const char* const QuantityNames[qCount] = {
    "base",          "leg",           "base angle", "vertex angle", "height on base",
    "height on leg", "median on leg", "area",       "circumference"};
using TQuantities = std::array<Extended, qCount>;

TQuantities QuantitiesOf(const T& ATriangle) {
    return {ATriangle.Base(),
            ATriangle.Leg(),
            ATriangle.BaseAngle(),
            ATriangle.VertexAngle(),
            ATriangle.HeightOrMedianOnBase(),
            ATriangle.HeightOnLeg(),
            ATriangle.MedianOnLeg(),
            ATriangle.Area(),
            ATriangle.Circumference()};
}

// Every quantity of the isosceles triangle with base c and leg a, by other
// formulas than the ones the class uses.
TQuantities QuantitiesFromSides(Extended c, Extended a) {
    const Extended h = std::sqrt(a * a - c * c / 4);
    const Extended Alpha = std::acos(c / (2 * a));
    return {c,
            a,
            Alpha,
            2 * std::asin(c / (2 * a)),
            h,
            c * h / a,
            std::sqrt(2 * c * c + a * a) / 2,
            c * h / 2,
            2 * a + c};
}

// Checks that every quantity of the triangle agrees with its own base and leg.
void VerifyConsistent(const T& ATriangle, const char* AWhich) {
    const TQuantities Actual = QuantitiesOf(ATriangle);
    const TQuantities Expected = QuantitiesFromSides(ATriangle.Base(), ATriangle.Leg());
    for (int I = 0; I < qCount; ++I) {
        QVERIFY2(
            Near(Actual[I], Expected[I]),
            qPrintable(QString("%1 solution, %2: %3, from the sides %4")
                           .arg(AWhich, QuantityNames[I], Text(Actual[I]), Text(Expected[I]))));
    }
}

// ---- The family of isosceles members --------------------------------------------------

using TBuild = std::function<T(Extended, Extended, TSecond&)>;
struct TMember {
    const char* Name;
    TQuantity First;
    TQuantity Second;
    TBuild Build;
};

template <class F> TBuild One(F AConstructor) {
    return [AConstructor](Extended x, Extended y, TSecond& ASecond) {
        ASecond.reset();
        return AConstructor(x, y);
    };
}

const std::vector<TMember>& Members() {
    static const std::vector<TMember> List = {
        {"Create", qBase, qLeg, One(&T::Create)},
        {"Create_Base_BaseAngle", qBase, qBaseAngle, One(&Family::Create_Base_BaseAngle)},
        {"Create_Base_VertexAngle", qBase, qVertexAngle, One(&T::Create_Base_VertexAngle)},
        {"Create_Base_HeightOrMedianOnBase", qBase, qHeight,
         One(&T::Create_Base_HeightOrMedianOnBase)},
        {"Create_Base_HeightOnLeg", qBase, qHeightOnLeg, One(&Family::Create_Base_HeightOnLeg)},
        {"Create_Base_MedianOnLeg", qBase, qMedianOnLeg, One(&Family::Create_Base_MedianOnLeg)},
        {"Create_Base_Area", qBase, qArea, One(&Family::Create_Base_Area)},
        {"Create_Base_Circumference", qBase, qCircumference,
         One(&Family::Create_Base_Circumference)},
        {"Create_Leg_BaseAngle", qLeg, qBaseAngle, One(&Family::Create_Leg_BaseAngle)},
        {"Create_Leg_VertexAngle", qLeg, qVertexAngle, One(&Family::Create_Leg_VertexAngle)},
        {"Create_Leg_HeightOrMedianOnBase", qLeg, qHeight,
         One(&Family::Create_Leg_HeightOrMedianOnBase)},
        {"Create_Leg_HeightOnLeg", qLeg, qHeightOnLeg, &Family::Create_Leg_HeightOnLeg},
        {"Create_Leg_MedianOnLeg", qLeg, qMedianOnLeg, One(&Family::Create_Leg_MedianOnLeg)},
        {"Create_Leg_Area", qLeg, qArea, &Family::Create_Leg_Area},
        {"Create_Leg_Circumference", qLeg, qCircumference, One(&Family::Create_Leg_Circumference)},
        {"Create_BaseAngle_HeightOrMedianOnBase", qBaseAngle, qHeight,
         One(&Family::Create_BaseAngle_HeightOrMedianOnBase)},
        {"Create_BaseAngle_HeightOnLeg", qBaseAngle, qHeightOnLeg,
         One(&Family::Create_BaseAngle_HeightOnLeg)},
        {"Create_BaseAngle_MedianOnLeg", qBaseAngle, qMedianOnLeg,
         One(&Family::Create_BaseAngle_MedianOnLeg)},
        {"Create_BaseAngle_Area", qBaseAngle, qArea, One(&Family::Create_BaseAngle_Area)},
        {"Create_BaseAngle_Circumference", qBaseAngle, qCircumference,
         One(&Family::Create_BaseAngle_Circumference)},
        {"Create_VertexAngle_HeightOrMedianOnBase", qVertexAngle, qHeight,
         One(&Family::Create_VertexAngle_HeightOrMedianOnBase)},
        {"Create_VertexAngle_HeightOnLeg", qVertexAngle, qHeightOnLeg,
         One(&Family::Create_VertexAngle_HeightOnLeg)},
        {"Create_VertexAngle_MedianOnLeg", qVertexAngle, qMedianOnLeg,
         One(&Family::Create_VertexAngle_MedianOnLeg)},
        {"Create_VertexAngle_Area", qVertexAngle, qArea, One(&Family::Create_VertexAngle_Area)},
        {"Create_VertexAngle_Circumference", qVertexAngle, qCircumference,
         One(&Family::Create_VertexAngle_Circumference)},
        {"Create_HeightOrMedianOnBase_HeightOnLeg", qHeight, qHeightOnLeg,
         One(&Family::Create_HeightOrMedianOnBase_HeightOnLeg)},
        {"Create_HeightOrMedianOnBase_MedianOnLeg", qHeight, qMedianOnLeg,
         One(&Family::Create_HeightOrMedianOnBase_MedianOnLeg)},
        {"Create_HeightOrMedianOnBase_Area", qHeight, qArea,
         One(&Family::Create_HeightOrMedianOnBase_Area)},
        {"Create_HeightOrMedianOnBase_Circumference", qHeight, qCircumference,
         One(&Family::Create_HeightOrMedianOnBase_Circumference)},
        {"Create_HeightOnLeg_MedianOnLeg", qHeightOnLeg, qMedianOnLeg,
         &Family::Create_HeightOnLeg_MedianOnLeg},
        {"Create_HeightOnLeg_Area", qHeightOnLeg, qArea, &Family::Create_HeightOnLeg_Area},
        {"Create_HeightOnLeg_Circumference", qHeightOnLeg, qCircumference,
         &Family::Create_HeightOnLeg_Circumference},
        {"Create_MedianOnLeg_Area", qMedianOnLeg, qArea, &Family::Create_MedianOnLeg_Area},
        {"Create_MedianOnLeg_Circumference", qMedianOnLeg, qCircumference,
         &Family::Create_MedianOnLeg_Circumference},
        {"Create_Area_Circumference", qArea, qCircumference, &Family::Create_Area_Circumference},
    };
    return List;
}

const TMember& MemberNamed(const QString& AName) {
    for (const TMember& Member : Members()) {
        if (AName == Member.Name) {
            return Member;
        }
    }
    qFatal("no member %s", qPrintable(AName));
}

// Runs ACall and checks that it raises the error of AUnit naming AOperation.
void ExpectRejected(const std::function<void()>& ACall, const QString& AUnit,
                    const QString& AOperation) {
    try {
        ACall();
    } catch (const EInvalidInput& Error) {
        const bool IsPlane = dynamic_cast<const EInvalidInputPlaneFigures*>(&Error) != nullptr;
        QCOMPARE(IsPlane ? QString("PlaneFigures") : QString("MathFunctions"), AUnit);
        QCOMPARE(QString::fromStdString(Error.Operation()), AOperation);
        QCOMPARE(QString::fromUtf8(Error.what()),
                 "Invalid input in " + AUnit + " unit: \r\n\r\n" + AOperation);
        return;
    }
    QFAIL(qPrintable("no error raised, expected " + AOperation));
}
} // namespace

class TestTriangles : public QObject {
    Q_OBJECT
private slots:
    void triangle_data();
    void triangle();
    void equilateral_data();
    void equilateral();
    void isoscelesFamily_data();
    void isoscelesFamily();
    void secondSolutions_data();
    void secondSolutions();
    void failureLeavesNoSecondSolution();
    void isoscelesTypes();
    void rejections_data();
    void rejections();
};

// ---- General triangle ---------------------------------------------------------------

void TestTriangles::triangle_data() {
    QTest::addColumn<Extended>("a");
    QTest::addColumn<Extended>("b");
    QTest::addColumn<Extended>("c");
    QTest::addColumn<int>("sideType");
    QTest::addColumn<int>("angleType");
    QTest::newRow("3 4 5") << 3.0L << 4.0L << 5.0L << int(tstScalene) << int(tatRight);
    QTest::newRow("5 3 4, right angle alpha")
        << 5.0L << 3.0L << 4.0L << int(tstScalene) << int(tatRight);
    QTest::newRow("4 5 6") << 4.0L << 5.0L << 6.0L << int(tstScalene) << int(tatAcute);
    QTest::newRow("2 2 3") << 2.0L << 2.0L << 3.0L << int(tstIsosceles) << int(tatObtuse);
    QTest::newRow("2 3 2") << 2.0L << 3.0L << 2.0L << int(tstIsosceles) << int(tatObtuse);
    QTest::newRow("2 2 2.5") << 2.0L << 2.0L << 2.5L << int(tstIsosceles) << int(tatAcute);
    QTest::newRow("2 2 3.9") << 2.0L << 2.0L << 3.9L << int(tstIsosceles) << int(tatObtuse);
    QTest::newRow("2 2 2") << 2.0L << 2.0L << 2.0L << int(tstEquilateral) << int(tatAcute);
    // Sides that differ beyond the fifteenth significant digit count as equal.
    QTest::newRow("2 2(1+1e-17) 3")
        << 2.0L << 2.00000000000000002L << 3.0L << int(tstIsosceles) << int(tatObtuse);
    QTest::newRow("1 1 sqrt2, right isosceles")
        << 1.0L << 1.0L << std::sqrt(2.0L) << int(tstIsosceles) << int(tatRight);
}

void TestTriangles::triangle() {
    QFETCH(Extended, a);
    QFETCH(Extended, b);
    QFETCH(Extended, c);
    QFETCH(int, sideType);
    QFETCH(int, angleType);
    const TTriangle Tr = TTriangle::Create(a, b, c);
    // Heron's formula, heights from the area, medians from the sides.
    const Extended s = (a + b + c) / 2;
    const Extended Area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    const std::vector<std::pair<Extended, Extended>> Pairs = {
        {Tr.SideA(), a},
        {Tr.SideB(), b},
        {Tr.SideC(), c},
        {Tr.AngleAlpha(), std::acos((b * b + c * c - a * a) / (2 * b * c))},
        {Tr.AngleBeta(), std::acos((a * a + c * c - b * b) / (2 * a * c))},
        {Tr.AngleGamma(), std::acos((a * a + b * b - c * c) / (2 * a * b))},
        {Tr.HeightA(), 2 * Area / a},
        {Tr.HeightB(), 2 * Area / b},
        {Tr.HeightC(), 2 * Area / c},
        {Tr.MedianA(), std::sqrt(2 * b * b + 2 * c * c - a * a) / 2},
        {Tr.MedianB(), std::sqrt(2 * a * a + 2 * c * c - b * b) / 2},
        {Tr.MedianC(), std::sqrt(2 * a * a + 2 * b * b - c * c) / 2},
        {Tr.Area(), Area},
        {Tr.Circumference(), a + b + c},
    };
    for (std::size_t I = 0; I < Pairs.size(); ++I) {
        QVERIFY2(Near(Pairs[I].first, Pairs[I].second),
                 qPrintable(QString("quantity %1: %2, expected %3")
                                .arg(I)
                                .arg(Text(Pairs[I].first), Text(Pairs[I].second))));
    }
    QCOMPARE(Tr.SideA(), a);
    QCOMPARE(int(Tr.SideType()), sideType);
    QCOMPARE(int(Tr.AngleType()), angleType);
}

// ---- Equilateral triangle --------------------------------------------------------------

void TestTriangles::equilateral_data() {
    QTest::addColumn<std::function<TEquilateralTriangle()>>("build");
    QTest::addColumn<int>("given"); // index of the given quantity, kept exactly
    // Side 2: height sqrt3, area sqrt3, circumference 6.
    QTest::newRow("side") << std::function([] { return TEquilateralTriangle::Create_Side(2); })
                          << 0;
    QTest::newRow("height") << std::function([] {
        return TEquilateralTriangleFamily::Create_HeightOrMedian(Sqrt3);
    }) << 1;
    QTest::newRow("area") << std::function([] {
        return TEquilateralTriangleFamily::Create_Area(Sqrt3);
    }) << 2;
    QTest::newRow("circumference")
        << std::function([] { return TEquilateralTriangleFamily::Create_Circumference(6); }) << 3;
}

void TestTriangles::equilateral() {
    QFETCH(std::function<TEquilateralTriangle()>, build);
    QFETCH(int, given);
    const TEquilateralTriangle Tr = build();
    const Extended Actual[] = {Tr.Side(), Tr.HeightOrMedian(), Tr.Area(), Tr.Circumference()};
    const Extended Expected[] = {2, Sqrt3, Sqrt3, 6};
    for (int I = 0; I < 4; ++I) {
        if (I == given) {
            QCOMPARE(Actual[I], Expected[I]);
        } else {
            QVERIFY2(Near(Actual[I], Expected[I]), qPrintable(Text(Actual[I])));
        }
    }
}

// ---- Isosceles family -----------------------------------------------------------------

void TestTriangles::isoscelesFamily_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<Extended>("base");
    QTest::addColumn<Extended>("leg");
    // Acute, obtuse and narrow triangles; each member gets two of their quantities.
    // Sides that give no round quantities, so that a quantity recomputed
    // instead of kept would show.
    const struct {
        const char* Name;
        Extended Base;
        Extended Leg;
    } Known[] = {{"acute 1.3 1.1", 1.3L, 1.1L},
                 {"obtuse 1.9 1.1", 1.9L, 1.1L},
                 {"narrow 0.3 1.7", 0.3L, 1.7L}};
    for (const auto& K : Known) {
        for (const TMember& Member : Members()) {
            QTest::addRow("%s, %s", Member.Name, K.Name) << QString(Member.Name) << K.Base << K.Leg;
        }
    }
}

void TestTriangles::isoscelesFamily() {
    QFETCH(QString, member);
    QFETCH(Extended, base);
    QFETCH(Extended, leg);
    const TMember& Member = MemberNamed(member);
    const TQuantities Known = QuantitiesFromSides(base, leg);
    const Extended x = Known[Member.First];
    const Extended y = Known[Member.Second];

    TSecond Second;
    const T First = Member.Build(x, y, Second);
    // The given quantities are kept exactly as supplied.
    QCOMPARE(QuantitiesOf(First)[Member.First], x);
    QCOMPARE(QuantitiesOf(First)[Member.Second], y);
    VerifyConsistent(First, "first");
    bool KnownFound = Near(First.Base(), base) && Near(First.Leg(), leg);
    if (Second) {
        VerifyConsistent(*Second, "second");
        QVERIFY(Near(QuantitiesOf(*Second)[Member.First], x));
        QVERIFY(Near(QuantitiesOf(*Second)[Member.Second], y));
        QVERIFY(!Near(Second->Base(), First.Base()) || !Near(Second->Leg(), First.Leg()));
        KnownFound = KnownFound || (Near(Second->Base(), base) && Near(Second->Leg(), leg));
    }
    QVERIFY2(KnownFound, "neither solution is the triangle the quantities came from");
}

void TestTriangles::secondSolutions_data() {
    QTest::addColumn<std::function<T(TSecond&)>>("build");
    QTest::addColumn<bool>("hasSecond");
    QTest::addColumn<Extended>("firstVertexAngle"); // 0: not checked
    QTest::addColumn<Extended>("secondVertexAngle");
    using F = std::function<T(TSecond&)>;
    QTest::newRow("leg, height on leg")
        << F([](TSecond& S) { return Family::Create_Leg_HeightOnLeg(2, 1, S); }) << true << Pi / 6
        << 5 * Pi / 6;
    QTest::newRow("leg, area") << F([](TSecond& S) { return Family::Create_Leg_Area(2, 1, S); })
                               << true << Pi / 6 << 5 * Pi / 6;
    QTest::newRow("height on leg, area")
        << F([](TSecond& S) { return Family::Create_HeightOnLeg_Area(1, 1, S); }) << true << Pi / 6
        << 5 * Pi / 6;
    // A zero discriminant: one triangle.
    QTest::newRow("height on leg = median on leg")
        << F([](TSecond& S) { return Family::Create_HeightOnLeg_MedianOnLeg(1, 1, S); }) << false
        << Pi / 3 << 0.0L;
    QTest::newRow("height on leg, median on leg")
        << F([](TSecond& S) { return Family::Create_HeightOnLeg_MedianOnLeg(4.8L, 6, S); }) << true
        << 0.0L << 0.0L;
    QTest::newRow("height on leg, circumference")
        << F([](TSecond& S) { return Family::Create_HeightOnLeg_Circumference(4.8L, 16, S); })
        << true << 0.0L << 0.0L;
    // Median = sqrt(1.5 area): a double root.
    QTest::newRow("median on leg, area, one")
        << F([](TSecond& S) { return Family::Create_MedianOnLeg_Area(3, 6, S); }) << false << 0.0L
        << 0.0L;
    QTest::newRow("median on leg, area, two")
        << F([](TSecond& S) { return Family::Create_MedianOnLeg_Area(5, 12, S); }) << true << 0.0L
        << 0.0L;
    // The second leg is below half the perimeter only for medians below P/4.
    QTest::newRow("median on leg, circumference, two")
        << F([](TSecond& S) { return Family::Create_MedianOnLeg_Circumference(2.9L, 12, S); })
        << true << 0.0L << 0.0L;
    QTest::newRow("median on leg, circumference, one")
        << F([](TSecond& S) { return Family::Create_MedianOnLeg_Circumference(3.5L, 12, S); })
        << false << 0.0L << 0.0L;
    QTest::newRow("area, circumference")
        << F([](TSecond& S) { return Family::Create_Area_Circumference(12, 16, S); }) << true
        << 0.0L << 0.0L;
}

void TestTriangles::secondSolutions() {
    QFETCH(std::function<T(TSecond&)>, build);
    QFETCH(bool, hasSecond);
    QFETCH(Extended, firstVertexAngle);
    QFETCH(Extended, secondVertexAngle);
    TSecond Second;
    const T First = build(Second);
    VerifyConsistent(First, "first");
    QCOMPARE(Second.has_value(), hasSecond);
    if (firstVertexAngle != 0) {
        QVERIFY2(Near(First.VertexAngle(), firstVertexAngle),
                 qPrintable(Text(First.VertexAngle())));
    }
    if (Second) {
        VerifyConsistent(*Second, "second");
        if (secondVertexAngle != 0) {
            QVERIFY2(Near(Second->VertexAngle(), secondVertexAngle),
                     qPrintable(Text(Second->VertexAngle())));
        }
    }
}

void TestTriangles::failureLeavesNoSecondSolution() {
    TSecond Second = T::Create(1, 1);
    QVERIFY_THROWS_EXCEPTION(EInvalidInputPlaneFigures,
                             Family::Create_Leg_HeightOnLeg(2, 2, Second));
    QVERIFY(!Second.has_value());
}

void TestTriangles::isoscelesTypes() {
    // Equilateral in shape, still reported isosceles.
    const T Tr = T::Create(2, 2);
    QCOMPARE(Tr.SideType(), tstIsosceles);
    QCOMPARE(Tr.AngleType(), tatAcute);
    QCOMPARE(T::Create(8, 5).AngleType(), tatObtuse);
    QCOMPARE(T::Create_Base_VertexAngle(2, Constants::HalfPi).AngleType(), tatRight);
}

// ---- Rejections ---------------------------------------------------------------------------

void TestTriangles::rejections_data() {
    QTest::addColumn<std::function<void()>>("call");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("operation");
    auto Row = [](const char* AName, std::function<void()> ACall, const char* AOperation) {
        QString Operation(AOperation);
        if (!Operation.startsWith('T')) {
            Operation = "TIsoscelesTriangle." + Operation;
        }
        QTest::newRow(AName) << std::move(ACall) << QString("PlaneFigures") << Operation;
    };
    auto MathRow = [](const char* AName, std::function<void()> ACall, const char* AOperation) {
        QTest::newRow(AName) << std::move(ACall) << QString("MathFunctions") << QString(AOperation);
    };
    // Rows run after this function has returned: each call owns its second solution.
    const Extended Half = Constants::HalfPi;

    // General and equilateral triangles.
    Row(
        "triangle 1 2 3", [] { TTriangle::Create(1, 2, 3); }, "TCustomTriangle.Create");
    Row(
        "triangle a = 0", [] { TTriangle::Create(0, 1, 1); }, "TCustomTriangle.Create");
    Row(
        "triangle b < 0", [] { TTriangle::Create(1, -1, 1); }, "TCustomTriangle.Create");
    Row(
        "triangle c = 0", [] { TTriangle::Create(1, 1, 0); }, "TCustomTriangle.Create");
    Row(
        "triangle a too long", [] { TTriangle::Create(5, 1, 1); }, "TCustomTriangle.Create");
    Row(
        "triangle b too long", [] { TTriangle::Create(1, 5, 1); }, "TCustomTriangle.Create");
    Row(
        "triangle NaN", [] { TTriangle::Create(NaN, 1, 1); }, "TCustomTriangle.Create");
    Row(
        "triangle area overflows", [] { TTriangle::Create(Huge, Huge, Huge); },
        "TCustomTriangle.Create");
    Row(
        "equilateral side 0", [] { TEquilateralTriangle::Create_Side(0); },
        "TCustomTriangle.Create");
    Row(
        "equilateral area < 0", [] { TEquilateralTriangleFamily::Create_Area(-1); },
        "TCustomTriangle.Create");
    Row(
        "equilateral height < 0", [] { TEquilateralTriangleFamily::Create_HeightOrMedian(-1); },
        "TCustomTriangle.Create");
    Row(
        "equilateral area overflows", [] { TEquilateralTriangle::Create_Side(Huge); },
        "TEquilateralTriangle.Create_Side");

    // The own checks of the isosceles members, each condition in turn.
    Row(
        "create base 0", [] { T::Create(0, 1); }, "Create");
    Row(
        "create leg 0", [] { T::Create(1, 0); }, "Create");
    Row(
        "create base = 2 leg", [] { T::Create(2, 1); }, "Create");
    Row(
        "create overflows", [] { T::Create(Huge, Huge); }, "Create");
    Row(
        "base angle, base 0", [] { Family::Create_Base_BaseAngle(0, 1); }, "Create_Base_BaseAngle");
    Row(
        "base angle 0", [] { Family::Create_Base_BaseAngle(1, 0); }, "Create_Base_BaseAngle");
    Row(
        "base angle pi/2", [=] { Family::Create_Base_BaseAngle(1, Half); },
        "Create_Base_BaseAngle");
    Row(
        "vertex angle, base 0", [] { T::Create_Base_VertexAngle(0, 1); },
        "Create_Base_VertexAngle");
    Row(
        "vertex angle 0", [] { T::Create_Base_VertexAngle(1, 0); }, "Create_Base_VertexAngle");
    Row(
        "vertex angle pi", [] { T::Create_Base_VertexAngle(1, Pi); }, "Create_Base_VertexAngle");
    Row(
        "base, height 0", [] { T::Create_Base_HeightOrMedianOnBase(1, 0); },
        "Create_Base_HeightOrMedianOnBase");
    Row(
        "base 0, height", [] { T::Create_Base_HeightOrMedianOnBase(0, 1); },
        "Create_Base_HeightOrMedianOnBase");
    Row(
        "base, height on leg 0", [] { Family::Create_Base_HeightOnLeg(1, 0); },
        "Create_Base_HeightOnLeg");
    Row(
        "base 0, height on leg", [] { Family::Create_Base_HeightOnLeg(0, 1); },
        "Create_Base_HeightOnLeg");
    Row(
        "base = height on leg", [] { Family::Create_Base_HeightOnLeg(2, 2); },
        "Create_Base_HeightOnLeg");
    Row(
        "base 0, median on leg", [] { Family::Create_Base_MedianOnLeg(0, 1); },
        "Create_Base_MedianOnLeg");
    Row(
        "base, median on leg 0", [] { Family::Create_Base_MedianOnLeg(1, 0); },
        "Create_Base_MedianOnLeg");
    Row(
        "median on leg = 0.75 base", [] { Family::Create_Base_MedianOnLeg(4, 3); },
        "Create_Base_MedianOnLeg");
    Row(
        "base 0, area", [] { Family::Create_Base_Area(0, 1); }, "Create_Base_Area");
    Row(
        "base, area 0", [] { Family::Create_Base_Area(1, 0); }, "Create_Base_Area");
    Row(
        "base, area overflows", [] { Family::Create_Base_Area(1e-3000L, Huge); },
        "Create_Base_Area");
    Row(
        "base 0, circumference", [] { Family::Create_Base_Circumference(0, 1); },
        "Create_Base_Circumference");
    Row(
        "base, circumference 0", [] { Family::Create_Base_Circumference(1, 0); },
        "Create_Base_Circumference");
    Row(
        "circumference = 2 base", [] { Family::Create_Base_Circumference(1, 2); },
        "Create_Base_Circumference");
    Row(
        "leg 0, base angle", [] { Family::Create_Leg_BaseAngle(0, 1); }, "Create_Leg_BaseAngle");
    Row(
        "leg, base angle 0", [] { Family::Create_Leg_BaseAngle(1, 0); }, "Create_Leg_BaseAngle");
    Row(
        "leg, base angle pi/2", [=] { Family::Create_Leg_BaseAngle(1, Half); },
        "Create_Leg_BaseAngle");
    Row(
        "leg 0, vertex angle", [] { Family::Create_Leg_VertexAngle(0, 1); },
        "Create_Leg_VertexAngle");
    Row(
        "leg, vertex angle 0", [] { Family::Create_Leg_VertexAngle(1, 0); },
        "Create_Leg_VertexAngle");
    Row(
        "leg, vertex angle pi", [] { Family::Create_Leg_VertexAngle(1, Pi); },
        "Create_Leg_VertexAngle");
    Row(
        "leg 0, height", [] { Family::Create_Leg_HeightOrMedianOnBase(0, 1); },
        "Create_Leg_HeightOrMedianOnBase");
    Row(
        "leg, height 0", [] { Family::Create_Leg_HeightOrMedianOnBase(1, 0); },
        "Create_Leg_HeightOrMedianOnBase");
    Row(
        "leg = height", [] { Family::Create_Leg_HeightOrMedianOnBase(1, 1); },
        "Create_Leg_HeightOrMedianOnBase");
    Row(
        "leg 0, height on leg",
        [] {
            TSecond S;
            Family::Create_Leg_HeightOnLeg(0, 1, S);
        },
        "Create_Leg_HeightOnLeg");
    Row(
        "leg, height on leg 0",
        [] {
            TSecond S;
            Family::Create_Leg_HeightOnLeg(1, 0, S);
        },
        "Create_Leg_HeightOnLeg");
    Row(
        "leg = height on leg",
        [] {
            TSecond S;
            Family::Create_Leg_HeightOnLeg(2, 2, S);
        },
        "Create_Leg_HeightOnLeg");
    Row(
        "height = 2 height on leg", [] { Family::Create_HeightOrMedianOnBase_HeightOnLeg(1, 2); },
        "Create_HeightOrMedianOnBase_HeightOnLeg");
    Row(
        "height 0, median on leg", [] { Family::Create_HeightOrMedianOnBase_MedianOnLeg(0, 1); },
        "Create_HeightOrMedianOnBase_MedianOnLeg");
    Row(
        "height, median on leg 0", [] { Family::Create_HeightOrMedianOnBase_MedianOnLeg(1, 0); },
        "Create_HeightOrMedianOnBase_MedianOnLeg");
    Row(
        "median on leg = height / 2", [] { Family::Create_HeightOrMedianOnBase_MedianOnLeg(2, 1); },
        "Create_HeightOrMedianOnBase_MedianOnLeg");
    Row(
        "height on leg > median on leg",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_MedianOnLeg(2, 1, S);
        },
        "Create_HeightOnLeg_MedianOnLeg");
    Row(
        "median on leg < sqrt(1.5 area)",
        [] {
            TSecond S;
            Family::Create_MedianOnLeg_Area(2.9L, 6, S);
        },
        "Create_MedianOnLeg_Area");
    Row(
        "median on leg < sqrt2 P / 6",
        [] {
            TSecond S;
            Family::Create_MedianOnLeg_Circumference(2.8L, 12, S);
        },
        "Create_MedianOnLeg_Circumference");

    // Members without checks of their own report the member that rejects.
    Row(
        "leg, circumference = 2 leg", [] { Family::Create_Leg_Circumference(2, 4); }, "Create");
    MathRow(
        "leg, median on leg too long", [] { Family::Create_Leg_MedianOnLeg(1, 5); },
        "LawOfCosines_Angle");
    Row(
        "leg < 0, area",
        [] {
            TSecond S;
            Family::Create_Leg_Area(-1, 1, S);
        },
        "Create_Leg_HeightOnLeg");
    Row(
        "leg, area too large",
        [] {
            TSecond S;
            Family::Create_Leg_Area(1, 1, S);
        },
        "Create_Leg_HeightOnLeg");
    Row(
        "base angle 0, height", [] { Family::Create_BaseAngle_HeightOrMedianOnBase(0, 1); },
        "Create_Leg_BaseAngle");
    Row(
        "base angle, area < 0", [] { Family::Create_BaseAngle_Area(0.5L, -1); },
        "Create_Base_BaseAngle");
    Row(
        "base angle pi/2, circumference", [=] { Family::Create_BaseAngle_Circumference(Half, 1); },
        "Create_Base_BaseAngle");
    Row(
        "vertex angle 0, area", [] { Family::Create_VertexAngle_Area(0, 1); },
        "Create_Base_BaseAngle");
    Row(
        "vertex angle, height on leg 0", [] { Family::Create_VertexAngle_HeightOnLeg(1, 0); },
        "Create_Base_BaseAngle");
    Row(
        "height, circumference < 0",
        [] { Family::Create_HeightOrMedianOnBase_Circumference(1, -5); },
        "Create_Base_Circumference");
    Row(
        "height 0, area", [] { Family::Create_HeightOrMedianOnBase_Area(0, 1); },
        "Create_Base_HeightOrMedianOnBase");
    Row(
        "height on leg 0, area",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_Area(0, 1, S);
        },
        "Create_Leg_HeightOnLeg");
    // A negative height on a leg passes the one check; the triangle would keep it.
    Row(
        "height, height on leg < 0", [] { Family::Create_HeightOrMedianOnBase_HeightOnLeg(1, -1); },
        "Create_HeightOrMedianOnBase_HeightOnLeg");
    // No three real roots: no triangle with these quantities.
    Row(
        "height on leg, circumference, none",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_Circumference(10, 3, S);
        },
        "Create_HeightOnLeg_Circumference");
    Row(
        "area, circumference, none",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(1, 3, S);
        },
        "Create_Area_Circumference");
    // The equilateral triangle is a double root.
    Row(
        "area, circumference, equilateral",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(Sqrt3 / 4, 3, S);
        },
        "Create_Area_Circumference");
    Row(
        "area < 0, circumference",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(-1, 3, S);
        },
        "Create_Area_Circumference");
    // Zero or negative quantities fail before any equation is solved with them.
    Row(
        "leg 0, median on leg", [] { Family::Create_Leg_MedianOnLeg(0, 1); },
        "Create_Leg_MedianOnLeg");
    Row(
        "leg, median on leg < 0", [] { Family::Create_Leg_MedianOnLeg(1, -1); },
        "Create_Leg_MedianOnLeg");
    Row(
        "height on leg 0 = median on leg",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_MedianOnLeg(0, 0, S);
        },
        "Create_HeightOnLeg_MedianOnLeg");
    Row(
        "height on leg, circumference 0",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_Circumference(1, 0, S);
        },
        "Create_HeightOnLeg_Circumference");
    Row(
        "median on leg, area 0",
        [] {
            TSecond S;
            Family::Create_MedianOnLeg_Area(1, 0, S);
        },
        "Create_MedianOnLeg_Area");
    Row(
        "area 0, circumference",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(0, 3, S);
        },
        "Create_Area_Circumference");
    Row(
        "area, circumference 0",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(1, 0, S);
        },
        "Create_Area_Circumference");
    // Quantities that enter only squared would build a triangle keeping a negative value.
    Row(
        "area < 0, circumference, three roots",
        [] {
            TSecond S;
            Family::Create_Area_Circumference(-12, 16, S);
        },
        "Create_Area_Circumference");
    Row(
        "height on leg < 0, circumference",
        [] {
            TSecond S;
            Family::Create_HeightOnLeg_Circumference(-4.8L, 16, S);
        },
        "Create_HeightOnLeg_Circumference");
    Row(
        "median on leg, area < 0",
        [] {
            TSecond S;
            Family::Create_MedianOnLeg_Area(5, -12, S);
        },
        "Create_MedianOnLeg_Area");
}

void TestTriangles::rejections() {
    QFETCH(std::function<void()>, call);
    QFETCH(QString, unit);
    QFETCH(QString, operation);
    ExpectRejected(call, unit, operation);
}

QTEST_APPLESS_MAIN(TestTriangles)
#include "tst_Triangles.moc"
