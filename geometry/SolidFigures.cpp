#include "SolidFigures.h"

#include <cmath>
#include <initializer_list>
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

// --- Frustums ---------------------------------------------------------------------

void TTruncatedPyramid::FinishCalculation(Extended AAreaOfBase1, Extended AAreaOfBase2,
                                          Extended ALateralArea, Extended AHeight) {
    const char* const Name = "TTruncatedPyramid.FinishCalculation";
    Require(AAreaOfBase1 > 0, Name);
    Require(AAreaOfBase2 > 0, Name);
    Require(ALateralArea > 0, Name);
    Require(AHeight > 0, Name);
    SetVolumeAndArea(((std::sqrt(AAreaOfBase1 * AAreaOfBase2) + AAreaOfBase1) + AAreaOfBase2) *
                         (Constants::OneThird * AHeight),
                     (AAreaOfBase1 + AAreaOfBase2) + ALateralArea);
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
        const Extended X =
            ((AHeight * AHeight) + ((ARadius2 * ARadius2) - ARadius1 * ARadius1)) / (AHeight * 2);
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
