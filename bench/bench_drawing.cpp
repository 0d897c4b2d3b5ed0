// A frame of the rotating drawing to scale at 1280 x 1024: what the view does for
// each movement of the pointer while the user drags, the layout for the next
// angle (projection, shading, hidden lines, letters) and its painting into an
// image of the screen's format, cleared first. One benchmark per sample solid of
// the tests (tests/common/SolidSamples.h); offscreen, the texts from a temporary
// language folder.
#include "FigureDrawing.h"
#include "GuiTestFixture.h"
#include "SolidSamples.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <ctime>

namespace {

TEntryValues ValuesOf(const QStringList& AEntries) {
    TEntryValues values;
    for (const QString& entry : AEntries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString text = entry.section(QLatin1Char('='), 1);
        for (int i = 0; i < EntryCount; ++i) {
            const TEntryDesc& desc = EntryDesc(TEntry(i));
            if (name != QLatin1String(desc.Name))
                continue;
            Extended value = 0;
            if (desc.Kind == ekChoice)
                value = text.toInt();
            else
                ReadEntryText(desc.Kind, text, value);
            values.Set(TEntry(i), value);
        }
    }
    return values;
}

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void RotatingFrame(benchmark::State& AState, const TFigureDrawing& ADrawing) {
    const QSize size(1280, 1024);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    TViewAngles view;
    double cpu = 0;
    for (auto _ : AState) {
        const double start = ThreadSeconds();
        view.Yaw += 0.05;
        image.fill(Qt::white);
        QPainter painter(&image);
        ADrawing.Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), view);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        cpu += ThreadSeconds() - start;
    }
    AState.counters["CPU_ms"] =
        benchmark::Counter(cpu * 1000 / double(AState.iterations()), benchmark::Counter::kDefaults);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    GuiTest::TSettingsSandbox sandbox;
    GuiTest::TLanguageSandbox texts;
    std::vector<SolidSamples::TSample> samples = SolidSamples::Samples();
    samples.push_back({QStringLiteral("needle"),
                       vaCylinder,
                       {QStringLiteral("Cylinder_R=0.001"), QStringLiteral("Cylinder_V=100")},
                       0,
                       0,
                       {}});
    std::vector<TFigureDrawing> drawings;
    drawings.reserve(samples.size());
    for (const SolidSamples::TSample& sample : samples) {
        drawings.push_back(TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries)));
        const TFigureDrawing* drawing = &drawings.back();
        benchmark::RegisterBenchmark(
            ("RotatingFrame/" + sample.Name).toStdString().c_str(),
            [drawing](benchmark::State& AState) { RotatingFrame(AState, *drawing); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
