// The calculation handlers: one per solid, each reads its page's entries,
// builds the figure and sends its supplementary values.
#include "Computations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// A solid's own rejection of its dimensions, carried past the overflow
// handling of ShowFigure to the state that names it.
struct TRejection {
    TResultState State;
};

// Wraps a constructor call so that the solid's rejection of valid-looking
// dimensions becomes AState; an overflow stays an input error.
template <class TBuild> auto RejectAs(TResultState AState, TBuild ABuild) {
    return [AState, ABuild] {
        try {
            return ABuild();
        } catch (const EInvalidInputSolidFigures& Error) {
            if (Error.NotFinite())
                throw;
            throw TRejection{AState};
        }
    };
}

// Base list items.
enum { BaseRectangle = 1 };
enum { PrismTriangle, PrismNAngle, PrismCircularRing };

} // namespace

void TFormComputations::Calculate() {
    switch (FPageIndex) {
    case pgCube:
        Cube_Calculate();
        break;
    case pgBlock:
        Block_Calculate();
        break;
    case pgSphere:
        Sphere_Calculate();
        break;
    case pgCone:
        Cone_Calculate();
        break;
    case pgCylinder:
        Cylinder_Calculate();
        break;
    case pgPyramid:
        Pyramid_Calculate();
        break;
    case pgPrism:
        Prism_Calculate();
        break;
    case pgTruncatedCone:
        TruncatedCone_Calculate();
        break;
    case pgTruncatedPyramid:
        TruncatedPyramid_Calculate();
        break;
    case pgCylindricalTank:
        CylindricalTank_Calculate();
        break;
    case pgSphericalSegment:
        SphericalSegment_Calculate();
        break;
    case pgSphericalSector:
        SphericalSector_Calculate();
        break;
    case pgSphericalFrustum:
        SphericalFrustum_Calculate();
        break;
    default:
        break;
    }
}

void TFormComputations::Cube_Calculate() {
    if (!ReadEntries({Entry("Cube_A")}))
        return;
    const Extended a = FEntries[0];
    if (const TCube* cube = ShowFigure<TCube>([a] { return TCube::Create(a); }))
        SendSupplementaryValues(
            {cube->DiagonalOfSolid(), cube->Face().Diagonal(), cube->Face().Area()});
}

void TFormComputations::Block_Calculate() {
    if (!ReadEntries({Entry("Block_A"), Entry("Block_B"), Entry("Block_C")}))
        return;
    const Extended a = FEntries[0], b = FEntries[1], c = FEntries[2];
    if (const TBlock* block = ShowFigure<TBlock>([=] { return TBlock::Create(a, b, c); }))
        SendSupplementaryValues({block->DiagonalOfSolid(), block->FaceAB().Diagonal(),
                                 block->FaceBC().Diagonal(), block->FaceCA().Diagonal(),
                                 block->FaceAB().Area(), block->FaceBC().Area(),
                                 block->FaceCA().Area()});
}

void TFormComputations::Sphere_Calculate() {
    if (!ReadEntries({Entry("Sphere_R")}))
        return;
    const Extended r = FEntries[0];
    if (ShowFigure<TSphere>([r] { return TSphere::Create(r); }))
        SendSupplementaryValues({});
}

void TFormComputations::Cone_Calculate() {
    if (!ReadEntries({Entry("Cone_R"), Entry("Cone_V")}))
        return;
    const Extended r = FEntries[0], v = FEntries[1];
    if (const TCone* cone = ShowFigure<TCone>([=] { return TCone::Create(r, v); }))
        SendSupplementaryValues(
            {cone->SlantHeight(), cone->Base().Area(), cone->LateralSurface().Area()});
}

void TFormComputations::Cylinder_Calculate() {
    if (!ReadEntries({Entry("Cylinder_R"), Entry("Cylinder_V")}))
        return;
    const Extended r = FEntries[0], v = FEntries[1];
    if (const TCylinder* cylinder = ShowFigure<TCylinder>([=] { return TCylinder::Create(r, v); }))
        SendSupplementaryValues({cylinder->Base().Area(), cylinder->LateralSurface().Area()});
}

void TFormComputations::Pyramid_Calculate() {
    QLineEdit* count = Entry("Pyramid_N");
    if (!ReadEntries({count, Entry("Pyramid_A"), Entry("Pyramid_B"), Entry("Pyramid_V")}))
        return;
    const Extended a = FEntries[1], b = FEntries[2], v = FEntries[3];
    if (Pyramid_Tetrahedron->isChecked()) {
        if (const auto* pyramid =
                ShowFigure<TPyramid_Tetrahedron>([=] { return TPyramid_Tetrahedron::Create(a); }))
            SendSupplementaryValues(
                {pyramid->Height(), pyramid->Face().HeightOrMedian(), pyramid->Face().Area()});
        return;
    }
    const int k = Pyramid_Base->currentIndex();
    if (k < 0)
        return;
    if (k == BaseRectangle) {
        if (const auto* pyramid = ShowFigure<TPyramid_Rectangle>(
                [=] { return TPyramid_Rectangle::Create(a, b, v); })) {
            const auto& lateral = pyramid->LateralSurface();
            SendSupplementaryValues({lateral.FaceA.HeightOrMedianOnBase(),
                                     lateral.FaceB.HeightOrMedianOnBase(), pyramid->Base().Area(),
                                     lateral.FaceA.Area(), lateral.FaceB.Area(), lateral.Area});
        }
        return;
    }
    // Square and equilateral triangle have their count preset to 4 and 3.
    const auto n = static_cast<std::int32_t>(FEntries[0]);
    if (const auto* pyramid =
            ShowFigure<TPyramid_NAngle>([=] { return TPyramid_NAngle::Create(n, a, v); })) {
        const auto& lateral = pyramid->LateralSurface();
        SendSupplementaryValues({lateral.Face.HeightOrMedianOnBase(), pyramid->Base().Area(),
                                 lateral.Face.Area(), lateral.Area});
    }
}

void TFormComputations::Prism_Calculate() {
    if (!ReadEntries({Entry("Prism_N"), Entry("Prism_E1"), Entry("Prism_E2"), Entry("Prism_E3"),
                      Entry("Prism_V")}))
        return;
    const auto n = static_cast<std::int32_t>(FEntries[0]);
    const Extended e1 = FEntries[1], e2 = FEntries[2], e3 = FEntries[3], v = FEntries[4];
    try {
        switch (Prism_Base->currentIndex()) {
        case PrismTriangle:
            if (const auto* prism = ShowFigure<TPrism_Triangle>(
                    RejectAs(rsChyba_T, [=] { return TPrism_Triangle::Create(e1, e2, e3, v); }))) {
                const auto& lateral = prism->LateralSurface();
                SendSupplementaryValues({prism->Base().Area(), lateral.FaceA.Area(),
                                         lateral.FaceB.Area(), lateral.FaceC.Area(), lateral.Area});
            }
            break;
        case PrismCircularRing:
            if (const auto* prism = ShowFigure<TPrism_CircularRing>(
                    RejectAs(rsChyba_CR, [=] { return TPrism_CircularRing::Create(e2, e3, v); })))
                SendSupplementaryValues({prism->Base().Area(),
                                         prism->LateralSurface().OuterFace.Area(),
                                         prism->LateralSurface().InnerFace.Area()});
            break;
        case PrismNAngle:
            if (const auto* prism =
                    ShowFigure<TPrism_NAngle>([=] { return TPrism_NAngle::Create(n, e3, v); }))
                SendSupplementaryValues({prism->Base().Area(), prism->LateralSurface().Face.Area(),
                                         prism->LateralSurface().Area});
            break;
        default:
            break;
        }
    } catch (const TRejection& Rejection) {
        ShowResultState(Rejection.State);
    }
}

void TFormComputations::TruncatedCone_Calculate() {
    if (!ReadEntries(
            {Entry("TruncatedCone_R2"), Entry("TruncatedCone_R1"), Entry("TruncatedCone_V")}))
        return;
    const Extended r2 = FEntries[0], r1 = FEntries[1], v = FEntries[2];
    // Equal radii make a cylinder, not a truncated cone.
    if (r2 == r1) {
        ShowResultState(rsChyba_TC);
        return;
    }
    if (const auto* cone =
            ShowFigure<TTruncatedCone>([=] { return TTruncatedCone::Create(r2, r1, v); }))
        SendSupplementaryValues({cone->SlantHeight(), cone->Base1().Area(), cone->Base2().Area(),
                                 cone->LateralSurface().Area()});
}

void TFormComputations::TruncatedPyramid_Calculate() {
    if (!ReadEntries({Entry("TruncatedPyramid_N"), Entry("TruncatedPyramid_E1"),
                      Entry("TruncatedPyramid_E2"), Entry("TruncatedPyramid_E3"),
                      Entry("TruncatedPyramid_V"), TruncatedPyramid_Side}))
        return;
    const Extended v = FEntries[4];
    if (TruncatedPyramid_Base->currentIndex() == BaseRectangle) {
        // The lower base is similar to the upper one; E3 gives its chosen side.
        const Extended a2 = FEntries[1], b2 = FEntries[2], s = FEntries[3];
        Extended a1, b1;
        if (FEntries[5] == 0) {
            if (a2 == s) {
                ShowResultState(rsChyba_TPa);
                return;
            }
            a1 = s;
            b1 = s / a2 * b2;
        } else {
            if (b2 == s) {
                ShowResultState(rsChyba_TPb);
                return;
            }
            b1 = s;
            a1 = s / b2 * a2;
        }
        if (const auto* pyramid = ShowFigure<TTruncatedPyramid_Rectangle>(
                [=] { return TTruncatedPyramid_Rectangle::Create(a2, b2, a1, b1, v); })) {
            const auto& lateral = pyramid->LateralSurface();
            SendSupplementaryValues({lateral.FaceA.Height(), lateral.FaceB.Height(),
                                     pyramid->Base1().Area(), pyramid->Base2().Area(),
                                     lateral.FaceA.Area(), lateral.FaceB.Area(), lateral.Area});
        }
        return;
    }
    const auto n = static_cast<std::int32_t>(FEntries[0]);
    const Extended upper = FEntries[2], lower = FEntries[3];
    if (upper == lower) {
        ShowResultState(rsChyba_TPa);
        return;
    }
    if (const auto* pyramid = ShowFigure<TTruncatedPyramid_NAngle>(
            [=] { return TTruncatedPyramid_NAngle::Create(n, upper, lower, v); })) {
        const auto& lateral = pyramid->LateralSurface();
        SendSupplementaryValues({lateral.Face.Height(), pyramid->Base1().Area(),
                                 pyramid->Base2().Area(), lateral.Face.Area(), lateral.Area});
    }
}

void TFormComputations::CylindricalTank_Calculate() {
    if (!ReadEntries(
            {Entry("CylindricalTank_R"), Entry("CylindricalTank_H"), Entry("CylindricalTank_D")}))
        return;
    const Extended r = FEntries[0], h = FEntries[1], d = FEntries[2];
    try {
        if (const auto* tank = ShowFigure<TCylindricalTank>(
                RejectAs(rsChyba_C, [=] { return TCylindricalTank::Create(r, h, d); })))
            SendSupplementaryValues({tank->SideFace().Chord(), tank->SideFace().Area(),
                                     tank->LateralSurface().SurfaceAtLevel.Area(),
                                     tank->LateralSurface().Sleeve.Area(),
                                     tank->PercentageFilling()});
    } catch (const TRejection& Rejection) {
        ShowResultState(Rejection.State);
    }
}

void TFormComputations::SphericalSegment_Calculate() {
    if (!ReadEntries({Entry("SphericalSegment_R"), Entry("SphericalSegment_V")}))
        return;
    const Extended r = FEntries[0], v = FEntries[1];
    const bool radiusOfSegment = SphericalSegment_RadiusOfSegmentR->isChecked();
    try {
        const auto* segment = ShowFigure<TSphericalSegment>(RejectAs(rsChyba_V, [=] {
            return radiusOfSegment ? TSphericalSegment::Create(r, v)
                                   : TSphericalSegment::Create_RadiusOfSphere_Height(r, v);
        }));
        if (!segment)
            return;
        // The radius not given is the first value.
        const Extended otherRadius = radiusOfSegment ? segment->ParentSphere().Radius()
                                                     : segment->IntersectingSurface().Radius();
        SendSupplementaryValues({otherRadius, segment->AreaOfSphericalCap(),
                                 segment->IntersectingSurface().Area(),
                                 segment->PercentageFilling()});
    } catch (const TRejection& Rejection) {
        ShowResultState(Rejection.State);
    }
}

void TFormComputations::SphericalSector_Calculate() {
    if (!ReadEntries({Entry("SphericalSector_Ro"), Entry("SphericalSector_V")}))
        return;
    const Extended rho = FEntries[0], v = FEntries[1];
    const auto* sector =
        ShowFigure<TSphericalSector>([=] { return TSphericalSector::Create(rho, v); });
    if (!sector)
        return;
    const TSphericalSegment& segment = sector->SphericalSegment();
    // A hemisphere has no cone: the flat circle takes its place. Above a
    // hemisphere the cone is taken away, which the negative volume shows.
    Extended coneArea = rho * rho * Constants::Pi;
    Extended coneVolume = 0;
    if (const auto& cone = sector->Cone()) {
        coneArea = cone->LateralSurface().Area();
        coneVolume = v <= rho ? cone->Volume() : -cone->Volume();
    }
    SendSupplementaryValues({sector->ParentSphere().Radius(), segment.AreaOfSphericalCap(),
                             coneArea, segment.Volume(), coneVolume, sector->PercentageFilling()});
}

void TFormComputations::SphericalFrustum_Calculate() {
    if (!ReadEntries({Entry("SphericalFrustum_Ro2"), Entry("SphericalFrustum_Ro1"),
                      Entry("SphericalFrustum_V")}))
        return;
    const Extended rho2 = FEntries[0], rho1 = FEntries[1], v = FEntries[2];
    if (const auto* frustum =
            ShowFigure<TSphericalFrustum>([=] { return TSphericalFrustum::Create(rho2, rho1, v); }))
        SendSupplementaryValues({frustum->ParentSphere().Radius(), frustum->Base1().Area(),
                                 frustum->Base2().Area(), frustum->AreaOfSphericalZone(),
                                 frustum->PercentageFilling()});
}
