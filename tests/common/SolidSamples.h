// One solid of every variant, given by its entries as the user types them, with
// its volume, surface and every supplementary value worked out here from the
// closed forms of school geometry (not from the geometry library), in the order
// of the variant's supplementary rows.
#pragma once

#include "MathFunctions.h"
#include "SolidPages.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <vector>

namespace SolidSamples {

struct TSample {
    QString Name;
    TVariant Variant;
    // "Entry=text" in the order the user fills them; a choice takes its item index.
    QStringList Entries;
    Extended Volume;
    Extended Area;
    std::vector<Extended> Supplementary;
};

inline const Extended Pi = std::acos(-1.0L);

// A regular n-gon of side ASide: its area and its inradius (apothem).
inline Extended PolygonArea(int ACount, Extended ASide) {
    return ACount * ASide * ASide / (4 * std::tan(Pi / ACount));
}
inline Extended Apothem(int ACount, Extended ASide) {
    return ASide / (2 * std::tan(Pi / ACount));
}

// A regular pyramid of ACount sides ASide, height AHeight.
inline TSample Pyramid(const QString& AName, TVariant AVariant, const QStringList& AEntries,
                       int ACount, Extended ASide, Extended AHeight) {
    const Extended base = PolygonArea(ACount, ASide);
    const Extended apothem = Apothem(ACount, ASide);
    const Extended slant = std::sqrt(AHeight * AHeight + apothem * apothem);
    const Extended face = ASide * slant / 2;
    return {AName,
            AVariant,
            AEntries,
            base * AHeight / 3,
            base + ACount * face,
            {slant, base, face, ACount * face}};
}

// A regular frustum of ACount sides, upper side AUpper, lower side ALower.
inline TSample TruncatedPyramid(const QString& AName, TVariant AVariant,
                                const QStringList& AEntries, int ACount, Extended AUpper,
                                Extended ALower, Extended AHeight) {
    const Extended upper = PolygonArea(ACount, AUpper), lower = PolygonArea(ACount, ALower);
    const Extended apothems = Apothem(ACount, ALower) - Apothem(ACount, AUpper);
    const Extended slant = std::sqrt(AHeight * AHeight + apothems * apothems);
    const Extended face = (AUpper + ALower) / 2 * slant;
    return {AName,
            AVariant,
            AEntries,
            AHeight / 3 * (upper + lower + std::sqrt(upper * lower)),
            upper + lower + ACount * face,
            {slant, upper, lower, face, ACount * face}};
}

// A horizontal cylindrical tank of radius ARadius and length ALength, filled to ALevel.
inline TSample Tank(const QString& AName, const QStringList& AEntries, Extended ARadius,
                    Extended ALevel, Extended ALength) {
    const Extended angle = std::acos((ARadius - ALevel) / ARadius); // half the wetted arc
    const Extended chord = 2 * std::sqrt(ALevel * (2 * ARadius - ALevel));
    const Extended segment =
        ARadius * ARadius * angle - (ARadius - ALevel) * std::sqrt(ALevel * (2 * ARadius - ALevel));
    const Extended level = chord * ALength;
    const Extended wall = 2 * ARadius * angle * ALength;
    return {AName,
            vaCylindricalTank,
            AEntries,
            segment * ALength,
            2 * segment + level + wall,
            {chord, segment, level, wall, 100 * segment / (Pi * ARadius * ARadius)}};
}

inline Extended SphereVolume(Extended ARadius) {
    return 4 * Pi * ARadius * ARadius * ARadius / 3;
}

// A spherical sector over a cap of base radius ARho and height AHeight.
inline TSample Sector(const QString& AName, const QStringList& AEntries, Extended ARho,
                      Extended AHeight) {
    const Extended radius = (ARho * ARho + AHeight * AHeight) / (2 * AHeight);
    const Extended cap = 2 * Pi * radius * AHeight;
    const Extended segment = Pi * AHeight / 6 * (3 * ARho * ARho + AHeight * AHeight);
    // The cone stands on the cap's circle with its apex in the centre; it is added
    // below a hemisphere and taken away above one.
    const Extended coneHeight = std::fabs(radius - AHeight);
    const Extended cone = Pi * ARho * ARho * coneHeight / 3 * (AHeight <= radius ? 1 : -1);
    const Extended coneSurface = Pi * ARho * radius; // a hemisphere's flat circle likewise
    const Extended volume = 2 * Pi * radius * radius * AHeight / 3;
    return {AName,
            vaSphericalSector,
            AEntries,
            volume,
            cap + coneSurface,
            {radius, cap, coneSurface, segment, cone, 100 * volume / SphereVolume(radius)}};
}

inline std::vector<TSample> Samples() {
    const Extended r2 = std::sqrt(2.0L), r3 = std::sqrt(3.0L);
    std::vector<TSample> samples;
    samples.push_back({"cube", vaCube, {"Cube_A=2"}, 8, 24, {2 * r3, 2 * r2, 4}});
    samples.push_back({"block",
                       vaBlock,
                       {"Block_A=2", "Block_B=3", "Block_C=6"},
                       36,
                       72,
                       {7, std::sqrt(13.0L), std::sqrt(45.0L), std::sqrt(40.0L), 6, 18, 12}});
    samples.push_back({"sphere", vaSphere, {"Sphere_R=3"}, 36 * Pi, 36 * Pi, {}});
    samples.push_back(
        {"cone", vaCone, {"Cone_R=3", "Cone_V=4"}, 12 * Pi, 24 * Pi, {5, 9 * Pi, 15 * Pi}});
    samples.push_back({"cylinder",
                       vaCylinder,
                       {"Cylinder_R=2", "Cylinder_V=5"},
                       20 * Pi,
                       28 * Pi,
                       {4 * Pi, 20 * Pi}});
    samples.push_back({"tetrahedron",
                       vaPyramid_Tetrahedron,
                       {"Pyramid_A=2"},
                       8 / (6 * r2),
                       4 * r3,
                       {2 * std::sqrt(2 / 3.0L), r3, r3}});
    samples.push_back(Pyramid("pyramid, square", vaPyramid_Square,
                              {"Pyramid_N=4", "Pyramid_A=2", "Pyramid_V=3"}, 4, 2, 3));
    {
        // Base 6 by 4, height 4: the faces on a stand sqrt(4^2 + 2^2) high, on b 5 high.
        const Extended slantA = std::sqrt(20.0L), slantB = 5;
        const Extended faceA = 6 * slantA / 2, faceB = 4 * slantB / 2;
        samples.push_back({"pyramid, rectangle",
                           vaPyramid_Rectangle,
                           {"Pyramid_A=6", "Pyramid_B=4", "Pyramid_V=4"},
                           32,
                           24 + 2 * (faceA + faceB),
                           {slantA, slantB, 24, faceA, faceB, 2 * (faceA + faceB)}});
    }
    samples.push_back(Pyramid("pyramid, equilateral triangle", vaPyramid_EquilateralTriangle,
                              {"Pyramid_N=3", "Pyramid_A=2", "Pyramid_V=3"}, 3, 2, 3));
    samples.push_back(Pyramid("pyramid, hexagon", vaPyramid_NAngle,
                              {"Pyramid_N=6", "Pyramid_A=2", "Pyramid_V=3"}, 6, 2, 3));
    samples.push_back({"prism, triangle 3 4 5",
                       vaPrism_Triangle,
                       {"Prism_E1=3", "Prism_E2=4", "Prism_E3=5", "Prism_V=2"},
                       12,
                       36,
                       {6, 6, 8, 10, 24}});
    {
        const Extended base = PolygonArea(5, 2);
        samples.push_back({"prism, pentagon",
                           vaPrism_NAngle,
                           {"Prism_N=5", "Prism_E3=2", "Prism_V=3"},
                           3 * base,
                           2 * base + 30,
                           {base, 6, 30}});
    }
    samples.push_back({"prism, circular ring",
                       vaPrism_CircularRing,
                       {"Prism_E2=3", "Prism_E3=1", "Prism_V=2"},
                       16 * Pi,
                       32 * Pi,
                       {8 * Pi, 12 * Pi, 4 * Pi}});
    {
        const Extended slant = std::sqrt(10.0L);
        samples.push_back({"truncated cone",
                           vaTruncatedCone,
                           {"TruncatedCone_R2=1", "TruncatedCone_R1=2", "TruncatedCone_V=3"},
                           7 * Pi,
                           5 * Pi + 3 * Pi * slant,
                           {slant, Pi, 4 * Pi, 3 * Pi * slant}});
    }
    samples.push_back(TruncatedPyramid("truncated pyramid, square", vaTruncatedPyramid_Square,
                                       {"TruncatedPyramid_N=4", "TruncatedPyramid_E2=2",
                                        "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"},
                                       4, 2, 4, 3));
    {
        // Upper base 4 by 2, lower 6 by 3, height 2: the face on a rises 1/2 inwards,
        // the face on b 1.
        const Extended slantA = std::sqrt(4.25L), slantB = std::sqrt(5.0L);
        const Extended faceA = (4 + 6) / 2.0L * slantA, faceB = (2 + 3) / 2.0L * slantB;
        const TSample rectangle = {
            "truncated pyramid, rectangle, side a",
            vaTruncatedPyramid_Rectangle,
            {"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=0",
             "TruncatedPyramid_E3=6", "TruncatedPyramid_V=2"},
            2 / 3.0L * (8 + 18 + 12),
            8 + 18 + 2 * (faceA + faceB),
            {slantA, slantB, 8, 18, faceA, faceB, 2 * (faceA + faceB), 6, 3}};
        samples.push_back(rectangle);
        TSample bySideB = rectangle;
        bySideB.Name = "truncated pyramid, rectangle, side b";
        bySideB.Entries =
            QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=1",
                        "TruncatedPyramid_E3=3", "TruncatedPyramid_V=2"};
        samples.push_back(bySideB);
    }
    samples.push_back(TruncatedPyramid("truncated pyramid, equilateral triangle",
                                       vaTruncatedPyramid_EquilateralTriangle,
                                       {"TruncatedPyramid_N=3", "TruncatedPyramid_E2=2",
                                        "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"},
                                       3, 2, 4, 3));
    samples.push_back(TruncatedPyramid("truncated pyramid, heptagon", vaTruncatedPyramid_NAngle,
                                       {"TruncatedPyramid_N=7", "TruncatedPyramid_E2=2",
                                        "TruncatedPyramid_E3=4", "TruncatedPyramid_V=3"},
                                       7, 2, 4, 3));
    samples.push_back(Tank("cylindrical tank, a quarter of the height",
                           {"CylindricalTank_R=2", "CylindricalTank_H=1", "CylindricalTank_D=3"}, 2,
                           1, 3));
    samples.push_back(Tank("cylindrical tank, half full",
                           {"CylindricalTank_R=1", "CylindricalTank_H=1", "CylindricalTank_D=2"}, 1,
                           1, 2));
    samples.push_back(Tank("cylindrical tank, three quarters of the height",
                           {"CylindricalTank_R=2", "CylindricalTank_H=3", "CylindricalTank_D=3"}, 2,
                           3, 3));
    {
        // Cap of base radius 3 and height 1 on a sphere of radius 5.
        const Extended volume = Pi / 6 * (3 * 9 + 1);
        const Extended share = 100 * volume / SphereVolume(5);
        samples.push_back({"spherical segment, radius of segment",
                           vaSphericalSegment_RadiusOfSegment,
                           {"SphericalSegment_R=3", "SphericalSegment_V=1"},
                           volume,
                           19 * Pi,
                           {5, 10 * Pi, 9 * Pi, share}});
        samples.push_back({"spherical segment, radius of sphere",
                           vaSphericalSegment_RadiusOfSphere,
                           {"SphericalSegment_R=5", "SphericalSegment_V=1"},
                           volume,
                           19 * Pi,
                           {3, 10 * Pi, 9 * Pi, share}});
    }
    samples.push_back(Sector("spherical sector, below a hemisphere",
                             {"SphericalSector_Ro=3", "SphericalSector_V=1"}, 3, 1));
    samples.push_back(Sector("spherical sector, hemisphere",
                             {"SphericalSector_Ro=2", "SphericalSector_V=2"}, 2, 2));
    samples.push_back(Sector("spherical sector, above a hemisphere",
                             {"SphericalSector_Ro=3", "SphericalSector_V=9"}, 3, 9));
    {
        // Circles of radius 3 and 4, 1 apart, on the same side of the centre of a
        // sphere of radius 5 (4 and 3 from it).
        const Extended volume = Pi / 6 * (3 * 9 + 3 * 16 + 1);
        samples.push_back(
            {"spherical frustum",
             vaSphericalFrustum,
             {"SphericalFrustum_Ro2=3", "SphericalFrustum_Ro1=4", "SphericalFrustum_V=1"},
             volume,
             35 * Pi,
             {5, 9 * Pi, 16 * Pi, 10 * Pi, 100 * volume / SphereVolume(5)}});
    }
    return samples;
}

// The sample of AVariant (the first, where there are several).
inline const TSample* SampleOf(const std::vector<TSample>& ASamples, TVariant AVariant) {
    for (const TSample& sample : ASamples)
        if (sample.Variant == AVariant)
            return &sample;
    return nullptr;
}

} // namespace SolidSamples
