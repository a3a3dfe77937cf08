// Start-up of the drawing program to its first painted crossword window, and one full repaint
// of a 50 x 50 crossword in a 1920 x 1080 window. Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <filesystem>
#include <unistd.h>

#include "drawing/document/kztfile.h"
#include "drawing/shell/trelmoapp.h"
#include "drawing/shell/trelmoframe.h"
#include "drawing/shell/trelmomdichild.h"
#include "drawing/shell/trelmomdiclient.h"
#include "drawing/shell/trelmowindow.h"
#include "platform/messages.h"

namespace {

namespace fs = std::filesystem;

// The application lives in main() below, so that it goes before the toolkit's own statics.
QApplication& qtApp() { return *qobject_cast<QApplication*>(QCoreApplication::instance()); }

// Half letter squares, half clue squares of three lines with an arrow.
document::Crossword bigCrossword() {
    document::Crossword doc(50, 50);
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            if ((x + y) % 2) {
                doc.grid.At(x, y).MakeLetter(static_cast<char>('A' + (x * y) % 26));
            } else {
                doc.grid.At(x, y) = document::KPoint("FIRST|LINE|^|THIRD", 30, 0, 100, 0);
            }
        }
    }
    return doc;
}

struct Fixture {
    fs::path dir;
    std::string crossword;
    platform::MessageRecorder quiet;
    Fixture() {
        qtApp();
        dir = fs::temp_directory_path() / ("trelmo-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        crossword = (dir / "big.kzt").string();
        document::Crossword doc = bigCrossword();
        document::Save(doc, crossword);
    }
    ~Fixture() { fs::remove_all(dir); }
};

Fixture* current = nullptr;
Fixture& fixture() { return *current; }

void BM_StartUpToFirstPaintedWindow(benchmark::State& state) {
    Fixture& f = fixture();
    platform::ScopedMessageService quiet(f.quiet);
    int round = 0;
    for (auto _ : state) {
        shell::TTrelmoApp app(f.dir.string());
        app.handOverBlock = "TrelmoBenchBlock-" + std::to_string(::getpid()) + "-" + std::to_string(round);
        app.handOverMessage = "TrelmoBenchMsg-" + std::to_string(::getpid()) + "-" + std::to_string(round++);
        app.InitInstance({});
        shell::TTrelmoMDIChild* child = app.frame()->client()->OpenCrossword(f.crossword);
        benchmark::DoNotOptimize(child->crosswordWindow()->viewport()->grab());
    }
}
BENCHMARK(BM_StartUpToFirstPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FullRepaint1920x1080(benchmark::State& state) {
    Fixture& f = fixture();
    platform::ScopedMessageService quiet(f.quiet);
    shell::TTrelmoWindow window;
    window.Load(f.crossword);
    window.resize(1920, 1080);
    window.show();
    QWidget* area = window.viewport();
    QImage target(area->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        area->render(&target);
    }
    state.counters["square_px"] = window.view.squareHeight;
}
BENCHMARK(BM_FullRepaint1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Headless unless told otherwise (test discovery runs without the test environment).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture fixture;
    current = &fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
