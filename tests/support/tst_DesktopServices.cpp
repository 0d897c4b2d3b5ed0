// Whether the desktop has a program for a kind of document, as the help button
// asks it.
#include "DesktopServices.h"

#include <QtTest>

class TestDesktopServices : public QObject {
    Q_OBJECT
private slots:
    void asksTheDesktop_data();
    void asksTheDesktop();
    void replacedCheckIsUsed();
};

// A stand-in xdg-mime on PATH answers as a desktop would: the desktop file of
// the default program, or nothing.
void TestDesktopServices::asksTheDesktop_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a program") << "[ \"$3\" = text/rtf ] && echo writer.desktop\nexit 0" << true;
    QTest::newRow("no program") << "exit 0" << false;
    QTest::newRow("blank answer") << "echo\nexit 0" << false;
    QTest::newRow("failing query") << "echo writer.desktop\nexit 4" << false;
    QTest::newRow("no xdg-mime") << "" << false;
}

void TestDesktopServices::asksTheDesktop() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QSKIP("Windows and macOS open the shipped documents themselves");
#else
    QFETCH(QString, script);
    QFETCH(bool, opens);
    QTemporaryDir bin;
    if (!script.isEmpty()) {
        QFile tool(bin.filePath(QStringLiteral("xdg-mime")));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        tool.close();
        QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([path] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(bin.path()));
    QCOMPARE(DesktopOpensFileType(QStringLiteral("text/rtf")), opens);
    QVERIFY(!DesktopOpensFileType(QStringLiteral("application/x-kavorin-none")));
#endif
}

void TestDesktopServices::replacedCheckIsUsed() {
    SetFileTypeCheck([](const QString& AMimeType) { return AMimeType == QLatin1String("a/b"); });
    const auto restore = qScopeGuard([] { SetFileTypeCheck({}); });
    QVERIFY(DesktopOpensFileType(QStringLiteral("a/b")));
    QVERIFY(!DesktopOpensFileType(QStringLiteral("text/rtf")));
}

QTEST_MAIN(TestDesktopServices)
#include "tst_DesktopServices.moc"
