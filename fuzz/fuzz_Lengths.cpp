// Lengths as the entries, pastes and the command line deliver them, and the unit
// conversions: ParseLength and ParseFeetAndInches on any text with either
// separator, FeetAndInchesText on what they read, Convert on any 80-bit pattern.
// Checked: a text the marks-only reader takes reads the same as ParseLength reads
// it, a length written in feet and inches reads back within half its last decimal
// and never shows 12 inches, an unknown unit is named and is no length unit, and a
// conversion keeps the sign and stays within an ulp or two of the plain product.
//
// Input: a byte of flags (separator, precision, unit pair), ten bytes of an
// 80-bit value, then the text.
#include "FuzzSupport.h"
#include "MathFunctions.h"
#include "Units.h"

#include <QString>
#include <cmath>
#include <string>

namespace {

char GSeparator = '.';
char FuzzSeparator() {
    return GSeparator;
}

std::string Show(const QString& AText) {
    return "text \"" + AText.toStdString() + "\"";
}

bool HasLetters(const QString& AText) {
    for (const QChar C : AText)
        if (C.isLetter())
            return true;
    return false;
}

void FuzzParsing(const QString& AText, QChar ASeparator, TPrecision APrecision) {
    TLength Length;
    QString Unknown;
    const TLengthParse State = ParseLength(AText, ASeparator, Length, &Unknown);
    if (State == lpUnknownUnit) {
        TLengthUnit Unit = luNone;
        FUZZ_CHECK(!Unknown.isEmpty(), Show(AText) + ": an unknown unit without its word");
        FUZZ_CHECK(!FindUnit(Unknown, Unit) || Unit == luNone || Unit == luFeetAndInches,
                   Show(AText) + ": a length unit called unknown");
    }
    Extended Inches = 12345;
    const bool Marks = ParseFeetAndInches(AText, ASeparator, Inches);
    if (!Marks) {
        FUZZ_CHECK(Inches == 12345, Show(AText) + ": value changed though refused");
        return;
    }
    FUZZ_CHECK(std::isfinite(Inches), Show(AText) + " read as " + Fuzz::Image(Inches));
    FUZZ_CHECK(!HasLetters(AText), Show(AText) + ": letters taken in feet and inches");
    FUZZ_CHECK(State == lpOk, Show(AText) + ": taken with marks only, refused with units");
    if (Length.Unit == luFeetAndInches)
        FUZZ_CHECK(Length.Value == Inches, Show(AText) + " read as " + Fuzz::Image(Inches) +
                                               " and as " + Fuzz::Image(Length.Value));

    // Written at a precision and read back.
    if (std::fabs(Inches) >= 1.2e15L)
        return; // feet alone, in the semilogarithmic form
    const QString Written = FeetAndInchesText(Inches, APrecision);
    Extended Back = 0;
    FUZZ_CHECK(ParseFeetAndInches(Written, QChar::fromLatin1(GSeparator), Back),
               Show(Written) + " written for " + Fuzz::Image(Inches) + " does not read back");
    const QString InchPart = Written.section(QLatin1Char(' '), 1).chopped(1);
    FUZZ_CHECK(!InchPart.startsWith(QLatin1String("12")), Show(Written) + ": 12 inches shown");
    // RoundToStr writes 15 digits at most: the last decimal shown is the step. It
    // rounds to 18 digits first, and the inches it writes are below 13 (tiny ones
    // are written as one more): that first rounding may move them by 5e-17.
    const qsizetype Point = InchPart.indexOf(QChar::fromLatin1(GSeparator));
    const Extended Step = std::pow(Extended(10), -int(Point < 0 ? 0 : InchPart.size() - Point - 1));
    FUZZ_CHECK(std::fabs(Back - Inches) <= Step / 2 + 1e-16L + std::fabs(Inches) * 1e-15L,
               Show(Written) + " written for " + Fuzz::Image(Inches));
}

void FuzzConversion(Extended AValue, std::uint8_t APair) {
    const auto From = static_cast<TVolumeUnit>(1 + APair % (VolumeUnitCount - 1));
    const auto To = static_cast<TVolumeUnit>(1 + (APair / 16) % (VolumeUnitCount - 1));
    const TUnitFactor Factor = VolumeFactor(From, To);
    const Extended Result = Convert(AValue, Factor);
    // The plain product below loses digits to its own underflow and overflow near
    // the ends of the range, where the unit factors (within 2^80) could take it.
    if (!std::isfinite(AValue) || std::fabs(AValue) < std::ldexp(LDBL_MIN, 160) ||
        std::fabs(AValue) > std::ldexp(LDBL_MAX, -160))
        return;
    FUZZ_CHECK(std::signbit(Result) == std::signbit(AValue), "sign of " + Fuzz::Image(AValue));
    const Extended Plain = std::ldexp(
        AValue * Extended(Factor.Numerator) / Extended(Factor.Denominator), Factor.Exponent);
    FUZZ_CHECK(std::fabs(Result - Plain) <= 4 * LDBL_EPSILON * std::fabs(Plain),
               Fuzz::Image(AValue) + " converted to " + Fuzz::Image(Result) + ", not near " +
                   Fuzz::Image(Plain));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    SetDecimalSeparatorProvider(&FuzzSeparator);
    Fuzz::TInput Input(AData, ASize);
    const std::uint8_t Flags = Input.Byte();
    GSeparator = (Flags & 0x80) ? ',' : '.';
    const Extended Value = Input.RawExtended();
    const std::string Bytes = Input.Rest();
    const QString Text = QString::fromUtf8(Bytes.data(), qsizetype(Bytes.size()));
    FuzzParsing(Text, QChar::fromLatin1(GSeparator), static_cast<TPrecision>(Flags % 15));
    FuzzConversion(Value, Flags);
    return 0;
}
