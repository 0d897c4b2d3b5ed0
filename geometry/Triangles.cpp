// The triangle classes, in Extended.
#include "TrianglesImpl.h"

template class Figures::TCustomTriangle<Extended>;
template class Figures::TTriangle<Extended>;
template class Figures::TIsoscelesTriangle<Extended>;
template class Figures::TEquilateralTriangle<Extended>;
