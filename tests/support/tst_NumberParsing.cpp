#include "NumberParsing.h"

#include <QtTest>

class TestNumberParsing : public QObject {
    Q_OBJECT
private slots:
    void extended_data();
    void extended();
    void keepsExtendedPrecision();
    void integer_data();
    void integer();
};

void TestNumberParsing::extended_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    const QChar point('.'), comma(',');
    QTest::newRow("integer") << "125" << point << true << 125.0;
    QTest::newRow("fraction with point") << "12.5" << point << true << 12.5;
    QTest::newRow("fraction with comma") << "12,5" << comma << true << 12.5;
    QTest::newRow("foreign separator") << "12.5" << comma << false << 0.0;
    QTest::newRow("separator typed last") << "5." << point << true << 5.0;
    QTest::newRow("separator typed first") << ".5" << point << true << 0.5;
    QTest::newRow("zero and separator") << "0," << comma << true << 0.0;
    QTest::newRow("separator alone") << "." << point << false << 0.0;
    QTest::newRow("exponent") << "1E3" << point << true << 1000.0;
    QTest::newRow("negative exponent") << "2,5e-2" << comma << true << 0.025;
    QTest::newRow("exponent without digits") << "1E" << point << false << 0.0;
    QTest::newRow("minus") << "-1" << point << true << -1.0;
    QTest::newRow("blanks around") << " 7 " << point << true << 7.0;
    QTest::newRow("word") << "abc" << point << false << 0.0;
    QTest::newRow("two separators") << "1.2.3" << point << false << 0.0;
    QTest::newRow("empty") << "" << point << false << 0.0;
    QTest::newRow("asterisk") << "*5" << point << false << 0.0;
    QTest::newRow("overflow") << "1E5000" << point << false << 0.0;
}

void TestNumberParsing::extended() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    Extended parsed = -42;
    QCOMPARE(TryTextToExtended(text, parsed, separator), accepted);
    if (accepted)
        QCOMPARE(double(parsed), value);
    else
        QCOMPARE(double(parsed), -42.0);
}

void TestNumberParsing::keepsExtendedPrecision() {
    Extended parsed = 0;
    QVERIFY(TryTextToExtended(QStringLiteral("0.1"), parsed, QChar('.')));
    QVERIFY(parsed == 0.1L); // not the double nearest to 0.1
}

void TestNumberParsing::integer_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("digits") << "12" << true << 12LL;
    QTest::newRow("fraction") << "1.5" << false << 0LL;
    QTest::newRow("empty") << "" << false << 0LL;
    QTest::newRow("sign alone") << "-" << false << 0LL;
    QTest::newRow("too long") << "99999999999999999999" << false << 0LL;
}

void TestNumberParsing::integer() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(qlonglong, value);
    long long parsed = -1;
    QCOMPARE(TryTextToInteger(text, parsed), accepted);
    if (accepted)
        QCOMPARE(parsed, value);
}

QTEST_APPLESS_MAIN(TestNumberParsing)
#include "tst_NumberParsing.moc"
