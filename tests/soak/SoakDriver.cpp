// The soak's driver: a Qt generic plug-in that the program under test loads at
// start-up (QT_QPA_GENERIC_PLUGINS=kavorin_soak, QT_PLUGIN_PATH naming the folder
// above "generic/"), so that the real program, as built, is driven from inside:
// tests/soak/soak.sh sets it up. Nothing of the program is linked; windows are
// found as a user finds them, whatever is on top and its children, so that new
// windows are covered as they come.
//
// Each step, on a timer, does one seeded random thing to the window on top: a key
// (digits, separators, letters, Escape, Enter, Tab, arrows, Ctrl+C/V, Alt+F4, F1),
// a click (left, right, double) on one of its controls, a choice in an open menu
// or list, a new clipboard text, a wheel turn. Input goes through the window
// system's way in (qt_handleKeyEvent, qt_handleMouseEvent), so shortcuts, popups
// and modal blocking act as for a user. File dialogs are answered with a file in
// the soak's folder or cancelled; web addresses, mail and documents go to a
// handler that opens nothing; the version check reaches a server of the driver on
// 127.0.0.1 (set as the application's proxy) that answers at random.
//
// It stops the program with exit status 3 when a window lies outside the screens,
// or when no event has been handled for 10 seconds (a hang). After
// KAVORIN_SOAK_SECONDS it quits the program normally. Every step is written to
// KAVORIN_SOAK_LOG first, so the last lines of the log tell what came before a
// crash.
//
// Environment: KAVORIN_SOAK_SEED (the run's seed), KAVORIN_SOAK_SECONDS,
// KAVORIN_SOAK_LOG, KAVORIN_SOAK_FOLDER (where file dialogs may save),
// KAVORIN_SOAK_INTERVAL_MS (between steps, 5 by default).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QNetworkProxy>
#include <QPointer>
#include <QScreen>
#include <QTabBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

// The window system's way in, as Qt Test uses it (exported by Qt Gui).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false,
                                    ushort count = 1);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

namespace {

constexpr int HangSeconds = 10;
constexpr int FailureExitCode = 3;

std::atomic<qint64> LastEventMs{0};
std::atomic<bool> Running{false};

qint64 NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

class TSoakDriver : public QObject {
    Q_OBJECT
public:
    TSoakDriver();
    ~TSoakDriver() override;

public slots:
    // Where QDesktopServices sends every address: nothing is opened.
    void OpenUrl(const QUrl& AUrl);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    // --- Randomness ---
    int Int(int ALow, int AHigh) {
        return std::uniform_int_distribution<int>(ALow, AHigh)(FRandom);
    }
    bool Chance(double AProbability) {
        return std::uniform_real_distribution<double>(0, 1)(FRandom) < AProbability;
    }
    template <class T> const T& Pick(const std::vector<T>& AItems) {
        return AItems[size_t(Int(0, int(AItems.size()) - 1))];
    }

    void Log(const QString& AText);
    [[noreturn]] void Fail(const QString& AText);
    void Start();
    void Step();
    void CheckWindowsOnScreen();
    QWidget* TopWindow();
    QWindow* Handle(QWidget* AWindow);

    // --- Actions ---
    void Act(QWidget* ATop);
    void AnswerFileDialog(QFileDialog* ADialog);
    void PressKey(QWidget* ATop);
    void Key(QWindow* AWindow, int AKey, Qt::KeyboardModifiers AModifiers, const QString& AText);
    void ClickControl(QWidget* ATop);
    void Click(QWidget* AWidget, QPoint APoint, Qt::MouseButton AButton, bool ADouble);
    void Wheel(QWidget* ATop);
    void SetClipboard();
    void CloseWindow(QWidget* AWindow);
    QString Describe(const QWidget* AWidget) const;

    // --- The version check's server ---
    void StartServer();
    void Answer(QTcpSocket* ASocket);

    std::mt19937_64 FRandom;
    quint64 FSeed = 0;
    qint64 FSeconds = 60;
    int FInterval = 5;
    QString FFolder;
    QFile FLog;
    QElapsedTimer FClock;
    qint64 FSteps = 0;
    int FTimestamp = 0;
    int FSaved = 0;
    QTcpServer* FServer = nullptr;
    bool FQuitting = false;
};

TSoakDriver::TSoakDriver() {
    FSeed = qEnvironmentVariable("KAVORIN_SOAK_SEED").toULongLong();
    FRandom.seed(FSeed);
    FSeconds = qMax(1, qEnvironmentVariableIntValue("KAVORIN_SOAK_SECONDS"));
    bool ok = false;
    const int interval = qEnvironmentVariableIntValue("KAVORIN_SOAK_INTERVAL_MS", &ok);
    FInterval = ok ? qMax(0, interval) : 5;
    FFolder = qEnvironmentVariable("KAVORIN_SOAK_FOLDER", QDir::tempPath());
    FLog.setFileName(qEnvironmentVariable("KAVORIN_SOAK_LOG", QStringLiteral("/dev/null")));
    if (!FLog.open(QIODevice::Append | QIODevice::Text))
        std::fprintf(stderr, "soak: cannot write the log %s\n", qPrintable(FLog.fileName()));
    Log(QStringLiteral("seed %1, %2 s").arg(FSeed).arg(FSeconds));
    // The generic plug-ins are made while the application object is being built:
    // the rest waits for its event loop.
    QTimer::singleShot(0, this, [this] { Start(); });

    LastEventMs = NowMs();
    Running = true;
    // The watchdog: no event for HangSeconds means the program hangs.
    std::thread([seed = FSeed, log = FLog.fileName()] {
        while (Running) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const qint64 silent = NowMs() - LastEventMs;
            if (Running && silent > HangSeconds * 1000) {
                std::fprintf(stderr,
                             "soak: FAIL: hang, no event handled for %lld s (seed %llu, log %s)\n",
                             silent / 1000, static_cast<unsigned long long>(seed), qPrintable(log));
                std::fflush(stderr);
                std::_Exit(FailureExitCode);
            }
        }
    }).detach();
}

TSoakDriver::~TSoakDriver() {
    Running = false;
}

void TSoakDriver::Log(const QString& AText) {
    if (!FLog.isOpen())
        return;
    FLog.write(QStringLiteral("%1 %2\n").arg(FSteps, 6).arg(AText).toUtf8());
    FLog.flush();
}

void TSoakDriver::Fail(const QString& AText) {
    Log(QStringLiteral("FAIL: ") + AText);
    std::fprintf(stderr, "soak: FAIL: %s (seed %llu, step %lld)\n", qPrintable(AText),
                 static_cast<unsigned long long>(FSeed), static_cast<long long>(FSteps));
    std::fflush(stderr);
    std::_Exit(FailureExitCode);
}

void TSoakDriver::OpenUrl(const QUrl& AUrl) {
    Log(QStringLiteral("open ") + AUrl.toString());
}

bool TSoakDriver::eventFilter(QObject*, QEvent*) {
    LastEventMs = NowMs();
    return false;
}

void TSoakDriver::Start() {
    qApp->installEventFilter(this);
    // Nothing leaves the machine: the desktop opens nothing, the network is ours.
    for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
    StartServer();
    FClock.start();
    QTimer::singleShot(FInterval, this, [this] { Step(); });
}

// --- Steps ------------------------------------------------------------------------------

void TSoakDriver::Step() {
    // The next step is due whatever this one opens: a modal window's own event
    // loop runs it.
    if (FQuitting)
        return;
    if (FClock.elapsed() > FSeconds * 1000) {
        FQuitting = true;
        Log(QStringLiteral("the run's time is over: quit"));
        QCoreApplication::exit(0);
        return;
    }
    QTimer::singleShot(FInterval, this, [this] { Step(); });
    ++FSteps;
    CheckWindowsOnScreen();
    if (QWidget* top = TopWindow())
        Act(top);
}

void TSoakDriver::CheckWindowsOnScreen() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Popups (menus, the lists of combo boxes) are placed by Qt itself, which lets
        // a list as tall as the screen overhang it by its frame.
        if (!window->isVisible() || window->isMinimized() || window->windowType() == Qt::ToolTip ||
            window->windowType() == Qt::Desktop || window->windowType() == Qt::Popup)
            continue;
        const QRect frame = window->frameGeometry();
        bool inside = false;
        for (const QScreen* screen : screens)
            inside = inside || screen->geometry().contains(frame);
        if (inside)
            continue;
        QStringList areas;
        for (const QScreen* screen : screens) {
            const QRect area = screen->geometry();
            areas << QStringLiteral("%1,%2 %3x%4")
                         .arg(area.x())
                         .arg(area.y())
                         .arg(area.width())
                         .arg(area.height());
        }
        Fail(QStringLiteral("window outside the screen: %1 at %2,%3 %4x%5; screens %6")
                 .arg(Describe(window))
                 .arg(frame.x())
                 .arg(frame.y())
                 .arg(frame.width())
                 .arg(frame.height())
                 .arg(areas.join(QStringLiteral("; "))));
    }
}

// What a user would act on: an open popup, else the modal window, else the active
// window; now and then another visible window (a side window beside a modal one).
QWidget* TSoakDriver::TopWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    std::vector<QWidget*> visible;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->isMinimized() && window->windowType() != Qt::ToolTip &&
            window->windowType() != Qt::Desktop)
            visible.push_back(window);
    if (!visible.empty() && Chance(0.15))
        return Pick(visible);
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return visible.empty() ? nullptr : Pick(visible);
}

QWindow* TSoakDriver::Handle(QWidget* AWindow) {
    return AWindow ? AWindow->window()->windowHandle() : nullptr;
}

QString TSoakDriver::Describe(const QWidget* AWidget) const {
    if (!AWidget)
        return QStringLiteral("nothing");
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QLatin1String(AWidget->metaObject()->className()), AWidget->objectName(),
             AWidget->isWindow() ? AWidget->windowTitle() : QString());
}

void TSoakDriver::Act(QWidget* ATop) {
    for (QWidget* widget = ATop; widget; widget = widget->parentWidget())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
            AnswerFileDialog(dialog);
            return;
        }
    const int roll = Int(0, 99);
    if (roll < 45)
        PressKey(ATop);
    else if (roll < 93)
        ClickControl(ATop);
    else if (roll < 96)
        SetClipboard();
    else
        Wheel(ATop);
}

// A file dialog could reach any folder of the machine by typing: it is answered
// with a file in the soak's own folder, or cancelled.
void TSoakDriver::AnswerFileDialog(QFileDialog* ADialog) {
    if (Chance(0.5)) {
        Log(QStringLiteral("file dialog: cancel"));
        ADialog->reject();
        return;
    }
    const QString file = QDir(FFolder).filePath(QStringLiteral("soak-%1.csv").arg(++FSaved % 3));
    Log(QStringLiteral("file dialog: ") + file);
    ADialog->selectFile(file);
    // QFileDialog::accept, through the public slot of QDialog.
    static_cast<QDialog*>(ADialog)->accept();
}

void TSoakDriver::PressKey(QWidget* ATop) {
    QWindow* window = QGuiApplication::focusWindow();
    if (!window || Chance(0.1))
        window = Handle(ATop);
    if (!window)
        return;
    const int roll = Int(0, 99);
    if (roll < 28) {
        const char digit = char('0' + Int(0, 9));
        Key(window, Qt::Key_0 + (digit - '0'), Qt::NoModifier, QString(QLatin1Char(digit)));
    } else if (roll < 36) {
        const bool comma = Chance(0.5);
        Key(window, comma ? Qt::Key_Comma : Qt::Key_Period, Qt::NoModifier,
            comma ? QStringLiteral(",") : QStringLiteral("."));
    } else if (roll < 44) {
        const char letter = char('a' + Int(0, 25));
        const bool upper = Chance(0.3);
        Key(window, Qt::Key_A + (letter - 'a'), upper ? Qt::ShiftModifier : Qt::NoModifier,
            QString(QLatin1Char(upper ? char(letter - 'a' + 'A') : letter)));
    } else if (roll < 48) {
        const std::vector<std::pair<int, char>> signs{{Qt::Key_Minus, '-'},
                                                      {Qt::Key_Plus, '+'},
                                                      {Qt::Key_Asterisk, '*'},
                                                      {Qt::Key_Space, ' '},
                                                      {Qt::Key_Slash, '/'}};
        const auto& [key, text] = Pick(signs);
        Key(window, key, Qt::NoModifier, QString(QLatin1Char(text)));
    } else if (roll < 56) {
        Key(window, Chance(0.7) ? Qt::Key_Backspace : Qt::Key_Delete, Qt::NoModifier, QString());
    } else if (roll < 61) {
        Key(window, Qt::Key_Escape, Qt::NoModifier, QString());
    } else if (roll < 67) {
        Key(window, Chance(0.8) ? Qt::Key_Return : Qt::Key_Enter, Qt::NoModifier,
            QStringLiteral("\r"));
    } else if (roll < 75) {
        const bool back = Chance(0.3);
        Key(window, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier,
            back ? QString() : QStringLiteral("\t"));
    } else if (roll < 84) {
        const std::vector<int> keys{Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left,   Qt::Key_Right,
                                    Qt::Key_Home, Qt::Key_End,  Qt::Key_PageUp, Qt::Key_PageDown};
        Key(window, Pick(keys), Chance(0.1) ? Qt::ShiftModifier : Qt::NoModifier, QString());
    } else if (roll < 93) {
        const std::vector<int> keys{Qt::Key_C, Qt::Key_V, Qt::Key_V, Qt::Key_X,
                                    Qt::Key_A, Qt::Key_Z, Qt::Key_M};
        Key(window, Pick(keys), Qt::ControlModifier, QString());
    } else if (roll < 95) {
        // Mnemonics of menus and buttons.
        Key(window, Qt::Key_A + Int(0, 25), Qt::AltModifier, QString());
    } else if (roll < 97) {
        Key(window, Qt::Key_F1, Qt::NoModifier, QString());
    } else {
        // Alt+F4 is the window manager's: it asks the active window to close.
        if (QWidget* active = QApplication::activeWindow())
            CloseWindow(active);
    }
}

void TSoakDriver::Key(QWindow* AWindow, int AKey, Qt::KeyboardModifiers AModifiers,
                      const QString& AText) {
    Log(QStringLiteral("key %1%2 to %3")
            .arg(AModifiers ? QStringLiteral("%1+").arg(int(AModifiers), 0, 16) : QString())
            .arg(AText.isEmpty() || AText.at(0) < QLatin1Char(' ')
                     ? QStringLiteral("0x%1").arg(AKey, 0, 16)
                     : AText)
            .arg(AWindow->objectName()));
    QPointer<QWindow> window(AWindow);
    qt_handleKeyEvent(AWindow, QEvent::KeyPress, AKey, AModifiers, AText);
    if (window)
        qt_handleKeyEvent(window, QEvent::KeyRelease, AKey, AModifiers, AText);
}

void TSoakDriver::CloseWindow(QWidget* AWindow) {
    Log(QStringLiteral("close ") + Describe(AWindow));
    if (QWindow* handle = Handle(AWindow))
        handle->close();
}

// A control of the window on top, the ones a user aims at more often than labels.
void TSoakDriver::ClickControl(QWidget* ATop) {
    std::vector<QWidget*> targets{ATop};
    std::vector<QWidget*> controls;
    for (QWidget* child : ATop->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->width() <= 0 || child->height() <= 0 ||
            child->window() != ATop)
            continue;
        targets.push_back(child);
        if (child->isEnabled() &&
            (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child) ||
             qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractSpinBox*>(child) ||
             qobject_cast<QTabBar*>(child) || qobject_cast<QMenuBar*>(child) ||
             (child->parentWidget() && qobject_cast<QAbstractItemView*>(child->parentWidget()))))
            controls.push_back(child);
    }
    QWidget* target = (!controls.empty() && Chance(0.75)) ? Pick(controls) : Pick(targets);
    if (Chance(0.05)) {
        // Outside the popup (it closes) or on the window's edge.
        target = ATop;
    }
    const QPoint point(Int(0, qMax(0, target->width() - 1)), Int(0, qMax(0, target->height() - 1)));
    const int roll = Int(0, 99);
    const Qt::MouseButton button = roll < 85   ? Qt::LeftButton
                                   : roll < 96 ? Qt::RightButton
                                               : Qt::MiddleButton;
    Click(target, point, button, button == Qt::LeftButton && Chance(0.08));
}

void TSoakDriver::Click(QWidget* AWidget, QPoint APoint, Qt::MouseButton AButton, bool ADouble) {
    QWidget* window = AWidget->window();
    QPointer<QWindow> handle(Handle(window));
    if (!handle)
        return;
    const QPointF local = AWidget->mapTo(window, APoint);
    const QPointF global = AWidget->mapToGlobal(APoint);
    Log(QStringLiteral("%1click %2 at %3,%4 in %5")
            .arg(ADouble ? QStringLiteral("double ") : QString())
            .arg(AButton == Qt::LeftButton    ? QStringLiteral("left")
                 : AButton == Qt::RightButton ? QStringLiteral("right")
                                              : QStringLiteral("middle"))
            .arg(APoint.x())
            .arg(APoint.y())
            .arg(Describe(AWidget)));
    for (int click = 0; click < (ADouble ? 2 : 1) && handle; ++click) {
        FTimestamp += 20;
        qt_handleMouseEvent(handle, local, global, AButton, AButton, QEvent::MouseButtonPress,
                            Qt::NoModifier, FTimestamp);
        if (!handle)
            return;
        FTimestamp += 20;
        qt_handleMouseEvent(handle, local, global, Qt::NoButton, AButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, FTimestamp);
    }
    // A long pause lets the next click count as a click of its own.
    FTimestamp += 1000;
}

void TSoakDriver::Wheel(QWidget* ATop) {
    std::vector<QWidget*> targets{ATop};
    for (QWidget* child : ATop->findChildren<QWidget*>())
        if (child->isVisible() && child->window() == ATop)
            targets.push_back(child);
    QWidget* target = Pick(targets);
    const QPoint point(Int(0, qMax(0, target->width() - 1)), Int(0, qMax(0, target->height() - 1)));
    const int notches = Int(-3, 3);
    Log(QStringLiteral("wheel %1 on %2").arg(notches).arg(Describe(target)));
    QWheelEvent wheel(point, target->mapToGlobal(point), QPoint(), QPoint(0, notches * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
}

void TSoakDriver::SetClipboard() {
    const std::vector<QString> texts{
        QString::number(Int(0, 100000)),
        QStringLiteral("%1,%2").arg(Int(0, 999)).arg(Int(0, 999)),
        QStringLiteral("%1.%2").arg(Int(0, 999)).arg(Int(0, 999)),
        QStringLiteral("-%1").arg(Int(1, 99)),
        QStringLiteral("1E308"),
        QStringLiteral("1e-4950"),
        QStringLiteral("*%1").arg(Int(1, 50)),
        QStringLiteral(" 12 "),
        QStringLiteral("abc"),
        QStringLiteral("\u00BD\u2153\uFF11"),
        QString(Int(1, 5000), QLatin1Char('9')),
        QStringLiteral("1\n2\t3"),
        QString(),
    };
    const QString text = Pick(texts);
    Log(QStringLiteral("clipboard \"%1\"").arg(text.left(40)));
    QGuiApplication::clipboard()->setText(text);
}

// --- The version check's server -----------------------------------------------------------

void TSoakDriver::StartServer() {
    FServer = new QTcpServer(this);
    if (!FServer->listen(QHostAddress::LocalHost)) {
        Fail(QStringLiteral("no local server for the version check: ") + FServer->errorString());
    }
    // Every request goes to the server as to a proxy: no name is looked up, nothing
    // leaves the machine.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(
        QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), FServer->serverPort()));
    connect(FServer, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = FServer->nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (socket->property("answered").toBool() ||
                    !socket->peek(65536).contains("\r\n\r\n"))
                    return;
                socket->setProperty("answered", true);
                const int delay = Chance(0.7) ? Int(0, 300) : Int(300, 3000);
                QTimer::singleShot(delay, socket, [this, socket] { Answer(socket); });
            });
        }
    });
}

void TSoakDriver::Answer(QTcpSocket* ASocket) {
    const auto reply = [](const QByteArray& AStatus, const QByteArray& ABody,
                          const QByteArray& AHeaders = QByteArray()) {
        return "HTTP/1.1 " + AStatus + "\r\nContent-Length: " + QByteArray::number(ABody.size()) +
               "\r\nConnection: close\r\n" + AHeaders + "\r\n" + ABody;
    };
    const int roll = Int(0, 9);
    Log(QStringLiteral("version server answers %1").arg(roll));
    switch (roll) {
    case 0:
        ASocket->write(reply("200 OK", "OK\r\n1.2\r\n"));
        break;
    case 1:
        ASocket->write(reply("200 OK", "OK\r\n1.3\r\n"));
        break;
    case 2:
        ASocket->write(reply("200 OK", "ERROR\r\nThe product is unknown.\r\n"));
        break;
    case 3:
        ASocket->write(reply("200 OK", QByteArray(Int(0, 200000), 'x')));
        break;
    case 4:
        ASocket->write(reply("500 Internal Server Error", "<html>error</html>"));
        break;
    case 5:
        ASocket->write(
            reply("302 Found", QByteArray(), "Location: http://elsewhere.invalid/version\r\n"));
        break;
    case 6:
        ASocket->write("garbage\r\n\r\n");
        break;
    case 7:
        // Silence: the window waits, and the user may cancel.
        return;
    default:
        ASocket->abort();
        return;
    }
    ASocket->disconnectFromHost();
}

class TSoakPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "SoakDriver.json")
public:
    QObject* create(const QString& AName, const QString&) override {
        if (AName.compare(QLatin1String("kavorin_soak"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new TSoakDriver;
    }
};

#include "SoakDriver.moc"
