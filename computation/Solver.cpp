// The solver: for each kind of set of values it solves from (SolverStructure.h) the
// equation in one unknown that it comes down to:
// - all dimensions given: the figure itself;
// - one dimension, one value V: the size that gives V, in closed form;
// - two dimensions, two values: the shape ratio t = second dimension / first, from
//   the one equation in t that the two values give once the size is taken out
//   (volume^2 / area^3 depends on t alone), then the size;
// - all dimensions but one, and one value: that dimension;
// - the tank's filling and two more values: the filling fixes level / radius, which
//   leaves a solid of two dimensions.
// Each dimension found is then settled on the figure: among its neighbouring values,
// the one whose figure comes closest to the given values.
#include "Solver.h"

#include "SolidFigures.h"
#include "SolverModels.h"
#include "SolverRoots.h"
#include "SolverStructure.h"
#include "TankLevels.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

namespace {

using SolverModels::Infinity;
using SolverModels::TDims;
using SolverModels::TInterval;
using SolverModels::TModel;
using SolverStructure::Bit;
using SolverStructure::Evaluate;
using SolverStructure::MaxItems;
using SolverStructure::StructureOf;
using SolverStructure::TBasis;
using SolverStructure::TMask;
using SolverStructure::TStructure;

constexpr Extended NotGiven = std::numeric_limits<Extended>::quiet_NaN();
// A figure found whose values differ from the given ones by more than this (and by
// more than a step to the neighbouring values of its dimensions changes them) is not
// one that has them: a root of the solver's equation that the figure does not share.
constexpr Extended Accepted = 1e-12L;

// --- A solve ------------------------------------------------------------------------------

// What the request gives, read and checked.
struct TGiven {
    const TStructure* Structure = nullptr;
    std::array<Extended, MaxItems> Values;
    TMask Mask = 0;
    std::vector<int> Order; // the items in the order given
    int Count = 0;          // the number of edges; 0 while not given
    Extended Density = 0;   // 0 without one
    TPrecision Precision = 2;

    bool Has(int AItem) const { return AItem >= 0 && (Mask & Bit(AItem)); }
    std::string Id(int AItem) const { return Structure->Items[std::size_t(AItem)].Id; }
    int Position(int AItem) const {
        return int(std::find(Order.begin(), Order.end(), AItem) - Order.begin());
    }
    // The ids of the items of AMask, in the order given.
    std::vector<std::string> Ids(TMask AMask) const {
        std::vector<std::string> ids;
        for (int item : Order)
            if (AMask & Bit(item))
                ids.push_back(Id(item));
        return ids;
    }
};

// A figure found, in the model's dimensions, before it is settled on the figure.
struct TCandidate {
    TDims Dims = {};
    bool Double = false;
};

struct TAttempt {
    std::vector<TCandidate> Candidates;
    std::optional<TSolveBound> Bound;
};

Extended FromDegree(int ADegree, Extended ARatio) {
    if (!(ARatio > 0))
        return NotGiven;
    return ADegree == 1 ? ARatio : ADegree == 2 ? std::sqrt(ARatio) : std::cbrt(ARatio);
}

// ASize^ADegree times AUnitValue, the value of a figure ASize times the one whose value
// is AUnitValue; taken as (size times the root of the value)^degree, which stays in
// range wherever the result does.
Extended Scaled(int ADegree, Extended ASize, Extended AUnitValue) {
    if (ADegree == 0)
        return AUnitValue;
    const Extended magnitude = std::fabs(AUnitValue);
    const Extended root = ADegree == 1   ? magnitude
                          : ADegree == 2 ? std::sqrt(magnitude)
                                         : std::cbrt(magnitude);
    const Extended scaled = ASize * root;
    const Extended power = ADegree == 1   ? scaled
                           : ADegree == 2 ? scaled * scaled
                                          : scaled * scaled * scaled;
    return AUnitValue < 0 ? -power : power;
}

// The bound that ARange, the range of AItem's value, sets to the value given, if that is
// outside it.
std::optional<TSolveBound> BoundOf(const TGiven& AGiven, int AItem,
                                   const SolverRoots::TRange& ARange,
                                   std::vector<std::string> AOthers) {
    const Extended target = AGiven.Values[std::size_t(AItem)];
    // Where the values left the range of Extended somewhere, the range seen is no bound;
    // nor is one where they all came out zero.
    if (!ARange.Complete || (!AGiven.Structure->Signed[std::size_t(AItem)] && !(ARange.High > 0)))
        return std::nullopt;
    // A range that only approaches zero or grows without end sets no bound but zero.
    const Extended scale = std::fabs(target);
    const auto limit = [&](Extended AValue) {
        return std::fabs(AValue) < scale * 1e-60L ? Extended(0) : AValue;
    };
    TSolveBound bound{AGiven.Id(AItem), bkAtLeast, 0, std::move(AOthers)};
    if (target > ARange.High) {
        bound.Kind = ARange.HighReached ? bkAtMost : bkLessThan;
        bound.Value = ARange.HighReached ? ARange.High : limit(ARange.High);
        return bound;
    }
    if (target < ARange.Low) {
        bound.Kind = ARange.LowReached ? bkAtLeast : bkMoreThan;
        bound.Value = ARange.LowReached ? ARange.Low : limit(ARange.Low);
        return bound;
    }
    return std::nullopt;
}

TAttempt FromDimensions(TDims ADims) {
    TAttempt attempt;
    attempt.Candidates.push_back({ADims, false});
    return attempt;
}

// A solid of one dimension: the size whose value is the one given.
TAttempt FromOne(const TGiven& AGiven, int AItem) {
    const TStructure& structure = *AGiven.Structure;
    TDims unit = {1, 1, 1, 1};
    Extended values[MaxItems];
    Evaluate(structure, unit.data(), AGiven.Count, AGiven.Density, values);
    TDims dims = {};
    dims[0] = FromDegree(structure.Degree[std::size_t(AItem)],
                         AGiven.Values[std::size_t(AItem)] / values[AItem]);
    return FromDimensions(dims);
}

// Two values of a solid that, at size 1, has the dimensions AShape(t): the shape
// ratio t from the one equation the two give, then the size from one of them.
TAttempt FromShape(const TGiven& AGiven, int AFirst, int ASecond, const TInterval& AShapes,
                   const std::function<void(Extended, Extended, Extended*)>& AShape) {
    const TStructure& structure = *AGiven.Structure;
    const auto degree = [&](int AItem) { return structure.Degree[std::size_t(AItem)]; };
    const auto givenValue = [&](int AItem) { return AGiven.Values[std::size_t(AItem)]; };
    const auto unitValues = [&](Extended t, Extended* AValues) {
        TDims dims = {};
        AShape(1, t, dims.data());
        Evaluate(structure, dims.data(), AGiven.Count, AGiven.Density, AValues);
    };
    // A share fixes the shape alone; otherwise the size is taken from one value (not
    // one that may be negative) and the other, the later given, decides the shape.
    int sizing = AFirst, deciding = ASecond;
    if (degree(AFirst) == 0 || (degree(ASecond) != 0 && structure.Signed[std::size_t(AFirst)]) ||
        (degree(ASecond) != 0 && !structure.Signed[std::size_t(ASecond)] &&
         AGiven.Position(AFirst) > AGiven.Position(ASecond)))
        std::swap(sizing, deciding);
    if (degree(deciding) == 0 && degree(sizing) == 0)
        return {};
    const SolverRoots::TFunction value = [&](Extended t) {
        Extended values[MaxItems];
        unitValues(t, values);
        if (degree(deciding) == 0)
            return values[deciding];
        const Extended size = FromDegree(degree(sizing), givenValue(sizing) / values[sizing]);
        return Scaled(degree(deciding), size, values[deciding]);
    };
    const SolverRoots::TRoots roots =
        SolverRoots::FindRoots(value, {AShapes}, givenValue(deciding));
    TAttempt attempt;
    for (const SolverRoots::TRoot& root : roots.Roots) {
        Extended values[MaxItems];
        unitValues(root.Value, values);
        const Extended size = FromDegree(degree(sizing), givenValue(sizing) / values[sizing]);
        if (!(size > 0 && std::isfinite(size)))
            continue;
        TCandidate candidate{{}, root.Double};
        AShape(size, root.Value, candidate.Dims.data());
        attempt.Candidates.push_back(candidate);
    }
    if (roots.Roots.empty()) {
        std::vector<std::string> others;
        if (degree(deciding) != 0)
            others.push_back(AGiven.Id(sizing));
        attempt.Bound = BoundOf(AGiven, deciding, roots.Range, others);
    }
    return attempt;
}

TAttempt FromPair(const TGiven& AGiven, int AFirst, int ASecond) {
    const TModel& model = *AGiven.Structure->Model;
    const TDims unit = {1, 1, 1, 1};
    return FromShape(AGiven, AFirst, ASecond, model.Range(1, unit.data()),
                     [](Extended ASize, Extended t, Extended* ADims) {
                         ADims[0] = ASize;
                         ADims[1] = t * ASize;
                     });
}

TAttempt FromFilling(const TGiven& AGiven, int AFirst, int ASecond) {
    const Extended filling = AGiven.Values[std::size_t(AGiven.Structure->FillingItem)];
    if (filling >= 100) {
        TAttempt attempt;
        attempt.Bound = TSolveBound{AGiven.Id(AGiven.Structure->FillingItem), bkLessThan, 100, {}};
        return attempt;
    }
    // The level per unit of radius at this filling.
    const Extended level = TankLevelForPercentage(1, filling);
    TAttempt attempt = FromShape(AGiven, AFirst, ASecond, TInterval{},
                                 [level](Extended ASize, Extended t, Extended* ADims) {
                                     ADims[0] = ASize;
                                     ADims[1] = level * ASize;
                                     ADims[2] = t * ASize;
                                 });
    // The bound holds for this filling too.
    if (attempt.Bound) {
        TMask others = Bit(AGiven.Structure->FillingItem);
        for (const std::string& id : attempt.Bound->Given)
            others |= Bit(FindItem(AGiven.Structure->Items, id));
        attempt.Bound->Given = AGiven.Ids(others);
    }
    return attempt;
}

// The tank's level from its volume or filling, by the level solver of the tank.
std::optional<TAttempt> TankLevel(const TGiven& AGiven, int ADim, int AItem, TDims ADims) {
    const TStructure& structure = *AGiven.Structure;
    if (structure.Variant != vaCylindricalTank || ADim != 1 ||
        (AItem != structure.VolumeItem && AItem != structure.FillingItem))
        return std::nullopt;
    const Extended r = ADims[0], length = ADims[2], target = AGiven.Values[std::size_t(AItem)];
    const Extended full = AItem == structure.VolumeItem ? TankFullVolume(r, length) : 100;
    TAttempt attempt;
    if (!(target < full)) {
        std::vector<std::string> given = {AGiven.Id(structure.DimItem[0])};
        if (AItem == structure.VolumeItem)
            given.push_back(AGiven.Id(structure.DimItem[2]));
        attempt.Bound = TSolveBound{AGiven.Id(AItem), bkLessThan, full, given};
        return attempt;
    }
    try {
        ADims[1] = AItem == structure.VolumeItem ? TankLevelForVolume(r, length, target)
                                                 : TankLevelForPercentage(r, target);
    } catch (const EInvalidInput&) {
        // A tank whose full volume is beyond Extended.
        return attempt;
    }
    if (ADims[1] > 0)
        attempt.Candidates.push_back({ADims, false});
    return attempt;
}

std::optional<TSolveBound> DimensionBound(const TGiven& AGiven, const TDims& ADims);
TEntryValues EntryValuesOf(const TGiven& AGiven, const TDims& ADims);

// The given dimensions may leave the unknown one ADim no value at all (a tank's level
// at or above its diameter, whatever its length): the bound one of them breaks, found
// with the unknown at a value its own interval allows, and told by the given ones.
std::optional<TSolveBound> GivenDimensionsBound(const TGiven& AGiven, int ADim, TDims ADims,
                                                Extended AGivenHigh) {
    const TStructure& structure = *AGiven.Structure;
    const TInterval interval = structure.Model->Range(ADim, ADims.data());
    if (!(interval.Low < interval.High))
        return std::nullopt;
    ADims[std::size_t(ADim)] =
        std::isfinite(interval.High)
            ? (interval.Low + interval.High) / 2
            : std::max({interval.Low * 2, AGivenHigh, Extended(1)});
    if (CalculateSolid(structure.Variant, EntryValuesOf(AGiven, ADims)).Figure)
        return std::nullopt;
    std::optional<TSolveBound> bound = DimensionBound(AGiven, ADims);
    if (bound) {
        const std::string unknown = AGiven.Id(structure.DimItem[std::size_t(ADim)]);
        bound->Given.erase(std::remove(bound->Given.begin(), bound->Given.end(), unknown),
                           bound->Given.end());
    }
    return bound;
}

// All dimensions but ADim given; the value of AItem decides it.
TAttempt FromAllButOne(const TGiven& AGiven, int ADim, int AItem, TDims ADims) {
    const TStructure& structure = *AGiven.Structure;
    if (std::optional<TAttempt> level = TankLevel(AGiven, ADim, AItem, ADims))
        return *level;
    Extended low = Infinity, high = 0;
    std::vector<std::string> others;
    for (int d = 0; d < structure.Model->DimCount; ++d)
        if (d != ADim) {
            low = std::min(low, ADims[std::size_t(d)]);
            high = std::max(high, ADims[std::size_t(d)]);
            others.push_back(AGiven.Id(structure.DimItem[std::size_t(d)]));
        }
    const SolverRoots::TFunction value = [&](Extended u) {
        TDims dims = ADims;
        dims[std::size_t(ADim)] = u;
        Extended values[MaxItems];
        Evaluate(structure, dims.data(), AGiven.Count, AGiven.Density, values);
        return values[AItem];
    };
    const SolverRoots::TSearch search{structure.Model->Range(ADim, ADims.data()), low, high};
    const Extended target = AGiven.Values[std::size_t(AItem)];
    const SolverRoots::TRoots roots = SolverRoots::FindRoots(value, search, target);
    TAttempt attempt;
    for (const SolverRoots::TRoot& root : roots.Roots) {
        TCandidate candidate{ADims, root.Double};
        candidate.Dims[std::size_t(ADim)] = root.Value;
        attempt.Candidates.push_back(candidate);
    }
    if (roots.Roots.empty())
        attempt.Bound = BoundOf(AGiven, AItem, roots.Range, others);
    const bool figure =
        std::any_of(attempt.Candidates.begin(), attempt.Candidates.end(), [&](const TCandidate& c) {
            return CalculateSolid(structure.Variant, EntryValuesOf(AGiven, c.Dims)).Figure;
        });
    if (!figure && !attempt.Bound)
        attempt.Bound = GivenDimensionsBound(AGiven, ADim, ADims, high);
    return attempt;
}

// --- Settling on the figure -------------------------------------------------------------

// The value of AItem for the figure of AValues (NaN where it has none).
Extended FigureValue(const TGiven& AGiven, int AItem, const TSolidResult& AResult,
                     const TEntryValues& AValues) {
    const TSolveItem& item = AGiven.Structure->Items[std::size_t(AItem)];
    switch (item.Kind) {
    case ikEntry:
        if (item.Choice != enNone) {
            // The side the choice does not name, as the handler works it out.
            const bool named = int(AValues[item.Choice]) == item.ChoiceItem;
            const Extended side = AValues[item.Entry];
            return named ? side
                         : SolverModels::OtherLowerSide(AValues[enTruncatedPyramid_E1],
                                                        AValues[enTruncatedPyramid_E2], side,
                                                        item.ChoiceItem == 0);
        }
        return AValues[item.Entry];
    case ikCount:
        return AValues[item.Entry];
    case ikVolume:
        return AResult.Figure->Volume();
    case ikArea:
        return AResult.Figure->Area();
    case ikRow:
        return AResult.SupplementaryValues[std::size_t(item.Row)].Value;
    case ikMass:
        try {
            return AResult.Figure->Mass(AGiven.Density);
        } catch (const EInvalidInput&) {
            return NotGiven;
        }
    }
    return NotGiven;
}

// The entries' values of the figure with the model's dimensions ADims; the given
// entries keep their values exactly.
TEntryValues EntryValuesOf(const TGiven& AGiven, const TDims& ADims) {
    const TStructure& structure = *AGiven.Structure;
    TEntryValues values;
    for (int d = 0; d < structure.Model->DimCount; ++d)
        values.Set(structure.Model->DimEntries[std::size_t(d)], ADims[std::size_t(d)]);
    if (structure.CountEntry != enNone)
        values.Set(structure.CountEntry, AGiven.Count);
    if (structure.Variant == vaTruncatedPyramid_Rectangle)
        values.Set(enTruncatedPyramid_Side, structure.SideB ? 1 : 0);
    for (int item : AGiven.Order)
        if (structure.Dim[std::size_t(item)] >= 0)
            values.Set(structure.Items[std::size_t(item)].Entry, AGiven.Values[std::size_t(item)]);
    return values;
}

// The entries holding a dimension that no given value names, top to bottom.
std::vector<TEntry> FreeEntries(const TGiven& AGiven) {
    const TStructure& structure = *AGiven.Structure;
    std::vector<TEntry> free;
    for (const TEntryPlace& place : VariantDesc(structure.Variant).Entries) {
        bool dimension = false, given = false;
        for (int d = 0; d < structure.Model->DimCount; ++d)
            dimension = dimension || structure.Model->DimEntries[std::size_t(d)] == place.Entry;
        for (int item : AGiven.Order)
            given = given || structure.Items[std::size_t(item)].Entry == place.Entry;
        if (dimension && !given)
            free.push_back(place.Entry);
    }
    return free;
}

// How far the figure of AValues is from the given values of ABasis: the largest
// relative difference (a given zero against the figure's volume).
Extended Distance(const TGiven& AGiven, TMask ABasis, const TEntryValues& AValues) {
    const TSolidResult result = CalculateSolid(AGiven.Structure->Variant, AValues);
    if (!result.Figure)
        return Infinity;
    Extended distance = 0;
    for (int item : AGiven.Order) {
        if (!(ABasis & Bit(item)))
            continue;
        const Extended target = AGiven.Values[std::size_t(item)];
        const Extended scale = target != 0 ? std::fabs(target) : result.Figure->Volume();
        const Extended difference = std::fabs(FigureValue(AGiven, item, result, AValues) - target);
        if (!(difference <= Infinity))
            return Infinity;
        distance = std::max(distance, difference / scale);
    }
    return distance;
}

Extended Moved(Extended AValue, int ASteps) {
    const Extended unit = std::ldexp(Extended(1), std::ilogb(AValue) - (LDBL_MANT_DIG - 1));
    return AValue + ASteps * unit;
}

// How close a figure settled on comes to the given values, and how much one step to a
// neighbouring value of a free entry changes that.
struct TSettled {
    Extended Distance = Infinity;
    Extended Step = 0;
    // Close enough, or as close as the values of Extended next to it allow: a root
    // where the given values hardly fix the dimension (a needle of a triangle) may be
    // off by more than Accepted, but by less than one step of its dimensions moves it.
    bool Accepted() const { return Distance <= ::Accepted || Distance <= Step; }
};

// Walks from AValues through the neighbouring values of the free entries to the
// figure that comes closest to the given values, in steps that grow while they help.
TSettled Settle(const TGiven& AGiven, TMask ABasis, const std::vector<TEntry>& AFree,
                TEntryValues& AValues) {
    TSettled settled;
    settled.Distance = Distance(AGiven, ABasis, AValues);
    const int free = int(AFree.size());
    int combinations = 1;
    for (int k = 0; k < free; ++k)
        combinations *= 3;
    int steps = 1;
    for (int round = 0; round < 200 && settled.Distance > 0; ++round) {
        TEntryValues closest = AValues;
        Extended closestDistance = settled.Distance, farthest = 0;
        for (int combination = 0; combination < combinations; ++combination) {
            TEntryValues candidate = AValues;
            bool moved = false;
            for (int k = 0, rest = combination; k < free; ++k, rest /= 3) {
                const int direction = rest % 3 - 1;
                if (direction == 0)
                    continue;
                moved = true;
                const TEntry entry = AFree[std::size_t(k)];
                candidate.Set(entry, Moved(AValues[entry], direction * steps));
            }
            if (!moved)
                continue;
            const Extended distance = Distance(AGiven, ABasis, candidate);
            if (distance < Infinity)
                farthest = std::max(farthest, distance);
            if (distance < closestDistance) {
                closest = candidate;
                closestDistance = distance;
            }
        }
        if (closestDistance < settled.Distance) {
            AValues = closest;
            settled.Distance = closestDistance;
            steps *= 2;
        } else if (steps > 1) {
            steps = 1;
        } else {
            settled.Step = farthest - settled.Distance;
            break;
        }
    }
    return settled;
}

bool SameFigure(const TEntryValues& A, const TEntryValues& B, const std::vector<TEntry>& AFree) {
    for (TEntry entry : AFree)
        if (std::fabs(A[entry] - B[entry]) > 4 * LDBL_EPSILON * std::fabs(A[entry]))
            return false;
    return true;
}

std::vector<TSolution> Settled(const TGiven& AGiven, TMask ABasis, const TAttempt& AAttempt) {
    const std::vector<TEntry> free = FreeEntries(AGiven);
    std::vector<TSolution> solutions;
    for (const TCandidate& candidate : AAttempt.Candidates) {
        TSolution solution;
        solution.Values = EntryValuesOf(AGiven, candidate.Dims);
        solution.Found = free;
        solution.Double = candidate.Double;
        if (!Settle(AGiven, ABasis, free, solution.Values).Accepted())
            continue;
        bool known = false;
        for (TSolution& other : solutions)
            if (SameFigure(other.Values, solution.Values, free)) {
                // Two roots of a near-double pair that settled on one figure.
                other.Double = true;
                known = true;
            }
        if (!known)
            solutions.push_back(solution);
    }
    if (!free.empty())
        std::sort(solutions.begin(), solutions.end(), [&](const TSolution& A, const TSolution& B) {
            return A.Values[free.front()] < B.Values[free.front()];
        });
    return solutions;
}

// The bound a dimension given out of its interval sets, when all are given: the last
// given that is out of the interval the others leave it.
std::optional<TSolveBound> DimensionBound(const TGiven& AGiven, const TDims& ADims) {
    const TStructure& structure = *AGiven.Structure;
    for (auto item = AGiven.Order.rbegin(); item != AGiven.Order.rend(); ++item) {
        const int d = structure.Dim[std::size_t(*item)];
        if (d < 0)
            continue;
        const TInterval interval = structure.Model->Range(d, ADims.data());
        std::vector<std::string> others;
        for (int other = 0; other < structure.Model->DimCount; ++other)
            if (other != d)
                others.push_back(AGiven.Id(structure.DimItem[std::size_t(other)]));
        const Extended value = ADims[std::size_t(d)];
        if (value <= interval.Low)
            return TSolveBound{AGiven.Id(*item), bkMoreThan, interval.Low, others};
        if (value >= interval.High)
            return TSolveBound{AGiven.Id(*item), bkLessThan, interval.High, others};
        if (value == interval.Excluded)
            return TSolveBound{AGiven.Id(*item), bkOtherThan, interval.Excluded, others};
    }
    return std::nullopt;
}

TAttempt Attempt(const TGiven& AGiven, const TBasis& ABasis) {
    const TStructure& structure = *AGiven.Structure;
    TDims dims = {};
    for (int d = 0; d < structure.Model->DimCount; ++d)
        if (AGiven.Has(structure.DimItem[std::size_t(d)]))
            dims[std::size_t(d)] = AGiven.Values[std::size_t(structure.DimItem[std::size_t(d)])];
    switch (ABasis.Kind) {
    case SolverStructure::bsDimensions: {
        TAttempt attempt = FromDimensions(dims);
        if (!CalculateSolid(structure.Variant, EntryValuesOf(AGiven, dims)).Figure) {
            attempt.Candidates.clear();
            attempt.Bound = DimensionBound(AGiven, dims);
        }
        return attempt;
    }
    case SolverStructure::bsOne:
        return FromOne(AGiven, ABasis.First);
    case SolverStructure::bsPair:
        return FromPair(AGiven, ABasis.First, ABasis.Second);
    case SolverStructure::bsAllButOne:
        return FromAllButOne(AGiven, ABasis.Dim, ABasis.First, dims);
    case SolverStructure::bsFilling:
        return FromFilling(AGiven, ABasis.First, ABasis.Second);
    }
    return {};
}

// Whether a given value agrees with the figure's to the precision shown: within half
// a unit of the last decimal place the results would show for it.
bool Agrees(Extended AGiven, Extended AFigure, TPrecision APrecision) {
    if (!std::isfinite(AFigure))
        return false;
    const Extended magnitude = std::fabs(AGiven);
    int places = APrecision;
    if (magnitude >= 1e15L || (magnitude < 1e-4L && magnitude > 0)) {
        // The form with an exponent rounds the mantissa to that many places.
        places -= int(std::floor(std::log10(magnitude)));
    } else if (magnitude >= 1) {
        // No more than fifteen digits in all.
        places = std::min(places, 14 - int(std::floor(std::log10(magnitude))));
    }
    const Extended halfUnit = std::pow(10.0L, Extended(-places)) / 2;
    return std::fabs(AGiven - AFigure) <= halfUnit * (1 + 1e-9L) + 64 * LDBL_EPSILON * magnitude;
}

// --- Not enough, not covered -------------------------------------------------------------

int Count(TMask AMask) {
    int count = 0;
    for (; AMask; AMask &= AMask - 1)
        ++count;
    return count;
}

// Whether AItem follows from the values AKept given before it.
bool Follows(const TGiven& AGiven, int AItem, const std::vector<int>& AKept) {
    const TStructure& structure = *AGiven.Structure;
    const int dimensions = structure.Model->DimCount;
    if (dimensions == 1)
        return !AKept.empty();
    for (int kept : AKept) {
        if (dimensions == 2 && structure.Dependent[std::size_t(AItem)][std::size_t(kept)])
            return true;
        if (structure.FillingItem >= 0 && AGiven.Has(structure.FillingItem) &&
            kept != structure.FillingItem && AItem != structure.FillingItem &&
            structure.DependentAtFilling[std::size_t(AItem)][std::size_t(kept)] &&
            std::find(AKept.begin(), AKept.end(), structure.FillingItem) != AKept.end())
            return true;
    }
    if (dimensions == 2)
        return false;
    TMask given = 0;
    for (int kept : AKept)
        if (structure.Dim[std::size_t(kept)] >= 0)
            given |= Bit(structure.Dim[std::size_t(kept)]);
    const int dim = structure.Dim[std::size_t(AItem)];
    if (dim >= 0)
        return (given & Bit(dim)) != 0;
    return (structure.Support[std::size_t(AItem)] & ~given) == 0;
}

void Insufficient(const TGiven& AGiven, TMask AAvailable, bool ACountMissing,
                  TSolveResult& AResult) {
    const TStructure& structure = *AGiven.Structure;
    std::vector<int> kept;
    for (int item : AGiven.Order) {
        if (item == structure.CountItem)
            continue;
        if (Follows(AGiven, item, kept))
            AResult.Redundant.push_back(AGiven.Id(item));
        else
            kept.push_back(item);
    }
    TMask keptMask = 0;
    for (int item : kept)
        keptMask |= Bit(item);
    int overlap = 0;
    for (const TBasis& basis : structure.Bases)
        if (!(basis.Mask & ~AAvailable))
            overlap = std::max(overlap, Count(basis.Mask & keptMask));
    const int missingCount = ACountMissing ? 1 : 0;
    AResult.MoreNeeded = structure.Model->DimCount - overlap + missingCount;
    if (ACountMissing)
        AResult.Candidates.push_back(AGiven.Id(structure.CountItem));
    TMask candidates = 0;
    for (const TBasis& basis : structure.Bases) {
        if ((basis.Mask & ~AAvailable) || Count(basis.Mask & keptMask) != overlap)
            continue;
        if (overlap == Count(keptMask)) {
            candidates |= basis.Mask & ~keptMask;
        } else {
            std::vector<std::string> ids;
            for (std::size_t i = 0; i < structure.Items.size(); ++i)
                if (basis.Mask & Bit(int(i)))
                    ids.push_back(structure.Items[i].Id);
            AResult.Enough.push_back(ids);
        }
    }
    AResult.Outcome = overlap == Count(keptMask) ? soNotEnough : soNotCovered;
    for (std::size_t i = 0; i < structure.Items.size(); ++i)
        if (candidates & Bit(int(i)))
            AResult.Candidates.push_back(structure.Items[i].Id);
}

TSolveResult Invalid(const std::string& AId, TInvalidReason AReason) {
    TSolveResult result;
    result.Outcome = soInvalid;
    result.Invalid = AId;
    result.InvalidReason = AReason;
    return result;
}

bool SideBGiven(const TSolveRequest& ARequest) {
    bool a1 = false, b1 = false;
    for (const TKnownValue& known : ARequest.Known) {
        a1 = a1 || known.Id == "a1";
        b1 = b1 || known.Id == "b1";
    }
    return ARequest.Variant == vaTruncatedPyramid_Rectangle && b1 && !a1;
}

} // namespace

TSolveResult Solve(const TSolveRequest& ARequest) {
    if (ARequest.Variant >= VariantCount)
        return Invalid(std::string(), irNoSolid);
    const TStructure& structure = StructureOf(ARequest.Variant, SideBGiven(ARequest));
    if (structure.Items.empty())
        return Invalid(std::string(), irNoSolid);
    TGiven given;
    given.Structure = &structure;
    given.Values.fill(NotGiven);
    given.Precision = ARequest.Precision;
    if (ARequest.Density && std::isfinite(*ARequest.Density) && *ARequest.Density > 0)
        given.Density = *ARequest.Density;
    for (const TKnownValue& known : ARequest.Known) {
        const int item = FindItem(structure.Items, known.Id);
        if (item < 0)
            return Invalid(known.Id, irUnknownId);
        if (given.Has(item))
            return Invalid(known.Id, irRepeated);
        const Extended value = known.Value;
        if (!std::isfinite(value))
            return Invalid(known.Id, irNotFinite);
        if (item == structure.CountItem) {
            if (!(value > 2 && value <= std::numeric_limits<std::int32_t>::max() &&
                  value == std::floor(value)))
                return Invalid(known.Id, irNotACount);
            given.Count = int(value);
        } else if (!structure.Signed[std::size_t(item)] && !(value > 0)) {
            return Invalid(known.Id, irNotPositive);
        }
        if (item == structure.MassItem && given.Density == 0)
            return Invalid(known.Id, irNoDensity);
        given.Values[std::size_t(item)] = value;
        given.Mask |= Bit(item);
        given.Order.push_back(item);
    }
    if (structure.FixedCount > 0)
        given.Count = structure.FixedCount;
    const bool countMissing = structure.CountItem >= 0 && !given.Has(structure.CountItem);

    TMask available = 0;
    for (std::size_t i = 0; i < structure.Items.size(); ++i)
        if (int(i) != structure.CountItem && (int(i) != structure.MassItem || given.Density > 0))
            available |= Bit(int(i));
    // The basis: the set with the most entries, then the one given earliest.
    const TBasis* chosen = nullptr;
    int chosenEntries = -1, chosenPositions = 0;
    for (const TBasis& basis : structure.Bases) {
        if ((basis.Mask & ~available) || (basis.Mask & ~given.Mask))
            continue;
        int entries = 0, positions = 0;
        for (int item : given.Order)
            if (basis.Mask & Bit(item)) {
                entries += structure.Items[std::size_t(item)].Kind == ikEntry ? 1 : 0;
                positions += given.Position(item);
            }
        if (entries > chosenEntries || (entries == chosenEntries && positions < chosenPositions)) {
            chosen = &basis;
            chosenEntries = entries;
            chosenPositions = positions;
        }
    }
    TSolveResult result;
    if (!chosen || countMissing) {
        if (chosen) {
            result.Outcome = soNotEnough;
            result.MoreNeeded = 1;
            result.Candidates.push_back(given.Id(structure.CountItem));
            return result;
        }
        Insufficient(given, available, countMissing, result);
        return result;
    }

    result.Basis = given.Ids(chosen->Mask);
    const TAttempt attempt = Attempt(given, *chosen);
    std::vector<TSolution> solutions = Settled(given, chosen->Mask, attempt);
    if (solutions.empty()) {
        result.Outcome = soNoneFits;
        result.Bound = attempt.Bound;
        return result;
    }
    // The values beyond the basis must agree with the figure; figures they do not
    // agree with are left out.
    TMask disagreeing = 0, extras = 0;
    std::vector<TSolution> agreeing;
    for (const TSolution& solution : solutions) {
        const TSolidResult figure = CalculateSolid(structure.Variant, solution.Values);
        bool agrees = true;
        for (int item : given.Order) {
            if ((chosen->Mask & Bit(item)) || item == structure.CountItem)
                continue;
            extras |= Bit(item);
            if (!Agrees(given.Values[std::size_t(item)],
                        FigureValue(given, item, figure, solution.Values), given.Precision)) {
                agrees = false;
                disagreeing |= Bit(item);
            }
        }
        if (agrees)
            agreeing.push_back(solution);
    }
    if (agreeing.empty()) {
        result.Outcome = soConflict;
        result.Conflicting = given.Ids(chosen->Mask | disagreeing);
        return result;
    }
    result.Outcome = soSolved;
    result.Solutions = agreeing;
    result.Checked = given.Ids(extras);
    return result;
}

TCoverage Coverage(TVariant AVariant) {
    TCoverage coverage;
    const TStructure& structure = StructureOf(AVariant);
    if (structure.Items.empty())
        return coverage;
    coverage.Dimensions = structure.Model->DimCount;
    coverage.Rule = coverage.Dimensions == 1   ? crAnyOne
                    : coverage.Dimensions == 2 ? crAnyTwo
                                               : crAllButOne;
    coverage.CountGiven = structure.CountItem >= 0;
    coverage.FillingAndTwo = structure.FillingItem >= 0;
    return coverage;
}

std::vector<std::vector<std::string>> SufficientSets(TVariant AVariant, bool ADensity) {
    std::vector<std::vector<std::string>> sets;
    const auto add = [&](const TStructure& AStructure) {
        for (const TBasis& basis : AStructure.Bases) {
            if (!ADensity && (basis.Mask & Bit(AStructure.MassItem)))
                continue;
            std::vector<std::string> ids;
            for (std::size_t i = 0; i < AStructure.Items.size(); ++i)
                if (basis.Mask & Bit(int(i)))
                    ids.push_back(AStructure.Items[i].Id);
            if (std::find(sets.begin(), sets.end(), ids) == sets.end())
                sets.push_back(ids);
        }
    };
    const TStructure& structure = StructureOf(AVariant);
    if (structure.Items.empty())
        return sets;
    add(structure);
    if (AVariant == vaTruncatedPyramid_Rectangle)
        add(StructureOf(AVariant, true));
    return sets;
}
