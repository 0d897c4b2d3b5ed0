// The calculation of a solid from its entries, without a window: how an entry's
// text reads, the entries' values, one handler per page that builds the figure
// (or names the state that stands instead of it), and the supplementary rows of
// every kind of solid with the figure's value for each. The computation window
// reads its entries, calls CalculateSolid and shows what comes back; a
// command-line calculator or a report can do the same.
//
//     TEntryValues values;
//     values.Set(enCone_R, 3);
//     values.Set(enCone_V, 4);
//     const TSolidResult result = CalculateSolid(vaCone, values);
//     // result.Figure->Volume() == 12 pi; result.SupplementaryValues: slant height 5, ...
#pragma once

#include "MathFunctions.h"
#include "ResultState.h"
#include "SolidPages.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TSolidFigure;

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
// a whole number. AValue receives the value of a valid reading.
TEntryReading ReadEntryText(TEntryKind AKind, const QString& AText, Extended& AValue);
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
};

// Whether two rows are the same item (key and letters).
bool SameRow(const TText& ARow1, const TText& ARow2);

// The rows of a kind of solid, in order (none for stSphere and stNone).
std::vector<TText> SupplementaryRows(TSolidType AType);
// The value of each of AType's rows for AFigure, a figure of that kind.
std::vector<TSupplementaryValue> SupplementaryValues(TSolidType AType, const TSolidFigure& AFigure,
                                                     const TEntryValues& AValues);

// --- Calculating ---------------------------------------------------------------------------

// What a calculation gives: a figure with its supplementary values (State is then
// rsSpocitano), or the state that stands instead of it.
struct TSolidResult {
    TResultState State = rsNespocitano;
    std::unique_ptr<TSolidFigure> Figure;
    std::vector<TSupplementaryValue> SupplementaryValues;
};

// Calculates AVariant's solid from the values of the entries the variant shows,
// all of them valid: the page's handler, then the supplementary values. Errors that
// no handler turns into a state (none are known) pass through.
TSolidResult CalculateSolid(TVariant AVariant, const TEntryValues& AValues);

// The handlers, one per page (TPageDesc::Calculate): each checks what its solid
// requires beyond valid entries and builds the figure.
TSolidResult Cube_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Block_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Sphere_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Cone_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Cylinder_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Pyramid_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult Prism_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult TruncatedCone_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult TruncatedPyramid_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult CylindricalTank_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult SphericalSegment_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult SphericalSector_Calculate(const TEntryValues& AValues, TVariant AVariant);
TSolidResult SphericalFrustum_Calculate(const TEntryValues& AValues, TVariant AVariant);
