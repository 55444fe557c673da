#include <gtest/gtest.h>

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "tests/batch/BatchProcess.h"
#include "tests/picture/PictureFiles.h"

// Runs of many pictures: the lists, the templates, the report, and the command's manuals.
namespace glimmet::test {
namespace {

using BatchPipeline = BatchCommand;

TEST_F(BatchPipeline, ListsTemplatesAndClashesAreSettledBeforeAnythingRuns) {
    KeyPicture();
    Plain("plain.bmp", {8, 8});
    QFile::copy(Path("key.bmp"), Path("-q.bmp"));
    Write("list.txt", "key.bmp\r\n\r\nplain.bmp\r\n");
    Write("nul.txt", QByteArray("key.bmp\nkey.bmp\0.txt\n", 21));
    ::symlink("key.bmp", Path("link.bmp").toUtf8());
    ::link(Path("key.bmp").toUtf8(), Path("hard.bmp").toUtf8());
    QFile::copy(Path("key.bmp"), Path("new\nline.bmp"));
    Write("nul0.txt", QByteArray("key.bmp\0new\nline.bmp\0", 22));
    Write("empty.txt", "\n\r\n");
    // Names of one file that is not there yet: through a link to a folder, through "..", through a
    // link that points at it.
    QDir(dir.path()).mkdir("sub");
    ::symlink(".", Path("here").toUtf8());
    ::symlink("../later.htm", Path("sub/later.htm").toUtf8());
    QFile::copy(Path("key.bmp"), Path("sub/key.bmp"));
    ::symlink("loop2.htm", Path("loop1.htm").toUtf8());
    ::symlink("loop1.htm", Path("loop2.htm").toUtf8());
    // clang-format off
    ExpectRuns({
        {"- reads a list", {"--report", "-", "-"}, 0, "2 pictures", {.input = "key.bmp\nplain.bmp\n"}, 3},
        {"--files-from reads a list", {"--report", "-", "--files-from", "list.txt"}, 0, "2 pictures", {}, 3},
        {"-- ends the options", {"--report", "-", "--", "-q.bmp"}, 0, "12 samples visited", {}, 2},
        {"each picture its own output", {"-o", "%d/%f", "key.bmp", "plain.bmp"}, 2, "which is the picture 'key.bmp'"},
        {"a picture its own output", {"-o", "key.bmp", "key.bmp"}, 2, "is the picture"},
        {"an output linked to its picture", {"-o", "link.bmp", "key.bmp"}, 2, "is the picture"},
        {"an output hard-linked to its picture", {"-o", "hard.bmp", "key.bmp"}, 2, "is the picture"},
        {"a report that is the list", {"--files-from", "list.txt", "--report", "list.txt"}, 2, "is the list of pictures"},
        {"an output that is the list", {"--files-from", "list.txt", "-o", "./list.txt", "key.bmp"}, 2, "is the list of pictures"},
        {"one output for two", {"-o", "same.bmp", "key.bmp", "plain.bmp"}, 2, "tell them apart"},
        {"one page for two pictures", {"--html", "%d/p.htm", "key.bmp", "plain.bmp"}, 2, "for both"},
        {"one new page by a folder's link", {"--html", "%d/p.htm", "key.bmp", "here/plain.bmp"}, 2, "for both"},
        {"one new page by a folder's parent", {"--html", "%d/p.htm", "key.bmp", "sub/../plain.bmp"}, 2, "for both"},
        {"a new page that is the new output", {"-o", "new.htm", "--html", "sub/../here/new.htm", "key.bmp"}, 2, "is the output picture"},
        {"new pages of one name in two folders", {"-q", "--dry-run", "--html", "%d/p.htm", "key.bmp", "sub/key.bmp"}, 0, "", {}, 2},
        {"new files of one name in two folders not there", {"-o", "gone/same.htm", "--html", "lost/same.htm", "key.bmp"}, 1, "cannot"},
        {"a page through a loop of links", {"--html", "loop1.htm", "key.bmp"}, 1, "Too many levels of symbolic links"},
        {"a new page by a link to the new output", {"-o", "later.htm", "--html", "sub/later.htm", "key.bmp"}, 2, "is the output picture"},
        {"an output that is another picture", {"-o", "%d/plain.bmp", "key.bmp", "plain.bmp"}, 2, "which is the picture 'plain.bmp'"},
        {"a page that is a picture", {"--html", "%d/plain.bmp", "key.bmp", "plain.bmp"}, 2, "is the picture"},
        {"a report that is a picture", {"--report", "./key.bmp", "key.bmp"}, 2, "--report another"},
        {"standard output twice", {"-o", "-", "--report", "-", "key.bmp"}, 2, "only one of -o and --report may write"},
        {"page and output to standard output", {"--html", "-", "-o", "-", "key.bmp"}, 2, "only one of -o and --html"},
        {"two outputs to standard output", {"-o", "-", "key.bmp", "plain.bmp"}, 2, "-o - writes one picture's file to standard output, and this run has several"},
        {"two pages to standard output", {"--html", "-", "key.bmp", "plain.bmp"}, 2, "give --html a file name or a template"},
        {"-0 reads names ended by NUL", {"--report", "-", "-0", "--files-from", "nul0.txt"}, 0, "2 pictures", {}, 3},
        {"--null reads standard input", {"-q", "--report", "-", "--null", "-"}, 0, "", {.input = QByteArray("key.bmp\0\0", 9)}, 2},
        {"an empty list is nothing to do", {"--report", "-", "--files-from", "empty.txt"}, 0, "the lists name no PICTURE: nothing to do", {}, 1},
        {"an empty list on standard input", {"-"}, 0, "nothing to do"},
        {"a shard with no picture", {"--shard", "1/3", "key.bmp"}, 0, "shard 1/3 holds no PICTURE of the list: nothing to do"},
        {"clashes are of the whole list", {"-o", "same.bmp", "--shard", "0/2", "key.bmp", "plain.bmp"}, 2, "tell them apart"},
        {"standard output is of the shard", {"-q", "--dry-run", "--html", "-", "--shard", "1/2", "key.bmp", "plain.bmp"}, 0, "", {}, 1},
        {"a dry run writes nothing", {"--dry-run", "-o", "o/%n.png", "--html", "%n.htm", "--report", "r", "key.bmp", "gone.bmp", "plain.bmp"}, 1, "cannot read 'gone.bmp'", {}, 2},
        {"a list that cannot be read", {"--files-from", "none.txt"}, 1, "cannot read the list"},
        {"a NUL inside a listed name", {"--files-from", "nul.txt"}, 2, "line 2 of the list of pictures 'nul.txt' holds a NUL"},
        {"a NUL inside a name on standard input", {"-"}, 2, "line 1 of the list of pictures 'standard input'", {.input = QByteArray("key.bmp\0x", 9)}},
    }, dir.path());
    // clang-format on
}

TEST_F(BatchPipeline, ReportDescribesEachPictureAndTheRun) {
    KeyPicture();
    // A name that is not UTF-8 is read by its bytes, from a list or as an argument.
    ASSERT_EQ(::link(Path("key.bmp").toUtf8(), dir.path().toUtf8() + "/not-\xff.bmp"), 0);
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.start("bash", {"-c", "exec \"$0\" $'not-\\xff.bmp'", GLIMMET_BATCH_PROGRAM});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    // A list of a single byte, without a line end, names its picture all the same.
    ASSERT_EQ(::link(Path("key.bmp").toUtf8(), Path("k").toUtf8()), 0);
    Write("one.txt", "k");
    EXPECT_EQ(Batch({"-q", "--files-from", "one.txt"}, {.folder = dir.path()}).status, 0);
    Damaged("cut.bmp");
    Write("list.txt", "key.bmp\nnot-\xff.bmp\ngone.bmp\ncut.bmp\n");
    const QStringList arguments = {"--report", "-",   "--report-limit", "1",       "-r", "0,0,4,2",
                                   "-s",       "1,2", "--files-from",   "list.txt"};
    const Result result = Batch(arguments, {.folder = dir.path()});
    EXPECT_EQ(Batch(arguments + QStringList{"-j", "3"}, {.folder = dir.path()}).output, result.output)
        << "the pictures reported in their order whatever the jobs";
    ::unlink(dir.path().toUtf8() + "/not-\xff.bmp");  // a name QTemporaryDir cannot remove
    EXPECT_EQ(result.status, 1);
    // Four samples pass: two pixels and the column outside the picture, which reads as -1.
    const QList<QByteArray> lines = result.output.split('\n');
    ASSERT_EQ(lines.size(), 6) << result.output.toStdString();
    EXPECT_EQ(lines[0], R"({"type":"picture","path":"key.bmp","status":0,"width":4,"height":3,)"
                        R"("region":{"x0":0,"y0":0,"x1":4,"y1":2},"steps":{"x":1,"y":2},"key":"#0000FF",)"
                        R"("comparison":"notequal","tolerance":0,"samples":10,"passed":4,)"
                        R"("first_passing":[{"x":1,"y":0,"colour":"#FF0000"}]})");
    EXPECT_EQ(lines[1], QByteArray(lines[0]).replace(
                            R"("key.bmp")", "\"not-\xEF\xBF\xBD.bmp\",\"path_hex\":\"6e6f742dff2e626d70\""));
    EXPECT_TRUE(lines[2].startsWith(R"({"type":"picture","path":"gone.bmp","status":1,"width":null,)") &&
                lines[2].endsWith(R"("error":"cannot read 'gone.bmp': No such file or directory",)"
                                  R"("error_kind":"cannot_read"})"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(R"("error_kind":"damaged"})")) << lines[3].toStdString();
    EXPECT_EQ(
        lines[4],
        R"({"type":"summary","pictures":4,"failed":2,"with_passing":2,"samples":20,"passed":8,"status":1})");
    const Result outside =
        Batch({"--report", "-", "-r", "3,0,1,0", "-k", "#335577", "key.bmp"}, {.folder = dir.path()});
    EXPECT_TRUE(outside.output.contains(R"("key":"#335577")") &&
                outside.output.contains(R"({"x":4,"y":0,"colour":null}])"))
        << outside.output.toStdString();
    const Result column = Batch({"--report", "-", Plain("column.bmp", {1, 2})}, {.folder = dir.path()});
    EXPECT_TRUE(column.output.contains(R"("width":1,"height":2,)")) << column.output.toStdString();
    // Black is a colour like any other, not the mark of a sample outside the picture.
    const Result black = Batch({"--report", "-", "-k", "#FFFFFF", Plain("black.bmp", {1, 1}, Qt::black)},
                               {.folder = dir.path()});
    EXPECT_TRUE(black.output.contains(R"("first_passing":[{"x":0,"y":0,"colour":"#000000"}])"))
        << black.output.toStdString();
    const Result toFile = Batch({"--report", "r.jsonl", "-r", "3,0,1,0", "key.bmp"}, {.folder = dir.path()});
    EXPECT_TRUE(toFile.status == 0 && toFile.errors.count('\n') == 1) << toFile.errors.toStdString();
    EXPECT_EQ(ReadFile(Path("r.jsonl")),
              Batch({"--report", "-", "-r", "3,0,1,0", "key.bmp"}, {.folder = dir.path()}).output);
    EXPECT_TRUE(Batch({"--report", "-", "-z", "20000", "key.bmp"}, {.folder = dir.path()})
                    .output.contains(R"("error_kind":"parameters"})"));
}

// Without -j, as many pictures are walked at once as the process may use cores: the most threads
// seen while it runs are those workers (the first one the main thread) and the signal watcher.
TEST_F(BatchPipeline, WalksAsManyPicturesAtOnceAsItMayUseCores) {
    cpu_set_t cores;
    ASSERT_EQ(::sched_getaffinity(0, sizeof cores, &cores), 0);
    // PNG, which is decoded on one thread (a large bitmap is decoded in bands, on threads of its own).
    const QString big = Plain("big.png", {3000, 3000});
    QStringList arguments = {"-q"};
    for (int i = 0; i < 8; ++i) {
        const QString name = Path(QString("big%1.png").arg(i));
        ASSERT_EQ(::link(big.toUtf8(), name.toUtf8()), 0);
        arguments << name;
    }
    QProcess process;
    process.start(GLIMMET_BATCH_PROGRAM, arguments);
    ASSERT_TRUE(process.waitForStarted());
    const QString tasks = QString("/proc/%1/task").arg(process.processId());
    qsizetype most = 0;
    while (!process.waitForFinished(1))
        most = std::max(most, QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(most, 1 + std::min(CPU_COUNT(&cores), 8));
}

// Every failure names its kind in the report; several pictures under any -j give the files each
// gives alone; a FIFO and /dev/stdout take an output as a stream, and the report streams its lines as
// the pictures finish; --version names the version.
TEST_F(BatchPipeline, KindsJobsStreamsAndVersion) {
    KeyPicture();
    Write("words.bmp", "only words");
    const QString huge = PicturePath("bmp-claiming-30000-x-30000-in-a-few-bytes.bmp");
    const std::tuple<QStringList, const char*, int> kinds[] = {
        {{"words.bmp"}, "not_a_picture", 0},
        {{huge}, "too_large", 0},
        {{"key.bmp", "-o", "no/such/folder/out.bmp"}, "cannot_write", 0},
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer cannot start under an address-space limit
        {{PicturePath("rle8-blank-10000.bmp")}, "out_of_memory", 300000},
#endif
    };
    for (const auto& [arguments, kind, memory] : kinds) {
        const Result r =
            Batch(QStringList{"--report", "-"} + arguments, {.memoryKiB = memory, .folder = dir.path()});
        EXPECT_TRUE(r.status == 1 && r.output.contains(QString(R"("error_kind":"%1"})").arg(kind).toUtf8()))
            << kind << ": " << r.output.toStdString();
    }
    // Four pictures, alone and together under 1 and 3 jobs: the same outputs and pages, byte for byte.
    QStringList pictures;
    for (int i = 1; i <= 4; ++i) pictures << Plain(QString("p%1.bmp").arg(i), {40 * i, 30});
    const QStringList options = {"-z", "2", "-f", "text", "-o", "%d/%n.out.bmp", "--html", "%d/%n.htm"};
    std::map<QString, QByteArray> alone;
    for (const QString& picture : pictures) {
        ASSERT_EQ(Batch(options + QStringList{picture}).status, 0);
        const auto files = Snapshot(dir.path());
        for (const auto& [name, bytes] : files)
            if (name.endsWith(".out.bmp") || name.endsWith(".htm")) alone[name] = bytes;
        for (const auto& [name, bytes] : files)
            if (name.endsWith(".out.bmp") || name.endsWith(".htm")) QFile::remove(Path(qPrintable(name)));
    }
    ASSERT_EQ(alone.size(), 8u);
    for (const char* jobs : {"1", "3"}) {
        ASSERT_EQ(Batch(options + QStringList{"-j", jobs} + pictures).status, 0);
        for (const auto& [name, bytes] : alone) {
            EXPECT_EQ(ReadFile(Path(qPrintable(name))), bytes) << name.toStdString() << " under -j " << jobs;
            QFile::remove(Path(qPrintable(name)));
        }
    }
    // Streams: a FIFO read by another program, and standard output through /dev/stdout.
    ASSERT_EQ(Batch({"-o", Path("expected.bmp"), "key.bmp"}, {.folder = dir.path()}).status, 0);
    ASSERT_EQ(::mkfifo(Path("fifo.bmp").toUtf8(), 0600), 0);
    QProcess reader;
    reader.setStandardOutputFile(Path("from-fifo.bmp"));
    reader.start("cat", {Path("fifo.bmp")});
    ASSERT_EQ(Batch({"-o", Path("fifo.bmp"), "key.bmp"}, {.folder = dir.path()}).status, 0);
    ASSERT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(ReadFile(Path("from-fifo.bmp")), ReadFile(Path("expected.bmp")));
    EXPECT_EQ(Batch({"-q", "-o", "/dev/stdout", "key.bmp"}, {.folder = dir.path()}).output,
              ReadFile(Path("expected.bmp")));
    // The report on standard output: the first picture's line comes while the second, a FIFO, waits
    // for its bytes, which are written only once that line has been read.
    ASSERT_EQ(::mkfifo(Path("late.bmp").toUtf8(), 0600), 0);
    QProcess run, writer;
    run.setWorkingDirectory(dir.path());
    writer.setWorkingDirectory(dir.path());
    run.start(GLIMMET_BATCH_PROGRAM, {"--report", "-", "-j", "1", "key.bmp", "late.bmp"});
    QByteArray report;
    for (QDeadlineTimer limit(60000);
         !report.contains('\n') && !limit.hasExpired() && run.state() != QProcess::NotRunning;)
        if (run.waitForReadyRead(static_cast<int>(limit.remainingTime())))
            report += run.readAllStandardOutput();
    EXPECT_TRUE(report.startsWith(R"({"type":"picture","path":"key.bmp","status":0,)") &&
                report.count('\n') == 1)
        << "before the second picture was read: " << report.toStdString();
    writer.start("bash", {"-c", "cat key.bmp > late.bmp"});
    ASSERT_TRUE(run.waitForFinished(60000) && writer.waitForFinished(60000));
    report += run.readAllStandardOutput();
    EXPECT_TRUE(run.exitCode() == 0 && report.count('\n') == 3 &&
                report.contains(R"("path":"late.bmp","status":0,)"))
        << report.toStdString();
    // Standard output that no one reads: the run tells the broken pipe and ends with status 1,
    // never ended by the signal.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    QProcess unread;
    unread.setWorkingDirectory(dir.path());
    unread.setChildProcessModifier([output = ends[1]] { ::dup2(output, STDOUT_FILENO); });
    unread.start(GLIMMET_BATCH_PROGRAM, {"--html", "-", "key.bmp"});
    ASSERT_TRUE(unread.waitForFinished(60000));
    ::close(ends[1]);
    const QString told = QString::fromUtf8(unread.readAllStandardError());
    EXPECT_TRUE(unread.exitStatus() == QProcess::NormalExit && unread.exitCode() == 1 &&
                told.contains("Broken pipe"))
        << unread.exitStatus() << " " << unread.exitCode() << " " << told.toStdString();
    const Result version = Batch({"--version"});
    EXPECT_TRUE(version.status == 0 && version.output == "glimmet-batch " GLIMMET_VERSION "\n")
        << version.output.toStdString();
}

// Shards' reports joined as the README joins them (picture lines in shard order, summed counts, the
// strongest status) are one run's report; a dry run lists the files; a single page goes to a pipe.
TEST_F(BatchPipeline, ShardsJoinIntoOneRunDryRunsListAndAPageGoesToAPipe) {
    QStringList names = {Damaged("cut.bmp"), "gone.bmp"};
    for (int i = 0; i < 6; ++i) names << Plain(QString("p%1.bmp").arg(i), {4, 2}, i % 2 ? Qt::red : Qt::blue);
    const QStringList common = {"-q", "--report", "-", "--expect-none", "-r", "0,0,3,0"};
    const QByteArray whole = Batch(common + names, {.folder = dir.path()}).output;
    for (const int shards : {3, 11}) {
        QByteArray joined;
        std::map<QString, qint64> sums;
        int strongest = 0;  // statuses from the weakest: 0, 3, 1, 2
        for (int k = 0; k < shards; ++k) {
            const QStringList shard = {"--shard", QString("%1/%2").arg(k).arg(shards)};
            QList<QByteArray> lines =
                Batch(common + shard + names, {.folder = dir.path()}).output.split('\n');
            const QJsonObject summary = QJsonDocument::fromJson(lines.at(lines.size() - 2)).object();
            for (const QString& key : summary.keys()) sums[key] += summary[key].toInteger();
            strongest = std::max(strongest, int(QByteArray("0312").indexOf('0' + summary["status"].toInt())));
            joined += lines.mid(0, lines.size() - 2).join('\n') + (lines.size() > 2 ? "\n" : "");
        }
        joined += QString(R"({"type":"summary","pictures":%1,"failed":%2,"with_passing":%3,"samples":%4,)"
                          R"("passed":%5,"status":%6})"
                          "\n")
                      .arg(sums["pictures"])
                      .arg(sums["failed"])
                      .arg(sums["with_passing"])
                      .arg(sums["samples"])
                      .arg(sums["passed"])
                      .arg(QChar("0312"[strongest]))
                      .toUtf8();
        EXPECT_EQ(joined, whole) << shards << " shards";
    }
    const QStringList files = {"--dry-run", "-o", "o/%n.png", "--html", "%n.htm", "p0.bmp", "p1.bmp"};
    EXPECT_EQ(Batch(files, {.folder = dir.path()}).output,
              "p0.bmp\to/p0.png\tp0.htm\np1.bmp\to/p1.png\tp1.htm\n");
    EXPECT_EQ(Batch(QStringList{"-0", "--dry-run", "p0.bmp"}, {.folder = dir.path()}).output,
              QByteArray("p0.bmp\0\0\0", 9));
    // Checking that each picture can be read keeps no descriptor: a list longer than the limit of
    // open files is listed whole.
    const Result many =
        Batch(QStringList{"--dry-run"} + QStringList(30, "p0.bmp"), {.openFiles = 12, .folder = dir.path()});
    EXPECT_TRUE(many.status == 0 && many.output.count('\n') == 30) << many.errors.toStdString();
    // A page of a few megabytes goes out in several blocks, each once.
    const QString large = Plain("large.bmp", {300, 300}, Qt::red);
    const Result page = Batch({"--html", "-", large}, {.folder = dir.path()});
    ASSERT_EQ(Batch({"--html", "p.htm", large}, {.folder = dir.path()}).status, 0);
    EXPECT_GT(page.output.size(), 2 << 20);
    EXPECT_TRUE(page.status == 0 && page.output == ReadFile(Path("p.htm"))) << page.errors.toStdString();
}

TEST_F(BatchPipeline, HelpManualAndCompletionKnowEveryOption) {
    const Result help = Batch({"--help"});
    ASSERT_EQ(help.status, 0);
    const QString manual = ReadFile(GLIMMET_BATCH_MANUAL), completion = ReadFile(GLIMMET_BATCH_COMPLETION);
    const auto options = QRegularExpression("(?<![\\w-])--?[a-z][a-z-]*").globalMatch(help.output);
    int count = 0;
    for (const QRegularExpressionMatch& match : options) {
        const QString option = match.captured();
        ++count;
        EXPECT_TRUE(manual.contains(QString(option).replace("-", "\\-")))
            << "manual: " << option.toStdString();
        EXPECT_TRUE(
            completion.contains(QRegularExpression("[ |(]" + QRegularExpression::escape(option) + "[ \n)]")))
            << "completion: " << option.toStdString();
    }
    EXPECT_GE(count, 33);
    // The completion offers the options that begin with what was typed.
    QProcess bash;
    bash.start("bash",
               {"-c", QString("source '%1'; COMP_WORDS=(glimmet-batch --rep); COMP_CWORD=1; _glimmet_batch; "
                              "echo \"${COMPREPLY[*]}\"")
                          .arg(GLIMMET_BATCH_COMPLETION)});
    ASSERT_TRUE(bash.waitForFinished(60000));
    EXPECT_EQ(bash.readAllStandardOutput(), "--report --report-limit\n");
}

}  // namespace
}  // namespace glimmet::test
