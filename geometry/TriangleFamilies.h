// The isosceles and the equilateral triangle built from quantities other than
// their sides: the rest of the two families whose members the solids use
// (TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase and
// Create_Base_VertexAngle, TEquilateralTriangle::Create_Side). Each member
// follows the rules of PlaneFigures.h and names its errors as a member of the
// triangle class ("TIsoscelesTriangle.Create_Base_BaseAngle").
#pragma once

#include "PlaneFigures.h"

// The members with a SecondSolution parameter return there a second triangle
// with the same two quantities, or nothing when there is only one (also when
// they raise).
struct TIsoscelesTriangleFamily {
    static TIsoscelesTriangle Create_Base_BaseAngle(Extended ABase, Extended ABaseAngle);
    static TIsoscelesTriangle Create_Base_HeightOnLeg(Extended ABase, Extended AHeightOnLeg);
    static TIsoscelesTriangle Create_Base_MedianOnLeg(Extended ABase, Extended AMedianOnLeg);
    static TIsoscelesTriangle Create_Base_Area(Extended ABase, Extended AArea);
    static TIsoscelesTriangle Create_Base_Circumference(Extended ABase, Extended ACircumference);
    static TIsoscelesTriangle Create_Leg_BaseAngle(Extended ALeg, Extended ABaseAngle);
    static TIsoscelesTriangle Create_Leg_VertexAngle(Extended ALeg, Extended AVertexAngle);
    static TIsoscelesTriangle Create_Leg_HeightOrMedianOnBase(Extended ALeg,
                                                              Extended AHeightOrMedianOnBase);
    static TIsoscelesTriangle Create_Leg_HeightOnLeg(Extended ALeg, Extended AHeightOnLeg,
                                                     TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle Create_Leg_MedianOnLeg(Extended Leg, Extended MedianOnLeg);
    static TIsoscelesTriangle Create_Leg_Area(Extended Leg, Extended Area,
                                              TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle Create_Leg_Circumference(Extended Leg, Extended Circumference);
    static TIsoscelesTriangle Create_BaseAngle_HeightOrMedianOnBase(Extended BaseAngle,
                                                                    Extended HeightOrMedianOnBase);
    static TIsoscelesTriangle Create_BaseAngle_HeightOnLeg(Extended BaseAngle,
                                                           Extended HeightOnLeg);
    static TIsoscelesTriangle Create_BaseAngle_MedianOnLeg(Extended BaseAngle,
                                                           Extended MedianOnLeg);
    static TIsoscelesTriangle Create_BaseAngle_Area(Extended BaseAngle, Extended Area);
    static TIsoscelesTriangle Create_BaseAngle_Circumference(Extended BaseAngle,
                                                             Extended Circumference);
    static TIsoscelesTriangle
    Create_VertexAngle_HeightOrMedianOnBase(Extended VertexAngle, Extended HeightOrMedianOnBase);
    static TIsoscelesTriangle Create_VertexAngle_HeightOnLeg(Extended VertexAngle,
                                                             Extended HeightOnLeg);
    static TIsoscelesTriangle Create_VertexAngle_MedianOnLeg(Extended VertexAngle,
                                                             Extended MedianOnLeg);
    static TIsoscelesTriangle Create_VertexAngle_Area(Extended VertexAngle, Extended Area);
    static TIsoscelesTriangle Create_VertexAngle_Circumference(Extended VertexAngle,
                                                               Extended Circumference);
    static TIsoscelesTriangle Create_HeightOrMedianOnBase_HeightOnLeg(Extended HeightOrMedianOnBase,
                                                                      Extended HeightOnLeg);
    static TIsoscelesTriangle Create_HeightOrMedianOnBase_MedianOnLeg(Extended HeightOrMedianOnBase,
                                                                      Extended MedianOnLeg);
    static TIsoscelesTriangle Create_HeightOrMedianOnBase_Area(Extended HeightOrMedianOnBase,
                                                               Extended Area);
    static TIsoscelesTriangle
    Create_HeightOrMedianOnBase_Circumference(Extended HeightOrMedianOnBase,
                                              Extended Circumference);
    static TIsoscelesTriangle
    Create_HeightOnLeg_MedianOnLeg(Extended HeightOnLeg, Extended MedianOnLeg,
                                   TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle Create_HeightOnLeg_Area(Extended HeightOnLeg, Extended Area,
                                                      TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle
    Create_HeightOnLeg_Circumference(Extended HeightOnLeg, Extended Circumference,
                                     TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle Create_MedianOnLeg_Area(Extended MedianOnLeg, Extended Area,
                                                      TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle
    Create_MedianOnLeg_Circumference(Extended MedianOnLeg, Extended Circumference,
                                     TIsoscelesTriangle::TSecond& SecondSolution);
    static TIsoscelesTriangle
    Create_Area_Circumference(Extended Area, Extended Circumference,
                              TIsoscelesTriangle::TSecond& SecondSolution);
};

struct TEquilateralTriangleFamily {
    static TEquilateralTriangle Create_HeightOrMedian(Extended AHeightOrMedian);
    static TEquilateralTriangle Create_Area(Extended AArea);
    static TEquilateralTriangle Create_Circumference(Extended ACircumference);
};
