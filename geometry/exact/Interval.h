// TInterval: an interval that holds the exact value of a quantity, at a binary
// precision chosen at run time (MPFI: every operation rounds its ends
// outwards). Where the exact value is a rational number that sums, products,
// quotients and square roots of typed decimals and constants make (a typed
// number, the area of a rectangle, the radius of a sphere through a segment),
// it is carried along as well (GMP), so that comparisons and shown digits are
// exact even for a value on a rounding boundary. A comparison that neither
// decides raises EUndecided: the evaluation is to be repeated at a higher
// precision.
//
// New intervals take the precision of the innermost TWorkingPrecision of the
// thread (128 bits without one).
#pragma once

#include "DecimalNumbers.h"
#include "Numbers.h"

#include <gmpxx.h>
#include <mpfi.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>

class TWorkingPrecision {
public:
    explicit TWorkingPrecision(mpfr_prec_t ABits);
    ~TWorkingPrecision();
    TWorkingPrecision(const TWorkingPrecision&) = delete;
    TWorkingPrecision& operator=(const TWorkingPrecision&) = delete;

    static mpfr_prec_t Current();

private:
    mpfr_prec_t FPrevious;
};

class TInterval {
public:
    // Exact zero.
    TInterval();
    // An exact value (a constant of the formulas, a count).
    template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
    explicit TInterval(S AValue) : TInterval() {
        SetExact(static_cast<long double>(AValue));
    }
    // The interval around a decimal, which is kept for exact comparisons.
    static TInterval FromDecimal(const TDecimalNumber& ANumber);

    TInterval(const TInterval& AOther);
    TInterval(TInterval&& AOther) noexcept;
    TInterval& operator=(const TInterval& AOther);
    TInterval& operator=(TInterval&& AOther) noexcept;
    ~TInterval();

    mpfi_srcptr Get() const { return FValue; }
    mpfi_ptr Get() { return FValue; }
    // The exact rational value, or nullptr where it is not known.
    const mpq_class* Exact() const { return FExact.get(); }
    // An interval of this value that also knows it exactly.
    void SetExact(mpq_class AValue);

    TInterval operator-() const;
    friend TInterval operator+(const TInterval& ALeft, const TInterval& ARight);
    friend TInterval operator-(const TInterval& ALeft, const TInterval& ARight);
    friend TInterval operator*(const TInterval& ALeft, const TInterval& ARight);
    friend TInterval operator/(const TInterval& ALeft, const TInterval& ARight);
    TInterval& operator+=(const TInterval& AOther) { return *this = *this + AOther; }
    TInterval& operator-=(const TInterval& AOther) { return *this = *this - AOther; }
    TInterval& operator*=(const TInterval& AOther) { return *this = *this * AOther; }

    friend bool operator<(const TInterval& ALeft, const TInterval& ARight);
    friend bool operator==(const TInterval& ALeft, const TInterval& ARight);

private:
    void SetExact(long double AValue);

    mpfi_t FValue;
    std::shared_ptr<const mpq_class> FExact;
};

template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator+(const TInterval& ALeft, S ARight) {
    return ALeft + TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator-(const TInterval& ALeft, S ARight) {
    return ALeft - TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator-(S ALeft, const TInterval& ARight) {
    return TInterval(ALeft) - ARight;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator*(const TInterval& ALeft, S ARight) {
    return ALeft * TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator*(S ALeft, const TInterval& ARight) {
    return TInterval(ALeft) * ARight;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator/(const TInterval& ALeft, S ARight) {
    return ALeft / TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
TInterval operator/(S ALeft, const TInterval& ARight) {
    return TInterval(ALeft) / ARight;
}

inline bool operator>(const TInterval& ALeft, const TInterval& ARight) {
    return ARight < ALeft;
}
inline bool operator<=(const TInterval& ALeft, const TInterval& ARight) {
    return !(ARight < ALeft);
}
inline bool operator>=(const TInterval& ALeft, const TInterval& ARight) {
    return !(ALeft < ARight);
}
inline bool operator!=(const TInterval& ALeft, const TInterval& ARight) {
    return !(ALeft == ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator<(const TInterval& ALeft, S ARight) {
    return ALeft < TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator>(const TInterval& ALeft, S ARight) {
    return TInterval(ARight) < ALeft;
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator<=(const TInterval& ALeft, S ARight) {
    return !(TInterval(ARight) < ALeft);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator>=(const TInterval& ALeft, S ARight) {
    return !(ALeft < TInterval(ARight));
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator==(const TInterval& ALeft, S ARight) {
    return ALeft == TInterval(ARight);
}
template <class S, class = std::enable_if_t<std::is_arithmetic_v<S>>>
bool operator!=(const TInterval& ALeft, S ARight) {
    return !(ALeft == TInterval(ARight));
}

// What the formulas need of a number type (Numbers.h). The repairs of 80-bit
// rounding never run for an exact type: NextUp and NextDown leave the value.
TInterval Sqrt(const TInterval& x);
TInterval Sin(const TInterval& x);
TInterval Cos(const TInterval& x);
TInterval Atan2(const TInterval& y, const TInterval& x);
TInterval Hypot(const TInterval& x, const TInterval& y);
TInterval Fabs(const TInterval& x);
Extended ValueOf(const TInterval& x); // the middle, rounded to Extended
TInterval NextUp(const TInterval& x);
TInterval NextDown(const TInterval& x);
TInterval WithRelativeError(const TInterval& x, Extended ARelative);
bool IsFinite(const TInterval& x);
// Certainly positive: true; certainly not: false; EUndecided otherwise.
bool IsFinitePositive(const TInterval& x);
// Exact for typed numbers; from the intervals otherwise.
bool SumExceeds(std::initializer_list<TInterval> ATerms, const TInterval& ABound);
void TwoSum(const TInterval& x, const TInterval& y, TInterval& s, TInterval& e);

// The ends of the interval as decimals with ADigits significant digits, the
// lower rounded down and the upper up: they still enclose the exact value.
// For an exact rational value, the decimals around it with enough digits to
// keep it apart from every decimal of up to 20 digits that it is not; the
// value itself where its decimal ends within them.
void DecimalBounds(const TInterval& x, int ADigits, TDecimalNumber& ALow, TDecimalNumber& AHigh);
// The point at the middle of the interval (for an iteration that is checked
// afterwards).
TInterval MiddleOf(const TInterval& x);
// The interval from the lower end of ALow to the upper end of AHigh.
TInterval Hull(const TInterval& ALow, const TInterval& AHigh);
// The middle of the interval to ADigits significant digits, "d.ddd...e+-x".
std::string MiddleText(const TInterval& x, int ADigits);
// The relative width of the interval (0 for a point, infinite around zero).
double RelativeWidth(const TInterval& x);

namespace Figures {
template <> struct TNumberTraits<TInterval> {
    static constexpr bool Exact = true;
    static TInterval Pi();
    static TInterval TwoPi();
    static TInterval HalfPi();
    static TInterval FourPi();
    static TInterval FourPiThirds();
    static TInterval PiSixths();
    static TInterval OneThird();
};
} // namespace Figures
