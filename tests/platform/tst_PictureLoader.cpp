#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "platform/PictureLoader.h"
#include "tests/platform/TestPictures.h"

namespace glimmet {
namespace {

using test::Cut;
using test::MakeGif;
using test::MakeRle8Bmp;
using test::WriteFile;

constexpr QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kBlack = 0xFF000000u;

// A 20 x 12 picture of three colour bands, large enough for the cuts below to fall inside the data.
QImage Bands() {
    QImage image(20, 12, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, x < 7 ? kRed : x < 14 ? kGreen : kBlue);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 95));
    return bytes;
}

QByteArray BandsGif() {
    std::vector<std::vector<int>> grid(12, std::vector<int>(20));
    for (auto& row : grid)
        for (int x = 0; x < 20; ++x) row[x] = x < 7 ? 1 : x < 14 ? 2 : 3;
    return MakeGif({grid});
}

bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class PictureLoaderTest : public ::testing::Test {
  protected:
    PictureLoad Load(const QByteArray& bytes, const QString& name = QStringLiteral("picture")) {
        const QString path = dir_.filePath(name);
        WriteFile(path, bytes);
        return LoadPictureFile(path);
    }
    QTemporaryDir dir_;
};

TEST_F(PictureLoaderTest, ReadsEachFormatAsOpaqueRgb32) {
    struct Case {
        const char* name;
        QByteArray bytes;
        int tolerance;  // JPEG is lossy
    };
    const Case cases[] = {
        {"bmp", Encoded(Bands(), "BMP"), 0},
        {"png", Encoded(Bands(), "PNG"), 0},
        {"jpeg", Encoded(Bands(), "JPEG"), 24},
        {"gif", BandsGif(), 0},
        {"bmp named .jpg", Encoded(Bands(), "BMP"), 0},  // recognised by content, not by name
    };
    for (const Case& c : cases) {
        const PictureLoad load = Load(c.bytes, QStringLiteral("picture.jpg"));
        ASSERT_EQ(load.error, PictureLoadError::None) << c.name << ": " << load.detail.toStdString();
        EXPECT_TRUE(load.detail.isEmpty()) << c.name;
        EXPECT_EQ(load.image.format(), QImage::Format_RGB32) << c.name;
        EXPECT_EQ(load.image.size(), QSize(20, 12)) << c.name;
        for (const auto& [x, expected] : {std::pair{2, kRed}, std::pair{10, kGreen}, std::pair{17, kBlue}})
            EXPECT_TRUE(Near(load.image.pixel(x, 6), expected, c.tolerance))
                << c.name << " at " << x << ": " << std::hex << load.image.pixel(x, 6);
    }
}

TEST_F(PictureLoaderTest, ReadsAHandMadeRle8Bitmap) {
    const PictureLoad load = Load(MakeRle8Bmp());
    ASSERT_EQ(load.error, PictureLoadError::None) << load.detail.toStdString();
    ASSERT_EQ(load.image.size(), QSize(4, 2));
    const QRgb expected[2][4] = {{kGreen, kRed, kGreen, kGreen}, {kRed, kRed, kRed, kRed}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(load.image.pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST_F(PictureLoaderTest, RefusesTruncatedFilesAsDamaged) {
    struct Case {
        const char* name;
        QByteArray whole;
        std::vector<qsizetype> cuts;  // negative: bytes taken off the end
    };
    const Case cases[] = {
        {"bmp 24-bit", Encoded(Bands(), "BMP"), {10, 30, 54, 200, 500, -61, -1}},
        {"bmp rle8", MakeRle8Bmp(), {30, 66, 68, 70, 73, -4, -2, -1}},
        {"gif", BandsGif(), {8, 13, 20, 30, 40, 60, -3, -2}},
        {"jpeg", Encoded(Bands(), "JPEG"), {20, 100, 200, 300, -40, -10, -2, -1}},
        {"png", Encoded(Bands(), "PNG"), {10, 33, 50, -20, -12, -1}},
    };
    for (const Case& c : cases) {
        for (const qsizetype cut : c.cuts) {
            const qsizetype size = cut < 0 ? c.whole.size() + cut : cut;
            ASSERT_LT(size, c.whole.size()) << c.name;
            const PictureLoad load = Load(Cut(c.whole, size));
            EXPECT_EQ(load.error, PictureLoadError::Damaged)
                << c.name << " cut to " << size << " of " << c.whole.size();
            EXPECT_TRUE(load.damage) << c.name;  // found by the checks here, not left to the reader
            EXPECT_TRUE(load.image.isNull()) << c.name;
        }
    }
}

TEST_F(PictureLoaderTest, TellsHowMuchPixelDataIsMissing) {
    const QByteArray bmp = Encoded(Bands(), "BMP");
    const PictureLoad load = Load(Cut(bmp, bmp.size() - 100));
    EXPECT_EQ(load.damage.fault, PictureFault::PixelDataCut);
    EXPECT_EQ(load.damage.first, static_cast<uint64_t>(bmp.size() - 100 - 54));
    EXPECT_EQ(load.damage.second, static_cast<uint64_t>(bmp.size() - 54));
}

TEST_F(PictureLoaderTest, AcceptsWhatFollowsACompletePicture) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"jpeg with padding", Encoded(Bands(), "JPEG") + QByteArray(64, '\0')},
        {"gif without its trailer", Cut(BandsGif(), BandsGif().size() - 1)},
        {"bmp with extra bytes", Encoded(Bands(), "BMP") + QByteArray(10, 'x')},
    };
    for (const Case& c : cases) {
        const PictureLoad load = Load(c.bytes);
        EXPECT_EQ(load.error, PictureLoadError::None) << c.name << ": " << load.detail.toStdString();
        EXPECT_EQ(load.image.size(), QSize(20, 12)) << c.name;
    }
}

TEST_F(PictureLoaderTest, SortsOtherFailures) {
    std::mt19937 generator(7);
    QByteArray noise(4096, '\0');
    for (char& byte : noise) byte = static_cast<char>(generator() & 0xFF);
    struct Case {
        const char* name;
        QString path;
        PictureLoadError expected;
    };
    WriteFile(dir_.filePath("noise.bmp"), noise);
    WriteFile(dir_.filePath("empty.gif"), {});
    WriteFile(dir_.filePath("text.jpg"), "not a picture at all\n");
    const Case cases[] = {
        {"missing file", dir_.filePath("missing.bmp"), PictureLoadError::CannotOpen},
        {"folder", dir_.path(), PictureLoadError::CannotOpen},
        {"random bytes", dir_.filePath("noise.bmp"), PictureLoadError::NotAPicture},
        {"empty file", dir_.filePath("empty.gif"), PictureLoadError::NotAPicture},
        {"text", dir_.filePath("text.jpg"), PictureLoadError::NotAPicture},
    };
    for (const Case& c : cases) {
        const PictureLoad load = LoadPictureFile(c.path);
        EXPECT_EQ(load.error, c.expected) << c.name;
        EXPECT_TRUE(load.damage || !load.detail.isEmpty()) << c.name;  // a reason to tell
        EXPECT_TRUE(load.image.isNull()) << c.name;
    }
}

TEST_F(PictureLoaderTest, UsesTheFirstFrameOfAGif) {
    const std::vector<std::vector<int>> red(3, std::vector<int>(4, 1));
    const std::vector<std::vector<int>> blue(3, std::vector<int>(4, 3));
    const PictureLoad load = Load(MakeGif({red, blue}));
    ASSERT_EQ(load.error, PictureLoadError::None) << load.detail.toStdString();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(load.image.pixel(x, y), kRed);
}

TEST_F(PictureLoaderTest, ComposesTransparentPixelsOverBlack) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0x00FFFFFFu);  // transparent white
    image.setPixel(1, 0, 0x80FF0000u);  // half-transparent red
    image.setPixel(2, 0, 0xFF00FF00u);  // opaque green
    const PictureLoad load = Load(Encoded(image, "PNG"));
    ASSERT_EQ(load.error, PictureLoadError::None) << load.detail.toStdString();
    EXPECT_EQ(load.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(load.image.pixel(0, 0), kBlack);
    EXPECT_TRUE(Near(load.image.pixel(1, 0), 0xFF800000u, 1)) << std::hex << load.image.pixel(1, 0);
    EXPECT_EQ(load.image.pixel(2, 0), kGreen);
}

}  // namespace
}  // namespace glimmet
