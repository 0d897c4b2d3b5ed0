// Numeric helpers of the geometry model: the extended-precision number type,
// the input errors, the 80-bit constants and the free functions the figures use.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// All arithmetic of the geometry model runs in 80-bit extended precision.
using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "Extended must be the 80-bit x87 format (64-bit mantissa)");

// A count of decimal places, 0..14.
using TPrecision = std::uint8_t;

// Common base of the three invalid-input errors. The message is the unit's
// prefix, two CR LF line breaks and the name of the rejecting operation.
// NotFinite() tells an input that passed the checks but gave a result that is
// not finite (or not positive for a figure) from a failed check.
class EInvalidInput : public std::runtime_error {
public:
    const std::string& Operation() const { return FOperation; }
    bool NotFinite() const { return FNotFinite; }

protected:
    EInvalidInput(const char* APrefix, const std::string& AMsg, bool ANotFinite)
        : std::runtime_error(std::string(APrefix) + "\r\n\r\n" + AMsg), FOperation(AMsg),
          FNotFinite(ANotFinite) {}

private:
    std::string FOperation;
    bool FNotFinite;
};

class EInvalidInputMathFunctions : public EInvalidInput {
public:
    explicit EInvalidInputMathFunctions(const std::string& Msg, bool ANotFinite = false)
        : EInvalidInput("Invalid input in MathFunctions unit: ", Msg, ANotFinite) {}
};

// The 80-bit constants, written as their exact binary images.
namespace Constants {
constexpr Extended Pi = 0xC.90FDAA22168C235p-2L;           // 4000 C90FDAA2 2168C235
constexpr Extended TwoPi = 0xC.90FDAA22168C235p-1L;        // 4001 C90FDAA2 2168C235
constexpr Extended FourPiThirds = 0x8.60A91C16B9B2C24p-1L; // 4001 860A91C1 6B9B2C24
constexpr Extended FourPi = 0xC.90FDAA22168C235p+0L;       // 4002 C90FDAA2 2168C235
constexpr Extended HalfPi = 0xC.90FDAA22168C235p-3L;       // 3FFF C90FDAA2 2168C235
constexpr Extended PiSixths = 0x8.60A91C16B9B2C24p-4L;     // 3FFE 860A91C1 6B9B2C24
constexpr Extended OneThird = 0xA.AAAAAAAAAAAAAABp-5L;     // 3FFD AAAAAAAA AAAAAAAB
} // namespace Constants

// Arithmetic on Extended does not trap: an overflow or an invalid operation
// quietly gives an infinity or a NaN. Every operation of the geometry model
// that has accepted its input therefore checks what it computed and, if a
// value is not finite, rejects the input under its own name, exactly as if one
// of its checks had failed. EError is one of the EInvalidInput... classes.
template <class EError>
void RequireFinite(std::initializer_list<Extended> AValues, const std::string& AOperation) {
    for (const Extended Value : AValues) {
        if (!std::isfinite(Value)) {
            throw EError(AOperation, true);
        }
    }
}

// Same for the quantities of a figure, which must also be positive (every
// quantity of a valid figure is).
template <class EError>
void RequirePositive(std::initializer_list<Extended> AValues, const std::string& AOperation) {
    for (const Extended Value : AValues) {
        if (!(std::isfinite(Value) && Value > 0)) {
            throw EError(AOperation, true);
        }
    }
}

// Runs ABuild and returns what it returns. A result that is not finite
// anywhere inside (in a function or a sub-figure that ABuild uses) is
// reported under AOperation, the name of the operation the caller asked for.
// Failed checks pass through unchanged.
template <class EError, class TBuild>
auto BuildFinite(const std::string& AOperation, TBuild&& ABuild) -> decltype(ABuild()) {
    try {
        return ABuild();
    } catch (const EInvalidInput& Error) {
        if (!Error.NotFinite()) {
            throw;
        }
        throw EError(AOperation, true);
    }
}

// ---- Building blocks for results free of cancellation ----------------------------

// s + e = x + y exactly, s being the rounded sum (Knuth's two-sum).
void TwoSum(Extended x, Extended y, Extended& s, Extended& e);

// sqrt(x * y) for x, y >= 0, also where the product alone would overflow or
// lose its digits to underflow.
Extended SqrtOfProduct(Extended x, Extended y);

// True when the exact (unrounded) sum of ATerms, which are not negative,
// exceeds ABound. The strict inequalities between lengths that the figures
// check (a triangle's sides, a trapezoid's sides) are decided with it, so that
// rounding of a sum neither refuses a figure that closes nor admits one that
// does not. A sum that overflows is compared as it is.
bool SumExceedsExactly(std::initializer_list<Extended> ATerms, Extended ABound);
inline bool SumExceeds(std::initializer_list<Extended> ATerms, Extended ABound) {
    Extended Sum = 0;
    for (const Extended Term : ATerms) {
        Sum += Term;
    }
    if (std::isinf(Sum)) {
        return Sum > ABound;
    }
    // Each addition errs by at most half a unit in the last place of the sum, so
    // a sum farther than n units from the bound is on the side of the exact sum.
    // Only a close call, or one among tiny values, needs the exact sum.
    if (Sum >= LDBL_MIN / LDBL_EPSILON) {
        const Extended Margin = Sum * (Extended(ATerms.size()) * LDBL_EPSILON);
        const Extended Difference = Sum - ABound;
        if (Difference > Margin) {
            return true;
        }
        if (Difference < -Margin) {
            return false;
        }
    }
    return SumExceedsExactly(ATerms, ABound);
}

// The sums of a triangle's sides that its area, angles and medians are made
// of, each free of cancellation (Kahan's ordering): Perimeter = a + b + c,
// ExcessA = b + c - a, ExcessB = c + a - b, ExcessC = a + b - c. The sides must
// satisfy the triangle inequalities.
struct TTriangleSums {
    Extended Perimeter;
    Extended ExcessA;
    Extended ExcessB;
    Extended ExcessC;
};
TTriangleSums TriangleSums(Extended a, Extended b, Extended c);
// Four times the area by Heron's formula on these sums: sqrt(P * Ea * Eb * Ec).
Extended FourTimesArea(const TTriangleSums& ASums);
// The angle opposite the side with excess AExcess, from four times the area:
// tan(angle / 2) = 4 * area / (P * excess).
Extended AngleOpposite(Extended AFourTimesArea, Extended APerimeter, Extended AExcess);

// Right triangle with legs a, b: the hypotenuse.
Extended PythagoreanTheorem_Hypotenuse(Extended a, Extended b);
// Right triangle with hypotenuse c and leg b: the other leg.
Extended PythagoreanTheorem_Leg1(Extended c, Extended b);
// The side opposite the angle Gamma enclosed by the sides a and b.
Extended LawOfCosines_SideOppositeAngle(Extended Gamma, Extended a, Extended b);
// The angle opposite the side a of the triangle with sides a, b, c.
Extended LawOfCosines_Angle(Extended a, Extended b, Extended c);

// A*x^2 + B*x + C = 0. Returns 2 (two real roots, X1 the larger when A > 0),
// 1 (a double root, X1 = X2) or -1 (complex roots X1 +- i*X2).
int QuadraticEquation(Extended A, Extended B, Extended C, Extended& X1, Extended& X2);
// A*x^3 + B*x^2 + C*x + D = 0. Returns 1 (triple root), 2 (a single root X1 and
// a double root X2 = X3), 3 (three real roots, X1 > X2 > X3) or -1 (one real
// root X1 and the complex pair X2 +- i*X3).
int CubicEquation(Extended A, Extended B, Extended C, Extended D, Extended& X1, Extended& X2,
                  Extended& X3);

Extended Cube(Extended x);
Extended CubeRoot(Extended x);

// The decimal separator of the user's regional settings. The application
// installs a provider; without one the separator is '.'. It is asked at each
// call of RoundToStr.
using TDecimalSeparatorProvider = char (*)();
void SetDecimalSeparatorProvider(TDecimalSeparatorProvider AProvider); // nullptr: back to '.'
char DecimalSeparator();

// The text of Value with Precision decimals (0..14); 15 significant digits at
// most, scientific form for magnitudes of 1E15 and more or below 0.0001.
std::string RoundToStr(TPrecision Precision, bool ZeroPadding, Extended Value);

// True when neighbouring values give the same RoundToStr text at Precision.
bool FloatEqual(const std::vector<Extended>& Values, TPrecision Precision);
