#include "Cancel.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestCancel : public QObject {
    Q_OBJECT
private slots:
    void frameLayout();
    void escapeClosesWindow_data();
    void escapeClosesWindow();
    void escapeRejectsDialog();
    void replacedHandlerRunsInstead();
    void enterClosesOnlyWhenDefault();
};

void TestCancel::frameLayout() {
    QWidget Window;
    auto* Frame = new TFrameCancel(&Window);
    QCOMPARE(Frame->size(), QSize(114, 25));
    QPushButton* Button = Window.findChild<QPushButton*>(QStringLiteral("CancelButton"));
    QVERIFY(Button);
    QCOMPARE(Button->geometry(), QRect(0, 0, 89, 25));
    QCOMPARE(Button->text(), QStringLiteral("CancelButton"));
    QCOMPARE(Button->focusPolicy(), Qt::NoFocus);
    Window.show();
    Frame->setFocusPolicy(Qt::StrongFocus);
    Frame->resize(120, 30);
    QCOMPARE(Frame->focusPolicy(), Qt::NoFocus);
}

void TestCancel::escapeClosesWindow_data() {
    QTest::addColumn<bool>("dialog");
    QTest::newRow("plain window") << false;
    QTest::newRow("dialog") << true;
}

void TestCancel::escapeClosesWindow() {
    QFETCH(bool, dialog);
    std::unique_ptr<QWidget> Window(dialog ? new QDialog : new QWidget);
    Window->resize(200, 100);
    auto* Edit = new QLineEdit(Window.get());
    auto* Frame = new TFrameCancel(Window.get());
    Frame->move(0, -150); // out of view, as the owners place it
    Window->show();
    QApplication::setActiveWindow(Window.get());
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    Edit->setFocus();
    QTest::keyClick(Edit, Qt::Key_Escape);
    QVERIFY(!Window->isVisible());
}

void TestCancel::escapeRejectsDialog() {
    QDialog Dialog;
    auto* Frame = new TFrameCancel(&Dialog);
    Frame->move(0, 100);
    auto* Ok = new QPushButton(QStringLiteral("OK"), &Dialog);
    QObject::connect(Ok, &QPushButton::clicked, &Dialog, &QDialog::accept);
    int Result = -1;
    QTimer::singleShot(0, &Dialog, [&] {
        QApplication::setActiveWindow(&Dialog);
        QTest::keyClick(&Dialog, Qt::Key_Escape);
    });
    QTimer::singleShot(2000, &Dialog, [&] { Dialog.done(99); }); // only if Escape failed
    Result = Dialog.exec();
    QCOMPARE(Result, int(QDialog::Rejected));
}

void TestCancel::replacedHandlerRunsInstead() {
    QWidget Window;
    auto* Frame = new TFrameCancel(&Window);
    int Calls = 0;
    Frame->SetClickHandler([&] { ++Calls; });
    Window.show();
    QApplication::setActiveWindow(&Window);
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QTest::keyClick(&Window, Qt::Key_Escape);
    QCOMPARE(Calls, 1);
    QVERIFY(Window.isVisible());
    Frame->SetClickHandler(nullptr);
    QTest::keyClick(&Window, Qt::Key_Escape);
    QVERIFY(!Window.isVisible());
}

void TestCancel::enterClosesOnlyWhenDefault() {
    QWidget Window;
    auto* Frame = new TFrameCancel(&Window);
    Window.show();
    QApplication::setActiveWindow(&Window);
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QTest::keyClick(&Window, Qt::Key_Return);
    QVERIFY(Window.isVisible());
    Frame->SetDefaultButton(true);
    QTest::keyClick(&Window, Qt::Key_Enter);
    QVERIFY(!Window.isVisible());
    Window.show();
    QApplication::setActiveWindow(&Window);
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QTest::keyClick(&Window, Qt::Key_Return);
    QVERIFY(!Window.isVisible());
}

QTEST_MAIN(TestCancel)
#include "tst_Cancel.moc"
