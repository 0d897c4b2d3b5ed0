// The unit table: every factor against the units' definitions in exact rational
// arithmetic, every conversion rounded once (the nearest Extended to the exact
// product), round trips, ids and symbols, lengths typed with their units and in
// feet-and-inches, feet-and-inches written with carry, and the stored choice.

#include "GuiTestFixture.h"
#include "MathFunctions.h"
#include "SeparatorGuard.h"
#include "Settings.h"
#include "Units.h"

#include <QtTest>

#include <boost/multiprecision/cpp_int.hpp>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;

namespace {

cpp_rational Fraction(long long ANumerator, long long ADenominator = 1) {
    return cpp_rational(cpp_int(ANumerator), cpp_int(ADenominator));
}

// The definitions, written here from the units' legal definitions.
const cpp_rational Inch = Fraction(254, 10000);
const cpp_rational Foot = 12 * Inch;
const cpp_rational Yard = 3 * Foot;
const cpp_rational Litre = Fraction(1, 1000);
const cpp_rational USGallon = 231 * Inch * Inch * Inch;
const cpp_rational Pound = Fraction(45359237, 100000000);

cpp_rational Metres(TLengthUnit AUnit) {
    switch (AUnit) {
    case luMillimetre:
        return Fraction(1, 1000);
    case luCentimetre:
        return Fraction(1, 100);
    case luDecimetre:
        return Fraction(1, 10);
    case luMetre:
        return 1;
    case luKilometre:
        return 1000;
    case luInch:
    case luFeetAndInches: // numbers in inches
        return Inch;
    case luFoot:
        return Foot;
    case luYard:
        return Yard;
    case luNone:
        break;
    }
    return 0;
}

cpp_rational SquareMetres(TAreaUnit AUnit) {
    switch (AUnit) {
    case auSquareMillimetre:
        return Fraction(1, 1000000);
    case auSquareCentimetre:
        return Fraction(1, 10000);
    case auSquareDecimetre:
        return Fraction(1, 100);
    case auSquareMetre:
        return 1;
    case auSquareKilometre:
        return 1000000;
    case auHectare:
        return 10000;
    case auSquareInch:
        return Inch * Inch;
    case auSquareFoot:
        return Foot * Foot;
    case auSquareYard:
        return Yard * Yard;
    case auAcre:
        return 4840 * Yard * Yard;
    case auNone:
        break;
    }
    return 0;
}

cpp_rational CubicMetres(TVolumeUnit AUnit) {
    switch (AUnit) {
    case vuCubicMillimetre:
        return Fraction(1, 1000000000);
    case vuCubicCentimetre:
    case vuMillilitre:
        return Fraction(1, 1000000);
    case vuCubicDecimetre:
    case vuLitre:
        return Litre;
    case vuHectolitre:
        return 100 * Litre;
    case vuCubicMetre:
        return 1;
    case vuCubicInch:
        return Inch * Inch * Inch;
    case vuCubicFoot:
        return Foot * Foot * Foot;
    case vuCubicYard:
        return Yard * Yard * Yard;
    case vuUSGallon:
        return USGallon;
    case vuImperialGallon:
        return Fraction(454609, 100000) * Litre;
    case vuUSOilBarrel:
        return 42 * USGallon;
    case vuNone:
        break;
    }
    return 0;
}

cpp_rational Kilograms(TMassUnit AUnit) {
    switch (AUnit) {
    case muGram:
        return Fraction(1, 1000);
    case muKilogram:
        return 1;
    case muTonne:
        return 1000;
    case muOunce:
        return Pound / 16;
    case muPound:
        return Pound;
    }
    return 0;
}

cpp_rational PowerOfTwo(int AExponent) {
    const cpp_int power = cpp_int(1) << std::abs(AExponent);
    return AExponent >= 0 ? cpp_rational(power) : cpp_rational(cpp_int(1), power);
}

cpp_rational Value(const TUnitFactor& AFactor) {
    return cpp_rational(cpp_int(AFactor.Numerator), cpp_int(AFactor.Denominator)) *
           PowerOfTwo(AFactor.Exponent);
}

// The exact value of a finite Extended.
cpp_rational Exact(Extended AValue) {
    if (AValue == 0)
        return 0;
    int exponent = 0;
    const Extended fraction = std::frexp(std::fabs(AValue), &exponent);
    const cpp_rational magnitude =
        cpp_rational(cpp_int(static_cast<std::uint64_t>(std::ldexp(fraction, 64)))) *
        PowerOfTwo(exponent - 64);
    return AValue < 0 ? cpp_rational(-magnitude) : magnitude;
}

// Whether AResult is the Extended nearest to AExact, ties to the even one.
bool IsNearest(Extended AResult, const cpp_rational& AExact) {
    if (!std::isfinite(AResult))
        return false;
    const cpp_rational distance = abs(Exact(AResult) - AExact);
    for (const Extended toward : {HUGE_VALL, -HUGE_VALL}) {
        const Extended neighbour = std::nextafter(AResult, toward);
        const cpp_rational other = abs(Exact(neighbour) - AExact);
        if (other < distance)
            return false;
        if (other == distance) {
            int exponent = 0;
            const auto mantissa =
                static_cast<std::uint64_t>(std::ldexp(std::frexp(AResult, &exponent), 64));
            if ((mantissa & 1) != 0)
                return false;
        }
    }
    return true;
}

// One factor of the table and the ratio it must be.
struct TFactorCase {
    QString Name;
    TUnitFactor Factor;
    TUnitFactor Back; // the other way round
    cpp_rational Expected;
};

std::vector<TFactorCase> EveryFactor() {
    std::vector<TFactorCase> cases;
    auto add = [&cases](const QString& AName, const TUnitFactor& AFactor, const TUnitFactor& ABack,
                        const cpp_rational& AExpected) {
        cases.push_back({AName, AFactor, ABack, AExpected});
    };
    for (int from = 1; from < LengthUnitCount; ++from) {
        const auto a = static_cast<TLengthUnit>(from);
        for (int to = 1; to < LengthUnitCount; ++to) {
            const auto b = static_cast<TLengthUnit>(to);
            add(UnitId(a) + QStringLiteral(" to ") + UnitId(b), LengthFactor(a, b),
                LengthFactor(b, a), Metres(a) / Metres(b));
        }
        for (int to = 1; to < AreaUnitCount; ++to) {
            const auto b = static_cast<TAreaUnit>(to);
            add(UnitId(a) + QStringLiteral("^2 to ") + UnitId(b), AreaFactor(a, b), {},
                Metres(a) * Metres(a) / SquareMetres(b));
        }
        for (int to = 1; to < VolumeUnitCount; ++to) {
            const auto b = static_cast<TVolumeUnit>(to);
            add(UnitId(a) + QStringLiteral("^3 to ") + UnitId(b), VolumeFactor(a, b), {},
                Metres(a) * Metres(a) * Metres(a) / CubicMetres(b));
        }
        for (int to = 0; to < MassUnitCount; ++to) {
            const auto b = static_cast<TMassUnit>(to);
            add(UnitId(a) + QStringLiteral("^3 kg/m3 to ") + UnitId(b), MassFactor(a, b), {},
                Metres(a) * Metres(a) * Metres(a) / Kilograms(b));
        }
    }
    for (int from = 1; from < AreaUnitCount; ++from)
        for (int to = 1; to < AreaUnitCount; ++to) {
            const auto a = static_cast<TAreaUnit>(from);
            const auto b = static_cast<TAreaUnit>(to);
            add(UnitId(a) + QStringLiteral(" to ") + UnitId(b), AreaFactor(a, b), AreaFactor(b, a),
                SquareMetres(a) / SquareMetres(b));
        }
    for (int from = 1; from < VolumeUnitCount; ++from)
        for (int to = 1; to < VolumeUnitCount; ++to) {
            const auto a = static_cast<TVolumeUnit>(from);
            const auto b = static_cast<TVolumeUnit>(to);
            add(UnitId(a) + QStringLiteral(" to ") + UnitId(b), VolumeFactor(a, b),
                VolumeFactor(b, a), CubicMetres(a) / CubicMetres(b));
        }
    for (int from = 0; from < MassUnitCount; ++from)
        for (int to = 0; to < MassUnitCount; ++to) {
            const auto a = static_cast<TMassUnit>(from);
            const auto b = static_cast<TMassUnit>(to);
            add(UnitId(a) + QStringLiteral(" to ") + UnitId(b), MassFactor(a, b), MassFactor(b, a),
                Kilograms(a) / Kilograms(b));
        }
    return cases;
}

// Values to convert: round and awkward decimals, and 64-bit mantissas drawn at
// random over a wide range of magnitudes.
std::vector<Extended> SampleValues() {
    std::vector<Extended> values = {
        1, 3, 0.1L, 7850, 1e-9L, 123456789.125L, LDBL_EPSILON, 1 - LDBL_EPSILON / 2};
    std::mt19937_64 random(20);
    std::uniform_int_distribution<int> exponents(-300, 300);
    for (int i = 0; i < 24; ++i) {
        const std::uint64_t mantissa = random() | (std::uint64_t(1) << 63);
        values.push_back(std::ldexp(static_cast<Extended>(mantissa), exponents(random) - 64));
    }
    // Near both ends of the range, where factors take results close to the limits.
    for (const int exponent : {LDBL_MIN_EXP + 40, LDBL_MIN_EXP + 70, LDBL_MAX_EXP - 70}) {
        const std::uint64_t mantissa = random() | (std::uint64_t(1) << 63);
        values.push_back(std::ldexp(static_cast<Extended>(mantissa), exponent - 64));
    }
    return values;
}

// A value whose exact product with AFactor lies half-way between two Extendeds
// (an odd 65-bit integer times a power of two), where that can be made.
bool TieFor(const TUnitFactor& AFactor, Extended& AValue) {
    if (AFactor.Numerator == 1 || AFactor.Numerator >= (std::uint64_t(1) << 62))
        return false;
    // m odd with m * Numerator of 65 bits, and Denominator * m exact in 64 bits.
    const cpp_int numerator(AFactor.Numerator);
    cpp_int m = ((cpp_int(1) << 64) / numerator) | 1;
    while (m * numerator < (cpp_int(1) << 64))
        m += 2;
    const cpp_int x = m * cpp_int(AFactor.Denominator);
    if (m * numerator >= (cpp_int(1) << 65) || x >= (cpp_int(1) << 64))
        return false;
    AValue = static_cast<Extended>(static_cast<std::uint64_t>(x));
    return true;
}

Extended UnitInLastPlace(Extended AValue) {
    return std::ldexp(Extended(1), std::ilogb(AValue) - 63);
}

} // namespace

Q_DECLARE_METATYPE(TLengthParse)
Q_DECLARE_METATYPE(TLengthUnit)

class TestUnits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void factorsAreTheDefinitionsExactly();
    void conversionRoundsOnce();
    void roundTripsComeBack();
    void bareNumbersAreNotConverted();

    void idsAndSymbolsFindTheirUnits_data();
    void idsAndSymbolsFindTheirUnits();
    void idsAreOneLowerCaseWordEach();

    void lengthsAreRead_data();
    void lengthsAreRead();
    void feetAndInchesEntriesAreRead_data();
    void feetAndInchesEntriesAreRead();

    void feetAndInchesAreWritten_data();
    void feetAndInchesAreWritten();
    void writtenFeetAndInchesReadBackNeverTwelveInches();

    void shownQuantitiesCarryTheirUnits();
    void choiceIsStoredByIds();

private:
    GuiTest::TSettingsSandbox FSettings;
};

void TestUnits::initTestCase() {
    SetDecimalSeparatorProvider(nullptr);
}

void TestUnits::factorsAreTheDefinitionsExactly() {
    for (const TFactorCase& item : EveryFactor()) {
        QVERIFY2(Value(item.Factor) == item.Expected, qPrintable(item.Name));
        // Lowest terms with the powers of two taken out: one form per ratio.
        QVERIFY2(item.Factor.Numerator % 2 == 1 && item.Factor.Denominator % 2 == 1,
                 qPrintable(item.Name));
        QVERIFY2(boost::multiprecision::gcd(cpp_int(item.Factor.Numerator),
                                            cpp_int(item.Factor.Denominator)) == 1,
                 qPrintable(item.Name));
    }
    // The definitions the issue names, spelt out.
    QCOMPARE(Value(LengthFactor(luInch, luMillimetre)), Fraction(254, 10));
    QCOMPARE(Value(VolumeFactor(vuUSGallon, vuCubicInch)), Fraction(231));
    QCOMPARE(Value(VolumeFactor(vuImperialGallon, vuLitre)), Fraction(454609, 100000));
    QCOMPARE(Value(VolumeFactor(vuUSOilBarrel, vuUSGallon)), Fraction(42));
    QCOMPARE(Value(AreaFactor(auAcre, auSquareYard)), Fraction(4840));
    QCOMPARE(Value(AreaFactor(auHectare, auSquareMetre)), Fraction(10000));
    QCOMPARE(Value(MassFactor(muPound, muKilogram)), Fraction(45359237, 100000000));
    QCOMPARE(Value(MassFactor(muPound, muOunce)), Fraction(16));
}

void TestUnits::conversionRoundsOnce() {
    const std::vector<Extended> values = SampleValues();
    int ties = 0;
    for (const TFactorCase& item : EveryFactor()) {
        std::vector<Extended> cases = values;
        Extended tie = 0;
        if (TieFor(item.Factor, tie)) {
            cases.push_back(tie);
            ++ties;
        }
        for (const Extended value : cases) {
            for (const Extended signedValue : {value, -value}) {
                const Extended result = Convert(signedValue, item.Factor);
                if (std::fabs(result) < LDBL_MIN || std::isinf(result))
                    continue; // beyond the normal range: no promise

                QVERIFY2(IsNearest(result, Exact(signedValue) * item.Expected),
                         qPrintable(QStringLiteral("%1 of %2")
                                        .arg(item.Name)
                                        .arg(static_cast<double>(signedValue))));
            }
        }
    }
    // Ties to even are reached for many factors, not only in theory.
    QVERIFY(ties > 100);
}

void TestUnits::roundTripsComeBack() {
    const std::vector<Extended> values = SampleValues();
    for (const TFactorCase& item : EveryFactor()) {
        if (item.Back == TUnitFactor() && item.Expected != 1)
            continue; // a length into an area: no way back
        QVERIFY2(Value(item.Factor) * Value(item.Back) == 1, qPrintable(item.Name));
        for (const Extended value : values) {
            const Extended back = Convert(Convert(value, item.Factor), item.Back);
            // Two roundings, each within half a unit in the last place.
            QVERIFY2(std::fabs(back - value) <= 2 * UnitInLastPlace(value), qPrintable(item.Name));
        }
    }
}

void TestUnits::bareNumbersAreNotConverted() {
    QCOMPARE(LengthFactor(luNone, luMetre), TUnitFactor());
    QCOMPARE(AreaFactor(luNone, auSquareMetre), TUnitFactor());
    QCOMPARE(AreaFactor(luMetre, auNone), TUnitFactor());
    QCOMPARE(VolumeFactor(luCentimetre, vuNone), TUnitFactor());
    QCOMPARE(MassFactor(luNone, muPound), TUnitFactor());
    QCOMPARE(Convert(0.1L, TUnitFactor()), 0.1L);
    // Zeros, infinities and NaNs pass.
    const TUnitFactor toLitres = VolumeFactor(vuCubicInch, vuLitre);
    QCOMPARE(Convert(0, toLitres), Extended(0));
    QCOMPARE(Convert(HUGE_VALL, toLitres), HUGE_VALL);
    QVERIFY(std::isnan(Convert(NAN, toLitres)));
}

void TestUnits::idsAndSymbolsFindTheirUnits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected"); // -1: not found
    QTest::newRow("mm") << "mm"
                        << "length" << int(luMillimetre);
    QTest::newRow("FT any case") << "FT"
                                 << "length" << int(luFoot);
    QTest::newRow("ftin") << "ftin"
                          << "length" << int(luFeetAndInches);
    QTest::newRow("none length") << "none"
                                 << "length" << int(luNone);
    QTest::newRow("blanks around") << " yd "
                                   << "length" << int(luYard);
    QTest::newRow("L as the command line writes it") << "L"
                                                     << "volume" << int(vuLitre);
    QTest::newRow("l") << "l"
                       << "volume" << int(vuLitre);
    QTest::newRow("mL") << "mL"
                        << "volume" << int(vuMillilitre);
    QTest::newRow("m3") << "m3"
                        << "volume" << int(vuCubicMetre);
    QTest::newRow("m³ symbol") << QStringLiteral("m³") << "volume" << int(vuCubicMetre);
    QTest::newRow("gal is the US gallon") << "gal"
                                          << "volume" << int(vuUSGallon);
    QTest::newRow("impgal") << "impgal"
                            << "volume" << int(vuImperialGallon);
    QTest::newRow("US gal symbol") << "us gal"
                                   << "volume" << int(vuUSGallon);
    QTest::newRow("bbl") << "bbl"
                         << "volume" << int(vuUSOilBarrel);
    QTest::newRow("acre") << "acre"
                          << "area" << int(auAcre);
    QTest::newRow("ac symbol") << "ac"
                               << "area" << int(auAcre);
    QTest::newRow("ha") << "ha"
                        << "area" << int(auHectare);
    QTest::newRow("ft2") << "ft2"
                         << "area" << int(auSquareFoot);
    QTest::newRow("lb") << "lb"
                        << "mass" << int(muPound);
    QTest::newRow("t") << "t"
                       << "mass" << int(muTonne);
    QTest::newRow("no none mass") << "none"
                                  << "mass" << -1;
    QTest::newRow("volume id is no area") << "m3"
                                          << "area" << -1;
    QTest::newRow("furlong") << "furlong"
                             << "length" << -1;
    QTest::newRow("empty") << ""
                           << "length" << -1;
}

void TestUnits::idsAndSymbolsFindTheirUnits() {
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(int, expected);
    int found = -1;
    auto find = [&found, &text](auto AUnit) {
        if (FindUnit(text, AUnit))
            found = AUnit;
    };
    if (kind == QLatin1String("length"))
        find(luMetre);
    else if (kind == QLatin1String("area"))
        find(auSquareMetre);
    else if (kind == QLatin1String("volume"))
        find(vuCubicMetre);
    else
        find(muKilogram);
    QCOMPARE(found, expected);
}

void TestUnits::idsAreOneLowerCaseWordEach() {
    const QRegularExpression word(QStringLiteral("^[a-z][a-z0-9]*$"));
    auto check = [&word](const QString& AIds, int ACount, const QString& AFirst) {
        const QStringList ids = AIds.split(QStringLiteral(", "));
        QCOMPARE(ids.size(), ACount);
        QCOMPARE(ids.first(), AFirst);
        QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ACount);
        for (const QString& id : ids)
            QVERIFY2(word.match(id).hasMatch(), qPrintable(id));
    };
    check(LengthUnitIds(), LengthUnitCount, QStringLiteral("none"));
    check(AreaUnitIds(), AreaUnitCount, QStringLiteral("none"));
    check(VolumeUnitIds(), VolumeUnitCount, QStringLiteral("none"));
    check(MassUnitIds(), MassUnitCount, QStringLiteral("g"));
    QCOMPARE(VolumeUnitIds(), QStringLiteral("none, mm3, cm3, ml, dm3, l, hl, m3, in3, ft3, yd3, "
                                             "gal, impgal, bbl"));
    // Each id and symbol finds its own unit.
    for (int i = 0; i < VolumeUnitCount; ++i) {
        const auto unit = static_cast<TVolumeUnit>(i);
        TVolumeUnit found = vuNone;
        QVERIFY(FindUnit(UnitId(unit), found) && found == unit);
        if (!UnitSymbol(unit).isEmpty())
            QVERIFY(FindUnit(UnitSymbol(unit), found) && found == unit);
    }
    QCOMPARE(UnitSymbol(auSquareMetre), QStringLiteral("m²"));
    QCOMPARE(UnitSymbol(vuLitre), QStringLiteral("L"));
    QCOMPARE(UnitSymbol(vuImperialGallon), QStringLiteral("imp gal"));
    QCOMPARE(UnitSymbol(luNone), QString());
}

void TestUnits::lengthsAreRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<TLengthParse>("status");
    QTest::addColumn<TLengthUnit>("unit");
    QTest::addColumn<qlonglong>("numerator"); // the exact length
    QTest::addColumn<qlonglong>("denominator");
    QTest::addColumn<QString>("unknown");
    const QChar point('.');
    const QChar comma(',');
    auto ok = [](const char* AName, const QString& AText, QChar ASeparator, TLengthUnit AUnit,
                 qlonglong ANumerator, qlonglong ADenominator) {
        QTest::newRow(AName) << AText << ASeparator << lpOk << AUnit << ANumerator << ADenominator
                             << QString();
    };
    auto bad = [](const char* AName, const QString& AText, QChar ASeparator, TLengthParse AStatus,
                  const QString& AUnknown = QString()) {
        QTest::newRow(AName) << AText << ASeparator << AStatus << luNone << 0LL << 1LL << AUnknown;
    };
    ok("10cm", "10cm", point, luCentimetre, 10, 1);
    ok("2.5in", "2.5in", point, luInch, 5, 2);
    ok("6ft3.5in", "6ft3.5in", point, luFeetAndInches, 151, 2);
    ok("1200mm", "1200mm", point, luMillimetre, 1200, 1);
    ok("blank before the unit", "1200 mm", point, luMillimetre, 1200, 1);
    ok("unit in capitals", "10 CM", point, luCentimetre, 10, 1);
    ok("exponent", "1e3mm", point, luMillimetre, 1000, 1);
    ok("decimal comma", "2,5in", comma, luInch, 5, 2);
    ok("yards", "10yd", point, luYard, 10, 1);
    ok("words with blanks", "3 ft 4 in", point, luFeetAndInches, 40, 1);
    ok("feet and inches", "6' 3.5\"", point, luFeetAndInches, 151, 2);
    ok("feet alone", "6'", point, luFeetAndInches, 72, 1);
    ok("inches as a mixed number", "3 1/2\"", point, luFeetAndInches, 7, 2);
    ok("no blank between", "6'3\"", point, luFeetAndInches, 75, 1);
    ok("inches without their mark", "6' 3", point, luFeetAndInches, 75, 1);
    ok("feet as a mixed number", "6 1/2'", point, luFeetAndInches, 78, 1);
    ok("a third of an inch", "1/3\"", point, luFeetAndInches, 1, 3);
    ok("decimal inches rounded once", "6' 3.1\"", point, luFeetAndInches, 751, 10);
    ok("decimal feet rounded once", "0.1'", point, luFeetAndInches, 6, 5);
    ok("feet and a mixed number of inches", "6' 3 3/8\"", point, luFeetAndInches, 603, 8);
    ok("primes", QStringLiteral("6′ 3″"), point, luFeetAndInches, 75, 1);
    ok("more than a foot of inches", "6' 15\"", point, luFeetAndInches, 87, 1);
    ok("negative", "-6' 3\"", point, luFeetAndInches, -75, 1);
    ok("bare number", "5", point, luNone, 5, 1);
    ok("bare decimal", " 0.1 ", point, luNone, 1, 10);
    bad("empty", "", point, lpNotANumber);
    bad("unit alone", "cm", point, lpNotANumber);
    bad("unknown unit", "10 furlongs", point, lpUnknownUnit, "furlongs");
    bad("ftin is no suffix", "10ftin", point, lpUnknownUnit, "ftin");
    bad("none is no suffix", "10none", point, lpUnknownUnit, "none");
    bad("an area unit", "10m2", point, lpNotANumber);
    bad("word that is no exponent", "5em", point, lpUnknownUnit, "em");
    bad("feet twice", "6' 3'", point, lpNotANumber);
    bad("inches before feet", "3\" 6'", point, lpNotANumber);
    bad("three parts", "6' 3\" 2", point, lpNotANumber);
    bad("zero denominator", "1/0\"", point, lpNotANumber);
    bad("fraction of a fraction", "1/2/3\"", point, lpNotANumber);
    bad("decimal and a fraction", "3.5 1/2\"", point, lpNotANumber);
    bad("two numbers", "6 3", point, lpNotANumber);
    bad("mark twice", "6''", point, lpNotANumber);
    bad("two separators", "2.5.5in", point, lpNotANumber);
    bad("number after a unit", "10cm5", point, lpNotANumber);
    bad("blank inside a fraction", "1 /2\"", point, lpNotANumber);
    bad("separator alone", ".", point, lpNotANumber);
    bad("the other separator", "1,5", point, lpNotANumber);
    bad("sign alone", "-", point, lpNotANumber);
    bad("sign inside", "6' -3\"", point, lpNotANumber);
    bad("metres and centimetres", "1m20cm", point, lpNotANumber);
    bad("unfinished fraction", "3 1/\"", point, lpNotANumber);
}

void TestUnits::lengthsAreRead() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(TLengthParse, status);
    QFETCH(TLengthUnit, unit);
    QFETCH(qlonglong, numerator);
    QFETCH(qlonglong, denominator);
    QFETCH(QString, unknown);
    TLength length;
    length.Value = -1;
    QString word;
    QCOMPARE(ParseLength(text, separator, length, &word), status);
    QCOMPARE(word, unknown);
    if (status != lpOk) {
        QCOMPARE(length.Value, Extended(-1)); // untouched
        return;
    }
    QCOMPARE(length.Unit, unit);
    QVERIFY2(IsNearest(length.Value, Fraction(numerator, denominator)),
             qPrintable(QString::number(static_cast<double>(length.Value), 'g', 21)));
}

void TestUnits::feetAndInchesEntriesAreRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("numerator"); // inches
    QTest::addColumn<qlonglong>("denominator");
    QTest::newRow("feet and inches") << "6' 3.5\"" << true << 151LL << 2LL;
    QTest::newRow("a bare number is feet") << "6" << true << 72LL << 1LL;
    QTest::newRow("bare mixed number") << "6 1/2" << true << 78LL << 1LL;
    QTest::newRow("bare decimal feet") << "0.1" << true << 6LL << 5LL;
    QTest::newRow("inches") << "3 1/2\"" << true << 7LL << 2LL;
    QTest::newRow("typed so far") << "6' 3 1/2" << true << 151LL << 2LL;
    QTest::newRow("words are not typed here") << "6ft" << false << 0LL << 1LL;
    QTest::newRow("nor exponents") << "1e3'" << false << 0LL << 1LL;
    QTest::newRow("empty") << "" << false << 0LL << 1LL;
    QTest::newRow("blanks") << "  " << false << 0LL << 1LL;
    QTest::newRow("fraction mark alone") << "/" << false << 0LL << 1LL;
}

void TestUnits::feetAndInchesEntriesAreRead() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, numerator);
    QFETCH(qlonglong, denominator);
    Extended inches = -1;
    QCOMPARE(ParseFeetAndInches(text, QLatin1Char('.'), inches), valid);
    if (valid)
        QVERIFY(IsNearest(inches, Fraction(numerator, denominator)));
    else
        QCOMPARE(inches, Extended(-1));
}

void TestUnits::feetAndInchesAreWritten_data() {
    QTest::addColumn<double>("inches");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("padding");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("7' 6.55\"") << 90.55 << 2 << true << '.' << "7' 6.55\"";
    QTest::newRow("decimal comma") << 90.55 << 2 << true << ',' << "7' 6,55\"";
    QTest::newRow("carry into the feet") << 95.999 << 2 << true << '.' << "8' 0.00\"";
    QTest::newRow("carry from no feet") << 11.996 << 2 << true << '.' << "1' 0.00\"";
    QTest::newRow("carry where the digits run out")
        << 11.999999999999976 << 14 << true << '.' << "1' 0.0000000000000\"";
    QTest::newRow("carry at no decimals") << 83.5 << 0 << true << '.' << "7' 0\"";
    QTest::newRow("rounding below the carry") << 83.49 << 0 << true << '.' << "6' 11\"";
    QTest::newRow("a foot") << 12.0 << 2 << true << '.' << "1' 0.00\"";
    QTest::newRow("zero") << 0.0 << 2 << true << '.' << "0' 0.00\"";
    QTest::newRow("tiny inches stay fixed") << 1e-5 << 2 << true << '.' << "0' 0.00\"";
    QTest::newRow("tiny inches at full precision")
        << 1e-5 << 14 << true << '.' << "0' 0.00001000000000\"";
    QTest::newRow("no padding") << 90.5 << 2 << false << '.' << "7' 6.5\"";
    QTest::newRow("negative") << -90.5 << 1 << true << '.' << "-7' 6.5\"";
    QTest::newRow("largest feet with inches")
        << 11999999999999994.0 << 2 << true << '.' << "999999999999999' 6.00\"";
    QTest::newRow("feet alone beyond") << 1.2e17 << 2 << true << '.' << "1.00E16'";
}

void TestUnits::feetAndInchesAreWritten() {
    QFETCH(double, inches);
    QFETCH(int, precision);
    QFETCH(bool, padding);
    QFETCH(char, separator);
    QFETCH(QString, expected);
    const TSeparatorGuard guard(separator);
    QCOMPARE(FeetAndInchesText(inches, static_cast<TPrecision>(precision), padding), expected);
}

// Around every carry, at every precision: the inches shown stay below 12 and the
// text reads back within half of its last decimal. Near full precision the 15
// digits RoundToStr writes leave fewer decimals than asked for; the last one
// shown is the step.
void TestUnits::writtenFeetAndInchesReadBackNeverTwelveInches() {
    for (int precision = 0; precision <= 14; ++precision) {
        const Extended step = std::pow(Extended(10), -precision);
        for (int feet = 0; feet < 40; feet += 13) {
            for (int k = -12; k <= 12; ++k) {
                const Extended inches = 12 * Extended(feet + 1) + k * step / 4;
                if (inches < 0)
                    continue;
                const QString text = FeetAndInchesText(inches, static_cast<TPrecision>(precision));
                const QString inchPart = text.section(QLatin1Char(' '), 1).chopped(1);
                Extended readBack = 0;
                QVERIFY2(ParseFeetAndInches(text, QLatin1Char('.'), readBack), qPrintable(text));
                bool ok = false;
                const double shownInches = inchPart.toDouble(&ok);
                QVERIFY2(ok && shownInches < 12, qPrintable(text));
                const qsizetype point = inchPart.indexOf(QLatin1Char('.'));
                const Extended shownStep =
                    std::pow(Extended(10), -int(point < 0 ? 0 : inchPart.size() - point - 1));
                // Half a step, and the rounding of a tie made of inexact decimals.
                QVERIFY2(std::fabs(readBack - inches) <= shownStep / 2 + inches * 1e-15L,
                         qPrintable(text));
            }
        }
    }
}

void TestUnits::shownQuantitiesCarryTheirUnits() {
    const TUnitChoice bare;
    QCOMPARE(ShownVolume(1000, bare).Value, Extended(1000));
    QCOMPARE(ShownVolume(1000, bare).Symbol, QString());
    QCOMPARE(ShownMass(2, 3, bare).Value, Extended(6)); // the preset density as ever
    QCOMPARE(ShownMass(2, 3, bare).Symbol, QString());

    TUnitChoice litres;
    litres.Length = luCentimetre;
    litres.Volume = vuLitre;
    // A cube of 10 cm holds one litre.
    QCOMPARE(ShownVolume(1000, litres).Value, Extended(1));
    QCOMPARE(WithUnit(QStringLiteral("1.00"), ShownVolume(1000, litres).Symbol),
             QStringLiteral("1.00 L"));
    // Area unit left at none: the bare number of square centimetres.
    QCOMPARE(ShownArea(600, litres).Value, Extended(600));
    QCOMPARE(ShownArea(600, litres).Symbol, QString());
    QCOMPARE(ShownLength(10, litres).Symbol, QStringLiteral("cm"));

    // A steel cube of 1 m weighs 7850 kg, of 100 cm too.
    TUnitChoice metres;
    metres.Length = luMetre;
    QCOMPARE(ShownMass(1, 7850, metres).Value, Extended(7850));
    QCOMPARE(ShownMass(1, 7850, metres).Symbol, QStringLiteral("kg"));
    metres.Length = luCentimetre;
    metres.Mass = muTonne;
    QCOMPARE(ShownMass(1e6L, 7850, metres).Value, 7.85L);
    QCOMPARE(ShownMass(1e6L, 7850, metres).Symbol, QStringLiteral("t"));

    TUnitChoice feet;
    feet.Length = luFeetAndInches;
    feet.Area = auSquareFoot;
    QVERIFY(ShownLength(90.55L, feet).FeetAndInches);
    QCOMPARE(ShownLength(90.55L, feet).Symbol, QString());
    QCOMPARE(ShownArea(144, feet).Value, Extended(1)); // square inches into square feet
    QCOMPARE(ShownArea(144, feet).Symbol, QStringLiteral("ft²"));
}

void TestUnits::choiceIsStoredByIds() {
    FSettings.Clear();
    QCOMPARE(ReadUnitChoice(), TUnitChoice());
    TUnitChoice choice;
    choice.Length = luFeetAndInches;
    choice.Area = auAcre;
    choice.Volume = vuImperialGallon;
    choice.Mass = muPound;
    WriteUnitChoice(choice);
    QCOMPARE(ReadUnitChoice(), choice);
    {
        const TSettingsStore store(SettingsKeys::Settings);
        QCOMPARE(store.ReadString(QString(), SettingNames::LengthUnit, QString()),
                 QStringLiteral("ftin"));
        QCOMPARE(store.ReadString(QString(), SettingNames::VolumeUnit, QString()),
                 QStringLiteral("impgal"));
    }
    // An id edited by hand in another letter case is read; an unknown one refused.
    {
        TSettingsStore store(SettingsKeys::Settings);
        store.WriteString(QString(), SettingNames::VolumeUnit, QStringLiteral("L"));
        store.WriteString(QString(), SettingNames::MassUnit, QStringLiteral("stone"));
    }
    const TUnitChoice read = ReadUnitChoice();
    QCOMPARE(read.Volume, vuLitre);
    QCOMPARE(read.Mass, TUnitChoice().Mass);
    QCOMPARE(read.Length, luFeetAndInches);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_Units.moc"
