// Linked into every test, benchmark and tool of the Qt layers: their executables do
// not lie beside the program's modules (support/ModuleLoading.h), so the build
// folder that holds them becomes one of Qt's library paths as soon as the
// application object exists.
#include <QCoreApplication>

namespace {
void AddModuleFolder() {
    QCoreApplication::addLibraryPath(QStringLiteral(KAVORIN_MODULE_DIR));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(AddModuleFolder)
