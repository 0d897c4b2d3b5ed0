#include "Units.h"

#include "NumberFormat.h"
#include "NumberParsing.h"
#include "Settings.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Exact fractions of the units' definitions. x86-64 compilers (the only ones
// that build the program) all have this type.
__extension__ typedef unsigned __int128 TUInt128;

struct TExact {
    TUInt128 Numerator;
    TUInt128 Denominator;
};

constexpr TExact operator*(TExact A, TExact B) {
    return {A.Numerator * B.Numerator, A.Denominator * B.Denominator};
}
constexpr TExact Whole(unsigned long long AValue) {
    return {AValue, 1};
}
constexpr TExact Square(TExact A) {
    return A * A;
}
constexpr TExact Cube(TExact A) {
    return A * A * A;
}

// The definitions, in metres, square metres, cubic metres and kilograms.
constexpr TExact Metre{1, 1};
constexpr TExact Millimetre{1, 1000};
constexpr TExact Centimetre{1, 100};
constexpr TExact Decimetre{1, 10};
constexpr TExact Kilometre = Whole(1000);
constexpr TExact Inch{254, 10000};
constexpr TExact Foot = Whole(12) * Inch;
constexpr TExact Yard = Whole(3) * Foot;
constexpr TExact Litre = Cube(Decimetre);
constexpr TExact USGallon = Whole(231) * Cube(Inch);
constexpr TExact Kilogram{1, 1};
constexpr TExact Pound{45359237, 100000000};

struct TUnitRow {
    const char* Id;
    const char* Symbol; // UTF-8
    TExact Definition;
};

// In the order of the enums.
const TUnitRow LengthRows[LengthUnitCount] = {
    {"none", "", Metre},     {"mm", "mm", Millimetre}, {"cm", "cm", Centimetre},
    {"dm", "dm", Decimetre}, {"m", "m", Metre},        {"km", "km", Kilometre},
    {"in", "in", Inch},      {"ft", "ft", Foot},       {"yd", "yd", Yard},
    {"ftin", "ft-in", Inch}, // its numbers are inches
};
const TUnitRow AreaRows[AreaUnitCount] = {
    {"none", "", Metre},
    {"mm2", "mm²", Square(Millimetre)},
    {"cm2", "cm²", Square(Centimetre)},
    {"dm2", "dm²", Square(Decimetre)},
    {"m2", "m²", Square(Metre)},
    {"km2", "km²", Square(Kilometre)},
    {"ha", "ha", Whole(10000)},
    {"in2", "in²", Square(Inch)},
    {"ft2", "ft²", Square(Foot)},
    {"yd2", "yd²", Square(Yard)},
    {"acre", "ac", Whole(4840) * Square(Yard)},
};
const TUnitRow VolumeRows[VolumeUnitCount] = {
    {"none", "", Metre},
    {"mm3", "mm³", Cube(Millimetre)},
    {"cm3", "cm³", Cube(Centimetre)},
    {"ml", "mL", TExact{1, 1000} * Litre},
    {"dm3", "dm³", Cube(Decimetre)},
    {"l", "L", Litre},
    {"hl", "hL", Whole(100) * Litre},
    {"m3", "m³", Cube(Metre)},
    {"in3", "in³", Cube(Inch)},
    {"ft3", "ft³", Cube(Foot)},
    {"yd3", "yd³", Cube(Yard)},
    {"gal", "US gal", USGallon},
    {"impgal", "imp gal", TExact{454609, 100000} * Litre},
    {"bbl", "bbl", Whole(42) * USGallon},
};
const TUnitRow MassRows[MassUnitCount] = {
    {"g", "g", TExact{1, 1000}},         {"kg", "kg", Kilogram}, {"t", "t", Whole(1000)},
    {"oz", "oz", TExact{1, 16} * Pound}, {"lb", "lb", Pound},
};

TUInt128 GreatestCommonDivisor(TUInt128 A, TUInt128 B) {
    while (B != 0) {
        const TUInt128 Rest = A % B;
        A = B;
        B = Rest;
    }
    return A;
}

int TrailingZeros(TUInt128& AValue) {
    int count = 0;
    while (AValue != 0 && (AValue & 1) == 0) {
        AValue >>= 1;
        ++count;
    }
    return count;
}

// AFrom / ATo in lowest terms, the powers of two taken out.
TUnitFactor Ratio(const TExact& AFrom, const TExact& ATo) {
    TUInt128 numerator = AFrom.Numerator * ATo.Denominator;
    TUInt128 denominator = AFrom.Denominator * ATo.Numerator;
    const TUInt128 divisor = GreatestCommonDivisor(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    TUnitFactor factor;
    factor.Exponent = TrailingZeros(numerator) - TrailingZeros(denominator);
    // Every pair of units of the tables fits; the test of the factors checks them all.
    if ((numerator >> 64) != 0 || (denominator >> 64) != 0)
        throw std::logic_error("unit factor beyond 64 bits");
    factor.Numerator = static_cast<std::uint64_t>(numerator);
    factor.Denominator = static_cast<std::uint64_t>(denominator);
    return factor;
}

// A unit's row, or null for a value outside its enumeration. (The bound also keeps
// GCC's -O3 from merging the tables' instantiations into one of the wrong size.)
const TUnitRow* RowOf(const TUnitRow* ARows, std::size_t ACount, int AIndex) {
    return AIndex >= 0 && std::size_t(AIndex) < ACount ? &ARows[AIndex] : nullptr;
}

template <std::size_t N> QString IdOf(const TUnitRow (&ARows)[N], int AIndex) {
    const TUnitRow* row = RowOf(ARows, N, AIndex);
    return row ? QString::fromLatin1(row->Id) : QString();
}

template <std::size_t N> QString SymbolOf(const TUnitRow (&ARows)[N], int AIndex) {
    const TUnitRow* row = RowOf(ARows, N, AIndex);
    return row ? QString::fromUtf8(row->Symbol) : QString();
}

template <std::size_t N> int IndexOf(const TUnitRow (&ARows)[N], const QString& AText) {
    const QString text = AText.trimmed();
    if (text.isEmpty())
        return -1;
    for (std::size_t i = 0; i < N; ++i)
        if (text.compare(QLatin1String(ARows[i].Id), Qt::CaseInsensitive) == 0 ||
            text.compare(QString::fromUtf8(ARows[i].Symbol), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

template <std::size_t N> QString IdsOf(const TUnitRow (&ARows)[N]) {
    QStringList ids;
    for (const TUnitRow& row : ARows)
        ids << QString::fromLatin1(row.Id);
    return ids.join(QStringLiteral(", "));
}

template <class TUnit, std::size_t N>
bool FindIn(const TUnitRow (&ARows)[N], const QString& AText, TUnit& AUnit) {
    const int index = IndexOf(ARows, AText);
    if (index < 0)
        return false;
    AUnit = static_cast<TUnit>(index);
    return true;
}

// --- Rounding once ------------------------------------------------------------------

// A 256-bit quotient, most significant 64 bits first.
struct TWideQuotient {
    std::uint64_t Limbs[4] = {};
    bool RemainderNonZero = false;

    bool Bit(int AIndex) const { return ((Limbs[3 - AIndex / 64] >> (AIndex % 64)) & 1) != 0; }
    int BitLength() const {
        for (int limb = 0; limb < 4; ++limb)
            for (int bit = 63; bit >= 0; --bit)
                if (((Limbs[limb] >> bit) & 1) != 0)
                    return (3 - limb) * 64 + bit + 1;
        return 0;
    }
};

// floor(ANumerator * 2^128 / ADivisor) and whether anything remained.
TWideQuotient DivideWide(TUInt128 ANumerator, std::uint64_t ADivisor) {
    const std::uint64_t dividend[4] = {static_cast<std::uint64_t>(ANumerator >> 64),
                                       static_cast<std::uint64_t>(ANumerator), 0, 0};
    TWideQuotient quotient;
    TUInt128 remainder = 0;
    for (int i = 0; i < 4; ++i) {
        // The remainder is below the divisor, so the partial quotient fits 64 bits.
        const TUInt128 current = (remainder << 64) | dividend[i];
        quotient.Limbs[i] = static_cast<std::uint64_t>(current / ADivisor);
        remainder = current % ADivisor;
    }
    quotient.RemainderNonZero = remainder != 0;
    return quotient;
}

} // namespace

QString UnitId(TLengthUnit AUnit) {
    return IdOf(LengthRows, AUnit);
}
QString UnitId(TAreaUnit AUnit) {
    return IdOf(AreaRows, AUnit);
}
QString UnitId(TVolumeUnit AUnit) {
    return IdOf(VolumeRows, AUnit);
}
QString UnitId(TMassUnit AUnit) {
    return IdOf(MassRows, AUnit);
}

QString UnitSymbol(TLengthUnit AUnit) {
    return SymbolOf(LengthRows, AUnit);
}
QString UnitSymbol(TAreaUnit AUnit) {
    return SymbolOf(AreaRows, AUnit);
}
QString UnitSymbol(TVolumeUnit AUnit) {
    return SymbolOf(VolumeRows, AUnit);
}
QString UnitSymbol(TMassUnit AUnit) {
    return SymbolOf(MassRows, AUnit);
}

bool FindUnit(const QString& AText, TLengthUnit& AUnit) {
    return FindIn(LengthRows, AText, AUnit);
}
bool FindUnit(const QString& AText, TAreaUnit& AUnit) {
    return FindIn(AreaRows, AText, AUnit);
}
bool FindUnit(const QString& AText, TVolumeUnit& AUnit) {
    return FindIn(VolumeRows, AText, AUnit);
}
bool FindUnit(const QString& AText, TMassUnit& AUnit) {
    return FindIn(MassRows, AText, AUnit);
}

QString LengthUnitIds() {
    return IdsOf(LengthRows);
}
QString AreaUnitIds() {
    return IdsOf(AreaRows);
}
QString VolumeUnitIds() {
    return IdsOf(VolumeRows);
}
QString MassUnitIds() {
    return IdsOf(MassRows);
}

TUnitFactor LengthFactor(TLengthUnit AFrom, TLengthUnit ATo) {
    if (AFrom == luNone || ATo == luNone)
        return {};
    return Ratio(LengthRows[AFrom].Definition, LengthRows[ATo].Definition);
}

TUnitFactor AreaFactor(TAreaUnit AFrom, TAreaUnit ATo) {
    if (AFrom == auNone || ATo == auNone)
        return {};
    return Ratio(AreaRows[AFrom].Definition, AreaRows[ATo].Definition);
}

TUnitFactor VolumeFactor(TVolumeUnit AFrom, TVolumeUnit ATo) {
    if (AFrom == vuNone || ATo == vuNone)
        return {};
    return Ratio(VolumeRows[AFrom].Definition, VolumeRows[ATo].Definition);
}

TUnitFactor MassFactor(TMassUnit AFrom, TMassUnit ATo) {
    return Ratio(MassRows[AFrom].Definition, MassRows[ATo].Definition);
}

TUnitFactor AreaFactor(TLengthUnit ALength, TAreaUnit ATo) {
    if (ALength == luNone || ATo == auNone)
        return {};
    return Ratio(Square(LengthRows[ALength].Definition), AreaRows[ATo].Definition);
}

TUnitFactor VolumeFactor(TLengthUnit ALength, TVolumeUnit ATo) {
    if (ALength == luNone || ATo == vuNone)
        return {};
    return Ratio(Cube(LengthRows[ALength].Definition), VolumeRows[ATo].Definition);
}

TUnitFactor MassFactor(TLengthUnit ALength, TMassUnit ATo) {
    if (ALength == luNone)
        return {};
    // kg/m³ times m³ is kilograms.
    return Ratio(Cube(LengthRows[ALength].Definition), MassRows[ATo].Definition);
}

TUnitFactor InverseFactor(const TUnitFactor& AFactor) {
    TUnitFactor inverse;
    inverse.Numerator = AFactor.Denominator;
    inverse.Denominator = AFactor.Numerator;
    inverse.Exponent = -AFactor.Exponent;
    return inverse;
}

Extended Convert(Extended AValue, const TUnitFactor& AFactor) {
    if (AFactor.Numerator == AFactor.Denominator)
        return std::ldexp(AValue, AFactor.Exponent);
    if (!std::isfinite(AValue) || AValue == 0)
        return AValue;
    // |AValue| = mantissa * 2^(exponent - 64), the mantissa a 64-bit integer.
    int exponent = 0;
    const Extended fraction = std::frexp(std::fabs(AValue), &exponent);
    // Only the x87's invalid encodings (unnormals and their kind) fail this; the
    // hardware makes a NaN of them.
    if (!(fraction >= 0.5L && fraction < 1))
        return AValue * static_cast<Extended>(AFactor.Numerator);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    // mantissa * Numerator / Denominator * 2^128 has at least 128 bits: the 64
    // kept, a rounding bit and the rest that only matters as being zero or not.
    const TWideQuotient quotient =
        DivideWide(static_cast<TUInt128>(mantissa) * AFactor.Numerator, AFactor.Denominator);
    const int length = quotient.BitLength();
    int shift = length - 64;
    std::uint64_t kept = 0;
    for (int bit = 0; bit < 64; ++bit)
        kept |= static_cast<std::uint64_t>(quotient.Bit(shift + bit)) << bit;
    const bool half = quotient.Bit(shift - 1);
    bool below = quotient.RemainderNonZero;
    for (int bit = 0; bit < shift - 1 && !below; ++bit)
        below = quotient.Bit(bit);
    if (half && (below || (kept & 1) != 0)) {
        ++kept;
        if (kept == 0) { // 2^64: one bit more
            kept = std::uint64_t(1) << 63;
            ++shift;
        }
    }
    const Extended magnitude =
        std::ldexp(static_cast<Extended>(kept), shift + exponent - 64 - 128 + AFactor.Exponent);
    return AValue < 0 ? -magnitude : magnitude;
}

// --- Lengths as typed -----------------------------------------------------------------

namespace {

constexpr char16_t Prime = u'\u2032';
constexpr char16_t DoublePrime = u'\u2033';

bool IsDigit(QChar AChar) {
    return AChar >= QLatin1Char('0') && AChar <= QLatin1Char('9');
}

bool IsLetter(QChar AChar) {
    return (AChar >= QLatin1Char('a') && AChar <= QLatin1Char('z')) ||
           (AChar >= QLatin1Char('A') && AChar <= QLatin1Char('Z'));
}

// Whether ADigits (at most 38) fit, and their value.
bool DigitsValue(const QString& ADigits, TUInt128& AValue) {
    if (ADigits.size() > 38)
        return false;
    AValue = 0;
    for (const QChar digit : ADigits)
        AValue = AValue * 10 + static_cast<unsigned>(digit.unicode() - u'0');
    return true;
}

bool Multiply(TUInt128 A, TUInt128 B, TUInt128& AProduct) {
    return !__builtin_mul_overflow(A, B, &AProduct);
}

bool Add(TUInt128 A, TUInt128 B, TUInt128& ASum) {
    return !__builtin_add_overflow(A, B, &ASum);
}

// ANumerator / ADenominator, rounded once where both fit 64 bits in lowest terms.
Extended Quotient(TUInt128 ANumerator, TUInt128 ADenominator) {
    const TUInt128 divisor = GreatestCommonDivisor(ANumerator, ADenominator);
    if (divisor > 1) {
        ANumerator /= divisor;
        ADenominator /= divisor;
    }
    return static_cast<Extended>(ANumerator) / static_cast<Extended>(ADenominator);
}

// One number of a length: a decimal, a fraction or a whole number and a fraction.
// Exact: the value is Numerator / Denominator; Value is the nearest Extended
// where the number stands alone.
struct TQuantity {
    bool Exact = false;
    TUInt128 Numerator = 0;
    TUInt128 Denominator = 1;
    Extended Value = 0;
};

enum TLengthMark : std::uint8_t { lmNone, lmFeet, lmInches, lmWord };

struct TPart {
    TQuantity Quantity;
    TLengthMark Mark = lmNone;
    TLengthUnit Unit = luNone; // of a word
};

class TLengthScanner {
public:
    TLengthScanner(const QString& AText, QChar ASeparator, bool AWords)
        : FText(AText), FSeparator(ASeparator), FWords(AWords) {}

    TLengthParse Scan(TLength& ALength, QString* AUnknownUnit);

private:
    QChar Peek(int AAhead = 0) const {
        return FPosition + AAhead < FText.size() ? FText.at(FPosition + AAhead) : QChar();
    }
    bool AtEnd() const { return FPosition >= FText.size(); }
    bool SkipBlanks();
    QString ReadDigits();
    QString ReadLetters();
    bool ReadExponent();
    bool ReadQuantity(TQuantity& AQuantity);
    TLengthParse ReadMark(TPart& APart, QString* AUnknownUnit);
    bool Combine(const QList<TPart>& AParts, TLength& ALength) const;

    const QString FText;
    const QChar FSeparator;
    const bool FWords;
    int FPosition = 0;
};

bool TLengthScanner::SkipBlanks() {
    const int start = FPosition;
    while (!AtEnd() && Peek().isSpace())
        ++FPosition;
    return FPosition > start;
}

QString TLengthScanner::ReadDigits() {
    const int start = FPosition;
    while (!AtEnd() && IsDigit(Peek()))
        ++FPosition;
    return FText.mid(start, FPosition - start);
}

QString TLengthScanner::ReadLetters() {
    const int start = FPosition;
    while (!AtEnd() && IsLetter(Peek()))
        ++FPosition;
    return FText.mid(start, FPosition - start);
}

// An exponent ("e3", "E-5") where words may follow numbers: "1e3mm".
bool TLengthScanner::ReadExponent() {
    if (!FWords || (Peek() != QLatin1Char('e') && Peek() != QLatin1Char('E')))
        return false;
    const int sign = (Peek(1) == QLatin1Char('+') || Peek(1) == QLatin1Char('-')) ? 1 : 0;
    if (!IsDigit(Peek(1 + sign)))
        return false; // a word such as "em"
    FPosition += 1 + sign;
    ReadDigits();
    return true;
}

bool TLengthScanner::ReadQuantity(TQuantity& AQuantity) {
    const int start = FPosition;
    const QString whole = ReadDigits();
    if (Peek() == FSeparator) {
        ++FPosition;
        const QString decimals = ReadDigits();
        if (whole.isEmpty() && decimals.isEmpty())
            return false;
        const bool exponent = ReadExponent();
        // The parser of typed numbers rounds a decimal once.
        if (!TryTextToExtended(FText.mid(start, FPosition - start), AQuantity.Value, FSeparator))
            return false;
        TUInt128 power = 1;
        AQuantity.Exact = !exponent && DigitsValue(whole + decimals, AQuantity.Numerator) &&
                          decimals.size() <= 38;
        for (int i = 0; AQuantity.Exact && i < decimals.size(); ++i)
            AQuantity.Exact = Multiply(power, 10, power);
        AQuantity.Denominator = power;
        return true;
    }
    if (whole.isEmpty())
        return false;
    if (ReadExponent())
        return TryTextToExtended(FText.mid(start, FPosition - start), AQuantity.Value, FSeparator);
    TUInt128 numerator = 0;
    TUInt128 denominator = 1;
    if (Peek() == QLatin1Char('/')) {
        ++FPosition;
        const QString below = ReadDigits();
        if (below.isEmpty() || !DigitsValue(whole, numerator) || !DigitsValue(below, denominator) ||
            denominator == 0)
            return false;
    } else {
        if (!DigitsValue(whole, numerator))
            return TryTextToExtended(whole, AQuantity.Value, FSeparator);
        // "3 1/2": a whole number, blanks and a fraction; anything else after the
        // blanks is the next part of the length.
        const int afterWhole = FPosition;
        const bool blanks = SkipBlanks();
        const QString above = ReadDigits();
        if (!blanks || above.isEmpty() || Peek() != QLatin1Char('/')) {
            FPosition = afterWhole;
        } else {
            ++FPosition;
            TUInt128 aboveValue = 0;
            if (!DigitsValue(above, aboveValue) || !DigitsValue(ReadDigits(), denominator) ||
                denominator == 0 || !Multiply(numerator, denominator, numerator) ||
                !Add(numerator, aboveValue, numerator))
                return false;
        }
    }
    AQuantity.Exact = true;
    AQuantity.Numerator = numerator;
    AQuantity.Denominator = denominator;
    AQuantity.Value = Quotient(numerator, denominator);
    return true;
}

TLengthParse TLengthScanner::ReadMark(TPart& APart, QString* AUnknownUnit) {
    const QChar mark = Peek();
    if (mark == QLatin1Char('\'') || mark == QChar(Prime)) {
        ++FPosition;
        APart.Mark = lmFeet;
    } else if (mark == QLatin1Char('"') || mark == QChar(DoublePrime)) {
        ++FPosition;
        APart.Mark = lmInches;
    } else if (FWords && IsLetter(mark)) {
        const QString word = ReadLetters();
        TLengthUnit unit = luNone;
        if (!FindUnit(word, unit) || unit == luNone || unit == luFeetAndInches) {
            if (AUnknownUnit)
                *AUnknownUnit = word;
            return lpUnknownUnit;
        }
        APart.Mark = lmWord;
        APart.Unit = unit;
    }
    return lpOk;
}

TLengthParse TLengthScanner::Scan(TLength& ALength, QString* AUnknownUnit) {
    SkipBlanks();
    const bool negative = Peek() == QLatin1Char('-');
    if (negative || Peek() == QLatin1Char('+'))
        ++FPosition;
    QList<TPart> parts;
    TLengthParse result = lpOk;
    for (SkipBlanks(); !AtEnd(); SkipBlanks()) {
        TPart part;
        if (parts.size() == 2 || !ReadQuantity(part.Quantity))
            return lpNotANumber;
        SkipBlanks();
        result = ReadMark(part, AUnknownUnit);
        if (result != lpOk)
            return result;
        parts.append(part);
    }
    TLength length;
    if (!Combine(parts, length))
        return lpNotANumber;
    if (negative)
        length.Value = -length.Value;
    ALength = length;
    return lpOk;
}

bool TLengthScanner::Combine(const QList<TPart>& AParts, TLength& ALength) const {
    if (AParts.isEmpty())
        return false;
    const TPart& first = AParts.first();
    const bool feetFirst = first.Mark == lmFeet || (first.Mark == lmWord && first.Unit == luFoot);
    if (AParts.size() == 1 && first.Mark != lmFeet) {
        ALength.Value = first.Quantity.Value;
        ALength.Unit = first.Mark == lmWord     ? first.Unit
                       : first.Mark == lmInches ? luFeetAndInches
                                                : luNone;
        return true;
    }
    // Feet, and perhaps inches after them: a length in inches.
    TQuantity inches;
    inches.Exact = true;
    if (AParts.size() == 2) {
        const TPart& second = AParts.at(1);
        if (!feetFirst || !(second.Mark == lmNone || second.Mark == lmInches ||
                            (second.Mark == lmWord && second.Unit == luInch)))
            return false;
        inches = second.Quantity;
    }
    const TQuantity& feet = first.Quantity;
    ALength.Unit = luFeetAndInches;
    TUInt128 numerator = 0;
    TUInt128 other = 0;
    TUInt128 denominator = 0;
    if (feet.Exact && inches.Exact && Multiply(feet.Numerator, 12, numerator) &&
        Multiply(numerator, inches.Denominator, numerator) &&
        Multiply(inches.Numerator, feet.Denominator, other) && Add(numerator, other, numerator) &&
        Multiply(feet.Denominator, inches.Denominator, denominator)) {
        ALength.Value = Quotient(numerator, denominator);
    } else {
        ALength.Value = 12 * feet.Value + inches.Value;
    }
    return true;
}

} // namespace

TLengthParse ParseLength(const QString& AText, QChar ASeparator, TLength& ALength,
                         QString* AUnknownUnit) {
    return TLengthScanner(AText, ASeparator, true).Scan(ALength, AUnknownUnit);
}

bool ParseFeetAndInches(const QString& AText, QChar ASeparator, Extended& AInches) {
    TLength length;
    if (TLengthScanner(AText, ASeparator, false).Scan(length, nullptr) != lpOk)
        return false;
    if (length.Unit == luNone) {
        // A bare number is feet: read again as if it had its mark.
        if (TLengthScanner(AText.trimmed() + QLatin1Char('\''), ASeparator, false)
                .Scan(length, nullptr) != lpOk)
            return false;
    }
    if (!std::isfinite(length.Value))
        return false;
    AInches = length.Value;
    return true;
}

QString FeetAndInchesText(Extended AInches, TPrecision APrecision, bool AZeroPadding) {
    if (!std::isfinite(AInches) || APrecision > 14)
        return QString();
    const QString sign = AInches < 0 ? QStringLiteral("-") : QString();
    const Extended inches = std::fabs(AInches);
    Extended feet = std::floor(inches / 12);
    if (feet >= 1e15L)
        return sign + QString::fromStdString(RoundToStr(APrecision, AZeroPadding, inches / 12)) +
               QLatin1Char('\'');
    // Exact: whole feet below 10^15 and their inches are both multiples of the
    // length's last place.
    Extended rest = inches - 12 * feet;
    if (rest < 0) {
        feet -= 1;
        rest += 12;
    } else if (rest >= 12) {
        feet += 1;
        rest -= 12;
    }
    const QString separator = QString(QChar::fromLatin1(DecimalSeparator()));
    QString inchText;
    if (rest >= 0.001L) {
        inchText = QString::fromStdString(RoundToStr(APrecision, AZeroPadding, rest));
    } else {
        // RoundToStr writes tiny numbers as 1E-5; one more is written in full, to
        // as many decimals, and its "1" becomes "0" again.
        inchText = QString::fromStdString(RoundToStr(APrecision, AZeroPadding, rest + 1));
        inchText.replace(0, 1, QStringLiteral("0"));
    }
    // 12 inches carry into the feet. "12.000" loses a digit before the point to
    // "0.000" and keeps its decimals: near full precision RoundToStr's 15 digits
    // leave fewer than APrecision, and a zero written afresh would claim more.
    if (inchText.section(separator, 0, 0) == QLatin1String("12")) {
        feet += 1;
        inchText.replace(0, 2, QStringLiteral("0"));
    }
    return sign + QString::fromStdString(RoundToStr(0, false, feet)) + QStringLiteral("' ") +
           inchText + QLatin1Char('"');
}

QString WithUnit(const QString& ANumber, const QString& ASymbol) {
    return ASymbol.isEmpty() ? ANumber : ANumber + QLatin1Char(' ') + ASymbol;
}

// --- The chosen units -------------------------------------------------------------------

namespace {

template <class TUnit>
TUnit ReadUnit(const TSettingsStore& AStore, const QString& AName, TUnit ADefault) {
    TUnit unit = ADefault;
    FindUnit(AStore.ReadString(QString(), AName, QString()), unit);
    return unit;
}

} // namespace

TUnitChoice ReadUnitChoice() {
    const TSettingsStore store(SettingsKeys::Settings);
    const TUnitChoice defaults;
    TUnitChoice choice;
    choice.Length = ReadUnit(store, SettingNames::LengthUnit, defaults.Length);
    choice.Area = ReadUnit(store, SettingNames::AreaUnit, defaults.Area);
    choice.Volume = ReadUnit(store, SettingNames::VolumeUnit, defaults.Volume);
    choice.Mass = ReadUnit(store, SettingNames::MassUnit, defaults.Mass);
    return choice;
}

void WriteUnitChoice(const TUnitChoice& AChoice) {
    TSettingsStore store(SettingsKeys::Settings);
    store.WriteString(QString(), SettingNames::LengthUnit, UnitId(AChoice.Length));
    store.WriteString(QString(), SettingNames::AreaUnit, UnitId(AChoice.Area));
    store.WriteString(QString(), SettingNames::VolumeUnit, UnitId(AChoice.Volume));
    store.WriteString(QString(), SettingNames::MassUnit, UnitId(AChoice.Mass));
}

TShownQuantity ShownLength(Extended ALength, const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = ALength;
    shown.FeetAndInches = AChoice.Length == luFeetAndInches;
    if (!shown.FeetAndInches)
        shown.Symbol = UnitSymbol(AChoice.Length);
    return shown;
}

TShownQuantity ShownArea(Extended AArea, const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = Convert(AArea, AreaFactor(AChoice.Length, AChoice.Area));
    if (AChoice.Length != luNone)
        shown.Symbol = UnitSymbol(AChoice.Area);
    return shown;
}

TShownQuantity ShownVolume(Extended AVolume, const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = Convert(AVolume, VolumeFactor(AChoice.Length, AChoice.Volume));
    if (AChoice.Length != luNone)
        shown.Symbol = UnitSymbol(AChoice.Volume);
    return shown;
}

TShownQuantity ShownMass(Extended AVolume, Extended ADensity, const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = Convert(AVolume * ADensity, MassFactor(AChoice.Length, AChoice.Mass));
    if (AChoice.Length != luNone)
        shown.Symbol = UnitSymbol(AChoice.Mass);
    return shown;
}

// --- Quantities of a figure -------------------------------------------------------------

namespace {

// The factor of an area or a volume in the square or cube of AFrom into that of ATo.
TUnitFactor SquareFactor(TLengthUnit AFrom, TLengthUnit ATo) {
    return Ratio(Square(LengthRows[AFrom].Definition), Square(LengthRows[ATo].Definition));
}

TUnitFactor CubeFactor(TLengthUnit AFrom, TLengthUnit ATo) {
    return Ratio(Cube(LengthRows[AFrom].Definition), Cube(LengthRows[ATo].Definition));
}

} // namespace

TShownQuantity ShownQuantity(Extended AValue, TQuantityKind AKind, TLengthUnit AFrom,
                             const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = AValue;
    const TLengthUnit to = AChoice.Length;
    if (to == luNone)
        return shown;
    const TLengthUnit from = AFrom == luNone ? to : AFrom;
    switch (AKind) {
    case qkLength:
        shown.Value = Convert(AValue, LengthFactor(from, to));
        shown.FeetAndInches = to == luFeetAndInches;
        if (!shown.FeetAndInches)
            shown.Symbol = UnitSymbol(to);
        break;
    case qkArea:
        shown.Value = Convert(AValue, AChoice.Area == auNone ? SquareFactor(from, to)
                                                             : AreaFactor(from, AChoice.Area));
        shown.Symbol = UnitSymbol(AChoice.Area);
        break;
    case qkVolume:
        shown.Value =
            Convert(AValue, AChoice.Volume == vuNone ? CubeFactor(from, to)
                                                     : VolumeFactor(from, AChoice.Volume));
        shown.Symbol = UnitSymbol(AChoice.Volume);
        break;
    case qkPercentage:
        break;
    }
    return shown;
}

TShownQuantity ShownMassOf(Extended AMass, TLengthUnit AFrom, const TUnitChoice& AChoice) {
    TShownQuantity shown;
    shown.Value = AMass;
    if (AChoice.Length == luNone)
        return shown;
    const TLengthUnit from = AFrom == luNone ? AChoice.Length : AFrom;
    shown.Value = Convert(AMass, MassFactor(from, AChoice.Mass));
    shown.Symbol = UnitSymbol(AChoice.Mass);
    return shown;
}

QString ShownUnitId(TQuantityKind AKind, const TUnitChoice& AChoice) {
    if (AKind == qkPercentage)
        return QStringLiteral("%");
    if (AChoice.Length == luNone)
        return QString();
    // Feet and inches are numbers of inches; a bare area or volume is in the
    // square or cube of the length unit.
    const QString length = UnitId(AChoice.Length == luFeetAndInches ? luInch : AChoice.Length);
    switch (AKind) {
    case qkArea:
        return AChoice.Area == auNone ? length + QLatin1Char('2') : UnitId(AChoice.Area);
    case qkVolume:
        return AChoice.Volume == vuNone ? length + QLatin1Char('3') : UnitId(AChoice.Volume);
    default:
        return length;
    }
}

QString ShownMassUnitId(const TUnitChoice& AChoice) {
    return AChoice.Length == luNone ? QString() : UnitId(AChoice.Mass);
}

QString ShownText(const TShownQuantity& AQuantity, TPrecision APrecision) {
    if (AQuantity.FeetAndInches)
        return FeetAndInchesText(AQuantity.Value, APrecision);
    return WithUnit(QuantityText(AQuantity.Value, APrecision), AQuantity.Symbol);
}

QString LengthEntryText(Extended AValue, TLengthUnit AUnit) {
    if (!std::isfinite(AValue))
        return QString();
    if (AUnit != luFeetAndInches)
        return GeneralText(AValue);
    const QString sign = AValue < 0 ? QStringLiteral("-") : QString();
    const Extended inches = std::fabs(AValue);
    Extended feet = std::floor(inches / 12);
    if (feet == 0)
        return sign + GeneralText(inches) + QLatin1Char('"');
    if (feet >= 1e15L)
        return sign + GeneralText(inches / 12) + QLatin1Char('\'');
    // The inches to the decimals that the whole length's 15 digits reach, so that
    // the text reads back as that length ("6' 3.5"", not "6' 3.50000000000001"").
    const TDecimalDigits digits = DecimalDigits(inches);
    const Extended scale =
        std::pow(10.0L, std::max(0, int(digits.Digits.size()) - digits.Exponent));
    QString restText = GeneralText(std::round((inches - 12 * feet) * scale) / scale);
    if (restText == QLatin1String("12")) {
        feet += 1;
        restText = QStringLiteral("0");
    }
    return sign + GeneralText(feet) + QStringLiteral("' ") + restText + QLatin1Char('"');
}

Extended ConvertLength(Extended ALength, TLengthUnit AFrom, TLengthUnit ATo) {
    return Convert(ALength, LengthFactor(AFrom, ATo));
}
