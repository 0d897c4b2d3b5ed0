// The solids of SolidFigures.h, for any number type: included where they are
// built, SolidFigures.cpp (Extended and TBounded) and the exact library.
#pragma once

#include "MathFormulas.h"
#include "PlaneFiguresImpl.h"
#include "SolidFigures.h"
#include "TrianglesImpl.h"

#include <initializer_list>
#include <limits>
#include <utility>

namespace Figures {

[[noreturn]] inline void RaiseSolidFigures(const char* AName) {
    throw EInvalidInputSolidFigures(AName);
}

// A check on an argument: NaN fails every comparison and is therefore rejected too.
inline void Require(bool ACondition, const char* AName) {
    if (!ACondition) {
        RaiseSolidFigures(AName);
    }
}

// Every quantity of a valid solid is finite and positive; one that is not means
// the dimensions are beyond what the number type can represent.
template <class T> void RequireQuantities(std::initializer_list<T> AValues, const char* AName) {
    RequirePositive<EInvalidInputSolidFigures>(AValues, AName);
}

// Runs the construction of a solid whose arguments have passed its checks. A value
// that comes out not finite (or not positive) anywhere inside, in a plane figure, a
// parent solid or a function, means the solid's own result cannot be represented, so
// it is reported under the solid's name as if its check had failed. Other rejections
// (rounding that defeats a strict comparison at extreme ratios of the dimensions)
// pass through unchanged.
template <class TBuild> auto Construct(const char* AName, TBuild&& ABuild) -> decltype(ABuild()) {
    return BuildFinite<EInvalidInputSolidFigures>(AName, std::forward<TBuild>(ABuild));
}

template <class T> T Percentage(const T& APart, const T& AWhole) {
    return (APart * 100) / AWhole;
}

// --- TSolidFigure -----------------------------------------------------------------

template <class T> T TSolidFigure<T>::Mass(T ADensity) const {
    Require(ADensity > 0, "TSolidFigure.Mass");
    const T Result = ADensity * FVolume;
    RequireQuantities({Result}, "TSolidFigure.Mass");
    return Result;
}

template <class T> void TSolidFigure<T>::SetVolumeAndArea(T AVolume, T AArea) {
    FVolume = AVolume;
    FArea = AArea;
}

// --- TCube, TBlock, TSphere -------------------------------------------------------

template <class T>
TCube<T>::TCube(T ASide, TSquare<T> AFace, T ADiagonalOfSolid)
    : FSide(ASide), FFace(std::move(AFace)), FDiagonalOfSolid(ADiagonalOfSolid) {}

template <class T> TCube<T> TCube<T>::Create(T ASide) {
    const char* const Name = "TCube.Create";
    Require(ASide > 0, Name);
    return Construct(Name, [&] {
        TSquare<T> Face = TSquare<T>::Create(ASide);
        const T Diagonal = PythagoreanTheorem_Hypotenuse(Face.Diagonal(), ASide);
        TCube<T> Result(ASide, std::move(Face), Diagonal);
        Result.SetVolumeAndArea(Cube(ASide), Result.FFace.Area() * 6);
        RequireQuantities({Result.FDiagonalOfSolid, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TBlock<T>::TBlock(T ASideA, T ASideB, T ASideC, TRectangle<T> AFaceAB, TRectangle<T> AFaceBC,
                  TRectangle<T> AFaceCA, T ADiagonalOfSolid)
    : FSideA(ASideA), FSideB(ASideB), FSideC(ASideC), FFaceAB(std::move(AFaceAB)),
      FFaceBC(std::move(AFaceBC)), FFaceCA(std::move(AFaceCA)), FDiagonalOfSolid(ADiagonalOfSolid) {
}

template <class T> TBlock<T> TBlock<T>::Create(T ASideA, T ASideB, T ASideC) {
    const char* const Name = "TBlock.Create";
    Require(ASideA > 0, Name);
    Require(ASideB > 0, Name);
    Require(ASideC > 0, Name);
    return Construct(Name, [&] {
        // Face BC has the sides (b, c) and face CA (c, a), in that order.
        TRectangle<T> FaceAB = TRectangle<T>::Create(ASideA, ASideB);
        TRectangle<T> FaceBC = TRectangle<T>::Create(ASideB, ASideC);
        TRectangle<T> FaceCA = TRectangle<T>::Create(ASideC, ASideA);
        const T Diagonal = PythagoreanTheorem_Hypotenuse(FaceAB.Diagonal(), ASideC);
        TBlock<T> Result(ASideA, ASideB, ASideC, std::move(FaceAB), std::move(FaceBC),
                         std::move(FaceCA), Diagonal);
        Result.SetVolumeAndArea(
            (ASideA * ASideB) * ASideC,
            ((Result.FFaceAB.Area() + Result.FFaceBC.Area()) + Result.FFaceCA.Area()) * 2);
        RequireQuantities({Result.FDiagonalOfSolid, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TSphere<T>::TSphere(T ARadius, T ADiameter) : FRadius(ARadius), FDiameter(ADiameter) {}

template <class T> TSphere<T> TSphere<T>::Create(T ARadius) {
    const char* const Name = "TSphere.Create";
    Require(ARadius > 0, Name);
    return Construct(Name, [&] {
        TSphere<T> Result(ARadius, ARadius * 2);
        Result.SetVolumeAndArea(Cube(ARadius) * FourPiThirds<T>(),
                                (ARadius * ARadius) * FourPi<T>());
        RequireQuantities({Result.FRadius, Result.FDiameter, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Pyramid family ---------------------------------------------------------------

template <class T> void TPyramid<T>::FinishCalculation(T ABaseArea, T ALateralArea, T AHeight) {
    const char* const Name = "TPyramid.FinishCalculation";
    Require(ABaseArea > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    this->SetVolumeAndArea((OneThird<T>() * ABaseArea) * AHeight, ABaseArea + ALateralArea);
}

template <class T>
TCone<T>::TCone(T AHeight, TCircle<T> ABase, TIsoscelesTriangle<T> ALateralSurface, T ASlantHeight)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)),
      FSlantHeight(ASlantHeight) {}

template <class T> TCone<T> TCone<T>::Create(T ARadiusOfBase, T AHeight) {
    const char* const Name = "TCone.Create";
    Require(ARadiusOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TCircle<T> Base = TCircle<T>::Create(ARadiusOfBase);
        const T SlantHeight = PythagoreanTheorem_Hypotenuse(ARadiusOfBase, AHeight);
        // The developed lateral surface as a triangle of the same area, pi * r * s.
        TIsoscelesTriangle<T> LateralSurface =
            TIsoscelesTriangle<T>::Create_Base_HeightOrMedianOnBase(Base.Circumference(),
                                                                    SlantHeight);
        TCone<T> Result(AHeight, std::move(Base), std::move(LateralSurface), SlantHeight);
        Result.FinishCalculation(Result.FBase.Area(), Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.FSlantHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPyramid_Tetrahedron<T>::TPyramid_Tetrahedron(T AHeight, TEquilateralTriangle<T> AFace)
    : FHeight(AHeight), FFace(std::move(AFace)) {}

template <class T> TPyramid_Tetrahedron<T> TPyramid_Tetrahedron<T>::Create(T ASide) {
    const char* const Name = "TPyramid_Tetrahedron.Create";
    Require(ASide > 0, Name);
    return Construct(Name, [&] {
        TEquilateralTriangle<T> Face = TEquilateralTriangle<T>::Create_Side(ASide);
        // The apex stands above the centroid, a third of a face height from each edge.
        const T FaceHeight = Face.HeightOrMedian();
        const T Height = PythagoreanTheorem_Leg1(FaceHeight, FaceHeight / 3);
        TPyramid_Tetrahedron<T> Result(Height, std::move(Face));
        const T FaceArea = Result.FFace.Area();
        Result.FinishCalculation(FaceArea, FaceArea * 3, Height);
        RequireQuantities({Result.FHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPyramid_Rectangle<T>::TPyramid_Rectangle(T AHeight, TRectangle<T> ABase,
                                          TPyramid_Rectangle_LateralSurface<T> ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TPyramid_Rectangle<T> TPyramid_Rectangle<T>::Create(T ASideAOfBase, T ASideBOfBase, T AHeight) {
    const char* const Name = "TPyramid_Rectangle.Create";
    Require(ASideAOfBase > 0, Name);
    Require(ASideBOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TRectangle<T> Base = TRectangle<T>::Create(ASideAOfBase, ASideBOfBase);
        const T SlantHeightA = PythagoreanTheorem_Hypotenuse(ASideBOfBase / 2, AHeight);
        const T SlantHeightB = PythagoreanTheorem_Hypotenuse(ASideAOfBase / 2, AHeight);
        TIsoscelesTriangle<T> FaceA =
            TIsoscelesTriangle<T>::Create_Base_HeightOrMedianOnBase(ASideAOfBase, SlantHeightA);
        TIsoscelesTriangle<T> FaceB =
            TIsoscelesTriangle<T>::Create_Base_HeightOrMedianOnBase(ASideBOfBase, SlantHeightB);
        const T LateralArea = (FaceA.Area() + FaceB.Area()) * 2;
        TPyramid_Rectangle<T> Result(
            AHeight, std::move(Base),
            TPyramid_Rectangle_LateralSurface<T>{std::move(FaceA), std::move(FaceB), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPyramid_NAngle<T>::TPyramid_NAngle(T AHeight, TNAngle<T> ABase,
                                    TPyramid_NAngle_LateralSurface<T> ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TPyramid_NAngle<T> TPyramid_NAngle<T>::Create(std::int32_t ANumberOfEdges, T ASideOfBase,
                                              T AHeight) {
    const char* const Name = "TPyramid_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASideOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle<T> Base = TNAngle<T>::Create(ANumberOfEdges, ASideOfBase);
        // The face height from the apothem and the solid's height.
        const T Apothem = Base.PartialTriangle().HeightOrMedianOnBase();
        TIsoscelesTriangle<T> Face = TIsoscelesTriangle<T>::Create_Base_HeightOrMedianOnBase(
            ASideOfBase, PythagoreanTheorem_Hypotenuse(Apothem, AHeight));
        const T LateralArea = static_cast<T>(ANumberOfEdges) * Face.Area();
        TPyramid_NAngle<T> Result(AHeight, std::move(Base),
                                  TPyramid_NAngle_LateralSurface<T>{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Prism family -----------------------------------------------------------------

template <class T> void TPrism<T>::FinishCalculation(T ABaseArea, T ALateralArea, T AHeight) {
    const char* const Name = "TPrism.FinishCalculation";
    Require(ABaseArea > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    this->SetVolumeAndArea(ABaseArea * AHeight, ABaseArea * 2 + ALateralArea);
}

template <class T>
TCylinder<T>::TCylinder(T AHeight, TCircle<T> ABase, TRectangle<T> ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

template <class T> TCylinder<T> TCylinder<T>::Create(T ARadiusOfBase, T AHeight) {
    const char* const Name = "TCylinder.Create";
    Require(ARadiusOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TCircle<T> Base = TCircle<T>::Create(ARadiusOfBase);
        TRectangle<T> LateralSurface = TRectangle<T>::Create(Base.Circumference(), AHeight);
        TCylinder<T> Result(AHeight, std::move(Base), std::move(LateralSurface));
        Result.FinishCalculation(Result.FBase.Area(), Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPrism_Triangle<T>::TPrism_Triangle(TTriangle<T> ABase, T AHeight,
                                    TPrism_Triangle_LateralSurface<T> ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TPrism_Triangle<T> TPrism_Triangle<T>::Create(T ASideA, T ASideB, T ASideC, T AHeight) {
    const char* const Name = "TPrism_Triangle.Create";
    Require(ASideA > 0, Name);
    Require(ASideB > 0, Name);
    Require(ASideC > 0, Name);
    Require(AHeight > 0, Name);
    // The triangle inequalities are checked here so that a violation is reported as an
    // error of this solid, not of the base triangle. They are decided on the exact sums:
    // a needle or a flat triangle that closes is not refused for a rounded sum.
    Require(SumExceeds({ASideA, ASideB}, ASideC), Name);
    Require(SumExceeds({ASideB, ASideC}, ASideA), Name);
    Require(SumExceeds({ASideC, ASideA}, ASideB), Name);
    return Construct(Name, [&] {
        TTriangle<T> Base = TTriangle<T>::Create(ASideA, ASideB, ASideC);
        TRectangle<T> FaceA = TRectangle<T>::Create(AHeight, ASideA);
        TRectangle<T> FaceB = TRectangle<T>::Create(AHeight, ASideB);
        TRectangle<T> FaceC = TRectangle<T>::Create(AHeight, ASideC);
        const T LateralArea = (FaceA.Area() + FaceB.Area()) + FaceC.Area();
        TPrism_Triangle<T> Result(std::move(Base), AHeight,
                                  TPrism_Triangle_LateralSurface<T>{std::move(FaceA),
                                                                    std::move(FaceB),
                                                                    std::move(FaceC), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPrism_NAngle<T>::TPrism_NAngle(TNAngle<T> ABase, T AHeight,
                                TPrism_NAngle_LateralSurface<T> ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TPrism_NAngle<T> TPrism_NAngle<T>::Create(std::int32_t ANumberOfEdges, T ASide, T AHeight) {
    const char* const Name = "TPrism_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASide > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle<T> Base = TNAngle<T>::Create(ANumberOfEdges, ASide);
        TRectangle<T> Face = TRectangle<T>::Create(AHeight, ASide);
        const T LateralArea = static_cast<T>(ANumberOfEdges) * Face.Area();
        TPrism_NAngle<T> Result(std::move(Base), AHeight,
                                TPrism_NAngle_LateralSurface<T>{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TPrism_CircularRing<T>::TPrism_CircularRing(TCircularRing<T> ABase, T AHeight,
                                            TPrism_CircularRing_LateralSurface<T> ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TPrism_CircularRing<T> TPrism_CircularRing<T>::Create(T ARadiusOfOuterCircleOfBase,
                                                      T ARadiusOfInnerCircleOfBase, T AHeight) {
    const char* const Name = "TPrism_CircularRing.Create";
    Require(ARadiusOfOuterCircleOfBase > 0, Name);
    Require(ARadiusOfInnerCircleOfBase > 0, Name);
    Require(AHeight > 0, Name);
    Require(ARadiusOfInnerCircleOfBase < ARadiusOfOuterCircleOfBase, Name);
    return Construct(Name, [&] {
        TCircularRing<T> Base =
            TCircularRing<T>::Create(ARadiusOfOuterCircleOfBase, ARadiusOfInnerCircleOfBase);
        // The surface counts the inner wall of the tube as well as the outer one.
        TRectangle<T> OuterFace =
            TRectangle<T>::Create(Base.OuterCircle().Circumference(), AHeight);
        TRectangle<T> InnerFace =
            TRectangle<T>::Create(Base.InnerCircle().Circumference(), AHeight);
        const T LateralArea = OuterFace.Area() + InnerFace.Area();
        TPrism_CircularRing<T> Result(std::move(Base), AHeight,
                                      TPrism_CircularRing_LateralSurface<T>{
                                          std::move(OuterFace), std::move(InnerFace), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Frustums ---------------------------------------------------------------------

template <class T>
void TTruncatedPyramid<T>::FinishCalculation(T AAreaOfBase1, T AAreaOfBase2, T ALateralArea,
                                             T AHeight) {
    const char* const Name = "TTruncatedPyramid.FinishCalculation";
    Require(AAreaOfBase1 > 0, Name);
    Require(AAreaOfBase2 > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    this->SetVolumeAndArea(
        ((SqrtOfProduct(AAreaOfBase1, AAreaOfBase2) + AAreaOfBase1) + AAreaOfBase2) *
            (OneThird<T>() * AHeight),
        (AAreaOfBase1 + AAreaOfBase2) + ALateralArea);
}

template <class T>
TTruncatedCone<T>::TTruncatedCone(T AHeight, TCircle<T> ABase1, TCircle<T> ABase2,
                                  TIsoscelesTrapezoid<T> ALateralSurface, T ASlantHeight)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)), FSlantHeight(ASlantHeight) {}

template <class T>
TTruncatedCone<T> TTruncatedCone<T>::Create(T ARadiusOfBase1, T ARadiusOfBase2, T AHeight) {
    const char* const Name = "TTruncatedCone.Create";
    Require(ARadiusOfBase1 > 0, Name);
    Require(ARadiusOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    Require(ARadiusOfBase1 != ARadiusOfBase2, Name);
    return Construct(Name, [&] {
        TCircle<T> Base1 = TCircle<T>::Create(ARadiusOfBase1);
        TCircle<T> Base2 = TCircle<T>::Create(ARadiusOfBase2);
        const T SlantHeight =
            PythagoreanTheorem_Hypotenuse(Fabs(ARadiusOfBase1 - ARadiusOfBase2), AHeight);
        // The developed lateral surface as a trapezoid of the same area, pi * (r1 + r2) * s.
        // Radii one or two units in the last place apart can give circumferences that
        // round to one value; the second is then its neighbour on the side of its radius,
        // as distinct as the radii are.
        const T Circumference1 = Base1.Circumference();
        T Circumference2 = Base2.Circumference();
        if (!IsExact<T> && ValueOf(Circumference2) == ValueOf(Circumference1)) {
            Circumference2 = ValueOf(ARadiusOfBase2) > ValueOf(ARadiusOfBase1)
                                 ? NextUp(Circumference1)
                                 : NextDown(Circumference1);
        }
        TIsoscelesTrapezoid<T> LateralSurface = TIsoscelesTrapezoid<T>::Create_Bases_Height(
            Circumference1, Circumference2, SlantHeight);
        TTruncatedCone<T> Result(AHeight, std::move(Base1), std::move(Base2),
                                 std::move(LateralSurface), SlantHeight);
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(),
                                 Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.FSlantHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TTruncatedPyramid_Rectangle<T>::TTruncatedPyramid_Rectangle(
    T AHeight, TRectangle<T> ABase1, TRectangle<T> ABase2,
    TTruncatedPyramid_Rectangle_LateralSurface<T> ALateralSurface)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TTruncatedPyramid_Rectangle<T>
TTruncatedPyramid_Rectangle<T>::Create(T ASideAOfBase1, T ASideBOfBase1, T ASideAOfBase2,
                                       T ASideBOfBase2, T AHeight) {
    const char* const Name = "TTruncatedPyramid_Rectangle.Create";
    Require(ASideAOfBase1 > 0, Name);
    Require(ASideBOfBase1 > 0, Name);
    Require(ASideAOfBase2 > 0, Name);
    Require(ASideBOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TRectangle<T> Base1 = TRectangle<T>::Create(ASideAOfBase1, ASideBOfBase1);
        TRectangle<T> Base2 = TRectangle<T>::Create(ASideAOfBase2, ASideBOfBase2);
        // Each face height uses only the offset across that face; exact for similar,
        // centred bases. Equal corresponding sides give a zero offset, which the
        // hypotenuse rejects.
        const T SlantHeightA =
            PythagoreanTheorem_Hypotenuse(Fabs(ASideBOfBase1 - ASideBOfBase2) / 2, AHeight);
        const T SlantHeightB =
            PythagoreanTheorem_Hypotenuse(Fabs(ASideAOfBase1 - ASideAOfBase2) / 2, AHeight);
        TIsoscelesTrapezoid<T> FaceA =
            TIsoscelesTrapezoid<T>::Create_Bases_Height(ASideAOfBase1, ASideAOfBase2, SlantHeightA);
        TIsoscelesTrapezoid<T> FaceB =
            TIsoscelesTrapezoid<T>::Create_Bases_Height(ASideBOfBase1, ASideBOfBase2, SlantHeightB);
        const T LateralArea = (FaceA.Area() + FaceB.Area()) * 2;
        TTruncatedPyramid_Rectangle<T> Result(AHeight, std::move(Base1), std::move(Base2),
                                              TTruncatedPyramid_Rectangle_LateralSurface<T>{
                                                  std::move(FaceA), std::move(FaceB), LateralArea});
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

template <class T>
TTruncatedPyramid_NAngle<T>::TTruncatedPyramid_NAngle(
    T AHeight, TNAngle<T> ABase1, TNAngle<T> ABase2,
    TTruncatedPyramid_NAngle_LateralSurface<T> ALateralSurface)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TTruncatedPyramid_NAngle<T> TTruncatedPyramid_NAngle<T>::Create(std::int32_t ANumberOfEdges,
                                                                T ASideOfBase1, T ASideOfBase2,
                                                                T AHeight) {
    const char* const Name = "TTruncatedPyramid_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASideOfBase1 > 0, Name);
    Require(ASideOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle<T> Base1 = TNAngle<T>::Create(ANumberOfEdges, ASideOfBase1);
        TNAngle<T> Base2 = TNAngle<T>::Create(ANumberOfEdges, ASideOfBase2);
        // The apothems differ by the difference of the sides times the apothem of
        // the unit side. Taken so, the difference keeps its digits where the two
        // sides, and so the two rounded apothems, are nearly equal; equal sides
        // leave a zero offset, which the hypotenuse rejects.
        const T ApothemPerSide = Base1.PartialTriangle().HeightOrMedianOnBase() / ASideOfBase1;
        const T ApothemDifference = Fabs(ASideOfBase1 - ASideOfBase2) * ApothemPerSide;
        TIsoscelesTrapezoid<T> Face = TIsoscelesTrapezoid<T>::Create_Bases_Height(
            ASideOfBase1, ASideOfBase2, PythagoreanTheorem_Hypotenuse(ApothemDifference, AHeight));
        const T LateralArea = static_cast<T>(ANumberOfEdges) * Face.Area();
        TTruncatedPyramid_NAngle<T> Result(
            AHeight, std::move(Base1), std::move(Base2),
            TTruncatedPyramid_NAngle_LateralSurface<T>{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Parts of a parent solid ------------------------------------------------------

template <class T>
TCylindricalTank<T>::TCylindricalTank(TCylinder<T> AParentCylinder, TSegmentOfCircle<T> ASideFace,
                                      T ALength, TCylindricalTank_LateralSurface<T> ALateralSurface)
    : FParentCylinder(std::move(AParentCylinder)), FSideFace(std::move(ASideFace)),
      FLength(ALength), FLateralSurface(std::move(ALateralSurface)) {}

template <class T>
TCylindricalTank<T> TCylindricalTank<T>::Create(T ARadiusOfSidewall, T ALevel, T ALength) {
    const char* const Name = "TCylindricalTank.Create";
    Require(ARadiusOfSidewall > 0, Name);
    Require(ALevel > 0, Name);
    Require(ALength > 0, Name);
    Require(ALevel < ARadiusOfSidewall * 2, Name);
    return Construct(Name, [&] {
        TCylinder<T> ParentCylinder = TCylinder<T>::Create(ARadiusOfSidewall, ALength);
        TSegmentOfCircle<T> SideFace = TSegmentOfCircle<T>::Create(ARadiusOfSidewall, ALevel);
        TRectangle<T> SurfaceAtLevel = TRectangle<T>::Create(ALength, SideFace.Chord());
        TRectangle<T> Sleeve = TRectangle<T>::Create(ALength, SideFace.Arc());
        const T LateralArea = SurfaceAtLevel.Area() + Sleeve.Area();
        TCylindricalTank<T> Result(std::move(ParentCylinder), std::move(SideFace), ALength,
                                   TCylindricalTank_LateralSurface<T>{
                                       std::move(SurfaceAtLevel), std::move(Sleeve), LateralArea});
        Result.FinishCalculation(Result.FSideFace.Area(), LateralArea, ALength);
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentCylinder.Volume());
        RequireQuantities({LateralArea, Result.Volume(), Result.Area(), Result.FPercentageFilling},
                          Name);
        return Result;
    });
}

template <class T>
TSphericalSegment<T>::TSphericalSegment(TSphere<T> AParentSphere, T AHeight,
                                        TCircle<T> AIntersectingSurface)
    : FParentSphere(std::move(AParentSphere)), FHeight(AHeight),
      FIntersectingSurface(std::move(AIntersectingSurface)) {}

template <class T> TSphericalSegment<T> TSphericalSegment<T>::Create(T ARadius, T AHeight) {
    const char* const Name = "TSphericalSegment.Create";
    Require(ARadius > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        // The sphere through the base circle that gives a cap of this height.
        const T SumOfSquares = (AHeight * AHeight) + ARadius * ARadius;
        const T RadiusOfSphere = SumOfSquares / (AHeight * 2);
        // A radius lost to underflow would be reported as the sphere's own check.
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere<T> ParentSphere = TSphere<T>::Create(RadiusOfSphere);
        TSphericalSegment<T> Result(std::move(ParentSphere), AHeight, TCircle<T>::Create(ARadius));
        Result.FAreaOfSphericalCap = SumOfSquares * Pi<T>();
        Result.SetVolumeAndArea(((AHeight * AHeight) + (ARadius * ARadius) * 3) *
                                    (PiSixths<T>() * AHeight),
                                Result.FAreaOfSphericalCap + Result.FIntersectingSurface.Area());
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentSphere.Volume());
        RequireQuantities(
            {Result.FAreaOfSphericalCap, Result.Volume(), Result.Area(), Result.FPercentageFilling},
            Name);
        return Result;
    });
}

template <class T>
TSphericalSegment<T> TSphericalSegment<T>::Create_RadiusOfSphere_Height(T ARadiusOfSphere,
                                                                        T AHeight) {
    const char* const Name = "TSphericalSegment.Create_RadiusOfSphere_Height";
    Require(ARadiusOfSphere > 0, Name);
    Require(AHeight > 0, Name);
    Require(AHeight < ARadiusOfSphere * 2, Name);
    return Construct(Name, [&] {
        const T RadiusOfBase = Sqrt(((ARadiusOfSphere * 2) - AHeight) * AHeight);
        RequireQuantities({RadiusOfBase}, Name);
        return Create(RadiusOfBase, AHeight);
    });
}

template <class T>
TSphericalSector<T>::TSphericalSector(TSphere<T> AParentSphere, std::optional<TCone<T>> ACone,
                                      TSphericalSegment<T> ASphericalSegment)
    : FParentSphere(std::move(AParentSphere)), FCone(std::move(ACone)),
      FSphericalSegment(std::move(ASphericalSegment)) {}

template <class T>
TSphericalSector<T> TSphericalSector<T>::Create(T ARadiusOfSegment, T AHeightOfSegment) {
    const char* const Name = "TSphericalSector.Create";
    const T Rho = ARadiusOfSegment;
    const T H = AHeightOfSegment;
    Require(Rho > 0, Name);
    Require(H > 0, Name);
    return Construct(Name, [&] {
        const T RadiusOfSphere = ((H * H) + Rho * Rho) / (H * 2);
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere<T> ParentSphere = TSphere<T>::Create(RadiusOfSphere);
        TSphericalSegment<T> Segment = TSphericalSegment<T>::Create(Rho, H);
        // The cone's height |R - h| = |rho - h| (rho + h) / 2h: the difference of the given
        // values is exact where they are close, the difference R - h of the rounded
        // radius would not be. Only an underflow can make it 0 for rho != h; that figure
        // is taken for the hemisphere.
        const T ConeHeight = (Fabs(Rho - H) * (Rho + H)) / (H * 2);
        std::optional<TCone<T>> Cone;
        T Volume = Segment.Volume();
        T Area(0);
        if (Rho == H || ConeHeight == 0) {
            Area = (Rho * Rho) * Pi<T>() + Segment.AreaOfSphericalCap();
        } else {
            Cone = TCone<T>::Create(Rho, ConeHeight);
            // Below a hemisphere the cone is added to the segment, above it taken away.
            Volume = Rho > H ? Volume + Cone->Volume() : Volume - Cone->Volume();
            Area = Cone->LateralSurface().Area() + Segment.AreaOfSphericalCap();
        }
        TSphericalSector<T> Result(std::move(ParentSphere), std::move(Cone), std::move(Segment));
        Result.SetVolumeAndArea(Volume, Area);
        Result.FPercentageFilling = Percentage(Volume, Result.FParentSphere.Volume());
        RequireQuantities({Result.Volume(), Result.Area(), Result.FPercentageFilling}, Name);
        return Result;
    });
}

template <class T>
TSphericalFrustum<T>::TSphericalFrustum(TSphere<T> AParentSphere, TCircle<T> ABase1,
                                        TCircle<T> ABase2, T AHeight)
    : FParentSphere(std::move(AParentSphere)), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FHeight(AHeight) {}

template <class T>
TSphericalFrustum<T> TSphericalFrustum<T>::Create(T ARadius1, T ARadius2, T AHeight) {
    const char* const Name = "TSphericalFrustum.Create";
    Require(ARadius1 > 0, Name);
    Require(ARadius2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        // Signed distance from the plane of base 1 to the sphere's centre, towards base 2.
        // r2^2 - r1^2 as (r2 - r1)(r2 + r1), exact for nearly equal radii.
        const T X =
            ((AHeight * AHeight) + ((ARadius2 - ARadius1) * (ARadius2 + ARadius1))) / (AHeight * 2);
        // With the centre in the plane of base 1 the hypotenuse would get a zero leg.
        T RadiusOfSphere = ARadius1;
        if constexpr (IsExact<T>) {
            RadiusOfSphere = Sqrt(ARadius1 * ARadius1 + X * X);
        } else if (ValueOf(X) != 0) {
            RadiusOfSphere = PythagoreanTheorem_Hypotenuse(ARadius1, Fabs(X));
        }
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere<T> ParentSphere = TSphere<T>::Create(RadiusOfSphere);
        TSphericalFrustum<T> Result(std::move(ParentSphere), TCircle<T>::Create(ARadius1),
                                    TCircle<T>::Create(ARadius2), AHeight);
        Result.FAreaOfSphericalZone = (TwoPi<T>() * RadiusOfSphere) * AHeight;
        Result.SetVolumeAndArea(
            ((AHeight * AHeight) + ((ARadius2 * ARadius2) * 3 + (ARadius1 * ARadius1) * 3)) *
                (PiSixths<T>() * AHeight),
            (Result.FBase1.Area() + Result.FBase2.Area()) + Result.FAreaOfSphericalZone);
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentSphere.Volume());
        RequireQuantities({Result.FAreaOfSphericalZone, Result.Volume(), Result.Area(),
                           Result.FPercentageFilling},
                          Name);
        return Result;
    });
}

} // namespace Figures
