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
//
// The figures are templates on their number type (Numbers.h); TCircle and the
// other names without a namespace are the figures in Extended.
#pragma once

#include "MathFunctions.h"

#include <optional>

class EInvalidInputPlaneFigures : public EInvalidInput {
public:
    explicit EInvalidInputPlaneFigures(const std::string& Msg, bool ANotFinite = false)
        : EInvalidInput("Invalid input in PlaneFigures unit: ", Msg, ANotFinite) {}
};

enum TTriangle_SideType : std::uint8_t { tstScalene = 0, tstIsosceles = 1, tstEquilateral = 2 };
enum TTriangle_AngleType : std::uint8_t { tatAcute = 0, tatObtuse = 1, tatRight = 2 };

// Builds the members of TriangleFamilies.h on the triangle classes.
struct TIsoscelesTriangleBuilder;

namespace Figures {

[[noreturn]] inline void RejectPlaneFigures(const std::string& AOperation) {
    throw EInvalidInputPlaneFigures(AOperation);
}

template <class T> class TPlaneFigure {
public:
    const T& Area() const { return FArea; }
    // The perimeter.
    const T& Circumference() const { return FCircumference; }

protected:
    TPlaneFigure() = default;

    T FArea = T(0);
    T FCircumference = T(0);
};

template <class T> class TCircle : public TPlaneFigure<T> {
public:
    static TCircle<T> Create(T ARadius);
    static TCircle<T> Create_Area(T AArea);
    static TCircle<T> Create_Circumference(T ACircumference);

    const T& Radius() const { return FRadius; }

private:
    TCircle() = default;
    void Build(T ARadius);
    void Finish(const char* AOperation) const;

    T FRadius = T(0);

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

template <class T> class TSquare : public TPlaneFigure<T> {
public:
    static TSquare<T> Create(T ASide);
    static TSquare<T> Create_Diagonal(T ADiagonal);
    static TSquare<T> Create_Area(T AArea);
    static TSquare<T> Create_Circumference(T ACircumference);

    const T& Side() const { return FSide; }
    const T& Diagonal() const { return FDiagonal; }

private:
    TSquare() = default;
    void Build(T ASide);
    void Finish(const char* AOperation) const;

    T FSide = T(0);
    T FDiagonal = T(0);

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

template <class T> class TRectangle : public TPlaneFigure<T> {
public:
    static TRectangle<T> Create(T ASideA, T ASideB);
    static TRectangle<T> Create_Side_Diagonal(T ASideA, T ADiagonal);
    static TRectangle<T> Create_Side_Area(T ASideA, T AArea);
    static TRectangle<T> Create_Side_Circumference(T ASideA, T ACircumference);
    // The sides of the next three come from an equation; SideA is the longer.
    static TRectangle<T> Create_Diagonal_Area(T ADiagonal, T AArea);
    static TRectangle<T> Create_Diagonal_Circumference(T ADiagonal, T ACircumference);
    static TRectangle<T> Create_Area_Circumference(T AArea, T ACircumference);

    const T& SideA() const { return FSideA; }
    const T& SideB() const { return FSideB; }
    const T& Diagonal() const { return FDiagonal; }

private:
    TRectangle() = default;
    void Build(T ASideA, T ASideB);
    void Finish(const char* AOperation) const;

    T FSideA = T(0);
    T FSideB = T(0);
    T FDiagonal = T(0);

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

// ---- Triangles (implemented in TrianglesImpl.h) ---------------------------------

// Every quantity of a triangle from its three sides; the classes below publish
// different views of it. Angles are in radians; angle alpha, height a and
// median a belong to side a, and so on.
template <class T> class TCustomTriangle : public TPlaneFigure<T> {
protected:
    TCustomTriangle() = default;
    // The main constructor, run on this object.
    void InitCustom(T ASideA, T ASideB, T ASideC);
    // Rejects, as AOperation, a triangle with a quantity that is not finite and positive.
    void Finish(const std::string& AOperation) const;
    // The side and angle types from the 15-digit texts of the sides and angles
    // (Extended only).
    void Classify();

    T FSideA = T(0);
    T FSideB = T(0);
    T FSideC = T(0);
    T FAngleAlpha = T(0);
    T FAngleBeta = T(0);
    T FAngleGamma = T(0);
    T FHeightA = T(0);
    T FHeightB = T(0);
    T FHeightC = T(0);
    T FMedianA = T(0);
    T FMedianB = T(0);
    T FMedianC = T(0);
    TTriangle_SideType FSideType = tstScalene;
    TTriangle_AngleType FAngleType = tatAcute;

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

template <class T> class TTriangle : public TCustomTriangle<T> {
public:
    // Errors are named "TCustomTriangle.Create", the constructor it runs.
    static TTriangle<T> Create(T ASideA, T ASideB, T ASideC);

    const T& SideA() const { return FSideA; }
    const T& SideB() const { return FSideB; }
    const T& SideC() const { return FSideC; }
    const T& AngleAlpha() const { return FAngleAlpha; }
    const T& AngleBeta() const { return FAngleBeta; }
    const T& AngleGamma() const { return FAngleGamma; }
    const T& HeightA() const { return FHeightA; }
    const T& HeightB() const { return FHeightB; }
    const T& HeightC() const { return FHeightC; }
    const T& MedianA() const { return FMedianA; }
    const T& MedianB() const { return FMedianB; }
    const T& MedianC() const { return FMedianC; }
    TTriangle_SideType SideType() const { return FSideType; }
    TTriangle_AngleType AngleType() const { return FAngleType; }

private:
    TTriangle() = default;

protected:
    using TCustomTriangle<T>::FArea;
    using TCustomTriangle<T>::FCircumference;
    using TCustomTriangle<T>::FSideA;
    using TCustomTriangle<T>::FSideB;
    using TCustomTriangle<T>::FSideC;
    using TCustomTriangle<T>::FAngleAlpha;
    using TCustomTriangle<T>::FAngleBeta;
    using TCustomTriangle<T>::FAngleGamma;
    using TCustomTriangle<T>::FHeightA;
    using TCustomTriangle<T>::FHeightB;
    using TCustomTriangle<T>::FHeightC;
    using TCustomTriangle<T>::FMedianA;
    using TCustomTriangle<T>::FMedianB;
    using TCustomTriangle<T>::FMedianC;
    using TCustomTriangle<T>::FSideType;
    using TCustomTriangle<T>::FAngleType;
    using TCustomTriangle<T>::InitCustom;
    using TCustomTriangle<T>::Finish;
};

// Stored with a = b = leg and c = base; alpha = beta = base angle, gamma =
// vertex angle. Built from its base and leg, or from the base and the height on
// it or the vertex angle (the lateral faces of cones and pyramids, the partial
// triangle of a regular polygon); TIsoscelesTriangleFamily (TriangleFamilies.h)
// builds it from any other two of its quantities.
template <class T> class TIsoscelesTriangle : public TCustomTriangle<T> {
public:
    using TSecond = std::optional<TIsoscelesTriangle>;

    static TIsoscelesTriangle<T> Create(T ABase, T ALeg);
    static TIsoscelesTriangle<T> Create_Base_VertexAngle(T ABase, T AVertexAngle);
    static TIsoscelesTriangle<T> Create_Base_HeightOrMedianOnBase(T ABase, T AHeightOrMedianOnBase);

    const T& Base() const { return FSideC; }
    const T& Leg() const { return FSideA; }
    const T& BaseAngle() const { return FAngleAlpha; }
    const T& VertexAngle() const { return FAngleGamma; }
    const T& HeightOrMedianOnBase() const { return FHeightC; }
    const T& HeightOnLeg() const { return FHeightA; }
    const T& MedianOnLeg() const { return FMedianA; }
    TTriangle_AngleType AngleType() const { return FAngleType; }
    // Always tstIsosceles, also for a triangle equilateral in shape.
    TTriangle_SideType SideType() const { return FSideType; }

private:
    friend struct ::TIsoscelesTriangleBuilder; // the family of TriangleFamilies.h

    TIsoscelesTriangle() = default;

    // Builds a triangle with AInit and rejects a result that is not finite
    // under the member's name.
    template <class TInit> static TIsoscelesTriangle<T> Make(const char* AMember, TInit&& AInit);

    // Each member run on this object: its checks, its presets, then the member it relies on.
    void Init(T ABase, T ALeg);
    // ACosBaseAngle, when not 0, is the cosine of the base angle known more
    // exactly than the cosine of the rounded angle (from half a given vertex angle).
    void Init_Base_BaseAngle(T ABase, T ABaseAngle, T ACosBaseAngle = T(0));
    void Init_Base_VertexAngle(T ABase, T AVertexAngle);
    void Init_Base_HeightOrMedianOnBase(T ABase, T AHeightOrMedianOnBase);

protected:
    using TCustomTriangle<T>::FArea;
    using TCustomTriangle<T>::FCircumference;
    using TCustomTriangle<T>::FSideA;
    using TCustomTriangle<T>::FSideB;
    using TCustomTriangle<T>::FSideC;
    using TCustomTriangle<T>::FAngleAlpha;
    using TCustomTriangle<T>::FAngleBeta;
    using TCustomTriangle<T>::FAngleGamma;
    using TCustomTriangle<T>::FHeightA;
    using TCustomTriangle<T>::FHeightB;
    using TCustomTriangle<T>::FHeightC;
    using TCustomTriangle<T>::FMedianA;
    using TCustomTriangle<T>::FMedianB;
    using TCustomTriangle<T>::FMedianC;
    using TCustomTriangle<T>::FSideType;
    using TCustomTriangle<T>::FAngleType;
    using TCustomTriangle<T>::InitCustom;
    using TCustomTriangle<T>::Finish;
};

// Errors of a side that is not positive are named "TCustomTriangle.Create".
// TEquilateralTriangleFamily (TriangleFamilies.h) builds it from its height, area or perimeter.
template <class T> class TEquilateralTriangle : public TCustomTriangle<T> {
public:
    static TEquilateralTriangle<T> Create_Side(T ASide);

    const T& Side() const { return FSideA; }
    const T& HeightOrMedian() const { return FHeightA; }

private:
    friend struct ::TIsoscelesTriangleBuilder; // TEquilateralTriangleFamily's members

    TEquilateralTriangle() = default;
    template <class TInit> static TEquilateralTriangle<T> Make(const char* AMember, TInit&& AInit);
    void Init_Side(T ASide);

protected:
    using TCustomTriangle<T>::FArea;
    using TCustomTriangle<T>::FCircumference;
    using TCustomTriangle<T>::FSideA;
    using TCustomTriangle<T>::FSideB;
    using TCustomTriangle<T>::FSideC;
    using TCustomTriangle<T>::FAngleAlpha;
    using TCustomTriangle<T>::FAngleBeta;
    using TCustomTriangle<T>::FAngleGamma;
    using TCustomTriangle<T>::FHeightA;
    using TCustomTriangle<T>::FHeightB;
    using TCustomTriangle<T>::FHeightC;
    using TCustomTriangle<T>::FMedianA;
    using TCustomTriangle<T>::FMedianB;
    using TCustomTriangle<T>::FMedianC;
    using TCustomTriangle<T>::FSideType;
    using TCustomTriangle<T>::FAngleType;
    using TCustomTriangle<T>::InitCustom;
    using TCustomTriangle<T>::Finish;
};

// ---- Other plane figures ----------------------------------------------------------

// Bases a and c are parallel; b and d are the legs. The angles and diagonals
// are not computed by any constructor and stay 0.
template <class T> class TTrapezoid : public TPlaneFigure<T> {
public:
    static TTrapezoid<T> Create(T ABaseA, T ABaseC, T ALegB, T ALegD);

    const T& BaseA() const { return FBaseA; }
    const T& BaseC() const { return FBaseC; }
    const T& LegB() const { return FLegB; }
    const T& LegD() const { return FLegD; }
    const T& AngleAlpha() const { return FAngleAlpha; }
    const T& AngleBeta() const { return FAngleBeta; }
    const T& AngleGamma() const { return FAngleGamma; }
    const T& AngleDelta() const { return FAngleDelta; }
    const T& Height() const { return FHeight; }
    const T& DiagonalP() const { return FDiagonalP; }
    const T& DiagonalQ() const { return FDiagonalQ; }

protected:
    TTrapezoid() = default;
    // The main constructor, run on this object. AEqualLegs tells legs that are
    // one length (the isosceles trapezoid) from legs that differ.
    void InitTrapezoid(T ABaseA, T ABaseC, T ALegB, T ALegD, bool AEqualLegs);
    void Finish(const std::string& AOperation) const;

    T FBaseA = T(0);
    T FBaseC = T(0);
    T FLegB = T(0);
    T FLegD = T(0);
    T FAngleAlpha = T(0);
    T FAngleBeta = T(0);
    T FAngleGamma = T(0);
    T FAngleDelta = T(0);
    T FHeight = T(0);
    T FDiagonalP = T(0);
    T FDiagonalQ = T(0);

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

template <class T> class TIsoscelesTrapezoid : public TTrapezoid<T> {
public:
    static TIsoscelesTrapezoid<T> Create_Bases_Leg(T ABaseA, T ABaseC, T ALeg);
    static TIsoscelesTrapezoid<T> Create_Bases_Height(T ABaseA, T ABaseC, T AHeight);

private:
    TIsoscelesTrapezoid() = default;
    void Init_Bases_Leg(T ABaseA, T ABaseC, T ALeg);

protected:
    using TTrapezoid<T>::FArea;
    using TTrapezoid<T>::FCircumference;
    using TTrapezoid<T>::FBaseA;
    using TTrapezoid<T>::FBaseC;
    using TTrapezoid<T>::FLegB;
    using TTrapezoid<T>::FLegD;
    using TTrapezoid<T>::FHeight;
    using TTrapezoid<T>::InitTrapezoid;
    using TTrapezoid<T>::Finish;
};

// A regular polygon. Its partial triangle joins the centre with one side:
// base = side, legs = circumradius, height on the base = apothem.
template <class T> class TNAngle : public TPlaneFigure<T> {
public:
    static TNAngle<T> Create(std::int32_t ANumberOfEdges, T ASide);

    std::int32_t NumberOfEdges() const { return FNumberOfEdges; }
    const T& Side() const { return FSide; }
    const TIsoscelesTriangle<T>& PartialTriangle() const { return FPartialTriangle; }

private:
    TNAngle(std::int32_t ANumberOfEdges, T ASide, TIsoscelesTriangle<T> APartialTriangle);

    std::int32_t FNumberOfEdges = 0;
    T FSide = T(0);
    TIsoscelesTriangle<T> FPartialTriangle;

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

// The part of a disc cut off by a chord, Height being the distance from the
// chord to the arc.
template <class T> class TSegmentOfCircle : public TPlaneFigure<T> {
public:
    static TSegmentOfCircle<T> Create(T ARadiusOfCircle, T AHeight);

    const TCircle<T>& Circle() const { return FCircle; }
    const T& Height() const { return FHeight; }
    const T& Arc() const { return FArc; }
    const T& Chord() const { return FChord; }
    const T& CentralAngle() const { return FCentralAngle; }

private:
    TSegmentOfCircle(TCircle<T> ACircle, T AHeight);

    TCircle<T> FCircle;
    T FHeight = T(0);
    T FArc = T(0);
    T FChord = T(0);
    T FCentralAngle = T(0);

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

// The annulus between two concentric circles; its circumference is the sum of
// both circles' perimeters.
template <class T> class TCircularRing : public TPlaneFigure<T> {
public:
    static TCircularRing<T> Create(T ARadiusOfOuterCircle, T ARadiusOfInnerCircle);

    const TCircle<T>& OuterCircle() const { return FOuterCircle; }
    const TCircle<T>& InnerCircle() const { return FInnerCircle; }

private:
    TCircularRing(TCircle<T> AOuterCircle, TCircle<T> AInnerCircle);

    TCircle<T> FOuterCircle;
    TCircle<T> FInnerCircle;

protected:
    using TPlaneFigure<T>::FArea;
    using TPlaneFigure<T>::FCircumference;
};

} // namespace Figures

// The figures in Extended, as the program computes them.
using TPlaneFigure = Figures::TPlaneFigure<Extended>;
using TCircle = Figures::TCircle<Extended>;
using TSquare = Figures::TSquare<Extended>;
using TRectangle = Figures::TRectangle<Extended>;
using TCustomTriangle = Figures::TCustomTriangle<Extended>;
using TTriangle = Figures::TTriangle<Extended>;
using TIsoscelesTriangle = Figures::TIsoscelesTriangle<Extended>;
using TEquilateralTriangle = Figures::TEquilateralTriangle<Extended>;
using TTrapezoid = Figures::TTrapezoid<Extended>;
using TIsoscelesTrapezoid = Figures::TIsoscelesTrapezoid<Extended>;
using TNAngle = Figures::TNAngle<Extended>;
using TSegmentOfCircle = Figures::TSegmentOfCircle<Extended>;
using TCircularRing = Figures::TCircularRing<Extended>;

// Built once, in PlaneFigures.cpp and Triangles.cpp.
extern template class Figures::TPlaneFigure<Extended>;
extern template class Figures::TCircle<Extended>;
extern template class Figures::TSquare<Extended>;
extern template class Figures::TRectangle<Extended>;
extern template class Figures::TCustomTriangle<Extended>;
extern template class Figures::TTriangle<Extended>;
extern template class Figures::TIsoscelesTriangle<Extended>;
extern template class Figures::TEquilateralTriangle<Extended>;
extern template class Figures::TTrapezoid<Extended>;
extern template class Figures::TIsoscelesTrapezoid<Extended>;
extern template class Figures::TNAngle<Extended>;
extern template class Figures::TSegmentOfCircle<Extended>;
extern template class Figures::TCircularRing<Extended>;
