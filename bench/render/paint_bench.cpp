// Painting a full 50 x 50 crossword of clue squares (four text lines and two arrows each)
// into a 10000 x 10000 image, beside filling that image once. The painting should stay
// within a few fills.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <chrono>

#include "drawing/output/fontsubstitutes.h"
#include "drawing/output/qtsurface.h"
#include "drawing/render/drawsettings.h"
#include "drawing/render/paintgrid.h"

namespace {

constexpr int kSide = 10000;
constexpr int kSquares = 50;

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "render_paint_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = [] {
        auto* made = new QGuiApplication(argc, argv);
        output::InstallFontSubstitutes();
        return made;
    }();
    return *app;
}

QImage& Image() {
    static QImage image(kSide, kSide, QImage::Format_RGB32);
    return image;
}

render::CrosswordView FullCrossword() {
    render::CrosswordView view;
    view.doc = document::Crossword(kSquares, kSquares);
    for (int c = 1; c <= kSquares; ++c)
        for (int r = 1; r <= kSquares; ++r)
            view.doc.grid.At(c, r) = document::KPoint("Frugt|Farve|^|Stor|by|]", 20, 0, 100, 0);
    view.solutionFont = render::drawSettings().solutionFont;
    view.clueFont = render::drawSettings().clueFont;
    view.zoom = 1.0;
    view.squeeze = 1.0;
    return view;
}

// Client height that gives squares filling the image: (rows + 2) x 196 pixels.
constexpr int kClientHeight = (kSquares + 2) * ((kSide - 40) / kSquares);

void BM_FillImage(benchmark::State& state) {
    App();
    QImage& image = Image();
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = double(kSide) * kSide;
}
BENCHMARK(BM_FillImage)->Unit(benchmark::kMillisecond);

void BM_PaintGrid(benchmark::State& state) {
    App();
    QImage& image = Image();
    render::CrosswordView view = FullCrossword();
    const render::Rect area{0, 0, kSide, kSide};
    using Clock = std::chrono::steady_clock;
    // One fill timed beside the painting, for the ratio.
    const auto fillStart = Clock::now();
    image.fill(Qt::white);
    const double fillSeconds = std::chrono::duration<double>(Clock::now() - fillStart).count();
    double paintSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        QPainter painter(&image);
        output::QtSurface surface(painter, area);
        render::PaintGrid(view, surface, area, kClientHeight, render::PaintFlags{});
        painter.end();
        paintSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["square"] = view.squareHeight;
    state.counters["fill_ms"] = fillSeconds * 1000;
    state.counters["paint_per_fill"] =
        paintSeconds / static_cast<double>(state.iterations()) / fillSeconds;
}
BENCHMARK(BM_PaintGrid)->Unit(benchmark::kMillisecond);

}  // namespace
