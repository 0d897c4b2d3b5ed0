#include "NetworkFunctions.h"

#include "LanguageSupport.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <memory>

void THttpCancel::Cancel() {
    if (FCancelled)
        return;
    FCancelled = true;
    emit Cancelled();
}

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

QStringList BodyLines(const QByteArray& ABody, TCodePage ACodePage) {
    return SplitLines(TLanguageFile::Decode(ABody, ACodePage));
}

namespace {

// A redirect may go on to the host that was asked, over HTTP or HTTPS, but never
// from HTTPS back to plain HTTP.
bool RedirectAllowed(const QUrl& AFrom, const QUrl& ATo) {
    const QString scheme = ATo.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    if (AFrom.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
        scheme != QLatin1String("https"))
        return false;
    return !ATo.host().isEmpty() && ATo.host().compare(AFrom.host(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool HttpGetLines(const QString& URL, QStringList& Lines, const THttpLimits& ALimits,
                  THttpCancel* ACancel) {
    if (ACancel && ACancel->IsCancelled())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    QNetworkAccessManager manager;
    manager.setTransferTimeout(ALimits.TransferTimeout);
    QEventLoop loop;
    // Set when the exchange is given up for a reason of our own (overall limit, body
    // too long, cancelled); the reply under way then ends as aborted.
    bool refused = false;
    QNetworkReply* reply = nullptr;
    const auto refuse = [&] {
        refused = true;
        if (reply)
            reply->abort();
        loop.quit();
    };
    QTimer overall;
    overall.setSingleShot(true);
    QObject::connect(&overall, &QTimer::timeout, &loop, refuse);
    overall.start(ALimits.TotalTimeout);
    if (ACancel)
        QObject::connect(ACancel, &THttpCancel::Cancelled, &loop, refuse);

    const QUrl origin(URL);
    QUrl url = origin;
    QByteArray body;
    for (int redirects = 0;; ++redirects) {
        // Redirects are followed here, one request each, so that every target is
        // checked before it is asked.
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> owner(manager.get(request));
        reply = owner.get();
        const auto forgetReply = qScopeGuard([&reply] { reply = nullptr; });
        // The reply reads no further ahead of us than the body may be long.
        reply->setReadBufferSize(ALimits.MaxBodySize + 1);
        body.clear();
        const auto readBody = [&] {
            body += reply->read(ALimits.MaxBodySize + 1 - body.size());
            if (body.size() > ALimits.MaxBodySize)
                refuse();
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
            // A body announced as too long is not waited for.
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > ALimits.MaxBodySize)
                refuse();
        });
        QObject::connect(reply, &QNetworkReply::readyRead, reply, readBody);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished() && !refused)
            loop.exec(ACancel ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        if (!refused && reply->bytesAvailable() > 0)
            readBody();
        if (refused)
            return false;

        // The server answered when there is a status code, an error page included; a
        // connection that broke or fell silent on the way gave no answer.
        const QNetworkReply::NetworkError error = reply->error();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if ((error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) ||
            !status.isValid())
            return false;
        const int code = status.toInt();
        // The location may be relative to the address asked.
        const QUrl location =
            QUrl::fromEncoded(reply->rawHeader(QByteArrayLiteral("Location")), QUrl::StrictMode);
        if (code < 300 || code > 399 || location.isEmpty() || !location.isValid())
            break;
        const QUrl target = url.resolved(location);
        if (redirects >= ALimits.MaxRedirects || !RedirectAllowed(origin, target))
            return false;
        url = target;
    }
    const TCodePage codePage =
        Languages ? CodePageOfLanguage(Languages->ActiveLanguage()) : TCodePage::Windows1252;
    Lines = BodyLines(body, codePage);
    return true;
}
