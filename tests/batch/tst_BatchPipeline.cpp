#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "tests/batch/BatchProcess.h"

// Runs of many pictures: what each picture gets, the lists, the report, and the command's manuals.
namespace glimmet::test {
namespace {

using BatchPipeline = BatchCommand;

TEST_F(BatchPipeline, ManyPicturesGiveWhatEachRunAloneGives) {
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

TEST_F(BatchPipeline, ListsTemplatesAndClashesAreSettledBeforeAnythingRuns) {
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
    // clang-format off
    const Case cases[] = {
        {"- reads a list", {"--report", "-", "-"}, "key.bmp\nplain.bmp\n", 0, "2 pictures", 3},
        {"--files-from reads a list", {"--report", "-", "--files-from", "list.txt"}, "", 0, "2 pictures", 3},
        {"-- ends the options", {"--report", "-", "--", "-q.bmp"}, "", 0, "12 samples visited", 2},
        {"one output for two", {"-o", "same.bmp", "key.bmp", "plain.bmp"}, "", 2, "tell them apart", 0},
        {"one page for two pictures", {"--html", "%d/p.htm", "key.bmp", "plain.bmp"}, "", 2, "for both", 0},
        {"an output that is another picture", {"-o", "%d/plain.bmp", "key.bmp", "plain.bmp"}, "", 2,
         "which is the picture 'plain.bmp'", 0},
        {"a page that is a picture", {"--html", "%d/plain.bmp", "key.bmp", "plain.bmp"}, "", 2,
         "is the picture", 0},
        {"a report that is a picture", {"--report", "./key.bmp", "key.bmp"}, "", 2, "--report another", 0},
        {"standard output twice", {"-o", "-", "--report", "-", "key.bmp"}, "", 2, "standard output", 0},
        {"a list that cannot be read", {"--files-from", "none.txt"}, "", 1, "cannot read the list", 0},
    };
    // clang-format on
    const auto before = Snapshot(dir.path());
    for (const auto& c : cases) {
        const Result result = Batch(c.arguments, In(dir.path(), c.input));
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << c.name << ": " << result.errors.toStdString();
        EXPECT_EQ(result.output.count('\n'), c.reportLines) << c.name;
        EXPECT_EQ(Snapshot(dir.path()), before) << c.name;
    }
}

TEST_F(BatchPipeline, ReportDescribesEachPictureAndTheRun) {
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

TEST_F(BatchPipeline, HelpManualAndCompletionKnowEveryOption) {
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
}  // namespace glimmet::test
