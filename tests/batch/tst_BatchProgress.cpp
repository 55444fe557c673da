#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "batch/BatchProgress.h"

namespace glimmet {
namespace {

using std::chrono::milliseconds;

// What a bar writes while a clock of the test's own moves: 40 reports 30 ms apart, then the end.
std::string Shown(bool show) {
    std::chrono::steady_clock::time_point now{};
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    {
        BatchProgress bar(
            2, show, [&] { return now; }, out);
        for (int report = 1; report <= 40; ++report) {
            now += milliseconds(30);
            bar.Walking(0, report * 25, 1000);
        }
        now += milliseconds(100);
        bar.Done(0, 1000);
        bar.Say("done");
    }
    std::fclose(out);
    std::string shown(text, size);
    std::free(text);
    return shown;
}

TEST(BatchProgress, DrawsTheShareDoneAtMostEveryTenthOfASecond) {
    const std::string shown = Shown(true);
    // A draw at 120, 240, ..., 1200 ms, and one for the finished picture at 1300 ms.
    size_t draws = 0;
    for (size_t at = shown.find("\r["); at != std::string::npos; at = shown.find("\r[", at + 1)) ++draws;
    EXPECT_EQ(draws, 11u) << shown;
    EXPECT_EQ(
        shown.rfind("\r[##......................................]   5%  0/2 pictures, 100 samples\x1b[K", 0),
        0u)
        << shown;
    EXPECT_NE(
        shown.find("\r[####################....................]  50%  0/2 pictures, 1000 samples\x1b[K\r["),
        std::string::npos);
    EXPECT_TRUE(
        shown.ends_with("\r[####################....................]  50%  1/2 pictures, 1000 "
                        "samples\x1b[K\r\x1b[Kglimmet-batch: done\n"))
        << shown;
    EXPECT_EQ(Shown(false), "glimmet-batch: done\n");
}

}  // namespace
}  // namespace glimmet
