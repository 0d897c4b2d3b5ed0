// What the solver knows about each variant before any values are given, learnt once
// from its model (SolverModels.h): the power of length of every value, which values
// may be negative, which dimensions each one depends on, which pairs of values follow
// from each other, and so the sets of values it solves from (the bases). Solver.cpp
// is its only user.
#pragma once

#include "SolidPages.h"
#include "SolveItems.h"
#include "SolverModels.h"

#include <array>
#include <cstdint>
#include <vector>

namespace SolverStructure {

using TMask = std::uint32_t;
inline constexpr int MaxItems = 24;

inline TMask Bit(int AItem) {
    return TMask(1) << AItem;
}

enum TBasisKind : std::uint8_t {
    bsDimensions, // every dimension
    bsOne,        // a solid of one dimension, one quantity (First)
    bsPair,       // a solid of two dimensions, two values (First, Second)
    bsAllButOne,  // all dimensions but Dim, and the quantity First
    bsFilling     // the tank's filling and two more values (First, Second)
};

struct TBasis {
    TBasisKind Kind = bsDimensions;
    TMask Mask = 0;
    int Dim = -1;
    int First = -1, Second = -1;
};

// What a variant's values are and depend on.
struct TStructure {
    TVariant Variant = VariantCount;
    bool SideB = false; // the rectangular frustum with b1 as its dimension
    const SolverModels::TModel* Model = nullptr;
    std::vector<TSolveItem> Items;
    std::vector<int> Degree;    // the power of length: 1, 2, 3; 0 for a share
    std::vector<bool> Signed;   // may be zero or negative (the sector's cone part)
    std::vector<TMask> Support; // a bit for each dimension the item depends on
    std::vector<int> Dim;       // the dimension an entry holds; -1 for any other item
    std::array<int, SolverModels::MaxDims> DimItem = {-1, -1, -1, -1};
    int CountItem = -1, VolumeItem = -1, MassItem = -1, FillingItem = -1;
    TEntry CountEntry = enNone;
    int FixedCount = 0;
    // Pairs of values of which one follows from the other: for a solid of two
    // dimensions, and for the tank once its filling is given.
    std::vector<std::vector<bool>> Dependent, DependentAtFilling;
    std::vector<TBasis> Bases;
};

// The value of every item of S's variant for the figure with the model's dimensions
// ADims, ACount edges of a regular base and the density ADensity.
void Evaluate(const TStructure& S, const Extended* ADims, int ACount, Extended ADensity,
              Extended* AValues);

// The structure of a variant (ASideB: the rectangular frustum with side b1 given),
// made when it is first asked for; no items for a variant still to be chosen.
const TStructure& StructureOf(TVariant AVariant, bool ASideB = false);

} // namespace SolverStructure
