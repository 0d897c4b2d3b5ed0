// The solids, in Extended and in TBounded.
#include "BoundedFigures.h"
#include "SolidFiguresImpl.h"

template class Figures::TSolidFigure<Extended>;
template class Figures::TCube<Extended>;
template class Figures::TBlock<Extended>;
template class Figures::TSphere<Extended>;
template class Figures::TPyramid<Extended>;
template class Figures::TCone<Extended>;
template class Figures::TPyramid_Tetrahedron<Extended>;
template class Figures::TPyramid_Rectangle<Extended>;
template class Figures::TPyramid_NAngle<Extended>;
template class Figures::TPrism<Extended>;
template class Figures::TCylinder<Extended>;
template class Figures::TPrism_Triangle<Extended>;
template class Figures::TPrism_NAngle<Extended>;
template class Figures::TPrism_CircularRing<Extended>;
template class Figures::TTruncatedPyramid<Extended>;
template class Figures::TTruncatedCone<Extended>;
template class Figures::TTruncatedPyramid_Rectangle<Extended>;
template class Figures::TTruncatedPyramid_NAngle<Extended>;
template class Figures::TCylindricalTank<Extended>;
template class Figures::TSphericalSegment<Extended>;
template class Figures::TSphericalSector<Extended>;
template class Figures::TSphericalFrustum<Extended>;

template class Figures::TSolidFigure<TBounded>;
template class Figures::TCube<TBounded>;
template class Figures::TBlock<TBounded>;
template class Figures::TSphere<TBounded>;
template class Figures::TPyramid<TBounded>;
template class Figures::TCone<TBounded>;
template class Figures::TPyramid_Tetrahedron<TBounded>;
template class Figures::TPyramid_Rectangle<TBounded>;
template class Figures::TPyramid_NAngle<TBounded>;
template class Figures::TPrism<TBounded>;
template class Figures::TCylinder<TBounded>;
template class Figures::TPrism_Triangle<TBounded>;
template class Figures::TPrism_NAngle<TBounded>;
template class Figures::TPrism_CircularRing<TBounded>;
template class Figures::TTruncatedPyramid<TBounded>;
template class Figures::TTruncatedCone<TBounded>;
template class Figures::TTruncatedPyramid_Rectangle<TBounded>;
template class Figures::TTruncatedPyramid_NAngle<TBounded>;
template class Figures::TCylindricalTank<TBounded>;
template class Figures::TSphericalSegment<TBounded>;
template class Figures::TSphericalSector<TBounded>;
template class Figures::TSphericalFrustum<TBounded>;
