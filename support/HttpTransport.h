// What the program and its HTTP module share. Qt Network (with the libraries it
// brings: Kerberos, GSSAPI, proxy discovery) is loaded with the module when the
// first request is made, not at start-up: only NetworkFunctions.cpp loads it, and
// the module sees nothing of the program but this header.
#pragma once

#include <QByteArray>
#include <QtPlugin>
#include <memory>

class QUrl;

// How long a connection may stay silent before the request is given up, in milliseconds.
constexpr int HttpTransferTimeout = 90000;

// What a server may cost the program. A server that goes past any of them has given
// no answer.
struct THttpLimits {
    // Milliseconds without data.
    int TransferTimeout = HttpTransferTimeout;
    // Milliseconds for the whole exchange, however the data trickles in.
    int TotalTimeout = 30000;
    // Bytes of the body; a longer body is not read on.
    qint64 MaxBodySize = 64 * 1024;
    // Redirects followed, each only to the host asked first.
    int MaxRedirects = 3;
};

// One GET, run by the module.
class THttpExchange {
public:
    virtual ~THttpExchange() = default;
    // Asks AUrl and returns when the exchange ends. True, with the body in ABody,
    // when the server answered within ALimits, whatever the HTTP status; false when
    // no answer came (see HttpGetLines) or Abort() was called meanwhile. With
    // AUserInput the user's input is handled while waiting, else held back.
    virtual bool Get(const QUrl& AUrl, const THttpLimits& ALimits, bool AUserInput,
                     QByteArray& ABody) = 0;
    // Gives up the exchange under way (called from an event handled while Get() waits).
    virtual void Abort() = 0;
};

// The module's one object.
class THttpTransport {
public:
    virtual ~THttpTransport() = default;
    virtual std::unique_ptr<THttpExchange> NewExchange() const = 0;
};

#define KAVORIN_HTTP_TRANSPORT_IID "com.ternwick.Kavorin.HttpTransport/1"
Q_DECLARE_INTERFACE(THttpTransport, KAVORIN_HTTP_TRANSPORT_IID)
