// The window's own costs, offscreen: painting the whole dot grid of a 48 x 56 font, and the main
// window from construction to its first paint: the first window of the process (fonts, styles
// and pictures loaded cold, one iteration), then again empty and with a 48 x 56 font open. Each
// run reports the process's peak resident memory so far as the counter peak_rss_kib.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <memory>
#include <random>

#include "bench_host.h"
#include "commands/new_font.h"
#include "commands/params_dialog.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "gui/dot_grid_widget.h"
#include "gui/main_window.h"
#include "model/formats.h"
#include "model/glyph_packing.h"

namespace pixmora {
namespace {

constexpr int kLargestFormat = 8;  // 48 x 56

// Fills the parameters dialog with 48 x 56, "вертикально 1" and presses "ОК".
class NewFontHost : public bench::BenchHost {
  public:
    std::optional<ParamsChoice> RunParamsDialog(Editor& ed) override {
        ParamsDialogState dialog = OpenParamsDialog(ed);
        ChooseDialogFormat(ed, *this, dialog, kLargestFormat);
        ClickScanOption(*this, dialog, kScanVertical1);
        return ConfirmParamsDialog(*this, dialog);
    }
};

// A new 48 x 56 font whose current character is drawn with random dots.
void OpenLargestFont(Editor& ed) {
    NewFontHost host;
    NewFont(ed, host);
    std::mt19937 random(3);
    const int bytes = ed.params.BytesPerChar;
    for (int k = 0; k < bytes; ++k) {
        ed.font.FontImage[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(random());
    }
    ShowGlyph(ed.font, 0, ed.params.CellWidth, ed.params.CellHeight, ed.params.FontByteScan);
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
}

void WindowToFirstPaint(benchmark::State& state, bool fontOpen);

// Registered first so that it runs before any other widget exists.
void BM_FirstMainWindowOfTheProcess(benchmark::State& state) {
    WindowToFirstPaint(state, false);
}
BENCHMARK(BM_FirstMainWindowOfTheProcess)
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);

void BM_PaintDotGrid48x56(benchmark::State& state) {
    auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    OpenLargestFont(*ed);
    DotGridWidget grid(*ed);
    grid.resize(grid.sizeHint());
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_PaintDotGrid48x56)->Unit(benchmark::kMicrosecond);

// Notes the first paint of the window's central area.
class FirstPaint : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// Construction, show, and the events up to the first paint; with `fontOpen` a 48 x 56 font is
// made through "Создать" between construction and show, as the user would before editing.
void WindowToFirstPaint(benchmark::State& state, bool fontOpen) {
    for (auto _ : state) {
        MainWindow window;
        if (fontOpen) {
            OpenLargestFont(window.editor());
            window.Render();
        }
        FirstPaint watcher;
        window.centralWidget()->installEventFilter(&watcher);
        window.show();
        while (!watcher.painted) {
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        window.close();
        window.centralWidget()->removeEventFilter(&watcher);
        state.ResumeTiming();
    }
    ReportPeakMemory(state);
}

void BM_MainWindowToFirstPaint(benchmark::State& state) {
    WindowToFirstPaint(state, false);
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_MainWindowWith48x56FontToFirstPaint(benchmark::State& state) {
    WindowToFirstPaint(state, true);
}
BENCHMARK(BM_MainWindowWith48x56FontToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
