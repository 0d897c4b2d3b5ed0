#include "StringFunctions.h"

#include <QtTest>

class TestStringFunctions : public QObject {
    Q_OBJECT
private slots:
    void quoteFileName_data();
    void quoteFileName();
    void capitalizeFirstLetter_data();
    void capitalizeFirstLetter();
};

void TestStringFunctions::quoteFileName_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QStringLiteral("\"\"");
    QTest::newRow("lone quote") << QStringLiteral("\"") << QStringLiteral("\"\"");
    QTest::newRow("plain path") << QStringLiteral("C:\\Program Files\\Help_EN.rtf")
                                << QStringLiteral("\"C:\\Program Files\\Help_EN.rtf\"");
    QTest::newRow("opening quote only")
        << QStringLiteral("\"C:\\a b.rtf") << QStringLiteral("\"C:\\a b.rtf\"");
    QTest::newRow("closing quote only")
        << QStringLiteral("C:\\a b.rtf\"") << QStringLiteral("\"C:\\a b.rtf\"");
    QTest::newRow("already quoted") << QStringLiteral("\"/tmp/x\"") << QStringLiteral("\"/tmp/x\"");
    QTest::newRow("two quotes") << QStringLiteral("\"\"") << QStringLiteral("\"\"");
    QTest::newRow("one character") << QStringLiteral("a") << QStringLiteral("\"a\"");
}

void TestStringFunctions::quoteFileName() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(QuoteFileName(input), expected);
}

void TestStringFunctions::capitalizeFirstLetter_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("lower") << QStringLiteral("square") << QStringLiteral("Square");
    QTest::newRow("already upper") << QStringLiteral("Square") << QStringLiteral("Square");
    QTest::newRow("rest unchanged") << QStringLiteral("kRUH o") << QStringLiteral("KRUH o");
    QTest::newRow("digit") << QStringLiteral("3 sides") << QStringLiteral("3 sides");
    QTest::newRow("blank first") << QStringLiteral(" square") << QStringLiteral(" square");
    QTest::newRow("accented") << QStringLiteral("čtverec") << QStringLiteral("Čtverec");
    QTest::newRow("single letter") << QStringLiteral("x") << QStringLiteral("X");
    QTest::newRow("outside basic plane")
        << QString::fromUtf8("\xF0\x90\x90\xA8x") << QString::fromUtf8("\xF0\x90\x90\x80x");
}

void TestStringFunctions::capitalizeFirstLetter() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CapitalizeFirstLetter(input), expected);
}

QTEST_APPLESS_MAIN(TestStringFunctions)
#include "tst_StringFunctions.moc"
