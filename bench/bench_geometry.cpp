// What one keystroke costs the geometry model: building the figure of the
// entries and turning its results into text.
#include "MathFunctions.h"
#include "SolidFigures.h"

#include <benchmark/benchmark.h>

namespace {

void RoundToStrOfAResult(benchmark::State& AState) {
    Extended value = 1234.5678901234L;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(RoundToStr(2, true, value));
        value += 0.001L;
    }
}
BENCHMARK(RoundToStrOfAResult);

void CubeFromItsEdge(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TCube::Create(side));
        side += 0.001L;
    }
}
BENCHMARK(CubeFromItsEdge);

void RegularPyramid(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPyramid_NAngle::Create(6, side, 5));
        side += 0.001L;
    }
}
BENCHMARK(RegularPyramid);

void TruncatedCone(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TTruncatedCone::Create(radius, 5, 3));
        radius += 0.0001L;
    }
}
BENCHMARK(TruncatedCone);

void SphericalSector(benchmark::State& AState) {
    Extended height = 1;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TSphericalSector::Create(3, height));
        height += 0.0001L;
    }
}
BENCHMARK(SphericalSector);

} // namespace
