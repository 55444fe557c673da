#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <random>

#include "platform/PictureLoader.h"
#include "tests/platform/PictureVariants.h"
#include "tests/platform/PictureWriters.h"
#include "tests/platform/TestPictures.h"

namespace glimmet {
namespace {

using test::Cut;
using test::WriteFile;

bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QByteArray ValidBytes(const std::string& name) {
    for (const test::ValidPicture& p : test::ValidPictures())
        if (p.name == name) return p.bytes;
    ADD_FAILURE() << "no valid picture " << name;
    return {};
}

class PictureLoaderTest : public ::testing::Test {
  protected:
    // Written as "picture.jpg" whatever it holds: the content decides, never the name.
    PictureLoad Load(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("picture.jpg"));
        WriteFile(path, bytes);
        return LoadPictureFile(path);
    }
    QTemporaryDir dir_;
};

TEST_F(PictureLoaderTest, ReadsEveryValidVariantWithEveryPixelDefined) {
    for (const test::ValidPicture& p : test::ValidPictures()) {
        const PictureLoad load = Load(p.bytes);
        ASSERT_EQ(load.error, PictureLoadError::None) << p.name << ": " << load.detail.toStdString();
        EXPECT_EQ(load.image.format(), QImage::Format_RGB32) << p.name;
        ASSERT_EQ(load.image.size(), p.expected.size()) << p.name;
        int wrong = 0;
        for (int y = 0; y < p.expected.height(); ++y)
            for (int x = 0; x < p.expected.width(); ++x)
                if (!Near(load.image.pixel(x, y), p.expected.pixel(x, y), p.tolerance) && wrong++ < 3)
                    ADD_FAILURE() << p.name << " at " << x << "," << y << ": " << std::hex
                                  << load.image.pixel(x, y) << " instead of " << p.expected.pixel(x, y);
    }
}

TEST_F(PictureLoaderTest, RefusesEveryDamagedVariantWithWhatIsWrong) {
    for (const test::DamagedPicture& p : test::DamagedPictures()) {
        const PictureLoad load = Load(p.bytes);
        EXPECT_EQ(load.error, p.error) << p.name;
        EXPECT_EQ(load.damage.fault, p.damage.fault) << p.name << ": " << load.detail.toStdString();
        if (p.damage.first != 0 || p.damage.second != 0) {
            EXPECT_EQ(load.damage.first, p.damage.first) << p.name;
            EXPECT_EQ(load.damage.second, p.damage.second) << p.name;
        }
        EXPECT_TRUE(load.damage || !load.detail.isEmpty()) << p.name << ": a reason to tell";
        EXPECT_TRUE(load.image.isNull()) << p.name;
    }
}

TEST_F(PictureLoaderTest, RefusesTruncatedFilesAsDamaged) {
    struct Case {
        const char* name;
        QByteArray whole;
        std::vector<qsizetype> cuts;  // negative: bytes taken off the end
    };
    const Case cases[] = {
        {"bmp 24-bit", ValidBytes("bmp 24-bit, 40-byte header"), {10, 30, 54, 60, 90, -17, -1}},
        {"rle8", ValidBytes("rle8"), {30, 66, 70, 75, 90, -4, -2, -1}},
        {"gif", ValidBytes("gif"), {8, 13, 20, 30, 40, -3, -2}},
        {"jpeg", ValidBytes("jpeg baseline"), {20, 100, 200, 300, -40, -10, -2, -1}},
        {"png", ValidBytes("png"), {10, 33, 50, -20, -12, -1}},
    };
    for (const Case& c : cases) {
        for (const qsizetype cut : c.cuts) {
            const qsizetype size = cut < 0 ? c.whole.size() + cut : cut;
            ASSERT_LT(size, c.whole.size()) << c.name;
            const PictureLoad load = Load(Cut(c.whole, size));
            EXPECT_EQ(load.error, PictureLoadError::Damaged)
                << c.name << " cut to " << size << " of " << c.whole.size();
            EXPECT_TRUE(load.damage) << c.name << " cut to " << size;  // found by the checks here
            EXPECT_TRUE(load.image.isNull()) << c.name;
        }
    }
}

TEST_F(PictureLoaderTest, TellsHowMuchPixelDataIsMissing) {
    const QByteArray bmp = ValidBytes("bmp 24-bit, 40-byte header");
    const PictureLoad load = Load(Cut(bmp, bmp.size() - 20));
    EXPECT_EQ(load.damage.fault, PictureFault::PixelDataCut);
    EXPECT_EQ(load.damage.first, bmp.size() - 20 - 54);
    EXPECT_EQ(load.damage.second, bmp.size() - 54);
}

TEST_F(PictureLoaderTest, AcceptsWhatFollowsACompletePicture) {
    const QByteArray gif = ValidBytes("gif");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"jpeg with padding", ValidBytes("jpeg baseline") + QByteArray(64, '\0')},
        {"gif without its trailer", Cut(gif, gif.size() - 1)},
        {"bmp with extra bytes", ValidBytes("bmp 24-bit, 40-byte header") + QByteArray(10, 'x')},
        {"rle8 with bytes after its end", ValidBytes("rle8") + QByteArray(7, '\1')},
    };
    for (const auto& c : cases) {
        const PictureLoad load = Load(c.bytes);
        EXPECT_EQ(load.error, PictureLoadError::None) << c.name << ": " << load.detail.toStdString();
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

// Above Qt's default allocation limit of 128 MiB decoded: the 5,793 x 5,793 JPEG, and a PNG
// that Qt itself decodes.
TEST_F(PictureLoaderTest, ReadsPicturesAboveQtsDefaultLimit) {
    QImage big(5800, 5800, QImage::Format_RGB32);
    big.fill(0xFF336699u);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"jpeg", test::MakeJpeg(big.copy(0, 0, 5793, 5793), test::JpegKind::Baseline)},
        {"png", test::Encoded(big, "PNG")},
    };
    for (const auto& c : cases) {
        const PictureLoad load = DecodePicture(c.bytes);
        ASSERT_EQ(load.error, PictureLoadError::None) << c.name << ": " << load.detail.toStdString();
        EXPECT_GT(load.image.width(), 5792) << c.name;
        EXPECT_TRUE(Near(load.image.pixel(4000, 4000), 0xFF336699u, 2)) << c.name;
    }
}

// Address-space limits and AddressSanitizer exclude each other.
#if !defined(__SANITIZE_ADDRESS__)
// The process's memory as the kernel counts it for its address-space limit.
rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Decodes `bytes` with 200 MB of address space to spare; exits 0 when told out of memory for a
// picture `side` pixels wide.
[[noreturn]] void ExitTellingLackOfMemory(const QByteArray& bytes, int side) {
    const rlim_t limit = AddressSpaceInUse() + 200'000'000;
    const rlimit bound{limit, limit};
    setrlimit(RLIMIT_AS, &bound);
    const PictureLoad load = DecodePicture(bytes);
    std::_Exit(load.error == PictureLoadError::OutOfMemory && load.damage.first == side ? 0 : 1);
}
#endif

// With 200 MB of address space to spare, a small file of a 10,000 x 10,000 picture cannot be
// decoded, nor the conversion of a decoded 8,000 x 8,000 palette picture with transparency: each
// is told as lack of memory, with its size. Runs in a child process; AddressSanitizer reserves far
// more address space than any limit leaves.
TEST_F(PictureLoaderTest, TellsWhenMemoryRunsOut) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "address-space limits and AddressSanitizer exclude each other";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QImage indexed(8000, 8000, QImage::Format_Indexed8);
    indexed.setColorTable({0x80FF0000u});
    indexed.fill(0);
    const struct {
        const char* name;
        QByteArray bytes;
        int side;
    } cases[] = {
        {"rle8 bitmap", test::BlankRle8(10000), 10000},
        {"png with a palette", test::Encoded(indexed, "PNG"), 8000},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(ExitTellingLackOfMemory(c.bytes, c.side), ::testing::ExitedWithCode(0), "") << c.name;
    }
#endif
}

}  // namespace
}  // namespace glimmet
