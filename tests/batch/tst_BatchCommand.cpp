#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

namespace {

struct Result {
    int status = -1;
    QString errors;
    QByteArray output;
};

// How to start the command: under a file-size limit (in KiB, 0 for none); when the tests run as
// root, as an unprivileged user so that a folder's permissions hold; in a folder; with an input.
struct Launch {
    int fileKiB = 0;
    bool unprivileged = false;
    QString folder;
    QByteArray input;
};
Launch Limited(int fileKiB, bool unprivileged = false) {
    Launch launch;
    launch.fileKiB = fileKiB;
    launch.unprivileged = unprivileged;
    return launch;
}
Launch In(const QString& folder, const QByteArray& input = {}) {
    Launch launch;
    launch.folder = folder;
    launch.input = input;
    return launch;
}

// Runs the batch command as a script would, with standard error not a terminal.
Result Batch(const QStringList& arguments, const Launch& limits = {}) {
    QString program = QStringLiteral(GLIMMET_BATCH_PROGRAM);
    QStringList line = arguments;
    if (limits.fileKiB > 0) {
        line = QStringList{"-c", QString("ulimit -f %1; exec \"$0\" \"$@\"").arg(limits.fileKiB), program} +
               line;
        program = "bash";
    }
    if (limits.unprivileged && ::geteuid() == 0) {
        line = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + line;
        program = "setpriv";
    }
    QProcess process;
    process.setWorkingDirectory(limits.folder);
    process.start(program, line);
    process.write(limits.input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()), process.readAllStandardOutput()};
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every entry under `folder` with its content, or a link's target.
std::map<QString, QByteArray> Snapshot(const QString& folder) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries[QDir(folder).relativeFilePath(info.filePath())] =
            info.isSymLink() ? ("-> " + info.symLinkTarget()).toUtf8()
            : info.isDir()   ? QByteArray("folder")
                             : Contents(info.filePath());
    }
    return entries;
}

class BatchCommand : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

    // A picture of one colour.
    QString Plain(const QString& name, int side, QColor colour = QColor(10, 20, 30)) const {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        image.save(Path(name));
        return Path(name);
    }

    // 4 × 3 picture: blue (the default key) everywhere but two pixels.
    QString KeyPicture(const QString& name = "key.bmp") const {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 255));
        image.setPixel(1, 0, qRgb(255, 0, 0));
        image.setPixel(3, 2, qRgb(0, 200, 0));
        image.save(Path(name));
        return Path(name);
    }
};

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
    // At zoom 8 the sprite's page (about 150 KiB) fits under a 400 KiB limit and its bitmap (750 KiB) does
    // not.
    const QStringList bigOutput = {sprite, "-z", "8", "-o"};
    struct Case {
        const char* name;
        QStringList arguments;
        Launch limits;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"page is the picture", {picture, "--html", picture}, {}, 2, "give --html another file"},
        {"page is the picture through a link",
         {picture, "--html", Path("key-link.bmp")},
         {},
         2,
         "is the picture"},
        {"page is the picture's hard link",
         {picture, "--html", Path("key-hard.bmp")},
         {},
         2,
         "is the picture"},
        {"page is the output",
         {picture, "--html", page, "-o", Path("page-link.htm")},
         {},
         2,
         "is the output picture"},
        {"region past 32767",
         {picture, "-r", "0,0,32767,0", "--html", Path("new.htm"), "-o", Path("new.bmp")},
         {},
         2,
         "change -r"},
        {"region past 32767 on an old page",
         {picture, "-r", "0,0,32767,0", "--html", page},
         {},
         2,
         "change -r"},
        {"marks beyond 16 bits", {picture, "-z", "20000"}, {}, 2, "use a smaller -z"},
        {"output too large", {picture, "-z", "20000", "--html", page, "-o", Path("new.bmp")}, {}, 2, "-z"},
        {"page over a file-size limit", {sprite, "--html", page}, Limited(100), 1, "File too large"},
        {"new page over a file-size limit",
         {sprite, "--html", Path("new.htm")},
         Limited(100),
         1,
         "File too large"},
        {"output over a file-size limit after the page",
         bigOutput + QStringList{Path("out.bmp"), "--html", page}, Limited(400), 1, "File too large"},
        {"output in a locked folder over a file-size limit", bigOutput + QStringList{Path("locked/out.bmp")},
         Limited(400, true), 1, "File too large"},
        {"output in a missing folder after the page",
         {picture, "--html", page, "-o", Path("missing/out.bmp")},
         {},
         1,
         "cannot write"},
    };
    const auto before = Snapshot(dir.path());
    for (const auto& c : cases) {
        const Result result = Batch(c.arguments, c.limits);
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << c.name << ": " << result.errors.toStdString();
        EXPECT_EQ(Snapshot(dir.path()), before) << c.name;
    }
    ::chmod(Path("locked").toUtf8(), 0755);
}

TEST_F(BatchCommand, ManyPicturesGiveWhatEachRunAloneGives) {
    QDir folder(dir.path());
    for (const char* path :
         {"in", "one/out", "one/pages", "three/out", "three/pages", "alone/out", "alone/pages"})
        folder.mkpath(path);
    KeyPicture("in/key.bmp");
    QImage ramp(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ramp.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
    ramp.save(Path("in/ramp.png"));
    Plain("in/plain.bmp", 64);
    QFile cut(Path("in/cut.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly) && cut.write(Contents(Path("in/key.bmp")).left(70)) == 70);
    cut.close();
    const QStringList pictures = {"../in/key.bmp", "../in/ramp.png", "../in/missing.bmp", "../in/plain.bmp",
                                  "../in/cut.bmp"};
    const QStringList options = {"-f", "text",       "-t",     "Ёж",          "-z", "3", "--expect-none",
                                 "-o", "out/%n.png", "--html", "pages/%n.htm"};
    const QStringList report = {"--report", "report.jsonl"};
    const Result one = Batch(options + report + QStringList{"-j", "1"} + pictures, In(Path("one")));
    const Result three = Batch(options + report + QStringList{"-j", "3"} + pictures, In(Path("three")));
    EXPECT_EQ(one.status, 1) << one.errors.toStdString();
    EXPECT_EQ(three.status, one.status);
    EXPECT_EQ(three.errors, one.errors);
    EXPECT_EQ(Snapshot(Path("three")), Snapshot(Path("one")));
    EXPECT_EQ(Snapshot(Path("one")).size(), 2 + 3 + 3 + 1u)
        << "folders, three outputs, three pages, the report";
    for (const QString& picture : pictures) Batch(options + QStringList{picture}, In(Path("alone")));
    EXPECT_EQ(Snapshot(Path("alone")), [&] {
        auto outputs = Snapshot(Path("one"));
        outputs.erase("report.jsonl");
        return outputs;
    }());
    // PNG for a name ending in .png in any case, BMP otherwise, with the same pixels.
    Batch(options + QStringList{"-o", "ramp.PNG", "../in/ramp.png"}, In(Path("alone")));
    Batch(options + QStringList{"-o", "ramp.bmp", "../in/ramp.png"}, In(Path("alone")));
    EXPECT_TRUE(Contents(Path("alone/ramp.PNG")).startsWith("\x89PNG"));
    EXPECT_TRUE(Contents(Path("alone/ramp.bmp")).startsWith("BM"));
    EXPECT_EQ(QImage(Path("alone/ramp.PNG")), QImage(Path("alone/ramp.bmp")));
}

TEST_F(BatchCommand, ListsTemplatesAndClashesAreSettledBeforeAnythingRuns) {
    KeyPicture();
    Plain("plain.bmp", 8);
    QFile::copy(Path("key.bmp"), Path("-q.bmp"));
    QFile list(Path("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("key.bmp\r\n\r\nplain.bmp\r\n") > 0);
    list.close();
    struct Case {
        const char* name;
        QStringList arguments;
        QByteArray input;
        int status;
        const char* message;
        int reportLines;
    };
    const Case cases[] = {
        {"- reads the list on standard input",
         {"--report", "-", "-"},
         "key.bmp\nplain.bmp\n",
         0,
         "2 pictures",
         3},
        {"--files-from reads a list", {"--report", "-", "--files-from", "list.txt"}, "", 0, "2 pictures", 3},
        {"-- ends the options", {"--report", "-", "--", "-q.bmp"}, "", 0, "12 samples visited", 2},
        {"one output for two pictures",
         {"-o", "same.bmp", "key.bmp", "plain.bmp"},
         "",
         2,
         "tell them apart",
         0},
        {"one page for two pictures", {"--html", "%d/p.htm", "key.bmp", "plain.bmp"}, "", 2, "for both", 0},
        {"an output that is another picture",
         {"-o", "%d/plain.bmp", "key.bmp", "plain.bmp"},
         "",
         2,
         "which is the picture 'plain.bmp'",
         0},
        {"a page that is a picture",
         {"--html", "%d/plain.bmp", "key.bmp", "plain.bmp"},
         "",
         2,
         "is the picture",
         0},
        {"a report that is a picture",
         {"--report", "./key.bmp", "key.bmp"},
         "",
         2,
         "give --report another",
         0},
        {"standard output twice", {"-o", "-", "--report", "-", "key.bmp"}, "", 2, "standard output", 0},
        {"a list that cannot be read", {"--files-from", "none.txt"}, "", 1, "cannot read the list", 0},
    };
    const auto before = Snapshot(dir.path());
    for (const auto& c : cases) {
        const Result result = Batch(c.arguments, In(dir.path(), c.input));
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << c.name << ": " << result.errors.toStdString();
        EXPECT_EQ(result.output.count('\n'), c.reportLines) << c.name;
        EXPECT_EQ(Snapshot(dir.path()), before) << c.name;
    }
}

TEST_F(BatchCommand, ReportDescribesEachPictureAndTheRun) {
    KeyPicture();
    // A name that is not UTF-8 comes through a list, since arguments are text.
    QFile list(Path("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("key.bmp\nnot-\xff.bmp\n") > 0);
    list.close();
    const Result result =
        Batch({"--report", "-", "--report-limit", "1", "-r", "0,0,4,2", "--files-from", "list.txt"},
              In(dir.path()));
    EXPECT_EQ(result.status, 1);
    const QList<QByteArray> lines = result.output.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << result.output.toStdString();
    const QJsonObject key = QJsonDocument::fromJson(lines[0]).object();
    const QJsonObject missing = QJsonDocument::fromJson(lines[1]).object();
    const QJsonObject summary = QJsonDocument::fromJson(lines[2]).object();
    struct Case {
        QJsonObject object;
        const char* field;
        QJsonValue value;
    };
    const Case cases[] = {
        {key, "type", "picture"},
        {key, "path", "key.bmp"},
        {key, "status", 0},
        {key, "width", 4},
        {key, "height", 3},
        {key, "region", QJsonObject{{"x0", 0}, {"y0", 0}, {"x1", 4}, {"y1", 2}}},
        {key, "steps", QJsonObject{{"x", 1}, {"y", 1}}},
        {key, "key", "#0000FF"},
        {key, "comparison", "notequal"},
        {key, "tolerance", 0},
        {key, "samples", 15},
        {key, "passed", 5},  // two pixels and the column outside the picture, which reads as -1
        {key, "first_passing", QJsonArray{QJsonObject{{"x", 1}, {"y", 0}, {"colour", "#FF0000"}}}},
        {missing, "path", "not-\uFFFD.bmp"},
        {missing, "path_hex", "6e6f742dff2e626d70"},
        {missing, "status", 1},
        {missing, "width", QJsonValue::Null},
        {missing, "error_kind", "cannot_read"},
        {summary, "type", "summary"},
        {summary, "pictures", 2},
        {summary, "failed", 1},
        {summary, "with_passing", 1},
        {summary, "samples", 15},
        {summary, "passed", 5},
        {summary, "status", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.object.value(c.field), c.value) << c.field;
    EXPECT_TRUE(missing.value("error").toString().startsWith("cannot read")) << lines[1].toStdString();

    const Result outside = Batch({"--report", "-", "-r", "3,0,1,0", "key.bmp"}, In(dir.path()));
    EXPECT_TRUE(outside.output.contains(R"("first_passing":[{"x":4,"y":0,"colour":null}])"))
        << outside.output.toStdString();
}

TEST_F(BatchCommand, HelpManualAndCompletionKnowEveryOption) {
    const Result help = Batch({"--help"});
    ASSERT_EQ(help.status, 0);
    const QString manual = QString::fromUtf8(Contents(GLIMMET_BATCH_MANUAL));
    const QString completion = QString::fromUtf8(Contents(GLIMMET_BATCH_COMPLETION));
    QRegularExpressionMatchIterator options =
        QRegularExpression("(?<![\\w-])--?[a-z][a-z-]*").globalMatch(QString::fromUtf8(help.output));
    int count = 0;
    while (options.hasNext()) {
        const QString option = options.next().captured();
        ++count;
        EXPECT_TRUE(manual.contains(QString(option).replace("-", "\\-")))
            << "manual: " << option.toStdString();
        EXPECT_TRUE(
            completion.contains(QRegularExpression("[ |(]" + QRegularExpression::escape(option) + "[ \n)]")))
            << "completion: " << option.toStdString();
    }
    EXPECT_GE(count, 29);
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

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
