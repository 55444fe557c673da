#include "render/TransferRegion.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "render/CodePoints.h"
#include "render/ColorRules.h"
#include "render/PageFormat.h"

namespace glimmet {

namespace {

constexpr uint32_t kLow24 = 0xFFFFFF;

// 16-bit signed arithmetic with overflow detection: the result lands in `out` only when it fits.
bool Fits16(int32_t value) {
    return value >= -32768 && value <= 32767;
}
bool Sub16(int32_t a, int32_t b, int32_t& out) {
    out = a - b;
    return Fits16(out);
}
bool Add16(int32_t a, int32_t b, int32_t& out) {
    out = a + b;
    return Fits16(out);
}
bool Mul16(int32_t a, int32_t b, int32_t& out) {
    out = a * b;  // both operands fit 16 bits, so the product fits 32
    return Fits16(out);
}

// The colour a character is drawn in: the absolute value of the sample, as white when that lies
// above 0xFFFFFF (a complemented sample under the invert comparison).
uint32_t CharacterColour(int32_t sample) {
    if (sample == std::numeric_limits<int32_t>::min()) return kLow24;
    const auto magnitude = static_cast<uint32_t>(std::abs(sample));
    return magnitude > kLow24 ? kLow24 : magnitude;
}

class Walk {
  public:
    Walk(const RenderState& live, Region region, const std::string& fillText, WalkPorts& ports)
        : live_(live),
          region_(region),
          fillText_(fillText),
          characters_(SplitCodePoints(fillText_)),
          ports_(ports),
          keepsMarks_(ports.canvas.KeepsMarks()) {}

    WalkOutcome Run();

  private:
    // A failing step: ends the walk (returns true) unless the walk is in its skipping mode.
    bool Fails(WalkFailure failure) {
        if (skipping_) return false;
        outcome_.failure = failure;
        return true;
    }
    bool Sample(int32_t x, int32_t y);  // false: the walk ends
    bool Mark(int32_t x, int32_t y, int32_t colour);
    void ShowProgress();
    void WriteSampleLine(bool passing, int32_t colour);
    void AppendLine(std::string_view line) { ports_.page.AppendLine(live_.PagePath, line); }
    void Finish();

    const RenderState& live_;
    const Region region_;
    const std::string fillText_;
    const std::vector<std::string_view> characters_;
    WalkPorts& ports_;
    const bool keepsMarks_;
    WalkOutcome outcome_;
    bool skipping_ = false;
    int32_t counter_ = 0;
    bool counterStuck_ = false;  // the counter hit its limit in the skipping mode and stays there
    int32_t progress_ = 0;
    int32_t interval_ = 0;
    int32_t untilProgress_ = 0;  // samples left to the next multiple of the interval
    int16_t characterIndex_ = 0;
    int32_t yieldEvery_ = 1;
    int32_t untilYieldCheck_ = 1;
    // Each character's two sample lines, made at the first one: the failing line, and the passing
    // line whose six colour digits are written in place for each sample, so a sample costs no
    // formatting.
    struct SampleLines {
        std::string passing, failing;
    };
    std::vector<SampleLines> sampleLines_;
};

WalkOutcome Walk::Run() {
    int32_t rows = 0, columns = 0;
    const int16_t yStep = live_.Yst;
    const int16_t xStep = live_.Xst;
    if (!Sub16(region_.y1, region_.y0, rows) || !Sub16(region_.x1, region_.x0, columns)) {
        outcome_.failure = WalkFailure::RegionOverflow;
        return outcome_;
    }
    if (yStep == 0 || xStep == 0) {
        outcome_.failure = WalkFailure::ZeroStep;
        return outcome_;
    }
    // Grid units per progress update, in this order and in double precision, then cut toward zero.
    // An interval of 0 (fewer than 100 grid units) shows no progress at all.
    const double units = (static_cast<double>(rows) / yStep) * (static_cast<double>(columns) / xStep) / 100;
    interval_ = static_cast<int32_t>(units);
    untilProgress_ = interval_ < 0 ? -interval_ : interval_;
    yieldEvery_ = std::max<int32_t>(1, ports_.host.YieldCheckInterval());
    untilYieldCheck_ = yieldEvery_;

    if (live_.FillMode == kFillPage) {
        for (auto line : page::kHeaderBeforeTitle) AppendLine(line);
        std::string title(page::kTitleOpen);
        page::AppendEscaped(title, fillText_);
        title += page::kTitleClose;
        AppendLine(title);
        for (auto line : page::kHeaderAfterTitle) AppendLine(line);
    }

    // Read once more: the row step for the whole walk. Nothing ran since the check above, so it is
    // not 0.
    const int32_t rowStep = live_.Yst;
    for (int32_t y = region_.y0; rowStep > 0 ? y <= region_.y1 : y >= region_.y1;) {
        const int32_t columnStep = live_.Xst;
        if (columnStep == 0) {  // would never leave the row, skipping mode or not
            outcome_.failure = WalkFailure::ZeroStep;
            Finish();
            return outcome_;
        }
        for (int32_t x = region_.x0; columnStep > 0 ? x <= region_.x1 : x >= region_.x1;) {
            if (!Sample(x, y)) {
                Finish();
                return outcome_;
            }
            if (!Add16(x, columnStep, x)) {
                if (Fails(WalkFailure::LoopOverflow)) {
                    Finish();
                    return outcome_;
                }
                break;  // the row ends
            }
        }
        if (live_.FillMode == kFillPage) AppendLine(page::kRowEnd);
        if (!Add16(y, rowStep, y)) {
            if (Fails(WalkFailure::LoopOverflow)) {
                Finish();
                return outcome_;
            }
            break;  // the walk ends
        }
    }

    if (live_.FillMode == kFillPage) {
        for (auto line : page::kClosing) AppendLine(line);
        ports_.page.Flush();
        if (ports_.page.LostLines() == 0)
            ports_.host.PageWritten();
        else
            ports_.host.PageIncomplete(ports_.page.LostLines(), ports_.page.LossReason());
    }
    Finish();
    ports_.host.ShowDone();
    return outcome_;
}

void Walk::Finish() {
    ports_.page.Flush();
}

bool Walk::Sample(int32_t x, int32_t y) {
    // a. Let the user act; every page line so far is on disk before that.
    if (--untilYieldCheck_ == 0) {
        untilYieldCheck_ = yieldEvery_;
        if (ports_.host.YieldDue()) {
            ports_.page.Flush();
            ports_.host.Yield();
            if (ports_.host.StopRequested()) {
                outcome_.failure = WalkFailure::Stopped;
                return false;
            }
        }
    }
    // b, c. Count the sample; every multiple of the interval shows progress.
    ++outcome_.samples;
    if (counter_ == std::numeric_limits<int32_t>::max()) {
        if (Fails(WalkFailure::CounterOverflow)) return false;
        counterStuck_ = true;
    } else {
        ++counter_;
    }
    if (interval_ != 0) {
        if (counterStuck_) {
            if (counter_ % interval_ == 0) ShowProgress();
        } else if (--untilProgress_ == 0) {
            untilProgress_ = interval_ < 0 ? -interval_ : interval_;
            ShowProgress();
        }
    }
    // d. The fill text runs on over the whole grid, passing samples or not.
    if (characterIndex_ == std::numeric_limits<int16_t>::max()) {
        if (Fails(WalkFailure::CounterOverflow)) return false;
    } else if (++characterIndex_ > static_cast<int32_t>(characters_.size())) {
        characterIndex_ = 1;
    }
    // e, f.
    return Mark(x, y, ports_.source.GetPixel(x, y));
}

void Walk::ShowProgress() {
    skipping_ = true;
    ++progress_;
    ports_.host.ShowProgress(progress_);
}

bool Walk::Mark(int32_t x, int32_t y, int32_t colour) {
    const int16_t fillMode = live_.FillMode;
    if (fillMode < kFillPoints || fillMode > kFillPage) return true;
    const bool passes = ColorMatches(colour, live_.col, live_.METH, live_.Tolerance);
    if (passes) ++outcome_.passed;
    auto character = [&] {
        return characters_.empty() ? std::string_view()
                                   : characters_[static_cast<size_t>(characterIndex_ - 1)];
    };

    // The output position, in 16 bits with the zoom of this moment. Only computed where a mark needs it.
    int32_t dx = 0, dy = 0, X = 0, Y = 0;
    const int32_t zoom = live_.ZOOM;
    auto place = [&] {
        return Sub16(x, region_.x0, dx) && Mul16(dx, zoom, X) && Sub16(y, region_.y0, dy) &&
               Mul16(dy, zoom, Y);
    };

    if (fillMode == kFillPage) {
        // The page comes first: a preview character that cannot be placed is dropped, its line is not.
        WriteSampleLine(passes, colour);
        if (keepsMarks_ && place())
            ports_.canvas.Character(X, Y, character(), passes ? CharacterColour(colour) : 0);
        return true;
    }
    if (!passes) return true;
    if (!place()) return !Fails(WalkFailure::CoordinateOverflow);
    const auto low24 = static_cast<uint32_t>(colour) & kLow24;
    switch (fillMode) {
        case kFillPoints:
            ports_.canvas.Point(X, Y, low24);
            break;
        case kFillCircles: {
            int32_t sum = 0;
            if (!Add16(live_.Xst, live_.Yst, sum)) return !Fails(WalkFailure::CoordinateOverflow);
            ports_.canvas.Circle(X, Y, sum / 2, low24);
            break;
        }
        case kFillSquares: {
            const int32_t xStep = live_.Xst, yStep = live_.Yst;
            int32_t farX = 0, farY = 0;
            if (!Add16(dx, xStep, farX) || !Mul16(farX, zoom, farX) || !Add16(dy, yStep, farY) ||
                !Mul16(farY, zoom, farY)) {
                return !Fails(WalkFailure::CoordinateOverflow);
            }
            ports_.canvas.Box(X, Y, farX, farY, low24);
            break;
        }
        default:
            ports_.canvas.Character(X, Y, character(), CharacterColour(colour));
            break;
    }
    return true;
}

void Walk::WriteSampleLine(bool passes, int32_t colour) {
    if (sampleLines_.empty()) {
        const std::vector<std::string_view> none = {std::string_view()};
        for (const std::string_view character : characters_.empty() ? none : characters_) {
            SampleLines& lines = sampleLines_.emplace_back();
            lines.passing.append(page::kPassingOpen).append(6, '0').append(page::kPassingMiddle);
            lines.failing.append(page::kFailingOpen);
            for (std::string* line : {&lines.passing, &lines.failing}) {
                page::AppendEscaped(*line, character);
                line->append(page::kSampleClose);
            }
        }
    }
    SampleLines& lines = sampleLines_[characters_.empty() ? 0 : static_cast<size_t>(characterIndex_ - 1)];
    if (!passes) {
        AppendLine(lines.failing);
        return;
    }
    ColorToHexText(colour, lines.passing.data() + page::kPassingOpen.size());
    AppendLine(lines.passing);
}

}  // namespace

WalkOutcome TransferRegion(const RenderState& live, Region region, const std::string& fillText,
                           WalkPorts& ports) {
    return Walk(live, region, fillText, ports).Run();
}

}  // namespace glimmet
