#include "CertifiedResults.h"

#include "Certify.h"
#include "SolidBuilds.h"

#include <cstdio>
#include <stdexcept>
#include <type_traits>

namespace {

// A page's own check refused the typed numbers (equal radii of a truncated cone).
class ERefusedEntries : public EInvalidInput {
public:
    ERefusedEntries() : EInvalidInput("Refused entries: ", "a check of the page", false) {}
};

// The lengths of the figure in the number type T, by entry.
template <class T> class TTypedInputs {
public:
    TTypedInputs(const std::vector<T>& AInputs, const std::vector<TEntry>& AEntries)
        : FInputs(AInputs), FEntries(AEntries) {}
    const T& operator[](TEntry AEntry) const {
        for (std::size_t i = 0; i < FEntries.size(); ++i)
            if (FEntries[i] == AEntry)
                return FInputs[i];
        throw std::logic_error("A length the variant does not read");
    }

private:
    const std::vector<T>& FInputs;
    const std::vector<TEntry>& FEntries;
};

// The maker of SolidBuilds::Build for the certification: the volume and the
// surface area of the figure, or the state of its refusal in ARefusal and the
// refusal passed on to CertifyFigure.
template <class T> struct TQuantitiesMaker {
    TResultState* Refusal;

    template <class TBuild>
    std::vector<T> Make(TBuild ABuild, TResultState ARejection = rsChyba_Z) const {
        try {
            const auto figure = ABuild();
            return {figure.Volume(), figure.Area()};
        } catch (const EInvalidInputSolidFigures& AError) {
            *Refusal = AError.NotFinite() ? rsChyba_Z : ARejection;
            throw;
        } catch (const ERefusedEntries&) {
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

std::string ExactText(const TCertifiedValue& AValue) {
    if (AValue.Exact)
        return SignificantText(AValue.ExactText, 21);
    char text[64];
    std::snprintf(text, sizeof text, "%.20Le", AValue.Bounded.Value());
    return SignificantText(text, 21);
}

TShownForm ShownForm(const TNumberForm& AForm) {
    return {AForm.Precision, AForm.Semilogarithmic};
}

} // namespace

std::shared_ptr<const TCertifiedQuantities>
TCertifiedQuantities::Make(TVariant AVariant, const TEntryValues& AValues,
                           const TTypedNumbers& ATyped) {
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
    return result;
}

TCertifiedQuantities::~TCertifiedQuantities() = default;

const TCertifiedShown& TCertifiedQuantities::At(const TNumberForm& AForm) const {
    if (FForm && *FForm == AForm)
        return FShown;
    // Another form: what was kept decides it where it can.
    if (FForm && FShown.State == rsSpocitano && FValuesKept.size() == 2) {
        const TShownValue volume = Redecide(FValuesKept[0], ShownForm(AForm));
        const TShownValue area = Redecide(FValuesKept[1], ShownForm(AForm));
        if (volume.Certainty == scCertain && area.Certainty == scCertain) {
            FForm = AForm;
            FShown.Volume = volume;
            FShown.Area = area;
            return FShown;
        }
    }
    Certify(AForm);
    return FShown;
}

void TCertifiedQuantities::Certify(const TNumberForm& AForm) const {
    TResultState refusal = rsChyba_Z;
    const auto quantities = [this, &refusal](const auto& AIn) {
        using T = typename std::decay_t<decltype(AIn)>::value_type;
        const TTypedInputs<T> in(AIn, FEntries);
        const TQuantitiesMaker<T> maker{&refusal};
        return SolidBuilds::Build(FVariant, FValues, in, maker);
    };
    const TCertifiedFigure figure = CertifyFigure(FInputs, quantities, ShownForm(AForm));
    FForm = AForm;
    FShown = TCertifiedShown();
    FValuesKept.clear();
    if (figure.State == ccRejected || figure.State == ccRejectedExactly) {
        FShown.State = refusal;
        return;
    }
    if (figure.State == ccUndecided || figure.Values.size() != 2)
        return; // the program's digits stand
    FValuesKept = figure.Values;
    FShown.Volume = figure.Values[0].Shown;
    FShown.Area = figure.Values[1].Shown;
    FShown.VolumeExact = ExactText(figure.Values[0]);
    FShown.AreaExact = ExactText(figure.Values[1]);
}

namespace {

// The certification that stands for the value shown, if any.
const TCertifiedShown* CertifiedFor(const TSolidResult& AResult, TResultQuantity AQuantity,
                                    Extended AShown, const TNumberForm& AForm) {
    const Extended calculated = AQuantity == rqVolume ? AResult.Volume : AResult.Area;
    if (!AResult.Certified || AShown != calculated)
        return nullptr;
    const TCertifiedShown& shown = AResult.Certified->At(AForm);
    return shown.State == rsSpocitano ? &shown : nullptr;
}

} // namespace

TResultNumber ShownResultNumber(const TSolidResult& AResult, TResultQuantity AQuantity,
                                Extended AShown, const TNumberForm& AForm) {
    if (const TCertifiedShown* certified = CertifiedFor(AResult, AQuantity, AShown, AForm)) {
        const TShownValue& value = AQuantity == rqVolume ? certified->Volume : certified->Area;
        if (value.Certainty != scUncertain && !value.Digits.empty()) {
            TResultNumber number;
            number.Digits = QString::fromStdString(value.Digits);
            number.Digits.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
            number.Decade = value.Decade;
            number.Exponent = value.Exponent;
            return number;
        }
    }
    return ResultNumber(AShown, AForm.Precision, AForm.Semilogarithmic);
}

std::string ShownResultExact(const TSolidResult& AResult, TResultQuantity AQuantity,
                             Extended AShown, const TNumberForm& AForm) {
    if (const TCertifiedShown* certified = CertifiedFor(AResult, AQuantity, AShown, AForm)) {
        const std::string& text = AQuantity == rqVolume ? certified->VolumeExact : certified->AreaExact;
        if (!text.empty())
            return text;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.20Le", AShown);
    return SignificantText(text, 21);
}
