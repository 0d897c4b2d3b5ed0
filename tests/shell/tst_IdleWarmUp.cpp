// The idle warm-up runs its steps one per pass of the event loop, in order, stops
// when the program quits or another window opens first, and changes nothing that is
// drawn: a window opened after it looks as one opened without it.
#include "AppTestEnvironment.h"
#include "Application.h"
#include "IdleWarmUp.h"
#include "MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

class TestIdleWarmUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsRunOnePerPassInOrder();
    void stopsWhenSomethingComesFirst_data();
    void stopsWhenSomethingComesFirst();
    void windowsLookTheSameAfterWarmUp_data();
    void windowsLookTheSameAfterWarmUp();

private:
    GuiTest::TAppTestEnvironment Environment;
};

namespace {

// Lets the warm-up run until it stops (five seconds at most).
void RunOut(const TIdleWarmUp& AWarmUp) {
    QElapsedTimer limit;
    limit.start();
    while (AWarmUp.Running() && limit.elapsed() < 5000)
        QCoreApplication::processEvents();
}

// Clicks AButton; once the window it opens is shown, done sliding, and what its showing
// posted has been handled, grabs every visible window but AMain, then closes it with Escape.
QList<QImage> OpenAndGrab(QWidget* AMain, QAbstractButton* AButton) {
    QList<QImage> grabs;
    bool settled = false;
    int waited = 0;
    QTimer grabber;
    grabber.setInterval(5);
    QObject::connect(&grabber, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        // A computation window slides its draft panel open: the grab waits for its end.
        const auto* draft = modal->findChild<QAbstractButton*>(QStringLiteral("BDraft"));
        if (draft && !draft->isEnabled() && ++waited < 500)
            return;
        if (!settled) {
            settled = true;
            return;
        }
        grabber.stop();
        QWidgetList windows = QApplication::topLevelWidgets();
        std::stable_sort(windows.begin(), windows.end(), [](const QWidget* A, const QWidget* B) {
            return A->objectName() < B->objectName();
        });
        for (QWidget* window : windows)
            if (window != AMain && window->isVisible())
                grabs.append(window->grab().toImage());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    grabber.start();
    AButton->click();
    return grabs;
}

} // namespace

void TestIdleWarmUp::initTestCase() {
    QApplication::setStyle(new TKavorinStyle);
    // A caret drawn in one grab and not in the other is no difference of the warm-up.
    QApplication::setCursorFlashTime(0);
}

// Every step finds the event posted by the step before it handled: input waiting
// between two steps is never held up by more than one. A step that fails leaves the
// rest to run.
void TestIdleWarmUp::stepsRunOnePerPassInOrder() {
    QWidget main;
    QList<int> order;
    QList<bool> handledBefore;
    bool posted = false;
    TWarmUpSteps steps;
    for (int i = 0; i < 5; ++i)
        steps.push_back([&, i] {
            handledBefore.append(!posted);
            order.append(i);
            posted = true;
            // Bound to the window, so that the last one is dropped with it.
            QMetaObject::invokeMethod(
                &main, [&] { posted = false; }, Qt::QueuedConnection);
            if (i == 2)
                throw std::runtime_error("a picture that cannot be had");
        });
    TIdleWarmUp warmUp(std::move(steps), &main);
    warmUp.Start();
    QVERIFY(order.isEmpty()); // nothing runs before the event loop does
    RunOut(warmUp);
    QCOMPARE(order, QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(handledBefore, QList<bool>(5, true));
    QCOMPARE(warmUp.Done(), 5);
    QVERIFY(!warmUp.Running());
}

void TestIdleWarmUp::stopsWhenSomethingComesFirst_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("done");
    QTest::newRow("the program quits") << "quit" << 1;
    QTest::newRow("a dialog opens") << "dialog" << 1;
    QTest::newRow("another window opens") << "window" << 1;
    QTest::newRow("the main window is shown again") << "main" << 4;
    QTest::newRow("a tool-tip is no window") << "tooltip" << 4;
}

void TestIdleWarmUp::stopsWhenSomethingComesFirst() {
    QFETCH(QString, what);
    QFETCH(int, done);
    QWidget main;
    QDialog dialog;
    QWidget window;
    QWidget tip(nullptr, Qt::ToolTip);
    int ran = 0;
    TWarmUpSteps steps;
    for (int i = 0; i < 4; ++i)
        steps.push_back([&, i] {
            ++ran;
            if (i > 0)
                return;
            if (what == QLatin1String("quit"))
                QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
            else if (what == QLatin1String("dialog"))
                dialog.show();
            else if (what == QLatin1String("window"))
                window.show();
            else if (what == QLatin1String("main"))
                main.show();
            else
                tip.show();
        });
    TIdleWarmUp warmUp(std::move(steps), &main);
    warmUp.Start();
    RunOut(warmUp);
    QCOMPARE(ran, done);
    QCOMPARE(warmUp.Done(), done);
    QVERIFY(!warmUp.Running());
}

void TestIdleWarmUp::windowsLookTheSameAfterWarmUp_data() {
    QTest::addColumn<QString>("button");
    for (const char* name :
         {"BCone", "BCube", "BCylindricalTank", "BFormulas", "BSettings", "BAbout"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The window with its side windows, opened with the pictures met for the first time
// (and, in the first row, the fonts too), then again after every registered step has
// run: the same pixels.
void TestIdleWarmUp::windowsLookTheSameAfterWarmUp() {
    QFETCH(QString, button);
    Environment.Settings().Clear();
    TFormMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* opener = main.findChild<QAbstractButton*>(button);
    QVERIFY(opener);

    QPixmapCache::clear();
    const QList<QImage> cold = OpenAndGrab(&main, opener);
    QVERIFY(!cold.isEmpty());

    QPixmapCache::clear();
    const TWarmUpSteps steps = RegisteredWarmUpSteps();
    QVERIFY(steps.size() > 10);
    TIdleWarmUp warmUp(steps, &main);
    warmUp.Start();
    RunOut(warmUp);
    QCOMPARE(warmUp.Done(), int(steps.size()));

    const QList<QImage> warm = OpenAndGrab(&main, opener);
    QCOMPARE(warm.size(), cold.size());
    for (int i = 0; i < cold.size(); ++i)
        QCOMPARE(warm[i], cold[i]);
}

QTEST_MAIN(TestIdleWarmUp)
#include "tst_IdleWarmUp.moc"
