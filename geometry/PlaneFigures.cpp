#include "PlaneFigures.h"

#include <algorithm>
#include <limits>

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

// The area R^2 / 2 * (w - sin w) of a circular segment with central angle w.
// For a small angle w - sin w is taken from its series, whose terms do not
// cancel; R^2 w^3 is formed as (R w)^2 w, which stays in range where R^2 alone
// would not.
Extended SegmentArea(Extended R, Extended w) {
    if (w >= 1) {
        return ((R * R) * 0.5L) * (w - std::sin(w));
    }
    // (w - sin w) / (w^3 / 6) = 1 - w^2/20 + w^4/840 - ... = sum of
    // (-1)^k 6 w^(2k) / (2k + 3)!
    const Extended Square = w * w;
    Extended Term = 1;
    Extended Series = 1;
    for (int k = 1; k < 16; ++k) {
        Term *= -Square / Extended((2 * k + 2) * (2 * k + 3));
        Series += Term;
        if (std::fabs(Term) < Series * 1e-22L) {
            break;
        }
    }
    const Extended Arc = R * w;
    return ((Arc * Arc) * w) * (Series / 12);
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

// ---- TTrapezoid -----------------------------------------------------------------

void TTrapezoid::InitTrapezoid(Extended a, Extended c, Extended b, Extended d) {
    // The inequalities are decided on the exact sums, so that a trapezoid that
    // closes is not refused because a sum of its sides was rounded.
    if (!(a > 0) || !(c > 0) || !(b > 0) || !(d > 0) || a == c || !SumExceeds({b, c, d}, a) ||
        !SumExceeds({b, a, d}, c)) {
        Reject("TTrapezoid.Create");
    }
    FBaseA = a;
    FBaseC = c;
    FLegB = b;
    FLegD = d;
    if (FHeight == 0) {
        if (b == d) {
            // Equal legs stand over half the difference of the bases:
            // 4 h^2 = (2d - (long - short)) * (2d + (long - short)). The first
            // factor, small for a flat trapezoid, is taken from the exact sum
            // 2d + short, whose rounding error is carried along.
            const Extended Long = std::max(a, c);
            const Extended Short = std::min(a, c);
            const Extended TwoLegs = d * 2;
            Extended Sum = 0;
            Extended SumError = 0;
            TwoSum(TwoLegs, Short, Sum, SumError);
            const Extended Excess = (Sum - Long) + SumError;
            FHeight = std::sqrt(Excess * (TwoLegs + (Long - Short))) * 0.5L;
        } else {
            // x is the projection of leg d onto the bases. A leg d perpendicular to
            // the bases (x = 0) is itself the height.
            const Extended x = ((((a - c) * (a - c)) + ((d - b) * (d + b))) * 0.5L) / (a - c);
            FHeight = (x == 0) ? d : PythagoreanTheorem_Leg1(d, std::fabs(x));
        }
    }
    if (FArea == 0) {
        FArea = ((a + c) * 0.5L) * FHeight;
    }
    if (FCircumference == 0) {
        FCircumference = ((a + c) + b) + d;
    }
}

void TTrapezoid::Finish(const std::string& AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>(
        {FBaseA, FBaseC, FLegB, FLegD, FHeight, FArea, FCircumference}, AOperation);
}

TTrapezoid TTrapezoid::Create(Extended ABaseA, Extended ABaseC, Extended ALegB, Extended ALegD) {
    const char* const Name = "TTrapezoid.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TTrapezoid Result;
        Result.InitTrapezoid(ABaseA, ABaseC, ALegB, ALegD);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTrapezoid ------------------------------------------------------------

void TIsoscelesTrapezoid::Init_Bases_Leg(Extended ABaseA, Extended ABaseC, Extended ALeg) {
    if (!(ABaseA > 0) || !(ABaseC > 0) || !(ALeg > 0) || ABaseA == ABaseC) {
        Reject("TIsoscelesTrapezoid.Create_Bases_Leg");
    }
    InitTrapezoid(ABaseA, ABaseC, ALeg, ALeg);
}

TIsoscelesTrapezoid TIsoscelesTrapezoid::Create_Bases_Leg(Extended ABaseA, Extended ABaseC,
                                                          Extended ALeg) {
    const char* const Name = "TIsoscelesTrapezoid.Create_Bases_Leg";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TIsoscelesTrapezoid Result;
        Result.Init_Bases_Leg(ABaseA, ABaseC, ALeg);
        Result.Finish(Name);
        return Result;
    });
}

TIsoscelesTrapezoid TIsoscelesTrapezoid::Create_Bases_Height(Extended ABaseA, Extended ABaseC,
                                                             Extended AHeight) {
    const char* const Name = "TIsoscelesTrapezoid.Create_Bases_Height";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ABaseA > 0) || !(ABaseC > 0) || !(AHeight > 0) || ABaseA == ABaseC) {
            Reject(Name);
        }
        TIsoscelesTrapezoid Result;
        Result.FHeight = AHeight;
        // The legs are longer than half the difference of the bases. Where the
        // height is tiny beside that difference the rounded leg (or the rounded
        // difference) can leave them no longer; the leg is then taken the
        // next value up, which is the exact leg rounded upwards.
        const Extended Difference = std::fabs(ABaseA - ABaseC);
        Extended Leg = PythagoreanTheorem_Hypotenuse(Difference * 0.5L, AHeight);
        // The rounded difference is within half a unit of the exact one, so a leg
        // clear of it by a unit is long enough; only a close call is looked at exactly.
        if (!(Leg * 2 > Difference + Difference * LDBL_EPSILON)) {
            const Extended Long = std::max(ABaseA, ABaseC);
            const Extended Short = std::min(ABaseA, ABaseC);
            for (int Step = 0; Step < 4 && !SumExceeds({Leg * 2, Short}, Long); ++Step) {
                Leg = std::nextafter(Leg, std::numeric_limits<Extended>::infinity());
            }
        }
        Result.Init_Bases_Leg(ABaseA, ABaseC, Leg);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TNAngle ----------------------------------------------------------------------

TNAngle::TNAngle(std::int32_t ANumberOfEdges, Extended ASide, TIsoscelesTriangle APartialTriangle)
    : FNumberOfEdges(ANumberOfEdges), FSide(ASide), FPartialTriangle(std::move(APartialTriangle)) {
    FArea = Extended(ANumberOfEdges) * FPartialTriangle.Area();
    FCircumference = Extended(ANumberOfEdges) * ASide;
}

TNAngle TNAngle::Create(std::int32_t ANumberOfEdges, Extended ASide) {
    const char* const Name = "TNAngle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ANumberOfEdges > 0) || !(ASide > 0)) {
            Reject(Name);
        }
        // One or two edges give a vertex angle of pi or more, which the
        // partial triangle rejects.
        TNAngle Result(
            ANumberOfEdges, ASide,
            TIsoscelesTriangle::Create_Base_VertexAngle(ASide, TwoPi / Extended(ANumberOfEdges)));
        RequirePositive<EInvalidInputPlaneFigures>({Result.FArea, Result.FCircumference}, Name);
        return Result;
    });
}

// ---- TSegmentOfCircle -----------------------------------------------------------------

TSegmentOfCircle::TSegmentOfCircle(TCircle ACircle, Extended AHeight)
    : FCircle(std::move(ACircle)), FHeight(AHeight) {
    const Extended R = FCircle.Radius();
    const Extended h = AHeight;
    // Half the chord from the height and the rest of the diameter, both exact
    // (2R - h is exact where h is close to 2R), and the central angle from
    // half the chord and the distance R - h of the chord from the centre: no
    // arc cosine of a value close to 1 for a low segment.
    const Extended HalfChord = (h == R) ? R : SqrtOfProduct(h, R * 2 - h);
    FCentralAngle = std::atan2(HalfChord, R - h) * 2;
    FArc = R * FCentralAngle;
    FChord = HalfChord * 2;
    FArea = SegmentArea(R, FCentralAngle);
    FCircumference = FArc + FChord;
}

TSegmentOfCircle TSegmentOfCircle::Create(Extended ARadiusOfCircle, Extended AHeight) {
    const char* const Name = "TSegmentOfCircle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadiusOfCircle > 0) || !(AHeight > 0) || !(AHeight < ARadiusOfCircle * 2)) {
            Reject(Name);
        }
        TSegmentOfCircle Result(TCircle::Create(ARadiusOfCircle), AHeight);
        RequirePositive<EInvalidInputPlaneFigures>({Result.FHeight, Result.FArc, Result.FChord,
                                                    Result.FCentralAngle, Result.FArea,
                                                    Result.FCircumference},
                                                   Name);
        return Result;
    });
}

// ---- TCircularRing ------------------------------------------------------------------

TCircularRing::TCircularRing(TCircle AOuterCircle, TCircle AInnerCircle)
    : FOuterCircle(std::move(AOuterCircle)), FInnerCircle(std::move(AInnerCircle)) {
    // pi (R - r)(R + r): the difference of the radii is exact for a thin ring,
    // the difference of the two areas would not be.
    const Extended R = FOuterCircle.Radius();
    const Extended r = FInnerCircle.Radius();
    FArea = ((R - r) * (R + r)) * Pi;
    FCircumference = FOuterCircle.Circumference() + FInnerCircle.Circumference();
}

TCircularRing TCircularRing::Create(Extended ARadiusOfOuterCircle, Extended ARadiusOfInnerCircle) {
    const char* const Name = "TCircularRing.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadiusOfOuterCircle > 0) || !(ARadiusOfInnerCircle > 0) ||
            !(ARadiusOfInnerCircle < ARadiusOfOuterCircle)) {
            Reject(Name);
        }
        TCircularRing Result(TCircle::Create(ARadiusOfOuterCircle),
                             TCircle::Create(ARadiusOfInnerCircle));
        RequirePositive<EInvalidInputPlaneFigures>({Result.FArea, Result.FCircumference}, Name);
        return Result;
    });
}
