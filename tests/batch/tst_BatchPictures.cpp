#include <gtest/gtest.h>

#include <QFile>

#include "tests/batch/BatchProcess.h"
#include "tests/platform/PictureFiles.h"

namespace glimmet::test {
namespace {

using BatchPictures = BatchCommand;

// Every pixel of an accepted picture is defined: two runs whose fresh memory glibc fills with
// different bytes give the same page, byte for byte.
TEST_F(BatchPictures, GivesTheSamePageOnEveryRun) {
    const std::vector<PictureFile> files = PictureFiles();
    ASSERT_FALSE(files.empty());
    for (const PictureFile& f : files) {
        if (f.outcome != "shows") continue;
        QByteArray pages[2];
        for (const int fill : {0x55, 0xAA}) {
            Launch launch;
            launch.mallocFill = fill;
            const QString page = Path(QString("page%1.htm").arg(fill));
            const Result run = Batch({"-q", "--html", page, PicturePath(f.name)}, launch);
            ASSERT_EQ(run.status, 0) << f.name.toStdString() << ": " << run.errors.toStdString();
            pages[fill == 0xAA] = Contents(page);
        }
        EXPECT_FALSE(pages[0].isEmpty()) << f.name.toStdString();
        EXPECT_EQ(pages[0], pages[1]) << f.name.toStdString();
    }
}

// A picture that is damaged, too large or beyond the memory left ends the run with status 1 and
// says which; nothing is written.
TEST_F(BatchPictures, RefusesWithStatus1AndSaysWhy) {
    struct Case {
        const char* file;
        Launch launch;
        const char* message;
    };
    std::vector<Case> cases = {
        {"jpeg-cut-in-its-scan-end-marker-appended.jpg",
         {},
         "is damaged: the compressed pixel data stops before the picture is complete (Corrupt JPEG data: "
         "premature end of data segment)"},
        {"bmp-claiming-30000-x-30000-in-a-few-bytes.bmp", {}, "is too large: it is 30000 x 30000 pixels"},
    };
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
    Launch small;
    small.memoryKiB = 300000;
    cases.push_back({"rle8-blank-10000.bmp", small, "not enough memory to decode its 10000 x 10000 pixels"});
#endif
    for (const Case& c : cases) {
        const Result run = Batch({"--html", Path("page.htm"), PicturePath(c.file)}, c.launch);
        EXPECT_EQ(run.status, 1) << c.file << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.message)))
            << c.file << ": " << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path("page.htm"))) << c.file;
    }
}

}  // namespace
}  // namespace glimmet::test
