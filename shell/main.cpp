// Start-up: the language manager first, then the named mutex, the application
// title and the main window, whose first paint starts the idle warm-up; the mutex
// is released at the end.
#include "Application.h"
#include "CommandLine.h"
#include "IdleWarmUp.h"
#include "LanguageSupport.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "NumberParsing.h"
#include "ResourceLoading.h"
#include "Settings.h"

#include <QHelpEvent>
#include <QLockFile>
#include <QScopeGuard>
#include <QTimer>
#include <QToolTip>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Tool-tips appear after 400 ms (TKavorinStyle) and disappear after 5 seconds.
class TToolTipTime : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() != QEvent::ToolTip || !AWatched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(AWatched);
        if (widget->toolTip().isEmpty())
            return false;
        const auto* help = static_cast<QHelpEvent*>(AEvent);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), 5000);
        return true;
    }
};

// KAVORIN_QUIT_AFTER_SHOW=1: the program quits once the main window has been
// painted, so that start-up can be timed from outside (bench/startup.sh).
class TQuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::Paint) {
            AWatched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // Calculation from the command line: no display, no window, no instance lock.
    if (IsCommandLineCall(argc, argv))
        return RunCommandLine(argc, argv);

    TApplication app(argc, argv);
    SetDecimalSeparatorProvider(SystemDecimalSeparator);
    QApplication::setStyle(new TKavorinStyle);
    app.installEventFilter(new TToolTipTime(&app));

    auto languages =
        std::make_unique<TLanguages>(SettingsKeys::Program, SettingsKeys::SettingsSection, true);
    if (languages->StartUpFailed())
        return 1;
    Languages = languages.get();

    // Held while the program runs, so that outside tools can tell it is running;
    // the outcome is not examined: a second instance starts all the same. It is the
    // user's own: on Windows a named mutex of the session, elsewhere a lock file in
    // the user's runtime folder, where no other user can hold it.
#ifdef Q_OS_WIN
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Kavorin");
    if (mutex)
        WaitForSingleObject(mutex, 0);
    const auto releaseMutex = qScopeGuard([mutex] {
        if (mutex) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
    });
#else
    const QString lockPath = InstanceLockPath();
    std::optional<QLockFile> mutex;
    if (!lockPath.isEmpty()) {
        mutex.emplace(lockPath);
        mutex->tryLock(0);
    }
#endif
    SetApplicationTitle(QStringLiteral("Kavorin"));
    QApplication::setWindowIcon(
        LoadResourceIcon(QStringLiteral("ICON"), QStringLiteral("KAVORIN")));

    int exitCode = 0;
    {
        TFormMain mainWindow;
        // A run timed to the first paint quits there: nothing to warm up for.
        if (qEnvironmentVariableIntValue("KAVORIN_QUIT_AFTER_SHOW") == 1)
            mainWindow.installEventFilter(new TQuitAfterFirstPaint(&mainWindow));
        else
            StartIdleWarmUp(&mainWindow);
        mainWindow.show();
        exitCode = QApplication::exec();
    }
    Languages = nullptr;
    return exitCode;
}
