#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include "tests/batch/BatchProcess.h"

// Runs of one picture: its files, its messages and its exit status.
namespace glimmet::test {
namespace {

TEST_F(BatchCommand, RendersThePassingPixelsAtTheWindowsOutputSize) {
    const auto result = Batch({KeyPicture(), "-z", "2", "-o", Path("out.bmp")});
    ASSERT_EQ(result.status, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains("12 samples visited, 2 passed"));
    const QImage out(Path("out.bmp"));
    ASSERT_EQ(out.size(), QSize(3 * 2 + 1, 2 * 2 + 1));  // the grid with both ends, zoomed
    EXPECT_EQ(out.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(6, 4), qRgb(0, 200, 0));
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(BatchCommand, ExitStatusTellsWhatHappened) {
    const QString picture = KeyPicture();
    QFile damaged(Path("damaged.bmp"));
    QFile whole(picture);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && damaged.open(QIODevice::WriteOnly));
    damaged.write(whole.readAll().left(70));  // header and part of the pixels
    damaged.close();
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
        QString message;
    };
    const Case cases[] = {
        {"nothing differs on a blue border",
         {picture, "-r", "0,1,0,1", "--expect-none"},
         0,
         "2 samples visited, 0 passed"},
        {"something differs", {picture, "--expect-none", "-q"}, 3, ""},
        {"equal within tolerance",
         {picture, "-c", "equal", "-k", "250,5,0", "--tolerance", "5", "--expect-none"},
         3,
         "1 passed"},
        {"missing picture", {Path("none.bmp")}, 1, "cannot read"},
        {"damaged picture", {Path("damaged.bmp"), "-o", Path("d.bmp")}, 1, "is damaged"},
        {"bad argument", {picture, "-c", "sideways"}, 2, "--compare"},
        {"unwritable output", {picture, "-o", Path("no/such/dir/out.bmp")}, 1, "cannot write"},
        {"unwritable page", {picture, "--html", Path("no/such/dir/p.htm")}, 1, "cannot append"},
        {"zoom beyond 16-bit marks", {picture, "-z", "20000"}, 2, "beyond output coordinate 32767"},
        {"several pictures: one passing sample",
         {picture, Plain("blue.bmp", 8, Qt::blue), "--expect-none"},
         3,
         "2 pictures, 0 failed"},
        {"several pictures: unreadable counts before passing",
         {picture, Path("damaged.bmp"), "--expect-none"},
         1,
         "2 pictures, 1 failed"},
        {"several pictures: refused parameters count first",
         {picture, Plain("wide.bmp", 200), Path("damaged.bmp"), "-z", "300"},
         2,
         "'" + Path("wide.bmp") + "': a mark lands beyond output coordinate 32767"},
    };
    for (const auto& c : cases) {
        const auto result = Batch(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << c.name << ": " << result.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("d.bmp")));
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.tmp", "*~", "out.bmp*"}).isEmpty());
}

TEST_F(BatchCommand, AppendsOnePageForEveryRunAndSavesItsPreview) {
    const QString picture = KeyPicture();
    for (int run = 0; run < 2; ++run) {
        const auto result =
            Batch({picture, "--html", Path("p.htm"), "-t", "Ёж", "-o", Path("preview.bmp"), "-q"});
        ASSERT_EQ(result.status, 0) << result.errors.toStdString();
    }
    QFile page(Path("p.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF<HTML>\r\n"));
    EXPECT_EQ(text.count("<HTML>\r\n"), 2);
    EXPECT_EQ(text.count("\r\n"), 2 * (7 + 3 * (4 + 1) + 5));
    EXPECT_TRUE(text.contains("<font color=\"#FF0000\">ж</font>\r\n"));
    EXPECT_TRUE(text.contains("<font color=\"#000000\">Ё</font>\r\n"));
    const QImage preview(Path("preview.bmp"));
    EXPECT_EQ(preview.size(), QSize(4, 3));
}

TEST_F(BatchCommand, OutputsKeepWhatTheirTargetIs) {
    const QString picture = KeyPicture();
    ASSERT_EQ(Batch({picture, "-q", "-o", Path("reference.bmp")}).status, 0);
    const QByteArray reference = Contents(Path("reference.bmp"));
    QDir(dir.path()).mkdir("real");
    for (const QString name : {"own.bmp", "real/target.bmp"}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    }
    ::chmod(Path("own.bmp").toUtf8(), 0640);
    ::symlink("real/target.bmp", Path("link.bmp").toUtf8());
    ::symlink("real/new.bmp", Path("dangling.bmp").toUtf8());
    struct Case {
        const char* name;
        QString output;
        QString written;  // where the bitmap lands; empty: standard output
        mode_t mode;
    };
    const Case cases[] = {
        {"a replaced file keeps its permission bits", Path("own.bmp"), Path("own.bmp"), 0640},
        {"a link is followed and stays a link", Path("link.bmp"), Path("real/target.bmp"), 0},
        {"a link to no file yet makes the file", Path("dangling.bmp"), Path("real/new.bmp"), 0},
        {"- is standard output", "-", "", 0},
        {"a character device is written as a stream", "/dev/stdout", "", 0},
    };
    for (const auto& c : cases) {
        const Result result = Batch({picture, "-q", "-o", c.output});
        ASSERT_EQ(result.status, 0) << c.name << ": " << result.errors.toStdString();
        EXPECT_EQ(c.written.isEmpty() ? result.output : Contents(c.written), reference) << c.name;
        struct stat info {};
        if (c.mode != 0) {
            EXPECT_EQ(::stat(c.written.toUtf8(), &info), 0) << c.name;
            EXPECT_EQ(info.st_mode & 07777, c.mode) << c.name;
        }
        if (!c.written.isEmpty() && c.output != c.written) {
            EXPECT_TRUE(QFileInfo(c.output).isSymLink()) << c.name;
        }
    }

    // A FIFO is written as a stream for its reader and stays a FIFO.
    ASSERT_EQ(::mkfifo(Path("fifo").toUtf8(), 0600), 0);
    QProcess writer;
    writer.start(QStringLiteral(GLIMMET_BATCH_PROGRAM), {picture, "-q", "-o", Path("fifo")});
    QFile fifo(Path("fifo"));
    ASSERT_TRUE(fifo.open(QIODevice::ReadOnly));
    EXPECT_EQ(fifo.readAll(), reference);
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0);
    struct stat info {};
    EXPECT_TRUE(::lstat(Path("fifo").toUtf8(), &info) == 0 && S_ISFIFO(info.st_mode));
}

TEST_F(BatchCommand, AFailedRunLeavesEveryFileAsItWas) {
    const QString picture = KeyPicture();
    const QString sprite = Plain("sprite.bmp", 64);
    const QString page = Path("page.htm");
    ASSERT_EQ(Batch({picture, "-q", "--html", page, "-o", Path("out.bmp")}).status, 0);
    ::symlink("key.bmp", Path("key-link.bmp").toUtf8());
    ::link(picture.toUtf8(), Path("key-hard.bmp").toUtf8());
    ::symlink("page.htm", Path("page-link.htm").toUtf8());
    // A file that may be written in a folder where no file may be made.
    QDir(dir.path()).mkdir("locked");
    QFile::copy(Path("out.bmp"), Path("locked/out.bmp"));
    ::chmod(dir.path().toUtf8(), 0755);
    ::chown(Path("locked/out.bmp").toUtf8(), 65534, 65534);
    ::chmod(Path("locked").toUtf8(), 0555);
    // At zoom 8 the sprite's page (150 KiB) fits under a 400 KiB limit and its bitmap (750 KiB) does not.
    const QStringList bigOutput = {sprite, "-z", "8", "-o"};
    struct Case {
        const char* name;
        QStringList arguments;
        Launch limits;
        int status;
        const char* message;
    };
    const QString key = picture, fresh = Path("new.htm"), out = Path("new.bmp"), far = "0,0,32767,0";
    const Launch limit100 = Limited(100), limit400 = Limited(400), lockedOut = Limited(400, true);
    // clang-format off
    const Case cases[] = {
        {"page is the picture", {key, "--html", key}, {}, 2, "give --html another file"},
        {"page is the picture by a link", {key, "--html", Path("key-link.bmp")}, {}, 2, "is the picture"},
        {"page is the picture's hard link", {key, "--html", Path("key-hard.bmp")}, {}, 2, "is the picture"},
        {"page is the output", {key, "--html", page, "-o", Path("page-link.htm")}, {}, 2, "is the output"},
        {"region past 32767", {key, "-r", far, "--html", fresh, "-o", out}, {}, 2, "change -r"},
        {"region past 32767 on an old page", {key, "-r", far, "--html", page}, {}, 2, "change -r"},
        {"marks beyond 16 bits", {key, "-z", "20000"}, {}, 2, "use a smaller -z"},
        {"output too large", {key, "-z", "20000", "--html", page, "-o", out}, {}, 2, "-z"},
        {"page over a file-size limit", {sprite, "--html", page}, limit100, 1, "File too large"},
        {"new page over a file-size limit", {sprite, "--html", fresh}, limit100, 1, "File too large"},
        {"output over a limit after the page", bigOutput + QStringList{Path("out.bmp"), "--html", page},
         limit400, 1, "File too large"},
        {"output in a locked folder over a limit", bigOutput + QStringList{Path("locked/out.bmp")}, lockedOut,
         1, "File too large"},
        {"output in a missing folder after the page", {key, "--html", page, "-o", Path("none/out.bmp")}, {},
         1, "cannot write"},
    };
    // clang-format on
    const auto before = Snapshot(dir.path());
    for (const auto& c : cases) {
        const Result result = Batch(c.arguments, c.limits);
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << c.name << ": " << result.errors.toStdString();
        EXPECT_EQ(Snapshot(dir.path()), before) << c.name;
    }
    ::chmod(Path("locked").toUtf8(), 0755);
}

}  // namespace
}  // namespace glimmet::test
