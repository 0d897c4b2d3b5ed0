// The geometry model's worked examples and a table of figures, compared with the
// results of the Linux build (GeometryExpected.inc). scripts/windows-check.sh builds
// it with g++ and with MinGW-w64 and runs the Windows build under wine: both must
// agree with the table, so the Windows program computes the same numbers.
//
//   geometry_check                 compares; exit status 1 on any difference
//   geometry_check --user-locale   the same after setlocale(LC_ALL, ""), as a GUI
//                                  program runs (the C library may then write ',')
//   geometry_check --print         writes the table from this build's results
//
// Each quantity is compared twice: its text at precision 14 (the most a user can
// see) must be the same, and its value may differ by 2 units in the last place at
// most (the C libraries' sine or arccosine may round differently in the last bit).
// No Qt: the program links the geometry sources only.
#include "MathFunctions.h"
#include "PlaneFigures.h"
#include "SolidFigures.h"
#include "TriangleFamilies.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TExpected {
    const char* Case;
    const char* Quantity;
    const char* Text;
    Extended Value;
};

const TExpected Expected[] = {
#include "GeometryExpected.inc"
};

constexpr int MaxUlps = 2;

struct TQuantity {
    std::string Name;
    Extended Value;
    std::string Text; // RoundToStr(14, false, Value) unless a case gives its own text
};

using TResult = std::vector<TQuantity>;

class TCollector {
public:
    TCollector& operator()(const std::string& AName, Extended AValue) {
        FResult.push_back({FPrefix + AName, AValue, RoundToStr(14, false, AValue)});
        return *this;
    }
    TCollector& Text(const std::string& AName, Extended AValue, const std::string& AText) {
        FResult.push_back({FPrefix + AName, AValue, AText});
        return *this;
    }
    // Quantities added inside AAdd get "APrefix." before their names.
    template <class TAdd> TCollector& Part(const std::string& APrefix, TAdd&& AAdd) {
        const std::string Saved = FPrefix;
        FPrefix += APrefix + ".";
        AAdd(*this);
        FPrefix = Saved;
        return *this;
    }
    TResult Take() { return std::move(FResult); }

private:
    TResult FResult;
    std::string FPrefix;
};

// ---- What each figure publishes -------------------------------------------------

void Add(TCollector& C, const TCircle& F) {
    C("Radius", F.Radius())("Area", F.Area())("Circumference", F.Circumference());
}
void Add(TCollector& C, const TSquare& F) {
    C("Side", F.Side())("Diagonal", F.Diagonal())("Area", F.Area());
    C("Circumference", F.Circumference());
}
void Add(TCollector& C, const TRectangle& F) {
    C("SideA", F.SideA())("SideB", F.SideB())("Diagonal", F.Diagonal())("Area", F.Area());
    C("Circumference", F.Circumference());
}
void Add(TCollector& C, const TTriangle& F) {
    C("SideA", F.SideA())("SideB", F.SideB())("SideC", F.SideC());
    C("AngleAlpha", F.AngleAlpha())("AngleBeta", F.AngleBeta())("AngleGamma", F.AngleGamma());
    C("HeightA", F.HeightA())("HeightB", F.HeightB())("HeightC", F.HeightC());
    C("MedianA", F.MedianA())("MedianB", F.MedianB())("MedianC", F.MedianC());
    C("Area", F.Area())("Circumference", F.Circumference());
    C("SideType", F.SideType())("AngleType", F.AngleType());
}
void Add(TCollector& C, const TIsoscelesTriangle& F) {
    C("Base", F.Base())("Leg", F.Leg())("BaseAngle", F.BaseAngle());
    C("VertexAngle", F.VertexAngle())("HeightOrMedianOnBase", F.HeightOrMedianOnBase());
    C("HeightOnLeg", F.HeightOnLeg())("MedianOnLeg", F.MedianOnLeg());
    C("Area", F.Area())("Circumference", F.Circumference());
    C("SideType", F.SideType())("AngleType", F.AngleType());
}
void Add(TCollector& C, const TEquilateralTriangle& F) {
    C("Side", F.Side())("HeightOrMedian", F.HeightOrMedian())("Area", F.Area());
    C("Circumference", F.Circumference());
}
void Add(TCollector& C, const TTrapezoid& F) {
    C("BaseA", F.BaseA())("BaseC", F.BaseC())("LegB", F.LegB())("LegD", F.LegD());
    C("Height", F.Height())("Area", F.Area())("Circumference", F.Circumference());
}
void Add(TCollector& C, const TNAngle& F) {
    C("NumberOfEdges", F.NumberOfEdges())("Side", F.Side())("Area", F.Area());
    C("Circumference", F.Circumference());
    C.Part("PartialTriangle", [&](TCollector& P) { Add(P, F.PartialTriangle()); });
}
void Add(TCollector& C, const TSegmentOfCircle& F) {
    C("Height", F.Height())("Arc", F.Arc())("Chord", F.Chord());
    C("CentralAngle", F.CentralAngle())("Area", F.Area())("Circumference", F.Circumference());
}
void Add(TCollector& C, const TCircularRing& F) {
    C("OuterRadius", F.OuterCircle().Radius())("InnerRadius", F.InnerCircle().Radius());
    C("Area", F.Area())("Circumference", F.Circumference());
}

void AddSolid(TCollector& C, const TSolidFigure& F) {
    C("Volume", F.Volume())("Area", F.Area());
}
void Add(TCollector& C, const TCube& F) {
    AddSolid(C, F);
    C("DiagonalOfSolid", F.DiagonalOfSolid());
    C.Part("Face", [&](TCollector& P) { Add(P, F.Face()); });
}
void Add(TCollector& C, const TBlock& F) {
    AddSolid(C, F);
    C("DiagonalOfSolid", F.DiagonalOfSolid());
    C.Part("FaceAB", [&](TCollector& P) { Add(P, F.FaceAB()); });
    C.Part("FaceBC", [&](TCollector& P) { Add(P, F.FaceBC()); });
    C.Part("FaceCA", [&](TCollector& P) { Add(P, F.FaceCA()); });
}
void Add(TCollector& C, const TSphere& F) {
    AddSolid(C, F);
    C("Radius", F.Radius())("Diameter", F.Diameter());
}
void Add(TCollector& C, const TCone& F) {
    AddSolid(C, F);
    C("Height", F.Height())("SlantHeight", F.SlantHeight());
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("LateralSurface", [&](TCollector& P) { Add(P, F.LateralSurface()); });
}
void Add(TCollector& C, const TPyramid_Tetrahedron& F) {
    AddSolid(C, F);
    C("Height", F.Height());
    C.Part("Face", [&](TCollector& P) { Add(P, F.Face()); });
}
void Add(TCollector& C, const TPyramid_Rectangle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("FaceA", [&](TCollector& P) { Add(P, F.LateralSurface().FaceA); });
    C.Part("FaceB", [&](TCollector& P) { Add(P, F.LateralSurface().FaceB); });
}
void Add(TCollector& C, const TPyramid_NAngle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("Face", [&](TCollector& P) { Add(P, F.LateralSurface().Face); });
}
void Add(TCollector& C, const TCylinder& F) {
    AddSolid(C, F);
    C("Height", F.Height());
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("LateralSurface", [&](TCollector& P) { Add(P, F.LateralSurface()); });
}
void Add(TCollector& C, const TPrism_Triangle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("FaceA", [&](TCollector& P) { Add(P, F.LateralSurface().FaceA); });
    C.Part("FaceB", [&](TCollector& P) { Add(P, F.LateralSurface().FaceB); });
    C.Part("FaceC", [&](TCollector& P) { Add(P, F.LateralSurface().FaceC); });
}
void Add(TCollector& C, const TPrism_NAngle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("Face", [&](TCollector& P) { Add(P, F.LateralSurface().Face); });
}
void Add(TCollector& C, const TPrism_CircularRing& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base", [&](TCollector& P) { Add(P, F.Base()); });
    C.Part("OuterFace", [&](TCollector& P) { Add(P, F.LateralSurface().OuterFace); });
    C.Part("InnerFace", [&](TCollector& P) { Add(P, F.LateralSurface().InnerFace); });
}
void Add(TCollector& C, const TTruncatedCone& F) {
    AddSolid(C, F);
    C("Height", F.Height())("SlantHeight", F.SlantHeight());
    C.Part("Base1", [&](TCollector& P) { Add(P, F.Base1()); });
    C.Part("Base2", [&](TCollector& P) { Add(P, F.Base2()); });
    C.Part("LateralSurface", [&](TCollector& P) { Add(P, F.LateralSurface()); });
}
void Add(TCollector& C, const TTruncatedPyramid_Rectangle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base1", [&](TCollector& P) { Add(P, F.Base1()); });
    C.Part("Base2", [&](TCollector& P) { Add(P, F.Base2()); });
    C.Part("FaceA", [&](TCollector& P) { Add(P, F.LateralSurface().FaceA); });
    C.Part("FaceB", [&](TCollector& P) { Add(P, F.LateralSurface().FaceB); });
}
void Add(TCollector& C, const TTruncatedPyramid_NAngle& F) {
    AddSolid(C, F);
    C("Height", F.Height())("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("Base1", [&](TCollector& P) { Add(P, F.Base1()); });
    C.Part("Base2", [&](TCollector& P) { Add(P, F.Base2()); });
    C.Part("Face", [&](TCollector& P) { Add(P, F.LateralSurface().Face); });
}
void Add(TCollector& C, const TCylindricalTank& F) {
    AddSolid(C, F);
    C("Length", F.Length())("PercentageFilling", F.PercentageFilling());
    C("LateralSurface.Area", F.LateralSurface().Area);
    C.Part("SideFace", [&](TCollector& P) { Add(P, F.SideFace()); });
    C.Part("SurfaceAtLevel", [&](TCollector& P) { Add(P, F.LateralSurface().SurfaceAtLevel); });
    C.Part("Sleeve", [&](TCollector& P) { Add(P, F.LateralSurface().Sleeve); });
}
void Add(TCollector& C, const TSphericalSegment& F) {
    AddSolid(C, F);
    C("Height", F.Height())("AreaOfSphericalCap", F.AreaOfSphericalCap());
    C("PercentageFilling", F.PercentageFilling());
    C("ParentSphere.Radius", F.ParentSphere().Radius());
    C.Part("IntersectingSurface", [&](TCollector& P) { Add(P, F.IntersectingSurface()); });
}
void Add(TCollector& C, const TSphericalSector& F) {
    AddSolid(C, F);
    C("PercentageFilling", F.PercentageFilling());
    C("ParentSphere.Radius", F.ParentSphere().Radius());
    C("HasCone", F.Cone().has_value() ? 1 : 0);
    if (F.Cone())
        C.Part("Cone", [&](TCollector& P) { Add(P, *F.Cone()); });
    C.Part("SphericalSegment", [&](TCollector& P) { Add(P, F.SphericalSegment()); });
}
void Add(TCollector& C, const TSphericalFrustum& F) {
    AddSolid(C, F);
    C("Height", F.Height())("AreaOfSphericalZone", F.AreaOfSphericalZone());
    C("PercentageFilling", F.PercentageFilling());
    C("ParentSphere.Radius", F.ParentSphere().Radius());
    C.Part("Base1", [&](TCollector& P) { Add(P, F.Base1()); });
    C.Part("Base2", [&](TCollector& P) { Add(P, F.Base2()); });
}

// ---- The cases ----------------------------------------------------------------

struct TCase {
    std::string Name;
    std::function<TResult()> Run;
};

// A case that builds one figure and reports everything it publishes, or the name
// of the operation that rejected the input.
template <class TBuild> TCase Figure(std::string AName, TBuild ABuild) {
    return {std::move(AName), [ABuild] {
                TCollector C;
                Add(C, ABuild());
                return C.Take();
            }};
}

template <class TRun> TCase Custom(std::string AName, TRun ARun) {
    return {std::move(AName), [ARun] {
                TCollector C;
                ARun(C);
                return C.Take();
            }};
}

char Comma() {
    return ',';
}

std::vector<TCase> Cases() {
    std::vector<TCase> L;
    using TSecond = TIsoscelesTriangle::TSecond;

    // Number texts: the conversion leans on the C library's printf and on
    // iostreams, the parts that differ most between the Linux and Windows runtimes.
    struct TFormat {
        int Precision;
        bool ZeroPadding;
        Extended Value;
        const char* Literal;
    };
    const TFormat Formats[] = {
        {2, true, 0, "0"},
        {2, true, 2.5L, "2.5"},
        {0, true, 2.5L, "2.5"},
        {2, true, 1.0L / 3, "1/3"},
        {3, true, 1E15L, "1E15"},
        {2, true, 0.00001234L, "0.00001234"},
        {2, true, 0.0001L, "0.0001"},
        {14, true, 123456789012.5L, "123456789012.5"},
        {14, true, -123456789012.5L, "-123456789012.5"},
        {2, false, 2.5L, "2.5"},
        {2, false, 2.999L, "2.999"},
        {2, false, 30, "30"},
        {2, true, 9.996E20L, "9.996E20"},
        {14, false, 1.0L / 7, "1/7"},
        {14, true, 2.0L / 3 * 1E-7L, "2/3E-7"},
        {14, false, 1E4000L, "1E4000"},
        {14, false, -3.3E-4000L, "-3.3E-4000"},
        {5, true, LDBL_MAX, "LDBL_MAX"},
    };
    for (const TFormat& F : Formats) {
        const std::string Name = "RoundToStr(" + std::to_string(F.Precision) + ", " +
                                 (F.ZeroPadding ? "true" : "false") + ", " + F.Literal + ")";
        L.push_back(Custom(Name, [F](TCollector& C) {
            C.Text("Text", F.Value,
                   RoundToStr(static_cast<TPrecision>(F.Precision), F.ZeroPadding, F.Value));
        }));
    }
    L.push_back(Custom("RoundToStr with a comma", [](TCollector& C) {
        SetDecimalSeparatorProvider(Comma);
        const std::string Text = RoundToStr(2, true, 1234.5678L);
        const std::string Scientific = RoundToStr(2, true, 0.00001234L);
        SetDecimalSeparatorProvider(nullptr);
        C.Text("Text", 1234.5678L, Text).Text("Scientific", 0.00001234L, Scientific);
    }));
    L.push_back(Custom("RoundToStr(15, true, 1)", [](TCollector&) { RoundToStr(15, true, 1); }));
    L.push_back(Custom("FloatEqual", [](TCollector& C) {
        C("[1, 1.000000000000001]", FloatEqual({1, 1.000000000000001L}, 14));
        C("[0.1 + 0.2, 0.3]", FloatEqual({0.1L + 0.2L, 0.3L}, 14));
        C("[1E-20, 0]", FloatEqual({1E-20L, 0}, 14));
    }));
    L.push_back(Custom("CubicEquation(1, -6, 11, -6)", [](TCollector& C) {
        Extended X1, X2, X3;
        C("Count", CubicEquation(1, -6, 11, -6, X1, X2, X3))("X1", X1)("X2", X2)("X3", X3);
    }));
    L.push_back(Custom("CubicEquation(1, 0, 0, -8)", [](TCollector& C) {
        Extended X1, X2, X3;
        C("Count", CubicEquation(1, 0, 0, -8, X1, X2, X3))("X1", X1)("X2", X2)("X3", X3);
    }));

    // Solid figure base, cube, block and sphere.
    L.push_back(Figure("TCube.Create(2)", [] { return TCube::Create(2); }));
    L.push_back(Figure("TBlock.Create(1, 2, 2)", [] { return TBlock::Create(1, 2, 2); }));
    L.push_back(Figure("TBlock.Create(1, 0, 1)", [] { return TBlock::Create(1, 0, 1); }));
    L.push_back(Figure("TCube.Create(-1)", [] { return TCube::Create(-1); }));
    L.push_back(Figure("TSphere.Create(1)", [] { return TSphere::Create(1); }));
    L.push_back(Custom("TCube.Create(1).Mass(0)",
                       [](TCollector& C) { C("Mass", TCube::Create(1).Mass(0)); }));
    L.push_back(Custom("TCube.Create(1).Mass(2)",
                       [](TCollector& C) { C("Mass", TCube::Create(1).Mass(2)); }));

    // Triangles.
    L.push_back(Figure("TTriangle.Create(3, 4, 5)", [] { return TTriangle::Create(3, 4, 5); }));
    L.push_back(Figure("TTriangle.Create(1, 2, 3)", [] { return TTriangle::Create(1, 2, 3); }));
    L.push_back(Figure("TTriangle.Create(2, 2, 3)", [] { return TTriangle::Create(2, 2, 3); }));
    L.push_back(Figure("TTriangle.Create(2, 2.0000000000000001, 3)",
                       [] { return TTriangle::Create(2, 2.0000000000000001L, 3); }));
    L.push_back(
        Figure("TTriangle.Create(2, 2, 3.9)", [] { return TTriangle::Create(2, 2, 3.9L); }));
    L.push_back(Figure("TTriangle.Create(2, 2, 2)", [] { return TTriangle::Create(2, 2, 2); }));
    L.push_back(
        Figure("TIsoscelesTriangle.Create(2, 1)", [] { return TIsoscelesTriangle::Create(2, 1); }));
    L.push_back(
        Figure("TIsoscelesTriangle.Create(2, 2)", [] { return TIsoscelesTriangle::Create(2, 2); }));
    L.push_back(Figure("TIsoscelesTriangle.Create_Base_HeightOrMedianOnBase(6, 4)",
                       [] { return TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(6, 4); }));
    L.push_back(Custom("TIsoscelesTriangle.Create_Leg_HeightOnLeg(2, 1)", [](TCollector& C) {
        TSecond Second;
        const TIsoscelesTriangle First =
            TIsoscelesTriangleFamily::Create_Leg_HeightOnLeg(2, 1, Second);
        C.Part("First", [&](TCollector& P) { Add(P, First); });
        C("HasSecond", Second.has_value() ? 1 : 0);
        if (Second)
            C.Part("Second", [&](TCollector& P) { Add(P, *Second); });
    }));
    L.push_back(Custom("TIsoscelesTriangle.Create_Leg_HeightOnLeg(2, 2)", [](TCollector&) {
        TSecond Second;
        TIsoscelesTriangleFamily::Create_Leg_HeightOnLeg(2, 2, Second);
    }));
    L.push_back(
        Custom("TIsoscelesTriangle.Create_HeightOnLeg_MedianOnLeg(1, 1)", [](TCollector& C) {
            TSecond Second;
            const TIsoscelesTriangle First =
                TIsoscelesTriangleFamily::Create_HeightOnLeg_MedianOnLeg(1, 1, Second);
            C.Part("First", [&](TCollector& P) { Add(P, First); });
            C("HasSecond", Second.has_value() ? 1 : 0);
        }));
    L.push_back(Figure("TEquilateralTriangle.Create_Circumference(6)",
                       [] { return TEquilateralTriangleFamily::Create_Circumference(6); }));

    // Other plane figures.
    L.push_back(Figure("TIsoscelesTrapezoid.Create_Bases_Height(6, 2, 3)",
                       [] { return TIsoscelesTrapezoid::Create_Bases_Height(6, 2, 3); }));
    L.push_back(Figure("TIsoscelesTrapezoid.Create_Bases_Height(4, 4, 1)",
                       [] { return TIsoscelesTrapezoid::Create_Bases_Height(4, 4, 1); }));
    L.push_back(
        Figure("TTrapezoid.Create(3, 1, 1, 5)", [] { return TTrapezoid::Create(3, 1, 1, 5); }));
    L.push_back(Figure("TNAngle.Create(4, 2)", [] { return TNAngle::Create(4, 2); }));
    L.push_back(Figure("TNAngle.Create(6, 1)", [] { return TNAngle::Create(6, 1); }));
    L.push_back(
        Figure("TSegmentOfCircle.Create(2, 2)", [] { return TSegmentOfCircle::Create(2, 2); }));
    L.push_back(
        Figure("TSegmentOfCircle.Create(1, 2)", [] { return TSegmentOfCircle::Create(1, 2); }));
    L.push_back(Figure("TSegmentOfCircle.Create(1, 0.5)",
                       [] { return TSegmentOfCircle::Create(1, 0.5L); }));
    L.push_back(Figure("TCircularRing.Create(2, 1)", [] { return TCircularRing::Create(2, 1); }));
    L.push_back(Figure("TCircularRing.Create(1, 1)", [] { return TCircularRing::Create(1, 1); }));

    // Cones, pyramids and prisms.
    L.push_back(Figure("TCylinder.Create(1, 2)", [] { return TCylinder::Create(1, 2); }));
    L.push_back(Figure("TCone.Create(3, 4)", [] { return TCone::Create(3, 4); }));
    L.push_back(
        Figure("TPyramid_Tetrahedron.Create(1)", [] { return TPyramid_Tetrahedron::Create(1); }));
    L.push_back(Figure("TPyramid_Rectangle.Create(6, 6, 4)",
                       [] { return TPyramid_Rectangle::Create(6, 6, 4); }));
    L.push_back(
        Figure("TPyramid_NAngle.Create(4, 6, 4)", [] { return TPyramid_NAngle::Create(4, 6, 4); }));
    L.push_back(
        Figure("TPyramid_NAngle.Create(2, 6, 4)", [] { return TPyramid_NAngle::Create(2, 6, 4); }));
    L.push_back(Figure("TPrism_Triangle.Create(3, 4, 5, 10)",
                       [] { return TPrism_Triangle::Create(3, 4, 5, 10); }));
    L.push_back(Figure("TPrism_Triangle.Create(1, 2, 3, 1)",
                       [] { return TPrism_Triangle::Create(1, 2, 3, 1); }));
    L.push_back(Figure("TPrism_CircularRing.Create(2, 1, 1)",
                       [] { return TPrism_CircularRing::Create(2, 1, 1); }));
    L.push_back(Figure("TPrism_CircularRing.Create(1, 1, 1)",
                       [] { return TPrism_CircularRing::Create(1, 1, 1); }));
    L.push_back(
        Figure("TPrism_NAngle.Create(6, 1, 1)", [] { return TPrism_NAngle::Create(6, 1, 1); }));

    // Truncated cone and truncated pyramids.
    L.push_back(
        Figure("TTruncatedCone.Create(2, 1, 3)", [] { return TTruncatedCone::Create(2, 1, 3); }));
    L.push_back(
        Figure("TTruncatedCone.Create(1, 1, 1)", [] { return TTruncatedCone::Create(1, 1, 1); }));
    L.push_back(Figure("TTruncatedPyramid_Rectangle.Create(4, 4, 2, 2, 3)",
                       [] { return TTruncatedPyramid_Rectangle::Create(4, 4, 2, 2, 3); }));
    L.push_back(Figure("TTruncatedPyramid_NAngle.Create(4, 4, 2, 3)",
                       [] { return TTruncatedPyramid_NAngle::Create(4, 4, 2, 3); }));
    L.push_back(Figure("TTruncatedPyramid_Rectangle.Create(4, 4, 4, 2, 3)",
                       [] { return TTruncatedPyramid_Rectangle::Create(4, 4, 4, 2, 3); }));
    L.push_back(Figure("TTruncatedPyramid_NAngle.Create(4, 2, 2, 3)",
                       [] { return TTruncatedPyramid_NAngle::Create(4, 2, 2, 3); }));
    L.push_back(Figure("TTruncatedPyramid_NAngle.Create(2, 4, 2, 3)",
                       [] { return TTruncatedPyramid_NAngle::Create(2, 4, 2, 3); }));

    // Cylindrical tank and spherical solids.
    L.push_back(Figure("TCylindricalTank.Create(1, 1, 2)",
                       [] { return TCylindricalTank::Create(1, 1, 2); }));
    L.push_back(Figure("TCylindricalTank.Create(1, 2, 1)",
                       [] { return TCylindricalTank::Create(1, 2, 1); }));
    L.push_back(
        Figure("TSphericalSegment.Create(1, 1)", [] { return TSphericalSegment::Create(1, 1); }));
    L.push_back(Figure("TSphericalSegment.Create_RadiusOfSphere_Height(1, 2)",
                       [] { return TSphericalSegment::Create_RadiusOfSphere_Height(1, 2); }));
    L.push_back(Figure("TSphericalSegment.Create_RadiusOfSphere_Height(5, 2)",
                       [] { return TSphericalSegment::Create_RadiusOfSphere_Height(5, 2); }));
    L.push_back(
        Figure("TSphericalSector.Create(1, 1)", [] { return TSphericalSector::Create(1, 1); }));
    L.push_back(
        Figure("TSphericalSector.Create(4, 2)", [] { return TSphericalSector::Create(4, 2); }));
    L.push_back(Figure("TSphericalFrustum.Create(5, 4, 3)",
                       [] { return TSphericalFrustum::Create(5, 4, 3); }));
    L.push_back(Figure("TSphericalFrustum.Create(3, 4, 1)",
                       [] { return TSphericalFrustum::Create(3, 4, 1); }));

    // A table of figures as users type them: every solid and variant with everyday
    // dimensions, large and small magnitudes and many-sided bases.
    L.push_back(Figure("cube 0.75", [] { return TCube::Create(0.75L); }));
    L.push_back(Figure("cube 12345.678", [] { return TCube::Create(12345.678L); }));
    L.push_back(Figure("block 1.5 2.25 3.125", [] { return TBlock::Create(1.5L, 2.25L, 3.125L); }));
    L.push_back(
        Figure("block 0.001 0.002 0.003", [] { return TBlock::Create(0.001L, 0.002L, 0.003L); }));
    L.push_back(Figure("sphere 7.3", [] { return TSphere::Create(7.3L); }));
    L.push_back(Figure("sphere 6371000", [] { return TSphere::Create(6371000); }));
    L.push_back(Figure("cone 2.5 7.1", [] { return TCone::Create(2.5L, 7.1L); }));
    L.push_back(Figure("cone 0.3 1000", [] { return TCone::Create(0.3L, 1000); }));
    L.push_back(Figure("cylinder 0.35 1.2", [] { return TCylinder::Create(0.35L, 1.2L); }));
    L.push_back(Figure("tetrahedron 3.7", [] { return TPyramid_Tetrahedron::Create(3.7L); }));
    L.push_back(Figure("pyramid square 230.3 146.6",
                       [] { return TPyramid_NAngle::Create(4, 230.3L, 146.6L); }));
    L.push_back(
        Figure("pyramid rectangle 3 4.5 6", [] { return TPyramid_Rectangle::Create(3, 4.5L, 6); }));
    L.push_back(Figure("pyramid triangle 2 5", [] { return TPyramid_NAngle::Create(3, 2, 5); }));
    L.push_back(
        Figure("pyramid 7-gon 1.3 2.9", [] { return TPyramid_NAngle::Create(7, 1.3L, 2.9L); }));
    L.push_back(
        Figure("pyramid 9999-gon 0.01 3", [] { return TPyramid_NAngle::Create(9999, 0.01L, 3); }));
    L.push_back(Figure("prism triangle 3.1 4.2 5.3 2",
                       [] { return TPrism_Triangle::Create(3.1L, 4.2L, 5.3L, 2); }));
    L.push_back(Figure("prism triangle 10 10 19.99 1",
                       [] { return TPrism_Triangle::Create(10, 10, 19.99L, 1); }));
    L.push_back(Figure("prism 5-gon 2 3.5", [] { return TPrism_NAngle::Create(5, 2, 3.5L); }));
    L.push_back(Figure("prism 12-gon 0.5 10", [] { return TPrism_NAngle::Create(12, 0.5L, 10); }));
    L.push_back(
        Figure("prism ring 5 4.5 12", [] { return TPrism_CircularRing::Create(5, 4.5L, 12); }));
    L.push_back(Figure("truncated cone 1.2 3.4 5.6",
                       [] { return TTruncatedCone::Create(1.2L, 3.4L, 5.6L); }));
    L.push_back(Figure("truncated cone 100 99.9 0.05",
                       [] { return TTruncatedCone::Create(100, 99.9L, 0.05L); }));
    L.push_back(Figure("truncated pyramid square 6 4 2.5",
                       [] { return TTruncatedPyramid_NAngle::Create(4, 6, 4, 2.5L); }));
    L.push_back(Figure("truncated pyramid rectangle 6 3 4 2 2.5",
                       [] { return TTruncatedPyramid_Rectangle::Create(6, 3, 4, 2, 2.5L); }));
    L.push_back(Figure("truncated pyramid triangle 3 1 2",
                       [] { return TTruncatedPyramid_NAngle::Create(3, 3, 1, 2); }));
    L.push_back(Figure("truncated pyramid 8-gon 2.2 1.1 3.3",
                       [] { return TTruncatedPyramid_NAngle::Create(8, 2.2L, 1.1L, 3.3L); }));
    L.push_back(Figure("tank 1.5 0.4 6", [] { return TCylindricalTank::Create(1.5L, 0.4L, 6); }));
    L.push_back(Figure("tank 1.5 2.9 6", [] { return TCylindricalTank::Create(1.5L, 2.9L, 6); }));
    L.push_back(
        Figure("spherical segment 3 1.2", [] { return TSphericalSegment::Create(3, 1.2L); }));
    L.push_back(
        Figure("spherical segment 3 7.5", [] { return TSphericalSegment::Create(3, 7.5L); }));
    L.push_back(Figure("spherical segment sphere 10 3",
                       [] { return TSphericalSegment::Create_RadiusOfSphere_Height(10, 3); }));
    L.push_back(
        Figure("spherical sector 2.4 0.7", [] { return TSphericalSector::Create(2.4L, 0.7L); }));
    L.push_back(Figure("spherical sector 2 3", [] { return TSphericalSector::Create(2, 3); }));
    L.push_back(
        Figure("spherical frustum 3 2 1.5", [] { return TSphericalFrustum::Create(3, 2, 1.5L); }));
    L.push_back(Figure("spherical frustum 0.02 0.05 0.01",
                       [] { return TSphericalFrustum::Create(0.02L, 0.05L, 0.01L); }));
    return L;
}

// Runs a case; a rejected input is a result too: the name of the operation.
TResult Run(const TCase& ACase) {
    try {
        return ACase.Run();
    } catch (const EInvalidInput& Error) {
        return {{"raises", 0, Error.Operation()}};
    } catch (const std::exception& Error) {
        return {{"error", 0, Error.what()}};
    }
}

std::string Quoted(const std::string& AText) {
    std::string Result = "\"";
    for (const char Ch : AText) {
        if (Ch == '"' || Ch == '\\')
            Result += '\\';
        Result += Ch;
    }
    return Result + "\"";
}

std::string Hex(Extended AValue) {
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%LaL", AValue);
    return Buffer;
}

// The distance of two values in units in the last place of the expected one.
Extended Ulps(Extended AActual, Extended AExpected) {
    if (AActual == AExpected)
        return 0;
    if (!std::isfinite(AActual) || !std::isfinite(AExpected))
        return std::numeric_limits<Extended>::infinity();
    const Extended Unit = AExpected == 0
                              ? std::numeric_limits<Extended>::denorm_min()
                              : std::ldexp(1.0L, std::ilogb(AExpected) - (LDBL_MANT_DIG - 1));
    return std::fabs(AActual - AExpected) / Unit;
}

int Print(const std::vector<TCase>& ACases) {
    std::printf("// The results of the Linux build (x86-64, glibc), written by\n"
                "// \"geometry_check --print\": case, quantity, text at precision 14, value.\n"
                "// clang-format off\n");
    for (const TCase& Case : ACases) {
        for (const TQuantity& Q : Run(Case)) {
            std::printf("{%s, %s, %s, %s},\n", Quoted(Case.Name).c_str(), Quoted(Q.Name).c_str(),
                        Quoted(Q.Text).c_str(), Hex(Q.Value).c_str());
        }
    }
    std::printf("// clang-format on\n");
    return 0;
}

int Compare(const std::vector<TCase>& ACases) {
    std::map<std::pair<std::string, std::string>, TQuantity> Actual;
    for (const TCase& Case : ACases) {
        for (TQuantity& Q : Run(Case)) {
            Actual.emplace(std::make_pair(Case.Name, Q.Name), std::move(Q));
        }
    }
    int Failures = 0;
    Extended Worst = 0;
    for (const TExpected& E : Expected) {
        const auto Found = Actual.find({E.Case, E.Quantity});
        if (Found == Actual.end()) {
            std::printf("MISSING  %s: %s (expected %s)\n", E.Case, E.Quantity, E.Text);
            ++Failures;
            continue;
        }
        const TQuantity& Q = Found->second;
        const Extended Distance = Ulps(Q.Value, E.Value);
        if (Q.Text != E.Text || !(Distance <= MaxUlps)) {
            std::printf("DIFFERS  %s: %s\n  expected %s (%s)\n  actual   %s (%s), %.1Lf ulp\n",
                        E.Case, E.Quantity, E.Text, Hex(E.Value).c_str(), Q.Text.c_str(),
                        Hex(Q.Value).c_str(), Distance);
            ++Failures;
        } else if (Distance > Worst) {
            Worst = Distance;
        }
        Actual.erase(Found);
    }
    for (const auto& Extra : Actual) {
        std::printf("EXTRA    %s: %s = %s (not in the table)\n", Extra.first.first.c_str(),
                    Extra.first.second.c_str(), Extra.second.Text.c_str());
        ++Failures;
    }
    const std::size_t Rows = sizeof Expected / sizeof Expected[0];
    if (Failures > 0) {
        std::printf("%d of %zu quantities differ from the Linux build.\n", Failures, Rows);
        return 1;
    }
    std::printf("All %zu quantities of %zu cases agree with the Linux build "
                "(largest difference %.0Lf ulp).\n",
                Rows, ACases.size(), Worst);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    bool PrintTable = false;
    for (int I = 1; I < argc; ++I) {
        if (std::strcmp(argv[I], "--print") == 0) {
            PrintTable = true;
        } else if (std::strcmp(argv[I], "--user-locale") == 0) {
            std::setlocale(LC_ALL, "");
        } else {
            std::fprintf(stderr, "usage: geometry_check [--print] [--user-locale]\n");
            return 2;
        }
    }
    if (!PrintTable) {
        std::printf("long double: %d-bit mantissa; C locale \"%s\", decimal point \"%s\"\n",
                    LDBL_MANT_DIG, std::setlocale(LC_ALL, nullptr),
                    std::localeconv()->decimal_point);
    }
    const std::vector<TCase> AllCases = Cases();
    return PrintTable ? Print(AllCases) : Compare(AllCases);
}
