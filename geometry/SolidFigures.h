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

// --- Frustums: volume = h/3 * (S1 + S2 + sqrt(S1*S2)) ----------------------------

class TTruncatedPyramid : public TSolidFigure {
protected:
    void FinishCalculation(Extended AAreaOfBase1, Extended AAreaOfBase2, Extended ALateralArea,
                           Extended AHeight);
};

// --- Parts of a parent solid ------------------------------------------------------

struct TCylindricalTank_LateralSurface {
    TRectangle SurfaceAtLevel; // the free surface of the liquid
    TRectangle Sleeve;         // the wetted part of the wall, developed
    Extended Area;
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
