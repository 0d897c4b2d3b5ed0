// The two number types besides Extended: TBounded, which must compute the
// 80-bit values bit for bit and bound their distance from the exact values,
// and TInterval, which must enclose the exact values and know the rational
// ones exactly. Bounds and enclosures against 50-digit values of the same
// expressions written here.
#include "BoundedFigures.h"
#include "ExactFigures.h"
#include "GeometryTestSupport.h"

#include <QtTest>
#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cstring>
#include <random>

namespace {
using namespace GeometryTest;

using Real = boost::multiprecision::cpp_bin_float_50;

TDecimalNumber D(const char* AText) {
    return *TDecimalNumber::Parse(AText);
}

bool SameBits(Extended ALeft, Extended ARight) {
    return std::memcmp(&ALeft, &ARight, 10) == 0;
}

// Whether the exact value lies within the bound of the computed one.
bool Holds(const TBounded& AValue, const Real& AExact) {
    return abs(Real(AValue.Value()) - AExact) <= Real(AValue.Error());
}

// Whether the interval holds the exact value: its decimal ends around it.
bool Encloses(const TInterval& AValue, const Real& AExact) {
    TDecimalNumber Low;
    TDecimalNumber High;
    DecimalBounds(AValue, 60, Low, High);
    return Real(Low.Text()) <= AExact && AExact <= Real(High.Text());
}

// A random typed decimal of 1 to 18 digits between 10^-3 and 10^3.
std::string RandomDecimal(std::mt19937_64& ARandom) {
    std::string Digits = std::to_string(1 + ARandom() % 9);
    const int Count = 1 + int(ARandom() % 18);
    for (int I = 1; I < Count; ++I) {
        Digits += char('0' + ARandom() % 10);
    }
    return Digits + "e" + std::to_string(int(ARandom() % 7) - 3 - (Count - 1));
}

} // namespace

class TestNumberTypes : public QObject {
    Q_OBJECT
private slots:
    void boundsHoldThroughArithmetic();
    void comparisonsDecideOrRefuse();
    void typedNumbersCompareExactly();
    void solidsComputeTheProgramsBits();
    void intervalsEncloseAndKnowRationals();
    void precisionIsScoped();
};

// Random chains of the operations of the formulas, from typed decimals: every
// bound holds the exact value of the same chain.
void TestNumberTypes::boundsHoldThroughArithmetic() {
    std::mt19937_64 Random(1234);
    for (int I = 0; I < 3000; ++I) {
        const std::string TextA = RandomDecimal(Random), TextB = RandomDecimal(Random);
        const TDecimalNumber A = D(TextA.c_str()), B = D(TextB.c_str());
        const TBounded a = TBounded::FromDecimal(A), b = TBounded::FromDecimal(B);
        const Real x(TextA), y(TextB);
        QVERIFY(Holds(a, x));
        const std::pair<TBounded, Real> Cases[] = {
            {a + b, x + y},
            {a - b, x - y},
            {a * b, x * y},
            {a / b, x / y},
            {Sqrt(a), sqrt(x)},
            {Sin(a), sin(x)},
            {Cos(b), cos(y)},
            {Atan2(a, b), atan2(x, y)},
            {Hypot(a, b), sqrt(x * x + y * y)},
            // Cancellation: the difference of two close values, then scaled up.
            {(a * b - b * a + a) / (a - a * 0.999999L), x / (x - x * Real(0.999999L))},
            {Sqrt(a * a + b * b) - Hypot(b, a), Real(0)},
            {a * Figures::Pi<TBounded>() / 3, x * boost::math::constants::pi<Real>() / 3},
        };
        for (const auto& [Bounded, Exact] : Cases) {
            QVERIFY2(
                !std::isfinite(Bounded.Error()) || Holds(Bounded, Exact),
                qPrintable(QString("%1, %2: %3 +- %4, exact %5")
                               .arg(QString::fromStdString(TextA), QString::fromStdString(TextB),
                                    Text(Bounded.Value()), Text(Bounded.Error()),
                                    QString::fromStdString(Exact.str(25)))));
        }
    }
}

void TestNumberTypes::comparisonsDecideOrRefuse() {
    const TBounded One(1);
    const TBounded NearOne(1 + 1e-18L, 1e-17L);
    QVERIFY(One < TBounded(2));
    QVERIFY(One == TBounded(1)); // exact values decide even when equal
    QVERIFY_THROWS_EXCEPTION(EUndecided, (void)(One < NearOne));
    QVERIFY_THROWS_EXCEPTION(EUndecided, (void)(NearOne == One));
    QVERIFY(TBounded(1, 1e-19L) < TBounded(1.001L, 1e-19L));
    // A bound that grew out of hand decides nothing.
    const TBounded Lost = One / TBounded(1e-30L, 1e-29L);
    QVERIFY(std::isinf(Lost.Error()));
    QVERIFY_THROWS_EXCEPTION(EUndecided, (void)(Lost < 1));

    const TWorkingPrecision Precision(128);
    const TInterval Third = TInterval(1) / TInterval(3);
    QVERIFY(Third < TInterval(0.3334L));
    QVERIFY(Third == TInterval(2) / TInterval(6)); // rationals, exactly
    QVERIFY(!(Third < TInterval(2) / TInterval(6)));
    QVERIFY(Third <= TInterval(2) / TInterval(6));
    const TInterval Root = Sqrt(TInterval(2));
    QVERIFY_THROWS_EXCEPTION(EUndecided, (void)(Root * Root == TInterval(2)));
    QVERIFY(Sqrt(TInterval(2.25L)) == TInterval(1.5L)); // a square's root is exact
}

// Typed numbers compare as typed, also where their 80-bit images do not tell
// them apart; where the images would decide otherwise, neither type decides.
void TestNumberTypes::typedNumbersCompareExactly() {
    const TDecimalNumber Three = D("0.3"), AlsoThree = D("0.30"),
                         NearThree = D("0.3000000000000000000001");
    QVERIFY(TBounded::FromDecimal(Three) == TBounded::FromDecimal(AlsoThree));
    QVERIFY(!(TBounded::FromDecimal(Three) < TBounded::FromDecimal(AlsoThree)));
    QVERIFY_THROWS_EXCEPTION(
        EUndecided, (void)(TBounded::FromDecimal(Three) == TBounded::FromDecimal(NearThree)));
    const TWorkingPrecision Precision(128);
    QVERIFY(TInterval::FromDecimal(Three) == TInterval::FromDecimal(AlsoThree));
    QVERIFY(TInterval::FromDecimal(Three) < TInterval::FromDecimal(NearThree));
    // The sums of the triangle's checks: 0.1 + 0.2 is 0.3, not more.
    QVERIFY(!SumExceeds({TInterval::FromDecimal(D("0.1")), TInterval::FromDecimal(D("0.2"))},
                        TInterval::FromDecimal(Three)));
    QVERIFY(SumExceeds({TInterval::FromDecimal(D("0.1")), TInterval::FromDecimal(D("0.2"))},
                       TInterval::FromDecimal(D("0.2999999999999999999999999"))));
}

// Every solid in TBounded computes the Extended values, bit for bit, or
// refuses as Extended does, or does not decide.
void TestNumberTypes::solidsComputeTheProgramsBits() {
    std::mt19937_64 Random(99);
    std::uniform_real_distribution<double> Mantissa(1, 10);
    std::uniform_int_distribution<int> Exponent(-6, 6);
    int Compared = 0;
    for (int I = 0; I < 2000; ++I) {
        Extended In[4];
        for (Extended& Value : In) {
            Value = Extended(Mantissa(Random)) * std::pow(10.0L, Extended(Exponent(Random)));
        }
        if (I % 3 == 0) {
            In[1] = In[0] * (1 + Extended(Random() % 1000) * 1e-17L); // nearly equal
        }
        const auto Bits = [&](auto ABuild) {
            std::vector<Extended> Program;
            bool ProgramRefuses = false;
            try {
                Program = ABuild(std::vector<Extended>(std::begin(In), std::end(In)));
            } catch (const EInvalidInput&) {
                ProgramRefuses = true;
            }
            std::vector<TBounded> BoundedIn;
            for (const Extended Value : In) {
                BoundedIn.push_back(TBounded(Value, Value * 0x1p-70L));
            }
            try {
                const std::vector<TBounded> Bounded = ABuild(BoundedIn);
                QVERIFY(!ProgramRefuses);
                for (std::size_t Q = 0; Q < Program.size(); ++Q) {
                    QVERIFY2(SameBits(Program[Q], Bounded[Q].Value()),
                             qPrintable(QString("%1 against %2")
                                            .arg(Text(Program[Q]), Text(Bounded[Q].Value()))));
                }
                ++Compared;
            } catch (const EInvalidInput&) {
                QVERIFY(ProgramRefuses);
            } catch (const EUndecided&) {
            }
        };
#define QUANTITIES(BUILD, ...)                                                                     \
    [&](const auto& In) {                                                                          \
        using T = std::decay_t<decltype(In[0])>;                                                   \
        const auto F = BUILD;                                                                      \
        return std::vector<T>{F.Volume(), F.Area(), __VA_ARGS__};                                  \
    }
        Bits(QUANTITIES(Figures::TCube<T>::Create(In[0]), F.DiagonalOfSolid()));
        Bits(QUANTITIES(Figures::TBlock<T>::Create(In[0], In[1], In[2]), F.DiagonalOfSolid()));
        Bits(QUANTITIES(Figures::TSphere<T>::Create(In[0]), F.Diameter()));
        Bits(QUANTITIES(Figures::TCone<T>::Create(In[0], In[1]), F.SlantHeight()));
        Bits(QUANTITIES(Figures::TCylinder<T>::Create(In[0], In[1]), F.Base().Area()));
        Bits(QUANTITIES(Figures::TPyramid_Tetrahedron<T>::Create(In[0]), F.Height()));
        Bits(QUANTITIES(Figures::TPyramid_Rectangle<T>::Create(In[0], In[1], In[2]),
                        F.LateralSurface().FaceA.HeightOrMedianOnBase()));
        Bits(QUANTITIES(Figures::TPyramid_NAngle<T>::Create(7, In[0], In[1]), F.Base().Area()));
        Bits(QUANTITIES(Figures::TPrism_Triangle<T>::Create(In[0], In[1], In[2], In[3]),
                        F.Base().Area()));
        Bits(QUANTITIES(Figures::TPrism_NAngle<T>::Create(1000003, In[0], In[1]), F.Base().Area()));
        Bits(QUANTITIES(Figures::TPrism_CircularRing<T>::Create(In[0], In[1], In[2]),
                        F.Base().Area()));
        Bits(QUANTITIES(Figures::TTruncatedCone<T>::Create(In[0], In[1], In[2]), F.SlantHeight()));
        Bits(QUANTITIES(
            Figures::TTruncatedPyramid_Rectangle<T>::Create(In[0], In[1], In[2], In[3], In[1]),
            F.LateralSurface().Area));
        Bits(QUANTITIES(Figures::TTruncatedPyramid_NAngle<T>::Create(5, In[0], In[1], In[2]),
                        F.LateralSurface().Area));
        Bits(QUANTITIES(Figures::TCylindricalTank<T>::Create(In[0], In[1], In[2]),
                        F.PercentageFilling()));
        Bits(
            QUANTITIES(Figures::TSphericalSegment<T>::Create(In[0], In[1]), F.PercentageFilling()));
        Bits(QUANTITIES(Figures::TSphericalSegment<T>::Create_RadiusOfSphere_Height(In[0], In[1]),
                        F.PercentageFilling()));
        Bits(QUANTITIES(Figures::TSphericalSector<T>::Create(In[0], In[1]), F.PercentageFilling()));
        Bits(QUANTITIES(Figures::TSphericalFrustum<T>::Create(In[0], In[1], In[2]),
                        F.ParentSphere().Radius()));
#undef QUANTITIES
    }
    QVERIFY(Compared > 25000);
}

void TestNumberTypes::intervalsEncloseAndKnowRationals() {
    const TWorkingPrecision Precision(128);
    const Real Pi = boost::math::constants::pi<Real>();
    QVERIFY(Encloses(Figures::Pi<TInterval>(), Pi));
    QVERIFY(Encloses(Figures::FourPiThirds<TInterval>(), 4 * Pi / 3));
    QVERIFY(Encloses(Figures::OneThird<TInterval>(), Real(1) / 3));
    const TInterval Tenth = TInterval::FromDecimal(D("0.1"));
    QVERIFY(Encloses(Tenth, Real("0.1")));
    QVERIFY(Encloses(Sin(Tenth) / Tenth, sin(Real("0.1")) / Real("0.1")));
    // The sphere through a segment of radius 0.3 and height 0.1: a rational radius.
    const TInterval Radius =
        (Tenth * Tenth + TInterval::FromDecimal(D("0.3")) * TInterval::FromDecimal(D("0.3"))) /
        (Tenth * 2);
    QVERIFY(Radius.Exact());
    QCOMPARE(*Radius.Exact(), mpq_class(1, 2));
    TDecimalNumber Low;
    TDecimalNumber High;
    DecimalBounds(Radius, 30, Low, High);
    QCOMPARE(Compare(Low, D("0.5")), 0);
    QCOMPARE(Compare(High, D("0.5")), 0);
    // A third: decimals close around it, never equal to it.
    DecimalBounds(Figures::OneThird<TInterval>(), 30, Low, High);
    QVERIFY(Compare(Low, High) < 0);
    QVERIFY(Real(Low.Text()) < Real(1) / 3 && Real(1) / 3 < Real(High.Text()));
}

void TestNumberTypes::precisionIsScoped() {
    QCOMPARE(TWorkingPrecision::Current(), mpfr_prec_t(128));
    {
        const TWorkingPrecision Outer(512);
        {
            const TWorkingPrecision Inner(1024);
            QCOMPARE(mpfi_get_prec(TInterval(1).Get()), mpfr_prec_t(1024));
        }
        QCOMPARE(mpfi_get_prec(TInterval(1).Get()), mpfr_prec_t(512));
    }
    QCOMPARE(TWorkingPrecision::Current(), mpfr_prec_t(128));
}

QTEST_APPLESS_MAIN(TestNumberTypes)
#include "tst_NumberTypes.moc"
