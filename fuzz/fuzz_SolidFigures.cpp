// Every solid by every named constructor that the computation window calls, from
// any 80-bit patterns. A construction either gives a figure whose every quantity
// that the user sees (volume, surface, the supplementary values, the mass) is
// finite and positive and can be written by RoundToStr, or raises one of the
// model's named errors with its documented message. Any other exception, and any
// other quantity, is a finding.
//
// Input: the constructor, the precision of the display, a count of sides, then
// for each dimension a kind byte: any 10-byte pattern, or a value made from the
// previous one (a few units in the last place away, or a small ratio of it),
// which brings the constructors' boundaries (v = 2r, r1 = r2) within reach.
#include "FuzzSupport.h"
#include "MathFunctions.h"
#include "PlaneFigures.h"
#include "SolidFigures.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using TQuantities = std::vector<Extended>;

const char* const Prefixes[] = {
    "Invalid input in MathFunctions unit: \r\n\r\n",
    "Invalid input in PlaneFigures unit: \r\n\r\n",
    "Invalid input in SolidFigures unit: \r\n\r\n",
};

void CheckError(const EInvalidInput& AError, const std::string& ACall) {
    bool Known = false;
    for (const char* Prefix : Prefixes)
        Known = Known || std::string(AError.what()) == Prefix + AError.Operation();
    FUZZ_CHECK(Known && !AError.Operation().empty(),
               "malformed error \"" + std::string(AError.what()) + "\" of " + ACall);
}

// The density of the mass calculation.
Extended GDensity = 1;

// What the window shows of each solid: volume and surface, then the values of
// the supplementary data window in its order, and the mass when the density
// gives one (a density that is not positive, or a mass too large, is refused).
TQuantities Shown(const TSolidFigure& AFigure, TQuantities AMore) {
    AMore.insert(AMore.begin(), {AFigure.Volume(), AFigure.Area()});
    try {
        AMore.push_back(AFigure.Mass(GDensity));
    } catch (const EInvalidInputSolidFigures& Error) {
        CheckError(Error, "TSolidFigure.Mass(" + Fuzz::Image(GDensity) + ")");
        FUZZ_CHECK(Error.Operation() == "TSolidFigure.Mass", Error.Operation());
    }
    return AMore;
}

struct TConstructor {
    const char* Name; // the operation its errors name
    std::function<TQuantities(std::int32_t N, const Extended* V)> Build;
};

const TConstructor Constructors[] = {
    {"TCube.Create",
     [](std::int32_t, const Extended* V) {
         const TCube F = TCube::Create(V[0]);
         return Shown(F, {F.DiagonalOfSolid(), F.Face().Diagonal(), F.Face().Area()});
     }},
    {"TBlock.Create",
     [](std::int32_t, const Extended* V) {
         const TBlock F = TBlock::Create(V[0], V[1], V[2]);
         return Shown(F, {F.DiagonalOfSolid(), F.FaceAB().Diagonal(), F.FaceBC().Diagonal(),
                          F.FaceCA().Diagonal(), F.FaceAB().Area(), F.FaceBC().Area(),
                          F.FaceCA().Area()});
     }},
    {"TSphere.Create",
     [](std::int32_t, const Extended* V) {
         const TSphere F = TSphere::Create(V[0]);
         return Shown(F, {F.Radius(), F.Diameter()});
     }},
    {"TCone.Create",
     [](std::int32_t, const Extended* V) {
         const TCone F = TCone::Create(V[0], V[1]);
         return Shown(F, {F.SlantHeight(), F.Base().Area(), F.LateralSurface().Area()});
     }},
    {"TCylinder.Create",
     [](std::int32_t, const Extended* V) {
         const TCylinder F = TCylinder::Create(V[0], V[1]);
         return Shown(F, {F.Base().Area(), F.LateralSurface().Area()});
     }},
    {"TPyramid_Tetrahedron.Create",
     [](std::int32_t, const Extended* V) {
         const TPyramid_Tetrahedron F = TPyramid_Tetrahedron::Create(V[0]);
         return Shown(F, {F.Height(), F.Face().HeightOrMedian(), F.Face().Area()});
     }},
    {"TPyramid_Rectangle.Create",
     [](std::int32_t, const Extended* V) {
         const TPyramid_Rectangle F = TPyramid_Rectangle::Create(V[0], V[1], V[2]);
         const auto& L = F.LateralSurface();
         return Shown(F, {L.FaceA.HeightOrMedianOnBase(), L.FaceB.HeightOrMedianOnBase(),
                          F.Base().Area(), L.FaceA.Area(), L.FaceB.Area(), L.Area});
     }},
    {"TPyramid_NAngle.Create",
     [](std::int32_t N, const Extended* V) {
         const TPyramid_NAngle F = TPyramid_NAngle::Create(N, V[0], V[1]);
         const auto& L = F.LateralSurface();
         return Shown(F, {L.Face.HeightOrMedianOnBase(), F.Base().Area(), L.Face.Area(), L.Area});
     }},
    {"TPrism_Triangle.Create",
     [](std::int32_t, const Extended* V) {
         const TPrism_Triangle F = TPrism_Triangle::Create(V[0], V[1], V[2], V[3]);
         const auto& L = F.LateralSurface();
         return Shown(F, {F.Base().Area(), L.FaceA.Area(), L.FaceB.Area(), L.FaceC.Area(), L.Area});
     }},
    {"TPrism_NAngle.Create",
     [](std::int32_t N, const Extended* V) {
         const TPrism_NAngle F = TPrism_NAngle::Create(N, V[0], V[1]);
         return Shown(F,
                      {F.Base().Area(), F.LateralSurface().Face.Area(), F.LateralSurface().Area});
     }},
    {"TPrism_CircularRing.Create",
     [](std::int32_t, const Extended* V) {
         const TPrism_CircularRing F = TPrism_CircularRing::Create(V[0], V[1], V[2]);
         return Shown(F, {F.Base().Area(), F.LateralSurface().OuterFace.Area(),
                          F.LateralSurface().InnerFace.Area()});
     }},
    {"TTruncatedCone.Create",
     [](std::int32_t, const Extended* V) {
         const TTruncatedCone F = TTruncatedCone::Create(V[0], V[1], V[2]);
         return Shown(
             F, {F.SlantHeight(), F.Base1().Area(), F.Base2().Area(), F.LateralSurface().Area()});
     }},
    {"TTruncatedPyramid_Rectangle.Create",
     [](std::int32_t, const Extended* V) {
         const TTruncatedPyramid_Rectangle F =
             TTruncatedPyramid_Rectangle::Create(V[0], V[1], V[2], V[3], V[4]);
         const auto& L = F.LateralSurface();
         return Shown(F, {L.FaceA.Height(), L.FaceB.Height(), F.Base1().Area(), F.Base2().Area(),
                          L.FaceA.Area(), L.FaceB.Area(), L.Area});
     }},
    {"TTruncatedPyramid_NAngle.Create",
     [](std::int32_t N, const Extended* V) {
         const TTruncatedPyramid_NAngle F = TTruncatedPyramid_NAngle::Create(N, V[0], V[1], V[2]);
         const auto& L = F.LateralSurface();
         return Shown(F,
                      {L.Face.Height(), F.Base1().Area(), F.Base2().Area(), L.Face.Area(), L.Area});
     }},
    {"TCylindricalTank.Create",
     [](std::int32_t, const Extended* V) {
         const TCylindricalTank F = TCylindricalTank::Create(V[0], V[1], V[2]);
         return Shown(F, {F.SideFace().Chord(), F.SideFace().Area(),
                          F.LateralSurface().SurfaceAtLevel.Area(),
                          F.LateralSurface().Sleeve.Area(), F.PercentageFilling()});
     }},
    {"TSphericalSegment.Create",
     [](std::int32_t, const Extended* V) {
         const TSphericalSegment F = TSphericalSegment::Create(V[0], V[1]);
         return Shown(F, {F.ParentSphere().Radius(), F.AreaOfSphericalCap(),
                          F.IntersectingSurface().Area(), F.PercentageFilling()});
     }},
    {"TSphericalSegment.Create_RadiusOfSphere_Height",
     [](std::int32_t, const Extended* V) {
         const TSphericalSegment F = TSphericalSegment::Create_RadiusOfSphere_Height(V[0], V[1]);
         return Shown(F, {F.IntersectingSurface().Radius(), F.AreaOfSphericalCap(),
                          F.IntersectingSurface().Area(), F.PercentageFilling()});
     }},
    {"TSphericalSector.Create",
     [](std::int32_t, const Extended* V) {
         const TSphericalSector F = TSphericalSector::Create(V[0], V[1]);
         const TSphericalSegment& Segment = F.SphericalSegment();
         // A hemisphere has no cone; the window shows the flat circle in its place.
         TQuantities More{F.ParentSphere().Radius(), Segment.AreaOfSphericalCap(), Segment.Volume(),
                          F.PercentageFilling()};
         if (const auto& Cone = F.Cone()) {
             More.push_back(Cone->LateralSurface().Area());
             More.push_back(Cone->Volume());
         } else {
             More.push_back(V[0] * V[0] * Constants::Pi);
         }
         return Shown(F, More);
     }},
    {"TSphericalFrustum.Create",
     [](std::int32_t, const Extended* V) {
         const TSphericalFrustum F = TSphericalFrustum::Create(V[0], V[1], V[2]);
         return Shown(F, {F.ParentSphere().Radius(), F.Base1().Area(), F.Base2().Area(),
                          F.AreaOfSphericalZone(), F.PercentageFilling()});
     }},
};
constexpr std::size_t ConstructorCount = sizeof Constructors / sizeof Constructors[0];

// A dimension: any pattern, or one made from the previous dimension.
Extended Dimension(Fuzz::TInput& AInput, Extended APrevious) {
    const std::uint8_t Kind = AInput.Byte();
    switch (Kind % 4) {
    case 0:
    case 1:
        return AInput.RawExtended();
    case 2: { // a few units in the last place away
        Extended Value = APrevious;
        const int Steps = static_cast<std::int8_t>(AInput.Byte());
        for (int I = 0; I < (Steps < 0 ? -Steps : Steps) % 8; ++I)
            Value = std::nextafter(Value, Steps < 0 ? Extended(0) : Extended(INFINITY));
        return Value;
    }
    default: { // a small ratio, p / q
        const int P = AInput.Byte() % 16 + 1;
        const int Q = AInput.Byte() % 16 + 1;
        return APrevious * P / Q;
    }
    }
}

std::string Describe(const TConstructor& AConstructor, std::int32_t AN, const Extended* AValues) {
    std::string Text = std::string(AConstructor.Name) + "(n = " + std::to_string(AN);
    for (int I = 0; I < 5; ++I)
        Text += ", " + Fuzz::Image(AValues[I]);
    return Text + ")";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    Fuzz::TInput Input(AData, ASize);
    const TConstructor& Constructor = Constructors[Input.Byte() % ConstructorCount];
    const auto Precision = static_cast<TPrecision>(Input.Byte() % 15);
    // Mostly small counts, those below 3 included; now and then any.
    const std::uint8_t CountKind = Input.Byte();
    const std::int32_t N = (CountKind & 0x80) ? Input.Int32() : CountKind % 16;
    Extended Values[5];
    Extended Previous = 1;
    for (Extended& Value : Values)
        Previous = Value = Dimension(Input, Previous);
    GDensity = Dimension(Input, Previous);

    const std::string Call = Describe(Constructor, N, Values);
    TQuantities Quantities;
    try {
        Quantities = Constructor.Build(N, Values);
    } catch (const EInvalidInput& Error) {
        CheckError(Error, Call);
        return 0;
    } catch (const std::exception& Error) {
        Fuzz::Fail("an error that is not the model's", std::string(Error.what()) + " from " + Call);
    }
    for (std::size_t I = 0; I < Quantities.size(); ++I) {
        const Extended Q = Quantities[I];
        FUZZ_CHECK(std::isfinite(Q) && Q > 0,
                   "quantity " + std::to_string(I) + " is " + Fuzz::Image(Q) + " for " + Call);
        // The display writes every one of them.
        try {
            const std::string Text = RoundToStr(Precision, true, Q);
            FUZZ_CHECK(!Text.empty(), Call);
        } catch (const EInvalidInput& Error) {
            Fuzz::Fail("RoundToStr refused a quantity", Error.what() + (" for " + Call));
        }
    }
    return 0;
}
