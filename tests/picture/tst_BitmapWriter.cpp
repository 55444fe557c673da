#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "picture/BitmapWriter.h"

namespace glimmet {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A picture written in either format reads back as the same pixels; one that cannot be encoded (a
// null picture stands for a conversion that ran out of memory) is a failure without a system error,
// and the file it was to replace keeps its bytes.
TEST(BitmapWriter, WritesEachFormatAndLeavesTheFileWhenNothingCanBeEncoded) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bmp");
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    picture.setPixel(2, 1, qRgb(255, 0, 128));
    for (const BitmapFormat format : {BitmapFormat::Bmp, BitmapFormat::Png}) {
        const SaveResult saved = SaveBitmap(picture, path.toStdString(), format);
        ASSERT_TRUE(saved.saved);
        const QByteArray bytes = Read(path);
        EXPECT_TRUE(bytes.startsWith(format == BitmapFormat::Png ? "\x89PNG" : "BM"));
        EXPECT_EQ(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32), picture);

        const SaveResult refused = SaveBitmap(QImage(), path.toStdString(), format);
        EXPECT_TRUE(!refused.saved && refused.systemError == 0 && !refused.oldFileLost);
        EXPECT_EQ(Read(path), bytes);
    }
}

}  // namespace
}  // namespace glimmet
