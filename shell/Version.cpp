#include "Version.h"

#include "BuildInfo.h"

namespace Version {

QString Text() {
    return QStringLiteral(KAVORIN_VERSION_TEXT);
}

QDateTime BuildTime() {
    return QDateTime::fromSecsSinceEpoch(KAVORIN_BUILD_EPOCH, Qt::UTC);
}

} // namespace Version
