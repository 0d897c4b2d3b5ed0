// Plane figures: faces, bases and lateral surfaces of the solids. Each figure
// is an immutable value built by a named constructor that checks its input
// and computes every quantity once.
//
// Construction: all fields start at 0; a constructor checks its arguments
// first (raising EInvalidInputPlaneFigures with its own name), stores the
// quantities it was given, then runs the main constructor on the same object,
// which computes each derived field only while it is still 0. A given
// quantity is thus kept exactly as supplied.
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
