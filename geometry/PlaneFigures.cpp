// The plane figures other than triangles, in Extended.
#include "PlaneFiguresImpl.h"

template class Figures::TPlaneFigure<Extended>;
template class Figures::TCircle<Extended>;
template class Figures::TSquare<Extended>;
template class Figures::TRectangle<Extended>;
template class Figures::TTrapezoid<Extended>;
template class Figures::TIsoscelesTrapezoid<Extended>;
template class Figures::TNAngle<Extended>;
template class Figures::TSegmentOfCircle<Extended>;
template class Figures::TCircularRing<Extended>;
