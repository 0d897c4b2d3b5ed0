// The functions of MathFunctions.h that the figures use, for any number type
// (Numbers.h). MathFunctions.cpp runs them on Extended.
#pragma once

#include "Numbers.h"

#include <cfloat>
#include <utility>

namespace Figures {

[[noreturn]] inline void RejectMathFunctions(const char* AOperation) {
    throw EInvalidInputMathFunctions(AOperation);
}

// sqrt(x * y) for x, y >= 0, also where the 80-bit product alone would
// overflow or lose its digits to underflow.
template <class T> T SqrtOfProduct(const T& x, const T& y) {
    const T Product = x * y;
    if constexpr (!IsExact<T>) {
        const Extended Rounded = ValueOf(Product);
        if (!(Rounded >= LDBL_MIN && Rounded <= LDBL_MAX)) {
            return Sqrt(x) * Sqrt(y);
        }
    }
    return Sqrt(Product);
}

template <class T> struct TTriangleSums {
    T Perimeter;
    T ExcessA;
    T ExcessB;
    T ExcessC;
};

// The sums of a triangle's sides free of cancellation (MathFunctions.h). The
// order of the sides only chooses among algebraically equal forms, so it is
// taken from the computed values.
template <class T> TTriangleSums<T> TriangleSums(const T& a, const T& b, const T& c) {
    const T* Sides[3] = {&a, &b, &c};
    int Order[3] = {0, 1, 2}; // sides sorted x >= y >= z
    const auto Less = [&Sides](int AFirst, int ASecond) {
        return ValueOf(*Sides[AFirst]) < ValueOf(*Sides[ASecond]);
    };
    if (Less(Order[0], Order[1])) {
        std::swap(Order[0], Order[1]);
    }
    if (Less(Order[1], Order[2])) {
        std::swap(Order[1], Order[2]);
    }
    if (Less(Order[0], Order[1])) {
        std::swap(Order[0], Order[1]);
    }
    const T& x = *Sides[Order[0]];
    const T& y = *Sides[Order[1]];
    const T& z = *Sides[Order[2]];
    // In a triangle x < y + z <= 2y, so x - y is exact and so is the excess of
    // the longest side up to one rounding.
    const T Difference = x - y;
    T Excess[3] = {T(0), T(0), T(0)};
    Excess[Order[0]] = z - Difference;
    Excess[Order[1]] = z + Difference;
    Excess[Order[2]] = x + (y - z);
    return {x + (y + z), Excess[0], Excess[1], Excess[2]};
}

template <class T> T FourTimesArea(const TTriangleSums<T>& ASums) {
    return SqrtOfProduct(ASums.Perimeter * ASums.ExcessA, ASums.ExcessB * ASums.ExcessC);
}

template <class T> T AngleOpposite(const T& AFourTimesArea, const T& APerimeter, const T& AExcess) {
    return Atan2(AFourTimesArea, APerimeter * AExcess) * 2;
}

template <class T> T PythagoreanTheorem_Hypotenuse(const T& a, const T& b) {
    if (a <= 0 || b <= 0) {
        RejectMathFunctions("PythagoreanTheorem_Hypotenuse");
    }
    const T SumOfSquares = a * a + b * b;
    T Result = T(0);
    if constexpr (!IsExact<T>) {
        // Where the squares leave the range of Extended the hypotenuse may not.
        const Extended Rounded = ValueOf(SumOfSquares);
        Result = (Rounded >= LDBL_MIN && Rounded <= LDBL_MAX) ? Sqrt(SumOfSquares) : Hypot(a, b);
    } else {
        Result = Sqrt(SumOfSquares);
    }
    RequireFinite<EInvalidInputMathFunctions>({Result}, "PythagoreanTheorem_Hypotenuse");
    return Result;
}

template <class T> T PythagoreanTheorem_Leg1(const T& c, const T& b) {
    if (c <= 0 || b <= 0 || b >= c) {
        RejectMathFunctions("PythagoreanTheorem_Leg1");
    }
    // c - b is exact when b is close to c, so a short leg keeps its digits.
    const T Result = SqrtOfProduct(c - b, c + b);
    RequireFinite<EInvalidInputMathFunctions>({Result}, "PythagoreanTheorem_Leg1");
    return Result;
}

template <class T> T Cube(const T& x) {
    const T Result = x * x * x;
    RequireFinite<EInvalidInputMathFunctions>({Result}, "Cube");
    return Result;
}

} // namespace Figures
