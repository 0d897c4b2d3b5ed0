#include "MathFunctions.h"

#include "MathFormulas.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <locale>
#include <sstream>
#include <utility>

namespace {

void Reject(const char* AOperation) {
    throw EInvalidInputMathFunctions(AOperation);
}

Extended UncheckedCube(Extended x) {
    return x * x * x;
}

Extended UncheckedCubeRoot(Extended x) {
    if (x < 0) {
        return -std::pow(-x, Constants::OneThird);
    }
    if (x == 0) {
        return 0;
    }
    return std::pow(x, Constants::OneThird);
}

// ---- Decimal texts --------------------------------------------------------

// A value as sign, significant digits and exponent E: value = 0.Digits * 10^E.
// Empty digits mean zero.
struct TDecimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// The same value in the encoding that arithmetic produces. A zero exponent with
// the integer bit set (a pseudo-denormal) means exponent 1 to the x87, but the C
// library's text conversion drops the integer bit of it and writes a far smaller
// number. Such patterns come only from memory, never from a computation.
Extended Canonical(Extended AValue) {
    unsigned char Bytes[sizeof(Extended)] = {};
    std::memcpy(Bytes, &AValue, 10);
    std::uint64_t Mantissa = 0;
    std::uint16_t SignAndExponent = 0;
    std::memcpy(&Mantissa, Bytes, 8);
    std::memcpy(&SignAndExponent, Bytes + 8, 2);
    if ((SignAndExponent & 0x7FFF) == 0 && (Mantissa >> 63) != 0) {
        SignAndExponent |= 1;
        std::memcpy(Bytes + 8, &SignAndExponent, 2);
        std::memcpy(&AValue, Bytes, 10);
    }
    return AValue;
}

// The value's decimal expansion to 18 significant digits, rounded to nearest.
// The C library's conversion is exact and honours the rounding mode; the radix
// character it writes depends on the C locale, so only digits are read.
TDecimal Expansion18(Extended AValue) {
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%.17Le", Canonical(AValue));
    TDecimal Result;
    const char* P = Buffer;
    if (*P == '-') {
        Result.Negative = true;
        ++P;
    }
    for (; *P != '\0' && *P != 'e' && *P != 'E'; ++P) {
        if (*P >= '0' && *P <= '9') {
            Result.Digits += *P;
        }
    }
    const int Exponent10 = (*P != '\0') ? std::atoi(P + 1) : 0;
    if (Result.Digits.find_first_not_of('0') == std::string::npos) {
        return TDecimal{}; // zero, of either sign
    }
    Result.Exponent = Exponent10 + 1;
    return Result;
}

// Keeps ACount leading digits, rounding half away from zero on the next one.
// A carry out of the first digit adds a digit and raises the exponent.
void RoundDigits(TDecimal& ADecimal, int ACount) {
    std::string& Digits = ADecimal.Digits;
    if (ACount >= static_cast<int>(Digits.size())) {
        return;
    }
    if (ACount < 0) {
        ADecimal = TDecimal{};
        return;
    }
    const bool RoundUp = Digits[ACount] >= '5';
    Digits.resize(ACount);
    if (RoundUp) {
        int I = ACount - 1;
        while (I >= 0 && Digits[I] == '9') {
            Digits[I] = '0';
            --I;
        }
        if (I >= 0) {
            ++Digits[I];
        } else {
            Digits.insert(Digits.begin(), '1');
            ++ADecimal.Exponent;
        }
    }
    const std::size_t Last = Digits.find_last_not_of('0');
    if (Last == std::string::npos) {
        ADecimal = TDecimal{};
    } else {
        Digits.resize(Last + 1);
    }
}

// The general text with 15 significant digits, '.' as separator.
std::string GeneralText(Extended AValue) {
    TDecimal D = Expansion18(AValue);
    RoundDigits(D, 15);
    if (D.Digits.empty()) {
        return "0";
    }
    std::string S = D.Negative ? "-" : "";
    const int E = D.Exponent;
    if (E > 15 || E < -3) {
        S += D.Digits[0];
        if (D.Digits.size() > 1) {
            S += '.';
            S += D.Digits.substr(1);
        }
        S += 'E';
        S += std::to_string(E - 1);
    } else if (E <= 0) {
        S += "0.";
        S.append(-E, '0');
        S += D.Digits;
    } else {
        for (int I = 0; I < E; ++I) {
            S += (I < static_cast<int>(D.Digits.size())) ? D.Digits[I] : '0';
        }
        if (static_cast<int>(D.Digits.size()) > E) {
            S += '.';
            S += D.Digits.substr(E);
        }
    }
    return S;
}

// The value rounded to ADecimals places (ties away from zero, on its 18-digit
// expansion), without exponent, '.' as separator. A value that rounds to zero
// is written without a sign.
std::string FixedText(Extended AValue, int ADecimals) {
    TDecimal D = Expansion18(AValue);
    if (!D.Digits.empty()) {
        RoundDigits(D, D.Exponent + ADecimals);
    }
    const int Count = static_cast<int>(D.Digits.size());
    auto DigitAt = [&](int AIndex) {
        return (AIndex >= 0 && AIndex < Count) ? D.Digits[AIndex] : '0';
    };
    std::string S = (D.Negative && Count > 0) ? "-" : "";
    if (Count > 0 && D.Exponent > 0) {
        for (int I = 0; I < D.Exponent; ++I) {
            S += DigitAt(I);
        }
    } else {
        S += '0';
    }
    if (ADecimals > 0) {
        S += '.';
        for (int I = 0; I < ADecimals; ++I) {
            S += DigitAt(D.Exponent + I);
        }
    }
    return S;
}

std::string RemoveTrailingZeros(std::string S, bool AlsoSeparator) {
    while (!S.empty() && S.back() == '0') {
        S.pop_back();
    }
    if (AlsoSeparator && !S.empty() && S.back() == '.') {
        S.pop_back();
    }
    return S;
}

std::string AppendZeros(std::string S, int ACount, bool WithSeparator) {
    if (WithSeparator) {
        S += '.';
    }
    S.append(ACount, '0');
    return S;
}

Extended ParseClassic(const std::string& AText) {
    std::istringstream Stream(AText);
    Stream.imbue(std::locale::classic());
    Extended Value = 0;
    Stream >> Value;
    return Value;
}

// RoundToStr with '.' as separator.
std::string RoundToText(TPrecision Precision, bool ZeroPadding, Extended Value) {
    const std::string S = GeneralText(Value);
    const std::size_t EPos = S.find('E');
    if (EPos != std::string::npos) {
        // The mantissa is rounded on its own and not renormalised: 9.996E20
        // at two decimals is 10.00E20.
        const Extended Mantissa = ParseClassic(S.substr(0, EPos));
        return RoundToText(Precision, ZeroPadding, Mantissa) + S.substr(EPos);
    }
    const std::size_t Point = S.find('.');
    const int Length = static_cast<int>(S.size());
    if (Point == std::string::npos) {
        if (!ZeroPadding) {
            return S;
        }
        const int N = std::min(static_cast<int>(Precision), 15 - Length);
        return N > 0 ? AppendZeros(S, N, true) : S;
    }
    const int D = static_cast<int>(Point) + 1;
    const int N = ZeroPadding ? std::min(static_cast<int>(Precision), 16 - D)
                              : std::min(static_cast<int>(Precision), Length - D);
    std::string Result = FixedText(Value, N);
    if (!ZeroPadding && Result.find('.') != std::string::npos) {
        Result = RemoveTrailingZeros(Result, true);
    }
    return Result;
}

std::atomic<TDecimalSeparatorProvider> DecimalSeparatorProvider{nullptr};

} // namespace

// ---- Building blocks for results free of cancellation ----------------------------

void TwoSum(Extended x, Extended y, Extended& s, Extended& e) {
    s = x + y;
    const Extended yVirtual = s - x;
    const Extended xVirtual = s - yVirtual;
    e = (x - xVirtual) + (y - yVirtual);
}

Extended SqrtOfProduct(Extended x, Extended y) {
    return Figures::SqrtOfProduct(x, y);
}

bool SumExceedsExactly(std::initializer_list<Extended> ATerms, Extended ABound) {
    // The exact value of the sum as a non-overlapping expansion, smallest
    // component first (Shewchuk's grow-expansion); its sign is the sign of
    // its largest non-zero component.
    Extended Components[8];
    std::size_t Count = 0;
    Components[Count++] = -ABound;
    for (const Extended Term : ATerms) {
        Extended Carry = Term;
        for (std::size_t I = 0; I < Count; ++I) {
            Extended Sum = 0;
            Extended Error = 0;
            TwoSum(Carry, Components[I], Sum, Error);
            Components[I] = Error;
            Carry = Sum;
        }
        if (Count < std::size(Components)) {
            Components[Count++] = Carry;
        } else {
            Components[Count - 1] += Carry; // more terms than the figures ever compare
        }
    }
    for (std::size_t I = Count; I-- > 0;) {
        if (Components[I] != 0) {
            return Components[I] > 0;
        }
    }
    return false;
}

TTriangleSums TriangleSums(Extended a, Extended b, Extended c) {
    const Figures::TTriangleSums<Extended> Sums = Figures::TriangleSums(a, b, c);
    return {Sums.Perimeter, Sums.ExcessA, Sums.ExcessB, Sums.ExcessC};
}

Extended FourTimesArea(const TTriangleSums& ASums) {
    return Figures::FourTimesArea(Figures::TTriangleSums<Extended>{ASums.Perimeter, ASums.ExcessA,
                                                                   ASums.ExcessB, ASums.ExcessC});
}

Extended AngleOpposite(Extended AFourTimesArea, Extended APerimeter, Extended AExcess) {
    return Figures::AngleOpposite(AFourTimesArea, APerimeter, AExcess);
}

// ---- Right triangles and the law of cosines ----------------------------------

Extended PythagoreanTheorem_Hypotenuse(Extended a, Extended b) {
    return Figures::PythagoreanTheorem_Hypotenuse(a, b);
}

Extended PythagoreanTheorem_Leg1(Extended c, Extended b) {
    return Figures::PythagoreanTheorem_Leg1(c, b);
}

Extended LawOfCosines_SideOppositeAngle(Extended Gamma, Extended a, Extended b) {
    if (Gamma <= 0 || Gamma >= Constants::Pi || a <= 0 || b <= 0) {
        Reject("LawOfCosines_SideOppositeAngle");
    }
    // a^2 + b^2 - 2ab cos(gamma) = (a - b)^2 + 4ab sin^2(gamma / 2): a sum of
    // two squares, exact also for a small angle between nearly equal sides.
    const Extended Chord = SqrtOfProduct(a, b) * (std::sin(Gamma / 2) * 2);
    const Extended Result = std::hypot(a - b, Chord);
    RequireFinite<EInvalidInputMathFunctions>({Result}, "LawOfCosines_SideOppositeAngle");
    return Result;
}

Extended LawOfCosines_Angle(Extended a, Extended b, Extended c) {
    if (a <= 0 || b <= 0 || c <= 0 || !SumExceeds({a, b}, c) || !SumExceeds({b, c}, a) ||
        !SumExceeds({c, a}, b)) {
        Reject("LawOfCosines_Angle");
    }
    // The half-angle form keeps a small or a nearly straight angle exact,
    // where the arc cosine of the cosine rule would not.
    const TTriangleSums Sums = TriangleSums(a, b, c);
    const Extended Result = AngleOpposite(FourTimesArea(Sums), Sums.Perimeter, Sums.ExcessA);
    RequireFinite<EInvalidInputMathFunctions>({Result}, "LawOfCosines_Angle");
    return Result;
}

// ---- Equations ----------------------------------------------------------------

int QuadraticEquation(Extended A, Extended B, Extended C, Extended& X1, Extended& X2) {
    if (A == 0) {
        Reject("QuadraticEquation");
    }
    const Extended D = B * B - (A * 4) * C;
    Extended R1 = 0;
    Extended R2 = 0;
    int Result = 0;
    if (D == 0) {
        R1 = -B / (A * 2);
        R2 = R1;
        Result = 1;
    } else if (D > 0) {
        R1 = (std::sqrt(D) - B) / (A * 2);
        R2 = (-B - std::sqrt(D)) / (A * 2);
        Result = 2;
    } else {
        R1 = -B / (A * 2);
        R2 = std::fabs(std::sqrt(std::fabs(D)) / (A * 2));
        Result = -1;
    }
    RequireFinite<EInvalidInputMathFunctions>({R1, R2}, "QuadraticEquation");
    X1 = R1;
    X2 = R2;
    return Result;
}

int CubicEquation(Extended A, Extended B, Extended C, Extended D, Extended& X1, Extended& X2,
                  Extended& X3) {
    if (A == 0) {
        Reject("CubicEquation");
    }
    // Depressed cubic y^3 + p*y + q = 0 with x = y + s.
    const Extended b = B / A;
    const Extended c = C / A;
    const Extended d = D / A;
    const Extended s = -b / 3;
    const Extended p = b * s + c;
    const Extended q = (UncheckedCube(s) * (-2) + c * s) + d;
    Extended R1 = 0;
    Extended R2 = 0;
    Extended R3 = 0;
    int Result = 0;
    if (p == 0 && q == 0) {
        R1 = s;
        R2 = s;
        R3 = s;
        Result = 1;
    } else {
        const Extended Delta = (q / 2) * (q / 2) + UncheckedCube(p / 3);
        if (Delta == 0) {
            R1 = UncheckedCubeRoot(q / 2) * (-2) + s;
            R2 = UncheckedCubeRoot(q / 2) + s;
            R3 = R2;
            Result = 2;
        } else if (Delta < 0) {
            // Three real roots. Delta < 0 bounds the cosine by 1; the clamp
            // only absorbs rounding next to a double root.
            Extended Cosine = (-q / 2) / std::pow(std::fabs(p) / 3, 1.5L);
            if (Cosine > 1) {
                Cosine = 1;
            } else if (Cosine < -1) {
                Cosine = -1;
            }
            const Extended Phi = std::acos(Cosine);
            const Extended m = std::sqrt(std::fabs(p) / 3);
            R1 = (m * 2) * std::cos(Phi / 3) + s;
            R2 = (m * (-2)) * std::cos((Phi + Constants::Pi) / 3) + s;
            R3 = (m * (-2)) * std::cos((Phi - Constants::Pi) / 3) + s;
            Result = 3;
        } else {
            const Extended Root = std::sqrt(std::fabs(Delta));
            const Extended u = UncheckedCubeRoot(-q / 2 + Root);
            const Extended v = UncheckedCubeRoot(-q / 2 - Root);
            R1 = (u + v) + s;
            R2 = (u + v) * (-0.5L) + s;
            R3 = std::fabs(std::sqrt(Extended(3)) * ((u - v) * 0.5L));
            Result = -1;
        }
    }
    RequireFinite<EInvalidInputMathFunctions>({R1, R2, R3}, "CubicEquation");
    X1 = R1;
    X2 = R2;
    X3 = R3;
    return Result;
}

Extended Cube(Extended x) {
    return Figures::Cube(x);
}

Extended CubeRoot(Extended x) {
    const Extended Result = UncheckedCubeRoot(x);
    RequireFinite<EInvalidInputMathFunctions>({Result}, "CubeRoot");
    return Result;
}

// ---- Texts --------------------------------------------------------------------

void SetDecimalSeparatorProvider(TDecimalSeparatorProvider AProvider) {
    DecimalSeparatorProvider = AProvider;
}

char DecimalSeparator() {
    const TDecimalSeparatorProvider Provider = DecimalSeparatorProvider;
    return Provider ? Provider() : '.';
}

std::string RoundToStr(TPrecision Precision, bool ZeroPadding, Extended Value) {
    if (Precision > 14 || !std::isfinite(Value)) {
        Reject("RoundToStr");
    }
    std::string Result = RoundToText(Precision, ZeroPadding, Value);
    const char Separator = DecimalSeparator();
    for (char& Ch : Result) {
        if (Ch == '.') {
            Ch = Separator;
        }
    }
    return Result;
}

bool FloatEqual(const std::vector<Extended>& Values, TPrecision Precision) {
    if (Values.empty() || Precision > 14) {
        Reject("FloatEqual");
    }
    for (const Extended Value : Values) {
        if (!std::isfinite(Value)) {
            Reject("FloatEqual");
        }
    }
    // The separator does not change whether two texts match.
    for (std::size_t I = 0; I + 1 < Values.size(); ++I) {
        if (RoundToText(Precision, true, Values[I]) !=
            RoundToText(Precision, true, Values[I + 1])) {
            return false;
        }
    }
    return true;
}
