#include "DecimalNumbers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::int64_t ExponentLimit = std::int64_t(1) << 40; // far beyond any Extended

bool IsDigit(char ACh) {
    return ACh >= '0' && ACh <= '9';
}

// ADigits (decimal, most significant first) times AFactor, which is below 2^32.
std::string MultiplySmall(const std::string& ADigits, std::uint64_t AFactor) {
    std::string Result(ADigits.size() + 20, '0');
    std::uint64_t Carry = 0;
    std::size_t Position = Result.size();
    for (std::size_t I = ADigits.size(); I-- > 0;) {
        const std::uint64_t Product = std::uint64_t(ADigits[I] - '0') * AFactor + Carry;
        Result[--Position] = char('0' + Product % 10);
        Carry = Product / 10;
    }
    while (Carry > 0) {
        Result[--Position] = char('0' + Carry % 10);
        Carry /= 10;
    }
    return Result.substr(Position);
}

} // namespace

std::optional<TDecimalNumber> TDecimalNumber::Parse(std::string_view AText, char ASeparator) {
    TDecimalNumber Result;
    std::size_t I = 0;
    if (I < AText.size() && (AText[I] == '-' || AText[I] == '+')) {
        Result.FNegative = AText[I] == '-';
        ++I;
    }
    bool SeenSeparator = false;
    bool SeenDigit = false;
    std::int64_t Shift = 0; // digits after the separator
    for (; I < AText.size(); ++I) {
        const char Ch = AText[I];
        if (IsDigit(Ch)) {
            SeenDigit = true;
            Result.FDigits += Ch;
            if (SeenSeparator) {
                ++Shift;
            }
        } else if (Ch == ASeparator && !SeenSeparator) {
            SeenSeparator = true;
        } else {
            break;
        }
    }
    if (!SeenDigit) {
        return std::nullopt;
    }
    std::int64_t Exponent = 0;
    if (I < AText.size()) {
        if (AText[I] != 'e' && AText[I] != 'E') {
            return std::nullopt;
        }
        ++I;
        bool NegativeExponent = false;
        if (I < AText.size() && (AText[I] == '-' || AText[I] == '+')) {
            NegativeExponent = AText[I] == '-';
            ++I;
        }
        if (I == AText.size()) {
            return std::nullopt;
        }
        for (; I < AText.size(); ++I) {
            if (!IsDigit(AText[I])) {
                return std::nullopt;
            }
            // An exponent beyond any number's is kept at a bound of the same effect.
            Exponent = std::min(Exponent * 10 + (AText[I] - '0'), ExponentLimit);
        }
        if (NegativeExponent) {
            Exponent = -Exponent;
        }
    }
    Result.FExponent = Exponent - Shift;
    Result.Normalise();
    return Result;
}

TDecimalNumber TDecimalNumber::FromInteger(std::int64_t AValue) {
    TDecimalNumber Result;
    Result.FNegative = AValue < 0;
    // The magnitude of the most negative value is written from its digits.
    const std::uint64_t Magnitude =
        AValue < 0 ? std::uint64_t(-(AValue + 1)) + 1 : std::uint64_t(AValue);
    Result.FDigits = std::to_string(Magnitude);
    Result.Normalise();
    return Result;
}

void TDecimalNumber::Normalise() {
    const std::size_t First = FDigits.find_first_not_of('0');
    if (First == std::string::npos) {
        *this = TDecimalNumber();
        return;
    }
    FDigits.erase(0, First);
    const std::size_t Last = FDigits.find_last_not_of('0');
    FExponent += std::int64_t(FDigits.size() - 1 - Last);
    FDigits.resize(Last + 1);
}

TDecimalNumber TDecimalNumber::Halved() const {
    // x / 2 = 5x / 10.
    TDecimalNumber Result = *this;
    Result.FDigits = MultiplySmall(FDigits, 5);
    Result.FExponent -= 1;
    Result.Normalise();
    return Result;
}

TDecimalNumber TDecimalNumber::Times(std::int64_t AFactor) const {
    TDecimalNumber Result = *this;
    if (AFactor < 0) {
        Result.FNegative = !Result.FNegative;
    }
    std::uint64_t Factor = AFactor < 0 ? std::uint64_t(-(AFactor + 1)) + 1 : std::uint64_t(AFactor);
    // In two halves of 32 bits: Digits * (High * 2^32 + Low).
    const std::uint64_t Low = Factor & 0xFFFFFFFFu;
    const std::uint64_t High = Factor >> 32;
    std::string Sum = MultiplySmall(FDigits, Low);
    if (High != 0) {
        std::string Upper = MultiplySmall(MultiplySmall(FDigits, High), 65536);
        Upper = MultiplySmall(Upper, 65536);
        // Decimal addition of the two products.
        std::string Total;
        int Carry = 0;
        for (std::size_t I = 0; I < std::max(Sum.size(), Upper.size()) || Carry; ++I) {
            int Digit = Carry;
            if (I < Sum.size()) {
                Digit += Sum[Sum.size() - 1 - I] - '0';
            }
            if (I < Upper.size()) {
                Digit += Upper[Upper.size() - 1 - I] - '0';
            }
            Total += char('0' + Digit % 10);
            Carry = Digit / 10;
        }
        std::reverse(Total.begin(), Total.end());
        Sum = Total;
    }
    Result.FDigits = Sum;
    Result.Normalise();
    return Result;
}

std::string TDecimalNumber::Text() const {
    if (IsZero()) {
        return "0";
    }
    return (FNegative ? "-" : "") + FDigits + "e" + std::to_string(FExponent);
}

Extended TDecimalNumber::Rounded() const {
    const std::string Image = Text();
    return std::strtold(Image.c_str(), nullptr);
}

bool TDecimalNumber::RoundsExactly() const {
    if (IsZero()) {
        return true;
    }
    // Digits x 10^Exponent with the digits in 64 bits: an integer below 2^64 is
    // an Extended, and so is one divided by a power of two when 5^-Exponent
    // divides it. Anything else is not looked at.
    if (FDigits.size() > 19) {
        return false;
    }
    std::uint64_t Integer = std::strtoull(FDigits.c_str(), nullptr, 10);
    if (FExponent >= 0) {
        for (std::int64_t I = 0; I < FExponent; ++I) {
            if (Integer > std::numeric_limits<std::uint64_t>::max() / 10) {
                return false;
            }
            Integer *= 10;
        }
        return true;
    }
    if (FExponent < -27) {
        return false;
    }
    for (std::int64_t I = 0; I < -FExponent; ++I) {
        if (Integer % 5 != 0) {
            return false;
        }
        Integer /= 5;
    }
    return true;
}

int Compare(const TDecimalNumber& ALeft, const TDecimalNumber& ARight) {
    const auto SignOf = [](const TDecimalNumber& ANumber) {
        return ANumber.IsZero() ? 0 : (ANumber.FNegative ? -1 : 1);
    };
    const int LeftSign = SignOf(ALeft);
    const int RightSign = SignOf(ARight);
    if (LeftSign != RightSign || LeftSign == 0) {
        return LeftSign < RightSign ? -1 : (LeftSign > RightSign ? 1 : 0);
    }
    // Same sign: compare the magnitudes by the place of the leading digit,
    // then digit by digit.
    const std::int64_t LeftLead = ALeft.FExponent + std::int64_t(ALeft.FDigits.size());
    const std::int64_t RightLead = ARight.FExponent + std::int64_t(ARight.FDigits.size());
    int Magnitude = 0;
    if (LeftLead != RightLead) {
        Magnitude = LeftLead < RightLead ? -1 : 1;
    } else {
        const int Digits = ALeft.FDigits.compare(ARight.FDigits);
        Magnitude = Digits < 0 ? -1 : (Digits > 0 ? 1 : 0);
    }
    return LeftSign * Magnitude;
}
