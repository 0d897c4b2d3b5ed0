// The solids in TBounded: the 80-bit results with a bound on their distance
// from the exact results (Bounded.h), built in SolidFigures.cpp and
// TankLevels.cpp.
#pragma once

#include "Bounded.h"
#include "SolidFigures.h"
#include "TankLevels.h"

extern template class Figures::TSolidFigure<TBounded>;
extern template class Figures::TCube<TBounded>;
extern template class Figures::TBlock<TBounded>;
extern template class Figures::TSphere<TBounded>;
extern template class Figures::TPyramid<TBounded>;
extern template class Figures::TCone<TBounded>;
extern template class Figures::TPyramid_Tetrahedron<TBounded>;
extern template class Figures::TPyramid_Rectangle<TBounded>;
extern template class Figures::TPyramid_NAngle<TBounded>;
extern template class Figures::TPrism<TBounded>;
extern template class Figures::TCylinder<TBounded>;
extern template class Figures::TPrism_Triangle<TBounded>;
extern template class Figures::TPrism_NAngle<TBounded>;
extern template class Figures::TPrism_CircularRing<TBounded>;
extern template class Figures::TTruncatedPyramid<TBounded>;
extern template class Figures::TTruncatedCone<TBounded>;
extern template class Figures::TTruncatedPyramid_Rectangle<TBounded>;
extern template class Figures::TTruncatedPyramid_NAngle<TBounded>;
extern template class Figures::TCylindricalTank<TBounded>;
extern template class Figures::TSphericalSegment<TBounded>;
extern template class Figures::TSphericalSector<TBounded>;
extern template class Figures::TSphericalFrustum<TBounded>;

extern template TBounded Figures::TankFullVolume(const TBounded&, const TBounded&);
extern template TBounded Figures::TankVolumeAtLevel(const TBounded&, const TBounded&,
                                                    const TBounded&);
extern template TBounded Figures::TankPercentageAtLevel(const TBounded&, const TBounded&,
                                                        const TBounded&);
