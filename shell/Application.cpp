#include "Application.h"

#include "MessageBoxes.h"

#include <exception>

QString ErrorReportText(const QString& Message) {
    if (!Message.isEmpty() && Message.back().unicode() > u'.')
        return Message + QLatin1Char('.');
    return Message;
}

void ShowErrorReport(const QString& Message) {
    ShowErrorMessage(ErrorReportText(Message));
}

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& Error) {
        ShowErrorReport(QString::fromUtf8(Error.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unexpected error"));
    }
    // The event counts as handled: the action that failed does not go on elsewhere.
    return true;
}
