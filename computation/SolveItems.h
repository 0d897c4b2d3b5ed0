// The names of what a user may know about a figure: the entries of a variant, by
// the names the command line gives them ("r", "rho", "a1"), and the quantities the
// program shows for it, by an id in one style, lower-case words joined by '-'
// ("volume", "area", "slant-height", "area-of-face-ab", "mass"). The solver
// (Solver.h) takes its known values by these names; the solving window and the
// command line list them.
#pragma once

#include "SolidPages.h"
#include "Units.h"

#include <cstdint>
#include <string>
#include <vector>

// An entry as the command line names it: the draft letter ("rho" for ρ), with its
// subscript where two entries of the variant share a letter ("r1", "r2"). The entry
// whose letter a choice fills has one name for each item ("a1", "b1"), which also
// sets the choice to that item.
struct TEntryName {
    std::string Name;
    TEntry Entry = enNone;
    TEntry Choice = enNone; // the choice this name sets, to the item ChoiceItem
    int ChoiceItem = -1;
};
// The named entries of a variant, top to bottom; counts the variant fixes are not named.
std::vector<TEntryName> EntryNames(TVariant AVariant);

// The id of a supplementary row: the words of its key after the "s", lower-case and
// joined by '-', the "X" that stands for the letters left out and the letters added
// as the last word ("sAreaOfXFace" "AB" is "area-of-face-ab").
std::string QuantityId(const TText& ARow);

enum TItemKind : std::uint8_t {
    ikEntry,  // a length entry
    ikCount,  // the number of edges of a base: given, never solved for
    ikVolume, // "volume"
    ikArea,   // "area", the surface area
    ikRow,    // a supplementary row
    ikMass    // "mass": the volume times a density
};

// One thing that may be known about a figure of a variant.
struct TSolveItem {
    std::string Id;
    TItemKind Kind = ikEntry;
    TEntry Entry = enNone;  // ikEntry, ikCount
    TEntry Choice = enNone; // an entry that sets a choice (TEntryName)
    int ChoiceItem = -1;
    int Row = -1; // ikRow: the index in SupplementaryRows of the variant's solid type
    // The entry's caption (filled by ChoiceItem's letter where a choice fills it), or
    // the row's item text; none for volume, area and mass.
    TText Text = {};
};

// Every item of a variant: its entries top to bottom (as EntryNames), then "volume",
// "area", the supplementary rows in their order, and "mass". None for a variant
// still to be chosen.
std::vector<TSolveItem> SolveItems(TVariant AVariant);
// The index of the item named AId in AItems; -1 when there is none.
int FindItem(const std::vector<TSolveItem>& AItems, const std::string& AId);

// What a quantity item measures, a mass counting as the volume it weighs; false for
// the entries and counts.
bool ItemQuantityKind(const TSolveItem& AItem, TQuantityKind& AKind);
// A quantity typed in the units ATypedIn (a length in its length unit, an area, a
// volume or a mass in the unit of that kind), in the units of a figure whose lengths
// are in AFigureLength: the square or cube of that unit, a mass as the solver takes
// it (the volume in that cube times the density in kg/m³). Where the figure's
// lengths are bare, or the area or volume unit is none, the number stays as typed.
Extended QuantityInFigureUnits(Extended AValue, TQuantityKind AKind, bool AMass,
                               const TUnitChoice& ATypedIn, TLengthUnit AFigureLength);
