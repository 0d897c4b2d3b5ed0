#include "Bounded.h"

#include <algorithm>
#include <cfloat>
#include <limits>

namespace {

// The rounding of one operation to nearest: at most 2^-64 of its result.
constexpr Extended Unit = 0x1p-64L;
// What the C library's functions are taken to err: two units in the last place.
constexpr Extended LibraryUnit = 0x1p-62L;
// Beyond this error relative to its value a divisor or the point of an arc
// tangent is not trusted to first order.
constexpr Extended Small = 0x1p-20L;

const Extended Infinite = std::numeric_limits<Extended>::infinity();

Extended Rounding(Extended AResult) {
    return std::fabs(AResult) * Unit;
}

} // namespace

TBounded TBounded::FromDecimal(const TDecimalNumber& ANumber) {
    const Extended Value = ANumber.Rounded();
    TBounded Result(Value, 0);
    if (ANumber.RoundsExactly()) {
        Result.FError = 0;
    } else if (!std::isfinite(Value)) {
        Result.FError = Infinite;
    } else if (std::fabs(Value) < LDBL_MIN) {
        Result.FError = LDBL_TRUE_MIN; // a unit of the subnormal range
    } else {
        // Half a unit in the last place of the nearest Extended.
        Result.FError = std::ldexp(Extended(1), std::ilogb(Value) - 64);
    }
    Result.FDecimal = &ANumber;
    return Result;
}

TBounded operator+(const TBounded& ALeft, const TBounded& ARight) {
    const Extended Value = ALeft.FValue + ARight.FValue;
    return {Value, (ALeft.FError + ARight.FError) + Rounding(Value)};
}

TBounded operator-(const TBounded& ALeft, const TBounded& ARight) {
    const Extended Value = ALeft.FValue - ARight.FValue;
    return {Value, (ALeft.FError + ARight.FError) + Rounding(Value)};
}

TBounded operator*(const TBounded& ALeft, const TBounded& ARight) {
    const Extended Value = ALeft.FValue * ARight.FValue;
    // |xy - x'y'| <= |x| e_y + |y| e_x + e_x e_y.
    const Extended Error =
        (std::fabs(ALeft.FValue) * ARight.FError + std::fabs(ARight.FValue) * ALeft.FError) +
        ALeft.FError * ARight.FError;
    return {Value, Error + Rounding(Value)};
}

TBounded operator/(const TBounded& ALeft, const TBounded& ARight) {
    const Extended Value = ALeft.FValue / ARight.FValue;
    // |x/y - x'/y'| <= (|x/y| e_y + e_x) / (|y| - e_y), for a divisor clear of zero.
    const Extended Divisor = std::fabs(ARight.FValue);
    if (!(ARight.FError <= Divisor * Small)) {
        return {Value, Infinite};
    }
    const Extended Error =
        (std::fabs(Value) * ARight.FError + ALeft.FError) / (Divisor - ARight.FError);
    return {Value, Error + Rounding(Value)};
}

bool operator<(const TBounded& ALeft, const TBounded& ARight) {
    // Two typed numbers are compared exactly; where the 80-bit values would
    // decide otherwise the branch is not the program's, and the slow path takes it.
    if (ALeft.FDecimal && ARight.FDecimal) {
        const bool Decision = Compare(*ALeft.FDecimal, *ARight.FDecimal) < 0;
        if (Decision != (ALeft.FValue < ARight.FValue)) {
            throw EUndecided();
        }
        return Decision;
    }
    const Extended Error = ALeft.FError + ARight.FError;
    if (Error == 0) {
        return ALeft.FValue < ARight.FValue;
    }
    const Extended Difference = ALeft.FValue - ARight.FValue;
    if (!(std::fabs(Difference) * (1 - 2 * Unit) > Error)) {
        throw EUndecided();
    }
    return ALeft.FValue < ARight.FValue;
}

bool operator==(const TBounded& ALeft, const TBounded& ARight) {
    if (ALeft.FDecimal && ARight.FDecimal) {
        const bool Decision = Compare(*ALeft.FDecimal, *ARight.FDecimal) == 0;
        if (Decision != (ALeft.FValue == ARight.FValue)) {
            throw EUndecided();
        }
        return Decision;
    }
    const Extended Error = ALeft.FError + ARight.FError;
    if (Error == 0) {
        return ALeft.FValue == ARight.FValue;
    }
    const Extended Difference = ALeft.FValue - ARight.FValue;
    if (!(std::fabs(Difference) * (1 - 2 * Unit) > Error)) {
        throw EUndecided();
    }
    return false;
}

TBounded Sqrt(const TBounded& x) {
    const Extended Value = std::sqrt(x.Value());
    // |sqrt(X) - sqrt(v)| <= |X - v| / sqrt(v) for X, v >= 0, and <= sqrt|X - v|.
    if (x.Value() > 0) {
        return {Value, x.Error() / Value + Rounding(Value)};
    }
    if (x.Value() == 0) {
        return {Value, std::sqrt(x.Error())};
    }
    return {Value, Infinite};
}

TBounded Sin(const TBounded& x) {
    const Extended Value = std::sin(x.Value());
    return {Value, x.Error() + std::fabs(Value) * LibraryUnit + std::fabs(x.Value()) * Unit};
}

TBounded Cos(const TBounded& x) {
    const Extended Value = std::cos(x.Value());
    return {Value, x.Error() + std::fabs(Value) * LibraryUnit + std::fabs(x.Value()) * Unit};
}

TBounded Atan2(const TBounded& y, const TBounded& x) {
    const Extended Value = std::atan2(y.Value(), x.Value());
    // The angle moves by at most the distance the point moves over its
    // distance from the origin, for a point well clear of it.
    const Extended Radius = std::hypot(x.Value(), y.Value());
    const Extended Moved = x.Error() + y.Error();
    if (!(Moved <= Radius * Small)) {
        return {Value, Infinite};
    }
    return {Value, Moved / (Radius * (1 - 2 * Small)) + std::fabs(Value) * LibraryUnit};
}

TBounded Hypot(const TBounded& x, const TBounded& y) {
    const Extended Value = std::hypot(x.Value(), y.Value());
    return {Value, (x.Error() + y.Error()) + Value * LibraryUnit};
}

TBounded Fmin(const TBounded& x, const TBounded& y) {
    return {std::fmin(x.Value(), y.Value()), std::max(x.Error(), y.Error())};
}

TBounded NextUp(const TBounded& x) {
    const Extended Value = Figures::NextUp(x.Value());
    return {Value, x.Error() + (Value - x.Value())};
}

TBounded NextDown(const TBounded& x) {
    const Extended Value = Figures::NextDown(x.Value());
    return {Value, x.Error() + std::fabs(x.Value() - Value)};
}

TBounded WithRelativeError(const TBounded& x, Extended ARelative) {
    return {x.Value(), x.Error() + std::fabs(x.Value()) * ARelative};
}

bool SumExceeds(std::initializer_list<TBounded> ATerms, const TBounded& ABound) {
    // The values' decision, exactly as Extended takes it.
    Extended Values[8];
    std::size_t Count = 0;
    Extended Error = ABound.Error();
    Extended Magnitude = std::fabs(ABound.Value());
    Extended Difference = -ABound.Value();
    for (const TBounded& Term : ATerms) {
        Values[Count++] = Term.Value();
        Error += Term.Error();
        Magnitude += std::fabs(Term.Value());
        Difference += Term.Value();
    }
    bool Decision = false;
    switch (Count) {
    case 1:
        Decision = SumExceeds({Values[0]}, ABound.Value());
        break;
    case 2:
        Decision = SumExceeds({Values[0], Values[1]}, ABound.Value());
        break;
    default:
        Decision = SumExceeds({Values[0], Values[1], Values[2]}, ABound.Value());
        break;
    }
    if (Error == 0) {
        return Decision;
    }
    // The sum differs from the bound by more than the errors and the rounding
    // of the difference: the exact sum is on the same side.
    const Extended Slack = Extended(Count + 2) * Unit * Magnitude;
    if (!(std::fabs(Difference) > Error + Slack)) {
        throw EUndecided();
    }
    return Decision;
}

void TwoSum(const TBounded& x, const TBounded& y, TBounded& s, TBounded& e) {
    Extended Sum = 0;
    Extended Remainder = 0;
    TwoSum(x.Value(), y.Value(), Sum, Remainder);
    s = TBounded(Sum, x.Error() + y.Error());
    e = TBounded(Remainder, 0);
}

// The 80-bit constants and their distances from pi and 1/3, rounded up.
TBounded Figures::TNumberTraits<TBounded>::Pi() {
    return {Constants::Pi, 5.02e-20L};
}
TBounded Figures::TNumberTraits<TBounded>::TwoPi() {
    return {Constants::TwoPi, 1.004e-19L};
}
TBounded Figures::TNumberTraits<TBounded>::HalfPi() {
    return {Constants::HalfPi, 2.51e-20L};
}
TBounded Figures::TNumberTraits<TBounded>::FourPi() {
    return {Constants::FourPi, 2.008e-19L};
}
TBounded Figures::TNumberTraits<TBounded>::FourPiThirds() {
    return {Constants::FourPiThirds, 3.561e-19L};
}
TBounded Figures::TNumberTraits<TBounded>::PiSixths() {
    return {Constants::PiSixths, 4.451e-20L};
}
TBounded Figures::TNumberTraits<TBounded>::OneThird() {
    return {Constants::OneThird, 9.04e-21L};
}
