// The window, offscreen, at its own yield pacing:
// - the transfer of a 1024 × 1024 selection with points and with characters, the window large enough
//   to show the whole selection;
// - an 8192 × 8192 picture in a window of a full-HD screen: opening it from a BMP file, dragging the
//   selection corner and picking colours across the source box (time per mouse move, the repaint
//   included), and the transfer of a selection of the whole picture into the largest output picture.
// Reports each one's time and the longest wait a 1 ms timer saw meanwhile (how responsive the window
// stays: during a transfer, the longest time between the walk's yields), and for the large transfer
// the time until its walk first yields.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>

#include "bench/BenchPicture.h"
#include "widgets/DialogService.h"
#include "widgets/SourcePictureBox.h"
#include "window/MF.h"

namespace glimmet {
namespace {

constexpr int kSide = 1024;
constexpr int kLargeSide = 8192;

// The size message is answered at once.
class AnsweringDialogs final : public DialogService {
  public:
    MessageAnswer MsgBox(const QString&, MessageButtons, MessageIcon, const QString&) override {
        return MessageAnswer::Ok;
    }
    void ShowOpen(FileDialogSettings& settings) override { settings.FileName.clear(); }
    void ShowSave(FileDialogSettings& settings) override { settings.FileName.clear(); }
    std::optional<int32_t> GetInteger(const QString&, const QString&, int32_t, int32_t, int32_t) override {
        return std::nullopt;
    }
};

// A window of `width` × `height` pixels, borders and menu included.
std::unique_ptr<MF> Window(AnsweringDialogs& dialogs, float width, float height) {
    WindowOptions options;
    options.metrics = ScreenMetrics{15.0f, 15.0f};
    auto window = std::make_unique<MF>(dialogs, options);
    window->show();
    window->SetTwipsSize(15.0f * width, 15.0f * height);
    QApplication::processEvents();
    return window;
}

// Large enough that the source box shows a whole `side` × `side` picture.
std::unique_ptr<MF> ShowingWindow(AnsweringDialogs& dialogs, int side) {
    return Window(dialogs, 2.0f * (side + 40), (side + 200) / 0.9f);
}

// As large as a full-HD screen lets a window be.
std::unique_ptr<MF> ScreenWindow(AnsweringDialogs& dialogs) {
    return Window(dialogs, 1920, 1050);
}

// The longest wait of a 1 ms timer while it runs, from its first tick on, and when that came.
class WaitMeter {
  public:
    WaitMeter() {
        ticker_.setInterval(1);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            if (sinceTick_.isValid()) {
                longest_ = std::max(longest_, sinceTick_.elapsed());
            } else {
                first_ = std::max(first_, sinceStart_.elapsed());
            }
            sinceTick_.start();
        });
    }
    void Start() {
        sinceTick_.invalidate();
        sinceStart_.start();
        ticker_.start();
    }
    void Stop() { ticker_.stop(); }
    double LongestMs() const { return static_cast<double>(longest_); }
    double FirstMs() const { return static_cast<double>(first_); }

  private:
    QTimer ticker_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceTick_;
    qint64 longest_ = 0;
    qint64 first_ = 0;
};

// Transfers the whole of a busy `side` × `side` picture again and again.
void MeasureTransfers(benchmark::State& state, MF& window, int side) {
    window.Controls().source_pic->SetPicture(bench::BusyPicture(side));
    const auto last = static_cast<float>(side - 1);
    window.Controls().source_pic->SetSelection(ShapeRect{0, 0, last, last});
    WaitMeter meter;
    for (auto _ : state) {
        meter.Start();
        window.pic_transfer_Click();
        meter.Stop();
    }
    state.counters["longest_timer_wait_ms"] = meter.LongestMs();
    state.counters["first_yield_ms"] = meter.FirstMs();
    state.SetItemsProcessed(state.iterations() * int64_t{side} * side);
}

void Transfer(benchmark::State& state, bool characters) {
    AnsweringDialogs dialogs;
    const auto window = ShowingWindow(dialogs, kSide);
    if (characters) window->fill_as_text_Click();
    MeasureTransfers(state, *window, kSide);
}

// The large picture as a BMP file, written once.
QString LargePictureFile() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("large.bmp"));
        bench::BusyPicture(kLargeSide).save(file, "BMP");
        return file;
    }();
    return path;
}

void OpenLarge(benchmark::State& state) {
    const QString file = LargePictureFile();
    AnsweringDialogs dialogs;
    const auto window = ScreenWindow(dialogs);
    WaitMeter meter;
    for (auto _ : state) {
        meter.Start();
        window->OpenFile(file);
        meter.Stop();
        if (window->Controls().source_pic->Picture().width() != kLargeSide) state.SkipWithError("refused");
    }
    state.counters["longest_timer_wait_ms"] = meter.LongestMs();
}

// Moves over the source box with `button` held, along its diagonal, each one repainted; the time per
// move.
void MovesOverLarge(benchmark::State& state, Qt::MouseButton button) {
    AnsweringDialogs dialogs;
    const auto window = ScreenWindow(dialogs);
    window->Controls().source_pic->SetPicture(bench::BusyPicture(kLargeSide));
    SourcePictureBox* source = window->Controls().source_pic;
    const auto send = [source](QEvent::Type type, Qt::MouseButton changed, Qt::MouseButtons held, int at) {
        const QPointF local(at + source->Border(), at + source->Border());
        QMouseEvent event(type, local, source->mapToGlobal(local), changed, held, Qt::NoModifier);
        QCoreApplication::sendEvent(source, &event);
    };
    constexpr int kStep = 7;
    const int diagonal = std::min(source->InnerSize().width(), source->InnerSize().height());
    int at = 0;
    double longest = 0;
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at);
    send(QEvent::MouseButtonPress, button, button, at);
    for (auto _ : state) {
        at = (at + kStep) % diagonal;
        QElapsedTimer move;
        move.start();
        send(QEvent::MouseMove, Qt::NoButton, button, at);
        QApplication::processEvents();
        longest = std::max(longest, static_cast<double>(move.nsecsElapsed()) / 1e6);
    }
    send(QEvent::MouseButtonRelease, button, Qt::NoButton, at);
    state.counters["longest_move_ms"] = longest;
}

// The largest output picture: 8192 × 8192 samples, most of them beyond the box (white).
void TransferLarge(benchmark::State& state) {
    AnsweringDialogs dialogs;
    const auto window = ScreenWindow(dialogs);
    MeasureTransfers(state, *window, kLargeSide);
}

BENCHMARK_CAPTURE(Transfer, points, false)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);
BENCHMARK_CAPTURE(Transfer, characters, true)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
BENCHMARK(OpenLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK_CAPTURE(MovesOverLarge, drag, Qt::LeftButton)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(256);
BENCHMARK_CAPTURE(MovesOverLarge, pick, Qt::RightButton)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(256);
BENCHMARK(TransferLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace glimmet

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Qt refuses to decode pictures above 128 MB by default; an 8192 × 8192 one takes 256 MB.
    QImageReader::setAllocationLimit(1024);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
