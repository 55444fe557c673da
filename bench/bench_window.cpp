// The transfer through the real window, offscreen: a 1024 × 1024 selection with points and with
// characters, at the window's own yield pacing. Reports the transfer's time and the longest wait a
// 1 ms timer saw between the walk's yields (how responsive the window stays).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "bench/BenchPicture.h"
#include "platform/DialogService.h"
#include "platform/SourcePictureBox.h"
#include "window/MF.h"

namespace glimmet {
namespace {

constexpr int kSide = 1024;

// The size message is answered at once.
class AnsweringDialogs final : public DialogService {
  public:
    MessageAnswer MsgBox(const QString&, MessageButtons, MessageIcon, const QString&) override {
        return MessageAnswer::Ok;
    }
    void ShowOpen(FileDialogSettings& settings) override { settings.FileName.clear(); }
    void ShowSave(FileDialogSettings& settings) override { settings.FileName.clear(); }
};

void Transfer(benchmark::State& state, bool characters) {
    AnsweringDialogs dialogs;
    WindowOptions options;
    options.metrics = ScreenMetrics{15.0f, 15.0f};
    MF window(dialogs, options);
    window.show();
    // Large enough that the source box shows the whole picture.
    window.SetTwipsSize(15.0f * 2 * (kSide + 40), 15.0f * (kSide + 200) / 0.9f);
    QApplication::processEvents();
    window.Controls().source_pic->SetPicture(bench::BusyPicture(kSide));
    window.Controls().source_pic->SetSelection(ShapeRect{0, 0, kSide - 1, kSide - 1});
    if (characters) window.fill_as_text_Click();

    // The first tick comes at the walk's first yield; the waits from then on are the walk's.
    QElapsedTimer sinceTick;
    qint64 longestWait = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid()) longestWait = std::max(longestWait, sinceTick.elapsed());
        sinceTick.start();
    });
    for (auto _ : state) {
        sinceTick.invalidate();
        ticker.start();
        window.pic_transfer_Click();
        ticker.stop();
    }
    state.counters["longest_timer_wait_ms"] = static_cast<double>(longestWait);
    state.SetItemsProcessed(state.iterations() * int64_t{kSide} * kSide);
}

BENCHMARK_CAPTURE(Transfer, points, false)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);
BENCHMARK_CAPTURE(Transfer, characters, true)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
