#include "SolidFigures.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

[[noreturn]] void Raise(const char* AName) {
    throw EInvalidInputSolidFigures(AName);
}

// A check on an argument: NaN fails every comparison and is therefore rejected too.
void Require(bool ACondition, const char* AName) {
    if (!ACondition) {
        Raise(AName);
    }
}

// Every quantity of a valid solid is finite and positive; one that is not means
// the dimensions are beyond what Extended can represent.
void RequireQuantities(std::initializer_list<Extended> AValues, const char* AName) {
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

Extended Percentage(Extended APart, Extended AWhole) {
    return (APart * 100) / AWhole;
}

} // namespace

// --- TSolidFigure -----------------------------------------------------------------

Extended TSolidFigure::Mass(Extended Density) const {
    Require(Density > 0, "TSolidFigure.Mass");
    const Extended Result = Density * FVolume;
    RequireQuantities({Result}, "TSolidFigure.Mass");
    return Result;
}

void TSolidFigure::SetVolumeAndArea(Extended AVolume, Extended AArea) {
    FVolume = AVolume;
    FArea = AArea;
}

// --- TCube, TBlock, TSphere -------------------------------------------------------

TCube::TCube(Extended ASide, TSquare AFace, Extended ADiagonalOfSolid)
    : FSide(ASide), FFace(std::move(AFace)), FDiagonalOfSolid(ADiagonalOfSolid) {}

TCube TCube::Create(Extended ASide) {
    const char* const Name = "TCube.Create";
    Require(ASide > 0, Name);
    return Construct(Name, [&] {
        TSquare Face = TSquare::Create(ASide);
        const Extended Diagonal = PythagoreanTheorem_Hypotenuse(Face.Diagonal(), ASide);
        TCube Result(ASide, std::move(Face), Diagonal);
        Result.SetVolumeAndArea(Cube(ASide), Result.FFace.Area() * 6);
        RequireQuantities({Result.FDiagonalOfSolid, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TBlock::TBlock(Extended ASideA, Extended ASideB, Extended ASideC, TRectangle AFaceAB,
               TRectangle AFaceBC, TRectangle AFaceCA, Extended ADiagonalOfSolid)
    : FSideA(ASideA), FSideB(ASideB), FSideC(ASideC), FFaceAB(std::move(AFaceAB)),
      FFaceBC(std::move(AFaceBC)), FFaceCA(std::move(AFaceCA)), FDiagonalOfSolid(ADiagonalOfSolid) {
}

TBlock TBlock::Create(Extended ASideA, Extended ASideB, Extended ASideC) {
    const char* const Name = "TBlock.Create";
    Require(ASideA > 0, Name);
    Require(ASideB > 0, Name);
    Require(ASideC > 0, Name);
    return Construct(Name, [&] {
        // Face BC has the sides (b, c) and face CA (c, a), in that order.
        TRectangle FaceAB = TRectangle::Create(ASideA, ASideB);
        TRectangle FaceBC = TRectangle::Create(ASideB, ASideC);
        TRectangle FaceCA = TRectangle::Create(ASideC, ASideA);
        const Extended Diagonal = PythagoreanTheorem_Hypotenuse(FaceAB.Diagonal(), ASideC);
        TBlock Result(ASideA, ASideB, ASideC, std::move(FaceAB), std::move(FaceBC),
                      std::move(FaceCA), Diagonal);
        Result.SetVolumeAndArea(
            (ASideA * ASideB) * ASideC,
            ((Result.FFaceAB.Area() + Result.FFaceBC.Area()) + Result.FFaceCA.Area()) * 2);
        RequireQuantities({Result.FDiagonalOfSolid, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TSphere::TSphere(Extended ARadius, Extended ADiameter) : FRadius(ARadius), FDiameter(ADiameter) {}

TSphere TSphere::Create(Extended ARadius) {
    const char* const Name = "TSphere.Create";
    Require(ARadius > 0, Name);
    return Construct(Name, [&] {
        TSphere Result(ARadius, ARadius * 2);
        Result.SetVolumeAndArea(Cube(ARadius) * Constants::FourPiThirds,
                                (ARadius * ARadius) * Constants::FourPi);
        RequireQuantities({Result.FRadius, Result.FDiameter, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Pyramid family ---------------------------------------------------------------

void TPyramid::FinishCalculation(Extended ABaseArea, Extended ALateralArea, Extended AHeight) {
    const char* const Name = "TPyramid.FinishCalculation";
    Require(ABaseArea > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    SetVolumeAndArea((Constants::OneThird * ABaseArea) * AHeight, ABaseArea + ALateralArea);
}

TCone::TCone(Extended AHeight, TCircle ABase, TIsoscelesTriangle ALateralSurface,
             Extended ASlantHeight)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)),
      FSlantHeight(ASlantHeight) {}

TCone TCone::Create(Extended ARadiusOfBase, Extended AHeight) {
    const char* const Name = "TCone.Create";
    Require(ARadiusOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TCircle Base = TCircle::Create(ARadiusOfBase);
        const Extended SlantHeight = PythagoreanTheorem_Hypotenuse(ARadiusOfBase, AHeight);
        // The developed lateral surface as a triangle of the same area, pi * r * s.
        TIsoscelesTriangle LateralSurface =
            TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(Base.Circumference(), SlantHeight);
        TCone Result(AHeight, std::move(Base), std::move(LateralSurface), SlantHeight);
        Result.FinishCalculation(Result.FBase.Area(), Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.FSlantHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPyramid_Tetrahedron::TPyramid_Tetrahedron(Extended AHeight, TEquilateralTriangle AFace)
    : FHeight(AHeight), FFace(std::move(AFace)) {}

TPyramid_Tetrahedron TPyramid_Tetrahedron::Create(Extended ASide) {
    const char* const Name = "TPyramid_Tetrahedron.Create";
    Require(ASide > 0, Name);
    return Construct(Name, [&] {
        TEquilateralTriangle Face = TEquilateralTriangle::Create_Side(ASide);
        // The apex stands above the centroid, a third of a face height from each edge.
        const Extended FaceHeight = Face.HeightOrMedian();
        const Extended Height = PythagoreanTheorem_Leg1(FaceHeight, FaceHeight / 3);
        TPyramid_Tetrahedron Result(Height, std::move(Face));
        const Extended FaceArea = Result.FFace.Area();
        Result.FinishCalculation(FaceArea, FaceArea * 3, Height);
        RequireQuantities({Result.FHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPyramid_Rectangle::TPyramid_Rectangle(Extended AHeight, TRectangle ABase,
                                       TPyramid_Rectangle_LateralSurface ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

TPyramid_Rectangle TPyramid_Rectangle::Create(Extended ASideAOfBase, Extended ASideBOfBase,
                                              Extended AHeight) {
    const char* const Name = "TPyramid_Rectangle.Create";
    Require(ASideAOfBase > 0, Name);
    Require(ASideBOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TRectangle Base = TRectangle::Create(ASideAOfBase, ASideBOfBase);
        const Extended SlantHeightA = PythagoreanTheorem_Hypotenuse(ASideBOfBase / 2, AHeight);
        const Extended SlantHeightB = PythagoreanTheorem_Hypotenuse(ASideAOfBase / 2, AHeight);
        TIsoscelesTriangle FaceA =
            TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(ASideAOfBase, SlantHeightA);
        TIsoscelesTriangle FaceB =
            TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(ASideBOfBase, SlantHeightB);
        const Extended LateralArea = (FaceA.Area() + FaceB.Area()) * 2;
        TPyramid_Rectangle Result(
            AHeight, std::move(Base),
            TPyramid_Rectangle_LateralSurface{std::move(FaceA), std::move(FaceB), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPyramid_NAngle::TPyramid_NAngle(Extended AHeight, TNAngle ABase,
                                 TPyramid_NAngle_LateralSurface ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

TPyramid_NAngle TPyramid_NAngle::Create(std::int32_t ANumberOfEdges, Extended ASideOfBase,
                                        Extended AHeight) {
    const char* const Name = "TPyramid_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASideOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle Base = TNAngle::Create(ANumberOfEdges, ASideOfBase);
        // The face height from the apothem and the solid's height.
        const Extended Apothem = Base.PartialTriangle().HeightOrMedianOnBase();
        TIsoscelesTriangle Face = TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(
            ASideOfBase, PythagoreanTheorem_Hypotenuse(Apothem, AHeight));
        const Extended LateralArea = static_cast<Extended>(ANumberOfEdges) * Face.Area();
        TPyramid_NAngle Result(AHeight, std::move(Base),
                               TPyramid_NAngle_LateralSurface{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Prism family -----------------------------------------------------------------

void TPrism::FinishCalculation(Extended ABaseArea, Extended ALateralArea, Extended AHeight) {
    const char* const Name = "TPrism.FinishCalculation";
    Require(ABaseArea > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    SetVolumeAndArea(ABaseArea * AHeight, ABaseArea * 2 + ALateralArea);
}

TCylinder::TCylinder(Extended AHeight, TCircle ABase, TRectangle ALateralSurface)
    : FHeight(AHeight), FBase(std::move(ABase)), FLateralSurface(std::move(ALateralSurface)) {}

TCylinder TCylinder::Create(Extended ARadiusOfBase, Extended AHeight) {
    const char* const Name = "TCylinder.Create";
    Require(ARadiusOfBase > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TCircle Base = TCircle::Create(ARadiusOfBase);
        TRectangle LateralSurface = TRectangle::Create(Base.Circumference(), AHeight);
        TCylinder Result(AHeight, std::move(Base), std::move(LateralSurface));
        Result.FinishCalculation(Result.FBase.Area(), Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPrism_Triangle::TPrism_Triangle(TTriangle ABase, Extended AHeight,
                                 TPrism_Triangle_LateralSurface ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

TPrism_Triangle TPrism_Triangle::Create(Extended ASideA, Extended ASideB, Extended ASideC,
                                        Extended AHeight) {
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
        TTriangle Base = TTriangle::Create(ASideA, ASideB, ASideC);
        TRectangle FaceA = TRectangle::Create(AHeight, ASideA);
        TRectangle FaceB = TRectangle::Create(AHeight, ASideB);
        TRectangle FaceC = TRectangle::Create(AHeight, ASideC);
        const Extended LateralArea = (FaceA.Area() + FaceB.Area()) + FaceC.Area();
        TPrism_Triangle Result(std::move(Base), AHeight,
                               TPrism_Triangle_LateralSurface{std::move(FaceA), std::move(FaceB),
                                                              std::move(FaceC), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPrism_NAngle::TPrism_NAngle(TNAngle ABase, Extended AHeight,
                             TPrism_NAngle_LateralSurface ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

TPrism_NAngle TPrism_NAngle::Create(std::int32_t ANumberOfEdges, Extended ASide, Extended AHeight) {
    const char* const Name = "TPrism_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASide > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle Base = TNAngle::Create(ANumberOfEdges, ASide);
        TRectangle Face = TRectangle::Create(AHeight, ASide);
        const Extended LateralArea = static_cast<Extended>(ANumberOfEdges) * Face.Area();
        TPrism_NAngle Result(std::move(Base), AHeight,
                             TPrism_NAngle_LateralSurface{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TPrism_CircularRing::TPrism_CircularRing(TCircularRing ABase, Extended AHeight,
                                         TPrism_CircularRing_LateralSurface ALateralSurface)
    : FBase(std::move(ABase)), FHeight(AHeight), FLateralSurface(std::move(ALateralSurface)) {}

TPrism_CircularRing TPrism_CircularRing::Create(Extended ARadiusOfOuterCircleOfBase,
                                                Extended ARadiusOfInnerCircleOfBase,
                                                Extended AHeight) {
    const char* const Name = "TPrism_CircularRing.Create";
    Require(ARadiusOfOuterCircleOfBase > 0, Name);
    Require(ARadiusOfInnerCircleOfBase > 0, Name);
    Require(AHeight > 0, Name);
    Require(ARadiusOfInnerCircleOfBase < ARadiusOfOuterCircleOfBase, Name);
    return Construct(Name, [&] {
        TCircularRing Base =
            TCircularRing::Create(ARadiusOfOuterCircleOfBase, ARadiusOfInnerCircleOfBase);
        // The surface counts the inner wall of the tube as well as the outer one.
        TRectangle OuterFace = TRectangle::Create(Base.OuterCircle().Circumference(), AHeight);
        TRectangle InnerFace = TRectangle::Create(Base.InnerCircle().Circumference(), AHeight);
        const Extended LateralArea = OuterFace.Area() + InnerFace.Area();
        TPrism_CircularRing Result(std::move(Base), AHeight,
                                   TPrism_CircularRing_LateralSurface{
                                       std::move(OuterFace), std::move(InnerFace), LateralArea});
        Result.FinishCalculation(Result.FBase.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Frustums ---------------------------------------------------------------------

void TTruncatedPyramid::FinishCalculation(Extended AAreaOfBase1, Extended AAreaOfBase2,
                                          Extended ALateralArea, Extended AHeight) {
    const char* const Name = "TTruncatedPyramid.FinishCalculation";
    Require(AAreaOfBase1 > 0, Name);
    Require(AAreaOfBase2 > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    SetVolumeAndArea(((SqrtOfProduct(AAreaOfBase1, AAreaOfBase2) + AAreaOfBase1) + AAreaOfBase2) *
                         (Constants::OneThird * AHeight),
                     (AAreaOfBase1 + AAreaOfBase2) + ALateralArea);
}

TTruncatedCone::TTruncatedCone(Extended AHeight, TCircle ABase1, TCircle ABase2,
                               TIsoscelesTrapezoid ALateralSurface, Extended ASlantHeight)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)), FSlantHeight(ASlantHeight) {}

TTruncatedCone TTruncatedCone::Create(Extended ARadiusOfBase1, Extended ARadiusOfBase2,
                                      Extended AHeight) {
    const char* const Name = "TTruncatedCone.Create";
    Require(ARadiusOfBase1 > 0, Name);
    Require(ARadiusOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    Require(ARadiusOfBase1 != ARadiusOfBase2, Name);
    return Construct(Name, [&] {
        TCircle Base1 = TCircle::Create(ARadiusOfBase1);
        TCircle Base2 = TCircle::Create(ARadiusOfBase2);
        const Extended SlantHeight =
            PythagoreanTheorem_Hypotenuse(std::fabs(ARadiusOfBase1 - ARadiusOfBase2), AHeight);
        // The developed lateral surface as a trapezoid of the same area, pi * (r1 + r2) * s.
        // Radii one or two units in the last place apart can give circumferences that
        // round to one value; the second is then its neighbour on the side of its radius,
        // as distinct as the radii are.
        const Extended Circumference1 = Base1.Circumference();
        Extended Circumference2 = Base2.Circumference();
        if (Circumference2 == Circumference1) {
            Circumference2 =
                std::nextafter(Circumference1, ARadiusOfBase2 > ARadiusOfBase1
                                                   ? std::numeric_limits<Extended>::infinity()
                                                   : Extended(0));
        }
        TIsoscelesTrapezoid LateralSurface =
            TIsoscelesTrapezoid::Create_Bases_Height(Circumference1, Circumference2, SlantHeight);
        TTruncatedCone Result(AHeight, std::move(Base1), std::move(Base2),
                              std::move(LateralSurface), SlantHeight);
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(),
                                 Result.FLateralSurface.Area(), AHeight);
        RequireQuantities({Result.FSlantHeight, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TTruncatedPyramid_Rectangle::TTruncatedPyramid_Rectangle(
    Extended AHeight, TRectangle ABase1, TRectangle ABase2,
    TTruncatedPyramid_Rectangle_LateralSurface ALateralSurface)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)) {}

TTruncatedPyramid_Rectangle TTruncatedPyramid_Rectangle::Create(Extended ASideAOfBase1,
                                                                Extended ASideBOfBase1,
                                                                Extended ASideAOfBase2,
                                                                Extended ASideBOfBase2,
                                                                Extended AHeight) {
    const char* const Name = "TTruncatedPyramid_Rectangle.Create";
    Require(ASideAOfBase1 > 0, Name);
    Require(ASideBOfBase1 > 0, Name);
    Require(ASideAOfBase2 > 0, Name);
    Require(ASideBOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TRectangle Base1 = TRectangle::Create(ASideAOfBase1, ASideBOfBase1);
        TRectangle Base2 = TRectangle::Create(ASideAOfBase2, ASideBOfBase2);
        // Each face height uses only the offset across that face; exact for similar,
        // centred bases. Equal corresponding sides give a zero offset, which the
        // hypotenuse rejects.
        const Extended SlantHeightA =
            PythagoreanTheorem_Hypotenuse(std::fabs(ASideBOfBase1 - ASideBOfBase2) / 2, AHeight);
        const Extended SlantHeightB =
            PythagoreanTheorem_Hypotenuse(std::fabs(ASideAOfBase1 - ASideAOfBase2) / 2, AHeight);
        TIsoscelesTrapezoid FaceA =
            TIsoscelesTrapezoid::Create_Bases_Height(ASideAOfBase1, ASideAOfBase2, SlantHeightA);
        TIsoscelesTrapezoid FaceB =
            TIsoscelesTrapezoid::Create_Bases_Height(ASideBOfBase1, ASideBOfBase2, SlantHeightB);
        const Extended LateralArea = (FaceA.Area() + FaceB.Area()) * 2;
        TTruncatedPyramid_Rectangle Result(AHeight, std::move(Base1), std::move(Base2),
                                           TTruncatedPyramid_Rectangle_LateralSurface{
                                               std::move(FaceA), std::move(FaceB), LateralArea});
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

TTruncatedPyramid_NAngle::TTruncatedPyramid_NAngle(
    Extended AHeight, TNAngle ABase1, TNAngle ABase2,
    TTruncatedPyramid_NAngle_LateralSurface ALateralSurface)
    : FHeight(AHeight), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FLateralSurface(std::move(ALateralSurface)) {}

TTruncatedPyramid_NAngle TTruncatedPyramid_NAngle::Create(std::int32_t ANumberOfEdges,
                                                          Extended ASideOfBase1,
                                                          Extended ASideOfBase2, Extended AHeight) {
    const char* const Name = "TTruncatedPyramid_NAngle.Create";
    Require(ANumberOfEdges > 2, Name);
    Require(ASideOfBase1 > 0, Name);
    Require(ASideOfBase2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        TNAngle Base1 = TNAngle::Create(ANumberOfEdges, ASideOfBase1);
        TNAngle Base2 = TNAngle::Create(ANumberOfEdges, ASideOfBase2);
        // The apothems differ by the difference of the sides times the apothem of
        // the unit side. Taken so, the difference keeps its digits where the two
        // sides, and so the two rounded apothems, are nearly equal; equal sides
        // leave a zero offset, which the hypotenuse rejects.
        const Extended ApothemPerSide =
            Base1.PartialTriangle().HeightOrMedianOnBase() / ASideOfBase1;
        const Extended ApothemDifference = std::fabs(ASideOfBase1 - ASideOfBase2) * ApothemPerSide;
        TIsoscelesTrapezoid Face = TIsoscelesTrapezoid::Create_Bases_Height(
            ASideOfBase1, ASideOfBase2, PythagoreanTheorem_Hypotenuse(ApothemDifference, AHeight));
        const Extended LateralArea = static_cast<Extended>(ANumberOfEdges) * Face.Area();
        TTruncatedPyramid_NAngle Result(
            AHeight, std::move(Base1), std::move(Base2),
            TTruncatedPyramid_NAngle_LateralSurface{std::move(Face), LateralArea});
        Result.FinishCalculation(Result.FBase1.Area(), Result.FBase2.Area(), LateralArea, AHeight);
        RequireQuantities({LateralArea, Result.Volume(), Result.Area()}, Name);
        return Result;
    });
}

// --- Parts of a parent solid ------------------------------------------------------

TCylindricalTank::TCylindricalTank(TCylinder AParentCylinder, TSegmentOfCircle ASideFace,
                                   Extended ALength,
                                   TCylindricalTank_LateralSurface ALateralSurface)
    : FParentCylinder(std::move(AParentCylinder)), FSideFace(std::move(ASideFace)),
      FLength(ALength), FLateralSurface(std::move(ALateralSurface)) {}

TCylindricalTank TCylindricalTank::Create(Extended ARadiusOfSidewall, Extended ALevel,
                                          Extended ALength) {
    const char* const Name = "TCylindricalTank.Create";
    Require(ARadiusOfSidewall > 0, Name);
    Require(ALevel > 0, Name);
    Require(ALength > 0, Name);
    Require(ALevel < ARadiusOfSidewall * 2, Name);
    return Construct(Name, [&] {
        TCylinder ParentCylinder = TCylinder::Create(ARadiusOfSidewall, ALength);
        TSegmentOfCircle SideFace = TSegmentOfCircle::Create(ARadiusOfSidewall, ALevel);
        TRectangle SurfaceAtLevel = TRectangle::Create(ALength, SideFace.Chord());
        TRectangle Sleeve = TRectangle::Create(ALength, SideFace.Arc());
        const Extended LateralArea = SurfaceAtLevel.Area() + Sleeve.Area();
        TCylindricalTank Result(std::move(ParentCylinder), std::move(SideFace), ALength,
                                TCylindricalTank_LateralSurface{std::move(SurfaceAtLevel),
                                                                std::move(Sleeve), LateralArea});
        Result.FinishCalculation(Result.FSideFace.Area(), LateralArea, ALength);
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentCylinder.Volume());
        RequireQuantities({LateralArea, Result.Volume(), Result.Area(), Result.FPercentageFilling},
                          Name);
        return Result;
    });
}

TSphericalSegment::TSphericalSegment(TSphere AParentSphere, Extended AHeight,
                                     TCircle AIntersectingSurface)
    : FParentSphere(std::move(AParentSphere)), FHeight(AHeight),
      FIntersectingSurface(std::move(AIntersectingSurface)) {}

TSphericalSegment TSphericalSegment::Create(Extended ARadius, Extended AHeight) {
    const char* const Name = "TSphericalSegment.Create";
    Require(ARadius > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        // The sphere through the base circle that gives a cap of this height.
        const Extended SumOfSquares = (AHeight * AHeight) + ARadius * ARadius;
        const Extended RadiusOfSphere = SumOfSquares / (AHeight * 2);
        // A radius lost to underflow would be reported as the sphere's own check.
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere ParentSphere = TSphere::Create(RadiusOfSphere);
        TSphericalSegment Result(std::move(ParentSphere), AHeight, TCircle::Create(ARadius));
        Result.FAreaOfSphericalCap = SumOfSquares * Constants::Pi;
        Result.SetVolumeAndArea(((AHeight * AHeight) + (ARadius * ARadius) * 3) *
                                    (Constants::PiSixths * AHeight),
                                Result.FAreaOfSphericalCap + Result.FIntersectingSurface.Area());
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentSphere.Volume());
        RequireQuantities(
            {Result.FAreaOfSphericalCap, Result.Volume(), Result.Area(), Result.FPercentageFilling},
            Name);
        return Result;
    });
}

TSphericalSegment TSphericalSegment::Create_RadiusOfSphere_Height(Extended ARadiusOfSphere,
                                                                  Extended AHeight) {
    const char* const Name = "TSphericalSegment.Create_RadiusOfSphere_Height";
    Require(ARadiusOfSphere > 0, Name);
    Require(AHeight > 0, Name);
    Require(AHeight < ARadiusOfSphere * 2, Name);
    return Construct(Name, [&] {
        const Extended RadiusOfBase = std::sqrt(((ARadiusOfSphere * 2) - AHeight) * AHeight);
        RequireQuantities({RadiusOfBase}, Name);
        return Create(RadiusOfBase, AHeight);
    });
}

TSphericalSector::TSphericalSector(TSphere AParentSphere, std::optional<TCone> ACone,
                                   TSphericalSegment ASphericalSegment)
    : FParentSphere(std::move(AParentSphere)), FCone(std::move(ACone)),
      FSphericalSegment(std::move(ASphericalSegment)) {}

TSphericalSector TSphericalSector::Create(Extended ARadiusOfSegment, Extended AHeightOfSegment) {
    const char* const Name = "TSphericalSector.Create";
    const Extended Rho = ARadiusOfSegment;
    const Extended H = AHeightOfSegment;
    Require(Rho > 0, Name);
    Require(H > 0, Name);
    return Construct(Name, [&] {
        const Extended RadiusOfSphere = ((H * H) + Rho * Rho) / (H * 2);
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere ParentSphere = TSphere::Create(RadiusOfSphere);
        TSphericalSegment Segment = TSphericalSegment::Create(Rho, H);
        // The cone's height |R - h| = |rho - h| (rho + h) / 2h: the difference of the given
        // values is exact where they are close, the difference R - h of the rounded
        // radius would not be. Only an underflow can make it 0 for rho != h; that figure
        // is taken for the hemisphere.
        const Extended ConeHeight = (std::fabs(Rho - H) * (Rho + H)) / (H * 2);
        std::optional<TCone> Cone;
        Extended Volume = Segment.Volume();
        Extended Area = 0;
        if (Rho == H || ConeHeight == 0) {
            Area = (Rho * Rho) * Constants::Pi + Segment.AreaOfSphericalCap();
        } else {
            Cone = TCone::Create(Rho, ConeHeight);
            // Below a hemisphere the cone is added to the segment, above it taken away.
            Volume = Rho > H ? Volume + Cone->Volume() : Volume - Cone->Volume();
            Area = Cone->LateralSurface().Area() + Segment.AreaOfSphericalCap();
        }
        TSphericalSector Result(std::move(ParentSphere), std::move(Cone), std::move(Segment));
        Result.SetVolumeAndArea(Volume, Area);
        Result.FPercentageFilling = Percentage(Volume, Result.FParentSphere.Volume());
        RequireQuantities({Result.Volume(), Result.Area(), Result.FPercentageFilling}, Name);
        return Result;
    });
}

TSphericalFrustum::TSphericalFrustum(TSphere AParentSphere, TCircle ABase1, TCircle ABase2,
                                     Extended AHeight)
    : FParentSphere(std::move(AParentSphere)), FBase1(std::move(ABase1)), FBase2(std::move(ABase2)),
      FHeight(AHeight) {}

TSphericalFrustum TSphericalFrustum::Create(Extended ARadius1, Extended ARadius2,
                                            Extended AHeight) {
    const char* const Name = "TSphericalFrustum.Create";
    Require(ARadius1 > 0, Name);
    Require(ARadius2 > 0, Name);
    Require(AHeight > 0, Name);
    return Construct(Name, [&] {
        // Signed distance from the plane of base 1 to the sphere's centre, towards base 2.
        // r2^2 - r1^2 as (r2 - r1)(r2 + r1), exact for nearly equal radii.
        const Extended X =
            ((AHeight * AHeight) + ((ARadius2 - ARadius1) * (ARadius2 + ARadius1))) / (AHeight * 2);
        // With the centre in the plane of base 1 the hypotenuse would get a zero leg.
        const Extended RadiusOfSphere =
            X == 0 ? ARadius1 : PythagoreanTheorem_Hypotenuse(ARadius1, std::fabs(X));
        RequireQuantities({RadiusOfSphere}, Name);
        TSphere ParentSphere = TSphere::Create(RadiusOfSphere);
        TSphericalFrustum Result(std::move(ParentSphere), TCircle::Create(ARadius1),
                                 TCircle::Create(ARadius2), AHeight);
        Result.FAreaOfSphericalZone = (Constants::TwoPi * RadiusOfSphere) * AHeight;
        Result.SetVolumeAndArea(
            ((AHeight * AHeight) + ((ARadius2 * ARadius2) * 3 + (ARadius1 * ARadius1) * 3)) *
                (Constants::PiSixths * AHeight),
            (Result.FBase1.Area() + Result.FBase2.Area()) + Result.FAreaOfSphericalZone);
        Result.FPercentageFilling = Percentage(Result.Volume(), Result.FParentSphere.Volume());
        RequireQuantities({Result.FAreaOfSphericalZone, Result.Volume(), Result.Area(),
                           Result.FPercentageFilling},
                          Name);
        return Result;
    });
}
