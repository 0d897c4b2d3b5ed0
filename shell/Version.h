// The program's version and build time, as compiled in.
#pragma once

#include <QDateTime>
#include <QString>

namespace Version {
// "1.2.0.0"
QString Text();
// The moment the program was built (UTC).
QDateTime BuildTime();
} // namespace Version
