// TBounded: the 80-bit value that the program computes, together with a bound
// on its distance from the exact value of the quantity it stands for. The
// figures built in TBounded compute bit for bit what they compute in Extended
// and carry the bound along: the rounding of every operation, the errors of
// the 80-bit constants and the distance of each typed number from its 80-bit
// image, propagated to first order (products of two errors included; the
// quotient, square root and arc tangent by their exact Lipschitz bounds).
// Where an error is no longer small beside its value the bound becomes
// infinite. A comparison that the bounds cannot decide raises EUndecided.
//
// The C library's sin, cos, atan2 and hypot are taken to err by at most two
// units in the last place, and sin and cos also by 2^-64 of their argument
// (the reduction of a large argument).
#pragma once

#include "DecimalNumbers.h"
#include "Numbers.h"

#include <cmath>
#include <initializer_list>
#include <type_traits>

class TBounded {
public:
    // Exact zero.
    TBounded() = default;
    // An exact value.
    template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
    explicit TBounded(S AValue) : FValue(Extended(AValue)) {}
    // AValue within AError of the exact value.
    TBounded(Extended AValue, Extended AError) : FValue(AValue), FError(AError) {}
    // A typed number: its nearest Extended, and the distance (0 where it is
    // exact). It also refers to ANumber, which must outlive it and its copies,
    // so that comparisons between typed numbers are exact.
    static TBounded FromDecimal(const TDecimalNumber& ANumber);

    Extended Value() const { return FValue; }
    // Not below the distance of Value from the exact value; infinite when unknown.
    Extended Error() const { return FError; }

    TBounded operator-() const { return {-FValue, FError}; }
    friend TBounded operator+(const TBounded& ALeft, const TBounded& ARight);
    friend TBounded operator-(const TBounded& ALeft, const TBounded& ARight);
    friend TBounded operator*(const TBounded& ALeft, const TBounded& ARight);
    friend TBounded operator/(const TBounded& ALeft, const TBounded& ARight);
    TBounded& operator+=(const TBounded& AOther) { return *this = *this + AOther; }
    TBounded& operator-=(const TBounded& AOther) { return *this = *this - AOther; }
    TBounded& operator*=(const TBounded& AOther) { return *this = *this * AOther; }

    // Comparisons decide on the values where the bounds keep the exact values on
    // the same sides, and raise EUndecided where they do not.
    friend bool operator<(const TBounded& ALeft, const TBounded& ARight);
    friend bool operator==(const TBounded& ALeft, const TBounded& ARight);

private:
    Extended FValue = 0;
    Extended FError = 0;
    // The typed number this is, or nullptr (a result of arithmetic).
    const TDecimalNumber* FDecimal = nullptr;
};

// Mixed with exact numbers (the constants written in the formulas).
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator+(const TBounded& ALeft, S ARight) {
    return ALeft + TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator-(const TBounded& ALeft, S ARight) {
    return ALeft - TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator-(S ALeft, const TBounded& ARight) {
    return TBounded(ALeft) - ARight;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator*(const TBounded& ALeft, S ARight) {
    return ALeft * TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator*(S ALeft, const TBounded& ARight) {
    return TBounded(ALeft) * ARight;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator/(const TBounded& ALeft, S ARight) {
    return ALeft / TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TBounded operator/(S ALeft, const TBounded& ARight) {
    return TBounded(ALeft) / ARight;
}

inline bool operator>(const TBounded& ALeft, const TBounded& ARight) {
    return ARight < ALeft;
}
inline bool operator<=(const TBounded& ALeft, const TBounded& ARight) {
    return !(ARight < ALeft);
}
inline bool operator>=(const TBounded& ALeft, const TBounded& ARight) {
    return !(ALeft < ARight);
}
inline bool operator!=(const TBounded& ALeft, const TBounded& ARight) {
    return !(ALeft == ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator<(const TBounded& ALeft, S ARight) {
    return ALeft < TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator>(const TBounded& ALeft, S ARight) {
    return TBounded(ARight) < ALeft;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator<=(const TBounded& ALeft, S ARight) {
    return !(TBounded(ARight) < ALeft);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator>=(const TBounded& ALeft, S ARight) {
    return !(ALeft < TBounded(ARight));
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator==(const TBounded& ALeft, S ARight) {
    return ALeft == TBounded(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator!=(const TBounded& ALeft, S ARight) {
    return !(ALeft == TBounded(ARight));
}

// What the formulas need of a number type (Numbers.h).
TBounded Sqrt(const TBounded& x);
TBounded Sin(const TBounded& x);
TBounded Cos(const TBounded& x);
TBounded Atan2(const TBounded& y, const TBounded& x);
TBounded Hypot(const TBounded& x, const TBounded& y);
TBounded Fmin(const TBounded& x, const TBounded& y);
inline TBounded Fabs(const TBounded& x) {
    return {std::fabs(x.Value()), x.Error()};
}
inline Extended ValueOf(const TBounded& x) {
    return x.Value();
}
TBounded NextUp(const TBounded& x);
TBounded NextDown(const TBounded& x);
TBounded WithRelativeError(const TBounded& x, Extended ARelative);
inline bool IsFinite(const TBounded& x) {
    return std::isfinite(x.Value());
}
inline bool IsFinitePositive(const TBounded& x) {
    return std::isfinite(x.Value()) && x.Value() > 0;
}
// The decision of SumExceeds on the values, where the bounds cannot change it.
bool SumExceeds(std::initializer_list<TBounded> ATerms, const TBounded& ABound);
// TwoSum on the values; the sum carries the errors, the remainder is exact.
void TwoSum(const TBounded& x, const TBounded& y, TBounded& s, TBounded& e);

namespace Figures {
template <> struct TNumberTraits<TBounded> {
    static constexpr bool Exact = false;
    static TBounded Pi();
    static TBounded TwoPi();
    static TBounded HalfPi();
    static TBounded FourPi();
    static TBounded FourPiThirds();
    static TBounded PiSixths();
    static TBounded OneThird();
};
} // namespace Figures
