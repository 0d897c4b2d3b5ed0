#include "SolverModels.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace SolverModels {

namespace {

constexpr Extended Pi = Constants::Pi;

// The apothem of a regular base of ACount edges per unit of its side. A solve asks for
// it some hundreds of times with one count: the last one is kept (per thread).
Extended ApothemPerSide(int ACount) {
    thread_local int count = 0;
    thread_local Extended apothem = 0;
    if (ACount != count) {
        apothem = 1 / (2 * std::tan(Pi / ACount));
        count = ACount;
    }
    return apothem;
}

// w - sin w for 0 <= w <= 2 pi, by its series where the difference would cancel.
Extended AngleMinusSine(Extended w) {
    if (w >= 1)
        return w - std::sin(w);
    const Extended square = w * w;
    Extended term = 1, series = 1;
    for (int k = 1; k < 16 && std::fabs(term) >= series * 1e-22L; ++k) {
        term *= -square / Extended((2 * k + 2) * (2 * k + 3));
        series += term;
    }
    return square * w * (series / 6);
}

// Heron's formula in Kahan's ordering, which keeps its digits for a needle.
Extended TriangleArea(Extended a, Extended b, Extended c) {
    Extended sides[] = {a, b, c};
    std::sort(sides, sides + 3, [](Extended x, Extended y) { return x > y; });
    const Extended x = sides[0], y = sides[1], z = sides[2];
    return std::sqrt((x + (y + z)) * (z - (x - y)) * (z + (x - y)) * (x + (y - z))) / 4;
}

// The share of the sphere of radius ARadius that AVolume fills, in percent.
Extended ShareOfSphere(Extended AVolume, Extended ARadius) {
    return AVolume * 100 / (ARadius * ARadius * ARadius * Constants::FourPiThirds);
}

// --- Quantities: volume, area, then the rows in the window's order -------------------

void Cube(const Extended* ADims, int, Extended* AValues) {
    const Extended a = ADims[0];
    AValues[0] = a * a * a;
    AValues[1] = 6 * a * a;
    AValues[2] = a * std::sqrt(3.0L);
    AValues[3] = a * std::sqrt(2.0L);
    AValues[4] = a * a;
}

void Block(const Extended* ADims, int, Extended* AValues) {
    const Extended a = ADims[0], b = ADims[1], c = ADims[2];
    AValues[0] = a * b * c;
    AValues[1] = 2 * (a * b + b * c + c * a);
    AValues[2] = std::sqrt(a * a + b * b + c * c);
    AValues[3] = std::hypot(a, b);
    AValues[4] = std::hypot(b, c);
    AValues[5] = std::hypot(c, a);
    AValues[6] = a * b;
    AValues[7] = b * c;
    AValues[8] = c * a;
}

void Sphere(const Extended* ADims, int, Extended* AValues) {
    const Extended r = ADims[0];
    AValues[0] = r * r * r * Constants::FourPiThirds;
    AValues[1] = r * r * Constants::FourPi;
}

void Cone(const Extended* ADims, int, Extended* AValues) {
    const Extended r = ADims[0], h = ADims[1];
    const Extended slant = std::hypot(r, h), base = Pi * r * r, lateral = Pi * r * slant;
    AValues[0] = base * h / 3;
    AValues[1] = base + lateral;
    AValues[2] = slant;
    AValues[3] = base;
    AValues[4] = lateral;
}

void Cylinder(const Extended* ADims, int, Extended* AValues) {
    const Extended r = ADims[0], h = ADims[1];
    const Extended base = Pi * r * r, lateral = 2 * Pi * r * h;
    AValues[0] = base * h;
    AValues[1] = 2 * base + lateral;
    AValues[2] = base;
    AValues[3] = lateral;
}

void Tetrahedron(const Extended* ADims, int, Extended* AValues) {
    const Extended a = ADims[0];
    const Extended face = std::sqrt(3.0L) / 4 * a * a, height = a * std::sqrt(2 / 3.0L);
    AValues[0] = face * height / 3;
    AValues[1] = 4 * face;
    AValues[2] = height;
    AValues[3] = a * std::sqrt(3.0L) / 2;
    AValues[4] = face;
}

void RegularPyramid(const Extended* ADims, int ACount, Extended* AValues) {
    const Extended a = ADims[0], h = ADims[1], n = ACount;
    const Extended apothem = a * ApothemPerSide(ACount);
    const Extended base = n * a * apothem / 2, slant = std::hypot(apothem, h);
    const Extended face = a * slant / 2;
    AValues[0] = base * h / 3;
    AValues[1] = base + n * face;
    AValues[2] = slant;
    AValues[3] = base;
    AValues[4] = face;
    AValues[5] = n * face;
}

void RectangularPyramid(const Extended* ADims, int, Extended* AValues) {
    const Extended a = ADims[0], b = ADims[1], h = ADims[2];
    // The face on side a rises over half of side b, and the other way round.
    const Extended slantA = std::hypot(b / 2, h), slantB = std::hypot(a / 2, h);
    const Extended faceA = a * slantA / 2, faceB = b * slantB / 2;
    const Extended lateral = 2 * (faceA + faceB);
    AValues[0] = a * b * h / 3;
    AValues[1] = a * b + lateral;
    AValues[2] = slantA;
    AValues[3] = slantB;
    AValues[4] = a * b;
    AValues[5] = faceA;
    AValues[6] = faceB;
    AValues[7] = lateral;
}

void TriangularPrism(const Extended* ADims, int, Extended* AValues) {
    const Extended a = ADims[0], b = ADims[1], c = ADims[2], h = ADims[3];
    const Extended base = TriangleArea(a, b, c), lateral = (a + b + c) * h;
    AValues[0] = base * h;
    AValues[1] = 2 * base + lateral;
    AValues[2] = base;
    AValues[3] = a * h;
    AValues[4] = b * h;
    AValues[5] = c * h;
    AValues[6] = lateral;
}

void RegularPrism(const Extended* ADims, int ACount, Extended* AValues) {
    const Extended a = ADims[0], h = ADims[1], n = ACount;
    const Extended base = n * a * (a * ApothemPerSide(ACount)) / 2;
    AValues[0] = base * h;
    AValues[1] = 2 * base + n * a * h;
    AValues[2] = base;
    AValues[3] = a * h;
    AValues[4] = n * a * h;
}

void RingPrism(const Extended* ADims, int, Extended* AValues) {
    const Extended outer = ADims[0], inner = ADims[1], h = ADims[2];
    const Extended base = Pi * (outer - inner) * (outer + inner);
    const Extended outerWall = 2 * Pi * outer * h, innerWall = 2 * Pi * inner * h;
    AValues[0] = base * h;
    AValues[1] = 2 * base + outerWall + innerWall;
    AValues[2] = base;
    AValues[3] = outerWall;
    AValues[4] = innerWall;
}

void TruncatedCone(const Extended* ADims, int, Extended* AValues) {
    const Extended upper = ADims[0], lower = ADims[1], h = ADims[2];
    const Extended slant = std::hypot(lower - upper, h);
    const Extended upperBase = Pi * upper * upper, lowerBase = Pi * lower * lower;
    const Extended lateral = Pi * (upper + lower) * slant;
    AValues[0] = Pi * h / 3 * (upper * upper + upper * lower + lower * lower);
    AValues[1] = upperBase + lowerBase + lateral;
    AValues[2] = slant;
    AValues[3] = upperBase;
    AValues[4] = lowerBase;
    AValues[5] = lateral;
}

Extended FrustumVolume(Extended AUpper, Extended ALower, Extended AHeight) {
    return AHeight / 3 * (AUpper + ALower + std::sqrt(AUpper * ALower));
}

void RegularFrustum(const Extended* ADims, int ACount, Extended* AValues) {
    const Extended upper = ADims[0], lower = ADims[1], h = ADims[2], n = ACount;
    const Extended perSide = ApothemPerSide(ACount);
    const Extended slant = std::hypot(std::fabs(upper - lower) * perSide, h);
    const Extended upperBase = n * upper * (upper * perSide) / 2;
    const Extended lowerBase = n * lower * (lower * perSide) / 2;
    const Extended face = (upper + lower) / 2 * slant;
    AValues[0] = FrustumVolume(upperBase, lowerBase, h);
    AValues[1] = upperBase + lowerBase + n * face;
    AValues[2] = slant;
    AValues[3] = upperBase;
    AValues[4] = lowerBase;
    AValues[5] = face;
    AValues[6] = n * face;
}

void RectangularFrustum(const Extended* ADims, int, Extended* AValues) {
    const Extended a2 = ADims[0], b2 = ADims[1], a1 = ADims[2], h = ADims[3];
    const Extended b1 = OtherLowerSide(a2, b2, a1, false);
    // b2 - b1 = b2 (a2 - a1) / a2, which keeps its digits for nearly equal bases.
    const Extended slantA = std::hypot(b2 * (a2 - a1) / a2 / 2, h);
    const Extended slantB = std::hypot((a2 - a1) / 2, h);
    const Extended faceA = (a2 + a1) / 2 * slantA, faceB = (b2 + b1) / 2 * slantB;
    AValues[0] = FrustumVolume(a2 * b2, a1 * b1, h);
    AValues[1] = a2 * b2 + a1 * b1 + 2 * (faceA + faceB);
    AValues[2] = slantA;
    AValues[3] = slantB;
    AValues[4] = a2 * b2;
    AValues[5] = a1 * b1;
    AValues[6] = faceA;
    AValues[7] = faceB;
    AValues[8] = 2 * (faceA + faceB);
}

void RectangularFrustumBySideB(const Extended* ADims, int ACount, Extended* AValues) {
    const Extended bySideA[] = {ADims[0], ADims[1],
                                OtherLowerSide(ADims[0], ADims[1], ADims[2], true), ADims[3]};
    RectangularFrustum(bySideA, ACount, AValues);
}

void Tank(const Extended* ADims, int, Extended* AValues) {
    const Extended r = ADims[0], level = ADims[1], length = ADims[2];
    const Extended halfChord = std::sqrt(level * (2 * r - level));
    const Extended angle = 2 * std::atan2(halfChord, r - level); // the wetted arc's
    const Extended segment = r * r / 2 * AngleMinusSine(angle);
    const Extended chord = 2 * halfChord, wall = r * angle * length;
    AValues[0] = segment * length;
    AValues[1] = 2 * segment + chord * length + wall;
    AValues[2] = chord;
    AValues[3] = segment;
    AValues[4] = chord * length;
    AValues[5] = wall;
    AValues[6] = segment * 100 / (Pi * r * r);
    AValues[7] = Pi * r * r * length; // the full tank
}

// The segment of base radius ARho and height AHeight, its first row AFirstRow.
void Segment(Extended ARho, Extended AHeight, Extended AFirstRow, Extended* AValues) {
    const Extended rho = ARho, h = AHeight;
    const Extended radius = (h * h + rho * rho) / (2 * h);
    const Extended cap = Pi * (h * h + rho * rho), circle = Pi * rho * rho;
    AValues[0] = Pi * h / 6 * (h * h + 3 * rho * rho);
    AValues[1] = cap + circle;
    AValues[2] = AFirstRow;
    AValues[3] = cap;
    AValues[4] = circle;
    AValues[5] = ShareOfSphere(AValues[0], radius);
}

void SegmentByRadiusOfSegment(const Extended* ADims, int, Extended* AValues) {
    const Extended rho = ADims[0], h = ADims[1];
    Segment(rho, h, (h * h + rho * rho) / (2 * h), AValues);
}

void SegmentByRadiusOfSphere(const Extended* ADims, int, Extended* AValues) {
    const Extended rho = std::sqrt((2 * ADims[0] - ADims[1]) * ADims[1]);
    Segment(rho, ADims[1], rho, AValues);
}

void Sector(const Extended* ADims, int, Extended* AValues) {
    const Extended rho = ADims[0], h = ADims[1];
    const Extended radius = (h * h + rho * rho) / (2 * h);
    const Extended segment = Pi * h / 6 * (h * h + 3 * rho * rho);
    // The cone from the centre: added below a hemisphere, taken away above one.
    const Extended cone = Pi * rho * rho * (rho - h) * (rho + h) / (6 * h);
    const Extended cap = Pi * (h * h + rho * rho), coneWall = Pi * rho * radius;
    AValues[0] = segment + cone;
    AValues[1] = cap + coneWall;
    AValues[2] = radius;
    AValues[3] = cap;
    AValues[4] = coneWall;
    AValues[5] = segment;
    AValues[6] = cone;
    AValues[7] = ShareOfSphere(AValues[0], radius);
}

void SphericalFrustum(const Extended* ADims, int, Extended* AValues) {
    const Extended upper = ADims[0], lower = ADims[1], h = ADims[2];
    // The centre's distance from the upper circle's plane, towards the lower one.
    const Extended offset = (h * h + (lower - upper) * (lower + upper)) / (2 * h);
    const Extended radius = std::hypot(upper, offset);
    const Extended upperCircle = Pi * upper * upper, lowerCircle = Pi * lower * lower;
    const Extended zone = 2 * Pi * radius * h;
    AValues[0] = Pi * h / 6 * (h * h + 3 * upper * upper + 3 * lower * lower);
    AValues[1] = upperCircle + lowerCircle + zone;
    AValues[2] = radius;
    AValues[3] = upperCircle;
    AValues[4] = lowerCircle;
    AValues[5] = zone;
    AValues[6] = ShareOfSphere(AValues[0], radius);
}

// --- Intervals -----------------------------------------------------------------------

TInterval Free(int, const Extended*) {
    return {};
}

// A triangle's side lies between the difference and the sum of the other two.
TInterval TriangleSide(int ADim, const Extended* ADims) {
    if (ADim == 3)
        return {};
    const Extended b = ADims[(ADim + 1) % 3], c = ADims[(ADim + 2) % 3];
    return {std::fabs(b - c), b + c};
}

TInterval Ring(int ADim, const Extended* ADims) {
    if (ADim == 0)
        return {ADims[1]};
    if (ADim == 1)
        return {0, ADims[0]};
    return {};
}

// Equal upper and lower bases (dimensions 0 and 1) make a cylinder or a prism.
TInterval UnequalBases(int ADim, const Extended* ADims) {
    TInterval interval;
    if (ADim <= 1)
        interval.Excluded = ADims[1 - ADim];
    return interval;
}

// The lower base's side (dimension 2) equal to the upper base's side of its name.
TInterval RectangularFrustumRange(int ADim, const Extended* ADims) {
    TInterval interval;
    if (ADim == 0 || ADim == 2)
        interval.Excluded = ADims[2 - ADim];
    return interval;
}

TInterval RectangularFrustumBySideBRange(int ADim, const Extended* ADims) {
    TInterval interval;
    if (ADim == 1 || ADim == 2)
        interval.Excluded = ADims[3 - ADim];
    return interval;
}

// The level (or the segment's height) lies below the diameter.
TInterval BelowDiameter(int ADim, const Extended* ADims) {
    if (ADim == 0)
        return {ADims[1] / 2};
    if (ADim == 1)
        return {0, 2 * ADims[0]};
    return {};
}

TInterval Hemisphere(int ADim, const Extended* ADims) {
    TInterval interval;
    interval.Special = ADims[1 - ADim];
    return interval;
}

TModel
Make(std::initializer_list<TEntry> AEntries, void (*AQuantities)(const Extended*, int, Extended*),
     TInterval (*ARange)(int, const Extended*) = Free,
     std::array<TDims, 3> ASamples = {TDims{1, 1.7L, 0.6L, 1.3L}, TDims{1.3L, 0.55L, 1.9L, 0.8L},
                                      TDims{0.7L, 2.3L, 1.1L, 2.9L}}) {
    TModel model;
    for (TEntry entry : AEntries)
        model.DimEntries[std::size_t(model.DimCount++)] = entry;
    model.Quantities = AQuantities;
    model.Range = ARange;
    model.Samples = ASamples;
    return model;
}

// One model per variant, and the rectangular frustum by side b last.
std::array<TModel, VariantCount + 1> MakeModels() {
    std::array<TModel, VariantCount + 1> m;
    m[vaCube] = Make({enCube_A}, Cube);
    m[vaBlock] = Make({enBlock_A, enBlock_B, enBlock_C}, Block);
    m[vaSphere] = Make({enSphere_R}, Sphere);
    m[vaCone] = Make({enCone_R, enCone_V}, Cone);
    m[vaCylinder] = Make({enCylinder_R, enCylinder_V}, Cylinder);
    m[vaPyramid_Tetrahedron] = Make({enPyramid_A}, Tetrahedron);
    m[vaPyramid_Square] = Make({enPyramid_A, enPyramid_V}, RegularPyramid);
    m[vaPyramid_Rectangle] = Make({enPyramid_A, enPyramid_B, enPyramid_V}, RectangularPyramid);
    m[vaPyramid_EquilateralTriangle] = m[vaPyramid_Square];
    m[vaPyramid_NAngle] = m[vaPyramid_Square];
    m[vaPrism_Triangle] = Make(
        {enPrism_E1, enPrism_E2, enPrism_E3, enPrism_V}, TriangularPrism, TriangleSide,
        {TDims{1, 1.7L, 1.2L, 1.3L}, TDims{1.3L, 0.55L, 1.1L, 0.8L}, TDims{0.7L, 2.3L, 2, 2.9L}});
    m[vaPrism_NAngle] = Make({enPrism_E3, enPrism_V}, RegularPrism);
    m[vaPrism_CircularRing] =
        Make({enPrism_E2, enPrism_E3, enPrism_V}, RingPrism, Ring,
             {TDims{1.7L, 1, 0.6L}, TDims{1.3L, 0.55L, 1.9L}, TDims{2.3L, 0.7L, 1.1L}});
    m[vaTruncatedCone] = Make({enTruncatedCone_R2, enTruncatedCone_R1, enTruncatedCone_V},
                              TruncatedCone, UnequalBases);
    m[vaTruncatedPyramid_Square] =
        Make({enTruncatedPyramid_E2, enTruncatedPyramid_E3, enTruncatedPyramid_V}, RegularFrustum,
             UnequalBases);
    m[vaTruncatedPyramid_EquilateralTriangle] = m[vaTruncatedPyramid_Square];
    m[vaTruncatedPyramid_NAngle] = m[vaTruncatedPyramid_Square];
    m[vaTruncatedPyramid_Rectangle] = Make(
        {enTruncatedPyramid_E1, enTruncatedPyramid_E2, enTruncatedPyramid_E3, enTruncatedPyramid_V},
        RectangularFrustum, RectangularFrustumRange);
    m[VariantCount] = m[vaTruncatedPyramid_Rectangle];
    m[VariantCount].Quantities = RectangularFrustumBySideB;
    m[VariantCount].Range = RectangularFrustumBySideBRange;
    // Levels and heights below the centre, above it, and near the top.
    const std::array<TDims, 3> belowDiameter = {TDims{1, 1.7L, 0.6L}, TDims{1.3L, 0.55L, 1.9L},
                                                TDims{1.6L, 2.3L, 1.1L}};
    m[vaCylindricalTank] = Make({enCylindricalTank_R, enCylindricalTank_H, enCylindricalTank_D},
                                Tank, BelowDiameter, belowDiameter);
    m[vaSphericalSegment_RadiusOfSegment] =
        Make({enSphericalSegment_R, enSphericalSegment_V}, SegmentByRadiusOfSegment);
    m[vaSphericalSegment_RadiusOfSphere] =
        Make({enSphericalSegment_R, enSphericalSegment_V}, SegmentByRadiusOfSphere, BelowDiameter,
             belowDiameter);
    m[vaSphericalSector] = Make({enSphericalSector_Ro, enSphericalSector_V}, Sector, Hemisphere);
    m[vaSphericalFrustum] = Make(
        {enSphericalFrustum_Ro2, enSphericalFrustum_Ro1, enSphericalFrustum_V}, SphericalFrustum);
    return m;
}

} // namespace

const TModel& Model(TVariant AVariant, bool ASideB) {
    static const std::array<TModel, VariantCount + 1> models = MakeModels();
    const bool bySideB = ASideB && AVariant == vaTruncatedPyramid_Rectangle;
    const TModel& model = models[bySideB ? std::size_t(VariantCount) : std::size_t(AVariant)];
    if (model.DimCount == 0)
        throw std::logic_error("The variant has no solid to solve for");
    return model;
}

} // namespace SolverModels
