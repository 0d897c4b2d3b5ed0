// The solids the program computes. Each solid is an immutable value built by a
// named constructor that checks its arguments, builds the plane figures (and
// parent solids) it consists of and computes every quantity once.
//
// The solids are templates on their number type (Numbers.h); TCone and the
// other names without a namespace are the solids in Extended.
#pragma once

#include "MathFunctions.h"
#include "PlaneFigures.h"

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

class EInvalidInputSolidFigures : public EInvalidInput {
public:
    explicit EInvalidInputSolidFigures(const std::string& Msg, bool ANotFinite = false)
        : EInvalidInput("Invalid input in SolidFigures unit: ", Msg, ANotFinite) {}
};

namespace Figures {

template <class T> class TSolidFigure {
public:
    virtual ~TSolidFigure() = default;

    const T& Volume() const { return FVolume; }
    const T& Area() const { return FArea; }

    // Density times volume, in whatever consistent units the caller uses.
    T Mass(T ADensity) const;

protected:
    TSolidFigure() = default;
    TSolidFigure(const TSolidFigure<T>&) = default;
    TSolidFigure(TSolidFigure<T>&&) = default;
    TSolidFigure<T>& operator=(const TSolidFigure<T>&) = default;
    TSolidFigure<T>& operator=(TSolidFigure<T>&&) = default;

    void SetVolumeAndArea(T AVolume, T AArea);

private:
    T FVolume = T(0);
    T FArea = T(0);
};

} // namespace Figures

// The common base of the solids in Extended, a class of its own so that it can
// be declared ahead.
class TSolidFigure : public Figures::TSolidFigure<Extended> {
protected:
    TSolidFigure() = default;
    TSolidFigure(const TSolidFigure&) = default;
    TSolidFigure(TSolidFigure&&) = default;
    TSolidFigure& operator=(const TSolidFigure&) = default;
    TSolidFigure& operator=(TSolidFigure&&) = default;
};

namespace Figures {

template <class T>
using TSolidBase = std::conditional_t<std::is_same_v<T, Extended>, ::TSolidFigure, TSolidFigure<T>>;

// --- Cube, block, sphere ------------------------------------------------------

template <class T> class TCube : public TSolidBase<T> {
public:
    static TCube<T> Create(T ASide);

    const T& Side() const { return FSide; }
    const TSquare<T>& Face() const { return FFace; }
    const T& DiagonalOfSolid() const { return FDiagonalOfSolid; }

private:
    TCube(T ASide, TSquare<T> AFace, T ADiagonalOfSolid);

    T FSide;
    TSquare<T> FFace;
    T FDiagonalOfSolid;
};

template <class T> class TBlock : public TSolidBase<T> {
public:
    static TBlock<T> Create(T ASideA, T ASideB, T ASideC);

    const T& SideA() const { return FSideA; }
    const T& SideB() const { return FSideB; }
    const T& SideC() const { return FSideC; }
    const TRectangle<T>& FaceAB() const { return FFaceAB; }
    const TRectangle<T>& FaceBC() const { return FFaceBC; }
    const TRectangle<T>& FaceCA() const { return FFaceCA; }
    const T& DiagonalOfSolid() const { return FDiagonalOfSolid; }

private:
    TBlock(T ASideA, T ASideB, T ASideC, TRectangle<T> AFaceAB, TRectangle<T> AFaceBC,
           TRectangle<T> AFaceCA, T ADiagonalOfSolid);

    T FSideA;
    T FSideB;
    T FSideC;
    TRectangle<T> FFaceAB;
    TRectangle<T> FFaceBC;
    TRectangle<T> FFaceCA;
    T FDiagonalOfSolid;
};

template <class T> class TSphere : public TSolidBase<T> {
public:
    static TSphere<T> Create(T ARadius);

    const T& Radius() const { return FRadius; }
    const T& Diameter() const { return FDiameter; }

private:
    TSphere(T ARadius, T ADiameter);

    T FRadius;
    T FDiameter;
};

// --- Pyramid family: volume = base area * height / 3 ---------------------------

template <class T> class TPyramid : public TSolidBase<T> {
protected:
    void FinishCalculation(T ABaseArea, T ALateralArea, T AHeight);
};

template <class T> struct TPyramid_Rectangle_LateralSurface {
    TIsoscelesTriangle<T> FaceA;
    TIsoscelesTriangle<T> FaceB;
    T Area;
};

template <class T> struct TPyramid_NAngle_LateralSurface {
    TIsoscelesTriangle<T> Face;
    T Area;
};

template <class T> class TCone : public TPyramid<T> {
public:
    static TCone<T> Create(T ARadiusOfBase, T AHeight);

    const T& Height() const { return FHeight; }
    const TCircle<T>& Base() const { return FBase; }
    // The developed lateral surface: base = the base's circumference, height = slant height.
    const TIsoscelesTriangle<T>& LateralSurface() const { return FLateralSurface; }
    const T& SlantHeight() const { return FSlantHeight; }

private:
    TCone(T AHeight, TCircle<T> ABase, TIsoscelesTriangle<T> ALateralSurface, T ASlantHeight);

    T FHeight;
    TCircle<T> FBase;
    TIsoscelesTriangle<T> FLateralSurface;
    T FSlantHeight;
};

template <class T> class TPyramid_Tetrahedron : public TPyramid<T> {
public:
    static TPyramid_Tetrahedron<T> Create(T ASide);

    const T& Height() const { return FHeight; }
    // One of the four equal faces; it is the base as well as a lateral face.
    const TEquilateralTriangle<T>& Face() const { return FFace; }

private:
    TPyramid_Tetrahedron(T AHeight, TEquilateralTriangle<T> AFace);

    T FHeight;
    TEquilateralTriangle<T> FFace;
};

template <class T> class TPyramid_Rectangle : public TPyramid<T> {
public:
    static TPyramid_Rectangle<T> Create(T ASideAOfBase, T ASideBOfBase, T AHeight);

    const T& Height() const { return FHeight; }
    const TRectangle<T>& Base() const { return FBase; }
    const TPyramid_Rectangle_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }

private:
    TPyramid_Rectangle(T AHeight, TRectangle<T> ABase,
                       TPyramid_Rectangle_LateralSurface<T> ALateralSurface);

    T FHeight;
    TRectangle<T> FBase;
    TPyramid_Rectangle_LateralSurface<T> FLateralSurface;
};

template <class T> class TPyramid_NAngle : public TPyramid<T> {
public:
    static TPyramid_NAngle<T> Create(std::int32_t ANumberOfEdges, T ASideOfBase, T AHeight);

    const T& Height() const { return FHeight; }
    const TNAngle<T>& Base() const { return FBase; }
    const TPyramid_NAngle_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }

private:
    TPyramid_NAngle(T AHeight, TNAngle<T> ABase, TPyramid_NAngle_LateralSurface<T> ALateralSurface);

    T FHeight;
    TNAngle<T> FBase;
    TPyramid_NAngle_LateralSurface<T> FLateralSurface;
};

// --- Prism family: volume = base area * height ---------------------------------

template <class T> class TPrism : public TSolidBase<T> {
protected:
    void FinishCalculation(T ABaseArea, T ALateralArea, T AHeight);
};

template <class T> struct TPrism_Triangle_LateralSurface {
    TRectangle<T> FaceA;
    TRectangle<T> FaceB;
    TRectangle<T> FaceC;
    T Area;
};

template <class T> struct TPrism_NAngle_LateralSurface {
    TRectangle<T> Face;
    T Area;
};

template <class T> struct TPrism_CircularRing_LateralSurface {
    TRectangle<T> OuterFace;
    TRectangle<T> InnerFace;
    T Area;
};

template <class T> class TCylinder : public TPrism<T> {
public:
    static TCylinder<T> Create(T ARadiusOfBase, T AHeight);

    const T& Height() const { return FHeight; }
    const TCircle<T>& Base() const { return FBase; }
    const TRectangle<T>& LateralSurface() const { return FLateralSurface; }

private:
    TCylinder(T AHeight, TCircle<T> ABase, TRectangle<T> ALateralSurface);

    T FHeight;
    TCircle<T> FBase;
    TRectangle<T> FLateralSurface;
};

template <class T> class TPrism_Triangle : public TPrism<T> {
public:
    static TPrism_Triangle<T> Create(T ASideA, T ASideB, T ASideC, T AHeight);

    const TTriangle<T>& Base() const { return FBase; }
    const T& Height() const { return FHeight; }
    const TPrism_Triangle_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_Triangle(TTriangle<T> ABase, T AHeight,
                    TPrism_Triangle_LateralSurface<T> ALateralSurface);

    TTriangle<T> FBase;
    T FHeight;
    TPrism_Triangle_LateralSurface<T> FLateralSurface;
};

template <class T> class TPrism_NAngle : public TPrism<T> {
public:
    static TPrism_NAngle<T> Create(std::int32_t ANumberOfEdges, T ASide, T AHeight);

    const TNAngle<T>& Base() const { return FBase; }
    const T& Height() const { return FHeight; }
    const TPrism_NAngle_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_NAngle(TNAngle<T> ABase, T AHeight, TPrism_NAngle_LateralSurface<T> ALateralSurface);

    TNAngle<T> FBase;
    T FHeight;
    TPrism_NAngle_LateralSurface<T> FLateralSurface;
};

template <class T> class TPrism_CircularRing : public TPrism<T> {
public:
    static TPrism_CircularRing<T> Create(T ARadiusOfOuterCircleOfBase, T ARadiusOfInnerCircleOfBase,
                                         T AHeight);

    const TCircularRing<T>& Base() const { return FBase; }
    const T& Height() const { return FHeight; }
    const TPrism_CircularRing_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_CircularRing(TCircularRing<T> ABase, T AHeight,
                        TPrism_CircularRing_LateralSurface<T> ALateralSurface);

    TCircularRing<T> FBase;
    T FHeight;
    TPrism_CircularRing_LateralSurface<T> FLateralSurface;
};

// --- Frustums: volume = h/3 * (S1 + S2 + sqrt(S1*S2)) ----------------------------

template <class T> class TTruncatedPyramid : public TSolidBase<T> {
protected:
    void FinishCalculation(T AAreaOfBase1, T AAreaOfBase2, T ALateralArea, T AHeight);
};

template <class T> struct TTruncatedPyramid_Rectangle_LateralSurface {
    TIsoscelesTrapezoid<T> FaceA;
    TIsoscelesTrapezoid<T> FaceB;
    T Area;
};

template <class T> struct TTruncatedPyramid_NAngle_LateralSurface {
    TIsoscelesTrapezoid<T> Face;
    T Area;
};

template <class T> class TTruncatedCone : public TTruncatedPyramid<T> {
public:
    static TTruncatedCone<T> Create(T ARadiusOfBase1, T ARadiusOfBase2, T AHeight);

    const T& Height() const { return FHeight; }
    const TCircle<T>& Base1() const { return FBase1; }
    const TCircle<T>& Base2() const { return FBase2; }
    // The developed lateral surface: bases = the two circumferences, height = slant height.
    const TIsoscelesTrapezoid<T>& LateralSurface() const { return FLateralSurface; }
    const T& SlantHeight() const { return FSlantHeight; }

private:
    TTruncatedCone(T AHeight, TCircle<T> ABase1, TCircle<T> ABase2,
                   TIsoscelesTrapezoid<T> ALateralSurface, T ASlantHeight);

    T FHeight;
    TCircle<T> FBase1;
    TCircle<T> FBase2;
    TIsoscelesTrapezoid<T> FLateralSurface;
    T FSlantHeight;
};

template <class T> class TTruncatedPyramid_Rectangle : public TTruncatedPyramid<T> {
public:
    static TTruncatedPyramid_Rectangle<T> Create(T ASideAOfBase1, T ASideBOfBase1, T ASideAOfBase2,
                                                 T ASideBOfBase2, T AHeight);

    const T& Height() const { return FHeight; }
    const TRectangle<T>& Base1() const { return FBase1; }
    const TRectangle<T>& Base2() const { return FBase2; }
    const TTruncatedPyramid_Rectangle_LateralSurface<T>& LateralSurface() const {
        return FLateralSurface;
    }

private:
    TTruncatedPyramid_Rectangle(T AHeight, TRectangle<T> ABase1, TRectangle<T> ABase2,
                                TTruncatedPyramid_Rectangle_LateralSurface<T> ALateralSurface);

    T FHeight;
    TRectangle<T> FBase1;
    TRectangle<T> FBase2;
    TTruncatedPyramid_Rectangle_LateralSurface<T> FLateralSurface;
};

template <class T> class TTruncatedPyramid_NAngle : public TTruncatedPyramid<T> {
public:
    static TTruncatedPyramid_NAngle<T> Create(std::int32_t ANumberOfEdges, T ASideOfBase1,
                                              T ASideOfBase2, T AHeight);

    const T& Height() const { return FHeight; }
    const TNAngle<T>& Base1() const { return FBase1; }
    const TNAngle<T>& Base2() const { return FBase2; }
    const TTruncatedPyramid_NAngle_LateralSurface<T>& LateralSurface() const {
        return FLateralSurface;
    }

private:
    TTruncatedPyramid_NAngle(T AHeight, TNAngle<T> ABase1, TNAngle<T> ABase2,
                             TTruncatedPyramid_NAngle_LateralSurface<T> ALateralSurface);

    T FHeight;
    TNAngle<T> FBase1;
    TNAngle<T> FBase2;
    TTruncatedPyramid_NAngle_LateralSurface<T> FLateralSurface;
};

// --- Parts of a parent solid ------------------------------------------------------

template <class T> struct TCylindricalTank_LateralSurface {
    TRectangle<T> SurfaceAtLevel; // the free surface of the liquid
    TRectangle<T> Sleeve;         // the wetted part of the wall, developed
    T Area;
};

// The liquid in a horizontal cylindrical tank filled up to a level measured from the bottom.
template <class T> class TCylindricalTank : public TPrism<T> {
public:
    static TCylindricalTank<T> Create(T ARadiusOfSidewall, T ALevel, T ALength);

    const TCylinder<T>& ParentCylinder() const { return FParentCylinder; }
    const TSegmentOfCircle<T>& SideFace() const { return FSideFace; }
    const T& Length() const { return FLength; }
    const TCylindricalTank_LateralSurface<T>& LateralSurface() const { return FLateralSurface; }
    const T& PercentageFilling() const { return FPercentageFilling; }

private:
    TCylindricalTank(TCylinder<T> AParentCylinder, TSegmentOfCircle<T> ASideFace, T ALength,
                     TCylindricalTank_LateralSurface<T> ALateralSurface);

    TCylinder<T> FParentCylinder;
    TSegmentOfCircle<T> FSideFace;
    T FLength;
    TCylindricalTank_LateralSurface<T> FLateralSurface;
    T FPercentageFilling = T(0);
};

template <class T> class TSphericalSegment : public TSolidBase<T> {
public:
    // ARadius is the radius of the segment's base circle.
    static TSphericalSegment<T> Create(T ARadius, T AHeight);
    static TSphericalSegment<T> Create_RadiusOfSphere_Height(T ARadiusOfSphere, T AHeight);

    const TSphere<T>& ParentSphere() const { return FParentSphere; }
    const T& Height() const { return FHeight; }
    const TCircle<T>& IntersectingSurface() const { return FIntersectingSurface; }
    const T& AreaOfSphericalCap() const { return FAreaOfSphericalCap; }
    const T& PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalSegment(TSphere<T> AParentSphere, T AHeight, TCircle<T> AIntersectingSurface);

    TSphere<T> FParentSphere;
    T FHeight;
    TCircle<T> FIntersectingSurface;
    T FAreaOfSphericalCap = T(0);
    T FPercentageFilling = T(0);
};

// A spherical segment together with the cone from the sphere's centre to its base circle.
template <class T> class TSphericalSector : public TSolidBase<T> {
public:
    static TSphericalSector<T> Create(T ARadiusOfSegment, T AHeightOfSegment);

    const TSphere<T>& ParentSphere() const { return FParentSphere; }
    // Empty for a hemisphere, where the cone would have no height.
    const std::optional<TCone<T>>& Cone() const { return FCone; }
    const TSphericalSegment<T>& SphericalSegment() const { return FSphericalSegment; }
    const T& PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalSector(TSphere<T> AParentSphere, std::optional<TCone<T>> ACone,
                     TSphericalSegment<T> ASphericalSegment);

    TSphere<T> FParentSphere;
    std::optional<TCone<T>> FCone;
    TSphericalSegment<T> FSphericalSegment;
    T FPercentageFilling = T(0);
};

// The slice of a sphere between two parallel circles.
template <class T> class TSphericalFrustum : public TSolidBase<T> {
public:
    static TSphericalFrustum<T> Create(T ARadius1, T ARadius2, T AHeight);

    const TSphere<T>& ParentSphere() const { return FParentSphere; }
    const TCircle<T>& Base1() const { return FBase1; }
    const TCircle<T>& Base2() const { return FBase2; }
    const T& Height() const { return FHeight; }
    const T& AreaOfSphericalZone() const { return FAreaOfSphericalZone; }
    const T& PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalFrustum(TSphere<T> AParentSphere, TCircle<T> ABase1, TCircle<T> ABase2, T AHeight);

    TSphere<T> FParentSphere;
    TCircle<T> FBase1;
    TCircle<T> FBase2;
    T FHeight;
    T FAreaOfSphericalZone = T(0);
    T FPercentageFilling = T(0);
};

} // namespace Figures

// The solids in Extended, as the program computes them.
using TCube = Figures::TCube<Extended>;
using TBlock = Figures::TBlock<Extended>;
using TSphere = Figures::TSphere<Extended>;
using TPyramid = Figures::TPyramid<Extended>;
using TPyramid_Rectangle_LateralSurface = Figures::TPyramid_Rectangle_LateralSurface<Extended>;
using TPyramid_NAngle_LateralSurface = Figures::TPyramid_NAngle_LateralSurface<Extended>;
using TCone = Figures::TCone<Extended>;
using TPyramid_Tetrahedron = Figures::TPyramid_Tetrahedron<Extended>;
using TPyramid_Rectangle = Figures::TPyramid_Rectangle<Extended>;
using TPyramid_NAngle = Figures::TPyramid_NAngle<Extended>;
using TPrism = Figures::TPrism<Extended>;
using TPrism_Triangle_LateralSurface = Figures::TPrism_Triangle_LateralSurface<Extended>;
using TPrism_NAngle_LateralSurface = Figures::TPrism_NAngle_LateralSurface<Extended>;
using TPrism_CircularRing_LateralSurface = Figures::TPrism_CircularRing_LateralSurface<Extended>;
using TCylinder = Figures::TCylinder<Extended>;
using TPrism_Triangle = Figures::TPrism_Triangle<Extended>;
using TPrism_NAngle = Figures::TPrism_NAngle<Extended>;
using TPrism_CircularRing = Figures::TPrism_CircularRing<Extended>;
using TTruncatedPyramid = Figures::TTruncatedPyramid<Extended>;
using TTruncatedPyramid_Rectangle_LateralSurface =
    Figures::TTruncatedPyramid_Rectangle_LateralSurface<Extended>;
using TTruncatedPyramid_NAngle_LateralSurface =
    Figures::TTruncatedPyramid_NAngle_LateralSurface<Extended>;
using TTruncatedCone = Figures::TTruncatedCone<Extended>;
using TTruncatedPyramid_Rectangle = Figures::TTruncatedPyramid_Rectangle<Extended>;
using TTruncatedPyramid_NAngle = Figures::TTruncatedPyramid_NAngle<Extended>;
using TCylindricalTank_LateralSurface = Figures::TCylindricalTank_LateralSurface<Extended>;
using TCylindricalTank = Figures::TCylindricalTank<Extended>;
using TSphericalSegment = Figures::TSphericalSegment<Extended>;
using TSphericalSector = Figures::TSphericalSector<Extended>;
using TSphericalFrustum = Figures::TSphericalFrustum<Extended>;

// Built once, in SolidFigures.cpp.
extern template class Figures::TSolidFigure<Extended>;
extern template class Figures::TCube<Extended>;
extern template class Figures::TBlock<Extended>;
extern template class Figures::TSphere<Extended>;
extern template class Figures::TPyramid<Extended>;
extern template class Figures::TCone<Extended>;
extern template class Figures::TPyramid_Tetrahedron<Extended>;
extern template class Figures::TPyramid_Rectangle<Extended>;
extern template class Figures::TPyramid_NAngle<Extended>;
extern template class Figures::TPrism<Extended>;
extern template class Figures::TCylinder<Extended>;
extern template class Figures::TPrism_Triangle<Extended>;
extern template class Figures::TPrism_NAngle<Extended>;
extern template class Figures::TPrism_CircularRing<Extended>;
extern template class Figures::TTruncatedPyramid<Extended>;
extern template class Figures::TTruncatedCone<Extended>;
extern template class Figures::TTruncatedPyramid_Rectangle<Extended>;
extern template class Figures::TTruncatedPyramid_NAngle<Extended>;
extern template class Figures::TCylindricalTank<Extended>;
extern template class Figures::TSphericalSegment<Extended>;
extern template class Figures::TSphericalSector<Extended>;
extern template class Figures::TSphericalFrustum<Extended>;
