// The sentences of solving (Solver.h), shared by the solving window and the command
// line so that both say the same: the names of the items, what an outcome other
// than figures means, and the entries' texts of a figure found.
//
//     const TSolveResult result = Solve(request);
//     if (result.Outcome != soSolved)
//         message = SolveOutcomeText(request, result, form, LanguageText);
//     // "Surface area (S) must be at least 9.68 when Volume (V) = 2."
#pragma once

#include "FigureReport.h"
#include "NumberFormat.h"
#include "PageTexts.h"
#include "Solver.h"

#include <QString>

#include <string>

// The language file section of these texts and of the solving window.
inline constexpr const char* SolveSection = "Solve";

// An item's name as the window shows it: "Radius of base (r)", "Volume (V)",
// "Surface area (S)", a supplementary row's text, "Mass"; the id itself for an id
// the variant does not have.
QString SolveItemName(TVariant AVariant, const std::string& AId, const TTextLookup& ALookup);

// What an outcome other than figures means, in one line: how many more values and
// which would do, which values do not fit together, the bound no figure passes,
// what would be enough, or the value at fault. For figures: how many fit, empty
// for one.
// The values of a bound's sentence, in the figure's units (lengths in AUnits.Length),
// are written in AUnits with their symbols.
QString SolveOutcomeText(const TSolveRequest& ARequest, const TSolveResult& AResult,
                         const TNumberForm& AForm, const TTextLookup& ALookup,
                         const TUnitChoice& AUnits = {});

// A bound's value as the sentence writes it at APrecision: rounded away from the
// values that fail, so that the number shown passes ("at least 9.68" for 9.672).
QString BoundText(TBoundKind AKind, Extended AValue, TPrecision APrecision);

// The entries' texts of a figure found: the texts given (AGiven, by entry) where
// there are some, every other entry's value in its general text, a choice's item.
TEntryTexts SolutionTexts(TVariant AVariant, const TSolution& ASolution, const TEntryTexts& AGiven);
