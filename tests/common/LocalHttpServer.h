// A test HTTP server on 127.0.0.1 (never anything else). It answers every request
// with one canned response (or one chosen by the request's path), says nothing at
// all, drops the connection at once, or behaves as a hostile server would: drips
// its answer a byte at a time, or floods the client with an endless body.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

class TLocalHttpServer {
public:
    enum class TMode {
        Answer,
        Silent,
        DropConnection,
        // The response one byte every AAnswerDelay milliseconds, then "x" bytes the
        // same way, for as long as the client listens.
        Drip,
        // The response, then "x" bytes as fast as the client takes them, until it
        // hangs up (or FloodLimit bytes have gone).
        Flood,
    };
    // The response to a request, chosen by its path ("/external/...?pid=3").
    using TResponder = std::function<QByteArray(const QString& APath)>;

    explicit TLocalHttpServer(QByteArray AResponse, TMode AMode = TMode::Answer,
                              int AAnswerDelay = 0)
        : FResponse(std::move(AResponse)), FMode(AMode), FAnswerDelay(AAnswerDelay) {
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] { Accept(); });
        FServer.listen(QHostAddress::LocalHost);
    }
    explicit TLocalHttpServer(TResponder AResponder) : TLocalHttpServer(QByteArray()) {
        FResponder = std::move(AResponder);
    }

    QString Address() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(FServer.serverPort());
    }
    quint16 Port() const { return FServer.serverPort(); }
    // Request lines received, e.g. "GET /path HTTP/1.1".
    const QStringList& Requests() const { return FRequests; }
    // Whether the cursor was busy when each request arrived.
    const QList<bool>& BusyCursor() const { return FBusyCursor; }
    // Bytes sent in all, and whether every client has hung up.
    qint64 BytesSent() const { return FBytesSent; }
    bool AllClosed() const { return FOpen.isEmpty(); }

    static constexpr qint64 FloodLimit = qint64(256) * 1024 * 1024;

private:
    void Accept() {
        while (QTcpSocket* socket = FServer.nextPendingConnection()) {
            if (FMode == TMode::DropConnection) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            FOpen.insert(socket);
            QObject::connect(socket, &QTcpSocket::disconnected, socket,
                             [this, socket] { FOpen.remove(socket); });
            QObject::connect(socket, &QObject::destroyed, [this, socket] { FOpen.remove(socket); });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                FReceived[socket] += socket->readAll();
                const QByteArray& received = FReceived[socket];
                if (!received.contains("\r\n\r\n") || FAnswered.contains(socket))
                    return;
                FAnswered.insert(socket);
                const QString requestLine =
                    QString::fromLatin1(received.left(received.indexOf("\r\n")));
                FRequests << requestLine;
                const QCursor* cursor = QGuiApplication::overrideCursor();
                FBusyCursor << (cursor && cursor->shape() == Qt::WaitCursor);
                if (FMode == TMode::Silent)
                    return;
                const QByteArray response =
                    FResponder ? FResponder(requestLine.section(QLatin1Char(' '), 1, 1))
                               : FResponse;
                QPointer<QTcpSocket> target(socket);
                if (FMode == TMode::Drip) {
                    Drip(target, response, 0);
                    return;
                }
                if (FMode == TMode::Flood) {
                    Send(target, response);
                    QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                                     [this, target] { Flood(target); });
                    Flood(target);
                    return;
                }
                QTimer::singleShot(FAnswerDelay, socket, [this, target, response] {
                    if (!target)
                        return;
                    Send(target, response);
                    target->disconnectFromHost();
                });
            });
        }
    }

    void Send(QTcpSocket* ASocket, const QByteArray& ABytes) {
        FBytesSent += ASocket->write(ABytes);
    }

    void Drip(QPointer<QTcpSocket> ASocket, QByteArray AResponse, qsizetype AIndex) {
        if (!ASocket || ASocket->state() != QAbstractSocket::ConnectedState)
            return;
        Send(ASocket, QByteArray(1, AIndex < AResponse.size() ? AResponse.at(AIndex) : 'x'));
        QTimer::singleShot(FAnswerDelay, ASocket, [this, ASocket, AResponse, AIndex] {
            Drip(ASocket, AResponse, AIndex + 1);
        });
    }

    void Flood(QPointer<QTcpSocket> ASocket) {
        static const QByteArray chunk(64 * 1024, 'x');
        if (!ASocket || ASocket->state() != QAbstractSocket::ConnectedState ||
            FBytesSent >= FloodLimit)
            return;
        // Keep a little in flight; the rest goes as the client reads.
        while (ASocket->bytesToWrite() < 4 * chunk.size() && FBytesSent < FloodLimit)
            Send(ASocket, chunk);
    }

    QByteArray FResponse;
    TMode FMode;
    int FAnswerDelay;
    TResponder FResponder;
    QHash<QTcpSocket*, QByteArray> FReceived;
    QSet<QTcpSocket*> FAnswered;
    QSet<QTcpSocket*> FOpen;
    QStringList FRequests;
    QList<bool> FBusyCursor;
    qint64 FBytesSent = 0;
    // Last, so that it and its sockets go first: their handlers use the members above.
    QTcpServer FServer;
};

inline QByteArray HttpResponse(int AStatus, const QByteArray& ABody) {
    return "HTTP/1.1 " + QByteArray::number(AStatus) + " Status\r\n" +
           "Content-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(ABody.size()) + "\r\n\r\n" + ABody;
}

// A redirect to ALocation (absolute or relative).
inline QByteArray HttpRedirect(const QByteArray& ALocation, int AStatus = 302) {
    return "HTTP/1.1 " + QByteArray::number(AStatus) + " Moved\r\nLocation: " + ALocation +
           "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

// The head of a response whose body never ends: with AContentLength it announces
// that many bytes, without it the body runs until the connection closes.
inline QByteArray HttpEndlessHead(qint64 AContentLength = -1) {
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n";
    if (AContentLength >= 0)
        head += "Content-Length: " + QByteArray::number(AContentLength) + "\r\n";
    return head + "\r\n";
}
