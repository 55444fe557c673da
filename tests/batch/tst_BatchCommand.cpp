#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "tests/batch/BatchProcess.h"
#include "tests/picture/PictureFiles.h"

// Runs of one picture: its files, its messages and its exit status.
namespace glimmet::test {
namespace {

TEST_F(BatchCommand, RendersThePassingPixelsAndAppendsOnePageForEveryRun) {
    const auto result = Batch({KeyPicture(), "-z", "2", "-o", Path("out.bmp")});
    ASSERT_EQ(result.status, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains("12 samples visited, 2 passed"));
    const QImage out(Path("out.bmp"));
    ASSERT_EQ(out.size(), QSize(3 * 2 + 1, 2 * 2 + 1));  // the grid with both ends, zoomed
    EXPECT_EQ(out.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(6, 4), qRgb(0, 200, 0));
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 0));

    // PNG for a name ending in .png in any case, BMP otherwise, with the same pixels.
    for (const char* preview : {"preview.bmp", "preview.PNG"})
        ASSERT_EQ(Batch({KeyPicture(), "--html", Path("p.htm"), "-t", "Ёж", "-o", Path(preview)}).status, 0);
    EXPECT_TRUE(ReadFile(Path("preview.PNG")).startsWith("\x89PNG"));
    EXPECT_EQ(QImage(Path("preview.PNG")), QImage(Path("preview.bmp")));
    for (const auto& [name, signature] : {std::pair{".png", "\x89PNG"}, std::pair{"previewxpng", "BM"}}) {
        ASSERT_EQ(Batch({KeyPicture(), "-o", name}, {.folder = dir.path()}).status, 0) << name;
        EXPECT_TRUE(ReadFile(Path(name)).startsWith(signature)) << name;
    }
    const QByteArray text = ReadFile(Path("p.htm"));
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF<HTML>\r\n"));
    EXPECT_EQ(text.count("<HTML>\r\n"), 2);
    EXPECT_EQ(text.count("\xEF\xBB\xBF"), 1) << "a byte order mark on the new file only";
    EXPECT_EQ(text.count("\r\n"), 2 * (7 + 3 * (4 + 1) + 5));
    EXPECT_TRUE(text.contains("<font color=\"#FF0000\">ж</font>\r\n"));
    EXPECT_TRUE(text.contains("<font color=\"#000000\">Ё</font>\r\n"));
    EXPECT_EQ(QImage(Path("preview.bmp")).size(), QSize(4, 3));
    // A new page is made as any new file, with the permissions the umask leaves.
    const mode_t umask = ::umask(0);
    ::umask(umask);
    struct stat info {};
    EXPECT_TRUE(::stat(Path("p.htm").toUtf8(), &info) == 0 && (info.st_mode & 0777) == (0666 & ~umask));
}

TEST_F(BatchCommand, MessagesNameTheirPictureOnlyInARunOfSeveral) {
    const QString key = KeyPicture(), none = Path("none.bmp"), program = "glimmet-batch: ";
    EXPECT_EQ(Batch({key}).errors, program + "12 samples visited, 2 passed\n");
    EXPECT_EQ(Batch({key, "-q"}).errors, "");
    EXPECT_EQ(Batch({key, none}).errors, program + "'" + key + "': 12 samples visited, 2 passed\n" + program +
                                             "cannot read '" + none + "': No such file or directory\n" +
                                             program +
                                             "2 pictures, 1 failed; 12 samples visited, 2 passed\n");
    const Result report = Batch({key, "--report", "-"}, {.outputFile = "/dev/full"});
    EXPECT_EQ(report.status, 1);
    EXPECT_TRUE(
        report.errors.endsWith(program + "cannot write 'standard output': No space left on device\n"));
    const Result list = Batch({"-"}, {.inputFile = dir.path()});
    EXPECT_EQ(list.status, 1);
    EXPECT_EQ(list.errors, program + "cannot read the list of pictures 'standard input': Is a directory\n");
}

// The bar is drawn on a terminal only (how often is the bar's own test), and cleared for the summary.
TEST_F(BatchCommand, BarOnATerminalFollowsTheWalk) {
    // Every second row of the right half of 2000 x 4000 (a region away from the origin, so that the
    // share is of its own samples): 2,000,000 samples, each drawing a character.
    const QString command = QString("'%1' -s 1,2 -r 1000,0,999,3999 -f text -o '%2' '%3'")
                                .arg(GLIMMET_BATCH_PROGRAM, Path("out.bmp"), Plain("big.bmp", {2000, 4000}));
    QProcess terminal;
    terminal.start("script", {"-qec", command, "/dev/null"});
    ASSERT_TRUE(terminal.waitForFinished(120000));
    const QByteArray shown = terminal.readAllStandardOutput();
    // A draw: 40 cells, the share in per cent, the pictures done and the samples walked.
    static const QRegularExpression bar(R"(^\[([#.]{40})\] +(\d+)%  (\d)/1 pictures, (\d+) samples\x1b\[K$)");
    for (const QByteArray& draw : shown.split('\r')) {
        const auto match = bar.match(QString::fromLatin1(draw));
        const double share = match.captured(4).toDouble() / 2000000;
        if (!match.hasMatch() || match.captured(3) != "0" || share < 0.02) continue;
        EXPECT_NEAR(match.captured(2).toInt(), share * 100, 1) << draw.toStdString();
        EXPECT_NEAR(match.captured(1).count('#'), share * 40, 1) << draw.toStdString();
    }
    EXPECT_TRUE(shown.endsWith("\x1b[Kglimmet-batch: 2000000 samples visited, 2000000 passed\r\n"));
}

// A replaced output keeps its permission bits, a link stays a link to the file it names (made by
// the run when the link points at no file yet), and nothing is left beside them (a replacement is
// written aside first and renamed).
TEST_F(BatchCommand, OutputsKeepWhatTheirTargetIs) {
    const QString picture = KeyPicture();
    const Result reference = Batch({picture, "-q", "-o", "-"});
    QDir(dir.path()).mkdir("real");
    for (const char* name : {"own.bmp", "real/target.bmp"}) ASSERT_FALSE(Write(name, "old").isEmpty());
    ::chmod(Path("own.bmp").toUtf8(), 0640);
    ::symlink("real/target.bmp", Path("link.bmp").toUtf8());
    ::symlink("real/new.bmp", Path("dangling.bmp").toUtf8());
    for (const char* name : {"own.bmp", "link.bmp", "dangling.bmp"})
        ASSERT_EQ(Batch({picture, "-q", "-o", Path(name)}).status, 0) << name;
    EXPECT_TRUE(reference.status == 0 && reference.output.startsWith("BM"));
    for (const char* name : {"own.bmp", "real/target.bmp", "real/new.bmp"})
        EXPECT_EQ(ReadFile(Path(name)), reference.output) << name;
    EXPECT_EQ(Snapshot(dir.path()).size(), 7u) << "the picture, three names, a folder and its two files";
    struct stat info {};
    EXPECT_TRUE(::stat(Path("own.bmp").toUtf8(), &info) == 0 && (info.st_mode & 07777) == 0640);
    EXPECT_TRUE(QFileInfo(Path("link.bmp")).isSymLink() && QFileInfo(Path("dangling.bmp")).isSymLink());
}

// In a folder where no new file can be made (here an immutable one) an existing output is
// rewritten in place instead. Skipped where the system keeps the test from making such a folder.
TEST_F(BatchCommand, OutputInAFolderWithoutNewFilesIsRewrittenInPlace) {
    const QString picture = KeyPicture();
    const Result reference = Batch({picture, "-q", "-o", "-"});
    QDir(dir.path()).mkdir("fixed");
    ASSERT_FALSE(Write("fixed/out.bmp", "old").isEmpty());
    if (QProcess::execute("chattr", {"+i", Path("fixed")}) != 0) GTEST_SKIP() << "no immutable folder here";
    const Result run = Batch({picture, "-q", "-o", Path("fixed/out.bmp")});
    QProcess::execute("chattr", {"-i", Path("fixed")});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(ReadFile(Path("fixed/out.bmp")), reference.output);
}

// Starts the command and, once `ready` holds (or the command ended), sends it `signal`.
Result Interrupt(const QStringList& arguments, int signal, const std::function<bool(qint64)>& ready) {
    QProcess process;
    process.start(GLIMMET_BATCH_PROGRAM, arguments);
    process.waitForStarted();
    while (process.state() == QProcess::Running && !ready(process.processId())) QThread::msleep(1);
    ::kill(static_cast<pid_t>(process.processId()), signal);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()),
            {}};
}

// A file of the folder that the process has open, other than `except`.
bool WritesInto(qint64 pid, const QString& folder, const QString& except) {
    for (const QFileInfo& fd :
         QDir(QString("/proc/%1/fd").arg(pid)).entryInfoList(QDir::Files | QDir::System)) {
        const QString target = fd.symLinkTarget();
        if (target.startsWith(folder + "/") && target != except) return true;
    }
    return false;
}

// Ctrl-C, a timeout or a logout during a run takes back every page the run appended to, also
// those of pictures already done; even SIGKILL while an output is written leaves no file behind.
TEST_F(BatchCommand, AnInterruptedRunLeavesEveryFileAsItWas) {
    const QString small = KeyPicture(), big = Plain("big.bmp", {1500, 1500});
    Write("key.htm", "old page\r\n");
    const auto before = Snapshot(dir.path());
    for (const auto& [signal, name] :
         {std::pair{SIGINT, "SIGINT"}, {SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"}}) {
        const Result result = Interrupt({"-j", "1", "--html", "%d/%n.htm", small, big}, signal,
                                        [&](qint64) { return QFileInfo::exists(Path("big.htm")); });
        EXPECT_EQ(result.status, 128 + signal) << name;
        EXPECT_EQ(result.errors.count('\n'), 2) << result.errors.toStdString();
        EXPECT_TRUE(
            result.errors.endsWith(QString("glimmet-batch: stopped by %1: every page is back as it was "
                                           "before the run\n")
                                       .arg(name)))
            << result.errors.toStdString();
        EXPECT_EQ(Snapshot(dir.path()), before) << name;
    }
    // Stopped while it still waits for its list of pictures, once the watcher runs: it ends at once
    // with the same line and status, nothing being there to put back.
    const auto watching = [](qint64 pid) { return QDir(QString("/proc/%1/task").arg(pid)).count() > 3; };
    const Result early = Interrupt({"--files-from", "-"}, SIGHUP, watching);
    EXPECT_EQ(early.status, 128 + SIGHUP);
    EXPECT_EQ(early.errors,
              "glimmet-batch: stopped by SIGHUP: every page is back as it was before the run\n");
    // A page that another program appended to since the run let go of it keeps every byte.
    const Result shared = Interrupt({"-j", "1", "--html", "%d/%n.htm", small, big}, SIGTERM, [&](qint64) {
        QFile page(Path("key.htm"));
        return QFileInfo::exists(Path("big.htm")) && page.open(QIODevice::Append) && page.write("more\r\n");
    });
    const QByteArray page = ReadFile(Path("key.htm"));
    EXPECT_TRUE(shared.status == 143 && page.startsWith("old page\r\n") &&
                page.endsWith("</HTML>\r\nmore\r\n"));
    Write("key.htm", "old page\r\n");
    const Result killed = Interrupt({big, "-z", "4", "-o", Path("out.bmp")}, SIGKILL,
                                    [&](qint64 pid) { return WritesInto(pid, dir.path(), big); });
    EXPECT_EQ(killed.status, -1);
    EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(BatchCommand, EachRunTellsItsOutcomeAndAFailedOneChangesNoFile) {
    const QString key = KeyPicture(), damaged = Damaged("damaged.bmp"),
                  sprite = Plain("sprite.bmp", {64, 64});
    const QString page = Path("page.htm"), fresh = Path("new.htm"), out = Path("new.bmp"),
                  far = "0,0,32767,0";
    ASSERT_EQ(Batch({key, "-q", "--html", page, "-o", Path("out.bmp")}).status, 0);
    ::symlink("key.bmp", Path("key-link.bmp").toUtf8());
    ::link(key.toUtf8(), Path("key-hard.bmp").toUtf8());
    ::symlink("page.htm", Path("page-link.htm").toUtf8());
    ::symlink("out.bmp", Path("out-link.htm").toUtf8());
    // A file that may be written in a folder where no file may be made.
    QDir(dir.path()).mkdir("locked");
    QFile::copy(Path("out.bmp"), Path("locked/out.bmp"));
    ::chmod(dir.path().toUtf8(), 0755);
    ::chown(Path("locked/out.bmp").toUtf8(), 65534, 65534);
    ::chmod(Path("locked").toUtf8(), 0555);
    // A walk reaches 32767 columns (its counter may not pass 32767); a region reaches the others.
    const QString wide = Plain("wide.bmp", {32769, 1}, Qt::blue),
                  wider = Plain("wider.bmp", {32768, 1}, Qt::blue);
    const QString widest = Plain("widest.bmp", {32767, 1}, Qt::blue);
    // At zoom 8 the sprite's page (150 KiB) fits under a 400 KiB limit and its bitmap (750 KiB) does not.
    const QStringList bigOutput = {sprite, "-z", "8", "-o"};
    const Launch limit100{.fileKiB = 100}, limit400{.fileKiB = 400};
    // Another run appending to a page holds it locked.
    QFile busy(Write("busy.htm", "another run's page\r\n"));
    ASSERT_TRUE(busy.open(QIODevice::Append) && ::flock(busy.handle(), LOCK_EX) == 0);
#if !defined(__SANITIZE_ADDRESS__)  // the files of the runs under an address-space limit below
    const QString huge = Plain("huge.png", {5000, 5000});
    QByteArray names;
    for (int i = 0; i < 40000; ++i)
        names += "a-rather-long-picture-name-number-" + QByteArray::number(i) + ".bmp\n";
    const QString many = Write("many.txt", names);
#endif
    // clang-format off
    ExpectRuns({
        {"nothing differs on a blue border", {key, "-r", "0,1,0,1", "--expect-none"}, 0, "2 samples visited, 0 passed"},
        {"something differs", {key, "--expect-none", "-q"}, 3, ""},
        {"equal within tolerance", {key, "-c", "equal", "-k", "250,5,0", "--tolerance", "5", "--expect-none"}, 3, "12 samples visited, 1 passed"},
        {"missing picture", {Path("none.bmp")}, 1, "cannot read"},
        {"damaged picture", {PicturePath("jpeg-cut-in-its-scan-end-marker-appended.jpg"), "--html", page, "-o", Path("d.bmp")}, 1,
         "is damaged: the compressed pixel data stops before the picture is complete (Corrupt JPEG data: premature end of data segment)"},
        {"too large", {PicturePath("bmp-claiming-30000-x-30000-in-a-few-bytes.bmp"), "--html", page}, 1, "is beyond what Glimmet reads: it is 30000 x 30000 pixels; at most 268435456 pixels (16384 x 16384) in all"},
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
        {"beyond the memory left", {PicturePath("rle8-blank-10000.bmp"), "--html", page}, 1, "not enough memory to decode its 10000 x 10000 pixels", {.memoryKiB = 300000}},
        {"a page of a picture beyond the memory left", {huge, "--html", page}, 1, "not enough memory", {.memoryKiB = 100000}},
        // The picture fits; the page's lines for 131,000 fill characters (about 20 MB) do not.
        {"a page's fill text beyond the memory left", {key, "-t", QString(131000, 'x'), "--html", page}, 1,
         "not enough memory; the picture's files are left as they were", {.memoryKiB = 30000}},
        // Planning the run, before any picture is read: 40,000 names take about 50 MB.
        {"a list beyond the memory left", {"-q", "--dry-run", "--files-from", many}, 1, "glimmet-batch: not enough memory",
         {.memoryKiB = 16000}},
#endif
        {"bad argument", {key, "-c", "sideways"}, 2, "--compare"},
        {"unwritable output", {key, "-o", Path("no/such/dir/out.bmp")}, 1, "cannot write"},
        {"output onto a folder", {key, "-o", Path("locked")}, 1, "cannot write '" + Path("locked") + "': Is a directory"},
        {"unwritable page", {key, "--html", Path("no/such/dir/p.htm")}, 1, "cannot append"},
        {"wider than a walk reaches", {wide}, 2, "32769 x 1 pixels, more than one walk reaches"},
        {"a region of a wide picture", {wide, "-r", "32758,0,8,0"}, 0, "9 samples visited, 0 passed"},
        {"one column more than a walk reaches", {wider}, 2, "32768 x 1 pixels, more than one walk reaches"},
        {"as wide as a walk of step 2 does not reach", {widest, "-s", "2"}, 2, "after its last sample may not pass 32767"},
        {"as wide as a walk reaches", {widest}, 0, "32767 samples visited, 0 passed"},
        {"several pictures: one passing sample", {key, Plain("blue.bmp", {8, 8}, Qt::blue), "--expect-none"}, 3, "2 pictures, 0 failed"},
        {"several pictures: unreadable counts before passing", {key, damaged, "--expect-none"}, 1, "2 pictures, 1 failed"},
        {"several pictures: refused parameters count first", {key, Plain("big.bmp", {200, 200}), damaged, "-z", "300"}, 2,
         "'" + Path("big.bmp") + "': a mark lands beyond output coordinate 32767"},
        {"page is the picture", {key, "--html", key}, 2, "give --html another file"},
        {"page of another run", {key, "--html", busy.fileName()}, 1, "the page file '" + busy.fileName() + "' is being written by another run"},
        {"page is the picture by a link", {key, "--html", Path("key-link.bmp")}, 2, "is the picture"},
        {"page is the picture's hard link", {key, "--html", Path("key-hard.bmp")}, 2, "is the picture"},
        {"page is the output", {key, "--html", page, "-o", Path("page-link.htm")}, 2, "is the output"},
        {"page holds a picture", {key, "--html", Path("out.bmp")}, 2, "is a BMP picture"},
        {"page holds a picture, by a link", {key, "--html", Path("out-link.htm")}, 2, "is a BMP picture"},
        {"region past 32767", {key, "-r", far, "--html", fresh, "-o", out}, 2, "change -r"},
        {"region past 32767 on an old page", {key, "-r", far, "--html", page}, 2, "change -r"},
        {"marks beyond 16 bits", {key, "-z", "20000"}, 2, "a mark lands beyond output coordinate 32767: use a smaller -z"},
        {"output too large", {key, "-z", "20000", "--html", page, "-o", out}, 2, "-z"},
        {"page over a file-size limit", {sprite, "--html", page}, 1, "File too large", limit100},
        {"new page over a file-size limit", {sprite, "--html", fresh}, 1, "File too large", limit100},
        {"output over a limit after the page", bigOutput + QStringList{Path("out.bmp"), "--html", page}, 1, "File too large", limit400},
        {"output in a locked folder over a limit", bigOutput + QStringList{Path("locked/out.bmp")}, 1, "File too large",
         {.fileKiB = 400, .unprivileged = true}},
        {"output in a missing folder after the page", {key, "--html", page, "-o", Path("none/out.bmp")}, 1, "cannot write"},
    }, dir.path());
    // clang-format on
    ::chmod(Path("locked").toUtf8(), 0755);
}

}  // namespace
}  // namespace glimmet::test
