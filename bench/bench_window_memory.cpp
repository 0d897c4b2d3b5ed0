// What opening and closing a computation window leaves behind. Each cycle clicks
// a solid's button in the main window and closes the computation window with
// Escape, as the user does; the counters give the resident memory before and
// after the cycles and its growth per cycle.
//
//     QT_QPA_PLATFORM=offscreen ./bench_window_memory --benchmark_filter=BCone
//
// Settings and language files live in a temporary folder: nothing of the user's
// is read or written.
#include "Application.h"
#include "LanguageSupport.h"
#include "MainWindow.h"
#include "NumberParsing.h"
#include "Settings.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int Cycles = 1000;
constexpr int WarmUpCycles = 50;
// The window stays open this long (milliseconds), so that it is drawn with its
// draft and side windows, as the user sees it. KAVORIN_CLOSE_DELAY_MS overrides it.
const int CloseDelay = qEnvironmentVariableIsSet("KAVORIN_CLOSE_DELAY_MS")
                           ? qEnvironmentVariableIntValue("KAVORIN_CLOSE_DELAY_MS")
                           : 100;

// Resident set size in KiB, from /proc/self/statm.
double ResidentKiB() {
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return 0;
    long pages = 0, resident = 0;
    const int read = std::fscanf(file, "%ld %ld", &pages, &resident);
    std::fclose(file);
    return read == 2 ? double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0 : 0;
}

// Bytes allocated and not yet freed, in KiB (glibc).
double HeapInUseKiB() {
    return double(mallinfo2().uordblks) / 1024.0;
}

TFormMain* MainWindow = nullptr;

// One click on the button; the computation window it opens is closed with Escape
// once its modal loop runs. Deferred deletions are carried out before returning.
void OpenAndClose(QAbstractButton* AButton) {
    QTimer::singleShot(CloseDelay, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    AButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void OpenAndCloseComputationWindow(benchmark::State& AState, const char* AButtonName) {
    auto* button = MainWindow->findChild<QAbstractButton*>(QLatin1String(AButtonName));
    if (!button) {
        AState.SkipWithError("no such button");
        return;
    }
    for (int i = 0; i < WarmUpCycles; ++i)
        OpenAndClose(button);
    const double rssBefore = ResidentKiB();
    const double heapBefore = HeapInUseKiB();
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    for (auto _ : AState)
        OpenAndClose(button);
    const double cycles = double(AState.iterations());
    AState.counters["RSS_before_MiB"] = rssBefore / 1024.0;
    AState.counters["RSS_after_MiB"] = ResidentKiB() / 1024.0;
    AState.counters["RSS_KiB_per_cycle"] = (ResidentKiB() - rssBefore) / cycles;
    AState.counters["heap_KiB_per_cycle"] = (HeapInUseKiB() - heapBefore) / cycles;
    AState.counters["widgets_left"] = double(QApplication::allWidgets().size() - widgetsBefore);
}

} // namespace

BENCHMARK_CAPTURE(OpenAndCloseComputationWindow, BCone, "BCone")
    ->Iterations(Cycles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndCloseComputationWindow, BPyramid, "BPyramid")
    ->Iterations(Cycles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndCloseComputationWindow, BSphericalFrustum, "BSphericalFrustum")
    ->Iterations(Cycles)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    TApplication app(argc, argv);
    SetDecimalSeparatorProvider(SystemDecimalSeparator);
    QApplication::setStyle(new TKavorinStyle);

    QTemporaryDir settingsFolder;
    TSettingsStore::SetStoreFile(settingsFolder.filePath(QStringLiteral("Kavorin.ini")));
    QTemporaryDir programFolder;
    const QDir source(QStringLiteral(KAVORIN_SOURCE_DIR "/Languages"));
    QDir(programFolder.path()).mkpath(QStringLiteral("Languages"));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name),
                    programFolder.filePath(QStringLiteral("Languages/") + name));
    TLanguageEnvironment environment;
    environment.ExecutableFolder = programFolder.path();
    TLanguages languages(SettingsKeys::Program, SettingsKeys::SettingsSection, true,
                         std::move(environment));
    if (languages.StartUpFailed())
        return 1;
    Languages = &languages;

    int result = 0;
    {
        TFormMain mainWindow;
        mainWindow.show();
        MainWindow = &mainWindow;
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            result = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        MainWindow = nullptr;
    }
    Languages = nullptr;
    TSettingsStore::SetStoreFile(QString());
    return result;
}
