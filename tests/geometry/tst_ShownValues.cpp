// The decimals the exact results start from, and the decision of the shown
// text from an enclosure of the exact value: exactly from decimal ends, and
// fast from Extended ends, which must never claim what the exact decision
// does not.
#include "DecimalNumbers.h"
#include "GeometryTestSupport.h"
#include "ShownValues.h"

#include <QtTest>
#include <cstdio>
#include <random>

namespace {
using namespace GeometryTest;

TDecimalNumber D(const char* AText) {
    const std::optional<TDecimalNumber> Number = TDecimalNumber::Parse(AText);
    if (!Number) {
        qFatal("not a decimal: %s", AText);
    }
    return *Number;
}

// The exact decimal of an Extended (its expansion is finite; 120 digits hold
// it for the magnitudes used here).
TDecimalNumber ExactDecimal(Extended AValue) {
    char Buffer[160];
    std::snprintf(Buffer, sizeof Buffer, "%.120Le", AValue);
    return D(Buffer);
}

QString Describe(const TShownValue& AValue) {
    return QString("%1 %2%3")
        .arg(int(AValue.Certainty))
        .arg(QString::fromStdString(AValue.Digits),
             AValue.Decade ? QString(" x10^%1").arg(AValue.Exponent) : QString());
}

} // namespace

class TestShownValues : public QObject {
    Q_OBJECT
private slots:
    void decimals_data();
    void decimals();
    void arithmeticIsExact();
    void roundedToExtended_data();
    void roundedToExtended();
    void decision_data();
    void decision();
    void fastNeverClaimsMore();
    void fastTextIsRoundToStrs();
    void shownRange();
};

void TestShownValues::decimals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("integer") << "1200" << '.' << true << "12e2";
    QTest::newRow("zeros stripped") << "00120.0500" << '.' << true << "12005e-2";
    QTest::newRow("comma") << "-0,5" << ',' << true << "-5e-1";
    QTest::newRow("exponent") << "1.5E-3" << '.' << true << "15e-4";
    QTest::newRow("signed exponent") << "+2e+2" << '.' << true << "2e2";
    QTest::newRow("point only before") << ".25" << '.' << true << "25e-2";
    QTest::newRow("point only after") << "25." << '.' << true << "25e0";
    QTest::newRow("zero") << "-0.000" << '.' << true << "0";
    QTest::newRow("nothing") << "" << '.' << false << "";
    QTest::newRow("no digits") << "-." << '.' << false << "";
    QTest::newRow("two separators") << "1.2.3" << '.' << false << "";
    QTest::newRow("other separator") << "1.5" << ',' << false << "";
    QTest::newRow("empty exponent") << "1e" << '.' << false << "";
    QTest::newRow("blank") << "1 " << '.' << false << "";
}

void TestShownValues::decimals() {
    QFETCH(QString, text);
    QFETCH(char, separator);
    QFETCH(bool, valid);
    QFETCH(QString, canonical);
    const std::optional<TDecimalNumber> Number =
        TDecimalNumber::Parse(text.toStdString(), separator);
    QCOMPARE(Number.has_value(), valid);
    if (valid) {
        QCOMPARE(QString::fromStdString(Number->Text()), canonical);
    }
}

void TestShownValues::arithmeticIsExact() {
    QCOMPARE(D("2.5").Halved().Text(), std::string("125e-2"));
    QCOMPARE(D("0.1").Halved().Halved().Halved().Text(), std::string("125e-4"));
    QCOMPARE(D("0.15").Times(3).Text(), std::string("45e-2"));
    // A factor above 2^32 goes through both halves of the multiplication.
    QCOMPARE(D("1.5").Times(10000000000LL).Text(), std::string("15e9"));
    QCOMPARE(D("7").Times(-3).Text(), std::string("-21e0"));
    QCOMPARE(Compare(D("0.1"), D("0.10")), 0);
    QCOMPARE(Compare(D("0.1"), D("0.1000000000000000000001")), -1);
    QCOMPARE(Compare(D("12"), D("1.23e1")), -1);
    QCOMPARE(Compare(D("-2"), D("-1")), -1);
    QCOMPARE(Compare(D("-1"), D("0")), -1);
    QCOMPARE(Compare(D("1e-300"), D("0")), 1);
}

void TestShownValues::roundedToExtended_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::newRow("integer") << "123456789" << true;
    QTest::newRow("binary fraction") << "2.375" << true;
    QTest::newRow("2^-20") << "0.00000095367431640625" << true;
    QTest::newRow("largest 64-bit integer")
        << "18446744073709551615" << false; // 20 digits: not tried
    QTest::newRow("2^63") << "9223372036854775808" << true;
    QTest::newRow("a tenth") << "0.1" << false;
    QTest::newRow("many digits") << "1.0000000000000001" << false;
}

void TestShownValues::roundedToExtended() {
    QFETCH(QString, text);
    QFETCH(bool, exact);
    const TDecimalNumber Number = D(text.toLatin1().constData());
    QCOMPARE(Number.RoundsExactly(), exact);
    // strtold of the same text: the nearest Extended.
    QCOMPARE(Number.Rounded(), std::strtold(text.toLatin1().constData(), nullptr));
    if (exact) {
        QCOMPARE(Compare(ExactDecimal(Number.Rounded()), Number), 0);
    }
}

void TestShownValues::decision_data() {
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("semilogarithmic");
    QTest::addColumn<int>("certainty");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("exponent"); // -99: no "x10"

    const int Certain = scCertain;
    const int Uncertain = scUncertain;
    QTest::newRow("plain") << "3.14159"
                           << "3.14159" << 2 << false << Certain << "3.14" << -99;
    QTest::newRow("tie rounds away") << "3.145"
                                     << "3.145" << 2 << false << Certain << "3.15" << -99;
    QTest::newRow("negative tie") << "-3.145"
                                  << "-3.145" << 2 << false << Certain << "-3.15" << -99;
    QTest::newRow("a boundary inside") << "3.1449999"
                                       << "3.1450001" << 2 << false << Uncertain << "3.15" << -99;
    QTest::newRow("both sides of a boundary") << "3.14"
                                              << "3.16" << 2 << false << Uncertain << "3.16" << -99;
    QTest::newRow("enclosure inside a step")
        << "3.1450001"
        << "3.1549999" << 2 << false << Certain << "3.15" << -99;
    QTest::newRow("below 1e-4: mantissa") << "0.0000123"
                                          << "0.0000123" << 2 << false << Certain << "1.23" << -5;
    QTest::newRow("1e-4 and above: plain") << "0.000123"
                                           << "0.000123" << 2 << false << Certain << "0.00" << -99;
    QTest::newRow("15 integer digits")
        << "123456789012345.4"
        << "123456789012345.4" << 2 << false << Certain << "123456789012345" << -99;
    QTest::newRow("16 integer digits: mantissa")
        << "1234567890123456"
        << "1234567890123456" << 2 << false << Certain << "1.23" << 15;
    QTest::newRow("long integer part, fewer decimals")
        << "12345678901.23456"
        << "12345678901.23456" << 14 << false << Certain << "12345678901.2346" << -99;
    QTest::newRow("minus sign takes a decimal")
        << "-1.5"
        << "-1.5" << 14 << false << Certain << "-1.5000000000000" << -99;
    QTest::newRow("rounds to zero without a sign")
        << "-0.001"
        << "-0.001" << 2 << false << Certain << "0.00" << -99;
    QTest::newRow("precision 0") << "2.5"
                                 << "2.5" << 0 << false << Certain << "3" << -99;
    QTest::newRow("15-digit carry changes the layout")
        << "9.9999999999999996"
        << "9.9999999999999996" << 14 << false << Certain << "10.0000000000000" << -99;
    QTest::newRow("no carry") << "9.999999999999994"
                              << "9.999999999999994" << 14 << false << Certain << "9.99999999999999"
                              << -99;
    QTest::newRow("mantissa rounds up to 10")
        << "9.999e20"
        << "9.999e20" << 2 << true << Certain << "10.00" << 20;
    QTest::newRow("15-digit carry moves the exponent")
        << "9.9999999999999996e20"
        << "9.9999999999999996e20" << 2 << true << Certain << "1.00" << 21;
    QTest::newRow("carry point inside")
        << "9.999999999999994e20"
        << "9.9999999999999996e20" << 2 << true << Uncertain << "1.00" << 21;
    QTest::newRow("semilogarithmic, exponent 1") << "12.5"
                                                 << "12.5" << 1 << true << Certain << "1.3" << 1;
    QTest::newRow("semilogarithmic, exponent 0: no x10")
        << "1.25"
        << "1.25" << 1 << true << Certain << "1.3" << -99;
    QTest::newRow("zero") << "0"
                          << "0" << 2 << false << Certain << "0.00" << -99;
    QTest::newRow("zero, semilogarithmic") << "0"
                                           << "0" << 3 << true << Certain << "0.000" << -99;
    // The text of the end farther from zero, as for any uncertain value.
    QTest::newRow("zero inside") << "-1e-30"
                                 << "1e-30" << 2 << false << Uncertain << "1.00" << -30;
    QTest::newRow("negative mantissa")
        << "-4.56789e-9"
        << "-4.56789e-9" << 14 << false << Certain << "-4.5678900000000" << -9;
}

void TestShownValues::decision() {
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(int, precision);
    QFETCH(bool, semilogarithmic);
    QFETCH(int, certainty);
    QFETCH(QString, digits);
    QFETCH(int, exponent);
    const TShownForm Form{TPrecision(precision), semilogarithmic};
    const TShownValue Value =
        ShownValue(D(low.toLatin1().constData()), D(high.toLatin1().constData()), Form);
    QCOMPARE(int(Value.Certainty), certainty);
    QCOMPARE(QString::fromStdString(Value.Digits), digits);
    QCOMPARE(Value.Decade, exponent != -99);
    if (exponent != -99) {
        QCOMPARE(Value.Exponent, exponent);
    }
}

// Where the decision from Extended ends is certain, the exact decision from
// the same ends is too, with the same text.
void TestShownValues::fastNeverClaimsMore() {
    std::mt19937_64 Random(20240522);
    std::uniform_real_distribution<double> Mantissa(1, 10);
    std::uniform_int_distribution<int> Exponent(-30, 30);
    std::uniform_int_distribution<int> Precision(0, 14);
    int Certain = 0;
    for (int I = 0; I < 20000; ++I) {
        Extended Value = Extended(Mantissa(Random)) * std::pow(10.0L, Extended(Exponent(Random)));
        if (I % 3 == 0) {
            // Right next to a boundary of the shown digits.
            Value = std::round(Value * 1e6L) / 1e6L + 5e-7L;
        }
        if (I % 2 == 0) {
            Value = -Value;
        }
        const Extended Error = Value * std::ldexp(1.0L, -40 - int(Random() % 30));
        const Extended Low = Value - std::fabs(Error);
        const Extended High = Value + std::fabs(Error);
        const TShownForm Form{TPrecision(Precision(Random)), Random() % 2 == 0};
        const TShownValue Fast = ShownValue(Low, High, Form);
        if (Fast.Certainty != scCertain) {
            continue;
        }
        ++Certain;
        const TShownValue Exact = ShownValue(ExactDecimal(Low), ExactDecimal(High), Form);
        QVERIFY2(Exact.Certainty == scCertain && Exact.Digits == Fast.Digits &&
                     Exact.Decade == Fast.Decade && Exact.Exponent == Fast.Exponent,
                 qPrintable(QString("%1: fast %2, exact %3")
                                .arg(Text(Value), Describe(Fast), Describe(Exact))));
    }
    QVERIFY(Certain > 10000);
}

// In the plain form the text is RoundToStr's with zero padding, which rounds
// the value once at the same place.
void TestShownValues::fastTextIsRoundToStrs() {
    std::mt19937_64 Random(7);
    std::uniform_real_distribution<double> Mantissa(1, 10);
    std::uniform_int_distribution<int> Exponent(-3, 14);
    for (int I = 0; I < 5000; ++I) {
        const Extended Value = Extended(Mantissa(Random)) *
                               std::pow(10.0L, Extended(Exponent(Random))) * (I % 2 ? -1 : 1);
        for (const TPrecision Precision :
             {TPrecision(0), TPrecision(2), TPrecision(7), TPrecision(14)}) {
            const TShownValue Shown = ShownValue(Value, Value, TShownForm{Precision, false});
            if (Shown.Certainty != scCertain || Shown.Decade) {
                continue;
            }
            QCOMPARE(Shown.Digits, RoundToStr(Precision, true, Value));
        }
    }
}

void TestShownValues::shownRange() {
    Extended Low = 0;
    Extended High = 0;
    QVERIFY(ShownRange(2.5L, TShownForm{2, false}, Low, High));
    QVERIFY(Low > 2.495L && Low < 2.4950001L);
    QVERIFY(High < 2.505L && High > 2.5049999L);
    QVERIFY(ShownRange(123456.0L, TShownForm{1, true}, Low, High)); // 1.2 x10^5
    QVERIFY(Low > 115000 && Low < 115001 && High < 125000 && High > 124999);
    // On a boundary there is no range of its own.
    QVERIFY(!ShownRange(2.125L, TShownForm{2, false}, Low, High));
    QVERIFY(!ShownRange(0, TShownForm{2, false}, Low, High));
}

QTEST_APPLESS_MAIN(TestShownValues)
#include "tst_ShownValues.moc"
