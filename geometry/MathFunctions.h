// Numeric helpers of the geometry model: the extended-precision number type,
// the input errors, the 80-bit constants and the free functions the figures use.
#pragma once

#include <cfloat>
#include <cstdint>
#include <stdexcept>
#include <string>

// All arithmetic of the geometry model runs in 80-bit extended precision.
using Extended = long double;
static_assert(LDBL_MANT_DIG == 64, "Extended must be the 80-bit x87 format (64-bit mantissa)");

// A count of decimal places, 0..14.
using TPrecision = std::uint8_t;

// Common base of the three invalid-input errors. The message is the unit's
// prefix, two CR LF line breaks and the name of the rejecting operation.
class EInvalidInput : public std::runtime_error {
public:
    const std::string& Operation() const { return FOperation; }

protected:
    EInvalidInput(const char* APrefix, const std::string& AMsg)
        : std::runtime_error(std::string(APrefix) + "\r\n\r\n" + AMsg), FOperation(AMsg) {}

private:
    std::string FOperation;
};

class EInvalidInputMathFunctions : public EInvalidInput {
public:
    explicit EInvalidInputMathFunctions(const std::string& Msg)
        : EInvalidInput("Invalid input in MathFunctions unit: ", Msg) {}
};

// The 80-bit constants, written as their exact binary images.
namespace Constants {
constexpr Extended Pi = 0xC.90FDAA22168C235p-2L;           // 4000 C90FDAA2 2168C235
constexpr Extended TwoPi = 0xC.90FDAA22168C235p-1L;        // 4001 C90FDAA2 2168C235
constexpr Extended FourPiThirds = 0x8.60A91C16B9B2C24p-1L; // 4001 860A91C1 6B9B2C24
constexpr Extended FourPi = 0xC.90FDAA22168C235p+0L;       // 4002 C90FDAA2 2168C235
constexpr Extended HalfPi = 0xC.90FDAA22168C235p-3L;       // 3FFF C90FDAA2 2168C235
} // namespace Constants
