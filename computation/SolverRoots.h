// Every root of a function of one positive unknown over an open interval, and the
// range the function takes there. The solver of figures (Solver.h) reduces each of
// its problems to one such equation.
//
// The function is sampled on a grid in log scale that reaches ten decades below and
// above the sizes where its features lie, and towards both ends of the interval far
// beyond (as far as about 1e2400 times the last sample); its turning points are found between the
// samples, so that the interval falls into pieces on which it runs one way; each piece that crosses
// the target is halved in log scale, then narrowed by safeguarded secant and halving steps until
// the root's two neighbouring values of Extended hold it. A turning point that just
// reaches the target is a double root. No root depends on a starting guess.
#pragma once

#include "MathFunctions.h"
#include "SolverModels.h"

#include <functional>
#include <vector>

namespace SolverRoots {

using TFunction = std::function<Extended(Extended)>;

struct TSearch {
    SolverModels::TInterval Interval;
    // The sizes between which the function's features lie (the known dimensions).
    Extended ScaleLow = 1;
    Extended ScaleHigh = 1;
};

struct TRoot {
    Extended Value = 0;
    bool Double = false; // a turning point that touches the target
};

// The lowest and highest value over the interval. Reached: taken at a point inside;
// otherwise only approached towards an end of the interval (or the excluded value).
// Complete: the function was finite out to both ends of every piece; where it was not
// (its values leave the range of Extended), the range is only what was seen.
struct TRange {
    Extended Low = 0, High = 0;
    bool LowReached = false, HighReached = false;
    bool Complete = false;
};

struct TRoots {
    std::vector<TRoot> Roots; // ascending
    TRange Range;
};

// The values where AFunction equals ATarget. Values where AFunction is not finite
// are passed over.
TRoots FindRoots(const TFunction& AFunction, const TSearch& ASearch, Extended ATarget);

} // namespace SolverRoots
