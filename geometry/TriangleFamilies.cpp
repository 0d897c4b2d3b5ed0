// The members of the isosceles and equilateral triangle families that build a
// triangle from quantities other than its sides.
#include "TriangleFamilies.h"

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

// Each member runs on the triangle being built: its checks, its presets, then
// the member it relies on. A friend of both triangle classes.
struct TIsoscelesTriangleBuilder {
    using TSecond = TIsoscelesTriangle::TSecond;

    // Builds a triangle with AInit and rejects a result that is not finite
    // under the member's name.
    template <class TInit> static TIsoscelesTriangle Make(const char* AMember, TInit&& AInit) {
        const std::string Name = IsoscelesName(AMember);
        return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
            TIsoscelesTriangle Result;
            AInit(Result);
            Result.Finish(Name);
            return Result;
        });
    }

    template <class TInit>
    static TEquilateralTriangle MakeEquilateral(const char* AMember, TInit&& AInit) {
        const std::string Name = std::string("TEquilateralTriangle.") + AMember;
        return BuildFinite<EInvalidInputPlaneFigures>(Name, [&] {
            TEquilateralTriangle Result;
            AInit(Result);
            Result.Finish(Name);
            return Result;
        });
    }

    // TIsoscelesTriangle's own member, for the family's public one.
    static void Init_Base_BaseAngle(TIsoscelesTriangle& T, Extended ABase, Extended ABaseAngle) {
        T.Init_Base_BaseAngle(ABase, ABaseAngle);
    }

    // ---- The equilateral triangle -----------------------------------------------------

    static void InitEquilateral_HeightOrMedian(TEquilateralTriangle& T, Extended AHeightOrMedian) {
        T.FHeightA = AHeightOrMedian;
        T.FHeightB = AHeightOrMedian;
        T.FHeightC = AHeightOrMedian;
        T.FMedianA = AHeightOrMedian;
        T.FMedianB = AHeightOrMedian;
        T.FMedianC = AHeightOrMedian;
        T.Init_Side((2 / std::sqrt(Extended(3))) * AHeightOrMedian);
    }

    static void InitEquilateral_Area(TEquilateralTriangle& T, Extended AArea) {
        T.FArea = AArea;
        T.Init_Side(std::sqrt(AArea / std::sqrt(Extended(3))) * 2);
    }

    static void InitEquilateral_Circumference(TEquilateralTriangle& T, Extended ACircumference) {
        T.FCircumference = ACircumference;
        T.Init_Side(ACircumference / 3);
    }

    // ---- Members with checks of their own ----------------------------------------------

    static void Init_Base_HeightOnLeg(TIsoscelesTriangle& T, Extended ABase,
                                      Extended AHeightOnLeg) {
        if (!(ABase > 0) || !(AHeightOnLeg > 0) || !(AHeightOnLeg < ABase)) {
            Reject(IsoscelesName("Create_Base_HeightOnLeg"));
        }
        T.FHeightA = AHeightOnLeg;
        T.FHeightB = AHeightOnLeg;
        T.Init_Base_BaseAngle(ABase, std::asin(AHeightOnLeg / ABase));
    }

    static void Init_Base_MedianOnLeg(TIsoscelesTriangle& T, Extended ABase,
                                      Extended AMedianOnLeg) {
        if (!(ABase > 0) || !(AMedianOnLeg > 0) || !(AMedianOnLeg > ABase * 0.75L)) {
            Reject(IsoscelesName("Create_Base_MedianOnLeg"));
        }
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        // The centroid lies on the height, a third of it above the base, and two
        // thirds of the median away from the base's end.
        T.Init_Base_HeightOrMedianOnBase(
            ABase, PythagoreanTheorem_Leg1((2.0L / 3) * AMedianOnLeg, ABase / 2) * 3);
    }

    static void Init_Base_Area(TIsoscelesTriangle& T, Extended ABase, Extended AArea) {
        if (!(ABase > 0) || !(AArea > 0)) {
            Reject(IsoscelesName("Create_Base_Area"));
        }
        T.FArea = AArea;
        T.Init_Base_HeightOrMedianOnBase(ABase, (AArea * 2) / ABase);
    }

    static void Init_Base_Circumference(TIsoscelesTriangle& T, Extended ABase,
                                        Extended ACircumference) {
        if (!(ABase > 0) || !(ACircumference > 0) || !(ACircumference > ABase * 2)) {
            Reject(IsoscelesName("Create_Base_Circumference"));
        }
        T.FCircumference = ACircumference;
        T.Init(ABase, (ACircumference - ABase) * 0.5L);
    }

    static void Init_Leg_BaseAngle(TIsoscelesTriangle& T, Extended ALeg, Extended ABaseAngle,
                                   Extended ACosBaseAngle = 0) {
        if (!(ALeg > 0) || !(ABaseAngle > 0) || !(ABaseAngle < HalfPi)) {
            Reject(IsoscelesName("Create_Leg_BaseAngle"));
        }
        T.FAngleAlpha = ABaseAngle;
        T.FAngleBeta = ABaseAngle;
        const Extended Cos = ACosBaseAngle != 0 ? ACosBaseAngle : std::cos(ABaseAngle);
        T.Init(Cos * (ALeg * 2), ALeg);
    }

    static void Init_Leg_VertexAngle(TIsoscelesTriangle& T, Extended ALeg, Extended AVertexAngle) {
        if (!(ALeg > 0) || !(AVertexAngle > 0) || !(AVertexAngle < Pi)) {
            Reject(IsoscelesName("Create_Leg_VertexAngle"));
        }
        T.FAngleGamma = AVertexAngle;
        // As for the base: the base angle's cosine from half the given vertex angle.
        Init_Leg_BaseAngle(T, ALeg, (Pi - AVertexAngle) * 0.5L, std::sin(AVertexAngle * 0.5L));
    }

    static void Init_Leg_HeightOrMedianOnBase(TIsoscelesTriangle& T, Extended ALeg,
                                              Extended AHeightOrMedianOnBase) {
        if (!(ALeg > 0) || !(AHeightOrMedianOnBase > 0) || !(AHeightOrMedianOnBase < ALeg)) {
            Reject(IsoscelesName("Create_Leg_HeightOrMedianOnBase"));
        }
        T.FHeightC = AHeightOrMedianOnBase;
        T.FMedianC = AHeightOrMedianOnBase;
        T.Init(PythagoreanTheorem_Leg1(ALeg, AHeightOrMedianOnBase) * 2, ALeg);
    }

    static void Init_Leg_HeightOnLeg(TIsoscelesTriangle& T, Extended ALeg, Extended AHeightOnLeg,
                                     TSecond& ASecond) {
        if (!(ALeg > 0) || !(AHeightOnLeg > 0) || !(AHeightOnLeg < ALeg)) {
            Reject(IsoscelesName("Create_Leg_HeightOnLeg"));
        }
        T.FHeightA = AHeightOnLeg;
        T.FHeightB = AHeightOnLeg;
        // The height on a leg is leg * sin(vertex angle): an acute and an obtuse solution.
        const Extended Gamma1 = std::asin(AHeightOnLeg / ALeg);
        const Extended Gamma2 = Pi - Gamma1;
        Init_Leg_VertexAngle(T, ALeg, Gamma1);
        if (Gamma2 != Gamma1) {
            ASecond = TIsoscelesTriangleFamily::Create_Leg_VertexAngle(ALeg, Gamma2);
        } else {
            ASecond.reset();
        }
    }

    // ---- Members relying on the checks of the member they run ----------------------

    static void Init_Leg_MedianOnLeg(TIsoscelesTriangle& T, Extended ALeg, Extended AMedianOnLeg) {
        // Lengths that form no triangle are rejected by LawOfCosines_Angle; a
        // length that is not positive is not a length of this triangle at all.
        if (!(ALeg > 0) || !(AMedianOnLeg > 0)) {
            Reject(IsoscelesName("Create_Leg_MedianOnLeg"));
        }
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        Init_Leg_VertexAngle(T, ALeg, LawOfCosines_Angle(AMedianOnLeg, ALeg, ALeg / 2));
    }

    static void Init_Leg_Area(TIsoscelesTriangle& T, Extended ALeg, Extended AArea,
                              TSecond& ASecond) {
        T.FArea = AArea;
        Init_Leg_HeightOnLeg(T, ALeg, (AArea * 2) / ALeg, ASecond);
    }

    static void Init_Leg_Circumference(TIsoscelesTriangle& T, Extended ALeg,
                                       Extended ACircumference) {
        T.FCircumference = ACircumference;
        T.Init(ACircumference - ALeg * 2, ALeg);
    }

    static void Init_BaseAngle_HeightOrMedianOnBase(TIsoscelesTriangle& T, Extended ABaseAngle,
                                                    Extended AHeightOrMedianOnBase) {
        T.FHeightC = AHeightOrMedianOnBase;
        T.FMedianC = AHeightOrMedianOnBase;
        Init_Leg_BaseAngle(T, AHeightOrMedianOnBase / std::sin(ABaseAngle), ABaseAngle);
    }

    static void Init_BaseAngle_HeightOnLeg(TIsoscelesTriangle& T, Extended ABaseAngle,
                                           Extended AHeightOnLeg) {
        T.FHeightA = AHeightOnLeg;
        T.FHeightB = AHeightOnLeg;
        T.Init_Base_BaseAngle(AHeightOnLeg / std::sin(ABaseAngle), ABaseAngle);
    }

    static void Init_BaseAngle_MedianOnLeg(TIsoscelesTriangle& T, Extended ABaseAngle,
                                           Extended AMedianOnLeg) {
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        const Extended Cos = std::cos(ABaseAngle);
        Init_Leg_BaseAngle(T,
                           std::sqrt(((AMedianOnLeg * AMedianOnLeg) * 4) / (((Cos * Cos) * 8) + 1)),
                           ABaseAngle);
    }

    static void Init_BaseAngle_Area(TIsoscelesTriangle& T, Extended ABaseAngle, Extended AArea) {
        T.FArea = AArea;
        T.Init_Base_BaseAngle(std::sqrt(AArea / std::tan(ABaseAngle)) * 2, ABaseAngle);
    }

    static void Init_BaseAngle_Circumference(TIsoscelesTriangle& T, Extended ABaseAngle,
                                             Extended ACircumference) {
        T.FCircumference = ACircumference;
        const Extended Cos = std::cos(ABaseAngle);
        T.Init_Base_BaseAngle((Cos * ACircumference) / (Cos + 1), ABaseAngle);
    }

    static void Init_VertexAngle_HeightOrMedianOnBase(TIsoscelesTriangle& T, Extended AVertexAngle,
                                                      Extended AHeightOrMedianOnBase) {
        T.FAngleGamma = AVertexAngle;
        Init_BaseAngle_HeightOrMedianOnBase(T, (Pi - AVertexAngle) * 0.5L, AHeightOrMedianOnBase);
    }

    static void Init_VertexAngle_HeightOnLeg(TIsoscelesTriangle& T, Extended AVertexAngle,
                                             Extended AHeightOnLeg) {
        T.FAngleGamma = AVertexAngle;
        Init_BaseAngle_HeightOnLeg(T, (Pi - AVertexAngle) * 0.5L, AHeightOnLeg);
    }

    static void Init_VertexAngle_MedianOnLeg(TIsoscelesTriangle& T, Extended AVertexAngle,
                                             Extended AMedianOnLeg) {
        T.FAngleGamma = AVertexAngle;
        Init_BaseAngle_MedianOnLeg(T, (Pi - AVertexAngle) * 0.5L, AMedianOnLeg);
    }

    static void Init_VertexAngle_Area(TIsoscelesTriangle& T, Extended AVertexAngle,
                                      Extended AArea) {
        T.FAngleGamma = AVertexAngle;
        Init_BaseAngle_Area(T, (Pi - AVertexAngle) * 0.5L, AArea);
    }

    static void Init_VertexAngle_Circumference(TIsoscelesTriangle& T, Extended AVertexAngle,
                                               Extended ACircumference) {
        T.FAngleGamma = AVertexAngle;
        Init_BaseAngle_Circumference(T, (Pi - AVertexAngle) * 0.5L, ACircumference);
    }

    static void Init_HeightOrMedianOnBase_HeightOnLeg(TIsoscelesTriangle& T,
                                                      Extended AHeightOrMedianOnBase,
                                                      Extended AHeightOnLeg) {
        if (!(AHeightOnLeg < AHeightOrMedianOnBase * 2)) {
            Reject(IsoscelesName("Create_HeightOrMedianOnBase_HeightOnLeg"));
        }
        T.FHeightA = AHeightOnLeg;
        T.FHeightB = AHeightOnLeg;
        const Extended h = AHeightOrMedianOnBase;
        const Extended hl = AHeightOnLeg;
        T.Init_Base_HeightOrMedianOnBase(
            std::sqrt(((hl * hl) * ((h * h) * 4)) / (((h * h) * 4) - hl * hl)), h);
    }

    static void Init_HeightOrMedianOnBase_MedianOnLeg(TIsoscelesTriangle& T,
                                                      Extended AHeightOrMedianOnBase,
                                                      Extended AMedianOnLeg) {
        if (!(AHeightOrMedianOnBase > 0) || !(AMedianOnLeg > 0) ||
            !(AMedianOnLeg > AHeightOrMedianOnBase / 2)) {
            Reject(IsoscelesName("Create_HeightOrMedianOnBase_MedianOnLeg"));
        }
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        T.Init_Base_HeightOrMedianOnBase(
            PythagoreanTheorem_Leg1((2.0L / 3) * AMedianOnLeg,
                                    Constants::OneThird * AHeightOrMedianOnBase) *
                2,
            AHeightOrMedianOnBase);
    }

    static void Init_HeightOrMedianOnBase_Area(TIsoscelesTriangle& T,
                                               Extended AHeightOrMedianOnBase, Extended AArea) {
        T.FArea = AArea;
        T.Init_Base_HeightOrMedianOnBase((AArea * 2) / AHeightOrMedianOnBase,
                                         AHeightOrMedianOnBase);
    }

    static void Init_HeightOrMedianOnBase_Circumference(TIsoscelesTriangle& T,
                                                        Extended AHeightOrMedianOnBase,
                                                        Extended ACircumference) {
        T.FHeightC = AHeightOrMedianOnBase;
        const Extended h = AHeightOrMedianOnBase;
        const Extended P = ACircumference;
        Init_Base_Circumference(T, (((h * h) * 4) - P * P) / (P * (-2)), P);
    }

    static void Init_HeightOnLeg_MedianOnLeg(TIsoscelesTriangle& T, Extended AHeightOnLeg,
                                             Extended AMedianOnLeg, TSecond& ASecond) {
        if (!(AHeightOnLeg <= AMedianOnLeg) || !(AHeightOnLeg > 0)) {
            Reject(IsoscelesName("Create_HeightOnLeg_MedianOnLeg"));
        }
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        const Extended hl = AHeightOnLeg;
        const Extended m = AMedianOnLeg;
        // The roots are the cosines of the vertex angle.
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(m * m, -(hl * hl), -(m * m) + (hl * hl) * 1.25L, X1, X2);
        const Extended Gamma1 = std::acos(X1);
        const Extended Gamma2 = std::acos(X2);
        Init_VertexAngle_HeightOnLeg(T, Gamma1, hl);
        if (Gamma2 != Gamma1) {
            ASecond = TIsoscelesTriangleFamily::Create_VertexAngle_HeightOnLeg(Gamma2, hl);
        } else {
            ASecond.reset();
        }
    }

    static void Init_HeightOnLeg_Area(TIsoscelesTriangle& T, Extended AHeightOnLeg, Extended AArea,
                                      TSecond& ASecond) {
        T.FArea = AArea;
        Init_Leg_HeightOnLeg(T, (AArea * 2) / AHeightOnLeg, AHeightOnLeg, ASecond);
    }

    static void Init_HeightOnLeg_Circumference(TIsoscelesTriangle& T, Extended AHeightOnLeg,
                                               Extended ACircumference, TSecond& ASecond) {
        if (!(AHeightOnLeg > 0) || !(ACircumference > 0)) {
            Reject(IsoscelesName("Create_HeightOnLeg_Circumference"));
        }
        T.FHeightA = AHeightOnLeg;
        T.FHeightB = AHeightOnLeg;
        const Extended hl = AHeightOnLeg;
        const Extended P = ACircumference;
        // The roots are legs; the largest one leaves no base.
        Extended X1 = 0;
        Extended X2 = 0;
        Extended X3 = 0;
        if (CubicEquation(P * 4, -(hl * hl + (P * P) * 5), Cube(P) * 2, Power4(P) * (-0.25L), X1,
                          X2, X3) != 3) {
            Reject(IsoscelesName("Create_HeightOnLeg_Circumference"));
        }
        Init_Leg_Circumference(T, X2, P);
        ASecond = TIsoscelesTriangleFamily::Create_Leg_Circumference(X3, P);
    }

    static void Init_MedianOnLeg_Area(TIsoscelesTriangle& T, Extended AMedianOnLeg, Extended AArea,
                                      TSecond& ASecond) {
        if (!(AMedianOnLeg >= std::sqrt(AArea * 1.5L)) || !(AArea > 0)) {
            Reject(IsoscelesName("Create_MedianOnLeg_Area"));
        }
        T.FArea = AArea;
        const Extended m = AMedianOnLeg;
        // The roots are squares of legs.
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(9, (m * m) * (-40), (AArea * AArea) * 64 + Power4(m) * 16, X1, X2);
        const Extended Leg1 = std::sqrt(X1);
        const Extended Leg2 = std::sqrt(X2);
        Init_Leg_MedianOnLeg(T, Leg1, m);
        if (Leg2 != Leg1) {
            ASecond = TIsoscelesTriangleFamily::Create_Leg_MedianOnLeg(Leg2, m);
        } else {
            ASecond.reset();
        }
    }

    static void Init_MedianOnLeg_Circumference(TIsoscelesTriangle& T, Extended AMedianOnLeg,
                                               Extended ACircumference, TSecond& ASecond) {
        if (!(AMedianOnLeg >= (std::sqrt(Extended(2)) / 6) * ACircumference)) {
            Reject(IsoscelesName("Create_MedianOnLeg_Circumference"));
        }
        T.FMedianA = AMedianOnLeg;
        T.FMedianB = AMedianOnLeg;
        const Extended m = AMedianOnLeg;
        const Extended P = ACircumference;
        // The roots are legs; one not shorter than half the perimeter leaves no base.
        Extended X1 = 0;
        Extended X2 = 0;
        RealRoots(9, P * (-8), (P * P) * 2 - (m * m) * 4, X1, X2);
        Init_Leg_Circumference(T, X2, P);
        if (X1 != X2 && X1 < P / 2) {
            ASecond = TIsoscelesTriangleFamily::Create_Leg_Circumference(X1, P);
        } else {
            ASecond.reset();
        }
    }

    static void Init_Area_Circumference(TIsoscelesTriangle& T, Extended AArea,
                                        Extended ACircumference, TSecond& ASecond) {
        if (!(AArea > 0) || !(ACircumference > 0)) {
            Reject(IsoscelesName("Create_Area_Circumference"));
        }
        T.FArea = AArea;
        const Extended P = ACircumference;
        // The roots are bases; the smallest one is negative.
        Extended X1 = 0;
        Extended X2 = 0;
        Extended X3 = 0;
        if (CubicEquation(P * 2, -(P * P), 0, (AArea * 4) * (AArea * 4), X1, X2, X3) != 3) {
            Reject(IsoscelesName("Create_Area_Circumference"));
        }
        Init_Base_Circumference(T, X1, P);
        ASecond = TIsoscelesTriangleFamily::Create_Base_Circumference(X2, P);
    }
};

namespace {
using B = TIsoscelesTriangleBuilder;
using TSecond = TIsoscelesTriangle::TSecond;
} // namespace

// ---- TIsoscelesTriangleFamily ------------------------------------------------------------

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Base_BaseAngle(Extended ABase,
                                                                   Extended ABaseAngle) {
    return B::Make("Create_Base_BaseAngle",
                   [&](TIsoscelesTriangle& T) { B::Init_Base_BaseAngle(T, ABase, ABaseAngle); });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Base_HeightOnLeg(Extended ABase,
                                                                     Extended AHeightOnLeg) {
    return B::Make("Create_Base_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_Base_HeightOnLeg(T, ABase, AHeightOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Base_MedianOnLeg(Extended ABase,
                                                                     Extended AMedianOnLeg) {
    return B::Make("Create_Base_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_Base_MedianOnLeg(T, ABase, AMedianOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Base_Area(Extended ABase, Extended AArea) {
    return B::Make("Create_Base_Area",
                   [&](TIsoscelesTriangle& T) { B::Init_Base_Area(T, ABase, AArea); });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Base_Circumference(Extended ABase,
                                                                       Extended ACircumference) {
    return B::Make("Create_Base_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_Base_Circumference(T, ABase, ACircumference);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_BaseAngle(Extended ALeg,
                                                                  Extended ABaseAngle) {
    return B::Make("Create_Leg_BaseAngle",
                   [&](TIsoscelesTriangle& T) { B::Init_Leg_BaseAngle(T, ALeg, ABaseAngle); });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_VertexAngle(Extended ALeg,
                                                                    Extended AVertexAngle) {
    return B::Make("Create_Leg_VertexAngle",
                   [&](TIsoscelesTriangle& T) { B::Init_Leg_VertexAngle(T, ALeg, AVertexAngle); });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_Leg_HeightOrMedianOnBase(Extended ALeg,
                                                          Extended AHeightOrMedianOnBase) {
    return B::Make("Create_Leg_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        B::Init_Leg_HeightOrMedianOnBase(T, ALeg, AHeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_HeightOnLeg(Extended ALeg,
                                                                    Extended AHeightOnLeg,
                                                                    TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = B::Make("Create_Leg_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_Leg_HeightOnLeg(T, ALeg, AHeightOnLeg, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_MedianOnLeg(Extended Leg,
                                                                    Extended MedianOnLeg) {
    return B::Make("Create_Leg_MedianOnLeg",
                   [&](TIsoscelesTriangle& T) { B::Init_Leg_MedianOnLeg(T, Leg, MedianOnLeg); });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_Area(Extended Leg, Extended Area,
                                                             TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = B::Make(
        "Create_Leg_Area", [&](TIsoscelesTriangle& T) { B::Init_Leg_Area(T, Leg, Area, Second); });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Leg_Circumference(Extended Leg,
                                                                      Extended Circumference) {
    return B::Make("Create_Leg_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_Leg_Circumference(T, Leg, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_BaseAngle_HeightOrMedianOnBase(Extended BaseAngle,
                                                                Extended HeightOrMedianOnBase) {
    return B::Make("Create_BaseAngle_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        B::Init_BaseAngle_HeightOrMedianOnBase(T, BaseAngle, HeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_BaseAngle_HeightOnLeg(Extended BaseAngle,
                                                                          Extended HeightOnLeg) {
    return B::Make("Create_BaseAngle_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_BaseAngle_HeightOnLeg(T, BaseAngle, HeightOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_BaseAngle_MedianOnLeg(Extended BaseAngle,
                                                                          Extended MedianOnLeg) {
    return B::Make("Create_BaseAngle_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_BaseAngle_MedianOnLeg(T, BaseAngle, MedianOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_BaseAngle_Area(Extended BaseAngle,
                                                                   Extended Area) {
    return B::Make("Create_BaseAngle_Area",
                   [&](TIsoscelesTriangle& T) { B::Init_BaseAngle_Area(T, BaseAngle, Area); });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_BaseAngle_Circumference(Extended BaseAngle,
                                                         Extended Circumference) {
    return B::Make("Create_BaseAngle_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_BaseAngle_Circumference(T, BaseAngle, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_VertexAngle_HeightOrMedianOnBase(Extended VertexAngle,
                                                                  Extended HeightOrMedianOnBase) {
    return B::Make("Create_VertexAngle_HeightOrMedianOnBase", [&](TIsoscelesTriangle& T) {
        B::Init_VertexAngle_HeightOrMedianOnBase(T, VertexAngle, HeightOrMedianOnBase);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_VertexAngle_HeightOnLeg(Extended VertexAngle,
                                                                            Extended HeightOnLeg) {
    return B::Make("Create_VertexAngle_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_VertexAngle_HeightOnLeg(T, VertexAngle, HeightOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_VertexAngle_MedianOnLeg(Extended VertexAngle,
                                                                            Extended MedianOnLeg) {
    return B::Make("Create_VertexAngle_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_VertexAngle_MedianOnLeg(T, VertexAngle, MedianOnLeg);
    });
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_VertexAngle_Area(Extended VertexAngle,
                                                                     Extended Area) {
    return B::Make("Create_VertexAngle_Area",
                   [&](TIsoscelesTriangle& T) { B::Init_VertexAngle_Area(T, VertexAngle, Area); });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_VertexAngle_Circumference(Extended VertexAngle,
                                                           Extended Circumference) {
    return B::Make("Create_VertexAngle_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_VertexAngle_Circumference(T, VertexAngle, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_HeightOrMedianOnBase_HeightOnLeg(Extended HeightOrMedianOnBase,
                                                                  Extended HeightOnLeg) {
    return B::Make("Create_HeightOrMedianOnBase_HeightOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_HeightOrMedianOnBase_HeightOnLeg(T, HeightOrMedianOnBase, HeightOnLeg);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_HeightOrMedianOnBase_MedianOnLeg(Extended HeightOrMedianOnBase,
                                                                  Extended MedianOnLeg) {
    return B::Make("Create_HeightOrMedianOnBase_MedianOnLeg", [&](TIsoscelesTriangle& T) {
        B::Init_HeightOrMedianOnBase_MedianOnLeg(T, HeightOrMedianOnBase, MedianOnLeg);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_HeightOrMedianOnBase_Area(Extended HeightOrMedianOnBase,
                                                           Extended Area) {
    return B::Make("Create_HeightOrMedianOnBase_Area", [&](TIsoscelesTriangle& T) {
        B::Init_HeightOrMedianOnBase_Area(T, HeightOrMedianOnBase, Area);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_HeightOrMedianOnBase_Circumference(Extended HeightOrMedianOnBase,
                                                                    Extended Circumference) {
    return B::Make("Create_HeightOrMedianOnBase_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_HeightOrMedianOnBase_Circumference(T, HeightOrMedianOnBase, Circumference);
    });
}

TIsoscelesTriangle
TIsoscelesTriangleFamily::Create_HeightOnLeg_MedianOnLeg(Extended HeightOnLeg, Extended MedianOnLeg,
                                                         TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First =
        B::Make("Create_HeightOnLeg_MedianOnLeg", [&](TIsoscelesTriangle& T) {
            B::Init_HeightOnLeg_MedianOnLeg(T, HeightOnLeg, MedianOnLeg, Second);
        });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_HeightOnLeg_Area(Extended HeightOnLeg,
                                                                     Extended Area,
                                                                     TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = B::Make("Create_HeightOnLeg_Area", [&](TIsoscelesTriangle& T) {
        B::Init_HeightOnLeg_Area(T, HeightOnLeg, Area, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_HeightOnLeg_Circumference(
    Extended HeightOnLeg, Extended Circumference, TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First =
        B::Make("Create_HeightOnLeg_Circumference", [&](TIsoscelesTriangle& T) {
            B::Init_HeightOnLeg_Circumference(T, HeightOnLeg, Circumference, Second);
        });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_MedianOnLeg_Area(Extended MedianOnLeg,
                                                                     Extended Area,
                                                                     TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = B::Make("Create_MedianOnLeg_Area", [&](TIsoscelesTriangle& T) {
        B::Init_MedianOnLeg_Area(T, MedianOnLeg, Area, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_MedianOnLeg_Circumference(
    Extended MedianOnLeg, Extended Circumference, TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First =
        B::Make("Create_MedianOnLeg_Circumference", [&](TIsoscelesTriangle& T) {
            B::Init_MedianOnLeg_Circumference(T, MedianOnLeg, Circumference, Second);
        });
    SecondSolution = std::move(Second);
    return First;
}

TIsoscelesTriangle TIsoscelesTriangleFamily::Create_Area_Circumference(Extended Area,
                                                                       Extended Circumference,
                                                                       TSecond& SecondSolution) {
    SecondSolution.reset();
    TSecond Second;
    TIsoscelesTriangle First = B::Make("Create_Area_Circumference", [&](TIsoscelesTriangle& T) {
        B::Init_Area_Circumference(T, Area, Circumference, Second);
    });
    SecondSolution = std::move(Second);
    return First;
}

// ---- TEquilateralTriangleFamily ----------------------------------------------------------

TEquilateralTriangle TEquilateralTriangleFamily::Create_HeightOrMedian(Extended AHeightOrMedian) {
    return B::MakeEquilateral("Create_HeightOrMedian", [&](TEquilateralTriangle& T) {
        B::InitEquilateral_HeightOrMedian(T, AHeightOrMedian);
    });
}

TEquilateralTriangle TEquilateralTriangleFamily::Create_Area(Extended AArea) {
    return B::MakeEquilateral("Create_Area",
                              [&](TEquilateralTriangle& T) { B::InitEquilateral_Area(T, AArea); });
}

TEquilateralTriangle TEquilateralTriangleFamily::Create_Circumference(Extended ACircumference) {
    return B::MakeEquilateral("Create_Circumference", [&](TEquilateralTriangle& T) {
        B::InitEquilateral_Circumference(T, ACircumference);
    });
}
