#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

// Pictures and files for the tests of every folder, whichever test framework runs them.
namespace glimmet::test {

// A Format_RGB32 picture of one colour (0xAARRGGBB).
inline QImage Plain(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` to `path`; false when it cannot.
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace glimmet::test
