#include "Certify.h"

#include <cmath>

namespace {

// Decimal digits that keep an interval of ABits bits apart from its neighbours.
int DigitsFor(int ABits) {
    return int(std::ceil(ABits * 0.30103)) + 3;
}

} // namespace

TShownValue Certify::FastShown(const TBounded& AValue, TShownForm AForm) {
    const Extended Value = AValue.Value();
    const Extended Error = AValue.Error();
    if (!std::isfinite(Value) || !(Error >= 0) || !std::isfinite(Error)) {
        return {};
    }
    if (Error == 0) {
        return ShownValue(Value, Value, AForm);
    }
    // Widened by 2^-16 for the terms of second order, and by 2^-62 of the value
    // for the rounding of the ends themselves.
    const Extended Widened = Error * (1 + 0x1p-16L) + std::fabs(Value) * 0x1p-62L;
    return ShownValue(Value - Widened, Value + Widened, AForm);
}

void Certify::ExactShown(const TInterval& AValue, TShownForm AForm, TCertifiedValue& AResult) {
    const int Bits = int(mpfi_get_prec(AValue.Get()));
    TDecimalNumber Low;
    TDecimalNumber High;
    if (!IsFinite(AValue)) {
        AResult.Shown = {};
        return;
    }
    DecimalBounds(AValue, DigitsFor(Bits), Low, High);
    AResult.Shown = ShownValue(Low, High, AForm);
    AResult.Exact = true;
    AResult.Bits = Bits;
    AResult.Low = Low;
    AResult.High = High;
    AResult.ExactText = MiddleText(AValue, 40);
}

void Certify::MarkTie(const TInterval& AValue, TCertifiedValue& AResult) {
    // Narrow: far below the width of any shown digit, so that it holds one
    // rounding boundary at most.
    if (IsFinite(AValue) && RelativeWidth(AValue) < 0x1p-1000 && !AResult.Shown.Digits.empty()) {
        AResult.Shown.Certainty = scTie;
    }
}

TShownValue Redecide(const TCertifiedValue& AValue, TShownForm AForm) {
    if (AValue.Exact) {
        return ShownValue(AValue.Low, AValue.High, AForm);
    }
    return Certify::FastShown(AValue.Bounded, AForm);
}
