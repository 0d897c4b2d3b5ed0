#include "MathFunctions.h"
