// The text the results panel shows of an exact value, worked out here from its
// 50-digit decimal expansion (not by the program's rounding): the reference
// every test of the shown digits compares with.
#pragma once

#include <QString>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <algorithm>

namespace ShownReference {

using Real = boost::multiprecision::cpp_bin_float_50;

struct TText {
    QString Digits;
    bool Decade = false;
    int Exponent = 0;
    bool Ambiguous = false; // 50 digits too close to a rounding boundary to tell

    QString Image() const { return Decade ? Digits + QString(" x10^%1").arg(Exponent) : Digits; }
};

// The layout from the 15-digit rounding of the value (plain digits for
// 10^-4 <= |x| < 10^15, else a mantissa and an exponent; RoundToStr's
// decimals: at most 15 digits and signs), then the value rounded half away
// from zero at the last shown decimal.
inline TText Shown(const Real& AValue, int APrecision, bool ASemilogarithmic) {
    TText Result;
    if (AValue == 0) {
        Result.Digits = APrecision > 0 ? "0." + QString(APrecision, '0') : "0";
        return Result;
    }
    const bool Negative = AValue < 0;
    const Real Magnitude = abs(AValue);
    // 48 digits after the first: d.ddd...e+x.
    const QString Scientific = QString::fromStdString(Magnitude.str(48, std::ios_base::scientific));
    const int E = Scientific.mid(Scientific.indexOf('e') + 1).toInt();
    const QString Digits = Scientific.left(Scientific.indexOf('e')).remove('.');
    const bool Carry = Digits.left(15) == QString(15, '9') && Digits[15] >= '5';
    const int Exponent15 = E + 1 + (Carry ? 1 : 0); // 0.ddd x 10^Exponent15
    const int Sign = Negative ? 1 : 0;
    int Decimals = 0;
    int Position = 0; // power of ten of the last shown digit
    if (ASemilogarithmic || Exponent15 > 15 || Exponent15 < -3) {
        Decimals = std::min(APrecision, 14 - Sign);
        Position = Exponent15 - 1 - Decimals;
        Result.Exponent = Exponent15 - 1;
        Result.Decade = Result.Exponent != 0;
    } else {
        Decimals = Exponent15 >= 1 ? std::max(0, std::min(APrecision, 15 - Exponent15 - Sign))
                                   : std::min(APrecision, 14 - Sign);
        Position = -Decimals;
    }
    // The digits down to Position, and the rest that decides the rounding.
    const int Kept = (E + 1) - Position;
    QString Integer = Kept > 0 ? Digits.left(Kept) : QString();
    const QString Rest = Kept >= 0 ? Digits.mid(Kept) : QString(-Kept, '0') + Digits;
    const QString Tail = Rest.mid(1, 25);
    Result.Ambiguous = (Rest[0] == '4' && Tail == QString(Tail.size(), '9')) ||
                       (Rest[0] == '5' && Tail == QString(Tail.size(), '0'));
    if (Integer.isEmpty()) {
        Integer = "0";
    }
    // Half away from zero, on the magnitude.
    if (Rest[0] >= '5') {
        int I = Integer.size() - 1;
        while (I >= 0 && Integer[I] == '9') {
            Integer[I--] = '0';
        }
        if (I < 0) {
            Integer.prepend('1');
        } else {
            Integer[I] = QChar(Integer[I].unicode() + 1);
        }
    }
    Integer = Integer.rightJustified(Decimals + 1, '0');
    QString Text = Integer.left(Integer.size() - Decimals);
    if (Decimals > 0) {
        Text += '.' + Integer.right(Decimals);
    }
    const bool Zero = Integer.count('0') == Integer.size();
    Result.Digits = (Negative && !Zero ? "-" : "") + Text;
    return Result;
}

// The same text as a supplementary row writes it: the mantissa and "E" with the
// exponent (RoundToStr), at APrecision.
inline QString RowImage(const Real& AValue, int APrecision) {
    const TText Text = Shown(AValue, APrecision, false);
    return Text.Decade ? Text.Digits + QString("E%1").arg(Text.Exponent) : Text.Digits;
}

// A typed decimal of the seeded sweeps: ADigits significant digits (the first
// not 0) times 10^AExponent.
template <class TRandom> QString RandomDecimal(TRandom& ARandom, int ADigits, int AExponent) {
    QString digits = QString::number(1 + ARandom() % 9);
    for (int i = 1; i < ADigits; ++i)
        digits += QString::number(ARandom() % 10);
    return digits.left(1) + QLatin1Char('.') + digits.mid(1) + QLatin1Char('e') +
           QString::number(AExponent);
}

// AValue times 1 + AFactor, to 18 significant digits.
inline QString Near(const QString& AValue, const Real& AFactor) {
    const Real value = Real(AValue.toStdString()) * (1 + AFactor);
    return QString::fromStdString(value.str(18, std::ios_base::scientific));
}

} // namespace ShownReference
