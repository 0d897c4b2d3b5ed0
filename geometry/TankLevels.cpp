#include "TankLevels.h"

#include "PlaneFigures.h"
#include "SolidFigures.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

namespace {

void Require(bool ACondition, const char* AName) {
    if (!ACondition)
        throw EInvalidInputSolidFigures(AName);
}

// w - sin w for 0 <= w <= pi, without the cancellation of the difference for
// a small w: w^3/6 times the series 1 - w^2/20 + w^4/840 - ...
Extended AngleMinusSine(Extended w) {
    if (w >= 1)
        return w - std::sin(w);
    const Extended Square = w * w;
    Extended Term = 1;
    Extended Series = 1;
    for (int k = 1; k < 16; ++k) {
        Term *= -Square / Extended((2 * k + 2) * (2 * k + 3));
        Series += Term;
        if (std::fabs(Term) < Series * 1e-22L)
            break;
    }
    return ((w * w) * w) * (Series / 6);
}

// The central angle w in [0, pi] of the segment whose area is T R^2 / 2, that
// is the root of w - sin w = T for 0 <= T <= pi. The function rises steadily
// (its slope 1 - cos w = 2 sin^2(w/2) vanishes only at 0), so Newton's method
// from w^3/6 = T converges; a step that leaves the bracket of the root is
// replaced by halving the bracket. The angle is good to a few units in the last
// place; TWide then takes it further.
Extended SegmentAngle(Extended T) {
    if (!(T > 0))
        return 0;
    Extended low = 0;
    Extended high = Constants::Pi;
    Extended w = std::fmin(std::cbrt(T * 6), high);
    for (int iteration = 0; iteration < 200; ++iteration) {
        const Extended excess = AngleMinusSine(w) - T;
        if (excess == 0)
            return w;
        if (excess < 0)
            low = w;
        else
            high = w;
        const Extended half = std::sin(w * 0.5L);
        const Extended slope = (half * half) * 2;
        Extended next = slope > 0 ? w - excess / slope : (low + high) * 0.5L;
        if (!(next > low && next < high))
            next = low + (high - low) * 0.5L;
        if (next == w || std::fabs(next - w) <= w * LDBL_EPSILON) {
            w = next;
            break;
        }
        w = next;
    }
    return w;
}

// A number held as the unevaluated sum of two Extended values, about 128 bits.
// The level for a volume goes through several roundings (the share, the angle,
// its sine), each worth up to a unit in the last place, and near the top through
// the difference of the share from 2 pi, which cancels: in Extended alone the
// level can be many units off. Carried in TWide the error stays near 2^-120 of
// the level, so the Extended level rounded from it is the closest one.
struct TWide {
    Extended Hi = 0;
    Extended Lo = 0; // |Lo| <= half a unit in the last place of Hi
};

// The sum a + b exactly, when |a| >= |b| or a is zero.
TWide QuickTwoSum(Extended a, Extended b) {
    const Extended sum = a + b;
    return {sum, b - (sum - a)};
}

// The sum a + b exactly, whatever their sizes (Knuth).
TWide TwoSum(Extended a, Extended b) {
    const Extended sum = a + b;
    const Extended part = sum - a;
    return {sum, (a - (sum - part)) + (b - part)};
}

// The product a b exactly (Dekker): each factor split into two halves of 32 bits,
// whose products Extended holds without rounding.
TWide TwoProduct(Extended a, Extended b) {
    constexpr Extended Splitter = 4294967297.0L; // 2^32 + 1
    const auto split = [](Extended value, Extended& high, Extended& low) {
        const Extended scaled = Splitter * value;
        high = scaled - (scaled - value);
        low = value - high;
    };
    Extended aHigh, aLow, bHigh, bLow;
    split(a, aHigh, aLow);
    split(b, bHigh, bLow);
    const Extended product = a * b;
    return {product, (((aHigh * bHigh - product) + aHigh * bLow) + aLow * bHigh) + aLow * bLow};
}

TWide operator-(TWide a) {
    return {-a.Hi, -a.Lo};
}

TWide operator+(TWide a, TWide b) {
    const TWide high = TwoSum(a.Hi, b.Hi);
    const TWide low = TwoSum(a.Lo, b.Lo);
    TWide sum = QuickTwoSum(high.Hi, high.Lo + low.Hi);
    return QuickTwoSum(sum.Hi, sum.Lo + low.Lo);
}

TWide operator-(TWide a, TWide b) {
    return a + -b;
}

TWide operator*(TWide a, TWide b) {
    const TWide product = TwoProduct(a.Hi, b.Hi);
    return QuickTwoSum(product.Hi, product.Lo + (a.Hi * b.Lo + a.Lo * b.Hi));
}

TWide operator/(TWide a, TWide b) {
    const Extended first = a.Hi / b.Hi;
    const TWide rest = a - TWide{first} * b;
    const Extended second = rest.Hi / b.Hi;
    const Extended third = (rest - TWide{second} * b).Hi / b.Hi;
    return TWide{QuickTwoSum(first, second)} + TWide{third};
}

// Times 2^AExponent, exactly while the parts stay normal.
TWide Scaled(TWide a, int AExponent) {
    return {std::ldexp(a.Hi, AExponent), std::ldexp(a.Lo, AExponent)};
}

// pi to about 2^-130: the Extended constant and the rest.
const TWide WidePi = {Constants::Pi, -0xE.CE675D1FC8F8CBBp-68L};

// The terms of a series until they no longer reach the sum's last bits.
bool Negligible(TWide ATerm, TWide ASum) {
    return std::fabs(ATerm.Hi) <= std::fabs(ASum.Hi) * 0x1p-125L;
}

// sin x for 0 <= x <= pi/4 by its Taylor series.
TWide WideSine(TWide x) {
    const TWide square = x * x;
    TWide term = x;
    TWide sum = x;
    for (int k = 1; k < 40 && !Negligible(term, sum); ++k) {
        term = -(term * square / TWide{Extended((2 * k) * (2 * k + 1))});
        sum = sum + term;
    }
    return sum;
}

// w - sin w for 0 <= w <= pi: w^3/3! - w^5/5! + ..., no cancellation for a small w.
TWide WideAngleMinusSine(TWide w) {
    const TWide square = w * w;
    TWide term = square * w / TWide{6};
    TWide sum = term;
    for (int k = 2; k < 60 && !Negligible(term, sum); ++k) {
        term = -(term * square / TWide{Extended((2 * k) * (2 * k + 1))});
        sum = sum + term;
    }
    return sum;
}

// The root of w - sin w = T (0 < T <= pi) from the Extended angle: Newton's method
// in TWide, whose steps the Extended slope 2 sin^2(w/2) gives well enough.
TWide WideSegmentAngle(TWide T) {
    TWide w{SegmentAngle(T.Hi)};
    for (int iteration = 0; iteration < 4; ++iteration) {
        const Extended half = std::sin(w.Hi * 0.5L);
        const Extended slope = (half * half) * 2;
        if (!(slope > 0))
            break;
        const Extended step = (WideAngleMinusSine(w) - T).Hi / slope;
        w = w - TWide{step};
        if (std::fabs(step) <= std::fabs(w.Hi) * 0x1p-124L)
            break;
    }
    return w;
}

// The height of the segment of central angle w (0..pi) in a circle of radius R:
// R (1 - cos(w/2)) = 2 R sin^2(w/4), which does not cancel for a small w.
TWide SegmentHeight(Extended R, TWide w) {
    const TWide sine = WideSine(Scaled(w, -2));
    return sine * sine * TWide{R * 2};
}

// The level at which the segment of the end wall has the area R^2 T / 2, T in
// [0, 2 pi], rounded to the closest Extended. Above the half the empty part above
// the liquid is solved for (w - sin w is symmetric about pi): the level is then
// the diameter less the empty part's height. A share too small for TWide's
// products to be exact gives the level to a few units in the last place.
Extended LevelForShare(Extended R, TWide T) {
    if (!(T.Hi > 0))
        return 0;
    const TWide empty = Scaled(WidePi, 1) - T;
    if (!(empty.Hi > 0))
        return R * 2;
    if (T.Hi <= Constants::Pi) {
        if (T.Hi < 0x1p-16000L)
            return SegmentHeight(R, TWide{SegmentAngle(T.Hi)}).Hi;
        return SegmentHeight(R, WideSegmentAngle(T)).Hi;
    }
    const TWide emptyHeight = empty.Hi < 0x1p-16000L
                                  ? SegmentHeight(R, TWide{SegmentAngle(empty.Hi)})
                                  : SegmentHeight(R, WideSegmentAngle(empty));
    return (TWide{R * 2} - emptyHeight).Hi;
}

// ANumerator / ADenominator with both split into mantissa and exponent, so that
// no intermediate product leaves the range of Extended.
TWide WideQuotient(Extended ANumerator, std::initializer_list<Extended> ADenominator) {
    int exponent = 0;
    const Extended numerator = std::frexp(ANumerator, &exponent);
    TWide denominator{1};
    for (const Extended factor : ADenominator) {
        int factorExponent = 0;
        denominator = denominator * TWide{std::frexp(factor, &factorExponent)};
        exponent -= factorExponent;
    }
    return Scaled(TWide{numerator} / denominator, exponent);
}

} // namespace

Extended TankFullVolume(Extended ARadius, Extended ALength) {
    return ((ARadius * ARadius) * Constants::Pi) * ALength;
}

Extended TankVolumeAtLevel(Extended ARadius, Extended ALength, Extended ALevel) {
    const char* const Name = "TankVolumeAtLevel";
    Require(ARadius > 0 && std::isfinite(ARadius), Name);
    Require(ALength > 0 && std::isfinite(ALength), Name);
    Require(ALevel >= 0 && ALevel <= ARadius * 2, Name);
    if (ALevel == 0)
        return 0;
    if (ALevel == ARadius * 2)
        return TankFullVolume(ARadius, ALength);
    try {
        // Just below the top the rounded segment may come out a unit above the
        // rounded circle; no level holds more than the full tank.
        return std::fmin(TSegmentOfCircle::Create(ARadius, ALevel).Area() * ALength,
                         TankFullVolume(ARadius, ALength));
    } catch (const EInvalidInputPlaneFigures&) {
        // A level so low beside the radius that the segment's area leaves the
        // range of Extended: it holds (next to) nothing.
        const Extended HalfChord = std::sqrt(ALevel) * std::sqrt(ARadius * 2 - ALevel);
        const Extended w = std::atan2(HalfChord, ARadius - ALevel) * 2;
        return ((((ARadius * ARadius) * 0.5L) * AngleMinusSine(w)) * ALength);
    }
}

Extended TankPercentageAtLevel(Extended ARadius, Extended ALength, Extended ALevel) {
    // The full tank is 100 % exactly, not V * 100 / V rounded twice.
    if (ALevel == ARadius * 2 && ALevel > 0)
        return 100;
    return std::fmin((TankVolumeAtLevel(ARadius, ALength, ALevel) * 100) /
                         TankFullVolume(ARadius, ALength),
                     Extended(100));
}

Extended TankLevelForVolume(Extended ARadius, Extended ALength, Extended AVolume) {
    const char* const name = "TankLevelForVolume";
    Require(ARadius > 0 && std::isfinite(ARadius), name);
    Require(ALength > 0 && std::isfinite(ALength), name);
    const Extended full = TankFullVolume(ARadius, ALength);
    Require(std::isfinite(full), name);
    Require(AVolume >= 0 && AVolume <= full, name);
    if (AVolume == full)
        return ARadius * 2;
    // T = 2 A / R^2 with A = V / L.
    return LevelForShare(ARadius, Scaled(WideQuotient(AVolume, {ALength, ARadius, ARadius}), 1));
}

Extended TankLevelForPercentage(Extended ARadius, Extended APercentage) {
    const char* const name = "TankLevelForPercentage";
    Require(ARadius > 0 && std::isfinite(ARadius), name);
    Require(APercentage >= 0 && APercentage <= 100, name);
    if (APercentage == 100)
        return ARadius * 2;
    // The share of the full circle: T = 2 pi p / 100.
    return LevelForShare(ARadius, Scaled(WidePi * WideQuotient(APercentage, {100}), 1));
}
