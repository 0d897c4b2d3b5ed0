#include "DesktopServices.h"

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

void SetUrlOpener(TUrlOpener AOpener) {
    Opener() = std::move(AOpener);
}
