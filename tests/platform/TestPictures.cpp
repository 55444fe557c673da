#include "tests/platform/TestPictures.h"

#include <gtest/gtest.h>

#include <QFile>

namespace glimmet::test {

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

PixelSet Changed(const QImage& image, QRgb background) {
    PixelSet changed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) changed.insert({x, y});
    return changed;
}

QByteArray Cut(const QByteArray& data, qsizetype size) {
    return data.left(size);
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    ASSERT_EQ(file.write(data), data.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace glimmet::test
