// RoundToStr and FloatEqual on any 80-bit patterns, every precision (valid and
// not), padding on and off, both decimal separators. Each call either gives a
// text that reads back as the value to the precision shown, or is rejected as
// "RoundToStr" / "FloatEqual"; nothing else.
//
// Input: flags (separator, padding), precision, a count of values, then the
// values as 10-byte images.
#include "FuzzSupport.h"
#include "MathFunctions.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

char GSeparator = '.';
char FuzzSeparator() {
    return GSeparator;
}

const char* const MathPrefix = "Invalid input in MathFunctions unit: \r\n\r\n";

void CheckRejection(const EInvalidInputMathFunctions& AError, const char* AOperation) {
    FUZZ_CHECK(AError.Operation() == AOperation, AError.Operation());
    FUZZ_CHECK(std::string(AError.what()) == std::string(MathPrefix) + AOperation, AError.what());
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// The parts of a RoundToStr text: "-"? digits (separator digits)? ("E" "-"? exponent)?
struct TParts {
    bool Negative = false;
    std::string Integer;
    std::string Decimals;
    bool HasSeparator = false;
    bool Scientific = false;
    std::string Exponent; // with its sign
};

bool Split(const std::string& AText, char ASeparator, TParts& AParts) {
    std::size_t I = 0;
    const std::size_t N = AText.size();
    if (I < N && AText[I] == '-') {
        AParts.Negative = true;
        ++I;
    }
    while (I < N && IsDigit(AText[I]))
        AParts.Integer += AText[I++];
    if (AParts.Integer.empty())
        return false;
    if (I < N && AText[I] == ASeparator) {
        AParts.HasSeparator = true;
        ++I;
        while (I < N && IsDigit(AText[I]))
            AParts.Decimals += AText[I++];
        if (AParts.Decimals.empty())
            return false;
    }
    if (I < N && AText[I] == 'E') {
        AParts.Scientific = true;
        ++I;
        if (I < N && AText[I] == '-')
            AParts.Exponent += AText[I++];
        const std::size_t First = I;
        while (I < N && IsDigit(AText[I]))
            AParts.Exponent += AText[I++];
        // The exponent has digits, and no leading zero.
        if (I == First || (AText[First] == '0' && I - First > 1))
            return false;
    }
    return I == N;
}

void CheckText(const std::string& AText, TPrecision APrecision, bool AZeroPadding,
               Extended AValue) {
    const std::string Context = "text \"" + AText + "\" of " + Fuzz::Image(AValue) +
                                ", precision " + std::to_string(APrecision) +
                                (AZeroPadding ? ", padded" : ", unpadded");
    TParts Parts;
    FUZZ_CHECK(Split(AText, GSeparator, Parts), "malformed " + Context);
    // Leading zeros only in "0" itself.
    FUZZ_CHECK(Parts.Integer.size() == 1 || Parts.Integer[0] != '0', Context);
    const std::size_t Decimals = Parts.Decimals.size();
    FUZZ_CHECK(Decimals <= APrecision, "more decimals than asked: " + Context);
    if (AZeroPadding) {
        // All the decimals asked for, unless 15 characters before and after the
        // separator would be exceeded (a carry may add one before it).
        const std::size_t Before = Parts.Integer.size() + (Parts.Negative ? 1 : 0);
        FUZZ_CHECK(Decimals == APrecision || Before + Decimals == 15 || Before + Decimals == 16,
                   "padding: " + Context);
    } else if (Parts.HasSeparator) {
        FUZZ_CHECK(Parts.Decimals.back() != '0', "trailing zero: " + Context);
    }
    // A value that rounds to zero carries no sign.
    if (Parts.Negative)
        FUZZ_CHECK(Parts.Integer.find_first_not_of('0') != std::string::npos ||
                       Parts.Decimals.find_first_not_of('0') != std::string::npos,
                   "signed zero: " + Context);
    FUZZ_CHECK(!Parts.Negative || AValue < 0, "sign: " + Context);

    // The text reads back as the value, to half a unit of its last digit and the
    // 15 significant digits that the general text keeps. The value is brought to
    // the scale of the mantissa in two steps, so that neither step leaves the
    // range of Extended (or loses digits below it).
    std::string Plain = (Parts.Negative ? "-" : "") + Parts.Integer;
    if (Parts.HasSeparator)
        Plain += "." + Parts.Decimals;
    const Extended Mantissa = std::strtold(Plain.c_str(), nullptr);
    const int Exponent = Parts.Scientific ? std::atoi(Parts.Exponent.c_str()) : 0;
    const int Half = -Exponent / 2;
    const Extended Scaled =
        AValue * std::pow(10.0L, Extended(Half)) * std::pow(10.0L, Extended(-Exponent - Half));
    const Extended Error = std::fabs(Mantissa - Scaled);
    const Extended Allowed =
        std::pow(10.0L, -Extended(Decimals)) * 0.5000001L + std::fabs(Scaled) * 1e-14L;
    FUZZ_CHECK(std::isfinite(Scaled) && Error <= Allowed, "does not read back: " + Context);
}

std::string Format(TPrecision APrecision, bool AZeroPadding, Extended AValue, char ASeparator) {
    GSeparator = ASeparator;
    return RoundToStr(APrecision, AZeroPadding, AValue);
}

void FuzzRoundToStr(TPrecision APrecision, bool AZeroPadding, Extended AValue) {
    const bool Valid = APrecision <= 14 && std::isfinite(AValue);
    std::string Point, Comma;
    try {
        Point = Format(APrecision, AZeroPadding, AValue, '.');
        Comma = Format(APrecision, AZeroPadding, AValue, ',');
    } catch (const EInvalidInputMathFunctions& Error) {
        FUZZ_CHECK(!Valid, "rejected " + Fuzz::Image(AValue) + " at precision " +
                               std::to_string(APrecision));
        CheckRejection(Error, "RoundToStr");
        return;
    }
    FUZZ_CHECK(Valid, "gave \"" + Point + "\" for " + Fuzz::Image(AValue) + " at precision " +
                          std::to_string(APrecision));
    // The separator is the only difference.
    std::string Swapped = Point;
    for (char& C : Swapped)
        if (C == '.')
            C = ',';
    FUZZ_CHECK(Swapped == Comma, Point + " / " + Comma);
    GSeparator = ',';
    CheckText(Comma, APrecision, AZeroPadding, AValue);
}

void FuzzFloatEqual(const std::vector<Extended>& AValues, TPrecision APrecision) {
    bool Valid = !AValues.empty() && APrecision <= 14;
    for (const Extended Value : AValues)
        Valid = Valid && std::isfinite(Value);
    bool Equal = false;
    try {
        Equal = FloatEqual(AValues, APrecision);
    } catch (const EInvalidInputMathFunctions& Error) {
        FUZZ_CHECK(!Valid, "FloatEqual rejected valid values");
        CheckRejection(Error, "FloatEqual");
        return;
    }
    FUZZ_CHECK(Valid, "FloatEqual accepted an invalid call");
    // Equal exactly when every neighbouring pair shows the same text.
    GSeparator = '.';
    bool Expected = true;
    for (std::size_t I = 0; I + 1 < AValues.size(); ++I)
        Expected = Expected && RoundToStr(APrecision, true, AValues[I]) ==
                                   RoundToStr(APrecision, true, AValues[I + 1]);
    FUZZ_CHECK(Equal == Expected, "FloatEqual disagrees with the texts");
    FUZZ_CHECK(FloatEqual({AValues[0], AValues[0]}, APrecision), "not reflexive");
    if (AValues.size() >= 2)
        FUZZ_CHECK(FloatEqual({AValues[0], AValues[1]}, APrecision) ==
                       FloatEqual({AValues[1], AValues[0]}, APrecision),
                   "not symmetric");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    SetDecimalSeparatorProvider(&FuzzSeparator);
    Fuzz::TInput Input(AData, ASize);
    const std::uint8_t Flags = Input.Byte();
    const bool ZeroPadding = (Flags & 1) != 0;
    // Mostly the valid precisions, now and then one past them or any byte.
    const std::uint8_t PrecisionByte = Input.Byte();
    const TPrecision Precision =
        (Flags & 2) ? PrecisionByte : static_cast<TPrecision>(PrecisionByte % 16);
    const std::size_t Count = (Flags >> 2) % 5; // FloatEqual on 0 to 4 values
    const Extended First = Input.RawExtended();
    std::vector<Extended> Values;
    if (Count > 0)
        Values.push_back(First);
    while (Values.size() < Count)
        Values.push_back(Input.RawExtended());

    FuzzRoundToStr(Precision, ZeroPadding, First);
    FuzzFloatEqual(Values, Precision);
    return 0;
}
