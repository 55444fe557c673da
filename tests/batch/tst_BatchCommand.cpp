#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Result {
    int status = -1;
    QString errors;
};

// Runs the batch command as a script would, with standard error not a terminal.
Result Batch(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(GLIMMET_BATCH_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

class BatchCommand : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

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
        const char* message;
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
