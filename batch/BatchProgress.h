#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace glimmet {

// The progress bar on standard error while that is a terminal: the share of the pictures done, with
// the pictures being walked counted by their samples, and the counts of both. Workers report from
// their own threads; with the bar off every call returns at once. The bar is drawn at most once in
// every tenth of a second of `now`, so a terminal is not flooded however fast the samples come.
class BatchProgress {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    BatchProgress(size_t pictures, bool show, Clock now = std::chrono::steady_clock::now,
                  std::FILE* out = stderr);

    bool Shown() const { return show_; }
    // The walk of picture `index` has visited `checked` of its `expected` samples.
    void Walking(size_t index, int64_t checked, int64_t expected);
    // Picture `index` is finished, after `visited` samples.
    void Done(size_t index, int64_t visited);
    // Clears the bar's line.
    void End();
    // Writes one line of the program's messages to standard error, above the bar.
    void Say(const std::string& message);

  private:
    struct Walk {
        int64_t checked = 0;
        int64_t expected = 1;
    };
    void DrawIfDue();

    const size_t pictures_;
    const bool show_;
    const Clock now_;
    std::FILE* const out_;
    std::mutex mutex_;
    size_t done_ = 0;
    int64_t samplesDone_ = 0;
    std::map<size_t, Walk> walking_;
    std::chrono::steady_clock::time_point lastDraw_;
    bool drawn_ = false;
};

}  // namespace glimmet
