// The number formatting unit: every precision 0..14 in both number forms with
// both separators, against texts worked out here from the decimal value in
// 50-digit arithmetic; the general text; the states; the precision clamp and the
// reader of the number form's settings.
#include "GuiTestFixture.h"
#include "NumberFormat.h"
#include "ResultState.h"
#include "SeparatorGuard.h"

#include <QtTest>

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <limits>
#include <locale>
#include <sstream>

Q_DECLARE_METATYPE(TNumberForm)

namespace {

using Real = boost::multiprecision::cpp_bin_float_50;
using Integer = boost::multiprecision::cpp_int;

Extended ReadExtended(const char* AText) {
    std::istringstream stream(AText);
    stream.imbue(std::locale::classic());
    Extended value = 0;
    stream >> value;
    return value;
}

Real Power10(int AExponent) {
    return boost::multiprecision::pow(Real(10), AExponent);
}

// What the panel shows for a value, worked out from its decimal text: the value
// rounded to 15 significant digits; its mantissa and decimal exponent in the
// semilogarithmic form (chosen, or for a magnitude of 10^15 or more or below
// 10^-4), else the value itself; that rounded to APrecision decimals, but to no
// more than 15 characters before the separator (a minus sign included) and after it.
struct TExpected {
    QString Digits;
    bool Decade = false;
    int Exponent = 0;
    bool Scientific = false; // semilogarithmic by its magnitude alone
};

TExpected Reference(const char* AValue, int APrecision, bool ASemilogarithmic, char ASeparator) {
    TExpected expected;
    const Real value(AValue);
    if (value == 0) {
        expected.Digits = QStringLiteral("0");
        if (APrecision > 0)
            expected.Digits += QLatin1Char(ASeparator) + QString(APrecision, QLatin1Char('0'));
        return expected;
    }
    const Real magnitude = boost::multiprecision::abs(value);
    int exponent = int(boost::multiprecision::floor(boost::multiprecision::log10(magnitude)));
    if (magnitude >= Power10(exponent + 1))
        ++exponent;
    if (magnitude < Power10(exponent))
        --exponent;
    // The 15 significant digits as an integer; rounding up may reach 10^15.
    Real digits = boost::multiprecision::round(magnitude * Power10(14 - exponent));
    if (digits >= Power10(15)) {
        digits /= 10;
        ++exponent;
    }
    expected.Scientific = exponent >= 15 || exponent <= -5;
    const bool semilogarithmic = ASemilogarithmic || expected.Scientific;
    const Real shown = semilogarithmic ? digits / Power10(14) : digits * Power10(exponent - 14);
    const int integerChars =
        (semilogarithmic || exponent < 0 ? 1 : exponent + 1) + (value < 0 ? 1 : 0);
    const int decimals = std::min(APrecision, 15 - integerChars);
    const Integer scaled =
        boost::multiprecision::round(shown * Power10(decimals)).convert_to<Integer>();
    QString text = QString::fromStdString(scaled.str());
    if (decimals > 0) {
        text = text.rightJustified(decimals + 1, QLatin1Char('0'));
        text.insert(text.size() - decimals, QLatin1Char(ASeparator));
    }
    expected.Digits = (value < 0 ? QStringLiteral("-") : QString()) + text;
    expected.Exponent = semilogarithmic ? exponent : 0;
    expected.Decade = semilogarithmic && exponent != 0;
    return expected;
}

// Values whose 15 digits end in no 5, so that no rounding at any precision is a tie.
const char* const Values[] = {
    "1234.56789012345678",     // fixed, rounded up in the 15th digit
    "98765432109876.4321",     // 14 integer digits: one decimal at most
    "0.000123456789012347",    // below 10^-3: fixed
    "0.0000123456789012347",   // below 10^-4: semilogarithmic by itself
    "999999999999999.71",      // rounds to 10^15: semilogarithmic by itself
    "3.1e20",                  // semilogarithmic by itself
    "-7.07106781186547524400", // negative (a cone part above a hemisphere)
    "0",
};

QString TableRowName(const char* AValue, int APrecision, bool ASemilogarithmic, char ASeparator) {
    return QStringLiteral("%1 p%2 %3 '%4'")
        .arg(QLatin1String(AValue))
        .arg(APrecision)
        .arg(ASemilogarithmic ? QStringLiteral("semilog") : QStringLiteral("basic"))
        .arg(QLatin1Char(ASeparator));
}

} // namespace

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void everyPrecisionFormAndSeparator_data();
    void everyPrecisionFormAndSeparator();
    void levelTableSuperscript_data();
    void levelTableSuperscript();
    void generalText_data();
    void generalText();
    void generalTextMatchesRoundToStr_data();
    void generalTextMatchesRoundToStr();
    void states_data();
    void states();
    void notFinite();
    void clampPrecision_data();
    void clampPrecision();
    void readNumberForm_data();
    void readNumberForm();
};

void TestNumberFormat::everyPrecisionFormAndSeparator_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<char>("separator");
    for (const char* value : Values)
        for (int precision = 0; precision <= 14; ++precision)
            for (const bool semilog : {false, true})
                for (const char separator : {'.', ','})
                    QTest::newRow(qPrintable(TableRowName(value, precision, semilog, separator)))
                        << QString::fromLatin1(value) << precision << semilog << separator;
}

// The panel's digits, "x10" and exponent; the same on one line for the report,
// for the level table's copies, and as a supplementary quantity.
void TestNumberFormat::everyPrecisionFormAndSeparator() {
    QFETCH(QString, value);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    QFETCH(char, separator);
    const QByteArray literal = value.toLatin1();
    const TExpected expected = Reference(literal.constData(), precision, semilog, separator);
    const TSeparatorGuard guard(separator);
    const Extended number = ReadExtended(literal.constData());
    const TNumberForm form{TPrecision(precision), semilog};

    const TResultNumber shown = ResultNumber(number, form.Precision, semilog);
    QCOMPARE(shown.Digits, expected.Digits);
    QCOMPARE(shown.Decade, expected.Decade);
    if (expected.Decade)
        QCOMPARE(shown.Exponent, expected.Exponent);

    QString line = expected.Digits;
    QString plain = expected.Digits;
    if (expected.Decade) {
        line += QStringLiteral(" x10");
        if (expected.Exponent != 1)
            line += QLatin1Char('^') + QString::number(expected.Exponent);
        plain += QLatin1Char('E') + QString::number(expected.Exponent);
    }
    QCOMPARE(ResultValueText(number, form), line);
    QCOMPARE(PlainNumber(number, form), plain);

    // A quantity has one form: the digits, or for a magnitude that takes it
    // anyway the mantissa and "E" with the exponent.
    const TExpected basic = Reference(literal.constData(), precision, false, separator);
    QCOMPARE(QuantityText(number, form.Precision),
             basic.Scientific ? basic.Digits + QLatin1Char('E') + QString::number(basic.Exponent)
                              : basic.Digits);
}

void TestNumberFormat::levelTableSuperscript_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<QString>("shown");
    QTest::newRow("basic") << "1234.5678" << false << "1234.57";
    QTest::newRow("exponent 1 is not written") << "12.5" << true << "1.25 x10";
    QTest::newRow("positive exponent") << "123456.7" << true << "1.23 x10⁵";
    QTest::newRow("negative exponent") << "0.00001234" << false << "1.23 x10⁻⁵";
    // Every superscript digit.
    QTest::newRow("1234") << "2e1234" << false << "2.00 x10¹²³⁴";
    QTest::newRow("-4000") << "1e-4000" << false << "1.00 x10⁻⁴⁰⁰⁰";
    QTest::newRow("-567") << "7e-567" << true << "7.00 x10⁻⁵⁶⁷";
    QTest::newRow("98") << "3e98" << true << "3.00 x10⁹⁸";
}

void TestNumberFormat::levelTableSuperscript() {
    QFETCH(QString, value);
    QFETCH(bool, semilog);
    QFETCH(QString, shown);
    const Extended number = ReadExtended(value.toLatin1().constData());
    QCOMPARE(ShownNumber(number, {2, semilog}), shown);
}

void TestNumberFormat::generalText_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("integer") << "30"
                             << "30";
    QTest::newRow("fraction") << "1234.5678"
                              << "1234.5678";
    QTest::newRow("one third") << "0.33333333333333333333"
                               << "0.333333333333333";
    QTest::newRow("two thirds rounds") << "0.66666666666666666667"
                                       << "0.666666666666667";
    QTest::newRow("small fixed") << "0.000123"
                                 << "0.000123";
    QTest::newRow("small fixed, 15 digits") << "0.000123456789012345678"
                                            << "0.000123456789012346";
    QTest::newRow("10^15") << "1e15"
                           << "1E15";
    QTest::newRow("below 10^15") << "999999999999999"
                                 << "999999999999999";
    QTest::newRow("rounds to 10^15") << "999999999999999.5"
                                     << "1E15";
    QTest::newRow("small scientific") << "0.00001234"
                                      << "1.234E-5";
    QTest::newRow("negative") << "-2.5"
                              << "-2.5";
    QTest::newRow("negative scientific") << "-3e20"
                                         << "-3E20";
    QTest::newRow("tie away from zero") << "0.1000000000000005"
                                        << "0.100000000000001";
}

void TestNumberFormat::generalText() {
    QFETCH(QString, value);
    QFETCH(QString, text);
    QCOMPARE(GeneralText(ReadExtended(value.toLatin1().constData())), text);
    // The regional separator.
    const TSeparatorGuard guard(',');
    QCOMPARE(GeneralText(ReadExtended(value.toLatin1().constData())),
             QString(text).replace(QLatin1Char('.'), QLatin1Char(',')));
}

// Where RoundToStr's own text keeps every digit (at most 14 decimals), it is
// the general text.
void TestNumberFormat::generalTextMatchesRoundToStr_data() {
    QTest::addColumn<QString>("value");
    for (const char* value : {"1234.5678", "0.1", "0.12345678901234", "2.5", "30",
                              "123456789.123456789", "3.14159265358979323846", "1e15", "2e-5",
                              "6.02214076e23", "0.99999999999999999", "4.5e-300", "7e4000"})
        QTest::newRow(value) << QString::fromLatin1(value);
}

void TestNumberFormat::generalTextMatchesRoundToStr() {
    QFETCH(QString, value);
    const Extended number = ReadExtended(value.toLatin1().constData());
    QCOMPARE(GeneralText(number), QString::fromStdString(RoundToStr(14, false, number)));
}

void TestNumberFormat::states_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("rsNespocitano") << int(rsNespocitano) << "---";
    QTest::newRow("rsChyba_Z") << int(rsChyba_Z) << "Input error";
    QTest::newRow("rsChyba_V") << int(rsChyba_V) << "v < 2r";
    QTest::newRow("rsChyba_T") << int(rsChyba_T) << "a + b > c ...";
    QTest::newRow("rsChyba_N") << int(rsChyba_N) << "n > 2";
    QTest::newRow("rsChyba_C") << int(rsChyba_C) << "h < 2r";
    QTest::newRow("rsChyba_CR") << int(rsChyba_CR) << "r1 > r2";
    QTest::newRow("rsChyba_TC") << int(rsChyba_TC) << "r1 <> r2";
    QTest::newRow("rsChyba_TPa") << int(rsChyba_TPa) << "a1 <> a2";
    QTest::newRow("rsChyba_TPb") << int(rsChyba_TPb) << "b1 <> b2";
    QTest::newRow("rsSpocitano") << int(rsSpocitano) << "";
}

void TestNumberFormat::states() {
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(ResultStateText(TResultState(state)), text);
}

// A value beyond Extended is "Input error" on a result's line and no text in
// the level table, in either form.
void TestNumberFormat::notFinite() {
    for (const Extended value :
         {std::numeric_limits<Extended>::infinity(), -std::numeric_limits<Extended>::infinity(),
          std::numeric_limits<Extended>::quiet_NaN()})
        for (const bool semilog : {false, true}) {
            QCOMPARE(ResultValueText(value, {2, semilog}), QStringLiteral("Input error"));
            QCOMPARE(ShownNumber(value, {2, semilog}), QString());
            QCOMPARE(PlainNumber(value, {2, semilog}), QString());
        }
}

void TestNumberFormat::clampPrecision_data() {
    QTest::addColumn<qlonglong>("given");
    QTest::addColumn<int>("precision");
    QTest::newRow("negative") << qlonglong(-1) << 0;
    QTest::newRow("far below") << std::numeric_limits<qlonglong>::min() << 0;
    QTest::newRow("zero") << qlonglong(0) << 0;
    QTest::newRow("seven") << qlonglong(7) << 7;
    QTest::newRow("fourteen") << qlonglong(14) << 14;
    QTest::newRow("fifteen") << qlonglong(15) << 14;
    // Not cut to a byte: 256 + 3 is no precision 3.
    QTest::newRow("259") << qlonglong(259) << 14;
    QTest::newRow("far above") << std::numeric_limits<qlonglong>::max() << 14;
}

void TestNumberFormat::clampPrecision() {
    QFETCH(qlonglong, given);
    QFETCH(int, precision);
    QCOMPARE(int(ClampPrecision(given)), precision);
}

void TestNumberFormat::readNumberForm_data() {
    QTest::addColumn<QString>("precision"); // empty: not stored
    QTest::addColumn<QString>("form");
    QTest::addColumn<TNumberForm>("read");
    QTest::newRow("nothing stored") << ""
                                    << "" << TNumberForm{2, false};
    QTest::newRow("precision 5, semilog") << "5"
                                          << "1" << TNumberForm{5, true};
    QTest::newRow("any other form is semilog") << "0"
                                               << "-3" << TNumberForm{0, true};
    QTest::newRow("form not a number") << "14"
                                       << "x" << TNumberForm{14, false};
    QTest::newRow("precision not a number") << "abc"
                                            << "0" << TNumberForm{2, false};
    QTest::newRow("precision above 14") << "20"
                                        << "0" << TNumberForm{14, false};
    QTest::newRow("negative precision") << "-1"
                                        << "0" << TNumberForm{0, false};
}

void TestNumberFormat::readNumberForm() {
    QFETCH(QString, precision);
    QFETCH(QString, form);
    QFETCH(TNumberForm, read);
    GuiTest::TSettingsSandbox sandbox;
    {
        TSettingsStore reg(SettingsKeys::Settings);
        if (!precision.isEmpty())
            reg.WriteString(QString(), SettingNames::Precision, precision);
        if (!form.isEmpty())
            reg.WriteString(QString(), SettingNames::Form, form);
    }
    const TNumberForm stored = ReadNumberForm();
    QCOMPARE(int(stored.Precision), int(read.Precision));
    QCOMPARE(stored.Semilogarithmic, read.Semilogarithmic);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_NumberFormat.moc"
