// A decimal number, exactly: a number as the user typed it, before any rounding
// to binary (the exact results of a figure are the results of its typed
// numbers), or an end of an interval that encloses an exact result.
#pragma once

#include "MathFunctions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TDecimalNumber {
public:
    // Zero.
    TDecimalNumber() = default;

    // AText: an optional '-' or '+', digits with at most one ASeparator among
    // or around them (at least one digit), and an optional exponent: 'e' or
    // 'E', an optional sign and digits. Nothing else, no blanks.
    static std::optional<TDecimalNumber> Parse(std::string_view AText, char ASeparator = '.');
    static TDecimalNumber FromInteger(std::int64_t AValue);

    // Half of it, exactly (a radius typed as a diameter).
    TDecimalNumber Halved() const;
    // AFactor times it, exactly (a multiple of a typed step).
    TDecimalNumber Times(std::int64_t AFactor) const;

    bool IsZero() const { return FDigits.empty(); }
    bool Negative() const { return FNegative; }
    // The value is +-Digits x 10^Exponent; the digits have no leading or
    // trailing zeros and are empty for zero.
    const std::string& Digits() const { return FDigits; }
    std::int64_t Exponent() const { return FExponent; }

    // "Digits" "e" "Exponent" with the sign, a text that strtold and MPFR read
    // whatever the C locale's decimal point.
    std::string Text() const;
    // The Extended nearest to the value (ties to even), and whether it is the
    // value itself; false may also mean that the test gave up.
    Extended Rounded() const;
    bool RoundsExactly() const;

    // -1, 0 or 1 as the exact value of ALeft is below, equal to or above ARight's.
    friend int Compare(const TDecimalNumber& ALeft, const TDecimalNumber& ARight);

private:
    // Strips the zeros and makes zero canonical.
    void Normalise();

    bool FNegative = false;
    std::string FDigits;
    std::int64_t FExponent = 0;
};
