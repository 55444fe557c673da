#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/BitmapWriter.h"
#include "tests/platform/PictureFiles.h"

namespace glimmet {
namespace {

// Four colours in rows that differ.
QImage Sample() {
    return QImage(test::PicturePath("expect-grid.png")).convertToFormat(QImage::Format_RGB32);
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
