// What one keystroke costs the geometry model: building the figure of the
// entries and turning its results into text. One benchmark per solid (and per
// base of the pyramid, prism and frustum), each walking its dimensions a
// little on every iteration so that no result can be cached.
//
// Then the certainty of the shown digits (geometry/exact/Certify.h): the same
// solids certified from typed decimals, which ordinary figures settle on the
// fast path, and ill-conditioned figures that take the slow path.
#include "CertifyTank.h"
#include "MathFunctions.h"
#include "SolidFigures.h"
#include "TankLevels.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

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
        // Stays a triangle with the sides 4 and 5.
        side = side < 8.5L ? side + 0.0001L : 3;
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

// ---- Certified from typed decimals ----------------------------------------------------

// 256 typed decimals of ten digits, from ABase upwards by a little more than
// a millionth each, so that no iteration meets the figure of the one before.
std::vector<TDecimalNumber> Around(double ABase) {
    std::vector<TDecimalNumber> Result;
    for (int I = 0; I < 256; ++I) {
        char Text[32];
        std::snprintf(Text, sizeof Text, "%.10g", ABase * (1 + I * 1.37e-6));
        Result.push_back(*TDecimalNumber::Parse(Text));
    }
    return Result;
}

// Volume, surface and the supplementary values the page shows, certified at
// precision 14 from the typed AInputs; input AWalking walks.
template <class TQuantities>
void Certified(benchmark::State& AState, const std::vector<std::string>& AInputs,
               TQuantities AQuantities, std::size_t AWalking = 0) {
    std::vector<TDecimalNumber> Inputs;
    for (const std::string& Input : AInputs) {
        Inputs.push_back(*TDecimalNumber::Parse(Input));
    }
    const std::vector<TDecimalNumber> Walk = Around(double(Inputs[AWalking].Rounded()));
    std::size_t Slow = 0;
    std::size_t Index = 0;
    for (auto _ : AState) {
        Inputs[AWalking] = Walk[Index++ % Walk.size()];
        const TCertifiedFigure Figure = CertifyFigure(Inputs, AQuantities, TShownForm{14, false});
        Slow += Figure.Bits > 0 ? 1 : 0;
        benchmark::DoNotOptimize(Figure);
    }
    AState.counters["SlowShare"] =
        benchmark::Counter(double(Slow), benchmark::Counter::kAvgIterations);
}

#define QUANTITIES(BUILD, ...)                                                                     \
    [](const auto& In) {                                                                           \
        using T = std::decay_t<decltype(In[0])>;                                                   \
        const auto F = BUILD;                                                                      \
        return std::vector<T>{F.Volume(), F.Area(), __VA_ARGS__};                                  \
    }

#define VOLUME_AND_AREA(BUILD)                                                                     \
    [](const auto& In) {                                                                           \
        using T = std::decay_t<decltype(In[0])>;                                                   \
        const auto F = BUILD;                                                                      \
        return std::vector<T>{F.Volume(), F.Area()};                                               \
    }

void CertifiedCube(benchmark::State& AState) {
    Certified(AState, {"2"},
              QUANTITIES(Figures::TCube<T>::Create(In[0]), F.DiagonalOfSolid(), F.Face().Diagonal(),
                         F.Face().Area()));
}
BENCHMARK(CertifiedCube);

void CertifiedBlock(benchmark::State& AState) {
    Certified(AState, {"2", "3", "4"},
              QUANTITIES(Figures::TBlock<T>::Create(In[0], In[1], In[2]), F.DiagonalOfSolid(),
                         F.FaceAB().Diagonal(), F.FaceBC().Diagonal(), F.FaceCA().Diagonal(),
                         F.FaceAB().Area(), F.FaceBC().Area(), F.FaceCA().Area()));
}
BENCHMARK(CertifiedBlock);

void CertifiedSphere(benchmark::State& AState) {
    Certified(AState, {"2"}, QUANTITIES(Figures::TSphere<T>::Create(In[0]), F.Radius()));
}
BENCHMARK(CertifiedSphere);

void CertifiedCone(benchmark::State& AState) {
    Certified(AState, {"2", "5"},
              QUANTITIES(Figures::TCone<T>::Create(In[0], In[1]), F.SlantHeight(), F.Base().Area(),
                         F.LateralSurface().Area()));
}
BENCHMARK(CertifiedCone);

void CertifiedCylinder(benchmark::State& AState) {
    Certified(AState, {"2", "5"},
              QUANTITIES(Figures::TCylinder<T>::Create(In[0], In[1]), F.Base().Area(),
                         F.LateralSurface().Area()));
}
BENCHMARK(CertifiedCylinder);

void CertifiedTetrahedron(benchmark::State& AState) {
    Certified(AState, {"2"},
              QUANTITIES(Figures::TPyramid_Tetrahedron<T>::Create(In[0]), F.Height(),
                         F.Face().HeightOrMedian(), F.Face().Area()));
}
BENCHMARK(CertifiedTetrahedron);

void CertifiedRectangularPyramid(benchmark::State& AState) {
    Certified(AState, {"2", "3", "5"},
              QUANTITIES(Figures::TPyramid_Rectangle<T>::Create(In[0], In[1], In[2]),
                         F.LateralSurface().FaceA.HeightOrMedianOnBase(),
                         F.LateralSurface().FaceB.HeightOrMedianOnBase(), F.Base().Area(),
                         F.LateralSurface().FaceA.Area(), F.LateralSurface().FaceB.Area(),
                         F.LateralSurface().Area));
}
BENCHMARK(CertifiedRectangularPyramid);

void CertifiedRegularPyramid(benchmark::State& AState) {
    Certified(AState, {"2", "5"},
              QUANTITIES(Figures::TPyramid_NAngle<T>::Create(6, In[0], In[1]),
                         F.LateralSurface().Face.HeightOrMedianOnBase(), F.Base().Area(),
                         F.LateralSurface().Face.Area(), F.LateralSurface().Area));
}
BENCHMARK(CertifiedRegularPyramid);

void CertifiedTriangularPrism(benchmark::State& AState) {
    Certified(AState, {"3", "4", "5", "10"},
              QUANTITIES(Figures::TPrism_Triangle<T>::Create(In[0], In[1], In[2], In[3]),
                         F.Base().Area(), F.LateralSurface().FaceA.Area(),
                         F.LateralSurface().FaceB.Area(), F.LateralSurface().FaceC.Area(),
                         F.LateralSurface().Area));
}
BENCHMARK(CertifiedTriangularPrism);

void CertifiedRegularPrism(benchmark::State& AState) {
    Certified(AState, {"2", "5"},
              QUANTITIES(Figures::TPrism_NAngle<T>::Create(6, In[0], In[1]), F.Base().Area(),
                         F.LateralSurface().Face.Area(), F.LateralSurface().Area));
}
BENCHMARK(CertifiedRegularPrism);

void CertifiedRingPrism(benchmark::State& AState) {
    Certified(AState, {"2", "1", "5"},
              QUANTITIES(Figures::TPrism_CircularRing<T>::Create(In[0], In[1], In[2]),
                         F.Base().Area(), F.LateralSurface().OuterFace.Area(),
                         F.LateralSurface().InnerFace.Area()));
}
BENCHMARK(CertifiedRingPrism);

void CertifiedTruncatedCone(benchmark::State& AState) {
    Certified(AState, {"2", "5", "3"},
              QUANTITIES(Figures::TTruncatedCone<T>::Create(In[0], In[1], In[2]), F.SlantHeight(),
                         F.Base1().Area(), F.Base2().Area(), F.LateralSurface().Area()));
}
BENCHMARK(CertifiedTruncatedCone);

void CertifiedRectangularFrustum(benchmark::State& AState) {
    Certified(AState, {"2", "3", "4", "5"},
              QUANTITIES(Figures::TTruncatedPyramid_Rectangle<T>::Create(
                             In[0], In[1], In[2], In[2] / In[0] * In[1], In[3]),
                         F.LateralSurface().FaceA.Height(), F.LateralSurface().FaceB.Height(),
                         F.Base1().Area(), F.Base2().Area(), F.LateralSurface().FaceA.Area(),
                         F.LateralSurface().FaceB.Area(), F.LateralSurface().Area));
}
BENCHMARK(CertifiedRectangularFrustum);

void CertifiedRegularFrustum(benchmark::State& AState) {
    Certified(AState, {"2", "5", "3"},
              QUANTITIES(Figures::TTruncatedPyramid_NAngle<T>::Create(6, In[0], In[1], In[2]),
                         F.LateralSurface().Face.Height(), F.Base1().Area(), F.Base2().Area(),
                         F.LateralSurface().Face.Area(), F.LateralSurface().Area));
}
BENCHMARK(CertifiedRegularFrustum);

void CertifiedCylindricalTank(benchmark::State& AState) {
    Certified(AState, {"2", "1.5", "5"},
              QUANTITIES(Figures::TCylindricalTank<T>::Create(In[0], In[1], In[2]),
                         F.SideFace().Chord(), F.SideFace().Area(),
                         F.LateralSurface().SurfaceAtLevel.Area(), F.LateralSurface().Sleeve.Area(),
                         F.PercentageFilling()));
}
BENCHMARK(CertifiedCylindricalTank);

void CertifiedSphericalSegment(benchmark::State& AState) {
    Certified(AState, {"3", "1"},
              QUANTITIES(Figures::TSphericalSegment<T>::Create(In[0], In[1]),
                         F.ParentSphere().Radius(), F.AreaOfSphericalCap(),
                         F.IntersectingSurface().Area(), F.PercentageFilling()));
}
BENCHMARK(CertifiedSphericalSegment);

void CertifiedSphericalSector(benchmark::State& AState) {
    Certified(AState, {"3", "1"},
              QUANTITIES(Figures::TSphericalSector<T>::Create(In[0], In[1]),
                         F.ParentSphere().Radius(), F.SphericalSegment().AreaOfSphericalCap(),
                         F.SphericalSegment().Volume(), F.PercentageFilling()));
}
BENCHMARK(CertifiedSphericalSector);

void CertifiedSphericalFrustum(benchmark::State& AState) {
    Certified(AState, {"3", "4", "1"},
              QUANTITIES(Figures::TSphericalFrustum<T>::Create(In[0], In[1], In[2]),
                         F.ParentSphere().Radius(), F.Base1().Area(), F.Base2().Area(),
                         F.AreaOfSphericalZone(), F.PercentageFilling()));
}
BENCHMARK(CertifiedSphericalFrustum);

// ---- The slow path: figures whose 80-bit bound cannot decide the digits ----------------

void SlowThinRing(benchmark::State& AState) {
    Certified(AState, {"1.0000000000000001", "1", "1"},
              VOLUME_AND_AREA(Figures::TPrism_CircularRing<T>::Create(In[0], In[1], In[2])), 2);
}
BENCHMARK(SlowThinRing);

void SlowNeedleTriangle(benchmark::State& AState) {
    Certified(AState, {"63999999.999999344", "0.000000921637183", "64000000", "5201862.46"},
              QUANTITIES(Figures::TPrism_Triangle<T>::Create(In[0], In[1], In[2], In[3]),
                         F.Base().Area()),
              3);
}
BENCHMARK(SlowNeedleTriangle);

void SlowTankNearlyFull(benchmark::State& AState) {
    Certified(AState, {"1", "1.99999999999999999999", "1"},
              QUANTITIES(Figures::TCylindricalTank<T>::Create(In[0], In[1], In[2]),
                         F.PercentageFilling()),
              2);
}
BENCHMARK(SlowTankNearlyFull);

void SlowTruncatedConeNearlyEqualRadii(benchmark::State& AState) {
    Certified(AState, {"2.0000000000000000003", "2", "0.00000001"},
              QUANTITIES(Figures::TTruncatedCone<T>::Create(In[0], In[1], In[2]), F.SlantHeight()),
              2);
}
BENCHMARK(SlowTruncatedConeNearlyEqualRadii);

// A value exactly on a rounding boundary, 0.15^3 = 0.003375 at five decimals:
// its exact rational value decides it at the first precision of the slow path.
void SlowExactTie(benchmark::State& AState) {
    const std::vector<TDecimalNumber> Side = {*TDecimalNumber::Parse("0.15")};
    const auto Cube = VOLUME_AND_AREA(Figures::TCube<T>::Create(In[0]));
    for (auto _ : AState) {
        benchmark::DoNotOptimize(CertifyFigure(Side, Cube, TShownForm{5, false}));
    }
}
BENCHMARK(SlowExactTie);

// A value on a boundary that only intervals see (the square of a square root of
// 0.125): every precision up to the last, then a tie.
void SlowTieAtTheLastPrecision(benchmark::State& AState) {
    const std::vector<TDecimalNumber> Value = {*TDecimalNumber::Parse("0.125")};
    const auto Square = [](const auto& AIn) {
        using Figures::Sqrt;
        using T = std::decay_t<decltype(AIn[0])>;
        return std::vector<T>{Sqrt(AIn[0]) * Sqrt(AIn[0])};
    };
    for (auto _ : AState) {
        benchmark::DoNotOptimize(CertifyFigure(Value, Square, TShownForm{2, false}));
    }
}
BENCHMARK(SlowTieAtTheLastPrecision);

// The level for a filling: an ordinary one settled on the fast path, and one a
// hair below full, whose level the slow path takes.
void LevelForFilling(benchmark::State& AState, double ABase, double AStep) {
    std::vector<TDecimalNumber> Fillings;
    for (int I = 0; I < 256; ++I) {
        char Text[32];
        std::snprintf(Text, sizeof Text, "%.17g", ABase + I * AStep);
        Fillings.push_back(*TDecimalNumber::Parse(Text));
    }
    const TDecimalNumber Radius = *TDecimalNumber::Parse("1.3");
    std::size_t Index = 0;
    for (auto _ : AState) {
        benchmark::DoNotOptimize(CertifyTankLevelForPercentage(
            Radius, Fillings[Index++ % Fillings.size()], TShownForm{14, false}));
    }
}

void LevelForAFilling(benchmark::State& AState) {
    LevelForFilling(AState, 37.5, 0.0137);
}
BENCHMARK(LevelForAFilling);

void LevelForANearlyFullTank(benchmark::State& AState) {
    LevelForFilling(AState, 100 - 1e-11, -1e-13);
}
BENCHMARK(LevelForANearlyFullTank);

} // namespace
