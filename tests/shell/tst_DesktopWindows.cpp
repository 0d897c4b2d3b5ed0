// The windows as a desktop shows them: the formula and supplementary data
// windows attached to the computation window by their outer frames, stacked
// above it and the main window, and every window with the frame buttons of its
// design.
//
// Runs under the offscreen platform; when KAVORIN_DESKTOP_DISPLAY names an X
// display (with or without a window manager, scripts/desktop-tests.sh starts
// one with openbox), under xcb on it, where the frames are the window
// manager's and are read from the X server.
#include "About.h"
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "FakeComputationHost.h"
#include "Formulas.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MassCalculation.h"
#include "PlanimetricalFormulas.h"
#include "Precision.h"
#include "SettingsDialog.h"
#include "StereometricalFormulas.h"
#include "SupplementaryData.h"
#include "WindowStyle.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <memory>

#ifdef KAVORIN_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

#ifdef KAVORIN_HAVE_XCB
xcb_connection_t* XConnection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <class T> using TReply = std::unique_ptr<T, decltype(&std::free)>;

// The outer frame as the X server has it: the outermost window below the root
// that holds the window (the window manager's frame, or the window itself).
QRect XFrame(const QWidget* AWindow) {
    xcb_connection_t* connection = XConnection();
    xcb_window_t window = xcb_window_t(AWindow->windowHandle()->winId());
    xcb_window_t root = XCB_NONE;
    for (;;) {
        TReply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        if (!tree)
            return QRect();
        root = tree->root;
        if (tree->parent == tree->root || tree->parent == XCB_NONE)
            break;
        window = tree->parent;
    }
    TReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    TReply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr),
        &std::free);
    if (!geometry || !origin)
        return QRect();
    const int border = geometry->border_width;
    return QRect(origin->dst_x - border, origin->dst_y - border, geometry->width + 2 * border,
                 geometry->height + 2 * border);
}

xcb_atom_t Atom(const char* AName) {
    xcb_connection_t* connection = XConnection();
    TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(AName)), AName), nullptr),
        &std::free);
    return reply ? reply->atom : XCB_NONE;
}

// What the window manager offers to do with the window (_NET_WM_ALLOWED_ACTIONS).
QStringList AllowedActions(const QWidget* AWindow) {
    xcb_connection_t* connection = XConnection();
    const xcb_window_t window = xcb_window_t(AWindow->windowHandle()->winId());
    TReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window,
                                                Atom("_NET_WM_ALLOWED_ACTIONS"), XCB_ATOM_ATOM, 0,
                                                64),
                               nullptr),
        &std::free);
    QStringList actions;
    if (!reply || reply->format != 32)
        return actions;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        TReply<xcb_get_atom_name_reply_t> name(
            xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atoms[i]), nullptr),
            &std::free);
        if (name)
            actions << QString::fromLatin1(xcb_get_atom_name_name(name.get()),
                                           xcb_get_atom_name_name_length(name.get()));
    }
    return actions;
}
#endif

// The outer frame of a window as the user sees it.
QRect FrameOf(const QWidget* AWindow) {
#ifdef KAVORIN_HAVE_XCB
    if (OnX11())
        return XFrame(AWindow);
#endif
    const QWindow* window = AWindow->windowHandle();
    return window ? window->frameGeometry() : AWindow->frameGeometry();
}

// A window manager frames windows: their decoration is known once they are on the screen.
bool Framed(const QWidget* AWindow) {
    return FrameOf(AWindow) != AWindow->geometry();
}

QString Text(const QRect& ARect) {
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(ARect.x())
        .arg(ARect.y())
        .arg(ARect.width())
        .arg(ARect.height());
}

// Empty when the formula window's frame ends where the computation window's
// begins, the supplementary data window's begins where it ends, all three
// left-aligned and both side windows shown; else what is wrong.
QString Misplacement(const TFormComputations* AWindow) {
    QStringList problems;
    const QRect frame = FrameOf(AWindow);
    if (const TFormFormulas* formulas = AWindow->FormulasWindow()) {
        const QRect above = FrameOf(formulas);
        if (!formulas->isVisible())
            problems << QStringLiteral("formula window hidden");
        else if (above.bottom() + 1 != frame.top() || above.left() != frame.left())
            problems << QStringLiteral("formula window at ") + Text(above);
    }
    if (const TFormSupplementaryData* supplementary = AWindow->SupplementaryDataWindow()) {
        const QRect below = FrameOf(supplementary);
        if (!supplementary->isVisible())
            problems << QStringLiteral("supplementary data window hidden");
        else if (below.top() != frame.bottom() + 1 || below.left() != frame.left())
            problems << QStringLiteral("supplementary data window at ") + Text(below);
    }
    if (problems.isEmpty())
        return QString();
    return QStringLiteral("computation window at ") + Text(frame) + QStringLiteral(": ") +
           problems.join(QStringLiteral(", "));
}

// Waits until the side windows are in place and stay there: on a real display
// they follow their window a moment later, so a state counts once it has held
// for a while. Returns what was wrong last when that never happens.
QString Unsettled(const TFormComputations* AWindow) {
    const int steady = OnX11() ? 300 : 0;
    QElapsedTimer total;
    total.start();
    QElapsedTimer held;
    QString last = Misplacement(AWindow);
    held.start();
    while (total.elapsed() < 8000) {
        const QString now = Misplacement(AWindow);
        if (now != last)
            held.restart();
        last = now;
        if (last.isEmpty() && held.elapsed() >= steady)
            return QString();
        QTest::qWait(10);
    }
    return last.isEmpty() ? QStringLiteral("never steady") : last;
}

#define QVERIFY_ATTACHED(AWindow)                                                                  \
    do {                                                                                           \
        const QString unsettled = Unsettled(AWindow);                                              \
        QVERIFY2(unsettled.isEmpty(), qPrintable(unsettled));                                      \
    } while (false)

// The main window with a computation window opened from it as the main window
// opens one (modal, its caption, the main window's style).
struct TDesktop {
    explicit TDesktop(int APage) {
        Main.show();
        if (!QTest::qWaitForWindowExposed(&Main))
            return;
        Window = std::make_unique<TFormComputations>(&Main, APage);
        Window->setWindowTitle(QStringLiteral("Cube"));
        TakeWindowStyle(Window.get(), &Main);
        Window->setWindowModality(Qt::ApplicationModal);
        Window->show();
        Opened = QTest::qWaitForWindowExposed(Window.get());
    }
    ~TDesktop() {
        Window.reset();
        // Let the window manager forget the windows before the next test.
        QTest::qWait(OnX11() ? 100 : 0);
    }
    QToolButton* Button(const char* AName) const {
        return Window->findChild<QToolButton*>(QLatin1String(AName));
    }
    // The draft panel has slid open (the window no longer resizes itself).
    bool DraftOpen() const { return Window->width() == Window->DraftClientWidth(); }
    // Moves the computation window as a drag by the user would.
    void MoveBy(const QPoint& AOffset) { Window->move(Window->pos() + AOffset); }

    TFormMain Main;
    std::unique_ptr<TFormComputations> Window;
    bool Opened = false;
};

// The window on top at a point of the screen, as the window system stacks them.
QWindow* TopAt(const QPoint& APoint) {
    return QGuiApplication::topLevelAt(APoint);
}

} // namespace

class TestDesktopWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void sideWindowsAttachedFromTheFirstOpening();
    void sideWindowsFollowMovesAndReopening();
    void formulaWindowFollowsItsPicture();
    void sideWindowSnapsBack();
    void sideWindowsStayAboveTheirWindowAndTheMainWindow();
    void frameButtons_data();
    void frameButtons();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestDesktopWindows::initTestCase() {
    qInfo("Platform %s", qPrintable(QGuiApplication::platformName()));
}

void TestDesktopWindows::init() {
    Environment.Settings().Clear();
    for (const char* name : {"ShowFormulas", "ShowSupplementaryData", "ShowDraft"})
        StoreSetting(QLatin1String(name), QStringLiteral("1"));
}

void TestDesktopWindows::sideWindowsAttachedFromTheFirstOpening() {
    TDesktop desktop(pgCube);
    QVERIFY(desktop.Opened);
    TFormComputations* window = desktop.Window.get();
    QVERIFY(window->FormulasWindow() && window->SupplementaryDataWindow());
    QVERIFY_ATTACHED(window);
    // Still in place once the draft panel has slid open.
    QTRY_VERIFY(desktop.DraftOpen());
    QVERIFY_ATTACHED(window);
    // Window managers stack the side windows with the computation window.
    for (const QWidget* side : {static_cast<const QWidget*>(window->FormulasWindow()),
                                static_cast<const QWidget*>(window->SupplementaryDataWindow())})
        QCOMPARE(side->windowHandle()->transientParent(), window->windowHandle());
    // The side windows leave the keyboard to the computation window.
    QTRY_VERIFY(window->isActiveWindow());
}

void TestDesktopWindows::sideWindowsFollowMovesAndReopening() {
    TDesktop desktop(pgCube);
    QVERIFY(desktop.Opened);
    TFormComputations* window = desktop.Window.get();
    QVERIFY_ATTACHED(window);
    QTRY_VERIFY(desktop.DraftOpen());

    for (const QPoint offset : {QPoint(60, 40), QPoint(-90, 25), QPoint(15, -30)}) {
        const QPoint before = FrameOf(window).topLeft();
        desktop.MoveBy(offset);
        QTRY_VERIFY(FrameOf(window).topLeft() != before);
        QVERIFY_ATTACHED(window);
    }

    // Closed with their buttons and opened again, after a move in between.
    for (const char* name : {"BSupplementaryData", "BFormulas"}) {
        desktop.Button(name)->click();
        QTRY_VERIFY(!window->SupplementaryDataWindow() || !window->FormulasWindow());
        desktop.MoveBy(QPoint(20, 10));
        desktop.Button(name)->click();
        QVERIFY(window->SupplementaryDataWindow() && window->FormulasWindow());
        QVERIFY_ATTACHED(window);
    }
    desktop.MoveBy(QPoint(-40, 30));
    QVERIFY_ATTACHED(window);
}

void TestDesktopWindows::formulaWindowFollowsItsPicture() {
    TDesktop desktop(pgPyramid);
    QVERIFY(desktop.Opened);
    TFormComputations* window = desktop.Window.get();
    QVERIFY_ATTACHED(window);
    const QSize general = window->FormulasWindow()->size();
    // The rectangular base has a picture of another height.
    auto* base = window->findChild<QComboBox*>(QStringLiteral("Pyramid_Base"));
    QVERIFY(base);
    base->setCurrentIndex(1);
    emit base->activated(1);
    QVERIFY(window->FormulasWindow()->size() != general);
    QVERIFY_ATTACHED(window);
}

void TestDesktopWindows::sideWindowSnapsBack() {
    TDesktop desktop(pgCube);
    QVERIFY(desktop.Opened);
    TFormComputations* window = desktop.Window.get();
    QVERIFY_ATTACHED(window);
    QTRY_VERIFY(desktop.DraftOpen());
    for (QWidget* side : {static_cast<QWidget*>(window->SupplementaryDataWindow()),
                          static_cast<QWidget*>(window->FormulasWindow())}) {
        side->move(side->pos() + QPoint(80, 50));
        QVERIFY_ATTACHED(window);
    }
}

void TestDesktopWindows::sideWindowsStayAboveTheirWindowAndTheMainWindow() {
    if (!OnX11())
        QSKIP("Stacking is the window system's: checked on an X display");
    TDesktop desktop(pgCube);
    QVERIFY(desktop.Opened);
    TFormComputations* window = desktop.Window.get();
    QVERIFY_ATTACHED(window);
    QTRY_VERIFY(desktop.DraftOpen());

    // Where a side window and the main window overlap, the side window is seen.
    int overlaps = 0;
    auto checkAbove = [&](const QWidget* ASide) {
        const QRect shared = FrameOf(ASide) & FrameOf(&desktop.Main);
        if (shared.isEmpty())
            return true;
        ++overlaps;
        return TopAt(shared.center()) == ASide->windowHandle();
    };
    // The computation window low and then high on the main window, so that
    // each side window lies over it once.
    for (const int down : {150, -300}) {
        const QPoint before = FrameOf(window).topLeft();
        desktop.MoveBy(QPoint(0, down));
        QTRY_VERIFY(FrameOf(window).topLeft() != before);
        QVERIFY_ATTACHED(window);
        QTRY_VERIFY2(checkAbove(window->FormulasWindow()), "the formula window is covered");
        QTRY_VERIFY2(checkAbove(window->SupplementaryDataWindow()),
                     "the supplementary data window is covered");
    }
    QVERIFY2(overlaps >= 2, "the side windows never lay over the main window");
    // Nor does the computation window cover them.
    for (const QWidget* side : {static_cast<const QWidget*>(window->FormulasWindow()),
                                static_cast<const QWidget*>(window->SupplementaryDataWindow())})
        QCOMPARE(TopAt(FrameOf(side).center()), side->windowHandle());
}

namespace {
enum TWindowKind {
    wkMain,
    wkComputation,
    wkFormulas,
    wkSupplementaryData,
    wkSettings,
    wkAbout,
    wkPrecision,
    wkMassCalculation,
    wkSolidSheet,
    wkPlaneSheet,
    wkHelp
};
} // namespace

void TestDesktopWindows::frameButtons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("minimise");
    QTest::newRow("main window") << int(wkMain) << true;
    QTest::newRow("computation window") << int(wkComputation) << false;
    QTest::newRow("formula window") << int(wkFormulas) << false;
    QTest::newRow("supplementary data window") << int(wkSupplementaryData) << false;
    QTest::newRow("settings dialog") << int(wkSettings) << false;
    QTest::newRow("about window") << int(wkAbout) << false;
    QTest::newRow("precision dialog") << int(wkPrecision) << false;
    QTest::newRow("mass calculation dialog") << int(wkMassCalculation) << false;
    QTest::newRow("formula sheet for solids") << int(wkSolidSheet) << false;
    QTest::newRow("formula sheet for plane figures") << int(wkPlaneSheet) << false;
    QTest::newRow("help window") << int(wkHelp) << false;
}

void TestDesktopWindows::frameButtons() {
    QFETCH(int, kind);
    QFETCH(bool, minimise);
    TFormMain main;
    TFakeComputationHost host;
    std::unique_ptr<TFormComputations> computation;
    std::unique_ptr<QWidget> owned;
    QWidget* window = nullptr;
    switch (TWindowKind(kind)) {
    case wkMain:
        window = &main;
        break;
    case wkComputation:
    case wkFormulas:
    case wkSupplementaryData:
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        computation = std::make_unique<TFormComputations>(&main, pgCube);
        computation->show();
        QVERIFY(QTest::qWaitForWindowExposed(computation.get()));
        window = computation.get();
        if (kind == wkFormulas)
            window = computation->FormulasWindow();
        if (kind == wkSupplementaryData)
            window = computation->SupplementaryDataWindow();
        QVERIFY(window);
        break;
    case wkSettings:
        owned = std::make_unique<TFormSettings>(&main);
        break;
    case wkAbout:
        owned = std::make_unique<TFormAbout>(&main, QDateTime::currentDateTimeUtc(), 2002, 2026, 3);
        break;
    case wkPrecision:
        host.Window.show();
        owned = std::make_unique<TFormPrecision>(&host, 2);
        break;
    case wkMassCalculation:
        host.Window.show();
        owned = std::make_unique<TFormMassCalculation>(&host, host.Result.Figure, 2);
        break;
    case wkSolidSheet:
        owned = std::make_unique<TFormStereometricalFormulas>(&main);
        break;
    case wkPlaneSheet:
        owned = std::make_unique<TFormPlanimetricalFormulas>(&main);
        break;
    case wkHelp:
        owned = std::make_unique<TFormHelp>(
            &main, QStringLiteral(KAVORIN_SOURCE_DIR "/help/Help_EN.html"), QStringLiteral("Help"));
        break;
    }
    if (owned)
        window = owned.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // What the window asks the window system for.
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    // A plain window without its own choice of buttons gets every button.
    QVERIFY(window->windowType() != Qt::Window || flags.testFlag(Qt::CustomizeWindowHint));
    // Fixed size: nothing to resize or maximise.
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowHandle()->minimumSize(), window->windowHandle()->maximumSize());

#ifdef KAVORIN_HAVE_XCB
    if (OnX11() && Framed(window)) {
        // What the window manager then offers.
        QTRY_VERIFY(!AllowedActions(window).isEmpty());
        const QStringList actions = AllowedActions(window);
        for (const char* refused : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                                    "_NET_WM_ACTION_MAXIMIZE_VERT"})
            QVERIFY2(!actions.contains(QLatin1String(refused)),
                     qPrintable(actions.join(QLatin1Char(' '))));
        if (minimise)
            QVERIFY2(actions.contains(QLatin1String("_NET_WM_ACTION_MINIMIZE")),
                     qPrintable(actions.join(QLatin1Char(' '))));
    }
#endif
    window->hide();
}

int main(int argc, char* argv[]) {
    // On a real X display (a desktop) when one is named, offscreen otherwise.
    const QByteArray display = qgetenv("KAVORIN_DESKTOP_DISPLAY");
    if (!display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", display);
    }
    QApplication app(argc, argv);
    TestDesktopWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DesktopWindows.moc"
