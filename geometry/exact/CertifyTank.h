// The horizontal cylindrical tank's level table and its levels for a volume or
// a filling, certified as CertifyFigure certifies a figure (Certify.h).
#pragma once

#include "Certify.h"

// The volume and the percentage at ALevel (a decimal: 0, a level strictly
// between 0 and 2R, or 2R itself, the full tank, which is told exactly).
// Values: volume, percentage.
TCertifiedFigure CertifyTankAtLevel(const TDecimalNumber& ARadius, const TDecimalNumber& ALength,
                                    const TDecimalNumber& ALevel, TShownForm AForm);

// The level at which the tank holds AVolume, and at which it is APercentage
// full: Values[0]. The 80-bit level is TankLevelForVolume's (and
// TankLevelForPercentage's); its text is certain when the volume (percentage)
// at the two ends of the range of levels that show that text lies on either
// side of the typed one, the volume rising with the level. Otherwise the root
// is taken anew at each precision by Newton's method and enclosed in the same
// way.
TCertifiedFigure CertifyTankLevelForVolume(const TDecimalNumber& ARadius,
                                           const TDecimalNumber& ALength,
                                           const TDecimalNumber& AVolume, TShownForm AForm);
TCertifiedFigure CertifyTankLevelForPercentage(const TDecimalNumber& ARadius,
                                               const TDecimalNumber& APercentage, TShownForm AForm);
