// Every value the program shows for a figure of every variant, worked out here with
// 50 significant digits from the closed forms of school geometry (not from the
// geometry library or the solver's model), by the ids of SolveItems: the entries
// ("r", "a1", "rho"), "volume", "area", each supplementary row and "mass".
#pragma once

#include "MathFunctions.h"
#include "SolidPages.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <map>
#include <string>
#include <vector>

namespace SolidReference {

using Real = boost::multiprecision::cpp_bin_float_50;
using TValues = std::map<std::string, Real>;

inline const Real Pi = boost::math::constants::pi<Real>();

// A variant's dimensions: the ids of its entries that hold them, in order, and the
// entries themselves. The rectangular frustum's lower base is given by side a1.
struct TShape {
    TVariant Variant;
    std::vector<std::string> Ids;
    std::vector<TEntry> Entries;
    int Dimensions() const { return int(Ids.size()); }
};

inline const std::vector<TShape>& Shapes() {
    static const std::vector<TShape> shapes = {
        {vaCube, {"a"}, {enCube_A}},
        {vaBlock, {"a", "b", "c"}, {enBlock_A, enBlock_B, enBlock_C}},
        {vaSphere, {"r"}, {enSphere_R}},
        {vaCone, {"r", "v"}, {enCone_R, enCone_V}},
        {vaCylinder, {"r", "v"}, {enCylinder_R, enCylinder_V}},
        {vaPyramid_Tetrahedron, {"a"}, {enPyramid_A}},
        {vaPyramid_Square, {"a", "v"}, {enPyramid_A, enPyramid_V}},
        {vaPyramid_Rectangle, {"a", "b", "v"}, {enPyramid_A, enPyramid_B, enPyramid_V}},
        {vaPyramid_EquilateralTriangle, {"a", "v"}, {enPyramid_A, enPyramid_V}},
        {vaPyramid_NAngle, {"a", "v"}, {enPyramid_A, enPyramid_V}},
        {vaPrism_Triangle, {"a", "b", "c", "v"}, {enPrism_E1, enPrism_E2, enPrism_E3, enPrism_V}},
        {vaPrism_NAngle, {"a", "v"}, {enPrism_E3, enPrism_V}},
        {vaPrism_CircularRing, {"r1", "r2", "v"}, {enPrism_E2, enPrism_E3, enPrism_V}},
        {vaTruncatedCone,
         {"r2", "r1", "v"},
         {enTruncatedCone_R2, enTruncatedCone_R1, enTruncatedCone_V}},
        {vaTruncatedPyramid_Square,
         {"a2", "a1", "v"},
         {enTruncatedPyramid_E2, enTruncatedPyramid_E3, enTruncatedPyramid_V}},
        {vaTruncatedPyramid_Rectangle,
         {"a2", "b2", "a1", "v"},
         {enTruncatedPyramid_E1, enTruncatedPyramid_E2, enTruncatedPyramid_E3,
          enTruncatedPyramid_V}},
        {vaTruncatedPyramid_EquilateralTriangle,
         {"a2", "a1", "v"},
         {enTruncatedPyramid_E2, enTruncatedPyramid_E3, enTruncatedPyramid_V}},
        {vaTruncatedPyramid_NAngle,
         {"a2", "a1", "v"},
         {enTruncatedPyramid_E2, enTruncatedPyramid_E3, enTruncatedPyramid_V}},
        {vaCylindricalTank,
         {"r", "h", "d"},
         {enCylindricalTank_R, enCylindricalTank_H, enCylindricalTank_D}},
        {vaSphericalSegment_RadiusOfSegment,
         {"rho", "v"},
         {enSphericalSegment_R, enSphericalSegment_V}},
        {vaSphericalSegment_RadiusOfSphere,
         {"r", "v"},
         {enSphericalSegment_R, enSphericalSegment_V}},
        {vaSphericalSector, {"rho", "v"}, {enSphericalSector_Ro, enSphericalSector_V}},
        {vaSphericalFrustum,
         {"rho2", "rho1", "v"},
         {enSphericalFrustum_Ro2, enSphericalFrustum_Ro1, enSphericalFrustum_V}},
    };
    return shapes;
}

inline int FixedCount(TVariant AVariant) {
    switch (AVariant) {
    case vaPyramid_Square:
    case vaTruncatedPyramid_Square:
        return 4;
    case vaPyramid_EquilateralTriangle:
    case vaTruncatedPyramid_EquilateralTriangle:
        return 3;
    default:
        return 0;
    }
}

// The area of a regular n-gon of side a, and its apothem.
inline Real PolygonArea(int n, const Real& a) {
    return n * a * a / (4 * tan(Pi / n));
}
inline Real Apothem(int n, const Real& a) {
    return a / (2 * tan(Pi / n));
}

inline Real SphereVolume(const Real& r) {
    return 4 * Pi * r * r * r / 3;
}

// The values of the figure of AVariant with the dimensions ADims (in the order of its
// shape), ACount edges of a regular base, and the density ADensity for the mass.
inline TValues Values(TVariant AVariant, const std::vector<Real>& ADims, int ACount,
                      const Real& ADensity) {
    TValues q;
    const auto d = [&](std::size_t i) { return ADims.at(i); };
    switch (AVariant) {
    case vaCube: {
        const Real a = d(0);
        q = {{"a", a},
             {"volume", a * a * a},
             {"area", 6 * a * a},
             {"diagonal-of-solid", a * sqrt(Real(3))},
             {"diagonal-of-face", a * sqrt(Real(2))},
             {"area-of-face", a * a}};
        break;
    }
    case vaBlock: {
        const Real a = d(0), b = d(1), c = d(2);
        q = {{"a", a},
             {"b", b},
             {"c", c},
             {"volume", a * b * c},
             {"area", 2 * (a * b + b * c + c * a)},
             {"diagonal-of-solid", sqrt(a * a + b * b + c * c)},
             {"diagonal-of-face-ab", sqrt(a * a + b * b)},
             {"diagonal-of-face-bc", sqrt(b * b + c * c)},
             {"diagonal-of-face-ca", sqrt(c * c + a * a)},
             {"area-of-face-ab", a * b},
             {"area-of-face-bc", b * c},
             {"area-of-face-ca", c * a}};
        break;
    }
    case vaSphere: {
        const Real r = d(0);
        q = {{"r", r}, {"volume", SphereVolume(r)}, {"area", 4 * Pi * r * r}};
        break;
    }
    case vaCone: {
        const Real r = d(0), h = d(1), s = sqrt(r * r + h * h);
        q = {{"r", r},
             {"v", h},
             {"volume", Pi * r * r * h / 3},
             {"area", Pi * r * r + Pi * r * s},
             {"slant-height", s},
             {"area-of-base", Pi * r * r},
             {"area-of-lateral-surface", Pi * r * s}};
        break;
    }
    case vaCylinder: {
        const Real r = d(0), h = d(1);
        q = {{"r", r},
             {"v", h},
             {"volume", Pi * r * r * h},
             {"area", 2 * Pi * r * (r + h)},
             {"area-of-base", Pi * r * r},
             {"area-of-lateral-surface", 2 * Pi * r * h}};
        break;
    }
    case vaPyramid_Tetrahedron: {
        const Real a = d(0);
        q = {{"a", a},
             {"volume", a * a * a * sqrt(Real(2)) / 12},
             {"area", sqrt(Real(3)) * a * a},
             {"height-of-solid", a * sqrt(Real(6)) / 3},
             {"slant-height", a * sqrt(Real(3)) / 2},
             {"area-of-face", sqrt(Real(3)) * a * a / 4}};
        break;
    }
    case vaPyramid_Square:
    case vaPyramid_EquilateralTriangle:
    case vaPyramid_NAngle: {
        const Real a = d(0), h = d(1);
        const Real base = PolygonArea(ACount, a), slant = sqrt(pow(Apothem(ACount, a), 2) + h * h);
        const Real face = a * slant / 2;
        q = {{"a", a},
             {"v", h},
             {"volume", base * h / 3},
             {"area", base + ACount * face},
             {"slant-height", slant},
             {"area-of-base", base},
             {"area-of-face", face},
             {"area-of-lateral-surface", ACount * face}};
        break;
    }
    case vaPyramid_Rectangle: {
        const Real a = d(0), b = d(1), h = d(2);
        const Real sa = sqrt(b * b / 4 + h * h), sb = sqrt(a * a / 4 + h * h);
        q = {{"a", a},
             {"b", b},
             {"v", h},
             {"volume", a * b * h / 3},
             {"area", a * b + a * sa + b * sb},
             {"slant-height-by-side-a", sa},
             {"slant-height-by-side-b", sb},
             {"area-of-base", a * b},
             {"area-of-face-by-side-a", a * sa / 2},
             {"area-of-face-by-side-b", b * sb / 2},
             {"area-of-lateral-surface", a * sa + b * sb}};
        break;
    }
    case vaPrism_Triangle: {
        const Real a = d(0), b = d(1), c = d(2), h = d(3), p = (a + b + c) / 2;
        const Real base = sqrt(p * (p - a) * (p - b) * (p - c));
        q = {{"a", a},
             {"b", b},
             {"c", c},
             {"v", h},
             {"volume", base * h},
             {"area", 2 * base + (a + b + c) * h},
             {"area-of-base", base},
             {"area-of-face-by-side-a", a * h},
             {"area-of-face-by-side-b", b * h},
             {"area-of-face-by-side-c", c * h},
             {"area-of-lateral-surface", (a + b + c) * h}};
        break;
    }
    case vaPrism_NAngle: {
        const Real a = d(0), h = d(1), base = PolygonArea(ACount, a);
        q = {{"a", a},
             {"v", h},
             {"volume", base * h},
             {"area", 2 * base + ACount * a * h},
             {"area-of-base", base},
             {"area-of-face", a * h},
             {"area-of-lateral-surface", ACount * a * h}};
        break;
    }
    case vaPrism_CircularRing: {
        const Real outer = d(0), inner = d(1), h = d(2);
        const Real base = Pi * (outer * outer - inner * inner);
        q = {{"r1", outer},
             {"r2", inner},
             {"v", h},
             {"volume", base * h},
             {"area", 2 * base + 2 * Pi * (outer + inner) * h},
             {"area-of-base", base},
             {"area-of-outer-lateral-surface", 2 * Pi * outer * h},
             {"area-of-inner-lateral-surface", 2 * Pi * inner * h}};
        break;
    }
    case vaTruncatedCone: {
        const Real upper = d(0), lower = d(1), h = d(2);
        const Real s = sqrt(pow(lower - upper, 2) + h * h);
        q = {{"r2", upper},
             {"r1", lower},
             {"v", h},
             {"volume", Pi * h * (upper * upper + upper * lower + lower * lower) / 3},
             {"area", Pi * (upper * upper + lower * lower + (upper + lower) * s)},
             {"slant-height", s},
             {"area-of-upper-base", Pi * upper * upper},
             {"area-of-lower-base", Pi * lower * lower},
             {"area-of-lateral-surface", Pi * (upper + lower) * s}};
        break;
    }
    case vaTruncatedPyramid_Square:
    case vaTruncatedPyramid_EquilateralTriangle:
    case vaTruncatedPyramid_NAngle: {
        const Real upper = d(0), lower = d(1), h = d(2);
        const Real s1 = PolygonArea(ACount, upper), s2 = PolygonArea(ACount, lower);
        const Real slant = sqrt(pow(Apothem(ACount, lower) - Apothem(ACount, upper), 2) + h * h);
        const Real face = (upper + lower) * slant / 2;
        q = {{"a2", upper},
             {"a1", lower},
             {"v", h},
             {"volume", h * (s1 + s2 + sqrt(s1 * s2)) / 3},
             {"area", s1 + s2 + ACount * face},
             {"slant-height", slant},
             {"area-of-upper-base", s1},
             {"area-of-lower-base", s2},
             {"area-of-face", face},
             {"area-of-lateral-surface", ACount * face}};
        break;
    }
    case vaTruncatedPyramid_Rectangle: {
        const Real a2 = d(0), b2 = d(1), a1 = d(2), h = d(3), b1 = a1 * b2 / a2;
        const Real sa = sqrt(pow((b1 - b2) / 2, 2) + h * h);
        const Real sb = sqrt(pow((a1 - a2) / 2, 2) + h * h);
        const Real fa = (a1 + a2) * sa / 2, fb = (b1 + b2) * sb / 2;
        const Real s1 = a2 * b2, s2 = a1 * b1;
        q = {{"a2", a2},
             {"b2", b2},
             {"a1", a1},
             {"b1", b1},
             {"v", h},
             {"volume", h * (s1 + s2 + sqrt(s1 * s2)) / 3},
             {"area", s1 + s2 + 2 * (fa + fb)},
             {"slant-height-by-side-a", sa},
             {"slant-height-by-side-b", sb},
             {"area-of-upper-base", s1},
             {"area-of-lower-base", s2},
             {"area-of-face-by-side-a", fa},
             {"area-of-face-by-side-b", fb},
             {"area-of-lateral-surface", 2 * (fa + fb)}};
        break;
    }
    case vaCylindricalTank: {
        const Real r = d(0), h = d(1), length = d(2);
        const Real halfAngle = acos((r - h) / r), halfChord = sqrt(h * (2 * r - h));
        const Real segment = r * r * halfAngle - (r - h) * halfChord;
        q = {{"r", r},
             {"h", h},
             {"d", length},
             {"volume", segment * length},
             {"area", 2 * segment + (2 * halfChord + 2 * r * halfAngle) * length},
             {"chord-of-segment-of-circle", 2 * halfChord},
             {"area-of-segment-of-circle", segment},
             {"area-of-level-surface", 2 * halfChord * length},
             {"area-of-curved-surface", 2 * r * halfAngle * length},
             {"percentage-filling-of-tank", 100 * segment / (Pi * r * r)},
             {"volume-of-full-tank", Pi * r * r * length}};
        break;
    }
    case vaSphericalSegment_RadiusOfSegment:
    case vaSphericalSegment_RadiusOfSphere: {
        const bool ofSphere = AVariant == vaSphericalSegment_RadiusOfSphere;
        const Real h = d(1);
        const Real r = ofSphere ? d(0) : (d(0) * d(0) + h * h) / (2 * h);
        const Real rho = ofSphere ? sqrt(h * (2 * r - h)) : d(0);
        const Real volume = Pi * h * h * (3 * r - h) / 3;
        q = {{ofSphere ? "r" : "rho", d(0)},
             {"v", h},
             {"volume", volume},
             {"area", 2 * Pi * r * h + Pi * rho * rho},
             {ofSphere ? "radius-of-segment" : "radius-of-sphere", ofSphere ? rho : r},
             {"area-of-spherical-cap", 2 * Pi * r * h},
             {"area-of-circle", Pi * rho * rho},
             {"percentage-filling-of-sphere", 100 * volume / SphereVolume(r)}};
        break;
    }
    case vaSphericalSector: {
        const Real rho = d(0), h = d(1), r = (rho * rho + h * h) / (2 * h);
        const Real volume = 2 * Pi * r * r * h / 3;
        q = {{"rho", rho},
             {"v", h},
             {"volume", volume},
             {"area", 2 * Pi * r * h + Pi * rho * r},
             {"radius-of-sphere", r},
             {"area-of-spherical-cap-of-segment-part", 2 * Pi * r * h},
             {"area-of-lateral-surface-of-cone-part", Pi * rho * r},
             {"volume-of-segment-part", Pi * h * h * (3 * r - h) / 3},
             // Signed: the cone is taken away above a hemisphere.
             {"volume-of-cone-part", Pi * rho * rho * (r - h) / 3},
             {"percentage-filling-of-sphere", 100 * volume / SphereVolume(r)}};
        break;
    }
    case vaSphericalFrustum: {
        const Real upper = d(0), lower = d(1), h = d(2);
        // The centre's height above the upper circle's plane, towards the lower one.
        const Real centre = (lower * lower + h * h - upper * upper) / (2 * h);
        const Real r = sqrt(upper * upper + centre * centre);
        const Real volume = Pi * h * (3 * upper * upper + 3 * lower * lower + h * h) / 6;
        q = {{"rho2", upper},
             {"rho1", lower},
             {"v", h},
             {"volume", volume},
             {"area", Pi * (upper * upper + lower * lower) + 2 * Pi * r * h},
             {"radius-of-sphere", r},
             {"area-of-upper-circle", Pi * upper * upper},
             {"area-of-lower-circle", Pi * lower * lower},
             {"area-of-spherical-zone", 2 * Pi * r * h},
             {"percentage-filling-of-sphere", 100 * volume / SphereVolume(r)}};
        break;
    }
    default:
        break;
    }
    q["mass"] = ADensity * q["volume"];
    return q;
}

} // namespace SolidReference
