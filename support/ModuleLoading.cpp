#include "ModuleLoading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>

// Set by the build from the install folders (GNUInstallDirs).
#ifndef KAVORIN_MODULES_FROM_BINDIR
#define KAVORIN_MODULES_FROM_BINDIR "../lib/kavorin"
#endif

QObject* LoadModule(const QString& AFileName) {
    static QHash<QString, QObject*> loaded;
    const auto known = loaded.constFind(AFileName);
    if (known != loaded.cend())
        return *known;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    QStringList folders{
        executableFolder,
        QDir(executableFolder).filePath(QStringLiteral(KAVORIN_MODULES_FROM_BINDIR))};
    folders += QCoreApplication::libraryPaths();
    QObject* module = nullptr;
    QString errors;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(AFileName);
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: what the module made may outlive any one caller.
        QPluginLoader loader(path);
        module = loader.instance();
        if (module)
            break;
        errors += QLatin1Char(' ') + loader.errorString();
    }
    if (!module)
        qWarning("Kavorin: the module %s cannot be loaded.%s", qPrintable(AFileName),
                 qPrintable(errors.isEmpty() ? QStringLiteral(" It is not installed.") : errors));
    loaded.insert(AFileName, module);
    return module;
}
