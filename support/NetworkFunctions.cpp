#include "NetworkFunctions.h"

#include "LanguageSupport.h"
#include "ModuleLoading.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScopeGuard>
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

// Set by the build: the module's file name.
#ifndef KAVORIN_HTTP_MODULE
#define KAVORIN_HTTP_MODULE "libkavorin_http.so"
#endif

QString HttpModuleFileName() {
    return QStringLiteral(KAVORIN_HTTP_MODULE);
}

bool HttpGetLines(const QString& URL, QStringList& Lines, const THttpLimits& ALimits,
                  THttpCancel* ACancel) {
    if (ACancel && ACancel->IsCancelled())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const THttpTransport* transport = Module<THttpTransport>(HttpModuleFileName());
    if (!transport)
        return false;
    const std::unique_ptr<THttpExchange> exchange = transport->NewExchange();
    QByteArray body;
    {
        // Connected while the exchange runs, no longer.
        QObject scope;
        if (ACancel)
            QObject::connect(ACancel, &THttpCancel::Cancelled, &scope,
                             [&exchange] { exchange->Abort(); });
        if (!exchange->Get(QUrl(URL), ALimits, ACancel != nullptr, body))
            return false;
    }
    const TCodePage codePage =
        Languages ? CodePageOfLanguage(Languages->ActiveLanguage()) : TCodePage::Windows1252;
    Lines = BodyLines(body, codePage);
    return true;
}
