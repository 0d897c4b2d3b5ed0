// How the program writes its numbers, apart from any window: the general text of
// a value, a result in a precision and number form (the results panel's lines,
// the report's and the level table's texts, the supplementary rows), and the one
// reader of the "Precision" and "Form" settings. Every view of the results and
// the command line write their numbers here; the decimal separator is the one
// RoundToStr uses (DecimalSeparator()).
//
//     const TNumberForm form = ReadNumberForm();          // {2, false} by default
//     ResultValueText(1234.5678L, {2, true});              // "1.23 x10^3"
//     QuantityText(1234.5678L, 3);                         // "1234.568"
#pragma once

#include "MathFunctions.h"

#include <QString>

#include <string>

// --- Precision and number form ------------------------------------------------------

inline constexpr TPrecision DefaultPrecision = 2;
inline constexpr TPrecision MaxPrecision = 14;

// A precision stored or given elsewhere, brought into 0..MaxPrecision.
TPrecision ClampPrecision(long long APrecision);

// How results are written: a count of decimals, and the basic or the
// semilogarithmic form (mantissa, "x10" and exponent).
struct TNumberForm {
    TPrecision Precision = DefaultPrecision;
    bool Semilogarithmic = false;
    bool operator==(const TNumberForm& AOther) const {
        return Precision == AOther.Precision && Semilogarithmic == AOther.Semilogarithmic;
    }
    bool operator!=(const TNumberForm& AOther) const { return !(*this == AOther); }
};

// The number form of the settings: "Precision" clamped to 0..14 (2 when missing
// or unreadable), "Form" semilogarithmic unless it is 0 (basic when missing or
// unreadable).
TNumberForm ReadNumberForm();

// --- Digits ---------------------------------------------------------------------------

// A value as 0.Digits x 10^Exponent with at most 15 significant digits (rounded
// from its 18-digit decimal expansion, ties away from zero, trailing zeros
// dropped); Digits is empty for zero. AValue must be finite.
struct TDecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};
TDecimalDigits DecimalDigits(Extended AValue);

// The general text of a value: its 15 significant digits in fixed notation, or
// in scientific notation ("1E15", "1.234E-5") when the magnitude is 10^15 or more
// or below 10^-4; zero gives "0". AValue must be finite.
QString GeneralText(Extended AValue);

// --- Results ----------------------------------------------------------------------------

// A finite value as the results panel writes it at APrecision: the digits of
// the value, or in the semilogarithmic form (chosen, or taken by itself for a
// magnitude of 10^15 or more or below 10^-4) the digits of the mantissa with
// the decimal exponent. Decade tells whether "x10" follows the digits, and the
// exponent is shown after it unless it is 1.
struct TResultNumber {
    QString Digits;
    bool Decade = false;
    int Exponent = 0;
};
TResultNumber ResultNumber(Extended AValue, TPrecision APrecision, bool ASemilogarithmic);

// A result on one line, as a report writes the panel's line: the digits, or
// mantissa, "x10" and exponent ("1.23 x10^5", "1.25 x10"); a value that is not
// finite is "Input error".
QString ResultValueText(Extended AValue, const TNumberForm& AForm);
// The same line of a number already laid out.
QString ResultNumberText(const TResultNumber& ANumber);

// A supplementary quantity or a mass at APrecision, zeros kept (RoundToStr).
QString QuantityText(Extended AValue, TPrecision APrecision);

// A result for the level table's screen ("1.23 x10⁵", the exponent raised) and
// for other programs ("1.23E5", which spreadsheets read as a number); empty for a
// value that is not finite.
QString ShownNumber(Extended AValue, const TNumberForm& AForm);
QString PlainNumber(Extended AValue, const TNumberForm& AForm);
