// The HTTP module: Qt Network's part of HttpGetLines, loaded when the first
// request is made (NetworkFunctions.cpp). It sees nothing of the program but
// HttpTransport.h, so that it needs no symbol of the executable.
#include "HttpTransport.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <memory>

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

class TNetworkExchange : public THttpExchange {
public:
    bool Get(const QUrl& AUrl, const THttpLimits& ALimits, bool AUserInput,
             QByteArray& ABody) override;
    void Abort() override { Refuse(); }

private:
    // Gives the exchange up for a reason of our own (overall limit, body too long,
    // cancelled); the reply under way then ends as aborted.
    void Refuse() {
        FRefused = true;
        if (FReply)
            FReply->abort();
        if (FLoop)
            FLoop->quit();
    }

    bool FRefused = false;
    QNetworkReply* FReply = nullptr;
    QEventLoop* FLoop = nullptr;
};

bool TNetworkExchange::Get(const QUrl& AUrl, const THttpLimits& ALimits, bool AUserInput,
                           QByteArray& ABody) {
    if (FRefused)
        return false;
    QNetworkAccessManager manager;
    manager.setTransferTimeout(ALimits.TransferTimeout);
    QEventLoop loop;
    FLoop = &loop;
    const auto forgetLoop = qScopeGuard([this] { FLoop = nullptr; });
    QTimer overall;
    overall.setSingleShot(true);
    QObject::connect(&overall, &QTimer::timeout, &loop, [this] { Refuse(); });
    overall.start(ALimits.TotalTimeout);

    QUrl url = AUrl;
    QByteArray body;
    for (int redirects = 0;; ++redirects) {
        // Redirects are followed here, one request each, so that every target is
        // checked before it is asked.
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> owner(manager.get(request));
        FReply = owner.get();
        QNetworkReply* const reply = FReply;
        const auto forgetReply = qScopeGuard([this] { FReply = nullptr; });
        // The reply reads no further ahead of us than the body may be long.
        reply->setReadBufferSize(ALimits.MaxBodySize + 1);
        body.clear();
        const auto readBody = [&] {
            body += reply->read(ALimits.MaxBodySize + 1 - body.size());
            if (body.size() > ALimits.MaxBodySize)
                Refuse();
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
            // A body announced as too long is not waited for.
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > ALimits.MaxBodySize)
                Refuse();
        });
        QObject::connect(reply, &QNetworkReply::readyRead, reply, readBody);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished() && !FRefused)
            loop.exec(AUserInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        if (!FRefused && reply->bytesAvailable() > 0)
            readBody();
        if (FRefused)
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
        if (redirects >= ALimits.MaxRedirects || !RedirectAllowed(AUrl, target))
            return false;
        url = target;
    }
    ABody = body;
    return true;
}

} // namespace

class THttpTransportModule : public QObject, public THttpTransport {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KAVORIN_HTTP_TRANSPORT_IID)
    Q_INTERFACES(THttpTransport)
public:
    std::unique_ptr<THttpExchange> NewExchange() const override {
        return std::make_unique<TNetworkExchange>();
    }
};

#include "HttpModule.moc"
