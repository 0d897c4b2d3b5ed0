#include "NetworkFunctions.h"

#include "LanguageSupport.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QUrl>

QStringList SplitLines(const QString& AText) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = AText.size();
    while (start < length) {
        qsizetype end = start;
        while (end < length && AText[end] != QLatin1Char('\r') && AText[end] != QLatin1Char('\n'))
            ++end;
        lines.append(AText.mid(start, end - start));
        if (end < length && AText[end] == QLatin1Char('\r') && end + 1 < length &&
            AText[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return lines;
}

bool HttpGetLines(const QString& URL, QStringList& Lines, int ATransferTimeout) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    QNetworkAccessManager manager;
    manager.setTransferTimeout(ATransferTimeout);
    QNetworkRequest request{QUrl(URL)};
    QNetworkReply* reply = manager.get(request);
    const auto deleteReply = qScopeGuard([reply] { delete reply; });

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    // The server answered when there is a status code, an error page included; a
    // connection that broke or fell silent on the way gave no answer.
    const QNetworkReply::NetworkError error = reply->error();
    const bool transportFailed =
        error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
    if (transportFailed || !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return false;
    Lines = SplitLines(TLanguageFile::Decode(reply->readAll()));
    return true;
}
