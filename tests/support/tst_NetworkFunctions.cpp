#include "LocalHttpServer.h"
#include "NetworkFunctions.h"

#include <QGuiApplication>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// A port on 127.0.0.1 where nothing listens.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

const QStringList Previous = {QStringLiteral("left"), QStringLiteral("from before")};

} // namespace

class TestNetworkFunctions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void splitLines_data();
    void splitLines();
    void answerGivesLines_data();
    void answerGivesLines();
    void requestIsPlainGetWithBusyCursor();
    void noAnswerLeavesLines_data();
    void noAnswerLeavesLines();
    void silenceShorterThanTimeoutWaits();
    void defaultLimits();
    void hostileServerGivesNoAnswer_data();
    void hostileServerGivesNoAnswer();
    void answerWithinLimits_data();
    void answerWithinLimits();
    void cancelEndsRequest_data();
    void cancelEndsRequest();
    void bodyWithoutMarkInCodePageOfLanguage();
};

void TestNetworkFunctions::initTestCase() {
    // Only the local test server is ever asked, never through a proxy.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestNetworkFunctions::splitLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line without break") << "OK" << QStringList{"OK"};
    QTest::newRow("final break adds no line") << "OK\r\n" << QStringList{"OK"};
    QTest::newRow("CR LF") << "OK\r\n1.3\r\n" << QStringList{"OK", "1.3"};
    QTest::newRow("LF") << "OK\n1.3" << QStringList{"OK", "1.3"};
    QTest::newRow("CR") << "OK\r1.3\r" << QStringList{"OK", "1.3"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty lines kept") << "a\r\n\r\n\nb" << QStringList{"a", "", "", "b"};
    QTest::newRow("lone break") << "\n" << QStringList{""};
    QTest::newRow("blanks kept") << " OK \n" << QStringList{" OK "};
}

void TestNetworkFunctions::splitLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(text), lines);
}

void TestNetworkFunctions::answerGivesLines_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("plain answer") << 200 << QByteArray("OK\r\n1.3\r\n") << QStringList{"OK", "1.3"};
    QTest::newRow("empty body replaces lines") << 200 << QByteArray() << QStringList();
    QTest::newRow("error page is an answer")
        << 404 << QByteArray("<html>\n<body>Not Found</body>\n</html>\n")
        << QStringList{"<html>", "<body>Not Found</body>", "</html>"};
    QTest::newRow("server error status")
        << 500 << QByteArray("ERROR\nDown") << QStringList{"ERROR", "Down"};
    QTest::newRow("UTF-8 with byte-order mark")
        << 200
        << QByteArray("\xEF\xBB\xBF"
                      "ERROR\r\nNezn\xC3\xA1m\xC3\xBD produkt")
        << QStringList{"ERROR", QStringLiteral("Neznámý produkt")};
    QTest::newRow("UTF-16 with byte-order mark") << 200
                                                 << QByteArray("\xFF\xFE"
                                                               "O\0K\0\n\0"
                                                               "2\0.\0"
                                                               "0\0",
                                                               14)
                                                 << QStringList{"OK", "2.0"};
}

void TestNetworkFunctions::answerGivesLines() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, lines);
    TLocalHttpServer server(HttpResponse(status, body));
    QStringList received = Previous;
    QVERIFY(HttpGetLines(server.Address() + QStringLiteral("/version"), received));
    QCOMPARE(received, lines);
}

void TestNetworkFunctions::requestIsPlainGetWithBusyCursor() {
    TLocalHttpServer server(HttpResponse(200, "OK\n1.2\n"));
    QStringList lines;
    QVERIFY(HttpGetLines(server.Address() + QStringLiteral("/external/product_version.php?pid=3"),
                         lines));
    QCOMPARE(server.Requests(),
             QStringList{QStringLiteral("GET /external/product_version.php?pid=3 HTTP/1.1")});
    QCOMPARE(server.BusyCursor(), QList<bool>{true});
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestNetworkFunctions::noAnswerLeavesLines_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("connection refused") << "refused";
    QTest::newRow("connection dropped before answering") << "dropped";
    QTest::newRow("server silent past the time-out") << "silent";
}

void TestNetworkFunctions::noAnswerLeavesLines() {
    QFETCH(QString, kind);
    std::unique_ptr<TLocalHttpServer> server;
    QString address = QStringLiteral("http://127.0.0.1:%1").arg(ClosedPort());
    if (kind != QLatin1String("refused")) {
        server = std::make_unique<TLocalHttpServer>(HttpResponse(200, "OK\n1.2\n"),
                                                    kind == QLatin1String("dropped")
                                                        ? TLocalHttpServer::TMode::DropConnection
                                                        : TLocalHttpServer::TMode::Silent);
        address = server->Address();
    }
    QStringList lines = Previous;
    THttpLimits limits;
    limits.TransferTimeout = 300;
    QVERIFY(!HttpGetLines(address + QStringLiteral("/version"), lines, limits));
    QCOMPARE(lines, Previous);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestNetworkFunctions::silenceShorterThanTimeoutWaits() {
    // The program waits a minute and a half for a slow server.
    QCOMPARE(HttpTransferTimeout, 90000);
    TLocalHttpServer server(HttpResponse(200, "OK\n1.3\n"), TLocalHttpServer::TMode::Answer, 400);
    QStringList lines;
    THttpLimits limits;
    limits.TransferTimeout = 5000;
    QVERIFY(HttpGetLines(server.Address() + QStringLiteral("/version"), lines, limits));
    QCOMPARE(lines, (QStringList{"OK", "1.3"}));
}

void TestNetworkFunctions::defaultLimits() {
    // Whatever the server does, the exchange ends within half a minute and a small
    // body, and only the host asked is ever reached.
    const THttpLimits limits;
    QCOMPARE(limits.TransferTimeout, 90000);
    QCOMPARE(limits.TotalTimeout, 30000);
    QCOMPARE(limits.MaxBodySize, qint64(64 * 1024));
    QCOMPARE(limits.MaxRedirects, 3);
}

namespace {

enum class THostile {
    Drip,
    EndlessBody,
    AnnouncedHugeBody,
    BodyOverLimit,
    OtherHost,
    RedirectLoop,
    OtherScheme
};

// A server that behaves as THostile says, on 127.0.0.1.
std::unique_ptr<TLocalHttpServer> HostileServer(THostile AKind) {
    using TMode = TLocalHttpServer::TMode;
    switch (AKind) {
    case THostile::Drip:
        // One byte every 20 ms: never silent, never done.
        return std::make_unique<TLocalHttpServer>(HttpEndlessHead(1000000), TMode::Drip, 20);
    case THostile::EndlessBody:
        return std::make_unique<TLocalHttpServer>(HttpEndlessHead(), TMode::Flood);
    case THostile::AnnouncedHugeBody:
        return std::make_unique<TLocalHttpServer>(HttpEndlessHead(200 * 1024 * 1024), TMode::Flood);
    case THostile::BodyOverLimit:
        return std::make_unique<TLocalHttpServer>(
            HttpResponse(200, "ERROR\n" + QByteArray(64 * 1024, 'x')));
    case THostile::OtherHost:
        return std::make_unique<TLocalHttpServer>([](const QString&) {
            return HttpRedirect("http://127.0.0.2:1/external/product_version.php?pid=3");
        });
    case THostile::RedirectLoop:
        return std::make_unique<TLocalHttpServer>(
            [](const QString& APath) { return HttpRedirect(APath.toLatin1()); });
    case THostile::OtherScheme:
        break;
    }
    return std::make_unique<TLocalHttpServer>(
        [](const QString&) { return HttpRedirect("file:///etc/passwd"); });
}

} // namespace

void TestNetworkFunctions::hostileServerGivesNoAnswer_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("requests"); // how many the server may see
    QTest::newRow("one byte at a time, past the overall limit") << int(THostile::Drip) << 1;
    QTest::newRow("a body without end") << int(THostile::EndlessBody) << 1;
    QTest::newRow("a body announced as 200 MB") << int(THostile::AnnouncedHugeBody) << 1;
    QTest::newRow("a body one byte too long") << int(THostile::BodyOverLimit) << 1;
    QTest::newRow("a redirect to another host") << int(THostile::OtherHost) << 1;
    QTest::newRow("a redirect to itself, again and again") << int(THostile::RedirectLoop) << 4;
    QTest::newRow("a redirect to a local file") << int(THostile::OtherScheme) << 1;
}

// Each ends as no answer: the lines stay, the cursor is restored, the server stops
// being read early and is asked no more than the limits allow.
void TestNetworkFunctions::hostileServerGivesNoAnswer() {
    QFETCH(int, kind);
    QFETCH(int, requests);
    const auto server = HostileServer(THostile(kind));
    THttpLimits limits;
    limits.TotalTimeout = 500;
    QStringList lines = Previous;
    QVERIFY(!HttpGetLines(server->Address() + QStringLiteral("/external/product_version.php?pid=3"),
                          lines, limits));
    QCOMPARE(lines, Previous);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(server->Requests().size(), requests);
    // The client hung up long before a flood could fill its memory.
    QVERIFY2(server->BytesSent() < 32 * 1024 * 1024,
             qPrintable(QString::number(server->BytesSent())));
    QTRY_VERIFY(server->AllClosed());
}

void TestNetworkFunctions::answerWithinLimits_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("requests");
    QTest::newRow("a body of exactly the limit")
        << "full" << QStringList{"ERROR", QString(64 * 1024 - 6, QLatin1Char('x'))} << 1;
    QTest::newRow("a slow answer within the overall limit")
        << "drip" << QStringList{"OK", "1.3"} << 1;
    QTest::newRow("a redirect on the same host") << "redirect" << QStringList{"OK", "1.4"} << 2;
    QTest::newRow("three redirects on the same host")
        << "three redirects" << QStringList{"OK", "1.5"} << 4;
}

void TestNetworkFunctions::answerWithinLimits() {
    QFETCH(QString, kind);
    QFETCH(QStringList, lines);
    QFETCH(int, requests);
    std::unique_ptr<TLocalHttpServer> server;
    if (kind == QLatin1String("full")) {
        server = std::make_unique<TLocalHttpServer>(
            HttpResponse(200, "ERROR\n" + QByteArray(64 * 1024 - 6, 'x')));
    } else if (kind == QLatin1String("drip")) {
        server = std::make_unique<TLocalHttpServer>(HttpResponse(200, "OK\n1.3"),
                                                    TLocalHttpServer::TMode::Drip, 2);
    } else if (kind == QLatin1String("redirect")) {
        server = std::make_unique<TLocalHttpServer>([](const QString& APath) {
            return APath == QLatin1String("/start") ? HttpRedirect("/version", 301)
                                                    : HttpResponse(200, "OK\n1.4");
        });
    } else {
        server = std::make_unique<TLocalHttpServer>([](const QString& APath) {
            const int step = APath.mid(1).toInt();
            return step < 3 ? HttpRedirect(QByteArray::number(step + 1), 307)
                            : HttpResponse(200, "OK\n1.5");
        });
    }
    const QString path =
        kind == QLatin1String("three redirects") ? QStringLiteral("/0") : QStringLiteral("/start");
    THttpLimits limits;
    limits.TotalTimeout = 5000;
    QStringList received = Previous;
    QVERIFY(HttpGetLines(server->Address() + path, received, limits));
    QCOMPARE(received, lines);
    QCOMPARE(server->Requests().size(), requests);
}

void TestNetworkFunctions::cancelEndsRequest_data() {
    QTest::addColumn<bool>("beforeStart");
    QTest::newRow("while waiting") << false;
    QTest::newRow("before the request") << true;
}

// A cancelled request gives no answer at once, however long the server would take.
void TestNetworkFunctions::cancelEndsRequest() {
    QFETCH(bool, beforeStart);
    TLocalHttpServer server(HttpResponse(200, "OK\n1.3\n"), TLocalHttpServer::TMode::Silent);
    THttpCancel cancel;
    if (beforeStart)
        cancel.Cancel();
    else
        QTimer::singleShot(50, &cancel, &THttpCancel::Cancel);
    QStringList lines = Previous;
    QVERIFY(!HttpGetLines(server.Address() + QStringLiteral("/version"), lines, THttpLimits(),
                          &cancel));
    QVERIFY(cancel.IsCancelled());
    QCOMPARE(lines, Previous);
    QCOMPARE(server.Requests().size(), beforeStart ? 0 : 1);
    QVERIFY(!QGuiApplication::overrideCursor());
}

// A body that is not UTF-8 is read in the Windows code page of the active language.
void TestNetworkFunctions::bodyWithoutMarkInCodePageOfLanguage() {
    TLocalHttpServer server(HttpResponse(200, "ERROR\nNezn\xE1m\xFD produkt \x9A\xEC"));
    QStringList lines;
    QVERIFY(HttpGetLines(server.Address() + QStringLiteral("/version"), lines));
    // Without a language: Windows-1252.
    QCOMPARE(lines.value(1), QStringLiteral("Nezn\u00E1m\u00FD produkt \u0161\u00EC"));
}

QTEST_MAIN(TestNetworkFunctions)
#include "tst_NetworkFunctions.moc"
