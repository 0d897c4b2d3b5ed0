// What the user waits for, measured in the program's own windows (offscreen):
//
//   Keystroke/<solid>   one key typed into an entry of a computation window whose
//                       entries hold valid values, until the results panel shows
//                       the new result: the typing filter, reading the entries,
//                       building the figure, filling the panel and the side
//                       windows, and painting. Iterations alternate between
//                       typing a digit and deleting it with Backspace, so every
//                       iteration is one whole keystroke. Every solid of the
//                       page description (SolidPages.h) is measured.
//   KeystrokeToScale/<solid>  the same with the draft panel open and "To scale" on:
//                       the figure drawn to scale follows each keystroke.
//   OpenWindow/<button> a click on a main-window button until the window it opens
//                       is painted for the first time; then it is closed with
//                       Escape, outside the measured time.
//   OpenFromComputationWindow/<item>  an item of a tank's computation window's
//                       options menu (level table, solving window, units and
//                       materials dialogs) until the window it opens is painted;
//                       then it is closed, outside the measured time.
//   OpenHelpWindow      the program's own help window with the English user guide.
//   OpenPlanimetricalFormulas  the plane-figure sheet from the solid sheet's menu.
//   StartUp             the main window created, shown and painted, then destroyed.
//
//     QT_QPA_PLATFORM=offscreen ./bench_ui --benchmark_repetitions=5
//
// As in the program, the idle warm-up (IdleWarmUp.h) runs to its end after the main
// window's first paint, before the first benchmark; --no_warm_up leaves it out, to
// see the first openings without it.
//
// Settings and language files live in temporary folders; nothing of the user's
// is read or written.
#include "AppTestEnvironment.h"
#include "Application.h"
#include "Computations.h"
#include "HelpWindow.h"
#include "IdleWarmUp.h"
#include "MainWindow.h"
#include "NumberParsing.h"
#include "Settings.h"
#include "SolidPages.h"
#include "StereometricalFormulas.h"
#include "Units.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

// --- Painted --------------------------------------------------------------------------

// Calls AThen once a window has been painted for the first time: after its Paint
// event and whatever the same update paints with it.
class TFirstPaint : public QObject {
public:
    TFirstPaint(QWidget* AWindow, std::function<void()> AThen)
        : FWindow(AWindow), FThen(std::move(AThen)) {
        AWindow->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AWatched == FWindow && AEvent->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            FWindow->removeEventFilter(this);
            QMetaObject::invokeMethod(this, FThen, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* FWindow;
    std::function<void()> FThen;
    bool FSeen = false;
};

void FinishDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TFormMain* MainWindow = nullptr;

// CPU time of this thread in nanoseconds: on a machine shared with other work the
// wall time waits for the processor too, this does not.
qint64 ThreadCpuNanoseconds() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Wall and CPU time from Start() to Stop(); the benchmark's time is the wall time,
// the counter CPU_ms the CPU time per iteration.
struct TStopwatch {
    QElapsedTimer Wall;
    qint64 CpuStart = 0;
    qint64 WallNs = -1;
    qint64 CpuNs = -1;
    void Start() {
        Wall.start();
        CpuStart = ThreadCpuNanoseconds();
    }
    void Stop() {
        WallNs = Wall.nsecsElapsed();
        CpuNs = ThreadCpuNanoseconds() - CpuStart;
    }
    bool Stopped() const { return WallNs >= 0; }
};

// Records the iteration's times; false (and the benchmark skipped) if never stopped.
bool Record(benchmark::State& AState, const TStopwatch& AWatch, double& ACpuTotal,
            double& AFirstCpu, const char* AFailure) {
    if (!AWatch.Stopped()) {
        AState.SkipWithError(AFailure);
        return false;
    }
    AState.SetIterationTime(double(AWatch.WallNs) * 1e-9);
    if (AFirstCpu < 0)
        AFirstCpu = double(AWatch.CpuNs) * 1e-6;
    ACpuTotal += double(AWatch.CpuNs) * 1e-6;
    return true;
}

// The CPU time of the first iteration in the process, by benchmark: Google
// Benchmark calls a benchmark several times while it settles the iterations.
double& FirstCpu(const std::string& ABenchmark) {
    static std::map<std::string, double> first;
    return first.try_emplace(ABenchmark, -1.0).first->second;
}

// CPU_ms: the mean CPU time per iteration. First_CPU_ms: the first iteration's in
// the process, when the window's pictures and fonts are met for the first time.
void ReportCpu(benchmark::State& AState, double ACpuTotal, double AFirstCpu) {
    AState.counters["CPU_ms"] = benchmark::Counter(ACpuTotal, benchmark::Counter::kAvgIterations);
    AState.counters["First_CPU_ms"] = AFirstCpu;
}

// Hands every event of the application to a function while it exists.
class TEventCatcher : public QObject {
public:
    explicit TEventCatcher(std::function<void(QObject*, QEvent*)> AOnEvent)
        : FOnEvent(std::move(AOnEvent)) {
        qApp->installEventFilter(this);
    }
    ~TEventCatcher() override { Stop(); }
    void Stop() { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        FOnEvent(AWatched, AEvent);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> FOnEvent;
};

// --- Keystroke to results ---------------------------------------------------------------

struct TPageInput {
    TVariant Variant;
    // Entries as name and text; the key is typed at the end of the last one.
    std::vector<std::pair<std::string, std::string>> Entries;
};

// The cases measured so far, one per solid; a solid not listed here is measured
// in its first variant with entries, each entry given 2, 3, 4, ... in turn.
const TPageInput PageInputs[] = {
    {vaCube, {{"Cube_A", "2"}}},
    {vaBlock, {{"Block_A", "2"}, {"Block_B", "3"}, {"Block_C", "4"}}},
    {vaSphere, {{"Sphere_R", "2"}}},
    {vaCone, {{"Cone_R", "3"}, {"Cone_V", "4"}}},
    {vaCylinder, {{"Cylinder_R", "2"}, {"Cylinder_V", "5"}}},
    {vaPyramid_NAngle, {{"Pyramid_N", "6"}, {"Pyramid_A", "2"}, {"Pyramid_V", "3"}}},
    {vaPrism_Triangle, {{"Prism_E1", "3"}, {"Prism_E2", "4"}, {"Prism_E3", "5"}, {"Prism_V", "2"}}},
    {vaTruncatedCone,
     {{"TruncatedCone_R2", "1"}, {"TruncatedCone_R1", "2"}, {"TruncatedCone_V", "3"}}},
    {vaTruncatedPyramid_NAngle,
     {{"TruncatedPyramid_N", "6"},
      {"TruncatedPyramid_E2", "2"},
      {"TruncatedPyramid_E3", "4"},
      {"TruncatedPyramid_V", "3"}}},
    {vaCylindricalTank,
     {{"CylindricalTank_R", "1"}, {"CylindricalTank_D", "2"}, {"CylindricalTank_H", "1"}}},
    {vaSphericalSegment_RadiusOfSegment,
     {{"SphericalSegment_R", "3"}, {"SphericalSegment_V", "1"}}},
    {vaSphericalSector, {{"SphericalSector_V", "1"}, {"SphericalSector_Ro", "3"}}},
    {vaSphericalFrustum,
     {{"SphericalFrustum_Ro2", "3"}, {"SphericalFrustum_V", "1"}, {"SphericalFrustum_Ro1", "4"}}},
};

TPageInput InputFor(TPage APage) {
    for (const TPageInput& input : PageInputs)
        if (VariantDesc(input.Variant).Page == APage)
            return input;
    TPageInput input{PageDesc(APage).StartVariant, {}};
    for (TVariant variant : PageDesc(APage).Variants)
        if (!VariantDesc(variant).Entries.empty()) {
            input.Variant = variant;
            break;
        }
    int value = 2;
    for (const TEntryPlace& place : VariantDesc(input.Variant).Entries)
        if (EntryDesc(place.Entry).Kind != ekChoice && place.FixedCount == 0)
            input.Entries.push_back({EntryDesc(place.Entry).Name, std::to_string(value++)});
    return input;
}

// Chooses AVariant with its page's controls as the user does.
void ChooseVariant(TFormComputations& AWindow, TVariant AVariant) {
    const TSelector& selector = VariantDesc(AVariant).Selector;
    if (selector.Control == vcNone)
        return;
    const TVariantControlDesc& control = VariantControlDesc(selector.Control);
    if (control.Kind == vkList) {
        auto* list = AWindow.findChild<QComboBox*>(QLatin1String(control.Name));
        list->setCurrentIndex(selector.Value);
        emit list->activated(selector.Value);
    } else if (auto* button = AWindow.findChild<QAbstractButton*>(QLatin1String(control.Name));
               !button->isChecked()) {
        button->click();
    }
}

void Keystroke(benchmark::State& AState, const TPageInput& AInput, bool AToScale) {
    {
        // The draft panel opens as it does by default; "To scale" is what differs.
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteBool(QString(), SettingNames::DraftToScale, AToScale);
    }
    TFormComputations window(MainWindow, VariantDesc(AInput.Variant).Page);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window)) {
        AState.SkipWithError("the window was not shown");
        return;
    }
    ChooseVariant(window, AInput.Variant);
    // The draft panel slid open, so that the drawing is painted.
    if (AToScale &&
        !QTest::qWaitFor([&window] { return window.width() == window.DraftClientWidth(); })) {
        AState.SkipWithError("the draft panel did not open");
        return;
    }
    QLineEdit* edit = nullptr;
    for (const auto& [name, text] : AInput.Entries) {
        edit = window.findChild<QLineEdit*>(QString::fromStdString(name));
        if (!edit) {
            AState.SkipWithError(name.c_str());
            return;
        }
        edit->setText(QString::fromStdString(text));
    }
    if (!edit) {
        AState.SkipWithError("no entry to type into");
        return;
    }
    edit->setFocus();
    edit->end(false);
    QCoreApplication::processEvents();

    auto* volume = window.findChild<QLabel*>(QStringLiteral("ResultVolume"));
    const QString before = volume->text();
    // Both keystrokes must give a result, or the cycle would stop early.
    QTest::keyClick(edit, Qt::Key_1);
    QCoreApplication::processEvents();
    const QString typed = volume->text();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCoreApplication::processEvents();
    if (typed == before || volume->text() != before || !window.SolidFigure()) {
        AState.SkipWithError(qPrintable(QStringLiteral("no new result: ") + before +
                                        QStringLiteral(" -> ") + typed));
        return;
    }

    bool digit = true;
    for (auto _ : AState) {
        QTest::keyClick(edit, digit ? Qt::Key_1 : Qt::Key_Backspace);
        // The panel's labels repaint in the update this posts.
        QCoreApplication::processEvents();
        digit = !digit;
    }
    window.close();
}

// --- Windows opened from the main window --------------------------------------------------

// Events are processed until AWatch stops (five seconds at most).
void WaitUntilStopped(const TStopwatch& AWatch) {
    QElapsedTimer limit;
    limit.start();
    while (!AWatch.Stopped() && limit.elapsed() < 5000)
        QCoreApplication::processEvents();
}

// AOpen opens a window: it is measured from there until that window (a top-level
// window other than the main window and AOpener) has been painted for the first
// time, then AClose closes it, outside the time. AName keys the first opening.
void MeasureOpenings(benchmark::State& AState, const std::string& AName, const QWidget* AOpener,
                     const std::function<void()>& AOpen,
                     const std::function<void(QWidget*)>& AClose) {
    double cpu = 0;
    double& firstCpu = FirstCpu(AName);
    for (auto _ : AState) {
        TStopwatch stopwatch;
        std::unique_ptr<TFirstPaint> watch;
        // The window is caught at its Show event (a modal one once exec() shows it).
        TEventCatcher catcher([&](QObject* AWatched, QEvent* AEvent) {
            if (AEvent->type() != QEvent::Show || watch || !AWatched->isWidgetType())
                return;
            auto* window = static_cast<QWidget*>(AWatched);
            if (!window->isWindow() || window == MainWindow || window == AOpener)
                return;
            watch = std::make_unique<TFirstPaint>(window, [&, window] {
                stopwatch.Stop();
                AClose(window);
            });
        });
        stopwatch.Start();
        AOpen();
        // A modal window's exec() has returned by now; another window is waited for.
        WaitUntilStopped(stopwatch);
        catcher.Stop();
        if (!Record(AState, stopwatch, cpu, firstCpu, "the window was not painted"))
            return;
        watch.reset();
        FinishDeletions();
    }
    ReportCpu(AState, cpu, firstCpu);
}

// A click on AButtonName; the modal window it opens is measured until painted,
// then closed with Escape.
void OpenWindow(benchmark::State& AState, const char* AButtonName) {
    auto* button = MainWindow->findChild<QAbstractButton*>(QLatin1String(AButtonName));
    if (!button) {
        AState.SkipWithError("no such button");
        return;
    }
    MeasureOpenings(
        AState, AButtonName, nullptr, [button] { button->click(); },
        [](QWidget* AWindow) { QTest::keyClick(AWindow, Qt::Key_Escape); });
}

void OpenPlanimetricalFormulas(benchmark::State& AState) {
    TFormStereometricalFormulas sheet(MainWindow);
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet)) {
        AState.SkipWithError("the sheet was not shown");
        return;
    }
    double cpu = 0;
    double& firstCpu = FirstCpu("Planimetrical");
    for (auto _ : AState) {
        TStopwatch stopwatch;
        stopwatch.Start();
        sheet.MPlanimetryClick();
        QPointer<QWidget> planimetrical = sheet.PlanimetricalFormulas();
        TFirstPaint watch(planimetrical, [&] { stopwatch.Stop(); });
        WaitUntilStopped(stopwatch);
        if (!Record(AState, stopwatch, cpu, firstCpu, "the sheet was not painted"))
            return;
        planimetrical->close();
        FinishDeletions();
    }
    ReportCpu(AState, cpu, firstCpu);
}

// The program's own help window with the English user guide (for a desktop with no
// browser), until painted; then closed.
void OpenHelpWindow(benchmark::State& AState) {
    MeasureOpenings(
        AState, "Help", nullptr,
        [] {
            TFormHelp window(MainWindow, QStringLiteral(KAVORIN_SOURCE_DIR "/help/Help_EN.html"),
                             QStringLiteral("Help"));
            window.exec();
        },
        [](QWidget* AWindow) { AWindow->close(); });
}

// --- Windows opened from a computation window ---------------------------------------------

// The item AActionName of the options menu of a tank's computation window; the
// window it opens (the level table, the solving window, the units and materials
// dialogs) is measured until painted, then closed (a dialog's exec() returns, a side
// window hides). Lengths are in centimetres (materials are chosen for lengths with a
// unit), then as they were.
struct TUnitsRestored {
    const TUnitChoice Units = ReadUnitChoice();
    ~TUnitsRestored() { WriteUnitChoice(Units); }
};

void OpenFromComputationWindow(benchmark::State& AState, const char* AActionName) {
    const TUnitsRestored restored;
    TUnitChoice centimetres = restored.Units;
    centimetres.Length = luCentimetre;
    WriteUnitChoice(centimetres);
    TFormComputations computation(MainWindow, pgCylindricalTank);
    computation.show();
    auto* action = computation.findChild<QAction*>(QLatin1String(AActionName));
    if (!action || !QTest::qWaitForWindowExposed(&computation)) {
        AState.SkipWithError("no such item, or the computation window was not shown");
        return;
    }
    MeasureOpenings(
        AState, AActionName, &computation, [action] { action->trigger(); },
        [](QWidget* AWindow) { AWindow->close(); });
}

// --- Start-up -----------------------------------------------------------------------------

void StartUp(benchmark::State& AState) {
    double cpu = 0;
    double& firstCpu = FirstCpu("StartUp");
    for (auto _ : AState) {
        TStopwatch stopwatch;
        stopwatch.Start();
        {
            TFormMain window;
            TFirstPaint watch(&window, [&] { stopwatch.Stop(); });
            window.show();
            WaitUntilStopped(stopwatch);
        }
        if (!Record(AState, stopwatch, cpu, firstCpu, "the main window was not painted"))
            return;
        FinishDeletions();
    }
    ReportCpu(AState, cpu, firstCpu);
}

// Every solid of the page description, by its name, then the main window's other windows.
void RegisterBenchmarks() {
    std::vector<std::string> buttons;
    for (int i = 0; i < PageCount; ++i) {
        const TPage page = TPage(i);
        const std::string solid = PageDesc(page).Solid();
        buttons.push_back("B" + solid);
        for (const bool toScale : {false, true})
            benchmark::RegisterBenchmark(
                ((toScale ? "KeystrokeToScale/" : "Keystroke/") + solid).c_str(),
                [input = InputFor(page), toScale](benchmark::State& AState) {
                    Keystroke(AState, input, toScale);
                })
                ->Unit(benchmark::kMicrosecond);
    }
    for (const char* button : {"BFormulas", "BSettings", "BAbout"})
        buttons.push_back(button);
    for (const std::string& button : buttons)
        benchmark::RegisterBenchmark(
            ("OpenWindow/" + button).c_str(),
            [button](benchmark::State& AState) { OpenWindow(AState, button.c_str()); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    for (const char* action : {"MLevelTable", "MSolve", "MUnits", "MMaterials"})
        benchmark::RegisterBenchmark(
            (std::string("OpenFromComputationWindow/") + action).c_str(),
            [action](benchmark::State& AState) { OpenFromComputationWindow(AState, action); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OpenHelpWindow", OpenHelpWindow)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OpenPlanimetricalFormulas", OpenPlanimetricalFormulas)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartUp", StartUp)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

// The offscreen platform's notes on what it cannot do (raise, size hints) would
// bury the figures; every other message passes.
QtMessageHandler PreviousHandler = nullptr;

void DropPlatformNotes(QtMsgType AType, const QMessageLogContext& AContext, const QString& AText) {
    if (AText.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (PreviousHandler)
        PreviousHandler(AType, AContext, AText);
}

} // namespace

int main(int argc, char** argv) {
    bool warmUp = true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--no_warm_up") == 0) {
            warmUp = false;
            for (int j = i; j < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    PreviousHandler = qInstallMessageHandler(DropPlatformNotes);
    TApplication app(argc, argv);
    SetDecimalSeparatorProvider(SystemDecimalSeparator);
    QApplication::setStyle(new TKavorinStyle);

    int result = 0;
    {
        GuiTest::TAppTestEnvironment environment;
        TFormMain mainWindow;
        mainWindow.show();
        (void)QTest::qWaitForWindowExposed(&mainWindow);
        if (warmUp) {
            // Each step timed: the longest is what input may wait for at worst.
            qint64 longest = 0;
            TWarmUpSteps steps;
            for (TWarmUpStep& step : RegisteredWarmUpSteps())
                steps.push_back([&longest, step = std::move(step)] {
                    const qint64 start = ThreadCpuNanoseconds();
                    step();
                    longest = std::max(longest, ThreadCpuNanoseconds() - start);
                });
            TIdleWarmUp idle(std::move(steps), &mainWindow);
            const qint64 start = ThreadCpuNanoseconds();
            idle.Start();
            while (idle.Running())
                QCoreApplication::processEvents();
            std::fprintf(stderr, "Idle warm-up: %d steps, %.1f ms CPU, longest step %.1f ms\n",
                         idle.Done(), double(ThreadCpuNanoseconds() - start) * 1e-6,
                         double(longest) * 1e-6);
        }
        MainWindow = &mainWindow;
        RegisterBenchmarks();
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            result = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        MainWindow = nullptr;
    }
    return result;
}
