// A test HTTP server on 127.0.0.1 (never anything else): answers every request
// with one canned response, says nothing at all, or drops the connection at once.
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

class TLocalHttpServer {
public:
    enum class TMode { Answer, Silent, DropConnection };

    explicit TLocalHttpServer(QByteArray AResponse, TMode AMode = TMode::Answer,
                              int AAnswerDelay = 0)
        : FResponse(std::move(AResponse)), FMode(AMode), FAnswerDelay(AAnswerDelay) {
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] { Accept(); });
        FServer.listen(QHostAddress::LocalHost);
    }

    QString Address() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(FServer.serverPort());
    }
    // Request lines received, e.g. "GET /path HTTP/1.1".
    const QStringList& Requests() const { return FRequests; }
    // Whether the cursor was busy when each request arrived.
    const QList<bool>& BusyCursor() const { return FBusyCursor; }

private:
    void Accept() {
        while (QTcpSocket* socket = FServer.nextPendingConnection()) {
            if (FMode == TMode::DropConnection) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                FReceived[socket] += socket->readAll();
                const QByteArray& received = FReceived[socket];
                if (!received.contains("\r\n\r\n") || FAnswered.contains(socket))
                    return;
                FAnswered.insert(socket);
                FRequests << QString::fromLatin1(received.left(received.indexOf("\r\n")));
                const QCursor* cursor = QGuiApplication::overrideCursor();
                FBusyCursor << (cursor && cursor->shape() == Qt::WaitCursor);
                if (FMode == TMode::Silent)
                    return;
                QPointer<QTcpSocket> target(socket);
                QTimer::singleShot(FAnswerDelay, socket, [this, target] {
                    if (!target)
                        return;
                    target->write(FResponse);
                    target->disconnectFromHost();
                });
            });
        }
    }

    QTcpServer FServer;
    QByteArray FResponse;
    TMode FMode;
    int FAnswerDelay;
    QHash<QTcpSocket*, QByteArray> FReceived;
    QSet<QTcpSocket*> FAnswered;
    QStringList FRequests;
    QList<bool> FBusyCursor;
};

inline QByteArray HttpResponse(int AStatus, const QByteArray& ABody) {
    return "HTTP/1.1 " + QByteArray::number(AStatus) + " Status\r\n" +
           "Content-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(ABody.size()) + "\r\n\r\n" + ABody;
}
