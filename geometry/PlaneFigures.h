// Plane figures: faces, bases and lateral surfaces of the solids. Each figure
// is an immutable value built by a named constructor that checks its input
// and computes every quantity once.
//
// Construction: all fields start at 0; a constructor checks its arguments
// first (raising EInvalidInputPlaneFigures with its own name), stores the
// quantities it was given, then runs the main constructor on the same object,
// which computes each derived field only while it is still 0. A given
// quantity is thus kept exactly as supplied. A figure whose quantities would
// not all be finite and positive (an overflow, say) is rejected under the
// name of the constructor that was called, as if its check had failed.
// Owned sub-figures are members held by value.
#pragma once

#include "MathFunctions.h"

#include <optional>

class EInvalidInputPlaneFigures : public EInvalidInput {
public:
    explicit EInvalidInputPlaneFigures(const std::string& Msg, bool ANotFinite = false)
        : EInvalidInput("Invalid input in PlaneFigures unit: ", Msg, ANotFinite) {}
};

class TPlaneFigure {
public:
    Extended Area() const { return FArea; }
    // The perimeter.
    Extended Circumference() const { return FCircumference; }

protected:
    TPlaneFigure() = default;

    Extended FArea = 0;
    Extended FCircumference = 0;
};

class TCircle : public TPlaneFigure {
public:
    static TCircle Create(Extended ARadius);
    static TCircle Create_Area(Extended AArea);
    static TCircle Create_Circumference(Extended ACircumference);

    Extended Radius() const { return FRadius; }

private:
    TCircle() = default;
    void Build(Extended ARadius);
    void Finish(const char* AOperation) const;

    Extended FRadius = 0;
};

class TSquare : public TPlaneFigure {
public:
    static TSquare Create(Extended ASide);
    static TSquare Create_Diagonal(Extended ADiagonal);
    static TSquare Create_Area(Extended AArea);
    static TSquare Create_Circumference(Extended ACircumference);

    Extended Side() const { return FSide; }
    Extended Diagonal() const { return FDiagonal; }

private:
    TSquare() = default;
    void Build(Extended ASide);
    void Finish(const char* AOperation) const;

    Extended FSide = 0;
    Extended FDiagonal = 0;
};

class TRectangle : public TPlaneFigure {
public:
    static TRectangle Create(Extended ASideA, Extended ASideB);
    static TRectangle Create_Side_Diagonal(Extended ASideA, Extended ADiagonal);
    static TRectangle Create_Side_Area(Extended ASideA, Extended AArea);
    static TRectangle Create_Side_Circumference(Extended ASideA, Extended ACircumference);
    // The sides of the next three come from an equation; SideA is the longer.
    static TRectangle Create_Diagonal_Area(Extended ADiagonal, Extended AArea);
    static TRectangle Create_Diagonal_Circumference(Extended ADiagonal, Extended ACircumference);
    static TRectangle Create_Area_Circumference(Extended AArea, Extended ACircumference);

    Extended SideA() const { return FSideA; }
    Extended SideB() const { return FSideB; }
    Extended Diagonal() const { return FDiagonal; }

private:
    TRectangle() = default;
    void Build(Extended ASideA, Extended ASideB);
    void Finish(const char* AOperation) const;

    Extended FSideA = 0;
    Extended FSideB = 0;
    Extended FDiagonal = 0;
};

// ---- Triangles (implemented in Triangles.cpp) -----------------------------------

enum TTriangle_SideType : std::uint8_t { tstScalene = 0, tstIsosceles = 1, tstEquilateral = 2 };
enum TTriangle_AngleType : std::uint8_t { tatAcute = 0, tatObtuse = 1, tatRight = 2 };

// Every quantity of a triangle from its three sides; the classes below publish
// different views of it. Angles are in radians; angle alpha, height a and
// median a belong to side a, and so on.
class TCustomTriangle : public TPlaneFigure {
protected:
    TCustomTriangle() = default;
    // The main constructor, run on this object.
    void InitCustom(Extended ASideA, Extended ASideB, Extended ASideC);
    // Rejects, as AOperation, a triangle with a quantity that is not finite and positive.
    void Finish(const std::string& AOperation) const;

    Extended FSideA = 0;
    Extended FSideB = 0;
    Extended FSideC = 0;
    Extended FAngleAlpha = 0;
    Extended FAngleBeta = 0;
    Extended FAngleGamma = 0;
    Extended FHeightA = 0;
    Extended FHeightB = 0;
    Extended FHeightC = 0;
    Extended FMedianA = 0;
    Extended FMedianB = 0;
    Extended FMedianC = 0;
    TTriangle_SideType FSideType = tstScalene;
    TTriangle_AngleType FAngleType = tatAcute;
};

class TTriangle : public TCustomTriangle {
public:
    // Errors are named "TCustomTriangle.Create", the constructor it runs.
    static TTriangle Create(Extended ASideA, Extended ASideB, Extended ASideC);

    Extended SideA() const { return FSideA; }
    Extended SideB() const { return FSideB; }
    Extended SideC() const { return FSideC; }
    Extended AngleAlpha() const { return FAngleAlpha; }
    Extended AngleBeta() const { return FAngleBeta; }
    Extended AngleGamma() const { return FAngleGamma; }
    Extended HeightA() const { return FHeightA; }
    Extended HeightB() const { return FHeightB; }
    Extended HeightC() const { return FHeightC; }
    Extended MedianA() const { return FMedianA; }
    Extended MedianB() const { return FMedianB; }
    Extended MedianC() const { return FMedianC; }
    TTriangle_SideType SideType() const { return FSideType; }
    TTriangle_AngleType AngleType() const { return FAngleType; }

private:
    TTriangle() = default;
};

// Stored with a = b = leg and c = base; alpha = beta = base angle, gamma =
// vertex angle. Built from its base and leg, or from the base and the height on
// it or the vertex angle (the lateral faces of cones and pyramids, the partial
// triangle of a regular polygon); TIsoscelesTriangleFamily (TriangleFamilies.h)
// builds it from any other two of its quantities.
class TIsoscelesTriangle : public TCustomTriangle {
public:
    using TSecond = std::optional<TIsoscelesTriangle>;

    static TIsoscelesTriangle Create(Extended ABase, Extended ALeg);
    static TIsoscelesTriangle Create_Base_VertexAngle(Extended ABase, Extended AVertexAngle);
    static TIsoscelesTriangle Create_Base_HeightOrMedianOnBase(Extended ABase,
                                                               Extended AHeightOrMedianOnBase);

    Extended Base() const { return FSideC; }
    Extended Leg() const { return FSideA; }
    Extended BaseAngle() const { return FAngleAlpha; }
    Extended VertexAngle() const { return FAngleGamma; }
    Extended HeightOrMedianOnBase() const { return FHeightC; }
    Extended HeightOnLeg() const { return FHeightA; }
    Extended MedianOnLeg() const { return FMedianA; }
    TTriangle_AngleType AngleType() const { return FAngleType; }
    // Always tstIsosceles, also for a triangle equilateral in shape.
    TTriangle_SideType SideType() const { return FSideType; }

private:
    friend struct TIsoscelesTriangleBuilder; // the family of TriangleFamilies.h

    TIsoscelesTriangle() = default;

    // Builds a triangle with AInit and rejects a result that is not finite
    // under the member's name.
    template <class TInit> static TIsoscelesTriangle Make(const char* AMember, TInit&& AInit);

    // Each member run on this object: its checks, its presets, then the member it relies on.
    void Init(Extended ABase, Extended ALeg);
    // ACosBaseAngle, when not 0, is the cosine of the base angle known more
    // exactly than the cosine of the rounded angle (from half a given vertex angle).
    void Init_Base_BaseAngle(Extended ABase, Extended ABaseAngle, Extended ACosBaseAngle = 0);
    void Init_Base_VertexAngle(Extended ABase, Extended AVertexAngle);
    void Init_Base_HeightOrMedianOnBase(Extended ABase, Extended AHeightOrMedianOnBase);
};

// Errors of a side that is not positive are named "TCustomTriangle.Create".
// TEquilateralTriangleFamily (TriangleFamilies.h) builds it from its height, area or perimeter.
class TEquilateralTriangle : public TCustomTriangle {
public:
    static TEquilateralTriangle Create_Side(Extended ASide);

    Extended Side() const { return FSideA; }
    Extended HeightOrMedian() const { return FHeightA; }

private:
    friend struct TIsoscelesTriangleBuilder; // TEquilateralTriangleFamily's members

    TEquilateralTriangle() = default;
    template <class TInit> static TEquilateralTriangle Make(const char* AMember, TInit&& AInit);
    void Init_Side(Extended ASide);
};

// ---- Other plane figures ----------------------------------------------------------

// Bases a and c are parallel; b and d are the legs. The angles and diagonals
// are not computed by any constructor and stay 0.
class TTrapezoid : public TPlaneFigure {
public:
    static TTrapezoid Create(Extended ABaseA, Extended ABaseC, Extended ALegB, Extended ALegD);

    Extended BaseA() const { return FBaseA; }
    Extended BaseC() const { return FBaseC; }
    Extended LegB() const { return FLegB; }
    Extended LegD() const { return FLegD; }
    Extended AngleAlpha() const { return FAngleAlpha; }
    Extended AngleBeta() const { return FAngleBeta; }
    Extended AngleGamma() const { return FAngleGamma; }
    Extended AngleDelta() const { return FAngleDelta; }
    Extended Height() const { return FHeight; }
    Extended DiagonalP() const { return FDiagonalP; }
    Extended DiagonalQ() const { return FDiagonalQ; }

protected:
    TTrapezoid() = default;
    // The main constructor, run on this object.
    void InitTrapezoid(Extended ABaseA, Extended ABaseC, Extended ALegB, Extended ALegD);
    void Finish(const std::string& AOperation) const;

    Extended FBaseA = 0;
    Extended FBaseC = 0;
    Extended FLegB = 0;
    Extended FLegD = 0;
    Extended FAngleAlpha = 0;
    Extended FAngleBeta = 0;
    Extended FAngleGamma = 0;
    Extended FAngleDelta = 0;
    Extended FHeight = 0;
    Extended FDiagonalP = 0;
    Extended FDiagonalQ = 0;
};

class TIsoscelesTrapezoid : public TTrapezoid {
public:
    static TIsoscelesTrapezoid Create_Bases_Leg(Extended ABaseA, Extended ABaseC, Extended ALeg);
    static TIsoscelesTrapezoid Create_Bases_Height(Extended ABaseA, Extended ABaseC,
                                                   Extended AHeight);

private:
    TIsoscelesTrapezoid() = default;
    void Init_Bases_Leg(Extended ABaseA, Extended ABaseC, Extended ALeg);
};

// A regular polygon. Its partial triangle joins the centre with one side:
// base = side, legs = circumradius, height on the base = apothem.
class TNAngle : public TPlaneFigure {
public:
    static TNAngle Create(std::int32_t ANumberOfEdges, Extended ASide);

    std::int32_t NumberOfEdges() const { return FNumberOfEdges; }
    Extended Side() const { return FSide; }
    const TIsoscelesTriangle& PartialTriangle() const { return FPartialTriangle; }

private:
    TNAngle(std::int32_t ANumberOfEdges, Extended ASide, TIsoscelesTriangle APartialTriangle);

    std::int32_t FNumberOfEdges = 0;
    Extended FSide = 0;
    TIsoscelesTriangle FPartialTriangle;
};

// The part of a disc cut off by a chord, Height being the distance from the
// chord to the arc.
class TSegmentOfCircle : public TPlaneFigure {
public:
    static TSegmentOfCircle Create(Extended ARadiusOfCircle, Extended AHeight);

    const TCircle& Circle() const { return FCircle; }
    Extended Height() const { return FHeight; }
    Extended Arc() const { return FArc; }
    Extended Chord() const { return FChord; }
    Extended CentralAngle() const { return FCentralAngle; }

private:
    TSegmentOfCircle(TCircle ACircle, Extended AHeight);

    TCircle FCircle;
    Extended FHeight = 0;
    Extended FArc = 0;
    Extended FChord = 0;
    Extended FCentralAngle = 0;
};

// The annulus between two concentric circles; its circumference is the sum of
// both circles' perimeters.
class TCircularRing : public TPlaneFigure {
public:
    static TCircularRing Create(Extended ARadiusOfOuterCircle, Extended ARadiusOfInnerCircle);

    const TCircle& OuterCircle() const { return FOuterCircle; }
    const TCircle& InnerCircle() const { return FInnerCircle; }

private:
    TCircularRing(TCircle AOuterCircle, TCircle AInnerCircle);

    TCircle FOuterCircle;
    TCircle FInnerCircle;
};
