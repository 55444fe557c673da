#include <gtest/gtest.h>

#include <QFile>
#include <map>

#include "tests/batch/BatchProcess.h"
#include "tests/platform/PictureVariants.h"
#include "tests/platform/PictureWriters.h"
#include "tests/platform/TestPictures.h"

namespace glimmet::test {
namespace {

class BatchPictures : public BatchCommand {
  protected:
    QString Write(const QByteArray& bytes) {
        WriteFile(Path("picture"), bytes);
        return Path("picture");
    }
};

// Every pixel of an accepted picture is defined: two runs whose fresh memory glibc fills with
// different bytes give the same page, byte for byte.
TEST_F(BatchPictures, GivesTheSamePageOnEveryRun) {
    for (const ValidPicture& p : ValidPictures()) {
        const QString picture = Write(p.bytes);
        QByteArray pages[2];
        for (const int fill : {0x55, 0xAA}) {
            Launch launch;
            launch.mallocFill = fill;
            const QString page = Path(QString("page%1.htm").arg(fill));
            const Result run = Batch({"-q", "--html", page, picture}, launch);
            ASSERT_EQ(run.status, 0) << p.name << ": " << run.errors.toStdString();
            pages[fill == 0xAA] = Contents(page);
        }
        EXPECT_FALSE(pages[0].isEmpty()) << p.name;
        EXPECT_EQ(pages[0], pages[1]) << p.name;
    }
}

// A picture that is damaged, too large or beyond the memory left ends the run with status 1 and
// says which; nothing is written.
TEST_F(BatchPictures, RefusesWithStatus1AndSaysWhy) {
    struct Case {
        std::string name;
        QByteArray bytes;
        Launch launch;
        const char* message;
    };
    const std::map<std::string, const char*> messages = {
        {"jpeg cut in its scan, end marker appended",
         "is damaged: the compressed pixel data stops before the picture is complete (Corrupt JPEG data: "
         "premature end of data segment)"},
        {"bmp claiming 30000 x 30000 in a few bytes", "is too large: it is 30000 x 30000 pixels"},
    };
    std::vector<Case> cases;
    for (const DamagedPicture& p : DamagedPictures())
        if (messages.count(p.name)) cases.push_back({p.name, p.bytes, {}, messages.at(p.name)});
    ASSERT_EQ(cases.size(), messages.size());
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
    Launch small;
    small.memoryKiB = 300000;
    cases.push_back({"10000 x 10000 in 300 MB", BlankRle8(10000), small,
                     "not enough memory to decode its 10000 x 10000 pixels"});
#endif
    for (const Case& c : cases) {
        const Result run = Batch({"--html", Path("page.htm"), Write(c.bytes)}, c.launch);
        EXPECT_EQ(run.status, 1) << c.name << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.message)))
            << c.name << ": " << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path("page.htm"))) << c.name;
    }
}

}  // namespace
}  // namespace glimmet::test
