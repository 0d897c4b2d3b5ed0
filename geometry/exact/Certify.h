// The values of a figure with the certainty of what the results panel shows
// of them, from the figure's typed numbers.
//
// A figure is given by its typed numbers and a function of them that builds
// the figure and lists the quantities to show, written once for any number
// type:
//
//     const auto Cone = [](const auto& AIn) {
//         const auto Figure = Figures::TCone<std::decay_t<decltype(AIn[0])>>::Create(AIn[0],
//         AIn[1]); return std::vector{Figure.Volume(), Figure.Area(), Figure.SlantHeight()};
//     };
//     TCertifiedFigure Result = CertifyFigure({Radius, Height}, Cone, Form);
//
// The fast path builds the figure once in TBounded: the 80-bit values bit for
// bit, each with a bound on its distance from the exact value. Where a value's
// bound decides its shown text (ShownValue), that is all. Otherwise the slow
// path builds it again in TInterval from the decimals, at 128, 256, 512, 1024
// and 2048 bits, until the text of every value is decided (Ziv's strategy).
// A value still undecided at 2048 bits lies within 2^-1900 or so of a rounding
// boundary: it is reported as a tie.
#pragma once

#include "BoundedFigures.h"
#include "ExactFigures.h"
#include "ShownValues.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

struct TCertifiedValue {
    // The value the program computes (Bounded.Value(), bit for bit the
    // Extended one) and the fast path's bound of its distance from the exact
    // value. Where a check of the fast path was too close to call, the
    // program's value with an infinite bound (or, where the program refuses
    // the figure, the Extended nearest to the exact value).
    TBounded Bounded;
    // What the results panel shows at the form asked for, and its certainty.
    TShownValue Shown;
    // Set where the slow path decided the text: the enclosure of the exact value
    // at the precision it took (decimals, the lower end rounded down and the
    // upper up), and the exact value to 40 significant digits ("d.ddd...e-x").
    bool Exact = false;
    int Bits = 0;
    TDecimalNumber Low;
    TDecimalNumber High;
    std::string ExactText;
};

enum TCertifiedState : std::uint8_t {
    ccComputed,        // Values hold the figure's quantities
    ccRejected,        // refused in 80 bits, as the program refuses it (Error names the check)
    ccRejectedExactly, // the 80-bit image passes, the typed numbers fail a check (Error)
    ccUndecided        // a check of the figure was undecided at 2048 bits: Values are uncertain
};

struct TCertifiedFigure {
    TCertifiedState State = ccComputed;
    std::string Error;
    // For ccComputed: the check with which the program refuses the figure in
    // 80 bits though its typed numbers make one (radii that round to one
    // value), or empty.
    std::string ProgramRefusal;
    std::vector<TCertifiedValue> Values;
    // The highest precision the slow path used; 0 for the fast path alone.
    int Bits = 0;
};

constexpr int CertifyFirstBits = 128;
constexpr int CertifyLastBits = 2048;

// The same decision again, for another form, from what AValue keeps: its
// enclosure when the slow path ran, its bound otherwise. Where this is not
// certain the figure is to be certified again at the new form.
TShownValue Redecide(const TCertifiedValue& AValue, TShownForm AForm);

namespace Certify {

// The fast path's decision for one value: its bound, widened by 2^-16 for the
// terms of second order, decides the text.
TShownValue FastShown(const TBounded& AValue, TShownForm AForm);
// The slow path's decision for one value at the current precision.
void ExactShown(const TInterval& AValue, TShownForm AForm, TCertifiedValue& AResult);
// After the last precision: a value whose enclosure is narrow and straddles
// one boundary is a tie.
void MarkTie(const TInterval& AValue, TCertifiedValue& AResult);

} // namespace Certify

template <class TQuantities>
TCertifiedFigure CertifyFigure(const std::vector<TDecimalNumber>& AInputs,
                               const TQuantities& AQuantities, TShownForm AForm) {
    TCertifiedFigure Result;
    std::vector<std::size_t> Pending;
    std::vector<Extended> Program;
    try {
        std::vector<TBounded> Inputs;
        for (const TDecimalNumber& Input : AInputs) {
            Inputs.push_back(TBounded::FromDecimal(Input));
        }
        const std::vector<TBounded> Values = AQuantities(Inputs);
        for (std::size_t I = 0; I < Values.size(); ++I) {
            TCertifiedValue Value;
            // Without the reference to a typed number, which does not outlive the call.
            Value.Bounded = TBounded(Values[I].Value(), Values[I].Error());
            Value.Shown = Certify::FastShown(Values[I], AForm);
            if (Value.Shown.Certainty != scCertain) {
                Pending.push_back(I);
            }
            Result.Values.push_back(Value);
        }
        if (Pending.empty()) {
            return Result;
        }
    } catch (const EInvalidInput& AError) {
        // Every check of TBounded that refuses is certain for the exact values
        // too, or refuses an 80-bit overflow as the program does.
        Result.State = ccRejected;
        Result.Error = AError.Operation();
        return Result;
    } catch (const EUndecided&) {
        // A check too close to call in 80 bits: every value goes the slow way,
        // and what the program computes is asked of Extended itself.
        Result.Values.clear();
        Pending.clear();
        try {
            std::vector<Extended> Inputs;
            for (const TDecimalNumber& Input : AInputs) {
                Inputs.push_back(Input.Rounded());
            }
            Program = AQuantities(Inputs);
        } catch (const EInvalidInput& AError) {
            Result.ProgramRefusal = AError.Operation();
        }
    }
    bool AllPending = Result.Values.empty();
    for (int Bits = CertifyFirstBits; Bits <= CertifyLastBits; Bits *= 2) {
        const TWorkingPrecision Precision(Bits);
        std::vector<TInterval> Inputs;
        for (const TDecimalNumber& Input : AInputs) {
            Inputs.push_back(TInterval::FromDecimal(Input));
        }
        std::vector<TInterval> Values;
        try {
            Values = AQuantities(Inputs);
        } catch (const EUndecided&) {
            continue;
        } catch (const EInvalidInput& AError) {
            Result.State = Result.ProgramRefusal.empty() ? ccRejectedExactly : ccRejected;
            Result.Error = AError.Operation();
            Result.Values.clear();
            Result.Bits = Bits;
            return Result;
        }
        Result.Bits = Bits;
        if (AllPending) {
            // The values the program computes, where the fast path gave none.
            Result.Values.resize(Values.size());
            for (std::size_t I = 0; I < Values.size(); ++I) {
                Result.Values[I].Bounded =
                    TBounded(I < Program.size() ? Program[I] : ValueOf(Values[I]),
                             std::numeric_limits<Extended>::infinity());
                Pending.push_back(I);
            }
            AllPending = false;
        }
        std::vector<std::size_t> StillPending;
        for (const std::size_t I : Pending) {
            Certify::ExactShown(Values[I], AForm, Result.Values[I]);
            if (Result.Values[I].Shown.Certainty != scCertain) {
                StillPending.push_back(I);
            }
        }
        Pending = StillPending;
        if (Pending.empty()) {
            return Result;
        }
        if (Bits == CertifyLastBits) {
            for (const std::size_t I : Pending) {
                Certify::MarkTie(Values[I], Result.Values[I]);
            }
            return Result;
        }
    }
    // No precision decided the figure's own checks.
    Result.State = ccUndecided;
    return Result;
}
