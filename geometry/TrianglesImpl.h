// The triangle classes of PlaneFigures.h, for any number type: included where
// they are built, Triangles.cpp (Extended) and the exact library.
#pragma once

#include "MathFormulas.h"
#include "PlaneFigures.h"

#include <limits>
#include <type_traits>

namespace Figures {

inline std::string IsoscelesName(const char* AMember) {
    return std::string("TIsoscelesTriangle.") + AMember;
}

// ---- TCustomTriangle ---------------------------------------------------------------

template <class T> void TCustomTriangle<T>::InitCustom(T a, T b, T c) {
    // The inequalities are decided on the exact sums: a triangle that closes
    // is not refused because a sum of its sides was rounded.
    if (!(a > 0) || !(b > 0) || !(c > 0) || !SumExceeds({a, b}, c) || !SumExceeds({b, c}, a) ||
        !SumExceeds({c, a}, b)) {
        RejectPlaneFigures("TCustomTriangle.Create");
    }
    FSideA = a;
    FSideB = b;
    FSideC = c;
    // Everything below follows from the area and from sums of the sides taken
    // without cancellation, so thin and nearly flat triangles keep their digits
    // (an arc cosine of the cosine rule, and a sine of that, would not). A
    // given area or height belongs to the figure as given; the sides derived
    // from it are rounded, so the area is taken from it, not from Heron.
    const TTriangleSums<T> Sums = TriangleSums(a, b, c);
    T FourArea(0);
    if (FArea != 0) {
        FourArea = FArea * 4;
    } else if (FHeightA != 0) {
        FourArea = (a * FHeightA) * 2;
    } else if (FHeightC != 0) {
        FourArea = (c * FHeightC) * 2;
    } else if (FHeightB != 0) {
        FourArea = (b * FHeightB) * 2;
    } else {
        FourArea = FourTimesArea(Sums);
    }
    if (FAngleAlpha == 0) {
        FAngleAlpha = AngleOpposite(FourArea, Sums.Perimeter, Sums.ExcessA);
    }
    if (FAngleBeta == 0) {
        FAngleBeta = AngleOpposite(FourArea, Sums.Perimeter, Sums.ExcessB);
    }
    if (FAngleGamma == 0) {
        FAngleGamma = AngleOpposite(FourArea, Sums.Perimeter, Sums.ExcessC);
    }
    // A height is twice the area over its side.
    if (FHeightA == 0) {
        FHeightA = FourArea / (a * 2);
    }
    if (FHeightB == 0) {
        FHeightB = FourArea / (b * 2);
    }
    if (FHeightC == 0) {
        FHeightC = FourArea / (c * 2);
    }
    // 4 m_a^2 = 2b^2 + 2c^2 - a^2 = P * (b + c - a) + (b - c)^2, a sum of two
    // terms that are not negative.
    const auto Median = [&Sums](T AExcess, T ASide1, T ASide2) {
        const T Difference = ASide1 - ASide2;
        return Sqrt(Sums.Perimeter * AExcess + Difference * Difference) * 0.5L;
    };
    if (FMedianA == 0) {
        FMedianA = Median(Sums.ExcessA, b, c);
    }
    if (FMedianB == 0) {
        FMedianB = Median(Sums.ExcessB, c, a);
    }
    if (FMedianC == 0) {
        FMedianC = Median(Sums.ExcessC, a, b);
    }
    if (FArea == 0) {
        FArea = FourArea * 0.25L;
    }
    if (FCircumference == 0) {
        FCircumference = (a + b) + c;
    }
    // Sides and angles are told equal when their 15-digit texts agree. The
    // classification belongs to the figure as the program computes it; the
    // other number types leave it at its start.
    if constexpr (std::is_same_v<T, Extended>) {
        Classify();
    }
}

template <class T> void TCustomTriangle<T>::Classify() {
    const T& a = FSideA;
    const T& b = FSideB;
    const T& c = FSideC;
    if (FSideType == tstScalene) {
        if (FloatEqual({a, b, c}, 14)) {
            FSideType = tstEquilateral;
        } else {
            const int EqualPairs = int(FloatEqual({a, b}, 14)) + int(FloatEqual({b, c}, 14)) +
                                   int(FloatEqual({c, a}, 14));
            FSideType = (EqualPairs % 2 == 1) ? tstIsosceles : tstScalene;
        }
    }
    if (FAngleType == tatAcute) {
        const T Angles[] = {FAngleAlpha, FAngleBeta, FAngleGamma};
        int Right = 0;
        int Obtuse = 0;
        for (const T Angle : Angles) {
            Right += int(FloatEqual({Angle, HalfPi<T>()}, 14));
            Obtuse += int(Angle > HalfPi<T>());
        }
        if (Right % 2 == 1) {
            FAngleType = tatRight;
        } else if (Obtuse % 2 == 1) {
            FAngleType = tatObtuse;
        } else {
            FAngleType = tatAcute;
        }
    }
}

template <class T> void TCustomTriangle<T>::Finish(const std::string& AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSideA, FSideB, FSideC, FAngleAlpha, FAngleBeta,
                                                FAngleGamma, FHeightA, FHeightB, FHeightC, FMedianA,
                                                FMedianB, FMedianC, FArea, FCircumference},
                                               AOperation);
}

// ---- TTriangle ---------------------------------------------------------------------

template <class T> TTriangle<T> TTriangle<T>::Create(T ASideA, T ASideB, T ASideC) {
    const std::string Name = "TCustomTriangle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TTriangle<T> Result;
        Result.InitCustom(ASideA, ASideB, ASideC);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTriangle: building -------------------------------------------------

template <class T>
template <class TInit>
TIsoscelesTriangle<T> TIsoscelesTriangle<T>::Make(const char* AMember, TInit&& AInit) {
    const std::string Name = IsoscelesName(AMember);
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TIsoscelesTriangle<T> Result;
        AInit(Result);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTriangle: the members its constructors run --------------------------

template <class T> void TIsoscelesTriangle<T>::Init(T ABase, T ALeg) {
    if (!(ABase > 0) || !(ALeg > 0) || !(ABase < ALeg * 2)) {
        RejectPlaneFigures(IsoscelesName("Create"));
    }
    FSideType = tstIsosceles;
    InitCustom(ALeg, ALeg, ABase);
}

template <class T>
void TIsoscelesTriangle<T>::Init_Base_BaseAngle(T ABase, T ABaseAngle, T ACosBaseAngle) {
    if (!(ABase > 0) || !(ABaseAngle > 0) || !(ABaseAngle < HalfPi<T>())) {
        RejectPlaneFigures(IsoscelesName("Create_Base_BaseAngle"));
    }
    FAngleAlpha = ABaseAngle;
    FAngleBeta = ABaseAngle;
    const T CosBaseAngle = ACosBaseAngle != 0 ? ACosBaseAngle : Cos(ABaseAngle);
    // The leg is longer than half the base; for a tiny base angle the rounded leg
    // can come out equal to it, and is then taken the next value up.
    T Leg = ABase / (CosBaseAngle * 2);
    if (!IsExact<T> && !(ValueOf(ABase) < ValueOf(Leg) * 2)) {
        Leg = NextUp(Leg);
    }
    Init(ABase, Leg);
}

template <class T> void TIsoscelesTriangle<T>::Init_Base_VertexAngle(T ABase, T AVertexAngle) {
    if (!(ABase > 0) || !(AVertexAngle > 0) || !(AVertexAngle < Pi<T>())) {
        RejectPlaneFigures(IsoscelesName("Create_Base_VertexAngle"));
    }
    FAngleGamma = AVertexAngle;
    // The cosine of the base angle is the sine of half the vertex angle. Taken
    // from the given angle it keeps its digits for a small vertex angle (a
    // polygon of many sides), which the cosine of the rounded base angle,
    // close to a right angle, would lose.
    Init_Base_BaseAngle(ABase, (Pi<T>() - AVertexAngle) * 0.5L, Sin(AVertexAngle * 0.5L));
}

template <class T>
void TIsoscelesTriangle<T>::Init_Base_HeightOrMedianOnBase(T ABase, T AHeightOrMedianOnBase) {
    if (!(ABase > 0) || !(AHeightOrMedianOnBase > 0)) {
        RejectPlaneFigures(IsoscelesName("Create_Base_HeightOrMedianOnBase"));
    }
    FHeightC = AHeightOrMedianOnBase;
    FMedianC = AHeightOrMedianOnBase;
    // The leg is longer than half the base. For a height that is tiny beside
    // the base the rounded leg can come out equal to it; the leg is then the
    // next value up, which is the exact leg rounded upwards.
    T Leg = PythagoreanTheorem_Hypotenuse(AHeightOrMedianOnBase, ABase / 2);
    if (!IsExact<T> && !(ValueOf(ABase) < ValueOf(Leg) * 2)) {
        Leg = NextUp(Leg);
    }
    Init(ABase, Leg);
}

// ---- TIsoscelesTriangle: the public members -------------------------------------------

template <class T> TIsoscelesTriangle<T> TIsoscelesTriangle<T>::Create(T ABase, T ALeg) {
    return Make("Create", [&](TIsoscelesTriangle<T>& ATriangle) { ATriangle.Init(ABase, ALeg); });
}

template <class T>
TIsoscelesTriangle<T> TIsoscelesTriangle<T>::Create_Base_VertexAngle(T ABase, T AVertexAngle) {
    return Make("Create_Base_VertexAngle", [&](TIsoscelesTriangle<T>& ATriangle) {
        ATriangle.Init_Base_VertexAngle(ABase, AVertexAngle);
    });
}

template <class T>
TIsoscelesTriangle<T>
TIsoscelesTriangle<T>::Create_Base_HeightOrMedianOnBase(T ABase, T AHeightOrMedianOnBase) {
    return Make("Create_Base_HeightOrMedianOnBase", [&](TIsoscelesTriangle<T>& ATriangle) {
        ATriangle.Init_Base_HeightOrMedianOnBase(ABase, AHeightOrMedianOnBase);
    });
}

// ---- TEquilateralTriangle ------------------------------------------------------------

template <class T>
template <class TInit>
TEquilateralTriangle<T> TEquilateralTriangle<T>::Make(const char* AMember, TInit&& AInit) {
    const std::string Name = std::string("TEquilateralTriangle.") + AMember;
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TEquilateralTriangle<T> Result;
        AInit(Result);
        Result.Finish(Name);
        return Result;
    });
}

template <class T> void TEquilateralTriangle<T>::Init_Side(T ASide) {
    FSideType = tstEquilateral;
    InitCustom(ASide, ASide, ASide);
}

template <class T> TEquilateralTriangle<T> TEquilateralTriangle<T>::Create_Side(T ASide) {
    return Make("Create_Side",
                [&](TEquilateralTriangle<T>& ATriangle) { ATriangle.Init_Side(ASide); });
}

} // namespace Figures
