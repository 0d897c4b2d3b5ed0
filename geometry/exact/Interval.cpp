#include "Interval.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

thread_local mpfr_prec_t GWorkingPrecision = 128;

bool IsNaN(const TInterval& x) {
    return mpfi_nan_p(x.Get()) != 0;
}

// Decimals beyond this power of ten are not held as rationals (their integers
// would be too long); such a number lives in its interval alone.
constexpr std::int64_t RationalExponentLimit = 20000;

std::shared_ptr<const mpq_class> RationalOf(const TDecimalNumber& ANumber) {
    if (ANumber.IsZero()) {
        return std::make_shared<const mpq_class>(0);
    }
    const std::int64_t Exponent = ANumber.Exponent();
    if (Exponent > RationalExponentLimit || Exponent < -RationalExponentLimit) {
        return nullptr;
    }
    mpz_class Digits(ANumber.Digits(), 10);
    mpz_class Power;
    mpz_ui_pow_ui(Power.get_mpz_t(), 10,
                  static_cast<unsigned long>(Exponent < 0 ? -Exponent : Exponent));
    mpq_class Value = Exponent < 0 ? mpq_class(Digits, Power) : mpq_class(Digits * Power);
    Value.canonicalize();
    if (ANumber.Negative()) {
        Value = -Value;
    }
    return std::make_shared<const mpq_class>(Value);
}

std::shared_ptr<const mpq_class> Exactly(const mpq_class& AValue) {
    return std::make_shared<const mpq_class>(AValue);
}

// The square root of an exact value that is a square of a rational, else nothing.
std::shared_ptr<const mpq_class> ExactSquareRoot(const mpq_class* AValue) {
    if (!AValue || sgn(*AValue) < 0 || !mpz_perfect_square_p(AValue->get_num_mpz_t()) ||
        !mpz_perfect_square_p(AValue->get_den_mpz_t())) {
        return nullptr;
    }
    mpz_class Numerator;
    mpz_class Denominator;
    mpz_sqrt(Numerator.get_mpz_t(), AValue->get_num_mpz_t());
    mpz_sqrt(Denominator.get_mpz_t(), AValue->get_den_mpz_t());
    return Exactly(mpq_class(Numerator, Denominator));
}

// The decimals around a rational: ADigits significant digits below and above.
void DecimalsAround(const mpq_class& AValue, int ADigits, TDecimalNumber& ALow,
                    TDecimalNumber& AHigh) {
    if (sgn(AValue) == 0) {
        ALow = AHigh = TDecimalNumber();
        return;
    }
    const mpq_class Magnitude = abs(AValue);
    // Lead: 10^(Lead - 1) <= Magnitude < 10^Lead, from the digit counts first.
    std::int64_t Lead = std::int64_t(mpz_sizeinbase(Magnitude.get_num_mpz_t(), 10)) -
                        std::int64_t(mpz_sizeinbase(Magnitude.get_den_mpz_t(), 10)) + 1;
    const auto PowerOf10 = [](std::int64_t AExponent) {
        mpz_class Power;
        mpz_ui_pow_ui(Power.get_mpz_t(), 10,
                      static_cast<unsigned long>(AExponent < 0 ? -AExponent : AExponent));
        return AExponent < 0 ? mpq_class(1, Power) : mpq_class(Power);
    };
    while (Magnitude >= PowerOf10(Lead)) {
        ++Lead;
    }
    while (Magnitude < PowerOf10(Lead - 1)) {
        --Lead;
    }
    // Magnitude x 10^(ADigits - Lead), cut down and up to integers.
    const mpq_class Scaled = Magnitude * PowerOf10(ADigits - Lead);
    mpz_class Floor;
    mpz_class Ceiling;
    mpz_fdiv_q(Floor.get_mpz_t(), Scaled.get_num_mpz_t(), Scaled.get_den_mpz_t());
    mpz_cdiv_q(Ceiling.get_mpz_t(), Scaled.get_num_mpz_t(), Scaled.get_den_mpz_t());
    const std::string Exponent = "e" + std::to_string(Lead - ADigits);
    const TDecimalNumber Below = *TDecimalNumber::Parse(Floor.get_str() + Exponent);
    const TDecimalNumber Above = *TDecimalNumber::Parse(Ceiling.get_str() + Exponent);
    if (sgn(AValue) > 0) {
        ALow = Below;
        AHigh = Above;
    } else {
        ALow = Above.Times(-1);
        AHigh = Below.Times(-1);
    }
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
    // A long double has 64 bits, which the working precision holds; as a
    // rational it is its mantissa times a power of two.
    mpfr_t Value;
    mpfr_init2(Value, 64);
    mpfr_set_ld(Value, AValue, MPFR_RNDN);
    mpfi_set_fr(FValue, Value);
    if (std::isfinite(AValue)) {
        mpz_class Mantissa;
        const mpfr_exp_t Exponent = mpfr_get_z_2exp(Mantissa.get_mpz_t(), Value);
        mpq_class Exact(Mantissa);
        if (Exponent >= 0) {
            mpq_mul_2exp(Exact.get_mpq_t(), Exact.get_mpq_t(), mp_bitcnt_t(Exponent));
        } else {
            mpq_div_2exp(Exact.get_mpq_t(), Exact.get_mpq_t(), mp_bitcnt_t(-Exponent));
        }
        FExact = Exactly(Exact);
    }
    mpfr_clear(Value);
}

void TInterval::SetExact(mpq_class AValue) {
    mpfi_set_q(FValue, AValue.get_mpq_t());
    FExact = Exactly(AValue);
}

TInterval TInterval::FromDecimal(const TDecimalNumber& ANumber) {
    TInterval Result;
    mpfi_set_str(Result.FValue, ANumber.Text().c_str(), 10);
    Result.FExact = RationalOf(ANumber);
    return Result;
}

TInterval::TInterval(const TInterval& AOther) : FExact(AOther.FExact) {
    mpfi_init2(FValue, mpfi_get_prec(AOther.FValue));
    mpfi_set(FValue, AOther.FValue);
}

TInterval::TInterval(TInterval&& AOther) noexcept : FExact(std::move(AOther.FExact)) {
    mpfi_init2(FValue, MPFR_PREC_MIN);
    mpfi_swap(FValue, AOther.FValue);
}

TInterval& TInterval::operator=(const TInterval& AOther) {
    if (this != &AOther) {
        mpfi_set_prec(FValue, mpfi_get_prec(AOther.FValue));
        mpfi_set(FValue, AOther.FValue);
        FExact = AOther.FExact;
    }
    return *this;
}

TInterval& TInterval::operator=(TInterval&& AOther) noexcept {
    mpfi_swap(FValue, AOther.FValue);
    FExact = std::move(AOther.FExact);
    return *this;
}

TInterval::~TInterval() {
    mpfi_clear(FValue);
}

TInterval TInterval::operator-() const {
    TInterval Result;
    mpfi_neg(Result.FValue, FValue);
    if (FExact) {
        Result.FExact = Exactly(-*FExact);
    }
    return Result;
}

TInterval operator+(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_add(Result.Get(), ALeft.Get(), ARight.Get());
    if (ALeft.Exact() && ARight.Exact()) {
        Result.SetExact(mpq_class(*ALeft.Exact() + *ARight.Exact()));
    }
    return Result;
}

TInterval operator-(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_sub(Result.Get(), ALeft.Get(), ARight.Get());
    if (ALeft.Exact() && ARight.Exact()) {
        Result.SetExact(mpq_class(*ALeft.Exact() - *ARight.Exact()));
    }
    return Result;
}

TInterval operator*(const TInterval& ALeft, const TInterval& ARight) {
    TInterval Result;
    mpfi_mul(Result.Get(), ALeft.Get(), ARight.Get());
    if (ALeft.Exact() && ARight.Exact()) {
        Result.SetExact(mpq_class(*ALeft.Exact() * *ARight.Exact()));
    }
    return Result;
}

TInterval operator/(const TInterval& ALeft, const TInterval& ARight) {
    if (mpfi_has_zero(ARight.Get())) {
        throw EUndecided(); // a divisor that may be zero: too coarse, or no figure
    }
    TInterval Result;
    mpfi_div(Result.Get(), ALeft.Get(), ARight.Get());
    if (ALeft.Exact() && ARight.Exact()) {
        Result.SetExact(mpq_class(*ALeft.Exact() / *ARight.Exact()));
    }
    return Result;
}

// ---- Comparisons ------------------------------------------------------------------

bool operator<(const TInterval& ALeft, const TInterval& ARight) {
    if (ALeft.Exact() && ARight.Exact()) {
        return *ALeft.Exact() < *ARight.Exact();
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
    if (ALeft.Exact() && ARight.Exact()) {
        return *ALeft.Exact() == *ARight.Exact();
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
    if (const std::shared_ptr<const mpq_class> Root = ExactSquareRoot(x.Exact())) {
        Result.SetExact(*Root);
    }
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
    if (x.Exact() && y.Exact()) {
        const mpq_class Square = *x.Exact() * *x.Exact() + *y.Exact() * *y.Exact();
        if (const std::shared_ptr<const mpq_class> Root = ExactSquareRoot(&Square)) {
            Result.SetExact(*Root);
        }
    }
    return Result;
}

TInterval Fabs(const TInterval& x) {
    TInterval Result;
    mpfi_abs(Result.Get(), x.Get());
    if (x.Exact()) {
        Result.SetExact(abs(*x.Exact()));
    }
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
    // An approximation of another value: its own exact value is not that one's.
    TInterval Result;
    mpfi_set_prec(Result.Get(), mpfi_get_prec(x.Get()));
    mpfi_set(Result.Get(), x.Get());
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
    if (x.Exact()) {
        return sgn(*x.Exact()) > 0;
    }
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
    TInterval Excess = -ABound;
    for (const TInterval& Term : ATerms) {
        Excess = Excess + Term;
    }
    return Excess > 0;
}

void TwoSum(const TInterval& x, const TInterval& y, TInterval& s, TInterval& e) {
    s = x + y;
    e = TInterval(0);
}

void DecimalBounds(const TInterval& x, int ADigits, TDecimalNumber& ALow, TDecimalNumber& AHigh) {
    if (x.Exact()) {
        // Enough digits to keep the value apart from every decimal of up to 20
        // significant digits (a boundary of the shown digits) that it is not.
        const int Digits = 40 + int(mpz_sizeinbase(x.Exact()->get_den_mpz_t(), 10));
        DecimalsAround(*x.Exact(), std::max(ADigits, Digits), ALow, AHigh);
        return;
    }
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
    TInterval Result;
    Result.SetExact(mpq_class(1, 3));
    return Result;
}
