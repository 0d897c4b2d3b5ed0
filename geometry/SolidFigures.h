// The solids the program computes. Each solid is an immutable value built by a
// named constructor that checks its arguments, builds the plane figures (and
// parent solids) it consists of and computes every quantity once.
#pragma once

#include "MathFunctions.h"
#include "PlaneFigures.h"

#include <cstdint>
#include <optional>
#include <string>

class EInvalidInputSolidFigures : public EInvalidInput {
public:
    explicit EInvalidInputSolidFigures(const std::string& Msg, bool ANotFinite = false)
        : EInvalidInput("Invalid input in SolidFigures unit: ", Msg, ANotFinite) {}
};

class TSolidFigure {
public:
    virtual ~TSolidFigure() = default;

    Extended Volume() const { return FVolume; }
    Extended Area() const { return FArea; }

    // Density times volume, in whatever consistent units the caller uses.
    Extended Mass(Extended Density) const;

protected:
    TSolidFigure() = default;
    TSolidFigure(const TSolidFigure&) = default;
    TSolidFigure(TSolidFigure&&) = default;
    TSolidFigure& operator=(const TSolidFigure&) = default;
    TSolidFigure& operator=(TSolidFigure&&) = default;

    void SetVolumeAndArea(Extended AVolume, Extended AArea);

private:
    Extended FVolume = 0;
    Extended FArea = 0;
};

// --- Cube, block, sphere ------------------------------------------------------

class TCube : public TSolidFigure {
public:
    static TCube Create(Extended ASide);

    Extended Side() const { return FSide; }
    const TSquare& Face() const { return FFace; }
    Extended DiagonalOfSolid() const { return FDiagonalOfSolid; }

private:
    TCube(Extended ASide, TSquare AFace, Extended ADiagonalOfSolid);

    Extended FSide;
    TSquare FFace;
    Extended FDiagonalOfSolid;
};

class TBlock : public TSolidFigure {
public:
    static TBlock Create(Extended ASideA, Extended ASideB, Extended ASideC);

    Extended SideA() const { return FSideA; }
    Extended SideB() const { return FSideB; }
    Extended SideC() const { return FSideC; }
    const TRectangle& FaceAB() const { return FFaceAB; }
    const TRectangle& FaceBC() const { return FFaceBC; }
    const TRectangle& FaceCA() const { return FFaceCA; }
    Extended DiagonalOfSolid() const { return FDiagonalOfSolid; }

private:
    TBlock(Extended ASideA, Extended ASideB, Extended ASideC, TRectangle AFaceAB,
           TRectangle AFaceBC, TRectangle AFaceCA, Extended ADiagonalOfSolid);

    Extended FSideA;
    Extended FSideB;
    Extended FSideC;
    TRectangle FFaceAB;
    TRectangle FFaceBC;
    TRectangle FFaceCA;
    Extended FDiagonalOfSolid;
};

class TSphere : public TSolidFigure {
public:
    static TSphere Create(Extended ARadius);

    Extended Radius() const { return FRadius; }
    Extended Diameter() const { return FDiameter; }

private:
    TSphere(Extended ARadius, Extended ADiameter);

    Extended FRadius;
    Extended FDiameter;
};

// --- Pyramid family: volume = base area * height / 3 ---------------------------

class TPyramid : public TSolidFigure {
protected:
    void FinishCalculation(Extended ABaseArea, Extended ALateralArea, Extended AHeight);
};

struct TPyramid_Rectangle_LateralSurface {
    TIsoscelesTriangle FaceA;
    TIsoscelesTriangle FaceB;
    Extended Area;
};

struct TPyramid_NAngle_LateralSurface {
    TIsoscelesTriangle Face;
    Extended Area;
};

class TCone : public TPyramid {
public:
    static TCone Create(Extended ARadiusOfBase, Extended AHeight);

    Extended Height() const { return FHeight; }
    const TCircle& Base() const { return FBase; }
    // The developed lateral surface: base = the base's circumference, height = slant height.
    const TIsoscelesTriangle& LateralSurface() const { return FLateralSurface; }
    Extended SlantHeight() const { return FSlantHeight; }

private:
    TCone(Extended AHeight, TCircle ABase, TIsoscelesTriangle ALateralSurface,
          Extended ASlantHeight);

    Extended FHeight;
    TCircle FBase;
    TIsoscelesTriangle FLateralSurface;
    Extended FSlantHeight;
};

class TPyramid_Tetrahedron : public TPyramid {
public:
    static TPyramid_Tetrahedron Create(Extended ASide);

    Extended Height() const { return FHeight; }
    // One of the four equal faces; it is the base as well as a lateral face.
    const TEquilateralTriangle& Face() const { return FFace; }

private:
    TPyramid_Tetrahedron(Extended AHeight, TEquilateralTriangle AFace);

    Extended FHeight;
    TEquilateralTriangle FFace;
};

class TPyramid_Rectangle : public TPyramid {
public:
    static TPyramid_Rectangle Create(Extended ASideAOfBase, Extended ASideBOfBase,
                                     Extended AHeight);

    Extended Height() const { return FHeight; }
    const TRectangle& Base() const { return FBase; }
    const TPyramid_Rectangle_LateralSurface& LateralSurface() const { return FLateralSurface; }

private:
    TPyramid_Rectangle(Extended AHeight, TRectangle ABase,
                       TPyramid_Rectangle_LateralSurface ALateralSurface);

    Extended FHeight;
    TRectangle FBase;
    TPyramid_Rectangle_LateralSurface FLateralSurface;
};

class TPyramid_NAngle : public TPyramid {
public:
    static TPyramid_NAngle Create(std::int32_t ANumberOfEdges, Extended ASideOfBase,
                                  Extended AHeight);

    Extended Height() const { return FHeight; }
    const TNAngle& Base() const { return FBase; }
    const TPyramid_NAngle_LateralSurface& LateralSurface() const { return FLateralSurface; }

private:
    TPyramid_NAngle(Extended AHeight, TNAngle ABase,
                    TPyramid_NAngle_LateralSurface ALateralSurface);

    Extended FHeight;
    TNAngle FBase;
    TPyramid_NAngle_LateralSurface FLateralSurface;
};

// --- Prism family: volume = base area * height ---------------------------------

class TPrism : public TSolidFigure {
protected:
    void FinishCalculation(Extended ABaseArea, Extended ALateralArea, Extended AHeight);
};

struct TPrism_Triangle_LateralSurface {
    TRectangle FaceA;
    TRectangle FaceB;
    TRectangle FaceC;
    Extended Area;
};

struct TPrism_NAngle_LateralSurface {
    TRectangle Face;
    Extended Area;
};

struct TPrism_CircularRing_LateralSurface {
    TRectangle OuterFace;
    TRectangle InnerFace;
    Extended Area;
};

class TCylinder : public TPrism {
public:
    static TCylinder Create(Extended ARadiusOfBase, Extended AHeight);

    Extended Height() const { return FHeight; }
    const TCircle& Base() const { return FBase; }
    const TRectangle& LateralSurface() const { return FLateralSurface; }

private:
    TCylinder(Extended AHeight, TCircle ABase, TRectangle ALateralSurface);

    Extended FHeight;
    TCircle FBase;
    TRectangle FLateralSurface;
};

class TPrism_Triangle : public TPrism {
public:
    static TPrism_Triangle Create(Extended ASideA, Extended ASideB, Extended ASideC,
                                  Extended AHeight);

    const TTriangle& Base() const { return FBase; }
    Extended Height() const { return FHeight; }
    const TPrism_Triangle_LateralSurface& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_Triangle(TTriangle ABase, Extended AHeight,
                    TPrism_Triangle_LateralSurface ALateralSurface);

    TTriangle FBase;
    Extended FHeight;
    TPrism_Triangle_LateralSurface FLateralSurface;
};

class TPrism_NAngle : public TPrism {
public:
    static TPrism_NAngle Create(std::int32_t ANumberOfEdges, Extended ASide, Extended AHeight);

    const TNAngle& Base() const { return FBase; }
    Extended Height() const { return FHeight; }
    const TPrism_NAngle_LateralSurface& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_NAngle(TNAngle ABase, Extended AHeight, TPrism_NAngle_LateralSurface ALateralSurface);

    TNAngle FBase;
    Extended FHeight;
    TPrism_NAngle_LateralSurface FLateralSurface;
};

class TPrism_CircularRing : public TPrism {
public:
    static TPrism_CircularRing Create(Extended ARadiusOfOuterCircleOfBase,
                                      Extended ARadiusOfInnerCircleOfBase, Extended AHeight);

    const TCircularRing& Base() const { return FBase; }
    Extended Height() const { return FHeight; }
    const TPrism_CircularRing_LateralSurface& LateralSurface() const { return FLateralSurface; }

private:
    TPrism_CircularRing(TCircularRing ABase, Extended AHeight,
                        TPrism_CircularRing_LateralSurface ALateralSurface);

    TCircularRing FBase;
    Extended FHeight;
    TPrism_CircularRing_LateralSurface FLateralSurface;
};

// --- Frustums: volume = h/3 * (S1 + S2 + sqrt(S1*S2)) ----------------------------

class TTruncatedPyramid : public TSolidFigure {
protected:
    void FinishCalculation(Extended AAreaOfBase1, Extended AAreaOfBase2, Extended ALateralArea,
                           Extended AHeight);
};

struct TTruncatedPyramid_Rectangle_LateralSurface {
    TIsoscelesTrapezoid FaceA;
    TIsoscelesTrapezoid FaceB;
    Extended Area;
};

struct TTruncatedPyramid_NAngle_LateralSurface {
    TIsoscelesTrapezoid Face;
    Extended Area;
};

class TTruncatedCone : public TTruncatedPyramid {
public:
    static TTruncatedCone Create(Extended ARadiusOfBase1, Extended ARadiusOfBase2,
                                 Extended AHeight);

    Extended Height() const { return FHeight; }
    const TCircle& Base1() const { return FBase1; }
    const TCircle& Base2() const { return FBase2; }
    // The developed lateral surface: bases = the two circumferences, height = slant height.
    const TIsoscelesTrapezoid& LateralSurface() const { return FLateralSurface; }
    Extended SlantHeight() const { return FSlantHeight; }

private:
    TTruncatedCone(Extended AHeight, TCircle ABase1, TCircle ABase2,
                   TIsoscelesTrapezoid ALateralSurface, Extended ASlantHeight);

    Extended FHeight;
    TCircle FBase1;
    TCircle FBase2;
    TIsoscelesTrapezoid FLateralSurface;
    Extended FSlantHeight;
};

class TTruncatedPyramid_Rectangle : public TTruncatedPyramid {
public:
    static TTruncatedPyramid_Rectangle Create(Extended ASideAOfBase1, Extended ASideBOfBase1,
                                              Extended ASideAOfBase2, Extended ASideBOfBase2,
                                              Extended AHeight);

    Extended Height() const { return FHeight; }
    const TRectangle& Base1() const { return FBase1; }
    const TRectangle& Base2() const { return FBase2; }
    const TTruncatedPyramid_Rectangle_LateralSurface& LateralSurface() const {
        return FLateralSurface;
    }

private:
    TTruncatedPyramid_Rectangle(Extended AHeight, TRectangle ABase1, TRectangle ABase2,
                                TTruncatedPyramid_Rectangle_LateralSurface ALateralSurface);

    Extended FHeight;
    TRectangle FBase1;
    TRectangle FBase2;
    TTruncatedPyramid_Rectangle_LateralSurface FLateralSurface;
};

class TTruncatedPyramid_NAngle : public TTruncatedPyramid {
public:
    static TTruncatedPyramid_NAngle Create(std::int32_t ANumberOfEdges, Extended ASideOfBase1,
                                           Extended ASideOfBase2, Extended AHeight);

    Extended Height() const { return FHeight; }
    const TNAngle& Base1() const { return FBase1; }
    const TNAngle& Base2() const { return FBase2; }
    const TTruncatedPyramid_NAngle_LateralSurface& LateralSurface() const {
        return FLateralSurface;
    }

private:
    TTruncatedPyramid_NAngle(Extended AHeight, TNAngle ABase1, TNAngle ABase2,
                             TTruncatedPyramid_NAngle_LateralSurface ALateralSurface);

    Extended FHeight;
    TNAngle FBase1;
    TNAngle FBase2;
    TTruncatedPyramid_NAngle_LateralSurface FLateralSurface;
};

// --- Parts of a parent solid ------------------------------------------------------

struct TCylindricalTank_LateralSurface {
    TRectangle SurfaceAtLevel; // the free surface of the liquid
    TRectangle Sleeve;         // the wetted part of the wall, developed
    Extended Area;
};

// The liquid in a horizontal cylindrical tank filled up to a level measured from the bottom.
class TCylindricalTank : public TPrism {
public:
    static TCylindricalTank Create(Extended ARadiusOfSidewall, Extended ALevel, Extended ALength);

    const TCylinder& ParentCylinder() const { return FParentCylinder; }
    const TSegmentOfCircle& SideFace() const { return FSideFace; }
    Extended Length() const { return FLength; }
    const TCylindricalTank_LateralSurface& LateralSurface() const { return FLateralSurface; }
    Extended PercentageFilling() const { return FPercentageFilling; }

private:
    TCylindricalTank(TCylinder AParentCylinder, TSegmentOfCircle ASideFace, Extended ALength,
                     TCylindricalTank_LateralSurface ALateralSurface);

    TCylinder FParentCylinder;
    TSegmentOfCircle FSideFace;
    Extended FLength;
    TCylindricalTank_LateralSurface FLateralSurface;
    Extended FPercentageFilling = 0;
};

class TSphericalSegment : public TSolidFigure {
public:
    // ARadius is the radius of the segment's base circle.
    static TSphericalSegment Create(Extended ARadius, Extended AHeight);
    static TSphericalSegment Create_RadiusOfSphere_Height(Extended ARadiusOfSphere,
                                                          Extended AHeight);

    const TSphere& ParentSphere() const { return FParentSphere; }
    Extended Height() const { return FHeight; }
    const TCircle& IntersectingSurface() const { return FIntersectingSurface; }
    Extended AreaOfSphericalCap() const { return FAreaOfSphericalCap; }
    Extended PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalSegment(TSphere AParentSphere, Extended AHeight, TCircle AIntersectingSurface);

    TSphere FParentSphere;
    Extended FHeight;
    TCircle FIntersectingSurface;
    Extended FAreaOfSphericalCap = 0;
    Extended FPercentageFilling = 0;
};

// A spherical segment together with the cone from the sphere's centre to its base circle.
class TSphericalSector : public TSolidFigure {
public:
    static TSphericalSector Create(Extended ARadiusOfSegment, Extended AHeightOfSegment);

    const TSphere& ParentSphere() const { return FParentSphere; }
    // Empty for a hemisphere, where the cone would have no height.
    const std::optional<TCone>& Cone() const { return FCone; }
    const TSphericalSegment& SphericalSegment() const { return FSphericalSegment; }
    Extended PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalSector(TSphere AParentSphere, std::optional<TCone> ACone,
                     TSphericalSegment ASphericalSegment);

    TSphere FParentSphere;
    std::optional<TCone> FCone;
    TSphericalSegment FSphericalSegment;
    Extended FPercentageFilling = 0;
};

// The slice of a sphere between two parallel circles.
class TSphericalFrustum : public TSolidFigure {
public:
    static TSphericalFrustum Create(Extended ARadius1, Extended ARadius2, Extended AHeight);

    const TSphere& ParentSphere() const { return FParentSphere; }
    const TCircle& Base1() const { return FBase1; }
    const TCircle& Base2() const { return FBase2; }
    Extended Height() const { return FHeight; }
    Extended AreaOfSphericalZone() const { return FAreaOfSphericalZone; }
    Extended PercentageFilling() const { return FPercentageFilling; }

private:
    TSphericalFrustum(TSphere AParentSphere, TCircle ABase1, TCircle ABase2, Extended AHeight);

    TSphere FParentSphere;
    TCircle FBase1;
    TCircle FBase2;
    Extended FHeight;
    Extended FAreaOfSphericalZone = 0;
    Extended FPercentageFilling = 0;
};
