#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/BitmapWriter.h"
#include "platform/PictureLoader.h"
#include "tests/platform/TestPictures.h"

namespace glimmet {
namespace {

using test::ReadFile;
using test::WriteFile;

QImage Sample() {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 100, 200 - x * 40));
    return image;
}

uint32_t Le16At(const QByteArray& bytes, int offset) {
    return static_cast<uint8_t>(bytes[offset]) | (static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

TEST(BitmapWriter, WritesTheFormatAskedForWhateverTheExtension) {
    QTemporaryDir dir;
    for (const QString name : {"out.bmp", "out.jpg", "out", "out.png"}) {
        for (const BitmapFormat format : {BitmapFormat::Bmp, BitmapFormat::Png}) {
            const QString path = dir.filePath(name);
            WriteFile(path, "an older file that is replaced without a question");
            const SaveResult saved = SaveBitmap(Sample(), path.toStdString(), format);
            ASSERT_TRUE(saved.saved) << saved.systemError;
            const QByteArray bytes = ReadFile(path);
            ASSERT_GE(bytes.size(), 54);
            if (format == BitmapFormat::Bmp) {
                EXPECT_EQ(bytes.left(2), "BM");
                EXPECT_EQ(Le16At(bytes, 28), 24u) << "bits per pixel";
            } else {
                EXPECT_EQ(bytes.left(4), "\x89PNG");
            }
            const PictureLoad load = LoadPictureFile(path);
            ASSERT_EQ(load.error, PictureLoadError::None) << load.detail.toStdString();
            EXPECT_EQ(load.image, Sample());
        }
    }
    // No temporary file is left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

TEST(BitmapWriter, FailsCleanlyWhereItCannotWrite) {
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked");
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    struct Case {
        const char* name;
        QString folder;
    };
    std::vector<Case> cases = {
        {"missing folder", dir.filePath("missing")},
        {"a folder no one may write, not even root", QStringLiteral("/proc")},
    };
    if (geteuid() != 0) cases.push_back({"folder without write permission", locked});
    for (const Case& c : cases) {
        const QString path = c.folder + QStringLiteral("/out.bmp");
        const SaveResult saved = SaveBitmap(Sample(), path.toStdString(), BitmapFormat::Bmp);
        EXPECT_FALSE(saved.saved) << c.name;
        EXPECT_NE(saved.systemError, 0) << c.name;
        EXPECT_FALSE(QFile::exists(path)) << c.name;
    }
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(SaveBitmap(Sample(), dir.path().toStdString(), BitmapFormat::Bmp).systemError, EISDIR);
}

}  // namespace
}  // namespace glimmet
