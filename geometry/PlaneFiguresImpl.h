// The plane figures of PlaneFigures.h, for any number type: included where
// they are built, PlaneFigures.cpp (Extended) and the exact library.
#pragma once

#include "MathFormulas.h"
#include "PlaneFigures.h"

#include <algorithm>
#include <limits>

namespace Figures {

// The real roots of a quadratic whose discriminant the caller's checks keep
// non-negative (TRectangle's sides from an equation, in Extended only).
// Rounding next to a double root can still make it slightly negative; the
// root is then the double one, not the complex pair's parts.
inline void RealRoots(Extended A, Extended B, Extended C, Extended& X1, Extended& X2) {
    if (QuadraticEquation(A, B, C, X1, X2) < 0) {
        X2 = X1;
    }
}

// w - sin w for 0 <= w <= pi. For a small w in 80 bits, w^3/6 times the series
// 1 - w^2/20 + w^4/840 - ... = sum of (-1)^k 6 w^(2k) / (2k + 3)!, whose terms
// do not cancel; the sum is returned as AFactor times that series and w^3 is
// left to the caller (AFactor = w^3/6 or what it is built into). An exact type
// subtracts at its own precision.
template <class T> T AngleMinusSineSeries(const T& w) {
    const T Square = w * w;
    T Term(1);
    T Series(1);
    for (int k = 1; k < 16; ++k) {
        Term *= -Square / T((2 * k + 2) * (2 * k + 3));
        Series += Term;
        if (Fabs(ValueOf(Term)) < ValueOf(Series) * 1e-22L) {
            break;
        }
    }
    // The terms alternate and fall, so the rest is below the last one taken.
    return WithRelativeError(Series, 1e-22L);
}

// The area R^2 / 2 * (w - sin w) of a circular segment with central angle w.
// R^2 w^3 is formed as (R w)^2 w, which stays in range where R^2 alone would not.
template <class T> T SegmentArea(const T& R, const T& w) {
    if (IsExact<T> || ValueOf(w) >= 1) {
        return ((R * R) * 0.5L) * (w - Sin(w));
    }
    const T Series = AngleMinusSineSeries(w);
    const T Arc = R * w;
    return ((Arc * Arc) * w) * (Series / 12);
}

// ---- TCircle ---------------------------------------------------------------------

template <class T> void TCircle<T>::Build(T ARadius) {
    FRadius = ARadius;
    if (FArea == 0) {
        FArea = (ARadius * ARadius) * Pi<T>();
    }
    if (FCircumference == 0) {
        FCircumference = TwoPi<T>() * ARadius;
    }
}

template <class T> void TCircle<T>::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FRadius, FArea, FCircumference}, AOperation);
}

template <class T> TCircle<T> TCircle<T>::Create(T ARadius) {
    const char* const Name = "TCircle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadius > 0)) {
            RejectPlaneFigures(Name);
        }
        TCircle<T> Result;
        Result.Build(ARadius);
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TCircle<T> TCircle<T>::Create_Area(T AArea) {
    const char* const Name = "TCircle.Create_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0)) {
            RejectPlaneFigures(Name);
        }
        TCircle<T> Result;
        Result.FArea = AArea;
        Result.Build(Sqrt(AArea / Pi<T>()));
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TCircle<T> TCircle<T>::Create_Circumference(T ACircumference) {
    const char* const Name = "TCircle.Create_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ACircumference > 0)) {
            RejectPlaneFigures(Name);
        }
        TCircle<T> Result;
        Result.FCircumference = ACircumference;
        Result.Build(ACircumference / TwoPi<T>());
        Result.Finish(Name);
        return Result;
    });
}

// ---- TSquare ---------------------------------------------------------------------

template <class T> void TSquare<T>::Build(T ASide) {
    FSide = ASide;
    if (FDiagonal == 0) {
        FDiagonal = Sqrt(T(2)) * ASide;
    }
    if (FArea == 0) {
        FArea = ASide * ASide;
    }
    if (FCircumference == 0) {
        FCircumference = ASide * 4;
    }
}

template <class T> void TSquare<T>::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSide, FDiagonal, FArea, FCircumference},
                                               AOperation);
}

template <class T> TSquare<T> TSquare<T>::Create(T ASide) {
    const char* const Name = "TSquare.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASide > 0)) {
            RejectPlaneFigures(Name);
        }
        TSquare<T> Result;
        Result.Build(ASide);
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TSquare<T> TSquare<T>::Create_Diagonal(T ADiagonal) {
    const char* const Name = "TSquare.Create_Diagonal";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0)) {
            RejectPlaneFigures(Name);
        }
        TSquare<T> Result;
        Result.FDiagonal = ADiagonal;
        Result.Build(ADiagonal / Sqrt(T(2)));
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TSquare<T> TSquare<T>::Create_Area(T AArea) {
    const char* const Name = "TSquare.Create_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0)) {
            RejectPlaneFigures(Name);
        }
        TSquare<T> Result;
        Result.FArea = AArea;
        Result.Build(Sqrt(AArea));
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TSquare<T> TSquare<T>::Create_Circumference(T ACircumference) {
    const char* const Name = "TSquare.Create_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ACircumference > 0)) {
            RejectPlaneFigures(Name);
        }
        TSquare<T> Result;
        Result.FCircumference = ACircumference;
        Result.Build(ACircumference / 4);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TRectangle ------------------------------------------------------------------

template <class T> void TRectangle<T>::Build(T ASideA, T ASideB) {
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

template <class T> void TRectangle<T>::Finish(const char* AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSideA, FSideB, FDiagonal, FArea, FCircumference},
                                               AOperation);
}

template <class T> TRectangle<T> TRectangle<T>::Create(T ASideA, T ASideB) {
    const char* const Name = "TRectangle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ASideB > 0)) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.Build(ASideA, ASideB);
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TRectangle<T> TRectangle<T>::Create_Side_Diagonal(T ASideA, T ADiagonal) {
    const char* const Name = "TRectangle.Create_Side_Diagonal";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ADiagonal > 0) || !(ASideA < ADiagonal)) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FDiagonal = ADiagonal;
        Result.Build(ASideA, PythagoreanTheorem_Leg1(ADiagonal, ASideA));
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TRectangle<T> TRectangle<T>::Create_Side_Area(T ASideA, T AArea) {
    const char* const Name = "TRectangle.Create_Side_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(AArea > 0)) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FArea = AArea;
        Result.Build(ASideA, AArea / ASideA);
        Result.Finish(Name);
        return Result;
    });
}

template <class T>
TRectangle<T> TRectangle<T>::Create_Side_Circumference(T ASideA, T ACircumference) {
    const char* const Name = "TRectangle.Create_Side_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ASideA > 0) || !(ACircumference > 0) || !(ACircumference > ASideA * 2)) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FCircumference = ACircumference;
        Result.Build(ASideA, (ACircumference - ASideA * 2) * 0.5L);
        Result.Finish(Name);
        return Result;
    });
}

template <class T> TRectangle<T> TRectangle<T>::Create_Diagonal_Area(T ADiagonal, T AArea) {
    const char* const Name = "TRectangle.Create_Diagonal_Area";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0) || !(AArea > 0) || !(AArea <= (ADiagonal * ADiagonal) / 2)) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FDiagonal = ADiagonal;
        Result.FArea = AArea;
        // The roots are the squares of the sides.
        T X1 = 0;
        T X2 = 0;
        RealRoots(1, -(ADiagonal * ADiagonal), AArea * AArea, X1, X2);
        Result.Build(Sqrt(X1), Sqrt(X2));
        Result.Finish(Name);
        return Result;
    });
}

template <class T>
TRectangle<T> TRectangle<T>::Create_Diagonal_Circumference(T ADiagonal, T ACircumference) {
    const char* const Name = "TRectangle.Create_Diagonal_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ADiagonal > 0) || !(ACircumference > 0) || !(ACircumference > ADiagonal * 2) ||
            !(ACircumference <= Sqrt(T(2)) * (ADiagonal * 2))) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FDiagonal = ADiagonal;
        Result.FCircumference = ACircumference;
        T X1 = 0;
        T X2 = 0;
        RealRoots(2, -ACircumference,
                  (ACircumference / 2) * (ACircumference / 2) - ADiagonal * ADiagonal, X1, X2);
        Result.Build(X1, X2);
        Result.Finish(Name);
        return Result;
    });
}

template <class T>
TRectangle<T> TRectangle<T>::Create_Area_Circumference(T AArea, T ACircumference) {
    const char* const Name = "TRectangle.Create_Area_Circumference";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(AArea > 0) || !(ACircumference > 0) ||
            !(AArea <= (ACircumference / 4) * (ACircumference / 4))) {
            RejectPlaneFigures(Name);
        }
        TRectangle<T> Result;
        Result.FArea = AArea;
        Result.FCircumference = ACircumference;
        T X1 = 0;
        T X2 = 0;
        RealRoots(2, -ACircumference, AArea * 2, X1, X2);
        Result.Build(X1, X2);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TTrapezoid --------------------------------------------------------------------

template <class T> void TTrapezoid<T>::InitTrapezoid(T a, T c, T b, T d, bool AEqualLegs) {
    // The inequalities are decided on the exact sums, so that a trapezoid that
    // closes is not refused because a sum of its sides was rounded.
    if (!(a > 0) || !(c > 0) || !(b > 0) || !(d > 0) || a == c || !SumExceeds({b, c, d}, a) ||
        !SumExceeds({b, a, d}, c)) {
        RejectPlaneFigures("TTrapezoid.Create");
    }
    FBaseA = a;
    FBaseC = c;
    FLegB = b;
    FLegD = d;
    if (FHeight == 0) {
        if (AEqualLegs) {
            // Equal legs stand over half the difference of the bases:
            // 4 h^2 = (2d - (long - short)) * (2d + (long - short)). The first
            // factor, small for a flat trapezoid, is taken from the exact sum
            // 2d + short, whose rounding error is carried along.
            // Which base is the longer only chooses between equal forms.
            const T Long = ValueOf(a) < ValueOf(c) ? c : a;
            const T Short = ValueOf(c) < ValueOf(a) ? c : a;
            const T TwoLegs = d * 2;
            T Sum(0);
            T SumError(0);
            TwoSum(TwoLegs, Short, Sum, SumError);
            const T Excess = (Sum - Long) + SumError;
            FHeight = Sqrt(Excess * (TwoLegs + (Long - Short))) * 0.5L;
        } else {
            // x is the projection of leg d onto the bases. A leg d perpendicular to
            // the bases (x = 0) is itself the height.
            const T x = ((((a - c) * (a - c)) + ((d - b) * (d + b))) * 0.5L) / (a - c);
            FHeight = (ValueOf(x) == 0) ? d : PythagoreanTheorem_Leg1(d, Fabs(x));
        }
    }
    if (FArea == 0) {
        FArea = ((a + c) * 0.5L) * FHeight;
    }
    if (FCircumference == 0) {
        FCircumference = ((a + c) + b) + d;
    }
}

template <class T> void TTrapezoid<T>::Finish(const std::string& AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>(
        {FBaseA, FBaseC, FLegB, FLegD, FHeight, FArea, FCircumference}, AOperation);
}

template <class T> TTrapezoid<T> TTrapezoid<T>::Create(T ABaseA, T ABaseC, T ALegB, T ALegD) {
    const char* const Name = "TTrapezoid.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TTrapezoid<T> Result;
        Result.InitTrapezoid(ABaseA, ABaseC, ALegB, ALegD, ALegB == ALegD);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTrapezoid ---------------------------------------------------------------

template <class T> void TIsoscelesTrapezoid<T>::Init_Bases_Leg(T ABaseA, T ABaseC, T ALeg) {
    if (!(ABaseA > 0) || !(ABaseC > 0) || !(ALeg > 0) || ABaseA == ABaseC) {
        RejectPlaneFigures("TIsoscelesTrapezoid.Create_Bases_Leg");
    }
    InitTrapezoid(ABaseA, ABaseC, ALeg, ALeg, true);
}

template <class T>
TIsoscelesTrapezoid<T> TIsoscelesTrapezoid<T>::Create_Bases_Leg(T ABaseA, T ABaseC, T ALeg) {
    const char* const Name = "TIsoscelesTrapezoid.Create_Bases_Leg";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TIsoscelesTrapezoid<T> Result;
        Result.Init_Bases_Leg(ABaseA, ABaseC, ALeg);
        Result.Finish(Name);
        return Result;
    });
}

template <class T>
TIsoscelesTrapezoid<T> TIsoscelesTrapezoid<T>::Create_Bases_Height(T ABaseA, T ABaseC, T AHeight) {
    const char* const Name = "TIsoscelesTrapezoid.Create_Bases_Height";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ABaseA > 0) || !(ABaseC > 0) || !(AHeight > 0) || ABaseA == ABaseC) {
            RejectPlaneFigures(Name);
        }
        TIsoscelesTrapezoid<T> Result;
        Result.FHeight = AHeight;
        // The legs are longer than half the difference of the bases. Where the
        // height is tiny beside that difference the rounded leg (or the rounded
        // difference) can leave them no longer; the leg is then taken the
        // next value up, which is the exact leg rounded upwards.
        const T Difference = Fabs(ABaseA - ABaseC);
        T Leg = PythagoreanTheorem_Hypotenuse(Difference * 0.5L, AHeight);
        // The rounded difference is within half a unit of the exact one, so a leg
        // clear of it by a unit is long enough; only a close call is looked at exactly.
        if (!IsExact<T> &&
            !(ValueOf(Leg) * 2 > ValueOf(Difference) + ValueOf(Difference) * LDBL_EPSILON)) {
            const Extended Long = std::max(ValueOf(ABaseA), ValueOf(ABaseC));
            const Extended Short = std::min(ValueOf(ABaseA), ValueOf(ABaseC));
            for (int Step = 0; Step < 4 && !::SumExceeds({ValueOf(Leg) * 2, Short}, Long); ++Step) {
                Leg = NextUp(Leg);
            }
        }
        Result.Init_Bases_Leg(ABaseA, ABaseC, Leg);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TNAngle -------------------------------------------------------------------------

template <class T>
TNAngle<T>::TNAngle(std::int32_t ANumberOfEdges, T ASide, TIsoscelesTriangle<T> APartialTriangle)
    : FNumberOfEdges(ANumberOfEdges), FSide(ASide), FPartialTriangle(std::move(APartialTriangle)) {
    FArea = T(ANumberOfEdges) * FPartialTriangle.Area();
    FCircumference = T(ANumberOfEdges) * ASide;
}

template <class T> TNAngle<T> TNAngle<T>::Create(std::int32_t ANumberOfEdges, T ASide) {
    const char* const Name = "TNAngle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ANumberOfEdges > 0) || !(ASide > 0)) {
            RejectPlaneFigures(Name);
        }
        // One or two edges give a vertex angle of pi or more, which the
        // partial triangle rejects.
        TNAngle<T> Result(
            ANumberOfEdges, ASide,
            TIsoscelesTriangle<T>::Create_Base_VertexAngle(ASide, TwoPi<T>() / T(ANumberOfEdges)));
        RequirePositive<EInvalidInputPlaneFigures>({Result.FArea, Result.FCircumference}, Name);
        return Result;
    });
}

// ---- TSegmentOfCircle --------------------------------------------------------------------

template <class T>
TSegmentOfCircle<T>::TSegmentOfCircle(TCircle<T> ACircle, T AHeight)
    : FCircle(std::move(ACircle)), FHeight(AHeight) {
    const T R = FCircle.Radius();
    const T h = AHeight;
    // Half the chord from the height and the rest of the diameter, both exact
    // (2R - h is exact where h is close to 2R), and the central angle from
    // half the chord and the distance R - h of the chord from the centre: no
    // arc cosine of a value close to 1 for a low segment.
    const T HalfChord = (!IsExact<T> && ValueOf(h) == ValueOf(R)) ? R : SqrtOfProduct(h, R * 2 - h);
    FCentralAngle = Atan2(HalfChord, R - h) * 2;
    FArc = R * FCentralAngle;
    FChord = HalfChord * 2;
    FArea = SegmentArea(R, FCentralAngle);
    FCircumference = FArc + FChord;
}

template <class T> TSegmentOfCircle<T> TSegmentOfCircle<T>::Create(T ARadiusOfCircle, T AHeight) {
    const char* const Name = "TSegmentOfCircle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadiusOfCircle > 0) || !(AHeight > 0) || !(AHeight < ARadiusOfCircle * 2)) {
            RejectPlaneFigures(Name);
        }
        TSegmentOfCircle<T> Result(TCircle<T>::Create(ARadiusOfCircle), AHeight);
        RequirePositive<EInvalidInputPlaneFigures>({Result.FHeight, Result.FArc, Result.FChord,
                                                    Result.FCentralAngle, Result.FArea,
                                                    Result.FCircumference},
                                                   Name);
        return Result;
    });
}

// ---- TCircularRing ---------------------------------------------------------------------

template <class T>
TCircularRing<T>::TCircularRing(TCircle<T> AOuterCircle, TCircle<T> AInnerCircle)
    : FOuterCircle(std::move(AOuterCircle)), FInnerCircle(std::move(AInnerCircle)) {
    // pi (R - r)(R + r): the difference of the radii is exact for a thin ring,
    // the difference of the two areas would not be.
    const T R = FOuterCircle.Radius();
    const T r = FInnerCircle.Radius();
    FArea = ((R - r) * (R + r)) * Pi<T>();
    FCircumference = FOuterCircle.Circumference() + FInnerCircle.Circumference();
}

template <class T>
TCircularRing<T> TCircularRing<T>::Create(T ARadiusOfOuterCircle, T ARadiusOfInnerCircle) {
    const char* const Name = "TCircularRing.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        if (!(ARadiusOfOuterCircle > 0) || !(ARadiusOfInnerCircle > 0) ||
            !(ARadiusOfInnerCircle < ARadiusOfOuterCircle)) {
            RejectPlaneFigures(Name);
        }
        TCircularRing<T> Result(TCircle<T>::Create(ARadiusOfOuterCircle),
                                TCircle<T>::Create(ARadiusOfInnerCircle));
        RequirePositive<EInvalidInputPlaneFigures>({Result.FArea, Result.FCircumference}, Name);
        return Result;
    });
}

} // namespace Figures
