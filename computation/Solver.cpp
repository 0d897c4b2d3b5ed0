// The solver: what each variant's values depend on (learnt once from its model), the
// sets of values it solves from, and for each kind of set the equation in one
// unknown that it comes down to:
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
#include "TankLevels.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <mutex>

namespace {

using SolverModels::Infinity;
using SolverModels::MaxDims;
using SolverModels::TDims;
using SolverModels::TInterval;
using SolverModels::TModel;
using TMask = std::uint32_t;

constexpr int MaxItems = 24;
constexpr Extended NotGiven = std::numeric_limits<Extended>::quiet_NaN();
// A figure found whose values differ from the given ones by more than this is not
// one that has them (a root of the equation that the figure does not share).
constexpr Extended Accepted = 1e-12L;

TMask Bit(int AItem) {
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
    const TModel* Model = nullptr;
    std::vector<TSolveItem> Items;
    std::vector<int> Degree;    // the power of length: 1, 2, 3; 0 for a share
    std::vector<bool> Signed;   // may be zero or negative (the sector's cone part)
    std::vector<TMask> Support; // a bit for each dimension the item depends on
    std::vector<int> Dim;       // the dimension an entry holds; -1 for any other item
    std::array<int, MaxDims> DimItem = {-1, -1, -1, -1};
    int CountItem = -1, VolumeItem = -1, MassItem = -1, FillingItem = -1;
    TEntry CountEntry = enNone;
    int FixedCount = 0;
    // Pairs of values of which one follows from the other: for a solid of two
    // dimensions, and for the tank once its filling is given.
    std::vector<std::vector<bool>> Dependent, DependentAtFilling;
    std::vector<TBasis> Bases;
};

// --- Values from the model ------------------------------------------------------------

void Evaluate(const TStructure& S, const Extended* ADims, int ACount, Extended ADensity,
              Extended* AValues) {
    Extended quantities[MaxItems];
    S.Model->Quantities(ADims, ACount, quantities);
    for (std::size_t i = 0; i < S.Items.size(); ++i) {
        const TSolveItem& item = S.Items[i];
        switch (item.Kind) {
        case ikEntry:
            AValues[i] = S.Dim[i] >= 0
                             ? ADims[S.Dim[i]]
                             : SolverModels::OtherLowerSide(ADims[0], ADims[1], ADims[2], S.SideB);
            break;
        case ikCount:
            AValues[i] = ACount;
            break;
        case ikVolume:
            AValues[i] = quantities[0];
            break;
        case ikArea:
            AValues[i] = quantities[1];
            break;
        case ikRow:
            AValues[i] = quantities[2 + item.Row];
            break;
        case ikMass:
            AValues[i] = ADensity * quantities[0];
            break;
        }
    }
}

bool Inside(const TInterval& AInterval, Extended AValue) {
    return AValue > AInterval.Low && AValue < AInterval.High && AValue != AInterval.Excluded;
}

// --- What depends on what ---------------------------------------------------------------

// How the logarithm of each value changes with the logarithm of each dimension at
// ADims, by central differences; AMove moves dimension j of ADims by the factor.
using TMove = std::function<void(int j, Extended AFactor, Extended* ADims)>;
std::vector<std::array<Extended, MaxDims>>
LogSlopes(const TStructure& S, const TDims& ADims, int ADimCount, int ACount, const TMove& AMove) {
    constexpr Extended Step = 1e-6L;
    std::vector<std::array<Extended, MaxDims>> slopes(S.Items.size());
    Extended at[MaxItems], up[MaxItems], down[MaxItems];
    Evaluate(S, ADims.data(), ACount, 1, at);
    for (int j = 0; j < ADimCount; ++j) {
        TDims higher = ADims, lower = ADims;
        AMove(j, 1 + Step, higher.data());
        AMove(j, 1 - Step, lower.data());
        Evaluate(S, higher.data(), ACount, 1, up);
        Evaluate(S, lower.data(), ACount, 1, down);
        for (std::size_t i = 0; i < S.Items.size(); ++i)
            slopes[i][std::size_t(j)] = (up[i] - down[i]) / (2 * Step * std::fabs(at[i]));
    }
    return slopes;
}

// Whether two values fix two dimensions: their slopes are not proportional.
bool Independent(const std::array<Extended, MaxDims>& A, const std::array<Extended, MaxDims>& B) {
    const Extended determinant = A[0] * B[1] - A[1] * B[0];
    return std::fabs(determinant) > 1e-6L;
}

// For every pair of values: one follows from the other at every sample.
std::vector<std::vector<bool>> DependentPairs(const TStructure& S, int ACount,
                                              const std::vector<TDims>& ASamples,
                                              const TMove& AMove) {
    const std::size_t n = S.Items.size();
    std::vector<std::vector<bool>> dependent(n, std::vector<bool>(n, true));
    for (const TDims& sample : ASamples) {
        const auto slopes = LogSlopes(S, sample, 2, ACount, AMove);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                if (Independent(slopes[i], slopes[j]))
                    dependent[i][j] = false;
    }
    return dependent;
}

void AddBasis(TStructure& S, TBasis ABasis) {
    for (const TBasis& basis : S.Bases)
        if (basis.Mask == ABasis.Mask)
            return;
    S.Bases.push_back(ABasis);
}

void MakeBases(TStructure& S) {
    const TModel& model = *S.Model;
    const int n = int(S.Items.size());
    const auto usable = [&](int i) { return i != S.CountItem; };
    if (model.DimCount == 1) {
        for (int i = 0; i < n; ++i)
            if (usable(i))
                AddBasis(S, {S.Dim[i] == 0 ? bsDimensions : bsOne, Bit(i), -1, i});
        return;
    }
    if (model.DimCount == 2) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                if (!usable(i) || !usable(j))
                    continue;
                if (S.Dim[i] >= 0 && S.Dim[j] >= 0)
                    AddBasis(S, {bsDimensions, Bit(i) | Bit(j)});
                else if (!S.Dependent[i][j])
                    AddBasis(S, {bsPair, Bit(i) | Bit(j), -1, i, j});
            }
        return;
    }
    TMask dimensions = 0;
    for (int d = 0; d < model.DimCount; ++d)
        dimensions |= Bit(S.DimItem[d]);
    AddBasis(S, {bsDimensions, dimensions});
    for (int d = 0; d < model.DimCount; ++d)
        for (int i = 0; i < n; ++i)
            if (usable(i) && S.Dim[i] < 0 && (S.Support[i] & Bit(d)))
                AddBasis(S, {bsAllButOne, (dimensions & ~Bit(S.DimItem[d])) | Bit(i), d, i});
    if (S.FillingItem < 0)
        return;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (usable(i) && usable(j) && i != S.FillingItem && j != S.FillingItem &&
                !S.DependentAtFilling[i][j])
                AddBasis(S, {bsFilling, Bit(S.FillingItem) | Bit(i) | Bit(j), -1, i, j});
}

TStructure MakeStructure(TVariant AVariant, bool ASideB) {
    TStructure S;
    S.Variant = AVariant;
    S.SideB = ASideB;
    S.Items = SolveItems(AVariant);
    if (S.Items.empty())
        return S;
    S.Model = &SolverModels::Model(AVariant, ASideB);
    const TModel& model = *S.Model;
    const int n = int(S.Items.size());
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries)
        if (EntryDesc(place.Entry).Kind == ekCount) {
            S.CountEntry = place.Entry;
            S.FixedCount = place.FixedCount;
        }
    S.Dim.assign(std::size_t(n), -1);
    for (int i = 0; i < n; ++i) {
        const TSolveItem& item = S.Items[std::size_t(i)];
        if (item.Kind == ikCount)
            S.CountItem = i;
        else if (item.Kind == ikVolume)
            S.VolumeItem = i;
        else if (item.Kind == ikMass)
            S.MassItem = i;
        else if (item.Id == "percentage-filling-of-tank")
            S.FillingItem = i;
        // The lower side that the choice does not name follows from the other sides.
        if (item.Kind != ikEntry || (item.Choice != enNone && item.ChoiceItem != int(ASideB)))
            continue;
        for (int d = 0; d < model.DimCount; ++d)
            if (model.DimEntries[std::size_t(d)] == item.Entry) {
                S.Dim[std::size_t(i)] = d;
                S.DimItem[std::size_t(d)] = i;
            }
    }
    const int count = S.FixedCount > 0 ? S.FixedCount : 5;

    // Degrees from doubling every dimension; supports from moving one at a time.
    S.Degree.assign(std::size_t(n), 0);
    S.Signed.assign(std::size_t(n), false);
    S.Support.assign(std::size_t(n), 0);
    for (const TDims& sample : model.Samples) {
        Extended at[MaxItems], doubled[MaxItems], moved[MaxItems];
        TDims twice = sample;
        for (Extended& value : twice)
            value *= 2;
        Evaluate(S, sample.data(), count, 1, at);
        Evaluate(S, twice.data(), count, 1, doubled);
        for (int i = 0; i < n; ++i) {
            S.Degree[std::size_t(i)] = int(std::lround(std::log2(doubled[i] / at[i])));
            if (at[i] <= 0)
                S.Signed[std::size_t(i)] = true;
        }
        for (int d = 0; d < model.DimCount; ++d) {
            TDims other = sample;
            other[std::size_t(d)] *= 1.1L;
            if (!Inside(model.Range(d, sample.data()), other[std::size_t(d)]))
                other[std::size_t(d)] = sample[std::size_t(d)] * 0.9L;
            Evaluate(S, other.data(), count, 1, moved);
            for (int i = 0; i < n; ++i)
                if (std::fabs(moved[i] - at[i]) > 1e-12L * std::fabs(at[i]))
                    S.Support[std::size_t(i)] |= Bit(d);
        }
    }
    const std::vector<TDims> samples(model.Samples.begin(), model.Samples.end());
    if (model.DimCount == 2)
        S.Dependent =
            DependentPairs(S, count, samples,
                           [](int j, Extended AFactor, Extended* ADims) { ADims[j] *= AFactor; });
    if (S.FillingItem >= 0) {
        // At a given filling the level moves with the radius: dimensions r and d.
        S.DependentAtFilling =
            DependentPairs(S, count, samples, [](int j, Extended AFactor, Extended* ADims) {
                if (j == 0) {
                    ADims[0] *= AFactor;
                    ADims[1] *= AFactor;
                } else {
                    ADims[2] *= AFactor;
                }
            });
    }
    MakeBases(S);
    return S;
}

// One structure per variant, and the rectangular frustum by side b last, each made
// when it is first asked for.
const TStructure& StructureOf(TVariant AVariant, bool ASideB = false) {
    static std::array<TStructure, VariantCount + 1> structures;
    static std::array<std::once_flag, VariantCount + 1> made;
    const bool sideB = ASideB && AVariant == vaTruncatedPyramid_Rectangle;
    const std::size_t index = sideB ? std::size_t(VariantCount) : std::size_t(AVariant);
    std::call_once(made[index], [&] { structures[index] = MakeStructure(AVariant, sideB); });
    return structures[index];
}

// --- A solve ------------------------------------------------------------------------------

// What the request gives, read and checked.
struct TGiven {
    const TStructure* S = nullptr;
    std::array<Extended, MaxItems> Values;
    TMask Mask = 0;
    std::vector<int> Order; // the items in the order given
    int Count = 0;          // the number of edges; 0 while not given
    Extended Density = 0;   // 0 without one
    TPrecision Precision = 2;

    bool Has(int AItem) const { return AItem >= 0 && (Mask & Bit(AItem)); }
    std::string Id(int AItem) const { return S->Items[std::size_t(AItem)].Id; }
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

// The bound that the range of AItem's value, ARange, sets to ATarget, if it is outside.
std::optional<TSolveBound> BoundOf(const TGiven& G, int AItem, const SolverRoots::TRange& ARange,
                                   std::vector<std::string> AGiven) {
    const Extended target = G.Values[std::size_t(AItem)];
    // Where the values left the range of Extended somewhere, the range seen is no bound;
    // nor is one where they all came out zero.
    if (!ARange.Complete || (!G.S->Signed[std::size_t(AItem)] && !(ARange.High > 0)))
        return std::nullopt;
    // A range that only approaches zero or grows without end sets no bound but zero.
    const Extended scale = std::fabs(target);
    const auto limit = [&](Extended AValue) {
        return std::fabs(AValue) < scale * 1e-60L ? Extended(0) : AValue;
    };
    TSolveBound bound{G.Id(AItem), bkAtLeast, 0, std::move(AGiven)};
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
TAttempt FromOne(const TGiven& G, int AItem) {
    const TStructure& S = *G.S;
    TDims unit = {1, 1, 1, 1};
    Extended values[MaxItems];
    Evaluate(S, unit.data(), G.Count, G.Density, values);
    TDims dims = {};
    dims[0] =
        FromDegree(S.Degree[std::size_t(AItem)], G.Values[std::size_t(AItem)] / values[AItem]);
    return FromDimensions(dims);
}

// Two values of a solid that, at size 1, has the dimensions AShape(t): the shape
// ratio t from the one equation the two give, then the size from one of them.
TAttempt FromShape(const TGiven& G, int AFirst, int ASecond, const TInterval& AShapes,
                   const std::function<void(Extended, Extended, Extended*)>& AShape) {
    const TStructure& S = *G.S;
    const auto degree = [&](int AItem) { return S.Degree[std::size_t(AItem)]; };
    const auto given = [&](int AItem) { return G.Values[std::size_t(AItem)]; };
    const auto unitValues = [&](Extended t, Extended* AValues) {
        TDims dims = {};
        AShape(1, t, dims.data());
        Evaluate(S, dims.data(), G.Count, G.Density, AValues);
    };
    // A share fixes the shape alone; otherwise the size is taken from one value (not
    // one that may be negative) and the other, the later given, decides the shape.
    int sizing = AFirst, deciding = ASecond;
    if (degree(AFirst) == 0 || (degree(ASecond) != 0 && S.Signed[std::size_t(AFirst)]) ||
        (degree(ASecond) != 0 && !S.Signed[std::size_t(ASecond)] &&
         G.Position(AFirst) > G.Position(ASecond)))
        std::swap(sizing, deciding);
    if (degree(deciding) == 0 && degree(sizing) == 0)
        return {};
    const SolverRoots::TFunction value = [&](Extended t) {
        Extended values[MaxItems];
        unitValues(t, values);
        if (degree(deciding) == 0)
            return values[deciding];
        const Extended size = FromDegree(degree(sizing), given(sizing) / values[sizing]);
        return Scaled(degree(deciding), size, values[deciding]);
    };
    const SolverRoots::TRoots roots = SolverRoots::FindRoots(value, {AShapes}, given(deciding));
    TAttempt attempt;
    for (const SolverRoots::TRoot& root : roots.Roots) {
        Extended values[MaxItems];
        unitValues(root.Value, values);
        const Extended size = FromDegree(degree(sizing), given(sizing) / values[sizing]);
        if (!(size > 0 && std::isfinite(size)))
            continue;
        TCandidate candidate{{}, root.Double};
        AShape(size, root.Value, candidate.Dims.data());
        attempt.Candidates.push_back(candidate);
    }
    if (roots.Roots.empty()) {
        std::vector<std::string> others;
        if (degree(deciding) != 0)
            others.push_back(G.Id(sizing));
        attempt.Bound = BoundOf(G, deciding, roots.Range, others);
    }
    return attempt;
}

TAttempt FromPair(const TGiven& G, int AFirst, int ASecond) {
    const TModel& model = *G.S->Model;
    const TDims unit = {1, 1, 1, 1};
    return FromShape(G, AFirst, ASecond, model.Range(1, unit.data()),
                     [](Extended ASize, Extended t, Extended* ADims) {
                         ADims[0] = ASize;
                         ADims[1] = t * ASize;
                     });
}

TAttempt FromFilling(const TGiven& G, int AFirst, int ASecond) {
    const Extended filling = G.Values[std::size_t(G.S->FillingItem)];
    if (filling >= 100) {
        TAttempt attempt;
        attempt.Bound = TSolveBound{G.Id(G.S->FillingItem), bkLessThan, 100, {}};
        return attempt;
    }
    // The level per unit of radius at this filling.
    const Extended level = TankLevelForPercentage(1, filling);
    return FromShape(G, AFirst, ASecond, TInterval{},
                     [level](Extended ASize, Extended t, Extended* ADims) {
                         ADims[0] = ASize;
                         ADims[1] = level * ASize;
                         ADims[2] = t * ASize;
                     });
}

// The tank's level from its volume or filling, by the level solver of the tank.
std::optional<TAttempt> TankLevel(const TGiven& G, int ADim, int AItem, TDims ADims) {
    const TStructure& S = *G.S;
    if (S.Variant != vaCylindricalTank || ADim != 1 ||
        (AItem != S.VolumeItem && AItem != S.FillingItem))
        return std::nullopt;
    const Extended r = ADims[0], length = ADims[2], target = G.Values[std::size_t(AItem)];
    const Extended full = AItem == S.VolumeItem ? TankFullVolume(r, length) : 100;
    TAttempt attempt;
    if (!(target < full)) {
        std::vector<std::string> given = {G.Id(S.DimItem[0])};
        if (AItem == S.VolumeItem)
            given.push_back(G.Id(S.DimItem[2]));
        attempt.Bound = TSolveBound{G.Id(AItem), bkLessThan, full, given};
        return attempt;
    }
    try {
        ADims[1] = AItem == S.VolumeItem ? TankLevelForVolume(r, length, target)
                                         : TankLevelForPercentage(r, target);
    } catch (const EInvalidInput&) {
        // A tank whose full volume is beyond Extended.
        return attempt;
    }
    if (ADims[1] > 0)
        attempt.Candidates.push_back({ADims, false});
    return attempt;
}

// All dimensions but ADim given; the value of AItem decides it.
TAttempt FromAllButOne(const TGiven& G, int ADim, int AItem, TDims ADims) {
    const TStructure& S = *G.S;
    if (std::optional<TAttempt> level = TankLevel(G, ADim, AItem, ADims))
        return *level;
    Extended low = Infinity, high = 0;
    std::vector<std::string> others;
    for (int d = 0; d < S.Model->DimCount; ++d)
        if (d != ADim) {
            low = std::min(low, ADims[std::size_t(d)]);
            high = std::max(high, ADims[std::size_t(d)]);
            others.push_back(G.Id(S.DimItem[std::size_t(d)]));
        }
    const SolverRoots::TFunction value = [&](Extended u) {
        TDims dims = ADims;
        dims[std::size_t(ADim)] = u;
        Extended values[MaxItems];
        Evaluate(S, dims.data(), G.Count, G.Density, values);
        return values[AItem];
    };
    const SolverRoots::TSearch search{S.Model->Range(ADim, ADims.data()), low, high};
    const Extended target = G.Values[std::size_t(AItem)];
    const SolverRoots::TRoots roots = SolverRoots::FindRoots(value, search, target);
    TAttempt attempt;
    for (const SolverRoots::TRoot& root : roots.Roots) {
        TCandidate candidate{ADims, root.Double};
        candidate.Dims[std::size_t(ADim)] = root.Value;
        attempt.Candidates.push_back(candidate);
    }
    if (roots.Roots.empty())
        attempt.Bound = BoundOf(G, AItem, roots.Range, others);
    return attempt;
}

// --- Settling on the figure -------------------------------------------------------------

// The value of AItem for the figure of AValues (NaN where it has none).
Extended FigureValue(const TGiven& G, int AItem, const TSolidResult& AResult,
                     const TEntryValues& AValues) {
    const TSolveItem& item = G.S->Items[std::size_t(AItem)];
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
            return AResult.Figure->Mass(G.Density);
        } catch (const EInvalidInput&) {
            return NotGiven;
        }
    }
    return NotGiven;
}

// The entries' values of the figure with the model's dimensions ADims; the given
// entries keep their values exactly.
TEntryValues EntryValuesOf(const TGiven& G, const TDims& ADims) {
    const TStructure& S = *G.S;
    TEntryValues values;
    for (int d = 0; d < S.Model->DimCount; ++d)
        values.Set(S.Model->DimEntries[std::size_t(d)], ADims[std::size_t(d)]);
    if (S.CountEntry != enNone)
        values.Set(S.CountEntry, G.Count);
    if (S.Variant == vaTruncatedPyramid_Rectangle)
        values.Set(enTruncatedPyramid_Side, S.SideB ? 1 : 0);
    for (int item : G.Order)
        if (S.Dim[std::size_t(item)] >= 0)
            values.Set(S.Items[std::size_t(item)].Entry, G.Values[std::size_t(item)]);
    return values;
}

// The entries holding a dimension that no given value names, top to bottom.
std::vector<TEntry> FreeEntries(const TGiven& G) {
    const TStructure& S = *G.S;
    std::vector<TEntry> free;
    for (const TEntryPlace& place : VariantDesc(S.Variant).Entries) {
        bool dimension = false, given = false;
        for (int d = 0; d < S.Model->DimCount; ++d)
            dimension = dimension || S.Model->DimEntries[std::size_t(d)] == place.Entry;
        for (int item : G.Order)
            given = given || S.Items[std::size_t(item)].Entry == place.Entry;
        if (dimension && !given)
            free.push_back(place.Entry);
    }
    return free;
}

// How far the figure of AValues is from the given values of ABasis: the largest
// relative difference (a given zero against the figure's volume).
Extended Distance(const TGiven& G, TMask ABasis, const TEntryValues& AValues) {
    const TSolidResult result = CalculateSolid(G.S->Variant, AValues);
    if (!result.Figure)
        return Infinity;
    Extended distance = 0;
    for (int item : G.Order) {
        if (!(ABasis & Bit(item)))
            continue;
        const Extended target = G.Values[std::size_t(item)];
        const Extended scale = target != 0 ? std::fabs(target) : result.Figure->Volume();
        const Extended difference = std::fabs(FigureValue(G, item, result, AValues) - target);
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

// Walks from AValues through the neighbouring values of the free entries to the
// figure that comes closest to the given values, in steps that grow while they help.
Extended Settle(const TGiven& G, TMask ABasis, const std::vector<TEntry>& AFree,
                TEntryValues& AValues) {
    Extended best = Distance(G, ABasis, AValues);
    const int free = int(AFree.size());
    int combinations = 1;
    for (int k = 0; k < free; ++k)
        combinations *= 3;
    int steps = 1;
    for (int round = 0; round < 200 && best > 0; ++round) {
        TEntryValues closest = AValues;
        Extended closestDistance = best;
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
            const Extended distance = Distance(G, ABasis, candidate);
            if (distance < closestDistance) {
                closest = candidate;
                closestDistance = distance;
            }
        }
        if (closestDistance < best) {
            AValues = closest;
            best = closestDistance;
            steps *= 2;
        } else if (steps > 1) {
            steps = 1;
        } else {
            break;
        }
    }
    return best;
}

bool SameFigure(const TEntryValues& A, const TEntryValues& B, const std::vector<TEntry>& AFree) {
    for (TEntry entry : AFree)
        if (std::fabs(A[entry] - B[entry]) > 4 * LDBL_EPSILON * std::fabs(A[entry]))
            return false;
    return true;
}

std::vector<TSolution> Settled(const TGiven& G, TMask ABasis, const TAttempt& AAttempt) {
    const std::vector<TEntry> free = FreeEntries(G);
    std::vector<TSolution> solutions;
    for (const TCandidate& candidate : AAttempt.Candidates) {
        TSolution solution;
        solution.Values = EntryValuesOf(G, candidate.Dims);
        solution.Found = free;
        solution.Double = candidate.Double;
        if (!(Settle(G, ABasis, free, solution.Values) <= Accepted))
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
std::optional<TSolveBound> DimensionBound(const TGiven& G, const TDims& ADims) {
    const TStructure& S = *G.S;
    for (auto item = G.Order.rbegin(); item != G.Order.rend(); ++item) {
        const int d = S.Dim[std::size_t(*item)];
        if (d < 0)
            continue;
        const TInterval interval = S.Model->Range(d, ADims.data());
        std::vector<std::string> others;
        for (int other = 0; other < S.Model->DimCount; ++other)
            if (other != d)
                others.push_back(G.Id(S.DimItem[std::size_t(other)]));
        const Extended value = ADims[std::size_t(d)];
        if (value <= interval.Low)
            return TSolveBound{G.Id(*item), bkMoreThan, interval.Low, others};
        if (value >= interval.High)
            return TSolveBound{G.Id(*item), bkLessThan, interval.High, others};
        if (value == interval.Excluded)
            return TSolveBound{G.Id(*item), bkOtherThan, interval.Excluded, others};
    }
    return std::nullopt;
}

TAttempt Attempt(const TGiven& G, const TBasis& ABasis) {
    const TStructure& S = *G.S;
    TDims dims = {};
    for (int d = 0; d < S.Model->DimCount; ++d)
        if (G.Has(S.DimItem[std::size_t(d)]))
            dims[std::size_t(d)] = G.Values[std::size_t(S.DimItem[std::size_t(d)])];
    switch (ABasis.Kind) {
    case bsDimensions: {
        TAttempt attempt = FromDimensions(dims);
        if (!CalculateSolid(S.Variant, EntryValuesOf(G, dims)).Figure) {
            attempt.Candidates.clear();
            attempt.Bound = DimensionBound(G, dims);
        }
        return attempt;
    }
    case bsOne:
        return FromOne(G, ABasis.First);
    case bsPair:
        return FromPair(G, ABasis.First, ABasis.Second);
    case bsAllButOne:
        return FromAllButOne(G, ABasis.Dim, ABasis.First, dims);
    case bsFilling:
        return FromFilling(G, ABasis.First, ABasis.Second);
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
bool Follows(const TGiven& G, int AItem, const std::vector<int>& AKept) {
    const TStructure& S = *G.S;
    const int dimensions = S.Model->DimCount;
    if (dimensions == 1)
        return !AKept.empty();
    for (int kept : AKept) {
        if (dimensions == 2 && S.Dependent[std::size_t(AItem)][std::size_t(kept)])
            return true;
        if (S.FillingItem >= 0 && G.Has(S.FillingItem) && kept != S.FillingItem &&
            AItem != S.FillingItem && S.DependentAtFilling[std::size_t(AItem)][std::size_t(kept)] &&
            std::find(AKept.begin(), AKept.end(), S.FillingItem) != AKept.end())
            return true;
    }
    if (dimensions == 2)
        return false;
    TMask given = 0;
    for (int kept : AKept)
        if (S.Dim[std::size_t(kept)] >= 0)
            given |= Bit(S.Dim[std::size_t(kept)]);
    const int dim = S.Dim[std::size_t(AItem)];
    if (dim >= 0)
        return (given & Bit(dim)) != 0;
    return (S.Support[std::size_t(AItem)] & ~given) == 0;
}

void Insufficient(const TGiven& G, TMask AAvailable, bool ACountMissing, TSolveResult& AResult) {
    const TStructure& S = *G.S;
    std::vector<int> kept;
    for (int item : G.Order) {
        if (item == S.CountItem)
            continue;
        if (Follows(G, item, kept))
            AResult.Redundant.push_back(G.Id(item));
        else
            kept.push_back(item);
    }
    TMask keptMask = 0;
    for (int item : kept)
        keptMask |= Bit(item);
    int overlap = 0;
    for (const TBasis& basis : S.Bases)
        if (!(basis.Mask & ~AAvailable))
            overlap = std::max(overlap, Count(basis.Mask & keptMask));
    const int missingCount = ACountMissing ? 1 : 0;
    AResult.MoreNeeded = S.Model->DimCount - overlap + missingCount;
    if (ACountMissing)
        AResult.Candidates.push_back(G.Id(S.CountItem));
    TMask candidates = 0;
    for (const TBasis& basis : S.Bases) {
        if ((basis.Mask & ~AAvailable) || Count(basis.Mask & keptMask) != overlap)
            continue;
        if (overlap == Count(keptMask)) {
            candidates |= basis.Mask & ~keptMask;
        } else {
            std::vector<std::string> ids;
            for (std::size_t i = 0; i < S.Items.size(); ++i)
                if (basis.Mask & Bit(int(i)))
                    ids.push_back(S.Items[i].Id);
            AResult.Enough.push_back(ids);
        }
    }
    AResult.Outcome = overlap == Count(keptMask) ? soNotEnough : soNotCovered;
    for (std::size_t i = 0; i < S.Items.size(); ++i)
        if (candidates & Bit(int(i)))
            AResult.Candidates.push_back(S.Items[i].Id);
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
    const TStructure& S = StructureOf(ARequest.Variant, SideBGiven(ARequest));
    if (S.Items.empty())
        return Invalid(std::string(), irNoSolid);
    TGiven G;
    G.S = &S;
    G.Values.fill(NotGiven);
    G.Precision = ARequest.Precision;
    if (ARequest.Density && std::isfinite(*ARequest.Density) && *ARequest.Density > 0)
        G.Density = *ARequest.Density;
    for (const TKnownValue& known : ARequest.Known) {
        const int item = FindItem(S.Items, known.Id);
        if (item < 0)
            return Invalid(known.Id, irUnknownId);
        if (G.Has(item))
            return Invalid(known.Id, irRepeated);
        const Extended value = known.Value;
        if (!std::isfinite(value))
            return Invalid(known.Id, irNotFinite);
        if (item == S.CountItem) {
            if (!(value > 2 && value <= std::numeric_limits<std::int32_t>::max() &&
                  value == std::floor(value)))
                return Invalid(known.Id, irNotACount);
            G.Count = int(value);
        } else if (!S.Signed[std::size_t(item)] && !(value > 0)) {
            return Invalid(known.Id, irNotPositive);
        }
        if (item == S.MassItem && G.Density == 0)
            return Invalid(known.Id, irNoDensity);
        G.Values[std::size_t(item)] = value;
        G.Mask |= Bit(item);
        G.Order.push_back(item);
    }
    if (S.FixedCount > 0)
        G.Count = S.FixedCount;
    const bool countMissing = S.CountItem >= 0 && !G.Has(S.CountItem);

    TMask available = 0;
    for (std::size_t i = 0; i < S.Items.size(); ++i)
        if (int(i) != S.CountItem && (int(i) != S.MassItem || G.Density > 0))
            available |= Bit(int(i));
    // The basis: the set with the most entries, then the one given earliest.
    const TBasis* chosen = nullptr;
    int chosenEntries = -1, chosenPositions = 0;
    for (const TBasis& basis : S.Bases) {
        if ((basis.Mask & ~available) || (basis.Mask & ~G.Mask))
            continue;
        int entries = 0, positions = 0;
        for (int item : G.Order)
            if (basis.Mask & Bit(item)) {
                entries += S.Items[std::size_t(item)].Kind == ikEntry ? 1 : 0;
                positions += G.Position(item);
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
            result.Candidates.push_back(G.Id(S.CountItem));
            return result;
        }
        Insufficient(G, available, countMissing, result);
        return result;
    }

    result.Basis = G.Ids(chosen->Mask);
    const TAttempt attempt = Attempt(G, *chosen);
    std::vector<TSolution> solutions = Settled(G, chosen->Mask, attempt);
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
        const TSolidResult figure = CalculateSolid(S.Variant, solution.Values);
        bool agrees = true;
        for (int item : G.Order) {
            if ((chosen->Mask & Bit(item)) || item == S.CountItem)
                continue;
            extras |= Bit(item);
            if (!Agrees(G.Values[std::size_t(item)], FigureValue(G, item, figure, solution.Values),
                        G.Precision)) {
                agrees = false;
                disagreeing |= Bit(item);
            }
        }
        if (agrees)
            agreeing.push_back(solution);
    }
    if (agreeing.empty()) {
        result.Outcome = soConflict;
        result.Conflicting = G.Ids(chosen->Mask | disagreeing);
        return result;
    }
    result.Outcome = soSolved;
    result.Solutions = agreeing;
    result.Checked = G.Ids(extras);
    return result;
}

TCoverage Coverage(TVariant AVariant) {
    TCoverage coverage;
    const TStructure& S = StructureOf(AVariant);
    if (S.Items.empty())
        return coverage;
    coverage.Dimensions = S.Model->DimCount;
    coverage.Rule = coverage.Dimensions == 1   ? crAnyOne
                    : coverage.Dimensions == 2 ? crAnyTwo
                                               : crAllButOne;
    coverage.CountGiven = S.CountItem >= 0;
    coverage.FillingAndTwo = S.FillingItem >= 0;
    return coverage;
}

std::vector<std::vector<std::string>> SufficientSets(TVariant AVariant, bool ADensity) {
    std::vector<std::vector<std::string>> sets;
    const auto add = [&](const TStructure& S) {
        for (const TBasis& basis : S.Bases) {
            if (!ADensity && (basis.Mask & Bit(S.MassItem)))
                continue;
            std::vector<std::string> ids;
            for (std::size_t i = 0; i < S.Items.size(); ++i)
                if (basis.Mask & Bit(int(i)))
                    ids.push_back(S.Items[i].Id);
            if (std::find(sets.begin(), sets.end(), ids) == sets.end())
                sets.push_back(ids);
        }
    };
    const TStructure& S = StructureOf(AVariant);
    if (S.Items.empty())
        return sets;
    add(S);
    if (AVariant == vaTruncatedPyramid_Rectangle)
        add(StructureOf(AVariant, true));
    return sets;
}
