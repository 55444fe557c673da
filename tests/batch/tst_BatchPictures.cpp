#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "tests/platform/PictureVariants.h"
#include "tests/platform/PictureWriters.h"
#include "tests/platform/TestPictures.h"

namespace glimmet {
namespace {

struct Outcome {
    int status = -1;
    QString errors;
};

// The batch command with `arguments`, run by the shell after `setup` (a limit, a variable).
Outcome Batch(const QString& setup, const QStringList& arguments) {
    QProcess process;
    process.start(
        QStringLiteral("/bin/sh"),
        QStringList{"-c", setup + "; exec \"$0\" \"$@\"", QStringLiteral(GLIMMET_BATCH_PROGRAM)} + arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

class BatchPictures : public ::testing::Test {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("picture"));
        test::WriteFile(path, bytes);
        return path;
    }
    QTemporaryDir dir_;
};

// Every pixel of an accepted picture is defined: two runs whose fresh memory is filled with
// different bytes give the same page, byte for byte.
TEST_F(BatchPictures, GivesTheSamePageOnEveryRun) {
    for (const test::ValidPicture& p : test::ValidPictures()) {
        const QString picture = Write(p.bytes);
        QByteArray pages[2];
        for (const int fill : {0x55, 0xAA}) {
            const QString page = dir_.filePath(QStringLiteral("page%1.htm").arg(fill));
            const Outcome run =
                Batch(QStringLiteral("export MALLOC_PERTURB_=%1").arg(fill), {"-q", "--html", page, picture});
            ASSERT_EQ(run.status, 0) << p.name << ": " << run.errors.toStdString();
            pages[fill == 0xAA] = test::ReadFile(page);
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
        QString setup;
        QByteArray bytes;
        const char* message;
    };
    const std::map<std::string, const char*> messages = {
        {"jpeg cut in its scan, end marker appended",
         "is damaged: the compressed pixel data stops before the picture is complete (Corrupt JPEG data: "
         "premature end of data segment)"},
        {"bmp claiming 30000 x 30000 in a few bytes", "is too large: it is 30000 x 30000 pixels"},
    };
    std::vector<Case> cases;
    for (const test::DamagedPicture& p : test::DamagedPictures())
        if (messages.count(p.name)) cases.push_back({p.name, ":", p.bytes, messages.at(p.name)});
    ASSERT_EQ(cases.size(), messages.size());
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
    cases.push_back({"10000 x 10000 in 300 MB", "ulimit -v 300000", test::BlankRle8(10000),
                     "not enough memory to decode its 10000 x 10000 pixels"});
#endif
    for (const Case& c : cases) {
        const QString page = dir_.filePath(QStringLiteral("page.htm"));
        const Outcome run = Batch(c.setup, {"--html", page, Write(c.bytes)});
        EXPECT_EQ(run.status, 1) << c.name << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.message)))
            << c.name << ": " << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(page)) << c.name;
    }
}

}  // namespace
}  // namespace glimmet
