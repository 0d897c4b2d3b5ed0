// The volume and the share of a horizontal cylindrical tank at a level, for
// any number type: included by TankLevels.cpp (Extended, TBounded) and the
// exact library.
#pragma once

#include "SolidFiguresImpl.h"
#include "TankLevels.h"

namespace Figures {

// w - sin w for 0 <= w <= pi, without the cancellation of the difference for
// a small w in 80 bits: w^3/6 times its series (PlaneFiguresImpl.h).
template <class T> T AngleMinusSine(const T& w) {
    if (IsExact<T> || ValueOf(w) >= 1) {
        return w - Sin(w);
    }
    const T Series = AngleMinusSineSeries(w);
    return ((w * w) * w) * (Series / 6);
}

template <class T> T TankFullVolume(const T& ARadius, const T& ALength) {
    return ((ARadius * ARadius) * Pi<T>()) * ALength;
}

// A number type that decides comparisons on exact values needs the full tank
// given as TankFullVolume: its level 2R is not told apart from a level just
// below it.
template <class T> T TankVolumeAtLevel(const T& ARadius, const T& ALength, const T& ALevel) {
    const char* const Name = "TankVolumeAtLevel";
    Require(ARadius > 0 && IsFinite(ARadius), Name);
    Require(ALength > 0 && IsFinite(ALength), Name);
    Require(ALevel >= 0 && ALevel <= ARadius * 2, Name);
    if (ALevel == 0) {
        return T(0);
    }
    if (ALevel == ARadius * 2) {
        return TankFullVolume(ARadius, ALength);
    }
    try {
        const T Volume = TSegmentOfCircle<T>::Create(ARadius, ALevel).Area() * ALength;
        if constexpr (IsExact<T>) {
            return Volume;
        } else {
            // Just below the top the rounded segment may come out a unit above the
            // rounded circle; no level holds more than the full tank.
            return Fmin(Volume, TankFullVolume(ARadius, ALength));
        }
    } catch (const EInvalidInputPlaneFigures&) {
        // A level so low beside the radius that the segment's area leaves the
        // range of Extended: it holds (next to) nothing.
        const T HalfChord = Sqrt(ALevel) * Sqrt(ARadius * 2 - ALevel);
        const T w = Atan2(HalfChord, ARadius - ALevel) * 2;
        return ((((ARadius * ARadius) * 0.5L) * AngleMinusSine(w)) * ALength);
    }
}

template <class T> T TankPercentageAtLevel(const T& ARadius, const T& ALength, const T& ALevel) {
    // The full tank is 100 % exactly, not V * 100 / V rounded twice.
    if (ALevel == ARadius * 2 && ALevel > 0) {
        return T(100);
    }
    const T Percentage =
        (TankVolumeAtLevel(ARadius, ALength, ALevel) * 100) / TankFullVolume(ARadius, ALength);
    if constexpr (IsExact<T>) {
        return Percentage;
    } else {
        return Fmin(Percentage, T(100));
    }
}

} // namespace Figures
