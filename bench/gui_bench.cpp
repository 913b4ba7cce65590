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
#include "gui/byte_pane_dock.h"
#include "gui/dot_grid_widget.h"
#include "gui/main_window.h"
#include "gui/text_preview_dock.h"
#include "model/code_page.h"
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

// Every character of the open 48 x 56 font drawn with random dots.
void DrawWholeFont(Editor& ed) {
    std::mt19937 random(5);
    for (int k = 0; k < kCharCount * ed.params.BytesPerChar; ++k) {
        ed.font.FontImage[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(random());
    }
}

// The text preview of a 60-character line drawn again (what follows every edit), at 1x..4x.
void BM_TextPreviewRefresh48x56(benchmark::State& state) {
    auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    OpenLargestFont(*ed);
    DrawWholeFont(*ed);
    bench::BenchHost host;
    TextPreviewDock dock(*ed, host, nullptr);
    dock.settings().text = "Съешь же ещё этих мягких французских булок, да выпей чаю. 01";
    dock.settings().scale = static_cast<int>(state.range(0));
    if (CodesOfUtf8(dock.settings().text).size() != 60) {
        state.SkipWithError("the line is not 60 characters long");
        return;
    }
    dock.show();
    for (auto _ : state) {
        dock.Refresh();
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_TextPreviewRefresh48x56)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// The byte inspector following the pointer from one dot to a dot of another byte: the pane's
// 336 bytes, its marks, the place text and the size figure (its text measured once).
void BM_InspectorPointerMove48x56(benchmark::State& state) {
    auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    OpenLargestFont(*ed);
    MakeCharCurrent(ed->font, 100, ed->params.BytesPerChar);
    DotGridWidget grid(*ed);
    ByteInspectorDock dock(*ed, grid, nullptr);
    dock.show();
    const int dots[] = {DotIndex(3, 5), DotIndex(50, 40)};
    int next = 0;
    for (auto _ : state) {
        dock.PointAt(dots[next]);
        next = 1 - next;
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_InspectorPointerMove48x56)->Unit(benchmark::kMicrosecond);

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
