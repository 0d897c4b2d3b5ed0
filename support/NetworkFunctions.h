// The program's one network use: an HTTP GET whose answer comes back as lines of
// text (the about window's version check). The call returns when the exchange
// ends; whatever the server does, it ends within the limits of THttpLimits.
// Qt Network lives in a module loaded at the first request (HttpTransport.h).
#pragma once

#include "HttpTransport.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

enum class TCodePage; // LanguageSupport.h

// Lets the user stop a request that is under way (the about window's Escape and
// close box).
class THttpCancel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void Cancel();
    bool IsCancelled() const { return FCancelled; }

signals:
    void Cancelled();

private:
    bool FCancelled = false;
};

// Sends a GET for URL and waits for the exchange to end, with the cursor busy.
// Without ACancel user input is held back meanwhile; with it, user input goes on
// (modal windows still keep the rest of the program out of reach), so that the
// user can cancel.
//
// When the server answers within ALimits, whatever the HTTP status, Lines is
// replaced by the body split into lines and the result is true. CR LF, LF and CR
// each end a line; a final line break adds no empty line, an empty body gives no
// line. The body is decoded from UTF-8 or UTF-16 when it starts with a byte-order
// mark, from UTF-8 when it is valid UTF-8, else from the active language's Windows
// code page. When no answer comes (no connection, silence, the overall limit, a body
// too long, a redirect elsewhere or too many of them, or the user cancelled), Lines
// is left as it was and the result is false. Without the HTTP module no answer
// comes either.
bool HttpGetLines(const QString& URL, QStringList& Lines, const THttpLimits& ALimits = {},
                  THttpCancel* ACancel = nullptr);

// Text split into lines by the rules above.
QStringList SplitLines(const QString& AText);
// The lines of a response body by the rules above; ACodePage is the active
// language's Windows code page.
QStringList BodyLines(const QByteArray& ABody, TCodePage ACodePage);

// The HTTP module's file (ModuleLoading.h).
QString HttpModuleFileName();
