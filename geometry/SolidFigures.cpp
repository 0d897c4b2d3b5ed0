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
