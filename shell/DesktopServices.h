// Opening documents and web addresses with the desktop's default handlers.
// Tests replace the opener, so that nothing is launched.
#pragma once

#include <QUrl>
#include <functional>

using TUrlOpener = std::function<bool(const QUrl& AUrl)>;

// Opens a web address, a "mailto:" address or a local file (QUrl::fromLocalFile).
bool OpenUrl(const QUrl& AUrl);
// Replaces the opener; an empty one restores the desktop's.
void SetUrlOpener(TUrlOpener AOpener);
