// Opening documents and web addresses with the desktop's default handlers.
// Tests replace the opener, so that nothing is launched.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

using TUrlOpener = std::function<bool(const QUrl& AUrl)>;

// Opens a web address, a "mailto:" address or a local file (QUrl::fromLocalFile);
// false when the desktop could not (no program for the file type or the address).
bool OpenUrl(const QUrl& AUrl);
// Opens AUrl; when the desktop cannot, an error box says AMessage, ":", a line
// break and AName (the path or address as the user would type it), so that the
// user can open it by hand.
bool OpenOrReport(const QUrl& AUrl, const QString& AMessage, const QString& AName);
// Replaces the opener; an empty one restores the desktop's.
void SetUrlOpener(TUrlOpener AOpener);

// Whether the desktop has a program for files of a MIME type ("text/rtf").
using TFileTypeCheck = std::function<bool(const QString& AMimeType)>;

// On Windows and macOS the desktop is taken to open every document the program
// ships; elsewhere `xdg-mime query default` is asked (no answer, no program).
bool DesktopOpensFileType(const QString& AMimeType);
// Replaces the check (tests); an empty one restores the desktop's.
void SetFileTypeCheck(TFileTypeCheck ACheck);
