// The number types the geometry is written for. The formulas of the figures
// are templates on their number type (namespace Figures); the program computes
// in Extended, TBounded (Bounded.h) carries an error bound along the same 80-bit
// computation, and TInterval (exact/Interval.h) encloses the exact value in an
// interval of any precision. What a formula needs of its number type is here,
// for Extended; the other types give the same names for themselves.
#pragma once

#include "MathFunctions.h"

#include <cmath>
#include <exception>
#include <initializer_list>
#include <limits>
#include <string>

// A comparison whose outcome the number type cannot tell for the exact values
// (the enclosures of the two sides overlap): the evaluation must be repeated
// with tighter values, or its results are uncertain. Extended never raises it.
class EUndecided : public std::exception {
public:
    const char* what() const noexcept override { return "undecided comparison"; }
};

namespace Figures {

template <class T> struct TNumberTraits;

// Extended computes what it computes: its comparisons decide on the rounded
// values, and the branches that only keep 80-bit arithmetic exact are taken.
template <> struct TNumberTraits<Extended> {
    // True for a type that encloses the exact value (no rounding to repair).
    static constexpr bool Exact = false;
    static Extended Pi() { return Constants::Pi; }
    static Extended TwoPi() { return Constants::TwoPi; }
    static Extended HalfPi() { return Constants::HalfPi; }
    static Extended FourPi() { return Constants::FourPi; }
    static Extended FourPiThirds() { return Constants::FourPiThirds; }
    static Extended PiSixths() { return Constants::PiSixths; }
    static Extended OneThird() { return Constants::OneThird; }
};

template <class T> constexpr bool IsExact = TNumberTraits<T>::Exact;

template <class T> T Pi() {
    return TNumberTraits<T>::Pi();
}
template <class T> T TwoPi() {
    return TNumberTraits<T>::TwoPi();
}
template <class T> T HalfPi() {
    return TNumberTraits<T>::HalfPi();
}
template <class T> T FourPi() {
    return TNumberTraits<T>::FourPi();
}
template <class T> T FourPiThirds() {
    return TNumberTraits<T>::FourPiThirds();
}
template <class T> T PiSixths() {
    return TNumberTraits<T>::PiSixths();
}
template <class T> T OneThird() {
    return TNumberTraits<T>::OneThird();
}

// The functions of <cmath> the formulas use.
inline Extended Sqrt(Extended x) {
    return std::sqrt(x);
}
inline Extended Sin(Extended x) {
    return std::sin(x);
}
inline Extended Cos(Extended x) {
    return std::cos(x);
}
inline Extended Atan2(Extended y, Extended x) {
    return std::atan2(y, x);
}
inline Extended Fabs(Extended x) {
    return std::fabs(x);
}
inline Extended Hypot(Extended x, Extended y) {
    return std::hypot(x, y);
}
inline Extended Fmin(Extended x, Extended y) {
    return std::fmin(x, y);
}

// The computed value as Extended: what a branch that repairs 80-bit rounding
// looks at.
inline Extended ValueOf(Extended x) {
    return x;
}
// The neighbours of a value, for those repairs.
inline Extended NextUp(Extended x) {
    return std::nextafter(x, std::numeric_limits<Extended>::infinity());
}
inline Extended NextDown(Extended x) {
    return std::nextafter(x, Extended(0));
}

// x with a further relative error of at most ARelative (a series cut off),
// which Extended does not account for.
inline Extended WithRelativeError(Extended x, Extended) {
    return x;
}

inline bool IsFinite(Extended x) {
    return std::isfinite(x);
}
inline bool IsFinitePositive(Extended x) {
    return std::isfinite(x) && x > 0;
}

// Whether the exact sum of ATerms exceeds ABound (MathFunctions.h).
inline bool SumExceeds(std::initializer_list<Extended> ATerms, Extended ABound) {
    return ::SumExceeds(ATerms, ABound);
}

// RequireFinite and RequirePositive (MathFunctions.h) for any number type.
template <class EError, class T>
void RequireFinite(std::initializer_list<T> AValues, const std::string& AOperation) {
    for (const T& Value : AValues) {
        if (!IsFinite(Value)) {
            throw EError(AOperation, true);
        }
    }
}

template <class EError, class T>
void RequirePositive(std::initializer_list<T> AValues, const std::string& AOperation) {
    for (const T& Value : AValues) {
        if (!IsFinitePositive(Value)) {
            throw EError(AOperation, true);
        }
    }
}

} // namespace Figures
