// What the geometry tests share: Extended in Qt Test tables, a tolerance for
// derived quantities, and a readable form of a value for failure messages.
#pragma once

#include "MathFunctions.h"

#include <QMetaType>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(Extended)
Q_DECLARE_METATYPE(std::vector<Extended>)

namespace GeometryTest {

// Derived quantities are compared to this tolerance, relative to values above 1
// and absolute below; given quantities are compared exactly.
constexpr Extended Tolerance = 1e-15L;

inline bool Near(Extended Actual, Extended Expected) {
    return std::fabs(Actual - Expected) <= Tolerance * std::max<Extended>(1, std::fabs(Expected));
}

inline QString Text(Extended AValue) {
    return QString::number(double(AValue), 'g', 17);
}

} // namespace GeometryTest
