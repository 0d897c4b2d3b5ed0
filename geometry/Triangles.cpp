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

// x^4 as an integer power: (x*x)*(x*x).
Extended Power4(Extended x) {
    const Extended Square = x * x;
    return Square * Square;
}

// The real roots of a quadratic whose discriminant is non-negative by the
// caller's checks; a discriminant rounded below zero means the double root.
void RealRoots(Extended A, Extended B, Extended C, Extended& X1, Extended& X2) {
    if (QuadraticEquation(A, B, C, X1, X2) < 0) {
        X2 = X1;
    }
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

// ---- TIsoscelesTriangle: members with checks of their own ---------------------------

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

void TIsoscelesTriangle::Init_Base_HeightOnLeg(Extended ABase, Extended AHeightOnLeg) {
    if (!(ABase > 0) || !(AHeightOnLeg > 0) || !(AHeightOnLeg < ABase)) {
        Reject(IsoscelesName("Create_Base_HeightOnLeg"));
    }
    FHeightA = AHeightOnLeg;
    FHeightB = AHeightOnLeg;
    Init_Base_BaseAngle(ABase, std::asin(AHeightOnLeg / ABase));
}

void TIsoscelesTriangle::Init_Base_MedianOnLeg(Extended ABase, Extended AMedianOnLeg) {
    if (!(ABase > 0) || !(AMedianOnLeg > 0) || !(AMedianOnLeg > ABase * 0.75L)) {
        Reject(IsoscelesName("Create_Base_MedianOnLeg"));
    }
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    // The centroid lies on the height, a third of it above the base, and two
    // thirds of the median away from the base's end.
    Init_Base_HeightOrMedianOnBase(
        ABase, PythagoreanTheorem_Leg1((2.0L / 3) * AMedianOnLeg, ABase / 2) * 3);
}

void TIsoscelesTriangle::Init_Base_Area(Extended ABase, Extended AArea) {
    if (!(ABase > 0) || !(AArea > 0)) {
        Reject(IsoscelesName("Create_Base_Area"));
    }
    FArea = AArea;
    Init_Base_HeightOrMedianOnBase(ABase, (AArea * 2) / ABase);
}

void TIsoscelesTriangle::Init_Base_Circumference(Extended ABase, Extended ACircumference) {
    if (!(ABase > 0) || !(ACircumference > 0) || !(ACircumference > ABase * 2)) {
        Reject(IsoscelesName("Create_Base_Circumference"));
    }
    FCircumference = ACircumference;
    Init(ABase, (ACircumference - ABase) * 0.5L);
}

void TIsoscelesTriangle::Init_Leg_BaseAngle(Extended ALeg, Extended ABaseAngle,
                                            Extended ACosBaseAngle) {
    if (!(ALeg > 0) || !(ABaseAngle > 0) || !(ABaseAngle < HalfPi)) {
        Reject(IsoscelesName("Create_Leg_BaseAngle"));
    }
    FAngleAlpha = ABaseAngle;
    FAngleBeta = ABaseAngle;
    const Extended Cos = ACosBaseAngle != 0 ? ACosBaseAngle : std::cos(ABaseAngle);
    Init(Cos * (ALeg * 2), ALeg);
}

void TIsoscelesTriangle::Init_Leg_VertexAngle(Extended ALeg, Extended AVertexAngle) {
    if (!(ALeg > 0) || !(AVertexAngle > 0) || !(AVertexAngle < Pi)) {
        Reject(IsoscelesName("Create_Leg_VertexAngle"));
    }
    FAngleGamma = AVertexAngle;
    // As for the base: the base angle's cosine from half the given vertex angle.
    Init_Leg_BaseAngle(ALeg, (Pi - AVertexAngle) * 0.5L, std::sin(AVertexAngle * 0.5L));
}

void TIsoscelesTriangle::Init_Leg_HeightOrMedianOnBase(Extended ALeg,
                                                       Extended AHeightOrMedianOnBase) {
    if (!(ALeg > 0) || !(AHeightOrMedianOnBase > 0) || !(AHeightOrMedianOnBase < ALeg)) {
        Reject(IsoscelesName("Create_Leg_HeightOrMedianOnBase"));
    }
    FHeightC = AHeightOrMedianOnBase;
    FMedianC = AHeightOrMedianOnBase;
    Init(PythagoreanTheorem_Leg1(ALeg, AHeightOrMedianOnBase) * 2, ALeg);
}

void TIsoscelesTriangle::Init_Leg_HeightOnLeg(Extended ALeg, Extended AHeightOnLeg,
                                              TSecond& ASecond) {
    if (!(ALeg > 0) || !(AHeightOnLeg > 0) || !(AHeightOnLeg < ALeg)) {
        Reject(IsoscelesName("Create_Leg_HeightOnLeg"));
    }
    FHeightA = AHeightOnLeg;
    FHeightB = AHeightOnLeg;
    // The height on a leg is leg * sin(vertex angle): an acute and an obtuse solution.
    const Extended Gamma1 = std::asin(AHeightOnLeg / ALeg);
    const Extended Gamma2 = Pi - Gamma1;
    Init_Leg_VertexAngle(ALeg, Gamma1);
    if (Gamma2 != Gamma1) {
        ASecond = Create_Leg_VertexAngle(ALeg, Gamma2);
    } else {
        ASecond.reset();
    }
}

// ---- TIsoscelesTriangle: members relying on the checks of the member they run -----

void TIsoscelesTriangle::Init_Leg_MedianOnLeg(Extended ALeg, Extended AMedianOnLeg) {
    // Lengths that form no triangle are rejected by LawOfCosines_Angle; a
    // length that is not positive is not a length of this triangle at all.
    if (!(ALeg > 0) || !(AMedianOnLeg > 0)) {
        Reject(IsoscelesName("Create_Leg_MedianOnLeg"));
    }
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    Init_Leg_VertexAngle(ALeg, LawOfCosines_Angle(AMedianOnLeg, ALeg, ALeg / 2));
}

void TIsoscelesTriangle::Init_Leg_Area(Extended ALeg, Extended AArea, TSecond& ASecond) {
    FArea = AArea;
    Init_Leg_HeightOnLeg(ALeg, (AArea * 2) / ALeg, ASecond);
}

void TIsoscelesTriangle::Init_Leg_Circumference(Extended ALeg, Extended ACircumference) {
    FCircumference = ACircumference;
    Init(ACircumference - ALeg * 2, ALeg);
}

void TIsoscelesTriangle::Init_BaseAngle_HeightOrMedianOnBase(Extended ABaseAngle,
                                                             Extended AHeightOrMedianOnBase) {
    FHeightC = AHeightOrMedianOnBase;
    FMedianC = AHeightOrMedianOnBase;
    Init_Leg_BaseAngle(AHeightOrMedianOnBase / std::sin(ABaseAngle), ABaseAngle);
}

void TIsoscelesTriangle::Init_BaseAngle_HeightOnLeg(Extended ABaseAngle, Extended AHeightOnLeg) {
    FHeightA = AHeightOnLeg;
    FHeightB = AHeightOnLeg;
    Init_Base_BaseAngle(AHeightOnLeg / std::sin(ABaseAngle), ABaseAngle);
}

void TIsoscelesTriangle::Init_BaseAngle_MedianOnLeg(Extended ABaseAngle, Extended AMedianOnLeg) {
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    const Extended Cos = std::cos(ABaseAngle);
    Init_Leg_BaseAngle(std::sqrt(((AMedianOnLeg * AMedianOnLeg) * 4) / (((Cos * Cos) * 8) + 1)),
                       ABaseAngle);
}

void TIsoscelesTriangle::Init_BaseAngle_Area(Extended ABaseAngle, Extended AArea) {
    FArea = AArea;
    Init_Base_BaseAngle(std::sqrt(AArea / std::tan(ABaseAngle)) * 2, ABaseAngle);
}

void TIsoscelesTriangle::Init_BaseAngle_Circumference(Extended ABaseAngle,
                                                      Extended ACircumference) {
    FCircumference = ACircumference;
    const Extended Cos = std::cos(ABaseAngle);
    Init_Base_BaseAngle((Cos * ACircumference) / (Cos + 1), ABaseAngle);
}

void TIsoscelesTriangle::Init_VertexAngle_HeightOrMedianOnBase(Extended AVertexAngle,
                                                               Extended AHeightOrMedianOnBase) {
    FAngleGamma = AVertexAngle;
    Init_BaseAngle_HeightOrMedianOnBase((Pi - AVertexAngle) * 0.5L, AHeightOrMedianOnBase);
}

void TIsoscelesTriangle::Init_VertexAngle_HeightOnLeg(Extended AVertexAngle,
                                                      Extended AHeightOnLeg) {
    FAngleGamma = AVertexAngle;
    Init_BaseAngle_HeightOnLeg((Pi - AVertexAngle) * 0.5L, AHeightOnLeg);
}

void TIsoscelesTriangle::Init_VertexAngle_MedianOnLeg(Extended AVertexAngle,
                                                      Extended AMedianOnLeg) {
    FAngleGamma = AVertexAngle;
    Init_BaseAngle_MedianOnLeg((Pi - AVertexAngle) * 0.5L, AMedianOnLeg);
}

void TIsoscelesTriangle::Init_VertexAngle_Area(Extended AVertexAngle, Extended AArea) {
    FAngleGamma = AVertexAngle;
    Init_BaseAngle_Area((Pi - AVertexAngle) * 0.5L, AArea);
}

void TIsoscelesTriangle::Init_VertexAngle_Circumference(Extended AVertexAngle,
                                                        Extended ACircumference) {
    FAngleGamma = AVertexAngle;
    Init_BaseAngle_Circumference((Pi - AVertexAngle) * 0.5L, ACircumference);
}

void TIsoscelesTriangle::Init_HeightOrMedianOnBase_HeightOnLeg(Extended AHeightOrMedianOnBase,
                                                               Extended AHeightOnLeg) {
    if (!(AHeightOnLeg < AHeightOrMedianOnBase * 2)) {
        Reject(IsoscelesName("Create_HeightOrMedianOnBase_HeightOnLeg"));
    }
    FHeightA = AHeightOnLeg;
    FHeightB = AHeightOnLeg;
    const Extended h = AHeightOrMedianOnBase;
    const Extended hl = AHeightOnLeg;
    Init_Base_HeightOrMedianOnBase(
        std::sqrt(((hl * hl) * ((h * h) * 4)) / (((h * h) * 4) - hl * hl)), h);
}

void TIsoscelesTriangle::Init_HeightOrMedianOnBase_MedianOnLeg(Extended AHeightOrMedianOnBase,
                                                               Extended AMedianOnLeg) {
    if (!(AHeightOrMedianOnBase > 0) || !(AMedianOnLeg > 0) ||
        !(AMedianOnLeg > AHeightOrMedianOnBase / 2)) {
        Reject(IsoscelesName("Create_HeightOrMedianOnBase_MedianOnLeg"));
    }
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    Init_Base_HeightOrMedianOnBase(
        PythagoreanTheorem_Leg1((2.0L / 3) * AMedianOnLeg,
                                Constants::OneThird * AHeightOrMedianOnBase) *
            2,
        AHeightOrMedianOnBase);
}

void TIsoscelesTriangle::Init_HeightOrMedianOnBase_Area(Extended AHeightOrMedianOnBase,
                                                        Extended AArea) {
    FArea = AArea;
    Init_Base_HeightOrMedianOnBase((AArea * 2) / AHeightOrMedianOnBase, AHeightOrMedianOnBase);
}

void TIsoscelesTriangle::Init_HeightOrMedianOnBase_Circumference(Extended AHeightOrMedianOnBase,
                                                                 Extended ACircumference) {
    FHeightC = AHeightOrMedianOnBase;
    const Extended h = AHeightOrMedianOnBase;
    const Extended P = ACircumference;
    Init_Base_Circumference((((h * h) * 4) - P * P) / (P * (-2)), P);
}

void TIsoscelesTriangle::Init_HeightOnLeg_MedianOnLeg(Extended AHeightOnLeg, Extended AMedianOnLeg,
                                                      TSecond& ASecond) {
    if (!(AHeightOnLeg <= AMedianOnLeg) || !(AHeightOnLeg > 0)) {
        Reject(IsoscelesName("Create_HeightOnLeg_MedianOnLeg"));
    }
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    const Extended hl = AHeightOnLeg;
    const Extended m = AMedianOnLeg;
    // The roots are the cosines of the vertex angle.
    Extended X1 = 0;
    Extended X2 = 0;
    RealRoots(m * m, -(hl * hl), -(m * m) + (hl * hl) * 1.25L, X1, X2);
    const Extended Gamma1 = std::acos(X1);
    const Extended Gamma2 = std::acos(X2);
    Init_VertexAngle_HeightOnLeg(Gamma1, hl);
    if (Gamma2 != Gamma1) {
        ASecond = Create_VertexAngle_HeightOnLeg(Gamma2, hl);
    } else {
        ASecond.reset();
    }
}

void TIsoscelesTriangle::Init_HeightOnLeg_Area(Extended AHeightOnLeg, Extended AArea,
                                               TSecond& ASecond) {
    FArea = AArea;
    Init_Leg_HeightOnLeg((AArea * 2) / AHeightOnLeg, AHeightOnLeg, ASecond);
}

void TIsoscelesTriangle::Init_HeightOnLeg_Circumference(Extended AHeightOnLeg,
                                                        Extended ACircumference, TSecond& ASecond) {
    if (!(AHeightOnLeg > 0) || !(ACircumference > 0)) {
        Reject(IsoscelesName("Create_HeightOnLeg_Circumference"));
    }
    FHeightA = AHeightOnLeg;
    FHeightB = AHeightOnLeg;
    const Extended hl = AHeightOnLeg;
    const Extended P = ACircumference;
    // The roots are legs; the largest one leaves no base.
    Extended X1 = 0;
    Extended X2 = 0;
    Extended X3 = 0;
    if (CubicEquation(P * 4, -(hl * hl + (P * P) * 5), Cube(P) * 2, Power4(P) * (-0.25L), X1, X2,
                      X3) != 3) {
        Reject(IsoscelesName("Create_HeightOnLeg_Circumference"));
    }
    Init_Leg_Circumference(X2, P);
    ASecond = Create_Leg_Circumference(X3, P);
}

void TIsoscelesTriangle::Init_MedianOnLeg_Area(Extended AMedianOnLeg, Extended AArea,
                                               TSecond& ASecond) {
    if (!(AMedianOnLeg >= std::sqrt(AArea * 1.5L)) || !(AArea > 0)) {
        Reject(IsoscelesName("Create_MedianOnLeg_Area"));
    }
    FArea = AArea;
    const Extended m = AMedianOnLeg;
    // The roots are squares of legs.
    Extended X1 = 0;
    Extended X2 = 0;
    RealRoots(9, (m * m) * (-40), (AArea * AArea) * 64 + Power4(m) * 16, X1, X2);
    const Extended Leg1 = std::sqrt(X1);
    const Extended Leg2 = std::sqrt(X2);
    Init_Leg_MedianOnLeg(Leg1, m);
    if (Leg2 != Leg1) {
        ASecond = Create_Leg_MedianOnLeg(Leg2, m);
    } else {
        ASecond.reset();
    }
}

void TIsoscelesTriangle::Init_MedianOnLeg_Circumference(Extended AMedianOnLeg,
                                                        Extended ACircumference, TSecond& ASecond) {
    if (!(AMedianOnLeg >= (std::sqrt(Extended(2)) / 6) * ACircumference)) {
        Reject(IsoscelesName("Create_MedianOnLeg_Circumference"));
    }
    FMedianA = AMedianOnLeg;
    FMedianB = AMedianOnLeg;
    const Extended m = AMedianOnLeg;
    const Extended P = ACircumference;
    // The roots are legs; one not shorter than half the perimeter leaves no base.
    Extended X1 = 0;
    Extended X2 = 0;
    RealRoots(9, P * (-8), (P * P) * 2 - (m * m) * 4, X1, X2);
    Init_Leg_Circumference(X2, P);
    if (X1 != X2 && X1 < P / 2) {
        ASecond = Create_Leg_Circumference(X1, P);
    } else {
        ASecond.reset();
    }
}

void TIsoscelesTriangle::Init_Area_Circumference(Extended AArea, Extended ACircumference,
                                                 TSecond& ASecond) {
    if (!(AArea > 0) || !(ACircumference > 0)) {
        Reject(IsoscelesName("Create_Area_Circumference"));
    }
    FArea = AArea;
    const Extended P = ACircumference;
    // The roots are bases; the smallest one is negative.
    Extended X1 = 0;
    Extended X2 = 0;
    Extended X3 = 0;
    if (CubicEquation(P * 2, -(P * P), 0, (AArea * 4) * (AArea * 4), X1, X2, X3) != 3) {
        Reject(IsoscelesName("Create_Area_Circumference"));
    }
    Init_Base_Circumference(X1, P);
    ASecond = Create_Base_Circumference(X2, P);
}

// ---- TIsoscelesTriangle: the public members -------------------------------------------

TIsoscelesTriangle TIsoscelesTriangle::Create(Extended ABase, Extended ALeg) {
    return Make("Create", [&](TIsoscelesTriangle& T) { T.Init(ABase, ALeg); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_BaseAngle(Extended ABase, Extended ABaseAngle) {
    return Make("Create_Base_BaseAngle",
                [&](TIsoscelesTriangle& T) { T.Init_Base_BaseAngle(ABase, ABaseAngle); });
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

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_HeightOnLeg(Extended ABase,
                                                               Extended AHeightOnLeg) {
    return Make("Create_Base_HeightOnLeg",
                [&](TIsoscelesTriangle& T) { T.Init_Base_HeightOnLeg(ABase, AHeightOnLeg); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_MedianOnLeg(Extended ABase,
                                                               Extended AMedianOnLeg) {
    return Make("Create_Base_MedianOnLeg",
                [&](TIsoscelesTriangle& T) { T.Init_Base_MedianOnLeg(ABase, AMedianOnLeg); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_Area(Extended ABase, Extended AArea) {
    return Make("Create_Base_Area", [&](TIsoscelesTriangle& T) { T.Init_Base_Area(ABase, AArea); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Base_Circumference(Extended ABase,
                                                                 Extended ACircumference) {
    return Make("Create_Base_Circumference",
                [&](TIsoscelesTriangle& T) { T.Init_Base_Circumference(ABase, ACircumference); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_BaseAngle(Extended ALeg, Extended ABaseAngle) {
    return Make("Create_Leg_BaseAngle",
                [&](TIsoscelesTriangle& T) { T.Init_Leg_BaseAngle(ALeg, ABaseAngle); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_VertexAngle(Extended ALeg,
                                                              Extended AVertexAngle) {
    return Make("Create_Leg_VertexAngle",
                [&](TIsoscelesTriangle& T) { T.Init_Leg_VertexAngle(ALeg, AVertexAngle); });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_Leg_HeightOrMedianOnBase(Extended ALeg, Extended AHeightOrMedianOnBase) {
    return Make("Create_Leg_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        T.Init_Leg_HeightOrMedianOnBase(ALeg, AHeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_HeightOnLeg(Extended ALeg, Extended AHeightOnLeg,
                                                              TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_Leg_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_Leg_HeightOnLeg(ALeg, AHeightOnLeg, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_MedianOnLeg(Extended Leg, Extended MedianOnLeg) {
    return Make("Create_Leg_MedianOnLeg",
                [&](TIsoscelesTriangle& T) { T.Init_Leg_MedianOnLeg(Leg, MedianOnLeg); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_Area(Extended Leg, Extended Area,
                                                       TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First =
        Make("Create_Leg_Area", [&](TIsoscelesTriangle& T) { T.Init_Leg_Area(Leg, Area, Second); });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Leg_Circumference(Extended Leg,
                                                                Extended Circumference) {
    return Make("Create_Leg_Circumference",
                [&](TIsoscelesTriangle& T) { T.Init_Leg_Circumference(Leg, Circumference); });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_BaseAngle_HeightOrMedianOnBase(Extended BaseAngle,
                                                          Extended HeightOrMedianOnBase) {
    return Make("Create_BaseAngle_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        T.Init_BaseAngle_HeightOrMedianOnBase(BaseAngle, HeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_BaseAngle_HeightOnLeg(Extended BaseAngle,
                                                                    Extended HeightOnLeg) {
    return Make("Create_BaseAngle_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_BaseAngle_HeightOnLeg(BaseAngle, HeightOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_BaseAngle_MedianOnLeg(Extended BaseAngle,
                                                                    Extended MedianOnLeg) {
    return Make("Create_BaseAngle_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_BaseAngle_MedianOnLeg(BaseAngle, MedianOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_BaseAngle_Area(Extended BaseAngle, Extended Area) {
    return Make("Create_BaseAngle_Area",
                [&](TIsoscelesTriangle& T) { T.Init_BaseAngle_Area(BaseAngle, Area); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_BaseAngle_Circumference(Extended BaseAngle,
                                                                      Extended Circumference) {
    return Make("Create_BaseAngle_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_BaseAngle_Circumference(BaseAngle, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_VertexAngle_HeightOrMedianOnBase(Extended VertexAngle,
                                                            Extended HeightOrMedianOnBase) {
    return Make("Create_VertexAngle_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        T.Init_VertexAngle_HeightOrMedianOnBase(VertexAngle, HeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_VertexAngle_HeightOnLeg(Extended VertexAngle,
                                                                      Extended HeightOnLeg) {
    return Make("Create_VertexAngle_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_VertexAngle_HeightOnLeg(VertexAngle, HeightOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_VertexAngle_MedianOnLeg(Extended VertexAngle,
                                                                      Extended MedianOnLeg) {
    return Make("Create_VertexAngle_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_VertexAngle_MedianOnLeg(VertexAngle, MedianOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_VertexAngle_Area(Extended VertexAngle,
                                                               Extended Area) {
    return Make("Create_VertexAngle_Area",
                [&](TIsoscelesTriangle& T) { T.Init_VertexAngle_Area(VertexAngle, Area); });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_VertexAngle_Circumference(Extended VertexAngle,
                                                                        Extended Circumference) {
    return Make("Create_VertexAngle_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_VertexAngle_Circumference(VertexAngle, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_HeightOrMedianOnBase_HeightOnLeg(Extended HeightOrMedianOnBase,
                                                            Extended HeightOnLeg) {
    return Make("Create_HeightOrMedianOnBase_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOrMedianOnBase_HeightOnLeg(HeightOrMedianOnBase, HeightOnLeg);
    });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_HeightOrMedianOnBase_MedianOnLeg(Extended HeightOrMedianOnBase,
                                                            Extended MedianOnLeg) {
    return Make("Create_HeightOrMedianOnBase_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOrMedianOnBase_MedianOnLeg(HeightOrMedianOnBase, MedianOnLeg);
    });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_HeightOrMedianOnBase_Area(Extended HeightOrMedianOnBase, Extended Area) {
    return Make("Create_HeightOrMedianOnBase_Area", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOrMedianOnBase_Area(HeightOrMedianOnBase, Area);
    });
}

TIsoscelesTriangle
TIsoscelesTriangle::Create_HeightOrMedianOnBase_Circumference(Extended HeightOrMedianOnBase,
                                                              Extended Circumference) {
    return Make("Create_HeightOrMedianOnBase_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOrMedianOnBase_Circumference(HeightOrMedianOnBase, Circumference);
    });
}

TIsoscelesTriangle TIsoscelesTriangle::Create_HeightOnLeg_MedianOnLeg(Extended HeightOnLeg,
                                                                      Extended MedianOnLeg,
                                                                      TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_HeightOnLeg_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOnLeg_MedianOnLeg(HeightOnLeg, MedianOnLeg, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_HeightOnLeg_Area(Extended HeightOnLeg, Extended Area,
                                                               TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_HeightOnLeg_Area", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOnLeg_Area(HeightOnLeg, Area, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_HeightOnLeg_Circumference(Extended HeightOnLeg,
                                                                        Extended Circumference,
                                                                        TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_HeightOnLeg_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_HeightOnLeg_Circumference(HeightOnLeg, Circumference, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_MedianOnLeg_Area(Extended MedianOnLeg, Extended Area,
                                                               TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_MedianOnLeg_Area", [&](TIsoscelesTriangle& T) {
        T.Init_MedianOnLeg_Area(MedianOnLeg, Area, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_MedianOnLeg_Circumference(Extended MedianOnLeg,
                                                                        Extended Circumference,
                                                                        TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_MedianOnLeg_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_MedianOnLeg_Circumference(MedianOnLeg, Circumference, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangle::Create_Area_Circumference(Extended Area,
                                                                 Extended Circumference,
                                                                 TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = Make("Create_Area_Circumference", [&](TIsoscelesTriangle& T) {
        T.Init_Area_Circumference(Area, Circumference, Second);
    });
    SecondSolution = std::move(Second);
    return First;
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

TEquilateralTriangle TEquilateralTriangle::Create_HeightOrMedian(Extended AHeightOrMedian) {
    return Make("Create_HeightOrMedian", [&](TEquilateralTriangle& T) {
        T.FHeightA = AHeightOrMedian;
        T.FHeightB = AHeightOrMedian;
        T.FHeightC = AHeightOrMedian;
        T.FMedianA = AHeightOrMedian;
        T.FMedianB = AHeightOrMedian;
        T.FMedianC = AHeightOrMedian;
        T.Init_Side((2 / std::sqrt(Extended(3))) * AHeightOrMedian);
    });
}

TEquilateralTriangle TEquilateralTriangle::Create_Area(Extended AArea) {
    return Make("Create_Area", [&](TEquilateralTriangle& T) {
        T.FArea = AArea;
        T.Init_Side(std::sqrt(AArea / std::sqrt(Extended(3))) * 2);
    });
}

TEquilateralTriangle TEquilateralTriangle::Create_Circumference(Extended ACircumference) {
    return Make("Create_Circumference", [&](TEquilateralTriangle& T) {
        T.FCircumference = ACircumference;
        T.Init_Side(ACircumference / 3);
    });
}
