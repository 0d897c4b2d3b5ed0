// What deciding the shown digits for the figure as typed costs, without a window:
//
//   Calculate/<figure>/80-bit     CalculateSolid from the entries' 80-bit values, as
//                                 the program computed before the digits were certified;
//   Calculate/<figure>/certified  the same with the typed decimals, and the texts of the
//                                 volume, the area and every supplementary row decided at
//                                 precision 14, as a window at that precision shows them.
//
// The ordinary figures take the fast path (one more build in TBounded); the
// ill-conditioned ones the slow path (MPFI from 128 bits up).
//
//     ./bench_calculation --benchmark_repetitions=5
#include "CertifiedResults.h"
#include "SolidHandlers.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct TFigureCase {
    const char* Name;
    TVariant Variant;
    std::vector<std::pair<TEntry, const char*>> Entries;
};

const TFigureCase Cases[] = {
    {"cube", vaCube, {{enCube_A, "2.5"}}},
    {"cone", vaCone, {{enCone_R, "3"}, {enCone_V, "4.25"}}},
    {"triangular prism",
     vaPrism_Triangle,
     {{enPrism_E1, "3"}, {enPrism_E2, "4"}, {enPrism_E3, "5.5"}, {enPrism_V, "2"}}},
    {"tank", vaCylindricalTank,
     {{enCylindricalTank_R, "1.2"}, {enCylindricalTank_H, "0.7"}, {enCylindricalTank_D, "4"}}},
    {"spherical sector", vaSphericalSector, {{enSphericalSector_Ro, "3"}, {enSphericalSector_V, "1.5"}}},
    {"thin ring (slow)",
     vaPrism_CircularRing,
     {{enPrism_E2, "1.0000000000000001"}, {enPrism_E3, "1"}, {enPrism_V, "1"}}},
    {"needle triangle (slow)",
     vaPrism_Triangle,
     {{enPrism_E1, "0.000000921637183"},
      {enPrism_E2, "64000000"},
      {enPrism_E3, "63999999.999999344"},
      {enPrism_V, "5201862.46"}}},
    {"triangle flatter than 80 bits (slow)",
     vaPrism_Triangle,
     {{enPrism_E1, "7.85e4"},
      {enPrism_E2, "2.257193425e-4"},
      {enPrism_E3, "7.8500000225719342499999995e4"},
      {enPrism_V, "60"}}},
    {"tank nearly full (slow)",
     vaCylindricalTank,
     {{enCylindricalTank_R, "1"}, {enCylindricalTank_H, "1.9999999999999999"}, {enCylindricalTank_D, "1"}}},
};

void Calculate(benchmark::State& AState, const TFigureCase& ACase, bool ACertified) {
    TEntryValues values;
    TTypedNumbers typed;
    for (const auto& [entry, text] : ACase.Entries) {
        const auto number = TDecimalNumber::Parse(text);
        values.Set(entry, number->Rounded());
        typed.Set(entry, *number);
    }
    const TNumberForm form{14, false};
    for (auto _ : AState) {
        const TSolidResult result =
            ACertified ? CalculateSolid(ACase.Variant, values, TPresetDensity(), &typed)
                       : CalculateSolid(ACase.Variant, values);
        if (ACertified && result.Certified)
            benchmark::DoNotOptimize(result.Certified->At(form).Values.size());
        benchmark::DoNotOptimize(result.Volume);
    }
}

} // namespace

int main(int argc, char** argv) {
    for (const TFigureCase& figure : Cases)
        for (const bool certified : {false, true})
            benchmark::RegisterBenchmark(
                (std::string("Calculate/") + figure.Name + (certified ? "/certified" : "/80-bit"))
                    .c_str(),
                [&figure, certified](benchmark::State& AState) {
                    Calculate(AState, figure, certified);
                })
                ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
