#include "PlaneFigures.h"

namespace {

using Constants::Pi;
using Constants::TwoPi;

[[noreturn]] void Reject(const char* AOperation) {
    throw EInvalidInputPlaneFigures(AOperation);
}

// The real roots of a quadratic whose discriminant the caller's checks keep
// non-negative. Rounding next to a double root can still make it slightly
// negative; the root is then the double one, not the complex pair's parts.
void RealRoots(Extended A, Extended B, Extended C, Extended& X1, Extended& X2) {
    if (QuadraticEquation(A, B, C, X1, X2) < 0) {
        X2 = X1;
    }
}

} // namespace

// ---- TCircle ------------------------------------------------------------------

void TCircle::Build(Extended ARadius) {
    FRadius = ARadius;
    if (FArea == 0) {
        FArea = (ARadius * ARadius) * Pi;
    }
    if (FCircumference == 0) {
        FCircumference = TwoPi * ARadius;
    }
}

void TCircle::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FRadius, FArea, FCircumference}, AOperation);
}

TCircle TCircle::Create(Extended ARadius) {
    const char* const Name = "TCircle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadius > 0)) {
            Reject(Name);
        }
        TCircle Result;
        Result.Build(ARadius);
        Result.Finish(Name);
        return Result;
    });
}

TCircle TCircle::Create_Area(Extended AArea) {
    const char* const Name = "TCircle.Create_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0)) {
            Reject(Name);
        }
        TCircle Result;
        Result.FArea = AArea;
        Result.Build(std::sqrt(AArea / Pi));
        Result.Finish(Name);
        return Result;
    });
}

TCircle TCircle::Create_Circumference(Extended ACircumference) {
    const char* const Name = "TCircle.Create_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ACircumference > 0)) {
            Reject(Name);
        }
        TCircle Result;
        Result.FCircumference = ACircumference;
        Result.Build(ACircumference / TwoPi);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TSquare ------------------------------------------------------------------

void TSquare::Build(Extended ASide) {
    FSide = ASide;
    if (FDiagonal == 0) {
        FDiagonal = std::sqrt(Extended(2)) * ASide;
    }
    if (FArea == 0) {
        FArea = ASide * ASide;
    }
    if (FCircumference == 0) {
        FCircumference = ASide * 4;
    }
}

void TSquare::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSide, FDiagonal, FArea, FCircumference},
                                               AOperation);
}

TSquare TSquare::Create(Extended ASide) {
    const char* const Name = "TSquare.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASide > 0)) {
            Reject(Name);
        }
        TSquare Result;
        Result.Build(ASide);
        Result.Finish(Name);
        return Result;
    });
}

TSquare TSquare::Create_Diagonal(Extended ADiagonal) {
    const char* const Name = "TSquare.Create_Diagonal";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0)) {
            Reject(Name);
        }
        TSquare Result;
        Result.FDiagonal = ADiagonal;
        Result.Build(ADiagonal / std::sqrt(Extended(2)));
        Result.Finish(Name);
        return Result;
    });
}

TSquare TSquare::Create_Area(Extended AArea) {
    const char* const Name = "TSquare.Create_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0)) {
            Reject(Name);
        }
        TSquare Result;
        Result.FArea = AArea;
        Result.Build(std::sqrt(AArea));
        Result.Finish(Name);
        return Result;
    });
}

TSquare TSquare::Create_Circumference(Extended ACircumference) {
    const char* const Name = "TSquare.Create_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ACircumference > 0)) {
            Reject(Name);
        }
        TSquare Result;
        Result.FCircumference = ACircumference;
        Result.Build(ACircumference / 4);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TRectangle ---------------------------------------------------------------

void TRectangle::Build(Extended ASideA, Extended ASideB) {
    FSideA = ASideA;
    FSideB = ASideB;
    if (FDiagonal == 0) {
        FDiagonal = PythagoreanTheorem_Hypotenuse(ASideA, ASideB);
    }
    if (FArea == 0) {
        FArea = ASideA * ASideB;
    }
    if (FCircumference == 0) {
        FCircumference = (ASideA + ASideB) * 2;
    }
}

void TRectangle::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSideA, FSideB, FDiagonal, FArea, FCircumference},
                                               AOperation);
}

TRectangle TRectangle::Create(Extended ASideA, Extended ASideB) {
    const char* const Name = "TRectangle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ASideB > 0)) {
            Reject(Name);
        }
        TRectangle Result;
        Result.Build(ASideA, ASideB);
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Side_Diagonal(Extended ASideA, Extended ADiagonal) {
    const char* const Name = "TRectangle.Create_Side_Diagonal";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ADiagonal > 0) || !(ASideA < ADiagonal)) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FDiagonal = ADiagonal;
        Result.Build(ASideA, PythagoreanTheorem_Leg1(ADiagonal, ASideA));
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Side_Area(Extended ASideA, Extended AArea) {
    const char* const Name = "TRectangle.Create_Side_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(AArea > 0)) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FArea = AArea;
        Result.Build(ASideA, AArea / ASideA);
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Side_Circumference(Extended ASideA, Extended ACircumference) {
    const char* const Name = "TRectangle.Create_Side_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ACircumference > 0) || !(ACircumference > ASideA * 2)) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FCircumference = ACircumference;
        Result.Build(ASideA, (ACircumference - ASideA * 2) * 0.5L);
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Diagonal_Area(Extended ADiagonal, Extended AArea) {
    const char* const Name = "TRectangle.Create_Diagonal_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0) || !(AArea > 0) || !(AArea <= (ADiagonal * ADiagonal) / 2)) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FDiagonal = ADiagonal;
        Result.FArea = AArea;
        // The roots are the squares of the sides.
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(1, -(ADiagonal * ADiagonal), AArea * AArea, X1, X2);
        Result.Build(std::sqrt(X1), std::sqrt(X2));
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Diagonal_Circumference(Extended ADiagonal, Extended ACircumference) {
    const char* const Name = "TRectangle.Create_Diagonal_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0) || !(ACircumference > 0) || !(ACircumference > ADiagonal * 2) ||
            !(ACircumference <= std::sqrt(Extended(2)) * (ADiagonal * 2))) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FDiagonal = ADiagonal;
        Result.FCircumference = ACircumference;
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(2, -ACircumference,
                  (ACircumference / 2) * (ACircumference / 2) - ADiagonal * ADiagonal, X1, X2);
        Result.Build(X1, X2);
        Result.Finish(Name);
        return Result;
    });
}

TRectangle TRectangle::Create_Area_Circumference(Extended AArea, Extended ACircumference) {
    const char* const Name = "TRectangle.Create_Area_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0) || !(ACircumference > 0) ||
            !(AArea <= (ACircumference / 4) * (ACircumference / 4))) {
            Reject(Name);
        }
        TRectangle Result;
        Result.FArea = AArea;
        Result.FCircumference = ACircumference;
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(2, -ACircumference, AArea * 2, X1, X2);
        Result.Build(X1, X2);
        Result.Finish(Name);
        return Result;
    });
}
