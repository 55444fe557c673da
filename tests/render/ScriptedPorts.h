#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "render/TransferRegion.h"

namespace glimmet::testing {

// A source picture given by a function; every read is recorded.
class ScriptedSource final : public PixelSource {
  public:
    std::function<int32_t(int32_t, int32_t)> colourAt = [](int32_t, int32_t) { return 0; };
    std::vector<std::pair<int32_t, int32_t>> reads;
    int32_t GetPixel(int32_t x, int32_t y) override {
        reads.emplace_back(x, y);
        return colourAt(x, y);
    }
};

// Records every mark as a short text: "P x y c", "C x y r c", "B x1 y1 x2 y2 c", "T x y 'ch' c" (c in hex).
class RecordingCanvas final : public MarkCanvas {
  public:
    std::vector<std::string> marks;
    void Point(int32_t x, int32_t y, uint32_t c) override { Add("P", {x, y}, c); }
    void Circle(int32_t x, int32_t y, int32_t r, uint32_t c) override { Add("C", {x, y, r}, c); }
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t c) override {
        Add("B", {x1, y1, x2, y2}, c);
    }
    void Character(int32_t x, int32_t y, std::string_view ch, uint32_t c) override {
        marks.push_back("T " + std::to_string(x) + " " + std::to_string(y) + " '" + std::string(ch) + "' " +
                        Hex(c));
    }

  private:
    static std::string Hex(uint32_t c) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", c);
        return text;
    }
    void Add(const char* kind, std::initializer_list<int32_t> values, uint32_t c) {
        std::string text = kind;
        for (int32_t v : values) text += " " + std::to_string(v);
        marks.push_back(text + " " + Hex(c));
    }
};

// Keeps the page's lines in memory per path. Lines for a path listed in `failing` are lost, and,
// as on a disk, the loss is known only once they are flushed.
class MemoryPage final : public LineWriter {
  public:
    std::map<std::string, std::vector<std::string>> files;
    std::vector<std::string> failing;
    int64_t lost = 0, unflushedLost = 0, unflushed = 0;
    void AppendLine(const std::string& path, std::string_view line) override {
        ++unflushed;
        if (std::find(failing.begin(), failing.end(), path) != failing.end())
            ++unflushedLost;
        else
            files[path].emplace_back(line);
    }
    void Flush() override { lost += std::exchange(unflushedLost, 0), unflushed = 0; }
    int64_t LostLines() const override { return lost; }
    std::string LossReason() const override { return lost ? "No space left on device" : ""; }
};

// Yields after every sample and runs `between(k)` between sample k and k + 1 (k counts from 1).
class ScriptedHost final : public WalkHost {
  public:
    std::function<void(int)> between = [](int) {};
    std::vector<std::string> statuses;
    int yields = 0;
    int pagesWritten = 0;
    bool stop = false;
    int32_t yieldCheckInterval = 1;
    const MemoryPage* page = nullptr;  // when set, every line must be on disk before a handler runs
    std::vector<std::pair<int64_t, std::string>> incomplete;
    bool YieldDue() override { return true; }
    int32_t YieldCheckInterval() const override { return yieldCheckInterval; }
    void Yield() override {
        if (page) {
            EXPECT_EQ(page->unflushed, 0) << "lines not on disk at yield " << yields + 1;
        }
        between(++yields);
    }
    bool StopRequested() const override { return stop; }
    // Progress as the count of updates, the end as "done".
    void ShowProgress(int32_t updates) override { statuses.push_back(std::to_string(updates)); }
    void ShowDone() override { statuses.emplace_back("done"); }
    void PageWritten() override { ++pagesWritten; }
    void PageIncomplete(int64_t lost, const std::string& reason) override {
        incomplete.emplace_back(lost, reason);
    }
};

// Everything a walk needs, scripted; `Run` walks with `live` as the window's state.
struct Rig {
    ScriptedSource source;
    RecordingCanvas canvas;
    ScriptedHost host;
    MemoryPage page;
    WalkPorts ports{source, canvas, host, page};
    Rig() { host.page = &page; }
    // However the walk ends, every line it wrote is on disk.
    WalkOutcome Run(const RenderState& live, Region region, const std::string& fillText = "text") {
        const WalkOutcome outcome = TransferRegion(live, region, fillText, ports);
        EXPECT_EQ(page.unflushed, 0) << "lines not on disk when the walk ends";
        return outcome;
    }
};

}  // namespace glimmet::testing
