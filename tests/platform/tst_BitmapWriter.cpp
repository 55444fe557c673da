#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/BitmapWriter.h"
#include "platform/PictureLoader.h"
#include "tests/platform/PictureFiles.h"
#include "tests/support/TestFiles.h"

namespace glimmet {
namespace {

// Four colours in rows that differ.
QImage Sample() {
    return QImage(test::PicturePath("expect-grid.png")).convertToFormat(QImage::Format_RGB32);
}

// The file replaces an older one and reads back as it was; no temporary file is left beside it.
TEST(BitmapWriter, WritesTheFormatAskedForWhateverTheExtension) {
    QTemporaryDir dir;
    for (const QString name : {"out.bmp", "out.jpg", "out", "out.png"}) {
        for (const auto& [format, start] : {std::pair{BitmapFormat::Bmp, QByteArray("BM")},
                                            std::pair{BitmapFormat::Png, QByteArray("\x89PNG")}}) {
            const QString path = dir.filePath(name);
            ASSERT_TRUE(test::WriteFile(path, "an older file that is replaced without a question"));
            const SaveResult saved = SaveBitmap(Sample(), path.toStdString(), format);
            ASSERT_TRUE(saved.saved) << saved.systemError;
            const QByteArray bytes = test::ReadFile(path);
            EXPECT_TRUE(bytes.startsWith(start));
            EXPECT_TRUE(format != BitmapFormat::Bmp || bytes[28] == 24) << "bits per pixel";
            EXPECT_EQ(LoadPictureFile(path).image, Sample());
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// Nothing is left where the file could not be written, and the system's reason is kept.
TEST(BitmapWriter, FailsCleanlyWhereItCannotWrite) {
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked");
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QStringList folders = {dir.filePath("missing"), "/proc"};  // /proc: no one may write, not even root
    if (geteuid() != 0) folders.push_back(locked);
    for (const QString& folder : folders) {
        const SaveResult saved = SaveBitmap(Sample(), (folder + "/out.bmp").toStdString(), BitmapFormat::Bmp);
        EXPECT_FALSE(saved.saved) << folder.toStdString();
        EXPECT_NE(saved.systemError, 0) << folder.toStdString();
        EXPECT_FALSE(QFile::exists(folder + "/out.bmp")) << folder.toStdString();
    }
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(SaveBitmap(Sample(), dir.path().toStdString(), BitmapFormat::Bmp).systemError, EISDIR);
}

}  // namespace
}  // namespace glimmet
