#include <gtest/gtest.h>

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
    const QStringList page = {"--html", Path("page.htm")};
    // clang-format off
    ExpectRuns({
        {"damaged", page + QStringList{PicturePath("jpeg-cut-in-its-scan-end-marker-appended.jpg")}, 1,
         "is damaged: the compressed pixel data stops before the picture is complete (Corrupt JPEG data: "
         "premature end of data segment)"},
        {"too large", page + QStringList{PicturePath("bmp-claiming-30000-x-30000-in-a-few-bytes.bmp")}, 1,
         "is too large: it is 30000 x 30000 pixels"},
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
        {"beyond the memory left", page + QStringList{PicturePath("rle8-blank-10000.bmp")}, 1,
         "not enough memory to decode its 10000 x 10000 pixels", {.memoryKiB = 300000}},
#endif
    }, dir.path());
    // clang-format on
}

}  // namespace
}  // namespace glimmet::test
