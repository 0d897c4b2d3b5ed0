#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Set by the build from the install folders (GNUInstallDirs).
#ifndef KAVORIN_DATA_FROM_BINDIR
#define KAVORIN_DATA_FROM_BINDIR "../share/kavorin"
#endif

namespace {
QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

QString WithSeparator(QString AFolder) {
    AFolder = QDir::fromNativeSeparators(AFolder);
    if (!AFolder.endsWith(QLatin1Char('/')))
        AFolder += QLatin1Char('/');
    return AFolder;
}
} // namespace

QString ProgramFolder() {
    return WithSeparator(OverriddenFolder().isEmpty() ? QCoreApplication::applicationDirPath()
                                                      : OverriddenFolder());
}

void SetProgramFolder(const QString& AFolder) {
    OverriddenFolder() = QDir::fromNativeSeparators(AFolder);
}

QString InstalledDataFolderFromExecutable() {
    return QStringLiteral(KAVORIN_DATA_FROM_BINDIR);
}

QString ProgramDataPath(const QString& AExecutableFolder, const QString& ARelative) {
    const QString executableFolder = WithSeparator(AExecutableFolder);
    const QString beside = executableFolder + ARelative;
    if (QFileInfo::exists(beside))
        return beside;
    const QString dataFolder =
        QDir::cleanPath(executableFolder + InstalledDataFolderFromExecutable());
    const QString installed = WithSeparator(dataFolder) + ARelative;
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

QString ProgramDataPath(const QString& ARelative) {
    return ProgramDataPath(ProgramFolder(), ARelative);
}
