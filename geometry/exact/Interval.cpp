#include "Interval.h"

#include <gmp.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

thread_local mpfr_prec_t GWorkingPrecision = 128;

bool IsNaN(const TInterval& x) {
    return mpfi_nan_p(x.Get()) != 0;
}

// The exact value of a typed number as an integer times 10^AExponent, for an
// AExponent not above its own.
void ScaledInteger(const TDecimalNumber& ANumber, std::int64_t AExponent, mpz_t AResult) {
    if (ANumber.IsZero()) {
        mpz_set_ui(AResult, 0);
        return;
    }
    mpz_set_str(AResult, ANumber.Digits().c_str(), 10);
    mpz_t Power;
    mpz_init(Power);
    mpz_ui_pow_ui(Power, 10, static_cast<unsigned long>(ANumber.Exponent() - AExponent));
    mpz_mul(AResult, AResult, Power);
    mpz_clear(Power);
    if (ANumber.Negative()) {
        mpz_neg(AResult, AResult);
    }
}

// Whether the exact sum of the typed numbers exceeds the bound, in integers.
bool DecimalSumExceeds(const std::vector<const TDecimalNumber*>& ATerms,
                       const TDecimalNumber& ABound) {
    std::int64_t Lowest = ABound.IsZero() ? 0 : ABound.Exponent();
    for (const TDecimalNumber* Term : ATerms) {
        if (!Term->IsZero()) {
            Lowest = std::min(Lowest, Term->Exponent());
        }
    }
    mpz_t Total;
    mpz_t Part;
    mpz_init(Total);
    mpz_init(Part);
    for (const TDecimalNumber* Term : ATerms) {
        ScaledInteger(*Term, Lowest, Part);
        mpz_add(Total, Total, Part);
    }
    ScaledInteger(ABound, Lowest, Part);
    mpz_sub(Total, Total, Part);
    const bool Result = mpz_sgn(Total) > 0;
    mpz_clear(Part);
    mpz_clear(Total);
    return Result;
}

// An end of the interval as a decimal with ADigits digits, rounded in ARound.
TDecimalNumber DecimalOf(mpfr_srcptr AValue, int ADigits, mpfr_rnd_t ARound) {
    if (mpfr_zero_p(AValue)) {
        return TDecimalNumber();
    }
    mpfr_exp_t Exponent = 0;
    char* Digits = mpfr_get_str(nullptr, &Exponent, 10, std::size_t(ADigits), AValue, ARound);
    std::string Text = Digits;
    mpfr_free_str(Digits);
    const std::size_t Count = Text.size() - (Text[0] == '-' ? 1 : 0);
    Text += "e" + std::to_string(std::int64_t(Exponent) - std::int64_t(Count));
    return *TDecimalNumber::Parse(Text);
}

} // namespace

// ---- Precision --------------------------------------------------------------------

TWorkingPrecision::TWorkingPrecision(mpfr_prec_t ABits) : FPrevious(GWorkingPrecision) {
    GWorkingPrecision = ABits;
}

TWorkingPrecision::~TWorkingPrecision() {
    GWorkingPrecision = FPrevious;
}

mpfr_prec_t TWorkingPrecision::Current() {
    return GWorkingPrecision;
}

// ---- Values -----------------------------------------------------------------------

TInterval::TInterval() {
    mpfi_init2(FValue, GWorkingPrecision);
    mpfi_set_si(FValue, 0);
}

void TInterval::SetExact(long double AValue) {
    // A long double has 64 bits, which the working precision holds.
    mpfr_t Value;
    mpfr_init2(Value, 64);
    mpfr_set_ld(Value, AValue, MPFR_RNDN);
    mpfi_set_fr(FValue, Value);
    mpfr_clear(Value);
}

TInterval TInterval::FromDecimal(const TDecimalNumber& ANumber) {
    TInterval Result;
    mpfi_set_str(Result.FValue, ANumber.Text().c_str(), 10);
    Result.FDecimal = std::make_shared<const TDecimalNumber>(ANumber);
    return Result;
}

TInterval::TInterval(const TInterval& AOther) : FDecimal(AOther.FDecimal) {
    mpfi_init2(FValue, mpfi_get_prec(AOther.FValue));
    mpfi_set(FValue, AOther.FValue);
}

TInterval::TInterval(TInterval&& AOther) noexcept : FDecimal(std::move(AOther.FDecimal)) {
    mpfi_init2(FValue, MPFR_PREC_MIN);
    mpfi_swap(FValue, AOther.FValue);
}

TInterval& TInterval::operator=(const TInterval& AOther) {
    if (this != &AOther) {
        mpfi_set_prec(FValue, mpfi_get_prec(AOther.FValue));
        mpfi_set(FValue, AOther.FValue);
        FDecimal = AOther.FDecimal;
    }
    return *this;
}

TInterval& TInterval::operator=(TInterval&& AOther) noexcept {
    mpfi_swap(FValue, AOther.FValue);
    FDecimal = std::move(AOther.FDecimal);
    return *this;
}

TInterval::~TInterval() {
    mpfi_clear(FValue);
}

TInterval TInterval::operator-() const {
    TInterval Result;
    mpfi_neg(Result.FValue, FValue);
    return Result;
}

TInterval operator+(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_add(Result.Get(), ALeft.Get(), ARight.Get());
    return Result;
}

TInterval operator-(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_sub(Result.Get(), ALeft.Get(), ARight.Get());
    return Result;
}

TInterval operator*(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_mul(Result.Get(), ALeft.Get(), ARight.Get());
    return Result;
}

TInterval operator/(const TInterval& ALeft, const TInterval& ARight) {
    if (mpfi_has_zero(ARight.Get())) {
        throw EUndecided(); // a divisor that may be zero: too coarse, or no figure
    }
    TInterval Result;
    mpfi_div(Result.Get(), ALeft.Get(), ARight.Get());
    return Result;
}

// ---- Comparisons ------------------------------------------------------------------

bool operator<(const TInterval& ALeft, const TInterval& ARight) {
    if (ALeft.Decimal() && ARight.Decimal()) {
        return Compare(*ALeft.Decimal(), *ARight.Decimal()) < 0;
    }
    if (IsNaN(ALeft) || IsNaN(ARight)) {
        throw EUndecided();
    }
    if (mpfr_cmp(&ALeft.Get()->right, &ARight.Get()->left) < 0) {
        return true;
    }
    if (mpfr_cmp(&ALeft.Get()->left, &ARight.Get()->right) >= 0) {
        return false;
    }
    throw EUndecided();
}

bool operator==(const TInterval& ALeft, const TInterval& ARight) {
    if (ALeft.Decimal() && ARight.Decimal()) {
        return Compare(*ALeft.Decimal(), *ARight.Decimal()) == 0;
    }
    if (IsNaN(ALeft) || IsNaN(ARight)) {
        throw EUndecided();
    }
    if (mpfr_cmp(&ALeft.Get()->right, &ARight.Get()->left) < 0 ||
        mpfr_cmp(&ARight.Get()->right, &ALeft.Get()->left) < 0) {
        return false;
    }
    const bool Points = mpfr_equal_p(&ALeft.Get()->left, &ALeft.Get()->right) &&
                        mpfr_equal_p(&ARight.Get()->left, &ARight.Get()->right);
    if (Points) {
        return mpfr_equal_p(&ALeft.Get()->left, &ARight.Get()->left) != 0;
    }
    throw EUndecided();
}

// ---- Functions --------------------------------------------------------------------

TInterval Sqrt(const TInterval& x) {
    if (IsNaN(x) || mpfr_sgn(&x.Get()->left) < 0) {
        throw EUndecided();
    }
    TInterval Result;
    mpfi_sqrt(Result.Get(), x.Get());
    return Result;
}

TInterval Sin(const TInterval& x) {
    TInterval Result;
    mpfi_sin(Result.Get(), x.Get());
    return Result;
}

TInterval Cos(const TInterval& x) {
    TInterval Result;
    mpfi_cos(Result.Get(), x.Get());
    return Result;
}

TInterval Atan2(const TInterval& y, const TInterval& x) {
    TInterval Result;
    mpfi_atan2(Result.Get(), y.Get(), x.Get());
    return Result;
}

TInterval Hypot(const TInterval& x, const TInterval& y) {
    TInterval Result;
    mpfi_hypot(Result.Get(), x.Get(), y.Get());
    return Result;
}

TInterval Fabs(const TInterval& x) {
    TInterval Result;
    mpfi_abs(Result.Get(), x.Get());
    return Result;
}

Extended ValueOf(const TInterval& x) {
    mpfr_t Middle;
    mpfr_init2(Middle, mpfi_get_prec(x.Get()));
    mpfi_mid(Middle, x.Get());
    const Extended Result = mpfr_get_ld(Middle, MPFR_RNDN);
    mpfr_clear(Middle);
    return Result;
}

TInterval NextUp(const TInterval& x) {
    return x;
}

TInterval NextDown(const TInterval& x) {
    return x;
}

TInterval WithRelativeError(const TInterval& x, Extended ARelative) {
    TInterval Result = x;
    mpfr_t Error;
    mpfr_init2(Error, 64);
    mpfi_mag(Error, x.Get());
    mpfr_mul_d(Error, Error, double(ARelative), MPFR_RNDU);
    mpfi_increase(Result.Get(), Error);
    mpfr_clear(Error);
    return Result;
}

bool IsFinite(const TInterval& x) {
    return !IsNaN(x) && mpfi_bounded_p(x.Get());
}

bool IsFinitePositive(const TInterval& x) {
    if (IsNaN(x)) {
        throw EUndecided();
    }
    if (mpfr_sgn(&x.Get()->right) <= 0) {
        return false;
    }
    if (mpfr_sgn(&x.Get()->left) > 0) {
        return mpfi_bounded_p(x.Get()) != 0;
    }
    throw EUndecided();
}

bool SumExceeds(std::initializer_list<TInterval> ATerms, const TInterval& ABound) {
    std::vector<const TDecimalNumber*> Decimals;
    for (const TInterval& Term : ATerms) {
        if (Term.Decimal()) {
            Decimals.push_back(Term.Decimal());
        }
    }
    if (ABound.Decimal() && Decimals.size() == ATerms.size()) {
        return DecimalSumExceeds(Decimals, *ABound.Decimal());
    }
    TInterval Excess = -ABound;
    for (const TInterval& Term : ATerms) {
        Excess = Excess + Term;
    }
    return Excess > 0;
}

void TwoSum(const TInterval& x, const TInterval& y, TInterval& s, TInterval& e) {
    s = x + y;
    e = TInterval();
}

void DecimalBounds(const TInterval& x, int ADigits, TDecimalNumber& ALow, TDecimalNumber& AHigh) {
    ALow = DecimalOf(&x.Get()->left, ADigits, MPFR_RNDD);
    AHigh = DecimalOf(&x.Get()->right, ADigits, MPFR_RNDU);
}

TInterval MiddleOf(const TInterval& x) {
    mpfr_t Middle;
    mpfr_init2(Middle, mpfi_get_prec(x.Get()));
    mpfi_mid(Middle, x.Get());
    TInterval Result;
    mpfi_set_fr(Result.Get(), Middle);
    mpfr_clear(Middle);
    return Result;
}

TInterval Hull(const TInterval& ALow, const TInterval& AHigh) {
    TInterval Result;
    mpfi_interv_fr(Result.Get(), &ALow.Get()->left, &AHigh.Get()->right);
    return Result;
}

std::string MiddleText(const TInterval& x, int ADigits) {
    mpfr_t Middle;
    mpfr_init2(Middle, mpfi_get_prec(x.Get()));
    mpfi_mid(Middle, x.Get());
    std::string Text;
    if (mpfr_zero_p(Middle)) {
        Text = "0";
    } else {
        mpfr_exp_t Exponent = 0;
        char* Digits =
            mpfr_get_str(nullptr, &Exponent, 10, std::size_t(ADigits), Middle, MPFR_RNDN);
        std::string Raw = Digits;
        mpfr_free_str(Digits);
        const bool Negative = Raw[0] == '-';
        if (Negative) {
            Raw.erase(0, 1);
        }
        Text = std::string(Negative ? "-" : "") + Raw.substr(0, 1) + "." + Raw.substr(1) + "e" +
               std::to_string(std::int64_t(Exponent) - 1);
    }
    mpfr_clear(Middle);
    return Text;
}

double RelativeWidth(const TInterval& x) {
    mpfr_t Width;
    mpfr_t Magnitude;
    mpfr_init2(Width, 64);
    mpfr_init2(Magnitude, 64);
    mpfi_diam_abs(Width, x.Get());
    mpfi_mag(Magnitude, x.Get());
    const double Result = mpfr_zero_p(Magnitude)
                              ? 0.0
                              : mpfr_get_d(Width, MPFR_RNDU) / mpfr_get_d(Magnitude, MPFR_RNDD);
    mpfr_clear(Width);
    mpfr_clear(Magnitude);
    return Result;
}

// ---- Constants ----------------------------------------------------------------------

namespace {

TInterval PiTimes(long AShift, long ADivisor) {
    TInterval Result;
    mpfi_const_pi(Result.Get());
    mpfi_mul_2si(Result.Get(), Result.Get(), AShift);
    if (ADivisor != 1) {
        mpfi_div_si(Result.Get(), Result.Get(), ADivisor);
    }
    return Result;
}

} // namespace

TInterval Figures::TNumberTraits<TInterval>::Pi() {
    return PiTimes(0, 1);
}
TInterval Figures::TNumberTraits<TInterval>::TwoPi() {
    return PiTimes(1, 1);
}
TInterval Figures::TNumberTraits<TInterval>::HalfPi() {
    return PiTimes(-1, 1);
}
TInterval Figures::TNumberTraits<TInterval>::FourPi() {
    return PiTimes(2, 1);
}
TInterval Figures::TNumberTraits<TInterval>::FourPiThirds() {
    return PiTimes(2, 3);
}
TInterval Figures::TNumberTraits<TInterval>::PiSixths() {
    return PiTimes(-1, 3);
}
TInterval Figures::TNumberTraits<TInterval>::OneThird() {
    TInterval Result(1);
    mpfi_div_si(Result.Get(), Result.Get(), 3);
    return Result;
}
