// The program's one network use: a blocking HTTP GET whose answer comes back as
// lines of text (the about window's version check).
#pragma once

#include <QString>
#include <QStringList>

// How long a connection may stay silent before the request is given up, in milliseconds.
constexpr int HttpTransferTimeout = 90000;

// Sends a GET for URL and waits for the exchange to end. Meanwhile the cursor is busy
// and user input is held back (timers and network events still run).
//
// When the server answers, whatever the HTTP status, Lines is replaced by the body
// split into lines and the result is true. CR LF, LF and CR each end a line; a final
// line break adds no empty line, an empty body gives no line. The body is decoded from
// UTF-8 or UTF-16 when it starts with a byte-order mark, else from the system's 8-bit
// code page. When no answer comes (no connection, or ATransferTimeout milliseconds
// without data), Lines is left as it was and the result is false.
bool HttpGetLines(const QString& URL, QStringList& Lines,
                  int ATransferTimeout = HttpTransferTimeout);

// Text split into lines by the rules above.
QStringList SplitLines(const QString& AText);
