#include "LocalHttpServer.h"
#include "NetworkFunctions.h"

#include <QGuiApplication>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

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
    QVERIFY(!HttpGetLines(address + QStringLiteral("/version"), lines, 300));
    QCOMPARE(lines, Previous);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestNetworkFunctions::silenceShorterThanTimeoutWaits() {
    // The program waits a minute and a half for a slow server.
    QCOMPARE(HttpTransferTimeout, 90000);
    TLocalHttpServer server(HttpResponse(200, "OK\n1.3\n"), TLocalHttpServer::TMode::Answer, 400);
    QStringList lines;
    QVERIFY(HttpGetLines(server.Address() + QStringLiteral("/version"), lines, 5000));
    QCOMPARE(lines, (QStringList{"OK", "1.3"}));
}

QTEST_MAIN(TestNetworkFunctions)
#include "tst_NetworkFunctions.moc"
