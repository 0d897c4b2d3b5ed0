#include "GeometryTestSupport.h"
#include "MathFunctions.h"

#include <QtTest>
#include <cstring>
#include <functional>
#include <limits>

namespace {
using namespace GeometryTest;

// The 80-bit image of a value: sign-and-exponent word and 64-bit mantissa.
struct Image {
    std::uint16_t exponent;
    std::uint64_t mantissa;
};
Image ImageOf(Extended x) {
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &x, 10);
    Image img{};
    std::memcpy(&img.mantissa, bytes, 8);
    std::memcpy(&img.exponent, bytes + 8, 2);
    return img;
}
// The value of an 80-bit image, any pattern the x87 knows (pseudo-denormals,
// unnormals, pseudo-infinities and pseudo-NaNs included).
Extended FromImage(std::uint16_t AExponent, std::uint64_t AMantissa) {
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &AMantissa, 8);
    std::memcpy(bytes + 8, &AExponent, 2);
    Extended x = 0;
    std::memcpy(&x, bytes, 10);
    return x;
}

// Installs a decimal separator for the lifetime of the guard.
char GSeparator = '.';
char TestSeparator() {
    return GSeparator;
}
class SeparatorGuard {
public:
    explicit SeparatorGuard(char ASeparator) {
        GSeparator = ASeparator;
        SetDecimalSeparatorProvider(&TestSeparator);
    }
    ~SeparatorGuard() { SetDecimalSeparatorProvider(nullptr); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

// Runs ACall and checks that it raises EInvalidInputMathFunctions naming AOperation.
void ExpectRejected(const std::function<void()>& ACall, const QString& AOperation) {
    try {
        ACall();
    } catch (const EInvalidInputMathFunctions& Error) {
        QCOMPARE(QString::fromStdString(Error.Operation()), AOperation);
        QCOMPARE(QString::fromUtf8(Error.what()),
                 "Invalid input in MathFunctions unit: \r\n\r\n" + AOperation);
        return;
    }
    QFAIL(qPrintable("no error raised, expected " + AOperation));
}

constexpr Extended Huge = 1e3000L; // squares and cubes of it overflow Extended
} // namespace

class TestMathFunctions : public QObject {
    Q_OBJECT
private slots:
    void constantsHaveTheirBits_data();
    void constantsHaveTheirBits();
    void roundToStr_data();
    void roundToStr();
    void roundToStrReadsTheSeparatorAtEachCall();
    void floatEqual_data();
    void floatEqual();
    void quadraticEquation_data();
    void quadraticEquation();
    void cubicEquation_data();
    void cubicEquation();
    void relations_data();
    void relations();
    void rejections_data();
    void rejections();
    void errorsLeaveOutParametersAlone();
    void overflowIsToldFromFailedChecks();
    void sumExceeds_data();
    void sumExceeds();
    void thinRelations_data();
    void thinRelations();
};

void TestMathFunctions::constantsHaveTheirBits_data() {
    QTest::addColumn<Extended>("value");
    QTest::addColumn<quint16>("exponent");
    QTest::addColumn<quint64>("mantissa");
    using namespace Constants;
    QTest::newRow("pi") << Pi << quint16(0x4000) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("2pi") << TwoPi << quint16(0x4001) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("4pi/3") << FourPiThirds << quint16(0x4001) << quint64(0x860A91C16B9B2C24ull);
    QTest::newRow("4pi") << FourPi << quint16(0x4002) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("pi/2") << HalfPi << quint16(0x3FFF) << quint64(0xC90FDAA22168C235ull);
    QTest::newRow("pi/6") << PiSixths << quint16(0x3FFE) << quint64(0x860A91C16B9B2C24ull);
    QTest::newRow("1/3") << OneThird << quint16(0x3FFD) << quint64(0xAAAAAAAAAAAAAAABull);
    // 1/3 is also what the compiler makes of the quotient.
    QTest::newRow("1.0L/3") << Extended(1.0L / 3) << quint16(0x3FFD)
                            << quint64(0xAAAAAAAAAAAAAAABull);
}

void TestMathFunctions::constantsHaveTheirBits() {
    QFETCH(Extended, value);
    QFETCH(quint16, exponent);
    QFETCH(quint64, mantissa);
    const Image img = ImageOf(value);
    QCOMPARE(img.exponent, exponent);
    QCOMPARE(img.mantissa, mantissa);
}

void TestMathFunctions::roundToStr_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("zeroPadding");
    QTest::addColumn<Extended>("value");
    QTest::addColumn<QString>("expected");
    auto Row = [](const char* AName, char ASep, int APrecision, bool APadding, Extended AValue,
                  const char* AExpected) {
        QTest::newRow(AName) << ASep << APrecision << APadding << AValue << QString(AExpected);
    };
    // Padded, as every display uses it.
    Row("0 p2", '.', 2, true, 0, "0.00");
    Row("-0 p2", '.', 2, true, -0.0L, "0.00");
    Row("2.5 p2", '.', 2, true, 2.5L, "2.50");
    Row("2.5 p0", '.', 0, true, 2.5L, "3");
    Row("-2.5 p0", '.', 0, true, -2.5L, "-3");
    Row("0.5 p0", '.', 0, true, 0.5L, "1");
    Row("7 p0", '.', 0, true, 7, "7");
    Row("1/3 p2", '.', 2, true, 1.0L / 3, "0.33");
    Row("2/3 p14", '.', 14, true, 2.0L / 3, "0.66666666666667");
    Row("0.125 p2 tie away", '.', 2, true, 0.125L, "0.13");
    Row("-0.125 p2 tie away", '.', 2, true, -0.125L, "-0.13");
    // Rounded from the 18-digit expansion 2.67500000000000000, not from the binary value.
    Row("2.675 p2", '.', 2, true, 2.675L, "2.68");
    Row("1E15 p3", '.', 3, true, 1e15L, "1.000E15");
    Row("0.00001234 p2", '.', 2, true, 0.00001234L, "1.23E-5");
    Row("0.0001 p2", '.', 2, true, 0.0001L, "0.00");
    Row("0.00015 p14", '.', 14, true, 0.00015L, "0.00015000000000");
    Row("1E-20 p14", '.', 14, true, 1e-20L, "1.00000000000000E-20");
    Row("-2.5E20 p1", '.', 1, true, -2.5e20L, "-2.5E20");
    Row("1.23456E-7 p3", '.', 3, true, 1.23456e-7L, "1.235E-7");
    Row("9.996E20 p2 not renormalised", '.', 2, true, 9.996e20L, "10.00E20");
    Row("12 digits .5 p14", '.', 14, true, 123456789012.5L, "123456789012.500");
    Row("-12 digits .5 p14", '.', 14, true, -123456789012.5L, "-123456789012.50");
    Row("15-digit integer p2", '.', 2, true, 123456789012345.0L, "123456789012345");
    Row("-14-digit integer p2", '.', 2, true, -12345678901234.0L, "-12345678901234");
    Row("13-digit integer p5", '.', 5, true, 1234567890123.0L, "1234567890123.00");
    // Fifteen digits round up to 1E15, which is written in scientific form.
    Row("999999999999999.5 p2", '.', 2, true, 999999999999999.5L, "1.00E15");
    Row("99999999999999.95 p2", '.', 2, true, 99999999999999.95L, "100000000000000");
    Row("12345.678 p0", '.', 0, true, 12345.678L, "12346");
    Row("-0.001 p2 rounds to unsigned zero", '.', 2, true, -0.001L, "0.00");
    // Unpadded.
    Row("2.5 p2 unpadded", '.', 2, false, 2.5L, "2.5");
    Row("2.999 p2 unpadded", '.', 2, false, 2.999L, "3");
    Row("30 p2 unpadded", '.', 2, false, 30, "30");
    Row("3.14159 p2 unpadded", '.', 2, false, 3.14159L, "3.14");
    Row("1E15 p3 unpadded", '.', 3, false, 1e15L, "1E15");
    Row("1.5E-5 p3 unpadded", '.', 3, false, 1.5e-5L, "1.5E-5");
    // The separator of the regional settings.
    Row("2.5 p2 comma", ',', 2, true, 2.5L, "2,50");
    Row("1E15 p3 comma", ',', 3, true, 1e15L, "1,000E15");
    Row("0.00001234 p2 comma", ',', 2, true, 0.00001234L, "1,23E-5");
    Row("-12 digits .5 p14 comma", ',', 14, true, -123456789012.5L, "-123456789012,50");
    Row("2.5 p2 unpadded comma", ',', 2, false, 2.5L, "2,5");
    Row("2.999 p2 unpadded comma", ',', 2, false, 2.999L, "3");
    // A zero exponent with the integer bit set (a pseudo-denormal) is read by the
    // x87 as exponent 1; the C library's text conversion would drop the integer bit.
    Row("pseudo-denormal p2", '.', 2, true, FromImage(0x0000, 0xC9C9C9C9C9C9C9C9ull), "5.30E-4932");
    Row("negative pseudo-denormal p14", '.', 14, true, FromImage(0x8000, 0xC9C9C9C9C9C9C9C9ull),
        "-5.3002567197297E-4932");
    Row("pseudo-denormal p9 unpadded", ',', 9, false, FromImage(0x0000, 0xC9C9C9C9C9C9C9C9ull),
        "5,30025672E-4932");
    Row("smallest pseudo-denormal above 2^-16382 p14", '.', 14, true,
        FromImage(0x0000, 0x8000000000000001ull), "3.36210314311209E-4932");
    Row("denormal p14", '.', 14, true, FromImage(0x0000, 0x0000000000000001ull),
        "3.64519953188247E-4951");
}

void TestMathFunctions::roundToStr() {
    QFETCH(char, separator);
    QFETCH(int, precision);
    QFETCH(bool, zeroPadding);
    QFETCH(Extended, value);
    QFETCH(QString, expected);
    SeparatorGuard Guard(separator);
    QCOMPARE(QString::fromStdString(RoundToStr(TPrecision(precision), zeroPadding, value)),
             expected);
}

void TestMathFunctions::roundToStrReadsTheSeparatorAtEachCall() {
    {
        SeparatorGuard Guard(',');
        QCOMPARE(QString::fromStdString(RoundToStr(1, true, 0.25L)), QString("0,3"));
        GSeparator = '.';
        QCOMPARE(QString::fromStdString(RoundToStr(1, true, 0.25L)), QString("0.3"));
    }
    // Without a provider the separator is a point.
    QCOMPARE(DecimalSeparator(), '.');
    QCOMPARE(QString::fromStdString(RoundToStr(1, true, 0.25L)), QString("0.3"));
}

void TestMathFunctions::floatEqual_data() {
    QTest::addColumn<std::vector<Extended>>("values");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one value") << std::vector<Extended>{42} << 14 << true;
    QTest::newRow("beyond 15 digits") << std::vector<Extended>{1, 1.000000000000001L} << 14 << true;
    QTest::newRow("0.1 + 0.2 = 0.3") << std::vector<Extended>{0.1L + 0.2L, 0.3L} << 14 << true;
    QTest::newRow("relative, not absolute") << std::vector<Extended>{1e-20L, 0} << 14 << false;
    QTest::newRow("14th decimal") << std::vector<Extended>{2, 2.00000000000001L} << 14 << false;
    QTest::newRow("equal at precision 2") << std::vector<Extended>{2, 2.001L} << 2 << true;
    QTest::newRow("third differs") << std::vector<Extended>{3, 3, 3.5L} << 14 << false;
    QTest::newRow("three equal") << std::vector<Extended>{5, 5, 5} << 14 << true;
    QTest::newRow("pseudo-denormal and its normal form")
        << std::vector<Extended>{FromImage(0x0000, 0xC9C9C9C9C9C9C9C9ull),
                                 FromImage(0x0001, 0xC9C9C9C9C9C9C9C9ull)}
        << 14 << true;
}

void TestMathFunctions::floatEqual() {
    QFETCH(std::vector<Extended>, values);
    QFETCH(int, precision);
    QFETCH(bool, expected);
    QCOMPARE(FloatEqual(values, TPrecision(precision)), expected);
}

void TestMathFunctions::quadraticEquation_data() {
    QTest::addColumn<Extended>("a");
    QTest::addColumn<Extended>("b");
    QTest::addColumn<Extended>("c");
    QTest::addColumn<int>("result");
    QTest::addColumn<Extended>("x1");
    QTest::addColumn<Extended>("x2");
    QTest::newRow("two roots") << Extended(1) << Extended(-3) << Extended(2) << 2 << Extended(2)
                               << Extended(1);
    QTest::newRow("double root") << Extended(1) << Extended(2) << Extended(1) << 1 << Extended(-1)
                                 << Extended(-1);
    QTest::newRow("complex") << Extended(1) << Extended(0) << Extended(1) << -1 << Extended(0)
                             << Extended(1);
    QTest::newRow("complex, negative a")
        << Extended(-2) << Extended(4) << Extended(-10) << -1 << Extended(1) << Extended(2);
    QTest::newRow("negative a: x1 smaller")
        << Extended(-1) << Extended(3) << Extended(-2) << 2 << Extended(1) << Extended(2);
}

void TestMathFunctions::quadraticEquation() {
    QFETCH(Extended, a);
    QFETCH(Extended, b);
    QFETCH(Extended, c);
    QFETCH(int, result);
    QFETCH(Extended, x1);
    QFETCH(Extended, x2);
    Extended X1 = 0;
    Extended X2 = 0;
    QCOMPARE(QuadraticEquation(a, b, c, X1, X2), result);
    QVERIFY(Near(X1, x1));
    QVERIFY(Near(X2, x2));
}

void TestMathFunctions::cubicEquation_data() {
    QTest::addColumn<Extended>("a");
    QTest::addColumn<Extended>("b");
    QTest::addColumn<Extended>("c");
    QTest::addColumn<Extended>("d");
    QTest::addColumn<int>("result");
    QTest::addColumn<Extended>("x1");
    QTest::addColumn<Extended>("x2");
    QTest::addColumn<Extended>("x3");
    QTest::newRow("three roots") << Extended(1) << Extended(-6) << Extended(11) << Extended(-6) << 3
                                 << Extended(3) << Extended(2) << Extended(1);
    QTest::newRow("three roots, scaled")
        << Extended(2) << Extended(-4) << Extended(-2) << Extended(4) << 3 << Extended(2)
        << Extended(1) << Extended(-1);
    QTest::newRow("single and double") << Extended(1) << Extended(0) << Extended(-3) << Extended(2)
                                       << 2 << Extended(-2) << Extended(1) << Extended(1);
    QTest::newRow("triple") << Extended(1) << Extended(-3) << Extended(3) << Extended(-1) << 1
                            << Extended(1) << Extended(1) << Extended(1);
    QTest::newRow("complex pair") << Extended(1) << Extended(0) << Extended(0) << Extended(-8) << -1
                                  << Extended(2) << Extended(-1) << std::sqrt(3.0L);
}

void TestMathFunctions::cubicEquation() {
    QFETCH(Extended, a);
    QFETCH(Extended, b);
    QFETCH(Extended, c);
    QFETCH(Extended, d);
    QFETCH(int, result);
    QFETCH(Extended, x1);
    QFETCH(Extended, x2);
    QFETCH(Extended, x3);
    Extended X1 = 0;
    Extended X2 = 0;
    Extended X3 = 0;
    QCOMPARE(CubicEquation(a, b, c, d, X1, X2, X3), result);
    QVERIFY2(Near(X1, x1), qPrintable(QString::number(double(X1), 'g', 17)));
    QVERIFY2(Near(X2, x2), qPrintable(QString::number(double(X2), 'g', 17)));
    QVERIFY2(Near(X3, x3), qPrintable(QString::number(double(X3), 'g', 17)));
}

void TestMathFunctions::relations_data() {
    QTest::addColumn<Extended>("actual");
    QTest::addColumn<Extended>("expected");
    using Constants::Pi;
    QTest::newRow("hypotenuse 3 4") << PythagoreanTheorem_Hypotenuse(3, 4) << Extended(5);
    QTest::newRow("leg 5 4") << PythagoreanTheorem_Leg1(5, 4) << Extended(3);
    QTest::newRow("side opposite right angle")
        << LawOfCosines_SideOppositeAngle(Constants::HalfPi, 3, 4) << Extended(5);
    QTest::newRow("side opposite pi/3")
        << LawOfCosines_SideOppositeAngle(Pi / 3, 2, 2) << Extended(2);
    QTest::newRow("angle of 3 4 5") << LawOfCosines_Angle(5, 3, 4) << Constants::HalfPi;
    QTest::newRow("angle obtuse") << LawOfCosines_Angle(std::sqrt(3.0L), 1, 1) << 2 * Pi / 3;
    QTest::newRow("cube") << Cube(-3) << Extended(-27);
    QTest::newRow("cube root of 8") << CubeRoot(8) << Extended(2);
    QTest::newRow("cube root of -8") << CubeRoot(-8) << Extended(-2);
    QTest::newRow("cube root of 0") << CubeRoot(0) << Extended(0);
}

void TestMathFunctions::relations() {
    QFETCH(Extended, actual);
    QFETCH(Extended, expected);
    QVERIFY2(Near(actual, expected), qPrintable(QString::number(double(actual), 'g', 17)));
}

void TestMathFunctions::rejections_data() {
    QTest::addColumn<std::function<void()>>("call");
    QTest::addColumn<QString>("operation");
    // Each row runs after this function has returned: the calls own their outputs and
    // capture values only.
    auto Row = [](const char* AName, std::function<void()> ACall, const char* AOperation) {
        QTest::newRow(AName) << std::move(ACall) << QString(AOperation);
    };
    const Extended Inf = std::numeric_limits<Extended>::infinity();
    Row(
        "hypotenuse, zero leg", [] { PythagoreanTheorem_Hypotenuse(0, 1); },
        "PythagoreanTheorem_Hypotenuse");
    Row(
        "hypotenuse, negative leg", [] { PythagoreanTheorem_Hypotenuse(1, -1); },
        "PythagoreanTheorem_Hypotenuse");
    Row(
        "hypotenuse overflows", [] { PythagoreanTheorem_Hypotenuse(LDBL_MAX, LDBL_MAX); },
        "PythagoreanTheorem_Hypotenuse");
    Row(
        "leg equal to hypotenuse", [] { PythagoreanTheorem_Leg1(2, 2); },
        "PythagoreanTheorem_Leg1");
    Row(
        "leg, zero hypotenuse", [] { PythagoreanTheorem_Leg1(0, 1); }, "PythagoreanTheorem_Leg1");
    Row(
        "side opposite pi", [] { LawOfCosines_SideOppositeAngle(Constants::Pi, 1, 1); },
        "LawOfCosines_SideOppositeAngle");
    Row(
        "side opposite zero angle", [] { LawOfCosines_SideOppositeAngle(0, 1, 1); },
        "LawOfCosines_SideOppositeAngle");
    Row(
        "side opposite, zero side", [] { LawOfCosines_SideOppositeAngle(1, 1, 0); },
        "LawOfCosines_SideOppositeAngle");
    Row(
        "angle, degenerate", [] { LawOfCosines_Angle(1, 1, 2); }, "LawOfCosines_Angle");
    Row(
        "angle, a too long", [] { LawOfCosines_Angle(3, 1, 1); }, "LawOfCosines_Angle");
    Row(
        "angle, zero side", [] { LawOfCosines_Angle(1, 0, 1); }, "LawOfCosines_Angle");
    Row(
        "quadratic, a = 0",
        [] {
            Extended X1, X2;
            QuadraticEquation(0, 1, 1, X1, X2);
        },
        "QuadraticEquation");
    Row(
        "quadratic overflows",
        [] {
            Extended X1, X2;
            QuadraticEquation(1, Huge, 1, X1, X2);
        },
        "QuadraticEquation");
    Row(
        "cubic, a = 0",
        [] {
            Extended X1, X2, X3;
            CubicEquation(0, 1, 1, 1, X1, X2, X3);
        },
        "CubicEquation");
    Row(
        "cubic, not finite",
        [=] {
            Extended X1, X2, X3;
            CubicEquation(1, Inf, 1, 1, X1, X2, X3);
        },
        "CubicEquation");
    Row(
        "cube overflows", [] { Cube(Huge); }, "Cube");
    Row(
        "round, precision 15", [] { RoundToStr(15, true, 1); }, "RoundToStr");
    Row(
        "round, infinity", [=] { RoundToStr(2, true, Inf); }, "RoundToStr");
    Row(
        "round, NaN", [] { RoundToStr(2, true, std::nan("")); }, "RoundToStr");
    // Patterns that the x87 does not compute with: an unnormal (no integer bit), a
    // pseudo-infinity and a pseudo-NaN. They are NaN to it.
    Row(
        "round, unnormal", [] { RoundToStr(2, true, FromImage(0x3FFF, 0x4000000000000000ull)); },
        "RoundToStr");
    Row(
        "round, pseudo-infinity", [] { RoundToStr(2, true, FromImage(0x7FFF, 0)); }, "RoundToStr");
    Row(
        "round, pseudo-NaN", [] { RoundToStr(2, true, FromImage(0xFFFF, 0x4000000000000000ull)); },
        "RoundToStr");
    Row(
        "equal, unnormal",
        [] {
            FloatEqual({1, FromImage(0x3FFF, 0x4000000000000000ull)}, 14);
        },
        "FloatEqual");
    Row(
        "equal, empty", [] { FloatEqual({}, 14); }, "FloatEqual");
    Row(
        "equal, precision 15",
        [] {
            FloatEqual({1, 1}, 15);
        },
        "FloatEqual");
    Row(
        "equal, infinity",
        [=] {
            FloatEqual({Inf, Inf}, 14);
        },
        "FloatEqual");
}

void TestMathFunctions::rejections() {
    QFETCH(std::function<void()>, call);
    QFETCH(QString, operation);
    ExpectRejected(call, operation);
}

void TestMathFunctions::errorsLeaveOutParametersAlone() {
    Extended X1 = 7;
    Extended X2 = 8;
    Extended X3 = 9;
    QVERIFY_THROWS_EXCEPTION(EInvalidInputMathFunctions, QuadraticEquation(0, 1, 1, X1, X2));
    QVERIFY_THROWS_EXCEPTION(EInvalidInputMathFunctions, CubicEquation(1, Huge, 1, 1, X1, X2, X3));
    QCOMPARE(double(X1), 7.0);
    QCOMPARE(double(X2), 8.0);
    QCOMPARE(double(X3), 9.0);
}

void TestMathFunctions::overflowIsToldFromFailedChecks() {
    try {
        PythagoreanTheorem_Leg1(1, 2);
        QFAIL("no error raised");
    } catch (const EInvalidInputMathFunctions& Error) {
        QVERIFY(!Error.NotFinite());
    }
    try {
        PythagoreanTheorem_Hypotenuse(LDBL_MAX, LDBL_MAX);
        QFAIL("no error raised");
    } catch (const EInvalidInputMathFunctions& Error) {
        QVERIFY(Error.NotFinite());
    }
}

void TestMathFunctions::sumExceeds_data() {
    QTest::addColumn<std::vector<Extended>>("terms");
    QTest::addColumn<Extended>("bound");
    QTest::addColumn<bool>("exceeds");
    const Extended Ulp1 = std::ldexp(1.0L, -63); // a unit in the last place of 1
    QTest::newRow("clearly above") << std::vector<Extended>{3, 4} << Extended(5) << true;
    QTest::newRow("clearly below") << std::vector<Extended>{1, 2} << Extended(5) << false;
    QTest::newRow("equal") << std::vector<Extended>{1, 1} << Extended(2) << false;
    // The rounded sum is 2; the exact one is above it.
    QTest::newRow("above by less than rounding")
        << std::vector<Extended>{1 + Ulp1, 1 - Ulp1 / 2} << Extended(2) << true;
    QTest::newRow("below by less than rounding")
        << std::vector<Extended>{1 - Ulp1 / 2, 1} << Extended(2) << false;
    QTest::newRow("needle") << std::vector<Extended>{1e300L, 1e-300L} << Extended(1e300L) << true;
    QTest::newRow("needle, bound one unit up")
        << std::vector<Extended>{1e300L, 1e-300L} << std::nextafter(1e300L, 2e300L) << false;
    QTest::newRow("three terms, equal")
        << std::vector<Extended>{1, Ulp1 / 2, Ulp1 / 2} << 1 + Ulp1 << false;
    QTest::newRow("three terms, above by 2^-127")
        << std::vector<Extended>{1, Ulp1 / 2, (Ulp1 / 2) * (1 + Ulp1)} << 1 + Ulp1 << true;
    QTest::newRow("subnormal") << std::vector<Extended>{LDBL_TRUE_MIN, LDBL_TRUE_MIN}
                               << Extended(LDBL_TRUE_MIN) << true;
    QTest::newRow("sum overflows")
        << std::vector<Extended>{LDBL_MAX, LDBL_MAX} << Extended(LDBL_MAX) << true;
}

void TestMathFunctions::sumExceeds() {
    QFETCH(std::vector<Extended>, terms);
    QFETCH(Extended, bound);
    QFETCH(bool, exceeds);
    const bool Result = terms.size() == 2 ? SumExceeds({terms[0], terms[1]}, bound)
                                          : SumExceeds({terms[0], terms[1], terms[2]}, bound);
    QCOMPARE(Result, exceeds);
}

// Thin and flat triangles: the relations keep their digits, relative to the result.
void TestMathFunctions::thinRelations_data() {
    QTest::addColumn<Extended>("actual");
    QTest::addColumn<Extended>("expected");
    const Extended Ulp1 = std::ldexp(1.0L, -63);
    QTest::newRow("angle opposite a short side")
        << LawOfCosines_Angle(1e-10L, 1, 1) << 2 * std::asin(0.5e-10L);
    QTest::newRow("angle of a flat triangle")
        << LawOfCosines_Angle(2 - 2 * Ulp1, 1, 1) << Constants::Pi - 2 * std::acos(1 - Ulp1);
    QTest::newRow("side opposite a small angle")
        << LawOfCosines_SideOppositeAngle(1e-10L, 1, 1) << 2 * std::sin(0.5e-10L);
    QTest::newRow("short leg") << PythagoreanTheorem_Leg1(1, 1 - Ulp1 / 2)
                               << std::sqrt((Ulp1 / 2) * (2 - Ulp1 / 2));
    QTest::newRow("hypotenuse beyond the squares' range")
        << PythagoreanTheorem_Hypotenuse(3e3000L, 4e3000L) << Extended(5e3000L);
}

void TestMathFunctions::thinRelations() {
    QFETCH(Extended, actual);
    QFETCH(Extended, expected);
    QVERIFY2(std::fabs(actual - expected) <= 1e-17L * expected,
             qPrintable(Text(actual) + ", expected " + Text(expected)));
}

QTEST_APPLESS_MAIN(TestMathFunctions)
#include "tst_MathFunctions.moc"
