#include "ShownValues.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Where the last shown digit is, for a value of that sign whose 15-digit
// rounding is 0.ddd x 10^AExponent15.
struct TLayout {
    bool Mantissa;
    int Decimals;
    int Position; // the power of ten of the last shown digit
    int Exponent; // the shown decimal exponent (mantissa form)
};

TLayout LayoutOf(bool ANegative, int AExponent15, TShownForm AForm) {
    // RoundToStr writes at most 15 digits and signs, the sign included.
    const int Sign = ANegative ? 1 : 0;
    const int Precision = AForm.Precision;
    if (AForm.Semilogarithmic || AExponent15 > 15 || AExponent15 < -3) {
        const int Decimals = std::min(Precision, 14 - Sign);
        return {true, Decimals, (AExponent15 - 1) - Decimals, AExponent15 - 1};
    }
    const int Decimals = AExponent15 >= 1
                             ? std::max(0, std::min(Precision, 15 - AExponent15 - Sign))
                             : std::min(Precision, 14 - Sign);
    return {false, Decimals, -Decimals, 0};
}

// The text of ARounded x 10^Position in ALayout, written from the right.
TShownValue TextOf(std::uint64_t ARounded, bool ANegative, const TLayout& ALayout,
                   TShownCertainty ACertainty) {
    char Buffer[48];
    char* Begin = Buffer + sizeof Buffer;
    std::uint64_t Rest = ARounded;
    for (int Digit = 0; Digit < ALayout.Decimals; ++Digit) {
        *--Begin = char('0' + Rest % 10);
        Rest /= 10;
    }
    if (ALayout.Decimals > 0) {
        *--Begin = '.';
    }
    do {
        *--Begin = char('0' + Rest % 10);
        Rest /= 10;
    } while (Rest != 0);
    // A value that rounds to zero is written without a sign.
    if (ANegative && ARounded != 0) {
        *--Begin = '-';
    }
    TShownValue Result;
    Result.Certainty = ACertainty;
    Result.Digits.assign(Begin, Buffer + sizeof Buffer);
    if (ALayout.Mantissa) {
        Result.Exponent = ALayout.Exponent;
        Result.Decade = ALayout.Exponent != 0;
    }
    return Result;
}

TShownValue ZeroText(TShownForm AForm) {
    // Zero has no exponent to show in either form.
    return TextOf(0, false, {false, std::min<int>(AForm.Precision, 14), -1, 0}, scCertain);
}

// ---- Exact decimals -------------------------------------------------------------------

// The 15-digit rounding's exponent of a magnitude D x 10^E: 0.ddd x 10^result.
std::int64_t Exponent15(const TDecimalNumber& AMagnitude) {
    const std::string& Digits = AMagnitude.Digits();
    const std::int64_t Lead = AMagnitude.Exponent() + std::int64_t(Digits.size());
    const bool Carry =
        Digits.size() > 15 && Digits.find_first_not_of('9') >= 15 && Digits[15] >= '5';
    return Lead + (Carry ? 1 : 0);
}

// The magnitude rounded half up at the power of ten APosition, as an integer;
// nothing where it would not fit.
std::optional<std::uint64_t> RoundedAt(const TDecimalNumber& AMagnitude, std::int64_t APosition) {
    const std::string& Digits = AMagnitude.Digits();
    const std::int64_t Size = std::int64_t(Digits.size());
    const std::int64_t Kept = Size + AMagnitude.Exponent() - APosition;
    if (Kept > 19) {
        return std::nullopt;
    }
    if (Kept < 0) {
        return 0;
    }
    std::uint64_t Result = 0;
    for (std::int64_t I = 0; I < Kept; ++I) {
        Result = Result * 10 + std::uint64_t(I < Size ? Digits[std::size_t(I)] - '0' : 0);
    }
    if (Kept < Size && Digits[std::size_t(Kept)] >= '5') {
        ++Result;
    }
    return Result;
}

TDecimalNumber Magnitude(const TDecimalNumber& ANumber) {
    return ANumber.Negative() ? ANumber.Times(-1) : ANumber;
}

// ---- Extended -------------------------------------------------------------------------

// 10^0 .. 10^27, exact in Extended.
constexpr Extended ExactPowers10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                      1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                      1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                      1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr int ExactPowers = 28;

// AValue / 10^AExponent: one rounding for |AExponent| < 28 (a product or a
// quotient by an exact power), a few units in the last place beyond (powl).
Extended Scaled10(Extended AValue, int AExponent) {
    if (AExponent >= 0 && AExponent < ExactPowers) {
        return AValue / ExactPowers10[AExponent];
    }
    if (AExponent < 0 && -AExponent < ExactPowers) {
        return AValue * ExactPowers10[-AExponent];
    }
    return AValue / std::pow(Extended(10), Extended(AExponent));
}

// The 15-digit rounding's exponent of a magnitude, unless it is too close to
// the point where that rounding carries (10^n (1 - 5 x 10^-16)) to tell.
std::optional<int> Exponent15(Extended AMagnitude) {
    // The place of the leading digit from the binary exponent, then put right.
    int Binary = 0;
    std::frexp(AMagnitude, &Binary);
    int Lead = int(std::floor((Binary - 1) * 0.30102999566398120L)) + 1;
    Extended Ratio = Scaled10(AMagnitude, Lead - 1);
    while (Ratio < 1) {
        --Lead;
        Ratio *= 10;
    }
    while (Ratio >= 10) {
        ++Lead;
        Ratio /= 10;
    }
    constexpr Extended Carry = 9.999999999999995L;
    if (std::fabs(Ratio - Carry) < 0x1p-52L) {
        return std::nullopt;
    }
    return Ratio > Carry ? Lead + 1 : Lead;
}

// AScaled rounded half up, unless it is within 2^-58 of a half.
std::optional<std::uint64_t> RoundedClearly(Extended AScaled) {
    const Extended Rounded = std::floor(AScaled + 0.5L);
    const Extended Margin = AScaled * 0x1p-58L;
    if (!(AScaled - (Rounded - 0.5L) > Margin && (Rounded + 0.5L) - AScaled > Margin)) {
        return std::nullopt;
    }
    return std::uint64_t(Rounded);
}

} // namespace

TShownValue ShownValue(const TDecimalNumber& ALow, const TDecimalNumber& AHigh, TShownForm AForm) {
    if (Compare(ALow, AHigh) > 0) {
        return {};
    }
    if (ALow.IsZero() && AHigh.IsZero()) {
        return ZeroText(AForm);
    }
    const bool Negative = AHigh.Negative() || AHigh.IsZero();
    const TDecimalNumber Near = Negative ? Magnitude(AHigh) : ALow;
    const TDecimalNumber Far = Negative ? Magnitude(ALow) : AHigh;
    const TLayout FarLayout = LayoutOf(Negative, int(Exponent15(Far)), AForm);
    const std::optional<std::uint64_t> FarRounded = RoundedAt(Far, FarLayout.Position);
    if (!FarRounded) {
        return {};
    }
    const TShownValue FarText = TextOf(*FarRounded, Negative, FarLayout, scUncertain);
    // Zero inside: no sign, no layout.
    if (Near.IsZero() || Near.Negative() != Far.Negative()) {
        return FarText;
    }
    if (Exponent15(Near) != Exponent15(Far)) {
        return FarText;
    }
    const std::optional<std::uint64_t> NearRounded = RoundedAt(Near, FarLayout.Position);
    if (!NearRounded || *NearRounded != *FarRounded) {
        return FarText;
    }
    return TextOf(*FarRounded, Negative, FarLayout, scCertain);
}

TShownValue ShownValue(Extended ALow, Extended AHigh, TShownForm AForm) {
    if (!(ALow <= AHigh)) {
        return {};
    }
    if (ALow == 0 && AHigh == 0) {
        return ZeroText(AForm);
    }
    if (ALow <= 0 && AHigh >= 0) {
        return {};
    }
    const bool Negative = AHigh < 0;
    const Extended Near = Negative ? -AHigh : ALow;
    const Extended Far = Negative ? -ALow : AHigh;
    // Powers of ten beyond these would leave the range of Extended.
    if (!(Near >= 1e-4900L && Far <= 1e4900L)) {
        return {};
    }
    const std::optional<int> NearExponent = Exponent15(Near);
    const std::optional<int> FarExponent = Exponent15(Far);
    if (!NearExponent || !FarExponent || *NearExponent != *FarExponent) {
        return {};
    }
    const TLayout Layout = LayoutOf(Negative, *FarExponent, AForm);
    // The shown digits as an integer are below 10^16, where Extended holds the
    // halves exactly.
    const std::optional<std::uint64_t> NearRounded =
        RoundedClearly(Scaled10(Near, Layout.Position));
    const std::optional<std::uint64_t> FarRounded = RoundedClearly(Scaled10(Far, Layout.Position));
    if (!NearRounded || !FarRounded || *NearRounded != *FarRounded) {
        return {};
    }
    return TextOf(*FarRounded, Negative, Layout, scCertain);
}

bool ShownRange(Extended AValue, TShownForm AForm, Extended& ALow, Extended& AHigh) {
    if (!(AValue > 0)) {
        return false;
    }
    const TShownValue Own = ShownValue(AValue, AValue, AForm);
    const std::optional<int> Exponent = Exponent15(AValue);
    if (Own.Certainty != scCertain || !Exponent) {
        return false;
    }
    const TLayout Layout = LayoutOf(false, *Exponent, AForm);
    const Extended Step = Scaled10(1, -Layout.Position);
    const Extended Rounded = std::floor(Scaled10(AValue, Layout.Position) + 0.5L);
    ALow = ((Rounded - 0.5L) * Step) * (1 + 0x1p-56L);
    AHigh = ((Rounded + 0.5L) * Step) * (1 - 0x1p-56L);
    const TShownValue Range = ShownValue(ALow, AHigh, AForm);
    return Range.Certainty == scCertain && Range.Digits == Own.Digits &&
           Range.Exponent == Own.Exponent;
}
