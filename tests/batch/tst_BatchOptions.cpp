#include <gtest/gtest.h>

#include "batch/BatchOptions.h"
#include "batch/OutputTemplate.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace glimmet {
namespace {

// The words of a command line; no word here holds a space.
std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    for (size_t from = 0, to = 0; from <= line.size(); from = to + 1) {
        to = std::min(line.find(' ', from), line.size());
        words.emplace_back(line.substr(from, to - from));
    }
    return words;
}

TEST(BatchOptions, ReadsEveryOptionAndItsDefaults) {
    const BatchOptions d = ParseBatchArguments({"pic.bmp"}).options;
    EXPECT_EQ(d.pictures, std::vector<std::string>{"pic.bmp"});
    EXPECT_TRUE(d.reportLimit == 100 && d.jobs == 0 && !d.region && d.key == RGB(0, 0, 255));
    EXPECT_TRUE(d.compare == kMethNotEqual && d.fill == kFillPoints && d.text == "text");

    const auto full = ParseBatchArguments(Words(
        "-r -5,10,20,30 --step=3 -z 4 -k #336699 -c invert --tolerance 7 -f text -t Ёж -o out.bmp "
        "--html p.htm --expect-none -q --report - --report-limit 3 -j 2 --files-from list pic.gif -- -z -"));
    ASSERT_EQ(full.error, "");
    const BatchOptions& o = full.options;
    EXPECT_TRUE(o.region->x0 == -5 && o.region->y0 == 10 && o.region->x1 == 15 && o.region->y1 == 40);
    EXPECT_TRUE(o.xStep == 3 && o.yStep == 3 && o.zoom == 4 && o.key == RGB(0x33, 0x66, 0x99));
    EXPECT_TRUE(o.compare == kMethInvert && o.tolerance == 7 && o.fill == kFillText && o.text == "Ёж");
    EXPECT_TRUE(o.output == "out.bmp" && o.html == "p.htm" && o.expectNone && o.quiet && o.report == "-");
    EXPECT_TRUE(o.reportLimit == 3 && o.jobs == 2 && o.filesFrom == "list");
    EXPECT_EQ(o.pictures, Words("pic.gif -z -"));
    EXPECT_EQ(ParseBatchArguments(Words("-s 2,5 p")).options.yStep, 5);
    EXPECT_EQ(ParseBatchArguments(Words("-k 153,102,51 p")).options.key, 3368601);
    EXPECT_FALSE(d.nullSeparated || d.dryRun || d.shard != 0 || d.shards != 1);
    // As getopt reads short options: bundled flags, a value attached or in the next word.
    const BatchOptions b = ParseBatchArguments(Words("-qj2 -z4 -0k #112233 --dry-run --shard 2/3 p")).options;
    EXPECT_TRUE(b.quiet && b.jobs == 2 && b.zoom == 4 && b.nullSeparated && b.key == RGB(0x11, 0x22, 0x33));
    EXPECT_TRUE(b.dryRun && b.shard == 2 && b.shards == 3 && b.pictures == std::vector<std::string>{"p"});
}

TEST(BatchOptions, TakesValuesUpToTheirLimitsAndRefusesTheRestNamingWhatIsAllowed) {
    const std::pair<const char*, const char*> cases[] = {
        {"-q", "PICTURE is missing"},
        {"-o %x/out.bmp p", "-o: %x is not one of %n, %f, %d, %%"},
        {"--html page% p", "--html: a % ends the name"},
        {"-j 0 p", "--jobs: expected a whole number 1..1024"},
        {"--report-limit -1 p", "--report-limit"},
        {"--report-limit 0 p", ""},
        {"--report-limit 1000000 p", ""},
        {"--report-limit 1000001 p", "--report-limit"},
        {"-s 0 p", "--step: expected SX[,SY]: whole numbers 1..32767"},
        {"-s 1,2,3 p", "--step"},
        {"-s 1x2 p", "--step"},
        {"-s 32767,32767 p", ""},
        {"-s 1,32768 p", "--step"},
        {"-j 1024 p", ""},
        {"-j 1025 p", "--jobs"},
        {"--shard 999999/1000000 p", ""},
        {"--shard 0/1000001 p", "--shard"},
        {"p --html", "--html needs a value"},
        {"-r -32768,-32768,0,0 p", ""},
        {"-z 32767 p", ""},
        {"-z 32768 p", "--zoom: expected a whole number 1..32767"},
        {"-z +4 p", ""},
        {"-k 255,255,255 p", ""},
        {"-k 256,0,0 p", "--key: expected R,G,B with each 0..255, or #RRGGBB"},
        {"-k #12345G p", "--key"},
        {"-c bigger p", "invalid value 'bigger' for --compare: expected equal |"},
        {"-f hearts p", "invalid value 'hearts' for --fill: expected points |"},
        {"--tolerance 0 p", ""},
        {"--tolerance 255 p", ""},
        {"--tolerance 256 p", "--tolerance: expected a whole number 0..255"},
        {"--tolerance -1 p", "--tolerance: expected a whole number 0..255"},
        {"-r -32768,0,32767,32767 p", ""},
        {"-r 30000,0,5000,1 p", "--region"},
        {"-r -32768,0,-1,0 p", "--region"},
        {"-r 0,-32768,0,-1 p", "--region"},
        {"-r 1,2,3 p", "--region"},
        {"p -o", "-o needs a value"},
        {"--frobnicate p", "unknown option '--frobnicate'"},
        {"-t \xD0\x81\xD0 p", "--text: expected a text in UTF-8"},
        {"-t \xC0\xAF p", "--text"},
        {"-t \xED\xA0\x80 p", "--text"},
        {"-t \xF0\x9F\x99\x82<&> p", ""},
        {"-qx p", "unknown option '-x' in '-qx'"},
        {"-qj", "-j needs a value"},
        {"-k=255,0,0 p",
         "'-k=255,0,0': a short option takes its value without '=' (-kVALUE or -k VALUE), a long "
         "one with it (--key=VALUE)"},
        {"-j3 --null p", ""},
        {"--shard=0/1 p", ""},
        {"--shard 3/3 p", "--shard: expected K/N"},
        {"--shard 0/0 p", "--shard"},
        {"--shard 1 p", "--shard"},
    };
    for (const auto& [line, error] : cases) {
        const auto parse = ParseBatchArguments(Words(line));
        EXPECT_TRUE(*error ? parse.error.find(error) != std::string::npos : parse.error.empty())
            << line << ": " << parse.error;
    }
}

TEST(OutputTemplate, NamesEachPicturesFile) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"out/%n.png", "sprites/hero.walk.bmp", "out/hero.walk.png"},
        {"%d/%f.htm", "sprites/hero.bmp", "sprites/hero.bmp.htm"},
        {"%d/%n-100%%.bmp", "hero.bmp", "./hero-100%.bmp"},
        {"%d%n", "/hero", "/hero"},
        {"%n.bmp", ".hidden", ".hidden.bmp"},
        {"fixed.bmp", "any.bmp", "fixed.bmp"},
    };
    for (const auto& [text, picture, name] : cases) {
        EXPECT_EQ(OutputTemplate(text).Problem(), "") << text;
        EXPECT_EQ(OutputTemplate(text).For(picture), name) << text << " " << picture;
    }
}

}  // namespace
}  // namespace glimmet
