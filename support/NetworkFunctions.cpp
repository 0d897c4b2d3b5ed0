#include "NetworkFunctions.h"

#include "LanguageSupport.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPluginLoader>
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

// Set by the build: the module's file name, and its installed folder as seen from
// the executable's.
#ifndef KAVORIN_HTTP_MODULE
#define KAVORIN_HTTP_MODULE "libkavorin_http.so"
#endif
#ifndef KAVORIN_MODULES_FROM_BINDIR
#define KAVORIN_MODULES_FROM_BINDIR "../lib/kavorin"
#endif

QString HttpModuleFileName() {
    return QStringLiteral(KAVORIN_HTTP_MODULE);
}

namespace {

// The module, loaded once; null (with a warning) when it cannot be.
const THttpTransport* Transport() {
    static const THttpTransport* const transport = []() -> const THttpTransport* {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        QStringList folders{executableFolder,
                            QDir(executableFolder).filePath(KAVORIN_MODULES_FROM_BINDIR)};
        folders += QCoreApplication::libraryPaths();
        QString errors;
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(HttpModuleFileName());
            if (!QFileInfo::exists(path))
                continue;
            // Never unloaded: exchanges made by it may outlive any one caller.
            QPluginLoader loader(path);
            if (auto* found = qobject_cast<THttpTransport*>(loader.instance()))
                return found;
            errors += QLatin1Char(' ') + loader.errorString();
        }
        qWarning("Kavorin: the HTTP module %s cannot be loaded.%s",
                 qPrintable(HttpModuleFileName()), qPrintable(errors));
        return nullptr;
    }();
    return transport;
}

} // namespace

bool HttpGetLines(const QString& URL, QStringList& Lines, const THttpLimits& ALimits,
                  THttpCancel* ACancel) {
    if (ACancel && ACancel->IsCancelled())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const THttpTransport* transport = Transport();
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
