// Reading numbers typed or pasted by the user, in 80-bit precision, with the
// decimal separator of the user's regional settings.
#pragma once

#include "MathFunctions.h"

#include <QChar>
#include <QString>

// The decimal separator of the regional settings in force (one character),
// as the application installs it into the geometry library at start-up: the
// one that numbers are typed and shown with.
QChar LocaleDecimalSeparator();
// The separator of the system's regional settings, read now.
char SystemDecimalSeparator();

// Accepts an optional sign, digits with at most one decimal separator
// (digits may be missing on one side of it, not on both) and an optional
// exponent ("E" or "e", optional sign, digits); blanks around the number are
// ignored. A number too large for Extended is refused. On success stores the
// number in AValue and returns true; otherwise leaves AValue unchanged.
bool TryTextToExtended(const QString& AText, Extended& AValue, QChar ASeparator);
bool TryTextToExtended(const QString& AText, Extended& AValue);

// Accepts an optional sign and digits only.
bool TryTextToInteger(const QString& AText, long long& AValue);
