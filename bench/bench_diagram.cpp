// A repaint of the "Frequency Response" diagram with four 4000-point curves
// in the window's default client size: onto an image through QtCanvas (what
// the window does), and onto a canvas that draws nothing (the diagram code
// alone, without the rasteriser).

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/bench_support.h"
#include "curves/diagram_set.h"
#include "diagram/diagram_image.h"
#include "diagram/painter.h"

namespace qv {
namespace {

using namespace bench;  // the shared client size, grid and application

// Four measured-looking responses, 10 Hz ... 24 kHz on a log grid.
Diagram FourCurves() {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    for (int j = 1; j <= 4; ++j) {
        PointList& p = d.Slot(j).points;
        p.clear();
        for (int i = 0; i < kPoints; ++i) {
            const double f = GridFrequency(i);
            const double level = -20 * j + 6 * std::sin(std::log(f) * 3 + j) +
                                 2 * std::sin(static_cast<double>(i) * 0.37);
            p.push_back({f, level});
        }
        d.Slot(j).name = "curve " + std::to_string(j);
    }
    return d;
}

class NullCanvas : public Canvas {
  public:
    void SetPen(PenStyle, std::uint32_t) override {}
    void SetBrush(BrushStyle, std::uint32_t) override {}
    void MoveTo(int x, int y) override { benchmark::DoNotOptimize(x + y); }
    void LineTo(int x, int y) override { benchmark::DoNotOptimize(x + y); }
    void Ellipse(int, int, int, int) override {}
    int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    void TextOut(int, int, const std::string&) override {}
};

void BM_RepaintFourCurvesImage(benchmark::State& state) {
    EnsureGuiApplication();
    Diagram d = FourCurves();
    for (auto _ : state) {
        const QImage image = RenderDiagramImage(d, kWidth, kHeight);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintFourCurvesImage)->Unit(benchmark::kMillisecond);

void BM_RepaintFourCurvesNullCanvas(benchmark::State& state) {
    Diagram d = FourCurves();
    NullCanvas c;
    for (auto _ : state) {
        const DiagramLabels labels = PaintDiagram(c, d, kWidth, kHeight);
        benchmark::DoNotOptimize(labels.titleRight);
    }
}
BENCHMARK(BM_RepaintFourCurvesNullCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv
