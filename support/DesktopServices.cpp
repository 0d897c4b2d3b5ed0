#include "DesktopServices.h"

#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QProcess>

namespace {
TUrlOpener& Opener() {
    static TUrlOpener opener;
    return opener;
}

TFileTypeCheck& FileTypeCheck() {
    static TFileTypeCheck check;
    return check;
}

bool AskDesktop(const QString& AMimeType) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Q_UNUSED(AMimeType);
    return true;
#else
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), AMimeType});
    // A desktop that does not answer within a few seconds is taken to have no
    // program: the help then opens in a form any desktop shows.
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}
} // namespace

bool OpenUrl(const QUrl& AUrl) {
    return Opener() ? Opener()(AUrl) : QDesktopServices::openUrl(AUrl);
}

bool OpenOrReport(const QUrl& AUrl, const QString& AMessage, const QString& AName) {
    if (OpenUrl(AUrl))
        return true;
    ShowErrorMessage(AMessage + QStringLiteral(":\r\n") + AName);
    return false;
}

void SetUrlOpener(TUrlOpener AOpener) {
    Opener() = std::move(AOpener);
}

bool DesktopOpensFileType(const QString& AMimeType) {
    return FileTypeCheck() ? FileTypeCheck()(AMimeType) : AskDesktop(AMimeType);
}

void SetFileTypeCheck(TFileTypeCheck ACheck) {
    FileTypeCheck() = std::move(ACheck);
}
