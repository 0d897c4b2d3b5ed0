// How each page builds its solid from the entries, written once for any number
// type: the program builds it in Extended from the entries' values, and the
// certification of the shown digits builds it again from the typed decimals
// (TBounded, TInterval; CertifiedResults.h).
//
// AValues are the entries' values in Extended: the counts and choices are read
// there, whatever the number type. AIn gives a length entry's number in the
// type T the figure is built in (AIn[enCone_R]); for the program AIn is AValues
// itself. AMaker turns what the page decides into its result:
//     AMaker.Make(ABuild, ARejection)  builds the figure ABuild() returns; a
//         refusal of the geometry model is ARejection (or "Input error");
//     AMaker.Refuse(AState)            a check of the page refuses the entries.
#pragma once

#include "ResultState.h"
#include "SolidFigures.h"
#include "SolidPages.h"

#include <cstdint>
#include <type_traits>

namespace SolidBuilds {

template <class TValues> std::int32_t CountOf(const TValues& AValues, TEntry AEntry) {
    return static_cast<std::int32_t>(AValues[AEntry]);
}

template <class TValues, class TIn, class TMaker>
auto Build(TVariant AVariant, const TValues& AValues, const TIn& AIn, TMaker& AMaker) {
    using T = std::decay_t<decltype(AIn[enCube_A])>;
    switch (VariantDesc(AVariant).Page) {
    case pgCube:
        return AMaker.Make([&] { return Figures::TCube<T>::Create(AIn[enCube_A]); });
    case pgBlock:
        return AMaker.Make([&] {
            return Figures::TBlock<T>::Create(AIn[enBlock_A], AIn[enBlock_B], AIn[enBlock_C]);
        });
    case pgSphere:
        return AMaker.Make([&] { return Figures::TSphere<T>::Create(AIn[enSphere_R]); });
    case pgCone:
        return AMaker.Make(
            [&] { return Figures::TCone<T>::Create(AIn[enCone_R], AIn[enCone_V]); });
    case pgCylinder:
        return AMaker.Make(
            [&] { return Figures::TCylinder<T>::Create(AIn[enCylinder_R], AIn[enCylinder_V]); });
    case pgPyramid:
        if (AVariant == vaPyramid_Tetrahedron)
            return AMaker.Make(
                [&] { return Figures::TPyramid_Tetrahedron<T>::Create(AIn[enPyramid_A]); });
        if (AVariant == vaPyramid_Rectangle)
            return AMaker.Make([&] {
                return Figures::TPyramid_Rectangle<T>::Create(AIn[enPyramid_A], AIn[enPyramid_B],
                                                              AIn[enPyramid_V]);
            });
        // The square and the equilateral triangle have their count fixed at 4 and 3.
        return AMaker.Make([&] {
            return Figures::TPyramid_NAngle<T>::Create(CountOf(AValues, enPyramid_N),
                                                       AIn[enPyramid_A], AIn[enPyramid_V]);
        });
    case pgPrism:
        if (AVariant == vaPrism_Triangle)
            return AMaker.Make(
                [&] {
                    return Figures::TPrism_Triangle<T>::Create(AIn[enPrism_E1], AIn[enPrism_E2],
                                                               AIn[enPrism_E3], AIn[enPrism_V]);
                },
                rsChyba_T);
        if (AVariant == vaPrism_CircularRing)
            return AMaker.Make(
                [&] {
                    return Figures::TPrism_CircularRing<T>::Create(AIn[enPrism_E2], AIn[enPrism_E3],
                                                                   AIn[enPrism_V]);
                },
                rsChyba_CR);
        return AMaker.Make([&] {
            return Figures::TPrism_NAngle<T>::Create(CountOf(AValues, enPrism_N), AIn[enPrism_E3],
                                                     AIn[enPrism_V]);
        });
    case pgTruncatedCone:
        // Equal radii make a cylinder, not a truncated cone.
        if (AIn[enTruncatedCone_R2] == AIn[enTruncatedCone_R1])
            return AMaker.Refuse(rsChyba_TC);
        return AMaker.Make([&] {
            return Figures::TTruncatedCone<T>::Create(AIn[enTruncatedCone_R2],
                                                      AIn[enTruncatedCone_R1],
                                                      AIn[enTruncatedCone_V]);
        });
    case pgTruncatedPyramid: {
        const T& height = AIn[enTruncatedPyramid_V];
        if (AVariant == vaTruncatedPyramid_Rectangle) {
            // The lower base is similar to the upper one; E3 gives its chosen side.
            const T& a2 = AIn[enTruncatedPyramid_E1];
            const T& b2 = AIn[enTruncatedPyramid_E2];
            const T& side = AIn[enTruncatedPyramid_E3];
            if (AValues[enTruncatedPyramid_Side] == 0) {
                if (a2 == side)
                    return AMaker.Refuse(rsChyba_TPa);
                return AMaker.Make([&] {
                    return Figures::TTruncatedPyramid_Rectangle<T>::Create(a2, b2, side,
                                                                           side / a2 * b2, height);
                });
            }
            if (b2 == side)
                return AMaker.Refuse(rsChyba_TPb);
            return AMaker.Make([&] {
                return Figures::TTruncatedPyramid_Rectangle<T>::Create(a2, b2, side / b2 * a2, side,
                                                                       height);
            });
        }
        const T& upper = AIn[enTruncatedPyramid_E2];
        const T& lower = AIn[enTruncatedPyramid_E3];
        if (upper == lower)
            return AMaker.Refuse(rsChyba_TPa);
        return AMaker.Make([&] {
            return Figures::TTruncatedPyramid_NAngle<T>::Create(
                CountOf(AValues, enTruncatedPyramid_N), upper, lower, height);
        });
    }
    case pgCylindricalTank:
        return AMaker.Make(
            [&] {
                return Figures::TCylindricalTank<T>::Create(
                    AIn[enCylindricalTank_R], AIn[enCylindricalTank_H], AIn[enCylindricalTank_D]);
            },
            rsChyba_C);
    case pgSphericalSegment:
        return AMaker.Make(
            [&] {
                const T& radius = AIn[enSphericalSegment_R];
                const T& height = AIn[enSphericalSegment_V];
                return AVariant == vaSphericalSegment_RadiusOfSegment
                           ? Figures::TSphericalSegment<T>::Create(radius, height)
                           : Figures::TSphericalSegment<T>::Create_RadiusOfSphere_Height(radius,
                                                                                         height);
            },
            rsChyba_V);
    case pgSphericalSector:
        return AMaker.Make([&] {
            return Figures::TSphericalSector<T>::Create(AIn[enSphericalSector_Ro],
                                                        AIn[enSphericalSector_V]);
        });
    case pgSphericalFrustum:
    default:
        return AMaker.Make([&] {
            return Figures::TSphericalFrustum<T>::Create(AIn[enSphericalFrustum_Ro2],
                                                         AIn[enSphericalFrustum_Ro1],
                                                         AIn[enSphericalFrustum_V]);
        });
    }
}

} // namespace SolidBuilds
