// A solid calculated from the texts of its entries, and the report of a result:
// every entry with its caption and text, the volume, the surface area, the
// supplementary rows and the mass, each value written as the computation window
// writes it. Nothing here needs a window: the results panel reports the result
// it was handed, the command-line calculator one it calculates from its texts.
//
//     TEntryTexts texts;
//     texts[enCone_R] = "3";
//     texts[enCone_V] = "4";
//     const TFigureReport report = MakeFigureReport(vaCone, texts, {2, false}, LanguageText);
//     report.Text(); // "Cone", "Radius of base (r): 3", ..., "Volume (V): 37.70", ...
#pragma once

#include "MathFunctions.h"
#include "NumberFormat.h"
#include "PageTexts.h"
#include "ResultState.h"
#include "SolidHandlers.h"
#include "SolidPages.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The text of every entry by entry, as typed; a choice's text is its chosen item
// ("a", "b"), empty while none is chosen. Entries a variant does not show are not read.
using TEntryTexts = std::array<QString, EntryCount>;

// How one entry's text reads in a variant, as the computation window reads it
// with its lengths in ALength.
TEntryReading ReadPlaceText(const TEntryPlace& APlace, const QString& AText, Extended& AValue,
                            TLengthUnit ALength = luNone);

// Reads the entries AVariant shows from their texts, lengths in ALength, and
// calculates the solid: the state of the readings when they are not all valid
// ("---", "Input error", "n > 2"), else what CalculateSolid gives (with the mass
// at ADensity); the result's lengths are in ALength.
TSolidResult CalculateFromTexts(TVariant AVariant, const TEntryTexts& ATexts,
                                const TPresetDensity& ADensity = TPresetDensity(),
                                TLengthUnit ALength = luNone);

// The draft letters of an entry as shown beside it: glyph and subscript ("r1", "ρ");
// a letter filled by a choice takes AChosen as its glyph.
QString PlaceLetters(const TEntryPlace& APlace, const QString& AChosen = QString());

// The solid's name (the main window's button) and, on a page with variant
// controls, the variant as its control shows it ("Base: square", "Tetrahedron").
QString SolidName(TPage APage, const TTextLookup& ALookup);
QString VariantName(TVariant AVariant, const TTextLookup& ALookup);

// One line of a report: a name and its value's text; Value holds the number
// behind the text, absent for an entry's text or a state text.
struct TReportLine {
    QString Id; // a name for programs: "volume", "area", "mass", a row's key and letters
    QString Name;
    QString Text;
    std::optional<Extended> Value; // in the unit shown
    QString Unit;                  // its id for programs (ShownUnitId); empty when bare
    // The value of a volume, area, supplementary row or mass to 21 significant
    // digits, certified for the figure as typed where it could be
    // (ShownResultExact); empty for the entries and a state's text.
    QString Exact;
};

struct TFigureReport {
    TVariant Variant = VariantCount;
    QString Solid;       // the solid's name
    QString VariantText; // empty on a page without variant controls
    std::vector<TReportLine> Entries;
    TResultState State = rsNespocitano;
    // Volume and surface area (their values, or the state's text on both), then,
    // when the entries give a figure, every supplementary row and the mass.
    std::vector<TReportLine> Quantities;

    // The report as plain text, one line each: the solid, the entries, the quantities.
    QString Text() const;
};

// Reports AResult, calculated from the entries' texts ATexts, in the texts
// ALookup gives and in the units AUnits: the texts' lengths are in AUnits.Length,
// and the quantities are shown as the results panel and the supplementary data
// window show them.
TFigureReport MakeFigureReport(const TSolidResult& AResult, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TUnitChoice& AUnits = {});
// Calculates AVariant's solid from ATexts and reports it.
TFigureReport MakeFigureReport(TVariant AVariant, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TPresetDensity& ADensity = {}, const TUnitChoice& AUnits = {});

// The name of the mass row: "Default mass (7850)" for the preset density,
// "Mass (Steel, 7850 kg/m³)" for a material, "Mass of contents (...)" in a tank.
QString MassRowName(const TMass& AMass, TSolidType ASolidType, const TTextLookup& ALookup);
QString MassRowName(const TPresetDensity& ADensity, TSolidType ASolidType,
                    const TTextLookup& ALookup);

// The language file section of the mass row's texts with a material.
inline constexpr const char* MassSection = "MassOfMaterial";

// The language file section of the report's own texts.
inline constexpr const char* ReportSection = "Report";
