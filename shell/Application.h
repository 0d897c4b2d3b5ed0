// The application object and the general error report: an error that escapes a
// user action (a button, menu item, key or timer handler) ends that action and is
// shown in an error box; the program goes on.
#pragma once

#include <QApplication>
#include <QString>

// The text the error report shows: Message followed by a full stop when it is not
// empty and its last character's code is above that of "." (a letter, digit, ":"
// or "?" gets one; ".", "!", ",", ")" or a blank does not).
QString ErrorReportText(const QString& Message);

// Shows Message in an error box with the full-stop rule above.
void ShowErrorReport(const QString& Message);

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& Argc, char** Argv);

    // Delivers the event; an exception thrown by its handler is reported here.
    bool notify(QObject* Receiver, QEvent* Event) override;
};
