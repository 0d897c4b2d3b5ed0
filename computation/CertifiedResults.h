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
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TCertifiedValue;

// The figure's volume and surface area at one number form.
struct TCertifiedShown {
    // rsSpocitano, or the state of a check that the typed numbers fail though
    // their 80-bit images pass it (0.1, 0.2 and 0.3 make no triangle).
    TResultState State = rsSpocitano;
    // The texts; a value left scUncertain without digits (a figure undecided
    // at the last precision) is shown as the program computes it.
    TShownValue Volume;
    TShownValue Area;
    // The values to 21 significant digits ("1.23456789012345678901e2"): the
    // 80-bit value, or the exact one where the slow path ran.
    std::string VolumeExact;
    std::string AreaExact;
};

// The certification of one calculated figure: its variant, its entries' values
// and their typed decimals. Shared by the copies of a result; it decides a form
// when first asked for it.
class TCertifiedQuantities {
public:
    // None where a length the variant reads has no typed decimal.
    static std::shared_ptr<const TCertifiedQuantities>
    Make(TVariant AVariant, const TEntryValues& AValues, const TTypedNumbers& ATyped);

    ~TCertifiedQuantities();

    const TCertifiedShown& At(const TNumberForm& AForm) const;

private:
    TCertifiedQuantities() = default;
    void Certify(const TNumberForm& AForm) const;

    TVariant FVariant = VariantCount;
    TEntryValues FValues;
    std::vector<TEntry> FEntries; // the lengths, in the order of FInputs
    std::vector<TDecimalNumber> FInputs;
    // The last form decided, and what the fast or slow path kept for another.
    mutable std::optional<TNumberForm> FForm;
    mutable TCertifiedShown FShown;
    mutable std::vector<TCertifiedValue> FValuesKept;
};

// The volume or the surface area of a result.
enum TResultQuantity : std::uint8_t { rqVolume, rqArea };

// What a results line shows of AResult's volume or area, AShown being it in
// the unit shown: the certified digits where the value is shown as calculated
// (in the entries' unit) and they are decided or a tie; otherwise the
// program's own digits (ResultNumber).
TResultNumber ShownResultNumber(const TSolidResult& AResult, TResultQuantity AQuantity,
                                Extended AShown, const TNumberForm& AForm);
// The value to 21 significant digits as ShownResultNumber decides it: the
// exact one where the slow path ran, else the 80-bit one.
std::string ShownResultExact(const TSolidResult& AResult, TResultQuantity AQuantity,
                             Extended AShown, const TNumberForm& AForm);
