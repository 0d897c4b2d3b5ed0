// The description of the thirteen solid pages (SolidPages.h). Each table is
// indexed by its identifiers, in their order; the checks at the end of the file
// make a table out of order a compile error.
#include "SolidPages.h"

#include "SolidHandlers.h"

#include <iterator>

namespace {

// --- Entries -----------------------------------------------------------------------

constexpr const char* SideItems[] = {"a", "b"};

constexpr TEntryDesc Entries[] = {
    {enCube_A, pgCube, "Cube_A", ekNumber},
    {enBlock_A, pgBlock, "Block_A", ekNumber},
    {enBlock_B, pgBlock, "Block_B", ekNumber},
    {enBlock_C, pgBlock, "Block_C", ekNumber},
    {enSphere_R, pgSphere, "Sphere_R", ekRadius},
    {enCone_R, pgCone, "Cone_R", ekRadius},
    {enCone_V, pgCone, "Cone_V", ekNumber},
    {enCylinder_R, pgCylinder, "Cylinder_R", ekRadius},
    {enCylinder_V, pgCylinder, "Cylinder_V", ekNumber},
    {enPyramid_N, pgPyramid, "Pyramid_N", ekCount},
    {enPyramid_A, pgPyramid, "Pyramid_A", ekNumber},
    {enPyramid_B, pgPyramid, "Pyramid_B", ekNumber},
    {enPyramid_V, pgPyramid, "Pyramid_V", ekNumber},
    {enPrism_N, pgPrism, "Prism_N", ekCount},
    {enPrism_E1, pgPrism, "Prism_E1", ekNumber},
    {enPrism_E2, pgPrism, "Prism_E2", ekNumber},
    {enPrism_E3, pgPrism, "Prism_E3", ekNumber},
    {enPrism_V, pgPrism, "Prism_V", ekNumber},
    {enTruncatedCone_R2, pgTruncatedCone, "TruncatedCone_R2", ekRadius},
    {enTruncatedCone_R1, pgTruncatedCone, "TruncatedCone_R1", ekRadius},
    {enTruncatedCone_V, pgTruncatedCone, "TruncatedCone_V", ekNumber},
    {enTruncatedPyramid_N, pgTruncatedPyramid, "TruncatedPyramid_N", ekCount},
    {enTruncatedPyramid_E1, pgTruncatedPyramid, "TruncatedPyramid_E1", ekNumber},
    {enTruncatedPyramid_E2, pgTruncatedPyramid, "TruncatedPyramid_E2", ekNumber},
    {enTruncatedPyramid_E3, pgTruncatedPyramid, "TruncatedPyramid_E3", ekNumber},
    {enTruncatedPyramid_V, pgTruncatedPyramid, "TruncatedPyramid_V", ekNumber},
    // Which side of the lower base TruncatedPyramid_E3 gives; it stands right of it.
    {enTruncatedPyramid_Side, pgTruncatedPyramid, "TruncatedPyramid_Side", ekChoice, SideItems,
     EntryLeft + EntryWidth, ChoiceWidth},
    {enCylindricalTank_R, pgCylindricalTank, "CylindricalTank_R", ekRadius},
    {enCylindricalTank_H, pgCylindricalTank, "CylindricalTank_H", ekNumber},
    {enCylindricalTank_D, pgCylindricalTank, "CylindricalTank_D", ekNumber},
    {enSphericalSegment_R, pgSphericalSegment, "SphericalSegment_R", ekRadius},
    {enSphericalSegment_V, pgSphericalSegment, "SphericalSegment_V", ekNumber},
    {enSphericalSector_Ro, pgSphericalSector, "SphericalSector_Ro", ekRadius},
    {enSphericalSector_V, pgSphericalSector, "SphericalSector_V", ekNumber},
    {enSphericalFrustum_Ro2, pgSphericalFrustum, "SphericalFrustum_Ro2", ekRadius},
    {enSphericalFrustum_Ro1, pgSphericalFrustum, "SphericalFrustum_Ro1", ekRadius},
    {enSphericalFrustum_V, pgSphericalFrustum, "SphericalFrustum_V", ekNumber},
};

// --- Variant controls ------------------------------------------------------------------

constexpr const char* SheetSection = "TFormStereometricalFormulas";
constexpr const char* PlaneFigureSection = "TPlaneFigure";
constexpr const char* SolidSection = "TSolidFigure";

constexpr TText PyramidBases[] = {
    {PlaneFigureSection, "Square"},
    {PlaneFigureSection, "Rectangle"},
    {PlaneFigureSection, "Triangle_Equilateral", nullptr, "Triangle"},
    {PlaneFigureSection, "NAngle"},
};
constexpr TText PrismBases[] = {
    {PlaneFigureSection, "Triangle"},
    {PlaneFigureSection, "NAngle"},
    {PlaneFigureSection, "CircularRing"},
};

// Where the base lists stand: right of the tetrahedron box on the pyramid's page.
constexpr int ListTop = 16;
constexpr int ListWidth = 160;
constexpr int ChoiceLeft = 24;

constexpr TVariantControlDesc VariantControls[] = {
    {vcPyramid_Tetrahedron,
     pgPyramid,
     vkCheckBox,
     "Pyramid_Tetrahedron",
     "Pyramid_Tetrahedron_L",
     {SheetSection, "Tetrahedron"},
     ChoiceLeft,
     20,
     0,
     {},
     vcPyramid_Base},
    {vcPyramid_Base,
     pgPyramid,
     vkList,
     "Pyramid_Base",
     "Pyramid_Base_L",
     {SheetSection, "Base"},
     203,
     ListTop,
     ListWidth,
     PyramidBases},
    {vcPrism_Base,
     pgPrism,
     vkList,
     "Prism_Base",
     "Prism_Base_L",
     {SheetSection, "Base"},
     136,
     ListTop,
     ListWidth,
     PrismBases},
    {vcTruncatedPyramid_Base,
     pgTruncatedPyramid,
     vkList,
     "TruncatedPyramid_Base",
     "TruncatedPyramid_Base_L",
     {SheetSection, "Base"},
     136,
     ListTop,
     ListWidth,
     PyramidBases},
    {vcSphericalSegment_RadiusOfSegment,
     pgSphericalSegment,
     vkRadio,
     "SphericalSegment_RadiusOfSegmentR",
     "SphericalSegment_RadiusOfSegmentL",
     Caption("sRadiusOfSegment"),
     ChoiceLeft,
     20,
     0,
     {},
     vcNone,
     true},
    {vcSphericalSegment_RadiusOfSphere, pgSphericalSegment, vkRadio,
     "SphericalSegment_RadiusOfSphereR", "SphericalSegment_RadiusOfSphereL",
     Caption("sRadiusOfSphere"), ChoiceLeft, 38},
};

// --- Variants: the entries each one shows --------------------------------------------------

// Rows of three entries and of two, and the four rows of the variant pages.
constexpr int Top3[] = {88, 128, 168};
constexpr int Top2[] = {112, 152};
constexpr int Top4[] = {68, 108, 148, 188};
constexpr int TopMiddle = 128; // a single entry

constexpr TEntryPlace CubeEntries[] = {
    {enCube_A, TopMiddle, Caption("sSide"), {"a"}},
};
constexpr TEntryPlace BlockEntries[] = {
    {enBlock_A, Top3[0], CaptionX("Block_X", "a"), {"a"}},
    {enBlock_B, Top3[1], CaptionX("Block_X", "b"), {"b"}},
    {enBlock_C, Top3[2], CaptionX("Block_X", "c"), {"c"}},
};
constexpr TEntryPlace SphereEntries[] = {
    {enSphere_R, TopMiddle, Caption("Sphere_R"), {"r"}},
};
constexpr TEntryPlace ConeEntries[] = {
    {enCone_R, Top2[0], Caption("sRadiusOfBase"), {"r"}},
    {enCone_V, Top2[1], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace CylinderEntries[] = {
    {enCylinder_R, Top2[0], Caption("sRadiusOfBase"), {"r"}},
    {enCylinder_V, Top2[1], Caption("sHeight"), {"v"}},
};

constexpr TEntryPlace PyramidTetrahedronEntries[] = {
    {enPyramid_A, TopMiddle, Caption("sSide"), {"a"}},
};
constexpr TEntryPlace PyramidSquareEntries[] = {
    {enPyramid_N, Top3[0], Caption("sNumberOfEdges"), {"n"}, 4},
    {enPyramid_A, Top3[1], CaptionX("sXSideOfBase", ""), {"a"}},
    {enPyramid_V, Top3[2], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace PyramidRectangleEntries[] = {
    {enPyramid_A, Top3[0], CaptionX("sXSideOfBase", "a"), {"a"}},
    {enPyramid_B, Top3[1], CaptionX("sXSideOfBase", "b"), {"b"}},
    {enPyramid_V, Top3[2], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace PyramidEquilateralTriangleEntries[] = {
    {enPyramid_N, Top3[0], Caption("sNumberOfEdges"), {"n"}, 3},
    {enPyramid_A, Top3[1], CaptionX("sXSideOfBase", ""), {"a"}},
    {enPyramid_V, Top3[2], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace PyramidNAngleEntries[] = {
    {enPyramid_N, Top3[0], Caption("sNumberOfEdges"), {"n"}},
    {enPyramid_A, Top3[1], CaptionX("sXSideOfBase", ""), {"a"}},
    {enPyramid_V, Top3[2], Caption("sHeight"), {"v"}},
};

constexpr TEntryPlace PrismTriangleEntries[] = {
    {enPrism_E1, Top4[0], CaptionX("sXSideOfBase", "a"), {"a"}},
    {enPrism_E2, Top4[1], CaptionX("sXSideOfBase", "b"), {"b"}},
    {enPrism_E3, Top4[2], CaptionX("sXSideOfBase", "c"), {"c"}},
    {enPrism_V, Top4[3], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace PrismNAngleEntries[] = {
    {enPrism_N, Top3[0], Caption("sNumberOfEdges"), {"n"}},
    {enPrism_E3, Top3[1], CaptionX("sXSideOfBase", ""), {"a"}},
    {enPrism_V, Top3[2], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace PrismCircularRingEntries[] = {
    {enPrism_E2, Top3[0], Caption("sPrism_OuterRadiusOfBase"), {"r", "1", nullptr, true}},
    {enPrism_E3, Top3[1], Caption("sPrism_InnerRadiusOfBase"), {"r", "2", nullptr, true}},
    {enPrism_V, Top3[2], Caption("sHeight"), {"v"}},
};

constexpr TEntryPlace TruncatedConeEntries[] = {
    {enTruncatedCone_R2, Top3[0], Caption("TruncatedCone_R2"), {"r", "2", nullptr, true}},
    {enTruncatedCone_R1, Top3[1], Caption("TruncatedCone_R1"), {"r", "1", nullptr, true}},
    {enTruncatedCone_V, Top3[2], Caption("sHeight"), {"v"}},
};

constexpr const char* UpperBaseSide = "sTruncatedPyramid_XSideOfUpperBase";
constexpr const char* LowerBaseSide = "sTruncatedPyramid_XSideOfLowerBase";
constexpr TEntryPlace TruncatedPyramidSquareEntries[] = {
    {enTruncatedPyramid_N, Top4[0], Caption("sNumberOfEdges"), {"n"}, 4},
    {enTruncatedPyramid_E2, Top4[1], CaptionX(UpperBaseSide, ""), {"a", "2"}},
    {enTruncatedPyramid_E3, Top4[2], CaptionX(LowerBaseSide, ""), {"a", "1"}},
    {enTruncatedPyramid_V, Top4[3], Caption("sHeight"), {"v"}},
};
// The lower base is similar to the upper one: one of its sides, the chosen one, is entered.
constexpr TEntryPlace TruncatedPyramidRectangleEntries[] = {
    {enTruncatedPyramid_E1, Top4[0], CaptionX(UpperBaseSide, "a"), {"a", "2"}},
    {enTruncatedPyramid_E2, Top4[1], CaptionX(UpperBaseSide, "b"), {"b", "2"}},
    {enTruncatedPyramid_E3,
     Top4[2],
     CaptionX(LowerBaseSide, ""),
     {nullptr, "1"},
     0,
     enTruncatedPyramid_Side},
    {enTruncatedPyramid_Side, Top4[2]},
    {enTruncatedPyramid_V, Top4[3], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace TruncatedPyramidEquilateralTriangleEntries[] = {
    {enTruncatedPyramid_N, Top4[0], Caption("sNumberOfEdges"), {"n"}, 3},
    {enTruncatedPyramid_E2, Top4[1], CaptionX(UpperBaseSide, ""), {"a", "2"}},
    {enTruncatedPyramid_E3, Top4[2], CaptionX(LowerBaseSide, ""), {"a", "1"}},
    {enTruncatedPyramid_V, Top4[3], Caption("sHeight"), {"v"}},
};
constexpr TEntryPlace TruncatedPyramidNAngleEntries[] = {
    {enTruncatedPyramid_N, Top4[0], Caption("sNumberOfEdges"), {"n"}},
    {enTruncatedPyramid_E2, Top4[1], CaptionX(UpperBaseSide, ""), {"a", "2"}},
    {enTruncatedPyramid_E3, Top4[2], CaptionX(LowerBaseSide, ""), {"a", "1"}},
    {enTruncatedPyramid_V, Top4[3], Caption("sHeight"), {"v"}},
};

constexpr TEntryPlace CylindricalTankEntries[] = {
    {enCylindricalTank_R, Top3[0], Caption("CylindricalTank_R"), {"r"}},
    {enCylindricalTank_H, Top3[1], Caption("CylindricalTank_H"), {"h"}},
    {enCylindricalTank_D, Top3[2], Caption("CylindricalTank_D"), {"d"}},
};

// One entry, two meanings: the radius of the segment's circle (rho) or of the sphere (r).
constexpr TEntryPlace SphericalSegmentOfSegmentEntries[] = {
    {enSphericalSegment_R,
     Top2[0],
     Caption("sRadiusOfSegment"),
     {Rho, nullptr, "SphericalSegment_Ro_EL"}},
    {enSphericalSegment_V, Top2[1], Caption("sHeightOfSegment"), {"v"}},
};
constexpr TEntryPlace SphericalSegmentOfSphereEntries[] = {
    {enSphericalSegment_R, Top2[0], Caption("sRadiusOfSphere"), {"r"}},
    {enSphericalSegment_V, Top2[1], Caption("sHeightOfSegment"), {"v"}},
};
constexpr TEntryPlace SphericalSectorEntries[] = {
    {enSphericalSector_Ro, Top2[0], Caption("sRadiusOfSegment"), {Rho}},
    {enSphericalSector_V, Top2[1], Caption("sHeightOfSegment"), {"v"}},
};
constexpr TEntryPlace SphericalFrustumEntries[] = {
    {enSphericalFrustum_Ro2, Top3[0], Caption("SphericalFrustum_Ro2"), {Rho, "2"}},
    {enSphericalFrustum_Ro1, Top3[1], Caption("SphericalFrustum_Ro1"), {Rho, "1"}},
    {enSphericalFrustum_V, Top3[2], Caption("sHeight"), {"v"}},
};

// --- Variants ------------------------------------------------------------------------

constexpr TSelector Checked(TVariantControl AControl) {
    return {AControl, 1};
}
constexpr TSelector Item(TVariantControl AControl, int AIndex) {
    return {AControl, AIndex};
}

constexpr TVariantDesc Variants[] = {
    {vaCube, pgCube, {}, stCube, "CUBE", CubeEntries, enNone, "Cube"},
    {vaBlock, pgBlock, {}, stBlock, "BLOCK", BlockEntries, enBlock_A, "Block"},
    {vaSphere, pgSphere, {}, stSphere, "SPHERE", SphereEntries, enNone, "Sphere"},
    {vaCone, pgCone, {}, stCone, "CONE", ConeEntries, enCone_R, "Cone"},
    {vaCylinder, pgCylinder, {}, stCylinder, "CYLINDER", CylinderEntries, enCylinder_R, "Cylinder"},

    {vaPyramid_Tetrahedron, pgPyramid, Checked(vcPyramid_Tetrahedron), stPyramid_Tetrahedron,
     "PYRAMID_TETRAHEDRON", PyramidTetrahedronEntries, enPyramid_A, "Pyramid_Tetrahedron",
     "tetrahedron"},
    {vaPyramid_Square, pgPyramid, Item(vcPyramid_Base, 0), stPyramid_NAngle, "PYRAMID_SQUARE",
     PyramidSquareEntries, enPyramid_A, "Pyramid_Square", "square"},
    {vaPyramid_Rectangle, pgPyramid, Item(vcPyramid_Base, 1), stPyramid_Rectangle,
     "PYRAMID_RECTANGLE", PyramidRectangleEntries, enPyramid_A, "Pyramid_Rectangle", "rectangle"},
    {vaPyramid_EquilateralTriangle, pgPyramid, Item(vcPyramid_Base, 2), stPyramid_NAngle,
     "PYRAMID_EQUILATERALTRIANGLE", PyramidEquilateralTriangleEntries, enPyramid_A,
     "Pyramid_EquilateralTriangle", "triangle"},
    {vaPyramid_NAngle, pgPyramid, Item(vcPyramid_Base, 3), stPyramid_NAngle, "PYRAMID_NANGLE",
     PyramidNAngleEntries, enPyramid_N, "Pyramid_NAngle", "ngon"},
    {vaPyramid_None, pgPyramid, {}, stNone, "", {}, enNone, "Pyramid_None"},

    {vaPrism_Triangle, pgPrism, Item(vcPrism_Base, 0), stPrism_Triangle, "PRISM_TRIANGLE",
     PrismTriangleEntries, enPrism_E1, "Prism_Triangle", "triangle"},
    {vaPrism_NAngle, pgPrism, Item(vcPrism_Base, 1), stPrism_NAngle, "PRISM_NANGLE",
     PrismNAngleEntries, enPrism_N, "Prism_NAngle", "ngon"},
    {vaPrism_CircularRing, pgPrism, Item(vcPrism_Base, 2), stPrism_CircularRing,
     "PRISM_CIRCULARRING", PrismCircularRingEntries, enPrism_E2, "Prism_CircularRing", "ring"},
    {vaPrism_None, pgPrism, {}, stNone, "", {}, enNone, "Prism_None"},

    {vaTruncatedCone,
     pgTruncatedCone,
     {},
     stTruncatedCone,
     "TRUNCATEDCONE",
     TruncatedConeEntries,
     enTruncatedCone_R2,
     "TruncatedCone"},

    {vaTruncatedPyramid_Square, pgTruncatedPyramid, Item(vcTruncatedPyramid_Base, 0),
     stTruncatedPyramid_NAngle, "TRUNCATEDPYRAMID_SQUARE", TruncatedPyramidSquareEntries,
     enTruncatedPyramid_E2, "TruncatedPyramid_Square", "square"},
    {vaTruncatedPyramid_Rectangle, pgTruncatedPyramid, Item(vcTruncatedPyramid_Base, 1),
     stTruncatedPyramid_Rectangle, "TRUNCATEDPYRAMID_RECTANGLE", TruncatedPyramidRectangleEntries,
     enTruncatedPyramid_E1, "TruncatedPyramid_Rectangle", "rectangle"},
    {vaTruncatedPyramid_EquilateralTriangle, pgTruncatedPyramid, Item(vcTruncatedPyramid_Base, 2),
     stTruncatedPyramid_NAngle, "TRUNCATEDPYRAMID_EQUILATERALTRIANGLE",
     TruncatedPyramidEquilateralTriangleEntries, enTruncatedPyramid_E2,
     "TruncatedPyramid_EquilateralTriangle", "triangle"},
    {vaTruncatedPyramid_NAngle, pgTruncatedPyramid, Item(vcTruncatedPyramid_Base, 3),
     stTruncatedPyramid_NAngle, "TRUNCATEDPYRAMID_NANGLE", TruncatedPyramidNAngleEntries,
     enTruncatedPyramid_N, "TruncatedPyramid_NAngle", "ngon"},
    {vaTruncatedPyramid_None,
     pgTruncatedPyramid,
     {},
     stNone,
     "",
     {},
     enNone,
     "TruncatedPyramid_None"},

    {vaCylindricalTank,
     pgCylindricalTank,
     {},
     stCylindricalTank,
     "CYLINDRICALTANK",
     CylindricalTankEntries,
     enCylindricalTank_R,
     "CylindricalTank"},
    {vaSphericalSegment_RadiusOfSegment, pgSphericalSegment,
     Checked(vcSphericalSegment_RadiusOfSegment), stSphericalSegment_RadiusOfSegment,
     "SPHERICALSEGMENT", SphericalSegmentOfSegmentEntries, enSphericalSegment_R,
     "SphericalSegment_RadiusOfSegment", "segment"},
    {vaSphericalSegment_RadiusOfSphere, pgSphericalSegment,
     Checked(vcSphericalSegment_RadiusOfSphere), stSphericalSegment_RadiusOfSphere,
     "SPHERICALSEGMENT", SphericalSegmentOfSphereEntries, enSphericalSegment_R,
     "SphericalSegment_RadiusOfSphere", "sphere"},
    {vaSphericalSector,
     pgSphericalSector,
     {},
     stSphericalSector,
     "SPHERICALSECTOR",
     SphericalSectorEntries,
     enSphericalSector_Ro,
     "SphericalSector"},
    {vaSphericalFrustum,
     pgSphericalFrustum,
     {},
     stSphericalFrustum,
     "SPHERICALFRUSTUM",
     SphericalFrustumEntries,
     enSphericalFrustum_Ro2,
     "SphericalFrustum"},
};

// --- Pages -------------------------------------------------------------------------------

constexpr TEntry CubePage[] = {enCube_A};
constexpr TEntry BlockPage[] = {enBlock_A, enBlock_B, enBlock_C};
constexpr TEntry SpherePage[] = {enSphere_R};
constexpr TEntry ConePage[] = {enCone_R, enCone_V};
constexpr TEntry CylinderPage[] = {enCylinder_R, enCylinder_V};
constexpr TEntry PyramidPage[] = {enPyramid_N, enPyramid_A, enPyramid_B, enPyramid_V};
constexpr TEntry PrismPage[] = {enPrism_N, enPrism_E1, enPrism_E2, enPrism_E3, enPrism_V};
constexpr TEntry TruncatedConePage[] = {enTruncatedCone_R2, enTruncatedCone_R1, enTruncatedCone_V};
constexpr TEntry TruncatedPyramidPage[] = {enTruncatedPyramid_N,  enTruncatedPyramid_E1,
                                           enTruncatedPyramid_E2, enTruncatedPyramid_E3,
                                           enTruncatedPyramid_V,  enTruncatedPyramid_Side};
constexpr TEntry CylindricalTankPage[] = {enCylindricalTank_R, enCylindricalTank_H,
                                          enCylindricalTank_D};
constexpr TEntry SphericalSegmentPage[] = {enSphericalSegment_R, enSphericalSegment_V};
constexpr TEntry SphericalSectorPage[] = {enSphericalSector_Ro, enSphericalSector_V};
constexpr TEntry SphericalFrustumPage[] = {enSphericalFrustum_Ro2, enSphericalFrustum_Ro1,
                                           enSphericalFrustum_V};

constexpr TVariantControl PyramidControls[] = {vcPyramid_Tetrahedron, vcPyramid_Base};
constexpr TVariantControl PrismControls[] = {vcPrism_Base};
constexpr TVariantControl TruncatedPyramidControls[] = {vcTruncatedPyramid_Base};
constexpr TVariantControl SphericalSegmentControls[] = {vcSphericalSegment_RadiusOfSegment,
                                                        vcSphericalSegment_RadiusOfSphere};

constexpr TVariant CubeVariants[] = {vaCube};
constexpr TVariant BlockVariants[] = {vaBlock};
constexpr TVariant SphereVariants[] = {vaSphere};
constexpr TVariant ConeVariants[] = {vaCone};
constexpr TVariant CylinderVariants[] = {vaCylinder};
constexpr TVariant PyramidVariants[] = {vaPyramid_Tetrahedron, vaPyramid_Square,
                                        vaPyramid_Rectangle,   vaPyramid_EquilateralTriangle,
                                        vaPyramid_NAngle,      vaPyramid_None};
constexpr TVariant PrismVariants[] = {vaPrism_Triangle, vaPrism_NAngle, vaPrism_CircularRing,
                                      vaPrism_None};
constexpr TVariant TruncatedConeVariants[] = {vaTruncatedCone};
constexpr TVariant TruncatedPyramidVariants[] = {
    vaTruncatedPyramid_Square, vaTruncatedPyramid_Rectangle, vaTruncatedPyramid_EquilateralTriangle,
    vaTruncatedPyramid_NAngle, vaTruncatedPyramid_None};
constexpr TVariant CylindricalTankVariants[] = {vaCylindricalTank};
constexpr TVariant SphericalSegmentVariants[] = {vaSphericalSegment_RadiusOfSegment,
                                                 vaSphericalSegment_RadiusOfSphere};
constexpr TVariant SphericalSectorVariants[] = {vaSphericalSector};
constexpr TVariant SphericalFrustumVariants[] = {vaSphericalFrustum};

constexpr TText SolidTitle(const char* AKey) {
    return {SolidSection, AKey};
}

constexpr TPageDesc Pages[] = {
    {pgCube,
     "pgCube",
     CubePage,
     {},
     CubeVariants,
     vaCube,
     nullptr,
     SolidTitle("Cube"),
     "cube"},
    {pgBlock,
     "pgBlock",
     BlockPage,
     {},
     BlockVariants,
     vaBlock,
     nullptr,
     SolidTitle("Block"),
     "block"},
    {pgSphere,
     "pgSphere",
     SpherePage,
     {},
     SphereVariants,
     vaSphere,
     nullptr,
     SolidTitle("Sphere"),
     "sphere"},
    {pgCone,
     "pgCone",
     ConePage,
     {},
     ConeVariants,
     vaCone,
     nullptr,
     SolidTitle("Cone"),
     "cone"},
    {pgCylinder,
     "pgCylinder",
     CylinderPage,
     {},
     CylinderVariants,
     vaCylinder,
     nullptr,
     SolidTitle("Cylinder"),
     "cylinder"},
    {pgPyramid, "pgPyramid", PyramidPage, PyramidControls, PyramidVariants, vaPyramid_None,
     "PYRAMID_GENERAL", SolidTitle("Pyramid"), "pyramid"},
    {pgPrism, "pgPrism", PrismPage, PrismControls, PrismVariants, vaPrism_None, "PRISM_GENERAL", SolidTitle("Prism"), "prism"},
    {pgTruncatedCone,
     "pgTruncatedCone",
     TruncatedConePage,
     {},
     TruncatedConeVariants,
     vaTruncatedCone,
     nullptr,
     SolidTitle("TruncatedCone"),
     "truncated-cone"},
    {pgTruncatedPyramid, "pgTruncatedPyramid", TruncatedPyramidPage, TruncatedPyramidControls,
     TruncatedPyramidVariants, vaTruncatedPyramid_None, "TRUNCATEDPYRAMID_GENERAL", SolidTitle("TruncatedPyramid"), "truncated-pyramid"},
    {pgCylindricalTank,
     "pgCylindricalTank",
     CylindricalTankPage,
     {},
     CylindricalTankVariants,
     vaCylindricalTank,
     nullptr,
     SolidTitle("CylindricalTank"),
     "tank"},
    {pgSphericalSegment, "pgSphericalSegment", SphericalSegmentPage, SphericalSegmentControls,
     SphericalSegmentVariants, vaSphericalSegment_RadiusOfSegment, nullptr, SolidTitle("SphericalSegment"), "spherical-segment"},
    {pgSphericalSector,
     "pgSphericalSector",
     SphericalSectorPage,
     {},
     SphericalSectorVariants,
     vaSphericalSector,
     nullptr,
     SolidTitle("SphericalSector"),
     "spherical-sector"},
    {pgSphericalFrustum,
     "pgSphericalFrustum",
     SphericalFrustumPage,
     {},
     SphericalFrustumVariants,
     vaSphericalFrustum,
     nullptr,
     SolidTitle("SphericalFrustum"),
     "spherical-frustum"},
};

// --- Checks of the tables ----------------------------------------------------------------

// Every table holds each of its identifiers once, at the identifier's place.
template <class TDesc, std::size_t N> constexpr bool InOrder(const TDesc (&ATable)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (std::size_t(ATable[i].Id) != i)
            return false;
    return true;
}
static_assert(std::size(Entries) == EntryCount && InOrder(Entries), "entries out of order");
static_assert(std::size(VariantControls) == VariantControlCount && InOrder(VariantControls),
              "variant controls out of order");
static_assert(std::size(Variants) == VariantCount && InOrder(Variants), "variants out of order");
static_assert(std::size(Pages) == PageCount && InOrder(Pages), "pages out of order");

// Everything a page names belongs to it; a variant shows only its page's entries.
constexpr bool OwnEntries() {
    for (const TPageDesc& page : Pages) {
        for (TEntry entry : page.Entries)
            if (Entries[entry].Page != page.Id)
                return false;
        for (TVariantControl control : page.Controls)
            if (VariantControls[control].Page != page.Id)
                return false;
        bool startListed = false;
        for (TVariant variant : page.Variants) {
            if (Variants[variant].Page != page.Id)
                return false;
            startListed = startListed || variant == page.StartVariant;
        }
        if (!startListed)
            return false;
    }
    for (const TVariantDesc& variant : Variants) {
        for (const TEntryPlace& place : variant.Entries)
            if (Entries[place.Entry].Page != variant.Page ||
                (place.ChosenBy != enNone && Entries[place.ChosenBy].Kind != ekChoice) ||
                (place.FixedCount != 0 && Entries[place.Entry].Kind != ekCount))
                return false;
        if (variant.FirstEntry != enNone && Entries[variant.FirstEntry].Page != variant.Page)
            return false;
        if (variant.Selector.Control != vcNone &&
            VariantControls[variant.Selector.Control].Page != variant.Page)
            return false;
    }
    return true;
}
static_assert(OwnEntries(), "a page names what is not its own");

constexpr bool Starts(const char* AText, const char* APrefix) {
    for (; *APrefix; ++AText, ++APrefix)
        if (*AText != *APrefix)
            return false;
    return true;
}

// Every page and variant has the names that the windows, the formula sheet and
// the command line give it; a page with variant controls names its variants there.
constexpr bool Named() {
    for (const TPageDesc& page : Pages) {
        if (!Starts(page.Name, "pg") || !page.Title.Key || !page.CommandName)
            return false;
        for (TVariant variant : page.Variants) {
            const TVariantDesc& desc = Variants[variant];
            if (!desc.Name || !Starts(desc.Name, page.Solid()))
                return false;
            const bool chosen = desc.Selector.Control != vcNone;
            if (chosen != (desc.CommandName != nullptr))
                return false;
        }
    }
    return true;
}
static_assert(Named(), "a page or variant lacks a name");

} // namespace

const TPageDesc& PageDesc(TPage APage) {
    return Pages[APage];
}

const TEntryDesc& EntryDesc(TEntry AEntry) {
    return Entries[AEntry];
}

const TVariantDesc& VariantDesc(TVariant AVariant) {
    return Variants[AVariant];
}

const TVariantControlDesc& VariantControlDesc(TVariantControl AControl) {
    return VariantControls[AControl];
}

TVariant ChosenVariant(TPage APage, const std::function<int(TVariantControl)>& AValueOf) {
    const TPageDesc& page = Pages[APage];
    for (TVariant variant : page.Variants) {
        const TSelector& selector = Variants[variant].Selector;
        if (selector.Control != vcNone && AValueOf(selector.Control) == selector.Value)
            return variant;
    }
    return page.StartVariant;
}

const TEntryPlace* PlaceOf(TVariant AVariant, TEntry AEntry) {
    for (const TEntryPlace& place : Variants[AVariant].Entries)
        if (place.Entry == AEntry)
            return &place;
    return nullptr;
}

bool HasLetter(const TEntryPlace& APlace) {
    return APlace.Letter.Glyph || APlace.ChosenBy != enNone;
}

std::string LetterLabelName(const TEntryPlace& APlace) {
    if (APlace.Letter.Label)
        return APlace.Letter.Label;
    return std::string(Entries[APlace.Entry].Name) + "_EL";
}

std::string SubscriptLabelName(TEntry AEntry) {
    return std::string(Entries[AEntry].Name) + "i_EL";
}
