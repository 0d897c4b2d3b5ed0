#include "CertifiedResults.h"

#include "Certify.h"
#include "SolidBuilds.h"

#include <cstdio>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace {

// A page's own check refused the typed numbers (equal radii of a truncated cone).
class ERefusedEntries : public EInvalidInput {
public:
    ERefusedEntries() : EInvalidInput("Refused entries: ", "a check of the page", false) {}
};

// The lengths of the figure in the number type T, by entry.
template <class T> class TTypedInputs : public TRowInputs<T> {
public:
    TTypedInputs(const std::vector<T>& AInputs, const std::vector<TEntry>& AEntries)
        : FInputs(AInputs), FEntries(AEntries) {}
    T operator[](TEntry AEntry) const override {
        for (std::size_t i = 0; i < FEntries.size(); ++i)
            if (FEntries[i] == AEntry)
                return FInputs[i];
        throw std::logic_error("A length the variant does not read");
    }

private:
    const std::vector<T>& FInputs;
    const std::vector<TEntry>& FEntries;
};

// The maker of SolidBuilds::Build for the certification: the figure's values
// in the order of TResultQuantity, or the state of its refusal in ARefusal
// and the refusal passed on to CertifyFigure.
template <class T> struct TQuantitiesMaker {
    TSolidType Type;
    const TTypedInputs<T>& In;
    const T* Density; // with the mass: the density
    TResultState* Refusal;

    template <class TBuild>
    std::vector<T> Make(TBuild ABuild, TResultState ARejection = rsChyba_Z) const {
        try {
            const auto figure = ABuild();
            std::vector<T> values{figure.Volume(), figure.Area()};
            for (T& row : SupplementaryRowValues<T>(Type, figure, In))
                values.push_back(std::move(row));
            // As TSolidFigure::Mass computes it, without its checks: the program
            // has a mass for this figure, and the mass refuses no figure.
            if (Density)
                values.push_back(*Density * figure.Volume());
            return values;
        } catch (const EInvalidInputSolidFigures& AError) {
            *Refusal = AError.NotFinite() ? rsChyba_Z : ARejection;
            throw;
        } catch (const EInvalidInput&) {
            *Refusal = rsChyba_Z;
            throw;
        }
    }
    std::vector<T> Refuse(TResultState AState) const {
        *Refusal = AState;
        throw ERefusedEntries();
    }
};

// "d.ddd...e-x" to ADigits significant digits, half away from zero, as
// "d.ddd...eX" with the exponent bare.
std::string SignificantText(const std::string& AText, int ADigits) {
    if (AText.empty() || AText == "0")
        return "0";
    const bool negative = AText[0] == '-';
    const std::size_t e = AText.find_first_of("eE");
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < std::min(e, AText.size()); ++i)
        if (AText[i] >= '0' && AText[i] <= '9')
            digits += AText[i];
    long long exponent = e == std::string::npos ? 0 : std::stoll(AText.substr(e + 1));
    digits.resize(std::max<std::size_t>(digits.size(), std::size_t(ADigits) + 1), '0');
    const bool up = digits[std::size_t(ADigits)] >= '5';
    digits.resize(std::size_t(ADigits));
    if (up) {
        int i = ADigits - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[std::size_t(i)];
        }
    }
    return (negative ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "e" +
           std::to_string(exponent);
}

TShownForm ShownForm(const TNumberForm& AForm) {
    return {AForm.Precision, AForm.Semilogarithmic};
}

} // namespace

std::shared_ptr<const TCertifiedQuantities>
TCertifiedQuantities::Make(TVariant AVariant, const TEntryValues& AValues,
                           const TTypedNumbers& ATyped, const TDecimalNumber* ADensity) {
    std::shared_ptr<TCertifiedQuantities> result(new TCertifiedQuantities);
    result->FVariant = AVariant;
    result->FValues = AValues;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        const TEntryKind kind = EntryDesc(place.Entry).Kind;
        if (kind != ekNumber && kind != ekRadius)
            continue;
        // A decimal that is not what the entry read is no typed number of it.
        const TDecimalNumber* typed = ATyped.Find(place.Entry);
        if (!typed || typed->Rounded() != AValues[place.Entry])
            return nullptr;
        result->FEntries.push_back(place.Entry);
        result->FInputs.push_back(*typed);
    }
    if (ADensity) {
        result->FInputs.push_back(*ADensity);
        result->FMass = true;
    }
    return result;
}

TCertifiedQuantities::~TCertifiedQuantities() = default;

const TCertifiedShown& TCertifiedQuantities::At(const TNumberForm& AForm) const {
    for (const auto& [form, shown] : FDecided)
        if (form == AForm)
            return shown;
    // Another form: what was kept decides it where it can.
    if (!FKept.empty()) {
        const TCertifiedShown& kept = FDecided.back().second;
        TCertifiedShown shown;
        shown.Values.reserve(FKept.size());
        bool certain = true;
        for (std::size_t i = 0; i < FKept.size() && certain; ++i) {
            shown.Values.push_back(Redecide(FKept[i], ShownForm(AForm)));
            certain = shown.Values.back().Certainty == scCertain;
        }
        if (certain) {
            shown.Exact = kept.Exact;
            shown.Calculated = kept.Calculated;
            FDecided.emplace_back(AForm, std::move(shown));
            return FDecided.back().second;
        }
    }
    FDecided.emplace_back(AForm, Certify(AForm));
    return FDecided.back().second;
}

TCertifiedShown TCertifiedQuantities::Certify(const TNumberForm& AForm) const {
    TResultState refusal = rsChyba_Z;
    const TSolidType type = VariantDesc(FVariant).SolidType;
    const auto quantities = [this, type, &refusal](const auto& AIn) {
        using T = typename std::decay_t<decltype(AIn)>::value_type;
        const TTypedInputs<T> in(AIn, FEntries);
        const TQuantitiesMaker<T> maker{type, in, FMass ? &AIn.back() : nullptr, &refusal};
        return SolidBuilds::Build(FVariant, FValues, in, maker);
    };
    TCertifiedFigure figure = CertifyFigure(FInputs, quantities, ShownForm(AForm));
    TCertifiedShown shown;
    FKept.clear();
    if (figure.State == ccRejected || figure.State == ccRejectedExactly) {
        shown.State = refusal;
        return shown;
    }
    if (figure.State == ccUndecided)
        return shown; // the program's digits stand
    const std::size_t count = figure.Values.size();
    shown.Values.reserve(count);
    shown.Exact.reserve(count);
    shown.Calculated.reserve(count);
    for (const TCertifiedValue& value : figure.Values) {
        shown.Values.push_back(value.Shown);
        shown.Exact.push_back(value.Exact ? value.ExactText : std::string());
        shown.Calculated.push_back(value.Bounded.Value());
    }
    FKept = std::move(figure.Values);
    return shown;
}

namespace {

Extended CalculatedValue(const TSolidResult& AResult, TResultQuantity AQuantity) {
    if (AQuantity == rqVolume)
        return AResult.Volume;
    if (AQuantity == rqArea)
        return AResult.Area;
    const std::size_t row = std::size_t(AQuantity - rqFirstRow);
    if (row < AResult.SupplementaryValues.size())
        return AResult.SupplementaryValues[row].Value;
    // The mass.
    return AResult.Mass && AResult.Mass->Value ? *AResult.Mass->Value
                                               : std::numeric_limits<Extended>::quiet_NaN();
}

// The layout of a certified text, with the program's decimal separator.
TResultNumber CertifiedNumber(const TShownValue& AValue) {
    TResultNumber number;
    number.Digits = QString::fromStdString(AValue.Digits);
    number.Digits.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    number.Decade = AValue.Decade;
    number.Exponent = AValue.Exponent;
    return number;
}

bool Decided(const TShownValue& AValue) {
    return AValue.Certainty != scUncertain && !AValue.Digits.empty();
}

// The certification that stands for the value shown, if any.
const TCertifiedShown* CertifiedFor(const TSolidResult& AResult, TResultQuantity AQuantity,
                                    Extended AShown, const TNumberForm& AForm) {
    if (!AResult.Certified || AShown != CalculatedValue(AResult, AQuantity))
        return nullptr;
    const TCertifiedShown& shown = AResult.Certified->At(AForm);
    const bool decided = shown.State == rsSpocitano && std::size_t(AQuantity) < shown.Values.size();
    return decided ? &shown : nullptr;
}

} // namespace

TResultNumber ShownResultNumber(const TSolidResult& AResult, TResultQuantity AQuantity,
                                Extended AShown, const TNumberForm& AForm) {
    if (const TCertifiedShown* certified = CertifiedFor(AResult, AQuantity, AShown, AForm)) {
        const TShownValue& value = certified->Values[std::size_t(AQuantity)];
        if (Decided(value))
            return CertifiedNumber(value);
    }
    return ResultNumber(AShown, AForm.Precision, AForm.Semilogarithmic);
}

TResultQuantity MassQuantity(const TSolidResult& AResult) {
    return rqFirstRow + TResultQuantity(AResult.SupplementaryValues.size());
}

QString ShownQuantityText(const TSolidResult& AResult, TResultQuantity AQuantity,
                          const TShownQuantity& AShown, TPrecision APrecision) {
    const TResultQuantity quantity = AQuantity;
    if (!AShown.FeetAndInches)
        if (const TCertifiedShown* certified =
                CertifiedFor(AResult, quantity, AShown.Value, {APrecision, false})) {
            const TShownValue& value = certified->Values[std::size_t(quantity)];
            // RoundToStr's layout: the mantissa and "E" with the exponent.
            if (Decided(value)) {
                const TResultNumber number = CertifiedNumber(value);
                const QString text = number.Decade ? number.Digits + QLatin1Char('E') +
                                                         QString::number(number.Exponent)
                                                   : number.Digits;
                return WithUnit(text, AShown.Symbol);
            }
        }
    return ShownText(AShown, APrecision);
}

std::string ShownResultExact(const TSolidResult& AResult, TResultQuantity AQuantity,
                             Extended AShown, const TNumberForm& AForm) {
    if (const TCertifiedShown* certified = CertifiedFor(AResult, AQuantity, AShown, AForm)) {
        const std::string& text = certified->Exact[std::size_t(AQuantity)];
        if (!text.empty())
            return SignificantText(text, 21);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.20Le", AShown);
    return SignificantText(text, 21);
}
