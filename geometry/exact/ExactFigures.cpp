// The solids and the tank's volumes in TInterval.
#include "ExactFigures.h"
#include "SolidFiguresImpl.h"
#include "TankLevelsImpl.h"

template class Figures::TSolidFigure<TInterval>;
template class Figures::TCube<TInterval>;
template class Figures::TBlock<TInterval>;
template class Figures::TSphere<TInterval>;
template class Figures::TPyramid<TInterval>;
template class Figures::TCone<TInterval>;
template class Figures::TPyramid_Tetrahedron<TInterval>;
template class Figures::TPyramid_Rectangle<TInterval>;
template class Figures::TPyramid_NAngle<TInterval>;
template class Figures::TPrism<TInterval>;
template class Figures::TCylinder<TInterval>;
template class Figures::TPrism_Triangle<TInterval>;
template class Figures::TPrism_NAngle<TInterval>;
template class Figures::TPrism_CircularRing<TInterval>;
template class Figures::TTruncatedPyramid<TInterval>;
template class Figures::TTruncatedCone<TInterval>;
template class Figures::TTruncatedPyramid_Rectangle<TInterval>;
template class Figures::TTruncatedPyramid_NAngle<TInterval>;
template class Figures::TCylindricalTank<TInterval>;
template class Figures::TSphericalSegment<TInterval>;
template class Figures::TSphericalSector<TInterval>;
template class Figures::TSphericalFrustum<TInterval>;

template TInterval Figures::TankFullVolume(const TInterval&, const TInterval&);
template TInterval Figures::TankVolumeAtLevel(const TInterval&, const TInterval&, const TInterval&);
template TInterval Figures::TankPercentageAtLevel(const TInterval&, const TInterval&,
                                                  const TInterval&);
