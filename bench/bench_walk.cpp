// The walk over a 1024 × 1024 grid per fill mode, drawing into a real output picture with the
// same canvas the window and the batch command use. Items per second are samples per second.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/BenchPicture.h"
#include "picture/GlyphCache.h"
#include "picture/ImagePixelSource.h"
#include "picture/OutputFont.h"
#include "picture/RasterCanvas.h"
#include "render/PageFile.h"
#include "render/TransferRegion.h"

namespace glimmet {
namespace {

constexpr int kSide = 1024;

// Never yields: the window's own yield pacing is measured by its own benchmark.
class QuietHost final : public WalkHost {
  public:
    int32_t YieldCheckInterval() const override { return 64; }
    bool YieldDue() override { return false; }
    void Yield() override {}
    void ShowProgress(int32_t) override {}
    void ShowDone() override {}
    void PageWritten() override {}
    void PageIncomplete(int64_t, const std::string&) override {}
};

void Walk(benchmark::State& state, int16_t fillMode, int16_t step) {
    const QImage picture = bench::BusyPicture(kSide);
    QImage output(kSide * step + 1, kSide * step + 1, QImage::Format_RGB32);
    output.fill(Qt::black);
    GlyphCache glyphs(OutputFont());
    RasterCanvas canvas(&output, glyphs);
    ImagePixelSource source(picture);
    QuietHost host;
    PageFile page;
    WalkPorts ports{source, canvas, host, page};
    RenderState live;
    live.FillMode = fillMode;
    live.Xst = step;
    live.Yst = step;
    const Region region{0, 0, static_cast<int16_t>((kSide - 1) * step),
                        static_cast<int16_t>((kSide - 1) * step)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(TransferRegion(live, region, "Текст", ports));
    }
    state.SetItemsProcessed(state.iterations() * int64_t{kSide} * kSide);
}

BENCHMARK_CAPTURE(Walk, points, kFillPoints, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Walk, circles, kFillCircles, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Walk, squares, kFillSquares, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Walk, characters, kFillText, 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
