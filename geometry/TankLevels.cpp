#include "TankLevels.h"

#include "BoundedFigures.h"
#include "TankLevelsImpl.h"

#include <cfloat>
#include <cmath>

namespace {

void Require(bool ACondition, const char* AName) {
    if (!ACondition)
        throw EInvalidInputSolidFigures(AName);
}

Extended AngleMinusSine(Extended w) {
    return Figures::AngleMinusSine(w);
}

// The central angle w in [0, pi] of the segment whose area is T R^2 / 2, that
// is the root of w - sin w = T for 0 <= T <= pi. The function rises steadily
// (its slope 1 - cos w = 2 sin^2(w/2) vanishes only at 0), so Newton's method
// from w^3/6 = T converges; a step that leaves the bracket of the root is
// replaced by halving the bracket. The root is then taken to the last bit by
// looking at its neighbours.
Extended SegmentAngle(Extended T) {
    if (!(T > 0))
        return 0;
    Extended Low = 0;
    Extended High = Constants::Pi;
    Extended w = std::fmin(std::cbrt(T * 6), High);
    for (int Iteration = 0; Iteration < 200; ++Iteration) {
        const Extended Excess = AngleMinusSine(w) - T;
        if (Excess == 0)
            return w;
        if (Excess < 0)
            Low = w;
        else
            High = w;
        const Extended Half = std::sin(w * 0.5L);
        const Extended Slope = (Half * Half) * 2;
        Extended Next = Slope > 0 ? w - Excess / Slope : (Low + High) * 0.5L;
        if (!(Next > Low && Next < High))
            Next = Low + (High - Low) * 0.5L;
        if (Next == w || std::fabs(Next - w) <= w * LDBL_EPSILON) {
            w = Next;
            break;
        }
        w = Next;
    }
    // The closest of w and its two neighbours.
    Extended Best = w;
    Extended BestError = std::fabs(AngleMinusSine(w) - T);
    for (const Extended Candidate :
         {std::nextafter(w, Extended(0)), std::nextafter(w, Constants::Pi * 2)}) {
        if (Candidate < 0 || Candidate > Constants::Pi)
            continue;
        const Extended Error = std::fabs(AngleMinusSine(Candidate) - T);
        if (Error < BestError) {
            Best = Candidate;
            BestError = Error;
        }
    }
    return Best;
}

// The height of the segment of central angle w (0..pi) in a circle of radius
// R: R (1 - cos(w/2)) = 2 R sin^2(w/4), which does not cancel for a small w.
Extended SegmentHeight(Extended R, Extended w) {
    const Extended Quarter = std::sin(w * 0.25L);
    return ((R * 2) * Quarter) * Quarter;
}

// The level at which the segment of the end wall has the area A, R^2 T / 2
// with T in [0, 2 pi]. Above the half the empty part above the liquid is
// solved for (w - sin w is symmetric about pi): the level is then the
// diameter less the empty part's height.
Extended LevelForShare(Extended R, Extended T) {
    if (T <= Constants::Pi)
        return SegmentHeight(R, SegmentAngle(T));
    const Extended Empty = Constants::TwoPi - T;
    return R * 2 - SegmentHeight(R, SegmentAngle(Empty));
}

} // namespace

Extended TankFullVolume(Extended ARadius, Extended ALength) {
    return Figures::TankFullVolume(ARadius, ALength);
}

Extended TankVolumeAtLevel(Extended ARadius, Extended ALength, Extended ALevel) {
    return Figures::TankVolumeAtLevel(ARadius, ALength, ALevel);
}

Extended TankPercentageAtLevel(Extended ARadius, Extended ALength, Extended ALevel) {
    return Figures::TankPercentageAtLevel(ARadius, ALength, ALevel);
}

Extended TankLevelForVolume(Extended ARadius, Extended ALength, Extended AVolume) {
    const char* const Name = "TankLevelForVolume";
    Require(ARadius > 0 && std::isfinite(ARadius), Name);
    Require(ALength > 0 && std::isfinite(ALength), Name);
    const Extended Full = TankFullVolume(ARadius, ALength);
    Require(std::isfinite(Full), Name);
    Require(AVolume >= 0 && AVolume <= Full, Name);
    if (AVolume == Full)
        return ARadius * 2;
    // T = 2 A / R^2 with A = V / L, divided one factor at a time so that no
    // square of a large or small radius leaves the range.
    const Extended T = (((AVolume / ALength) / ARadius) / ARadius) * 2;
    return LevelForShare(ARadius, std::fmin(T, Constants::TwoPi));
}

Extended TankLevelForPercentage(Extended ARadius, Extended APercentage) {
    const char* const Name = "TankLevelForPercentage";
    Require(ARadius > 0 && std::isfinite(ARadius), Name);
    Require(APercentage >= 0 && APercentage <= 100, Name);
    if (APercentage == 100)
        return ARadius * 2;
    // The share of the full circle: T = 2 pi p / 100.
    return LevelForShare(ARadius,
                         std::fmin((APercentage / 100) * Constants::TwoPi, Constants::TwoPi));
}

template Extended Figures::TankFullVolume(const Extended&, const Extended&);
template Extended Figures::TankVolumeAtLevel(const Extended&, const Extended&, const Extended&);
template Extended Figures::TankPercentageAtLevel(const Extended&, const Extended&, const Extended&);
template TBounded Figures::TankFullVolume(const TBounded&, const TBounded&);
template TBounded Figures::TankVolumeAtLevel(const TBounded&, const TBounded&, const TBounded&);
template TBounded Figures::TankPercentageAtLevel(const TBounded&, const TBounded&, const TBounded&);
