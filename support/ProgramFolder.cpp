#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& OverriddenFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    QString folder =
        OverriddenFolder().isEmpty() ? QCoreApplication::applicationDirPath() : OverriddenFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SetProgramFolder(const QString& AFolder) {
    OverriddenFolder() = QDir::fromNativeSeparators(AFolder);
}
