// The triangle classes of PlaneFigures.h.
#include "PlaneFigures.h"

#include <limits>

namespace {

using Constants::HalfPi;
using Constants::Pi;

[[noreturn]] void Reject(const std::string& AOperation) {
    throw EInvalidInputPlaneFigures(AOperation);
}

std::string IsoscelesName(const char* AMember) {
    return std::string("TIsoscelesTriangle.") + AMember;
}

} // namespace

// ---- TCustomTriangle ---------------------------------------------------------------

void TCustomTriangle::InitCustom(Extended a, Extended b, Extended c) {
    // The inequalities are decided on the exact sums: a triangle that closes
    // is not refused because a sum of its sides was rounded.
    if (!(a > 0) || !(b > 0) || !(c > 0) || !SumExceeds({a, b}, c) || !SumExceeds({b, c}, a) ||
        !SumExceeds({c, a}, b)) {
        Reject("TCustomTriangle.Create");
    }
    FSideA = a;
    FSideB = b;
    FSideC = c;
    // Everything below follows from the area and from sums of the sides taken
    // without cancellation, so thin and nearly flat triangles keep their digits
    // (an arc cosine of the cosine rule, and a sine of that, would not). A
    // given area or height belongs to the figure as given; the sides derived
    // from it are rounded, so the area is taken from it, not from Heron.
    const TTriangleSums Sums = TriangleSums(a, b, c);
    Extended FourArea = 0;
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
    const auto Median = [&Sums](Extended AExcess, Extended ASide1, Extended ASide2) {
        const Extended Difference = ASide1 - ASide2;
        return std::sqrt(Sums.Perimeter * AExcess + Difference * Difference) * 0.5L;
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
    // Sides and angles are told equal when their 15-digit texts agree.
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
        const Extended Angles[] = {FAngleAlpha, FAngleBeta, FAngleGamma};
        int Right = 0;
        int Obtuse = 0;
        for (const Extended Angle : Angles) {
            Right += int(FloatEqual({Angle, HalfPi}, 14));
            Obtuse += int(Angle > HalfPi);
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

void TCustomTriangle::Finish(const std::string& AOperation) const {
    RequirePositive<EInvalidInputPlaneFigures>({FSideA, FSideB, FSideC, FAngleAlpha, FAngleBeta,
                                                FAngleGamma, FHeightA, FHeightB, FHeightC, FMedianA,
                                                FMedianB, FMedianC, FArea, FCircumference},
                                               AOperation);
}

// ---- TTriangle ---------------------------------------------------------------------

TTriangle TTriangle::Create(Extended ASideA, Extended ASideB, Extended ASideC) {
    const std::string Name = "TCustomTriangle.Create";
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TTriangle Result;
        Result.InitCustom(ASideA, ASideB, ASideC);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTriangle: building -------------------------------------------------

template <class TInit>
TIsoscelesTriangle TIsoscelesTriangle::Make(const char* AMember, TInit&& AInit) {
    const std::string Name = IsoscelesName(AMember);
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TIsoscelesTriangle Result;
        AInit(Result);
        Result.Finish(Name);
        return Result;
    });
}

// ---- TIsoscelesTriangle: the members its constructors run --------------------------

void TIsoscelesTriangle::Init(Extended ABase, Extended ALeg) {
    if (!(ABase > 0) || !(ALeg > 0) || !(ABase < ALeg * 2)) {
        Reject(IsoscelesName("Create"));
    }
    FSideType = tstIsosceles;
    InitCustom(ALeg, ALeg, ABase);
}

void TIsoscelesTriangle::Init_Base_BaseAngle(Extended ABase, Extended ABaseAngle,
                                             Extended ACosBaseAngle) {
    if (!(ABase > 0) || !(ABaseAngle > 0) || !(ABaseAngle < HalfPi)) {
        Reject(IsoscelesName("Create_Base_BaseAngle"));
    }
    FAngleAlpha = ABaseAngle;
    FAngleBeta = ABaseAngle;
    const Extended Cos = ACosBaseAngle != 0 ? ACosBaseAngle : std::cos(ABaseAngle);
    // The leg is longer than half the base; for a tiny base angle the rounded leg
    // can come out equal to it, and is then taken the next value up.
    Extended Leg = ABase / (Cos * 2);
    if (!(ABase < Leg * 2)) {
        Leg = std::nextafter(Leg, std::numeric_limits<Extended>::infinity());
    }
    Init(ABase, Leg);
}

void TIsoscelesTriangle::Init_Base_VertexAngle(Extended ABase, Extended AVertexAngle) {
    if (!(ABase > 0) || !(AVertexAngle > 0) || !(AVertexAngle < Pi)) {
        Reject(IsoscelesName("Create_Base_VertexAngle"));
    }
    FAngleGamma = AVertexAngle;
    // The cosine of the base angle is the sine of half the vertex angle. Taken
    // from the given angle it keeps its digits for a small vertex angle (a
    // polygon of many sides), which the cosine of the rounded base angle,
    // close to a right angle, would lose.
    Init_Base_BaseAngle(ABase, (Pi - AVertexAngle) * 0.5L, std::sin(AVertexAngle * 0.5L));
}

void TIsoscelesTriangle::Init_Base_HeightOrMedianOnBase(Extended ABase,
                                                        Extended AHeightOrMedianOnBase) {
    if (!(ABase > 0) || !(AHeightOrMedianOnBase > 0)) {
        Reject(IsoscelesName("Create_Base_HeightOrMedianOnBase"));
    }
    FHeightC = AHeightOrMedianOnBase;
    FMedianC = AHeightOrMedianOnBase;
    // The leg is longer than half the base. For a height that is tiny beside
    // the base the rounded leg can come out equal to it; the leg is then the
    // next value up, which is the exact leg rounded upwards.
    Extended Leg = PythagoreanTheorem_Hypotenuse(AHeightOrMedianOnBase, ABase / 2);
    if (!(ABase < Leg * 2)) {
        Leg = std::nextafter(Leg, std::numeric_limits<Extended>::infinity());
    }
    Init(ABase, Leg);
}

// ---- TIsoscelesTriangle: the public members -------------------------------------------

TIsoscelesTriangle TIsoscelesTriangle::Create(Extended ABase, Extended ALeg) {
    return Make("Create", [&](TIsoscelesTriangle& T) { T.Init(ABase, ALeg); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_VertexAngle(Extended ABase,
                                                               Extended AVertexAngle) {
    return Make("Create_Base_VertexAngle",
                [&](TIsoscelesTriangle& T) { T.Init_Base_VertexAngle(ABase, AVertexAngle); });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_Base_HeightOrMedianOnBase(Extended ABase,
                                                     Extended AHeightOrMedianOnBase) {
    return Make("Create_Base_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        T.Init_Base_HeightOrMedianOnBase(ABase, AHeightOrMedianOnBase);
    });
}

// ---- TEquilateralTriangle ------------------------------------------------------------

template <class TInit>
TEquilateralTriangle TEquilateralTriangle::Make(const char* AMember, TInit&& AInit) {
    const std::string Name = std::string("TEquilateralTriangle.") + AMember;
    return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
        TEquilateralTriangle Result;
        AInit(Result);
        Result.Finish(Name);
        return Result;
    });
}

void TEquilateralTriangle::Init_Side(Extended ASide) {
    FSideType = tstEquilateral;
    InitCustom(ASide, ASide, ASide);
}

TEquilateralTriangle TEquilateralTriangle::Create_Side(Extended ASide) {
    return Make("Create_Side", [&](TEquilateralTriangle& T) { T.Init_Side(ASide); });
}
