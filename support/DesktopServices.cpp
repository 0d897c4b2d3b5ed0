#include "DesktopServices.h"

#include "MessageBoxes.h"

#include <QDesktopServices>

namespace {
TUrlOpener& Opener() {
    static TUrlOpener opener;
    return opener;
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
