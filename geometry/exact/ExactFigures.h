// The solids in TInterval: enclosures of the exact results of the typed
// numbers at a precision chosen at run time (Interval.h), built in
// ExactFigures.cpp.
#pragma once

#include "Interval.h"
#include "SolidFigures.h"
#include "TankLevels.h"

extern template class Figures::TSolidFigure<TInterval>;
extern template class Figures::TCube<TInterval>;
extern template class Figures::TBlock<TInterval>;
extern template class Figures::TSphere<TInterval>;
extern template class Figures::TPyramid<TInterval>;
extern template class Figures::TCone<TInterval>;
extern template class Figures::TPyramid_Tetrahedron<TInterval>;
extern template class Figures::TPyramid_Rectangle<TInterval>;
extern template class Figures::TPyramid_NAngle<TInterval>;
extern template class Figures::TPrism<TInterval>;
extern template class Figures::TCylinder<TInterval>;
extern template class Figures::TPrism_Triangle<TInterval>;
extern template class Figures::TPrism_NAngle<TInterval>;
extern template class Figures::TPrism_CircularRing<TInterval>;
extern template class Figures::TTruncatedPyramid<TInterval>;
extern template class Figures::TTruncatedCone<TInterval>;
extern template class Figures::TTruncatedPyramid_Rectangle<TInterval>;
extern template class Figures::TTruncatedPyramid_NAngle<TInterval>;
extern template class Figures::TCylindricalTank<TInterval>;
extern template class Figures::TSphericalSegment<TInterval>;
extern template class Figures::TSphericalSector<TInterval>;
extern template class Figures::TSphericalFrustum<TInterval>;

extern template TInterval Figures::TankFullVolume(const TInterval&, const TInterval&);
extern template TInterval Figures::TankVolumeAtLevel(const TInterval&, const TInterval&,
                                                     const TInterval&);
extern template TInterval Figures::TankPercentageAtLevel(const TInterval&, const TInterval&,
                                                         const TInterval&);
