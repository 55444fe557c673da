#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <fstream>
#include <sstream>

#include "render/PageFile.h"
#include "tests/render/ScriptedPorts.h"

namespace glimmet {
namespace {

using testing::Rig;
using Lines = std::vector<std::string>;

const Lines kHeader = {
    "<HTML>",
    "<HEAD>",
    "<TITLE> Сгенерировано программой: Glimmet. Текст Заполнения: '&lt;&amp;&gt;'</TITLE>",
    "</HEAD>",
    "<BODY bgcolor=\"#000000\" text=\"#FFFFFF\">",
    "<FONT size =\"-6\">",
    "<TABLE width=\"100%\" ><tr><td align=\"center\">",
};
const Lines kClosing = {"</td></tr></table>", "</FONT>", "<p>&nbsp;</p>", "</Body>", "</HTML>"};

RenderState PageState(const std::string& path) {
    return {.FillMode = kFillPage, .PagePath = path};
}

// The page of a walk with the fill text "<&>" whose samples wrote `body`.
Lines Page(const Lines& body) {
    Lines page = kHeader;
    page.insert(page.end(), body.begin(), body.end());
    page.insert(page.end(), kClosing.begin(), kClosing.end());
    return page;
}

TEST(HtmlPage, WritesHeaderSampleLinesRowEndsAndClosing) {
    Rig rig;
    // Row 0: the key colour (fails), then 0x3C2B1A; row 1: outside the picture, then the key.
    rig.source.colourAt = [](int32_t x, int32_t y) {
        if (y == 0) return x == 0 ? 0xFF0000 : 0x3C2B1A;
        return x == 0 ? -1 : 0xFF0000;
    };
    const auto outcome = rig.Run(PageState("p.htm"), {0, 0, 1, 1}, "<&>");
    ASSERT_TRUE(outcome.Completed());
    // The page shows the characters typed: &, < and > are written as entities, one a sample.
    EXPECT_EQ(rig.page.files["p.htm"],
              Page({"<font color=\"#000000\">&lt;</font>", "<font color=\"#1A2B3C\">&amp;</font>", "<BR>",
                    "<font color=\"#FFFFFF\">&gt;</font>", "<font color=\"#000000\">&lt;</font>", "<BR>"}));
    EXPECT_EQ(rig.host.pagesWritten, 1);
    // The preview: every sample prints its character, failing ones in black, -1 in colour 1.
    EXPECT_EQ(rig.canvas.marks, (Lines{"T 0 0 '<' 0", "T 1 0 '&' 3C2B1A", "T 0 1 '>' 1", "T 1 1 '<' 0"}));
    EXPECT_EQ(rig.host.statuses.back(), "done");
    // Without a fill text the samples still write their colours.
    Rig empty;
    empty.source.colourAt = [](int32_t x, int32_t) { return x == 0 ? 0xFF0000 : 0x3C2B1A; };
    empty.Run(PageState("e.htm"), {0, 0, 1, 0}, "");
    const Lines& lines = empty.page.files["e.htm"];
    ASSERT_EQ(lines.size(), 7u + 3 + 5);
    EXPECT_EQ(Lines(lines.begin() + 7, lines.begin() + 9),
              (Lines{"<font color=\"#000000\"></font>", "<font color=\"#1A2B3C\"></font>"}));
}

TEST(HtmlPage, LostLinesReportAnIncompletePageNeverSuccess) {
    Rig rig;
    RenderState live = PageState("good.htm");
    rig.page.failing = {"bad.htm"};
    rig.host.between = [&](int k) {
        if (k == 5) live.PagePath = "bad.htm";  // lines from sample 5 on go to the new path
    };
    const auto outcome = rig.Run(live, {0, 0, 2, 1});
    EXPECT_TRUE(outcome.Completed());
    EXPECT_EQ(rig.page.files["good.htm"].size(), 7u + 3 + 1 + 1);  // samples 1-4 and the first row end
    EXPECT_EQ(rig.host.pagesWritten, 0);
    // Samples 5 and 6, the row end and the closing lines, counted once they are flushed.
    EXPECT_EQ(rig.host.incomplete,
              (std::vector<std::pair<int64_t, std::string>>{{8, "No space left on device"}}));
}

// The real file writer: UTF-8 with a byte order mark on a new or empty file, CR LF, append only.
class PageFileOnDisk : public ::testing::Test {
  protected:
    // One file per test and process: ctest runs the tests side by side.
    std::string path = ::testing::TempDir() + "glimmet_page_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                       std::to_string(::getpid()) + ".htm";
    void SetUp() override { std::remove(path.c_str()); }
    void TearDown() override { std::remove(path.c_str()); }
    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(PageFileOnDisk, EveryLineIsOnDiskWhenTheWalkYields) {
    testing::ScriptedSource source;
    testing::RecordingCanvas canvas;
    testing::ScriptedHost host;
    PageFile page;
    WalkPorts ports{source, canvas, host, page};
    std::vector<size_t> sizes;
    host.between = [&](int) { sizes.push_back(Contents().size()); };
    TransferRegion(PageState(path), {0, 0, 1, 0}, "x", ports);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_GT(sizes[0], 3u);        // the header is there before the first sample
    EXPECT_GT(sizes[1], sizes[0]);  // and the first sample's line before the second
}

TEST_F(PageFileOnDisk, AWriteCutShortTakesBackTheHalfLine) {
    const std::string earlier(100, 'e');
    std::ofstream(path, std::ios::binary) << earlier;
    // The file may grow by 50 bytes: two whole lines of 22 bytes and a part of the third.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{150, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    PageFile page;
    const std::string line(20, 'x');
    for (int i = 0; i < 5; ++i) page.AppendLine(path, line);
    page.Flush();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(Contents(), earlier + line + "\r\n" + line + "\r\n");
    EXPECT_EQ(page.LostLines(), 3);
    EXPECT_EQ(page.LossReason(), "File too large");
}

}  // namespace
}  // namespace glimmet
