// What the fuzz targets share: reading typed values from the fuzzer's bytes and
// failing loudly when a property does not hold.
#pragma once

#include "MathFunctions.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Fuzz {

// A property that does not hold is a finding: say which, and abort so that
// libFuzzer keeps the input that shows it.
[[noreturn]] inline void Fail(const char* AWhat, const std::string& ADetail = std::string()) {
    std::fprintf(stderr, "\n==FUZZ== property violated: %s\n", AWhat);
    if (!ADetail.empty())
        std::fprintf(stderr, "==FUZZ== %s\n", ADetail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(ACondition, ADetail)                                                            \
    do {                                                                                           \
        if (!(ACondition))                                                                         \
            ::Fuzz::Fail(#ACondition, (ADetail));                                                  \
    } while (false)

// The 80-bit image of a value, for messages: sign and exponent, then the mantissa.
inline std::string Image(Extended AValue) {
    unsigned char Bytes[10] = {};
    std::memcpy(Bytes, &AValue, 10);
    std::uint64_t Mantissa = 0;
    std::uint16_t Exponent = 0;
    std::memcpy(&Mantissa, Bytes, 8);
    std::memcpy(&Exponent, Bytes + 8, 2);
    char Text[96];
    std::snprintf(Text, sizeof Text, "%04X %016llX (%.21Lg)", unsigned(Exponent),
                  static_cast<unsigned long long>(Mantissa), AValue);
    return Text;
}

// Hands out the fuzzer's bytes as typed values; past the end every value reads
// as zero bytes, so that every input is usable.
class TInput {
public:
    TInput(const std::uint8_t* AData, std::size_t ASize) : FData(AData), FSize(ASize) {}

    std::size_t Remaining() const { return FSize - FPos; }

    std::uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }

    void Bytes(void* ATarget, std::size_t ACount) {
        auto* Target = static_cast<unsigned char*>(ATarget);
        for (std::size_t I = 0; I < ACount; ++I)
            Target[I] = Byte();
    }

    // Any 80-bit pattern, the x87's oddities included: pseudo-denormals,
    // unnormals, pseudo-infinities and pseudo-NaNs.
    Extended RawExtended() {
        Extended Value = 0;
        Bytes(&Value, 10);
        return Value;
    }

    std::int32_t Int32() {
        std::int32_t Value = 0;
        Bytes(&Value, sizeof Value);
        return Value;
    }

    // The rest of the input.
    std::string Rest() {
        std::string Text(reinterpret_cast<const char*>(FData + FPos), FSize - FPos);
        FPos = FSize;
        return Text;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

} // namespace Fuzz
