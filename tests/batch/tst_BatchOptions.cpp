#include <gtest/gtest.h>

#include "batch/BatchOptions.h"
#include "batch/OutputTemplate.h"

namespace glimmet {
namespace {

TEST(BatchOptions, ReadsEveryOptionAndItsDefaults) {
    const auto parse = ParseBatchArguments({"pic.bmp"});
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(parse.options.pictures, std::vector<std::string>{"pic.bmp"});
    EXPECT_EQ(parse.options.reportLimit, 100);
    EXPECT_EQ(parse.options.jobs, 0);
    EXPECT_FALSE(parse.options.region.has_value());
    EXPECT_EQ(parse.options.key, RGB(0, 0, 255));
    EXPECT_EQ(parse.options.compare, kMethNotEqual);
    EXPECT_EQ(parse.options.fill, kFillPoints);
    EXPECT_EQ(parse.options.text, "text");

    const auto full = ParseBatchArguments({"-r",      "-5,10,20,30", "--step=3", "-z",
                                           "4",       "-k",          "#336699",  "-c",
                                           "invert",  "--tolerance", "7",        "-f",
                                           "text",    "-t",          "Ёж",       "-o",
                                           "out.bmp", "--html",      "p.htm",    "--expect-none",
                                           "-q",      "--report",    "-",        "--report-limit",
                                           "3",       "-j",          "2",        "--files-from",
                                           "list",    "pic.gif",     "--",       "-z",
                                           "-"});
    ASSERT_EQ(full.error, "");
    const BatchOptions& o = full.options;
    EXPECT_EQ(o.region->x0, -5);
    EXPECT_EQ(o.region->y0, 10);
    EXPECT_EQ(o.region->x1, 15);
    EXPECT_EQ(o.region->y1, 40);
    EXPECT_EQ(o.xStep, 3);
    EXPECT_EQ(o.yStep, 3);
    EXPECT_EQ(o.zoom, 4);
    EXPECT_EQ(o.key, RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(o.compare, kMethInvert);
    EXPECT_EQ(o.tolerance, 7);
    EXPECT_EQ(o.fill, kFillText);
    EXPECT_EQ(o.text, "Ёж");
    EXPECT_EQ(o.output, "out.bmp");
    EXPECT_EQ(o.html, "p.htm");
    EXPECT_TRUE(o.expectNone && o.quiet);
    EXPECT_EQ(o.report, "-");
    EXPECT_EQ(o.reportLimit, 3);
    EXPECT_EQ(o.jobs, 2);
    EXPECT_EQ(o.filesFrom, "list");
    EXPECT_EQ(o.pictures, (std::vector<std::string>{"pic.gif", "-z", "-"}));
    EXPECT_EQ(ParseBatchArguments({"-s", "2,5", "p"}).options.yStep, 5);
    EXPECT_EQ(ParseBatchArguments({"-k", "153,102,51", "p"}).options.key, 3368601);
}

TEST(BatchOptions, RefusesBadArgumentsNamingTheArgumentAndItsAllowedValues) {
    struct Case {
        std::vector<std::string> arguments;
        std::string errorPart;
    };
    const Case cases[] = {
        {{}, "PICTURE is missing"},
        {{"-q"}, "PICTURE is missing"},
        {{"-o", "out/%x.bmp", "p"}, "-o: %x is not one of %n, %f, %d, %%"},
        {{"--html", "page%", "p"}, "--html: a % ends the name"},
        {{"-j", "0", "p"}, "--jobs: expected a whole number 1..1024"},
        {{"--report-limit", "-1", "p"}, "--report-limit"},
        {{"-s", "0", "p"}, "--step: expected SX[,SY]: whole numbers 1..32767"},
        {{"-s", "1,2,3", "p"}, "--step"},
        {{"-z", "40000", "p"}, "--zoom: expected a whole number 1..32767"},
        {{"-k", "256,0,0", "p"}, "--key: expected R,G,B with each 0..255, or #RRGGBB"},
        {{"-k", "#12345G", "p"}, "--key"},
        {{"-c", "bigger", "p"}, "--compare: expected equal | notequal | greater | lesser | invert"},
        {{"-f", "hearts", "p"}, "--fill: expected points | circles | squares | text"},
        {{"--tolerance", "-1", "p"}, "--tolerance: expected a whole number 0..255"},
        {{"-r", "30000,0,5000,1", "p"}, "--region"},
        {{"-r", "1,2,3", "p"}, "--region"},
        {{"p", "-o"}, "-o needs a value"},
        {{"--frobnicate", "p"}, "unknown option '--frobnicate'"},
    };
    for (const auto& c : cases) {
        const auto parse = ParseBatchArguments(c.arguments);
        EXPECT_NE(parse.error.find(c.errorPart), std::string::npos) << parse.error;
    }
}

TEST(OutputTemplate, NamesEachPicturesFile) {
    struct Case {
        const char* text;
        const char* picture;
        const char* name;
    };
    const Case cases[] = {
        {"out/%n.png", "sprites/hero.walk.bmp", "out/hero.walk.png"},
        {"%d/%f.htm", "sprites/hero.bmp", "sprites/hero.bmp.htm"},
        {"%d/%n-100%%.bmp", "hero.bmp", "./hero-100%.bmp"},
        {"%d%n", "/hero", "/hero"},
        {"%n.bmp", ".hidden", ".hidden.bmp"},
        {"fixed.bmp", "any.bmp", "fixed.bmp"},
    };
    for (const auto& c : cases) {
        const OutputTemplate name(c.text);
        EXPECT_EQ(name.Problem(), "") << c.text;
        EXPECT_EQ(name.For(c.picture), c.name) << c.text << " " << c.picture;
    }
}

}  // namespace
}  // namespace glimmet
