// Solving for what is not known: given a variant and any set of known values, its
// entries and the quantities the program shows (SolveItems.h names them), the solver
// finds every figure that has them, or says why there is none, what is missing, or
// what does not fit together. It returns data (ids, kinds, numbers); the solving
// window and the command line write the sentences.
//
//     TSolveRequest request;
//     request.Variant = vaCone;
//     request.Known = {{"volume", 2}, {"area", 12.5}};
//     const TSolveResult result = Solve(request);
//     // result.Outcome == soSolved; result.Solutions: the two cones, each as the
//     // entries' values for CalculateSolid, the radius and height found.
//
// What is enough (Coverage): a solid of one dimension, any one value; of two
// dimensions, any two values that do not follow from each other; of three or more,
// all its dimensions but one and any one quantity that depends on that one, and for
// the tank also the filling with any two more values. The number of edges of a
// regular base is always given.
//
// Every dimension found is the Extended value whose figure (CalculateSolid) comes
// closest to the given values; every root is found (SolverRoots.h), double ones too.
//
// Units: all values are plain numbers in one system, lengths in one unit, areas and
// volumes in its square and cube, the mass the density times the volume. A caller
// with units converts the known values into that system before Solve and the
// entries' values out of it after.
#pragma once

#include "MathFunctions.h"
#include "SolidHandlers.h"
#include "SolidPages.h"
#include "SolveItems.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A known value, by the item's id ("r", "volume", "area-of-base").
struct TKnownValue {
    std::string Id;
    Extended Value = 0;
};

struct TSolveRequest {
    TVariant Variant = vaCube;
    // In the order the user gave them. Where no figure fits, the bound is stated for
    // the later given of two values that decide a shape, for the quantity where all
    // dimensions but one are given, for the last given dimension where all are.
    std::vector<TKnownValue> Known;
    // The density the mass is the volume times (as in the mass dialog); "mass" may
    // only be given with one.
    std::optional<Extended> Density;
    // Values beyond those the figure is found from are accepted when they agree with
    // it to so many decimal places, as the results show them.
    TPrecision Precision = 2;
};

enum TSolveOutcome : std::uint8_t {
    soSolved,     // one or more figures (Solutions)
    soNotEnough,  // more values are needed (MoreNeeded, Candidates)
    soConflict,   // more values than needed, and they do not fit together (Conflicting)
    soNoneFits,   // no figure has these values (Bound, where one can be stated)
    soNotCovered, // the solver does not solve from these values (Enough)
    soInvalid     // a known value is not one of the variant's, or not a value it can take
};

enum TInvalidReason : std::uint8_t {
    irNoSolid,     // the variant is still to be chosen
    irUnknownId,   // no item of the variant has this id
    irRepeated,    // the id is given twice
    irNotFinite,   // not a number
    irNotPositive, // zero or below, where only a positive value makes sense
    irNotACount,   // the number of edges is not a whole number above 2
    irNoDensity    // a mass without a density above zero
};

enum TBoundKind : std::uint8_t {
    bkAtLeast,  // Id's value must be at least Value (a figure reaches it)
    bkAtMost,   // at most Value
    bkMoreThan, // more than Value (figures only approach it)
    bkLessThan, // less than Value
    bkOtherThan // anything but Value
};

// Why no figure fits: Id's value must be (Kind) Value for the values Given.
struct TSolveBound {
    std::string Id;
    TBoundKind Kind = bkAtLeast;
    Extended Value = 0;
    std::vector<std::string> Given;
};

struct TSolution {
    // Every entry of the variant, given, fixed by the variant or found, and the choice
    // that goes with them: what CalculateSolid takes and the window's entries show.
    TEntryValues Values;
    std::vector<TEntry> Found; // the entries found, top to bottom
    // The given values are at a turning point: the two figures on either side of it
    // have met (or nearly so, within rounding), and this one stands for both.
    bool Double = false;
};

struct TSolveResult {
    TSolveOutcome Outcome = soInvalid;
    // soSolved: every figure, in ascending order of the first entry found.
    std::vector<TSolution> Solutions;
    // soSolved, soConflict, soNoneFits: the given values the figures were found from;
    // soSolved: the further given values, each agreeing with every figure (Checked).
    std::vector<std::string> Basis;
    std::vector<std::string> Checked;
    // soNotEnough, soNotCovered: how many more values are needed at least (the number
    // of edges counted); soNotEnough: any one of Candidates would be a step towards
    // enough ("n" first where the number of edges is missing).
    int MoreNeeded = 0;
    std::vector<std::string> Candidates;
    // soNotCovered: the sets that would be enough and share the most with what was
    // given (each in item order).
    std::vector<std::vector<std::string>> Enough;
    // soNotEnough, soNotCovered: given values that follow from the ones given before
    // them and so add nothing (checked once the figure is found).
    std::vector<std::string> Redundant;
    // soConflict: the values that do not fit together (the basis and those beyond it
    // that disagree).
    std::vector<std::string> Conflicting;
    // soNoneFits: the reason with its bound, where one can be stated.
    std::optional<TSolveBound> Bound;
    // soInvalid: the value at fault (empty for irNoSolid) and why.
    std::string Invalid;
    TInvalidReason InvalidReason = irNoSolid;
};

TSolveResult Solve(const TSolveRequest& ARequest);

// --- What is enough -----------------------------------------------------------------------

enum TCoverageRule : std::uint8_t {
    crAnyOne,   // a solid of one dimension: any one value
    crAnyTwo,   // of two: any two values that do not follow from each other
    crAllButOne // of three or more: all dimensions but one and one quantity
};

struct TCoverage {
    TCoverageRule Rule = crAnyOne;
    int Dimensions = 0;         // how many values are needed (the number of edges apart)
    bool CountGiven = false;    // the number of edges must be given ("n")
    bool FillingAndTwo = false; // the tank: also the filling and any two values
};
TCoverage Coverage(TVariant AVariant);

// Every set of values the solver solves from (without "mass" unless ADensity), each
// in item order; the number of edges, where it must be given, is not listed.
std::vector<std::vector<std::string>> SufficientSets(TVariant AVariant, bool ADensity);
