// The calculation of a solid from its entries, without a window: how an entry's
// text reads, the entries' values, the figure each page builds from them (SolidBuilds.h)
// or the state that stands instead of it, the supplementary rows of
// every kind of solid with the figure's value for each, and the result that
// carries all of it to the views. The computation window reads its entries,
// calls CalculateSolid once per change and hands the result to its panel and
// side windows, which keep it and write it in their own number form; a
// command-line calculator or a report does the same.
//
//     TEntryValues values;
//     values.Set(enCone_R, 3);
//     values.Set(enCone_V, 4);
//     const TSolidResult result = CalculateSolid(vaCone, values);
//     // result.Volume == 12 pi; result.SupplementaryValues: slant height 5, ...
#pragma once

#include "DecimalNumbers.h"
#include "Materials.h"
#include "MathFunctions.h"
#include "ResultState.h"
#include "SolidPages.h"
#include "Units.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TSolidFigure;
class TCertifiedQuantities;
namespace Figures {
template <class T> class TSolidFigure;
}

// The values of the entries, by entry; -1 where an entry was not read.
struct TEntryValues {
public:
    TEntryValues() { FValues.fill(-1.0L); }
    Extended operator[](TEntry AEntry) const { return FValues[AEntry]; }
    void Set(TEntry AEntry, Extended AValue) { FValues[AEntry] = AValue; }

private:
    std::array<Extended, EntryCount> FValues;
};

// --- Reading the entries --------------------------------------------------------------

// What one entry's text gives.
enum TEntryReading : std::uint8_t {
    erValid,
    erEmpty,      // empty, or zero: not entered yet
    erUnreadable, // not a number of its kind, or negative
    erTooFewSides // a count of 2 or less
};

// Reads an edit entry's text by its kind (ekNumber, ekRadius, ekCount): a number in
// the locale's form (a radius may be "*" and a diameter, which is halved), a count
// a whole number. With lengths in feet and inches (ALength), a number or radius
// is such a length (ParseFeetAndInches), its value in inches. AValue receives the
// value of a valid reading.
TEntryReading ReadEntryText(TEntryKind AKind, const QString& AText, Extended& AValue,
                            TLengthUnit ALength = luNone);
// The decimal that a valid length entry's text stands for, exactly as typed
// (a diameter halved): what the shown digits are certified for. None for a
// length in feet and inches, for a text that is no plain decimal, and for one
// of more than MaxTypedDigits significant digits.
inline constexpr std::size_t MaxTypedDigits = 50;
std::optional<TDecimalNumber> TypedNumber(TEntryKind AKind, const QString& AText,
                                          TLengthUnit ALength = luNone);

// The typed decimals of a figure's lengths, by entry.
class TTypedNumbers {
public:
    void Set(TEntry AEntry, const TDecimalNumber& ANumber);
    const TDecimalNumber* Find(TEntry AEntry) const;

private:
    std::vector<std::pair<TEntry, TDecimalNumber>> FNumbers;
};

// A choice entry: its chosen item's index, empty while none is chosen (-1).
TEntryReading ReadChoice(int AItemIndex, Extended& AValue);

// The outcome of reading the entries a page shows.
class TReadings {
public:
    void Note(TEntryReading AReading);
    // Every entry read was valid, and there was at least one.
    bool Complete() const;
    // The state the readings show, by the first rule that applies: something
    // unreadable "Input error", too few sides "n > 2", something empty "---";
    // rsSpocitano when they are complete (the handler decides then).
    TResultState State() const;

private:
    int FCount = 0;
    bool FEmpty = false, FUnreadable = false, FTooFewSides = false;
};

// --- Supplementary rows ---------------------------------------------------------------------

// One row of the supplementary data window: its item text (section
// "TFormSupplementaryData") and the figure's value for it.
struct TSupplementaryValue {
    TText Row;
    Extended Value;
    // What the row measures: a length, an area, a volume or a percentage.
    TQuantityKind Kind = qkLength;
    // The quantity's name for programs, as the solver takes it (QuantityId:
    // "slant-height", "diagonal-of-face-ab").
    QString Id() const;
};

// The names for programs of the quantities that are not supplementary rows.
namespace QuantityIds {
inline const QString Volume = QStringLiteral("volume");
inline const QString Area = QStringLiteral("area");
inline const QString Mass = QStringLiteral("mass");
} // namespace QuantityIds

// Whether two rows are the same item (key and letters).
bool SameRow(const TText& ARow1, const TText& ARow2);

// The rows of a kind of solid, in order (none for stSphere and stNone).
std::vector<TText> SupplementaryRows(TSolidType AType);
// What a row of SupplementaryRows measures (the Kind of its values).
TQuantityKind SupplementaryRowKind(const TText& ARow);
// The value of each of AType's rows for AFigure, a figure of that kind.
std::vector<TSupplementaryValue> SupplementaryValues(TSolidType AType, const TSolidFigure& AFigure,
                                                     const TEntryValues& AValues);

// The entries' values in the number type T a figure is built in, for the rows
// that read them (the full tank, the sector's cone).
template <class T> class TRowInputs {
public:
    virtual T operator[](TEntry AEntry) const = 0;

protected:
    ~TRowInputs() = default;
};
// The same values in TBounded or TInterval, for the certification of the shown
// digits (CertifiedResults.h), in the order of SupplementaryRows.
template <class T>
std::vector<T> SupplementaryRowValues(TSolidType AType, const Figures::TSolidFigure<T>& AFigure,
                                      const TRowInputs<T>& AIn);

// --- The mass ---------------------------------------------------------------------------------

// The preset density of the settings ("UsePresetDensity", "PresetDensity"), or the
// material chosen while lengths have a unit.
struct TPresetDensity {
    bool Use = false;        // a density is preset and readable
    Extended Value = 0;      // the density, when Use
    bool Refused = false;    // zero or below: the mass row shows "sInvalidDensity"
    bool Unreadable = false; // preset but not a number: no mass (and no mass row)
    // The material whose density it is (in kg/m³); none for the bare preset density.
    std::optional<TMaterial> Material;
    // The density as typed, where it is a plain decimal: the mass shown is
    // certified for it (CertifiedResults.h).
    std::optional<TDecimalNumber> Typed;
};
TPresetDensity ReadPresetDensity();

// The density of the mass with lengths in ALength: without a unit the preset
// density, as always; with one the chosen material of AMaterials (MaterialList),
// where Custom is the preset density in kg/m³, used as the settings say.
TPresetDensity MassDensity(TLengthUnit ALength, const QList<TMaterial>& AMaterials);
// The same for the stored choice and the materials of AShipped in the active language.
TPresetDensity ReadMassDensity(TLengthUnit ALength, const QList<TShippedMaterial>& AShipped);

// The mass of a figure at a preset density, as the mass row shows it.
struct TMass {
    Extended Density = 0;
    bool Refused = false;          // the density gives no mass: "sInvalidDensity"
    std::optional<Extended> Value; // none when refused, or beyond the range of Extended
    // The material the density is of (its Density in kg/m³); none for the preset density.
    std::optional<TMaterial> Material;
};
TMass MassAt(const TSolidFigure& AFigure, const TPresetDensity& ADensity);

// --- Calculating ---------------------------------------------------------------------------

// What a calculation gives, handed on to every view of it: the figure with its
// quantities (State is then rsSpocitano), or the state that stands instead of
// it; and the variant and the entries' values it came from. A value: a view
// keeps the copy it was handed and writes it anew when its number form changes.
struct TSolidResult {
    TResultState State = rsNespocitano;
    // Never changed once built: copies of a result share it.
    std::shared_ptr<const TSolidFigure> Figure;
    std::vector<TSupplementaryValue> SupplementaryValues;
    TVariant Variant = VariantCount;
    TEntryValues Entries; // the values read; -1 where an entry was not read
    // The unit the entries' lengths were in, and so the figure's: its areas and
    // volumes are in its square and cube. luNone: bare numbers.
    TLengthUnit LengthUnit = luNone;
    // The figure's volume and surface area while State is rsSpocitano.
    Extended Volume = 0;
    Extended Area = 0;
    // With a preset density in use and a figure.
    std::optional<TMass> Mass;
    // With a figure calculated from typed decimals: the volume and area shown
    // for the figure as typed (CertifiedResults.h).
    std::shared_ptr<const TCertifiedQuantities> Certified;

    bool Computed() const { return State == rsSpocitano; }
};

// A result that is only a state, of AVariant's entries AValues.
TSolidResult StateResult(TVariant AVariant, TResultState AState,
                         const TEntryValues& AValues = TEntryValues());

// Calculates AVariant's solid from the values of the entries the variant shows,
// all of them valid: the page's handler, then the quantities, and with ADensity
// in use the mass. Errors that no handler turns into a state (none are known)
// pass through.
TSolidResult CalculateSolid(TVariant AVariant, const TEntryValues& AValues);
// With ATyped, the typed decimals of the lengths, the result is certified for
// them: where they make no figure though their 80-bit images do, the result is
// the state of the check they fail.
TSolidResult CalculateSolid(TVariant AVariant, const TEntryValues& AValues,
                            const TPresetDensity& ADensity, const TTypedNumbers* ATyped = nullptr);

// How many figures the handlers have set out to build since the program started
// (a refused one counts too): tests count what one change of the entries or of
// the number form builds.
long long BuiltFigureCount();
