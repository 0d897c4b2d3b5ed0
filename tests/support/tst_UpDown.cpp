#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

class TestUpDown : public QObject {
    Q_OBJECT
private slots:
    void writesPositionIntoEdit();
    void stopsAtItsBounds();
    void arrowKeysOfTheEdit();
    void stepsFromTheTypedNumber();
};

namespace {
struct TSpinner {
    QWidget Window;
    QLineEdit* Edit = new QLineEdit(&Window);
    TUpDown* UpDown = new TUpDown(&Window, QStringLiteral("UDTest"));
    TSpinner(int AMin, int AMax, int APosition) {
        Edit->setReadOnly(true);
        UpDown->SetMin(AMin);
        UpDown->SetMax(AMax);
        UpDown->SetPosition(APosition);
        UpDown->Associate(Edit);
        Edit->setGeometry(10, 10, 40, 21);
        UpDown->setGeometry(50, 10, 16, 21);
        Window.show();
        Edit->setFocus();
    }
};
} // namespace

void TestUpDown::writesPositionIntoEdit() {
    TSpinner spinner(0, 14000, 1234);
    // Plain digits: no thousands separator.
    QCOMPARE(spinner.Edit->text(), QStringLiteral("1234"));
    QSignalSpy changed(spinner.UpDown, &TUpDown::PositionChanged);
    QTest::mouseClick(spinner.UpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(spinner.UpDown->Position(), 1235);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("1235"));
    QTest::mouseClick(spinner.UpDown->DownButton(), Qt::LeftButton);
    QTest::mouseClick(spinner.UpDown->DownButton(), Qt::LeftButton);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("1233"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(spinner.UpDown->objectName(), QStringLiteral("UDTest"));
    // Its owner names it for screen readers; never by its objectName.
    QVERIFY(spinner.UpDown->accessibleName() != QStringLiteral("UDTest"));
}

void TestUpDown::stopsAtItsBounds() {
    TSpinner spinner(0, 14, 13);
    QTest::mouseClick(spinner.UpDown->UpButton(), Qt::LeftButton);
    QTest::mouseClick(spinner.UpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(spinner.UpDown->Position(), 14);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("14"));
    QVERIFY(!spinner.UpDown->UpButton()->isEnabled());

    spinner.UpDown->SetPosition(-3);
    QCOMPARE(spinner.UpDown->Position(), 0);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("0"));
    QTest::mouseClick(spinner.UpDown->DownButton(), Qt::LeftButton);
    QCOMPARE(spinner.UpDown->Position(), 0);
    QVERIFY(!spinner.UpDown->DownButton()->isEnabled());
    QVERIFY(spinner.UpDown->UpButton()->isEnabled());

    // A narrower range pulls the position in.
    spinner.UpDown->SetPosition(9);
    spinner.UpDown->SetMax(5);
    QCOMPARE(spinner.UpDown->Position(), 5);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("5"));
}

void TestUpDown::arrowKeysOfTheEdit() {
    TSpinner spinner(0, 14, 2);
    QTest::keyClick(spinner.Edit, Qt::Key_Up);
    QTest::keyClick(spinner.Edit, Qt::Key_Up);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("4"));
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(spinner.Edit, Qt::Key_Down);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("0"));
    // Arrow keys with modifiers keep their editing meaning.
    QTest::keyClick(spinner.Edit, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(spinner.UpDown->Position(), 0);
}

void TestUpDown::stepsFromTheTypedNumber() {
    TSpinner spinner(3, 9999, 3);
    spinner.Edit->setReadOnly(false);
    spinner.Edit->setText(QStringLiteral("57"));
    QTest::mouseClick(spinner.UpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("58"));
    // Cleared text keeps the last position; a number below the range counts as its bottom.
    spinner.Edit->clear();
    QTest::mouseClick(spinner.UpDown->DownButton(), Qt::LeftButton);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("57"));
    spinner.Edit->setText(QStringLiteral("2"));
    QVERIFY(!spinner.UpDown->DownButton()->isEnabled());
    QTest::mouseClick(spinner.UpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(spinner.Edit->text(), QStringLiteral("4"));
}

QTEST_MAIN(TestUpDown)
#include "tst_UpDown.moc"
