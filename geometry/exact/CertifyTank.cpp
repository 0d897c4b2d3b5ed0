#include "CertifyTank.h"

#include "TankLevels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A value known exactly: a decimal, or a level of zero.
TCertifiedValue ExactValue(const TDecimalNumber& AValue, TShownForm AForm) {
    TCertifiedValue Result;
    // Without the reference to AValue, which may be a temporary.
    const TBounded Typed = TBounded::FromDecimal(AValue);
    Result.Bounded = TBounded(Typed.Value(), Typed.Error());
    Result.Shown = ShownValue(AValue, AValue, AForm);
    Result.Exact = true;
    Result.Low = AValue;
    Result.High = AValue;
    return Result;
}

// The volume (or the percentage, for a tank of length 1) at a level, and what
// it is for the full tank.
template <class T> struct TTankTarget {
    T Radius;
    T Length;
    bool Percentage;

    T At(const T& ALevel) const {
        return Percentage ? Figures::TankPercentageAtLevel(Radius, Length, ALevel)
                          : Figures::TankVolumeAtLevel(Radius, Length, ALevel);
    }
    T Full() const { return Percentage ? T(100) : Figures::TankFullVolume(Radius, Length); }
    // The slope of At: the chord at the level times the length (over the full
    // circle's area for the percentage).
    T Slope(const T& ALevel) const {
        const T Chord = Sqrt(ALevel * (Radius * 2 - ALevel)) * 2;
        return Percentage ? (Chord * 100) / ((Radius * Radius) * Figures::Pi<T>()) : Chord * Length;
    }
};

// Whether the root of At(level) = ATarget lies strictly between ALow and
// AHigh: At rises with the level from 0 at 0 to Full at 2R. EUndecided where
// the number type cannot tell.
template <class T>
bool Brackets(const TTankTarget<T>& ATank, const T& ATarget, const T& ALow, const T& AHigh) {
    const bool Below = ALow <= 0 || ATank.At(ALow) < ATarget;
    const bool Above =
        AHigh >= ATank.Radius * 2 ? ATarget < ATank.Full() : ATarget < ATank.At(AHigh);
    return Below && Above;
}

TCertifiedFigure CertifyLevel(const TDecimalNumber& ARadius, const TDecimalNumber& ALength,
                              const TDecimalNumber& ATarget, bool APercentage, TShownForm AForm) {
    TCertifiedFigure Result;
    Result.Values.resize(1);
    TCertifiedValue& Level = Result.Values[0];
    Extended Level80 = 0;
    try {
        Level80 = APercentage
                      ? TankLevelForPercentage(ARadius.Rounded(), ATarget.Rounded())
                      : TankLevelForVolume(ARadius.Rounded(), ALength.Rounded(), ATarget.Rounded());
    } catch (const EInvalidInput& AError) {
        Result.State = ccRejected;
        Result.Error = AError.Operation();
        Result.Values.clear();
        return Result;
    }
    // Nothing in the tank, or a full one by percentage: the level is exact.
    if (ATarget.IsZero()) {
        Level = ExactValue(TDecimalNumber(), AForm);
        return Result;
    }
    if (APercentage && Compare(ATarget, TDecimalNumber::FromInteger(100)) == 0) {
        Level = ExactValue(ARadius.Times(2), AForm);
        return Result;
    }
    // The fast path: the range of levels that show the 80-bit level's text.
    Extended Low = 0;
    Extended High = 0;
    if (ShownRange(Level80, AForm, Low, High)) {
        try {
            const TTankTarget<TBounded> Tank{TBounded::FromDecimal(ARadius),
                                             TBounded::FromDecimal(ALength), APercentage};
            if (Brackets(Tank, TBounded::FromDecimal(ATarget), TBounded(Low), TBounded(High))) {
                Level.Bounded = TBounded(Level80, High - Low);
                Level.Shown = ShownValue(Level80, Level80, AForm);
                return Result;
            }
        } catch (const EUndecided&) {
        } catch (const EInvalidInput&) {
        }
    }
    Level.Bounded = TBounded(Level80, std::numeric_limits<Extended>::infinity());
    for (int Bits = CertifyFirstBits; Bits <= CertifyLastBits; Bits *= 2) {
        const TWorkingPrecision Precision(Bits);
        try {
            const TTankTarget<TInterval> Tank{TInterval::FromDecimal(ARadius),
                                              TInterval::FromDecimal(ALength), APercentage};
            const TInterval Target = TInterval::FromDecimal(ATarget);
            // Newton's method from the 80-bit level, on points. It stops where
            // the corrections no longer fall: the noise of the volume's own
            // rounding, which the enclosure below allows for.
            TInterval Root(Level80);
            Extended LastCorrection = std::numeric_limits<Extended>::infinity();
            for (int Step = 0; Step < 40; ++Step) {
                const TInterval Correction = MiddleOf((Tank.At(Root) - Target) / Tank.Slope(Root));
                const Extended Size = std::fabs(ValueOf(Correction));
                if (!(Size < LastCorrection / 2)) {
                    break;
                }
                Root = MiddleOf(Root - Correction);
                LastCorrection = Size;
                if (Size <= std::ldexp(std::fabs(ValueOf(Root)), -(Bits - 8))) {
                    break;
                }
            }
            // The enclosure: a few units of the precision around it, and more
            // where the volume itself is known less well than its slope moves it.
            const TInterval Value = Tank.At(Root);
            const Extended Slope = std::fabs(ValueOf(Tank.Slope(Root)));
            const Extended Scale = std::max(std::fabs(ValueOf(Root)), ValueOf(Tank.Radius));
            Extended Spread = std::ldexp(Scale, -(Bits - 24)) + 8 * std::fabs(ValueOf(Value)) *
                                                                    Extended(RelativeWidth(Value)) /
                                                                    Slope;
            bool Bracketed = false;
            TInterval Low;
            TInterval High;
            for (int Widening = 0; Widening < 4 && !Bracketed; ++Widening, Spread *= 16) {
                // Points, so that the volume there is known as well as at the root.
                const TInterval Margin(Spread);
                Low = MiddleOf(Root - Margin);
                High = MiddleOf(Root + Margin);
                try {
                    Bracketed = Brackets(Tank, Target, Low, High);
                } catch (const EUndecided&) {
                }
            }
            if (!Bracketed) {
                continue;
            }
            const TInterval Enclosure = Hull(Low, High);
            Result.Bits = Bits;
            Certify::ExactShown(Enclosure, AForm, Level);
            if (Level.Shown.Certainty == scCertain) {
                return Result;
            }
            if (Bits == CertifyLastBits) {
                Certify::MarkTie(Enclosure, Level);
                return Result;
            }
        } catch (const EUndecided&) {
        } catch (const EInvalidInput& AError) {
            // The 80-bit level exists, the exact one not (a volume above the full tank).
            Result.State = ccRejectedExactly;
            Result.Error = AError.Operation();
            Result.Values.clear();
            return Result;
        }
    }
    if (Level.Shown.Digits.empty()) {
        Result.State = ccUndecided;
    }
    return Result;
}

} // namespace

TCertifiedFigure CertifyTankAtLevel(const TDecimalNumber& ARadius, const TDecimalNumber& ALength,
                                    const TDecimalNumber& ALevel, TShownForm AForm) {
    if (ALevel.IsZero()) {
        TCertifiedFigure Result;
        Result.Values = {ExactValue(TDecimalNumber(), AForm), ExactValue(TDecimalNumber(), AForm)};
        return Result;
    }
    if (Compare(ALevel, ARadius.Times(2)) == 0) {
        return CertifyFigure(
            {ARadius, ALength},
            [](const auto& AIn) {
                using T = std::decay_t<decltype(AIn[0])>;
                return std::vector<T>{Figures::TankFullVolume(AIn[0], AIn[1]), T(100)};
            },
            AForm);
    }
    return CertifyFigure(
        {ARadius, ALength, ALevel},
        [](const auto& AIn) {
            using T = std::decay_t<decltype(AIn[0])>;
            return std::vector<T>{Figures::TankVolumeAtLevel(AIn[0], AIn[1], AIn[2]),
                                  Figures::TankPercentageAtLevel(AIn[0], AIn[1], AIn[2])};
        },
        AForm);
}

TCertifiedFigure CertifyTankLevelForVolume(const TDecimalNumber& ARadius,
                                           const TDecimalNumber& ALength,
                                           const TDecimalNumber& AVolume, TShownForm AForm) {
    return CertifyLevel(ARadius, ALength, AVolume, false, AForm);
}

TCertifiedFigure CertifyTankLevelForPercentage(const TDecimalNumber& ARadius,
                                               const TDecimalNumber& APercentage,
                                               TShownForm AForm) {
    return CertifyLevel(ARadius, TDecimalNumber::FromInteger(1), APercentage, true, AForm);
}
