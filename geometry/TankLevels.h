// Levels and volumes of a horizontal cylindrical tank over its whole height,
// the empty (level 0) and the full tank (level 2R) included: the volume held
// at a level, and the inverse, the level at which the tank holds a volume.
#pragma once

#include "MathFunctions.h"

// The volume of the full tank, pi R^2 L, as TCylinder gives it.
Extended TankFullVolume(Extended ARadius, Extended ALength);
// The volume of liquid at ALevel (0 <= ALevel <= 2R): the segment of the end
// wall times the length, exactly as TCylindricalTank computes it for a level
// strictly between 0 and 2R. Raises EInvalidInputSolidFigures
// ("TankVolumeAtLevel") for R <= 0, L <= 0 or a level outside [0, 2R].
Extended TankVolumeAtLevel(Extended ARadius, Extended ALength, Extended ALevel);
// The share of the full tank at ALevel, in percent (100 V / V full).
Extended TankPercentageAtLevel(Extended ARadius, Extended ALength, Extended ALevel);

// The level at which the tank holds AVolume (0 <= AVolume <= TankFullVolume):
// the root of the monotone level-to-volume relation, as the Extended value
// closest to it (unless the root lies within about 2^-120 of the middle between
// two). Raises EInvalidInputSolidFigures ("TankLevelForVolume") for R <= 0,
// L <= 0 or a volume outside [0, full].
Extended TankLevelForVolume(Extended ARadius, Extended ALength, Extended AVolume);
// The level at which the tank is APercentage (0..100) full, closest as above;
// it does not depend on the length. Raises EInvalidInputSolidFigures
// ("TankLevelForPercentage") for R <= 0 or a percentage outside [0, 100].
Extended TankLevelForPercentage(Extended ARadius, Extended APercentage);
