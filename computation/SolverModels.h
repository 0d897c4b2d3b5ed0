// The solver's own model of every variant: its dimensions and the closed forms of
// its volume, surface area and supplementary rows. The solver evaluates these some
// hundreds of times per solve, where building the geometry's figure each time would
// cost too much; it then settles each dimension it found on the figure itself
// (Solver.cpp), so the two only need to agree to a few units in the last place.
#pragma once

#include "MathFunctions.h"
#include "SolidPages.h"

#include <array>
#include <limits>

namespace SolverModels {

inline constexpr int MaxDims = 4;
using TDims = std::array<Extended, MaxDims>;

inline constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();
inline constexpr Extended None = std::numeric_limits<Extended>::quiet_NaN();

// The open interval a dimension may take while the others keep their values. A
// value Excluded inside it gives no figure (equal radii of a truncated cone); at a
// value Special inside it the solid changes its form (the sector's hemisphere).
struct TInterval {
    Extended Low = 0;
    Extended High = Infinity;
    Extended Excluded = None;
    Extended Special = None;
};

struct TModel {
    int DimCount = 0;
    // The entry that holds each dimension. The rectangular frustum's third one is the
    // side of the lower base that the choice names: a1 (b1 with ASideB).
    std::array<TEntry, MaxDims> DimEntries = {};
    // The volume, the surface area and then every supplementary row of the figure
    // with the dimensions ADims, in the order of SupplementaryRows; ACount is the
    // number of edges of a regular base.
    void (*Quantities)(const Extended* ADims, int ACount, Extended* AValues) = nullptr;
    // The interval of dimension ADim while the others are as in ADims.
    TInterval (*Range)(int ADim, const Extended* ADims) = nullptr;
    // Figures of different shapes (every dimension in its interval), from which the
    // solver learns which quantities depend on which dimensions.
    std::array<TDims, 3> Samples = {};
};

// The model of a variant whose solid is chosen; ASideB: the rectangular frustum's
// with side b1 of the lower base as its third dimension.
const TModel& Model(TVariant AVariant, bool ASideB = false);

// The lower base of the rectangular frustum is similar to the upper one, a2 by b2:
// its other side from the one given, as the handler computes it.
inline Extended OtherLowerSide(Extended AUpperA, Extended AUpperB, Extended ALowerSide,
                               bool ASideB) {
    return ASideB ? ALowerSide / AUpperB * AUpperA : ALowerSide / AUpperA * AUpperB;
}

} // namespace SolverModels
