#include "SolverStructure.h"

#include <cmath>
#include <functional>
#include <mutex>

namespace SolverStructure {

using SolverModels::MaxDims;
using SolverModels::TDims;
using SolverModels::TInterval;
using SolverModels::TModel;

// --- Values from the model ------------------------------------------------------------

void Evaluate(const TStructure& AStructure, const Extended* ADims, int ACount, Extended ADensity,
              Extended* AValues) {
    Extended quantities[MaxItems];
    AStructure.Model->Quantities(ADims, ACount, quantities);
    for (std::size_t i = 0; i < AStructure.Items.size(); ++i) {
        const TSolveItem& item = AStructure.Items[i];
        switch (item.Kind) {
        case ikEntry:
            AValues[i] =
                AStructure.Dim[i] >= 0
                    ? ADims[AStructure.Dim[i]]
                    : SolverModels::OtherLowerSide(ADims[0], ADims[1], ADims[2], AStructure.SideB);
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

namespace {

bool Inside(const TInterval& AInterval, Extended AValue) {
    return AValue > AInterval.Low && AValue < AInterval.High && AValue != AInterval.Excluded;
}

// --- What depends on what ---------------------------------------------------------------

// How the logarithm of each value changes with the logarithm of each dimension at
// ADims, by central differences; AMove moves dimension j of ADims by the factor.
using TMove = std::function<void(int j, Extended AFactor, Extended* ADims)>;
std::vector<std::array<Extended, MaxDims>> LogSlopes(const TStructure& AStructure,
                                                     const TDims& ADims, int ADimCount, int ACount,
                                                     const TMove& AMove) {
    constexpr Extended Step = 1e-6L;
    std::vector<std::array<Extended, MaxDims>> slopes(AStructure.Items.size());
    Extended at[MaxItems], up[MaxItems], down[MaxItems];
    Evaluate(AStructure, ADims.data(), ACount, 1, at);
    for (int j = 0; j < ADimCount; ++j) {
        TDims higher = ADims, lower = ADims;
        AMove(j, 1 + Step, higher.data());
        AMove(j, 1 - Step, lower.data());
        Evaluate(AStructure, higher.data(), ACount, 1, up);
        Evaluate(AStructure, lower.data(), ACount, 1, down);
        for (std::size_t i = 0; i < AStructure.Items.size(); ++i)
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
std::vector<std::vector<bool>> DependentPairs(const TStructure& AStructure, int ACount,
                                              const std::vector<TDims>& ASamples,
                                              const TMove& AMove) {
    const std::size_t n = AStructure.Items.size();
    std::vector<std::vector<bool>> dependent(n, std::vector<bool>(n, true));
    for (const TDims& sample : ASamples) {
        const auto slopes = LogSlopes(AStructure, sample, 2, ACount, AMove);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                if (Independent(slopes[i], slopes[j]))
                    dependent[i][j] = false;
    }
    return dependent;
}

void AddBasis(TStructure& AStructure, TBasis ABasis) {
    for (const TBasis& basis : AStructure.Bases)
        if (basis.Mask == ABasis.Mask)
            return;
    AStructure.Bases.push_back(ABasis);
}

void MakeBases(TStructure& AStructure) {
    const TModel& model = *AStructure.Model;
    const int n = int(AStructure.Items.size());
    const auto usable = [&](int i) { return i != AStructure.CountItem; };
    if (model.DimCount == 1) {
        for (int i = 0; i < n; ++i)
            if (usable(i))
                AddBasis(AStructure,
                         {AStructure.Dim[i] == 0 ? bsDimensions : bsOne, Bit(i), -1, i});
        return;
    }
    if (model.DimCount == 2) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                if (!usable(i) || !usable(j))
                    continue;
                if (AStructure.Dim[i] >= 0 && AStructure.Dim[j] >= 0)
                    AddBasis(AStructure, {bsDimensions, Bit(i) | Bit(j)});
                else if (!AStructure.Dependent[i][j])
                    AddBasis(AStructure, {bsPair, Bit(i) | Bit(j), -1, i, j});
            }
        return;
    }
    TMask dimensions = 0;
    for (int d = 0; d < model.DimCount; ++d)
        dimensions |= Bit(AStructure.DimItem[d]);
    AddBasis(AStructure, {bsDimensions, dimensions});
    for (int d = 0; d < model.DimCount; ++d)
        for (int i = 0; i < n; ++i)
            if (usable(i) && AStructure.Dim[i] < 0 && (AStructure.Support[i] & Bit(d)))
                AddBasis(AStructure,
                         {bsAllButOne, (dimensions & ~Bit(AStructure.DimItem[d])) | Bit(i), d, i});
    if (AStructure.FillingItem < 0)
        return;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (usable(i) && usable(j) && i != AStructure.FillingItem &&
                j != AStructure.FillingItem && !AStructure.DependentAtFilling[i][j])
                AddBasis(AStructure,
                         {bsFilling, Bit(AStructure.FillingItem) | Bit(i) | Bit(j), -1, i, j});
}

TStructure MakeStructure(TVariant AVariant, bool ASideB) {
    TStructure structure;
    structure.Variant = AVariant;
    structure.SideB = ASideB;
    structure.Items = SolveItems(AVariant);
    if (structure.Items.empty())
        return structure;
    structure.Model = &SolverModels::Model(AVariant, ASideB);
    const TModel& model = *structure.Model;
    const int n = int(structure.Items.size());
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries)
        if (EntryDesc(place.Entry).Kind == ekCount) {
            structure.CountEntry = place.Entry;
            structure.FixedCount = place.FixedCount;
        }
    structure.Dim.assign(std::size_t(n), -1);
    for (int i = 0; i < n; ++i) {
        const TSolveItem& item = structure.Items[std::size_t(i)];
        if (item.Kind == ikCount)
            structure.CountItem = i;
        else if (item.Kind == ikVolume)
            structure.VolumeItem = i;
        else if (item.Kind == ikMass)
            structure.MassItem = i;
        else if (item.Id == "percentage-filling-of-tank")
            structure.FillingItem = i;
        // The lower side that the choice does not name follows from the other sides.
        if (item.Kind != ikEntry || (item.Choice != enNone && item.ChoiceItem != int(ASideB)))
            continue;
        for (int d = 0; d < model.DimCount; ++d)
            if (model.DimEntries[std::size_t(d)] == item.Entry) {
                structure.Dim[std::size_t(i)] = d;
                structure.DimItem[std::size_t(d)] = i;
            }
    }
    const int count = structure.FixedCount > 0 ? structure.FixedCount : 5;

    // Degrees from doubling every dimension; supports from moving one at a time.
    structure.Degree.assign(std::size_t(n), 0);
    structure.Signed.assign(std::size_t(n), false);
    structure.Support.assign(std::size_t(n), 0);
    for (const TDims& sample : model.Samples) {
        Extended at[MaxItems], doubled[MaxItems], moved[MaxItems];
        TDims twice = sample;
        for (Extended& value : twice)
            value *= 2;
        Evaluate(structure, sample.data(), count, 1, at);
        Evaluate(structure, twice.data(), count, 1, doubled);
        for (int i = 0; i < n; ++i) {
            structure.Degree[std::size_t(i)] = int(std::lround(std::log2(doubled[i] / at[i])));
            if (at[i] <= 0)
                structure.Signed[std::size_t(i)] = true;
        }
        for (int d = 0; d < model.DimCount; ++d) {
            TDims other = sample;
            other[std::size_t(d)] *= 1.1L;
            if (!Inside(model.Range(d, sample.data()), other[std::size_t(d)]))
                other[std::size_t(d)] = sample[std::size_t(d)] * 0.9L;
            Evaluate(structure, other.data(), count, 1, moved);
            for (int i = 0; i < n; ++i)
                if (std::fabs(moved[i] - at[i]) > 1e-12L * std::fabs(at[i]))
                    structure.Support[std::size_t(i)] |= Bit(d);
        }
    }
    const std::vector<TDims> samples(model.Samples.begin(), model.Samples.end());
    if (model.DimCount == 2)
        structure.Dependent =
            DependentPairs(structure, count, samples,
                           [](int j, Extended AFactor, Extended* ADims) { ADims[j] *= AFactor; });
    if (structure.FillingItem >= 0) {
        // At a given filling the level moves with the radius: dimensions r and d.
        structure.DependentAtFilling =
            DependentPairs(structure, count, samples, [](int j, Extended AFactor, Extended* ADims) {
                if (j == 0) {
                    ADims[0] *= AFactor;
                    ADims[1] *= AFactor;
                } else {
                    ADims[2] *= AFactor;
                }
            });
    }
    MakeBases(structure);
    return structure;
}

} // namespace

// One structure per variant, and the rectangular frustum by side b last, each made
// when it is first asked for.
const TStructure& StructureOf(TVariant AVariant, bool ASideB) {
    static std::array<TStructure, VariantCount + 1> structures;
    static std::array<std::once_flag, VariantCount + 1> made;
    const bool sideB = ASideB && AVariant == vaTruncatedPyramid_Rectangle;
    const std::size_t index = sideB ? std::size_t(VariantCount) : std::size_t(AVariant);
    std::call_once(made[index], [&] { structures[index] = MakeStructure(AVariant, sideB); });
    return structures[index];
}

} // namespace SolverStructure
