// The volume and surface area of a figure as the results panel shows them,
// decided for the figure as typed: the exact values of the entries' decimals,
// not of their 80-bit roundings. A figure whose digits the 80-bit values
// cannot decide (a thin ring, nearly equal bases, a nearly degenerate
// triangle) is built again from the decimals in higher precision until they
// can (geometry/exact/Certify.h); an ordinary one costs one more pass in
// TBounded, a few microseconds.
//
//     TTypedNumbers typed;
//     typed.Set(enPrism_E2, *TDecimalNumber::Parse("1.0000000000000001"));
//     ...
//     const TSolidResult result = CalculateSolid(vaPrism_CircularRing, values, density, &typed);
//     result.Certified->At({14, false}).Volume.Digits; // "0.00000000000000" ... exactly
#pragma once

#include "NumberFormat.h"
#include "ResultState.h"
#include "ShownValues.h"
#include "SolidHandlers.h"

#include <cstdint>
#include <list>
#include <utility>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TCertifiedValue;

// Which of a figure's values: the volume, the surface area, the supplementary
// rows in their order (rqFirstRow + the row's index), then the mass
// (MassQuantity).
using TResultQuantity = int;
constexpr TResultQuantity rqVolume = 0;
constexpr TResultQuantity rqArea = 1;
constexpr TResultQuantity rqFirstRow = 2;

// The figure's values at one number form.
struct TCertifiedShown {
    // rsSpocitano, or the state of a check that the typed numbers fail though
    // their 80-bit images pass it (0.1, 0.2 and 0.29999999999999999999 make
    // a triangle, 0.1, 0.2 and 0.3 none).
    TResultState State = rsSpocitano;
    // The texts by TResultQuantity, laid out as the results panel lays them
    // out; empty, or a value left scUncertain without digits (a figure
    // undecided at the last precision), where the program's own digits stand.
    std::vector<TShownValue> Values;
    // Where the slow path ran, the exact value to 40 significant digits
    // ("d.ddd...e-x"); empty where the 80-bit value was decided.
    std::vector<std::string> Exact;
    // The values in Extended: the program's, or where it refuses the figure
    // though its typed numbers make one, the nearest to the exact ones.
    std::vector<Extended> Calculated;
};

// The certification of one calculated figure: its variant, its entries' values
// and their typed decimals. Shared by the copies of a result; it decides a form
// when first asked for it.
class TCertifiedQuantities {
public:
    // None where a length the variant reads has no typed decimal. With
    // ADensity the mass (ADensity times the volume) is decided too.
    static std::shared_ptr<const TCertifiedQuantities>
    Make(TVariant AVariant, const TEntryValues& AValues, const TTypedNumbers& ATyped,
         const TDecimalNumber* ADensity = nullptr);

    ~TCertifiedQuantities();

    const TCertifiedShown& At(const TNumberForm& AForm) const;

private:
    TCertifiedQuantities() = default;
    TCertifiedShown Certify(const TNumberForm& AForm) const;

    TVariant FVariant = VariantCount;
    TEntryValues FValues;
    std::vector<TEntry> FEntries; // the lengths, in the order of FInputs
    std::vector<TDecimalNumber> FInputs; // the lengths, then the density
    bool FMass = false;
    // The forms decided so far (the panel's, the rows' basic one), and what
    // the last certification kept to decide another form without it.
    mutable std::list<std::pair<TNumberForm, TCertifiedShown>> FDecided;
    mutable std::vector<TCertifiedValue> FKept;
};

// What a results line shows of AResult's volume or area, AShown being it in
// the unit shown: the certified digits where the value is shown as calculated
// (in the entries' unit) and they are decided or a tie; otherwise the
// program's own digits (ResultNumber).
TResultNumber ShownResultNumber(const TSolidResult& AResult, TResultQuantity AQuantity,
                                Extended AShown, const TNumberForm& AForm);
// The mass among a result's values.
TResultQuantity MassQuantity(const TSolidResult& AResult);

// A supplementary row's value or the mass as the supplementary data window and
// the report show it (ShownText), its digits certified as above: AShown is the
// value in the unit shown.
QString ShownQuantityText(const TSolidResult& AResult, TResultQuantity AQuantity,
                          const TShownQuantity& AShown, TPrecision APrecision);
// The value to 21 significant digits as ShownResultNumber decides it: the
// exact one where the slow path ran, else the 80-bit one.
std::string ShownResultExact(const TSolidResult& AResult, TResultQuantity AQuantity,
                             Extended AShown, const TNumberForm& AForm);
