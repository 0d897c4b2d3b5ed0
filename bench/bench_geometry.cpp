// What one keystroke costs the geometry model: building the figure of the
// entries and turning its results into text. One benchmark per solid (and per
// base of the pyramid, prism and frustum), each walking its dimensions a
// little on every iteration so that no result can be cached.
#include "MathFunctions.h"
#include "SolidFigures.h"
#include "TankLevels.h"

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

void Block(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TBlock::Create(side, 3, 4));
        side += 0.001L;
    }
}
BENCHMARK(Block);

void Sphere(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TSphere::Create(radius));
        radius += 0.001L;
    }
}
BENCHMARK(Sphere);

void Cone(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TCone::Create(radius, 5));
        radius += 0.001L;
    }
}
BENCHMARK(Cone);

void Cylinder(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TCylinder::Create(radius, 5));
        radius += 0.001L;
    }
}
BENCHMARK(Cylinder);

void Tetrahedron(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPyramid_Tetrahedron::Create(side));
        side += 0.001L;
    }
}
BENCHMARK(Tetrahedron);

void RectangularPyramid(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPyramid_Rectangle::Create(side, 3, 5));
        side += 0.001L;
    }
}
BENCHMARK(RectangularPyramid);

void RegularPyramid(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPyramid_NAngle::Create(6, side, 5));
        side += 0.001L;
    }
}
BENCHMARK(RegularPyramid);

void TriangularPrism(benchmark::State& AState) {
    Extended side = 3;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPrism_Triangle::Create(side, 4, 5, 10));
        side += 0.0001L;
    }
}
BENCHMARK(TriangularPrism);

void RegularPrism(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPrism_NAngle::Create(6, side, 5));
        side += 0.001L;
    }
}
BENCHMARK(RegularPrism);

void RingPrism(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TPrism_CircularRing::Create(radius, 1, 5));
        radius += 0.001L;
    }
}
BENCHMARK(RingPrism);

void TruncatedCone(benchmark::State& AState) {
    Extended radius = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TTruncatedCone::Create(radius, 5, 3));
        radius += 0.0001L;
    }
}
BENCHMARK(TruncatedCone);

void RectangularFrustum(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TTruncatedPyramid_Rectangle::Create(side, 3, 4, 6, 5));
        side += 0.0001L;
    }
}
BENCHMARK(RectangularFrustum);

void RegularFrustum(benchmark::State& AState) {
    Extended side = 2;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TTruncatedPyramid_NAngle::Create(6, side, 5, 3));
        side += 0.0001L;
    }
}
BENCHMARK(RegularFrustum);

void CylindricalTank(benchmark::State& AState) {
    Extended level = 0.5L;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TCylindricalTank::Create(2, level, 5));
        // Stays below the full tank (level 4).
        level = level < 3.5L ? level + 0.0001L : 0.5L;
    }
}
BENCHMARK(CylindricalTank);

// The level table's inverse: the level that holds a volume, and a filling.
void LevelForVolume(benchmark::State& AState) {
    const Extended full = TankFullVolume(2, 5);
    Extended share = 0.01L;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TankLevelForVolume(2, 5, full * share));
        share = share < 0.99L ? share + 0.0001L : 0.01L;
    }
}
BENCHMARK(LevelForVolume);

void LevelForPercentage(benchmark::State& AState) {
    Extended percentage = 1;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TankLevelForPercentage(2, percentage));
        percentage = percentage < 99 ? percentage + 0.01L : 1;
    }
}
BENCHMARK(LevelForPercentage);

void SphericalSegment(benchmark::State& AState) {
    Extended height = 1;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TSphericalSegment::Create(3, height));
        height += 0.0001L;
    }
}
BENCHMARK(SphericalSegment);

void SphericalSector(benchmark::State& AState) {
    Extended height = 1;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TSphericalSector::Create(3, height));
        height += 0.0001L;
    }
}
BENCHMARK(SphericalSector);

void SphericalFrustum(benchmark::State& AState) {
    Extended height = 1;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(TSphericalFrustum::Create(3, 4, height));
        height += 0.0001L;
    }
}
BENCHMARK(SphericalFrustum);

} // namespace
