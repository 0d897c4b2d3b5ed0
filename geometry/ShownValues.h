// What the results panel shows of a value, decided for the exact value from an
// enclosure of it: the text is certain when every value of the enclosure
// gives it.
//
// The text: the results panel's layout (the 15-digit rounding of the value
// decides between plain digits and a mantissa with a decimal exponent: a
// magnitude of 10^15 or more or below 10^-4, or the semilogarithmic form,
// takes the mantissa), the number of decimals of RoundToStr with zero padding
// at the precision (fewer for a long integer part or a minus sign), and then
// the value rounded once, half away from zero, at the last shown decimal. A
// mantissa that rounds up shows 10.00. The separator is '.'.
#pragma once

#include "DecimalNumbers.h"
#include "MathFunctions.h"

#include <cstdint>
#include <string>

// The precision (0..14 decimals) and the number form of the results panel.
struct TShownForm {
    TPrecision Precision = 2;
    bool Semilogarithmic = false;
};

enum TShownCertainty : std::uint8_t {
    scCertain,   // every value of the enclosure shows Digits: the exact value does
    scUncertain, // the enclosure holds values with other texts
    scTie        // as scUncertain, after the highest precision: see TShownValue
};

// The text of a value as the results panel writes it: the digits, then "x10"
// and the exponent where Decade is set (the exponent written unless it is 1).
// For scUncertain and scTie, Digits, Decade and Exponent are those of the end
// of the enclosure farther from zero: where the enclosure is narrow, the
// exact value is within it of the rounding boundary below that text, and the
// text is what the boundary itself rounds to; only its last digit is in doubt.
struct TShownValue {
    TShownCertainty Certainty = scUncertain;
    std::string Digits;
    bool Decade = false;
    int Exponent = 0;
};

// The decision for an exact value within [ALow, AHigh], exactly.
TShownValue ShownValue(const TDecimalNumber& ALow, const TDecimalNumber& AHigh, TShownForm AForm);

// The same decision for [ALow, AHigh] in Extended, in a few dozen
// nanoseconds: it gives up (scUncertain, no digits) a little before an end
// of the enclosure comes within 2^-58 of a rounding boundary, and for
// magnitudes beyond 10^+-4900; where it decides, it decides as the exact one.
TShownValue ShownValue(Extended ALow, Extended AHigh, TShownForm AForm);

// The values around a positive AValue that show its text (as ShownValue in
// Extended decides it), from a little inside the rounding boundaries: false
// where that text is not certain even for AValue alone, or where the layout
// changes inside.
bool ShownRange(Extended AValue, TShownForm AForm, Extended& ALow, Extended& AHigh);
