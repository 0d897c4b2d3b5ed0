// The solids the program computes. Each solid is an immutable value built by a
// named constructor that checks its arguments, builds the plane figures (and
// parent solids) it consists of and computes every quantity once.
#pragma once

#include "MathFunctions.h"
#include "PlaneFigures.h"

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
