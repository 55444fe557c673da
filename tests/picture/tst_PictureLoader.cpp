#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <fstream>
#include <map>
#include <span>
#include <thread>

#include "pixels/PagePictureGuard.h"
#include "pixels/PictureLoader.h"
#include "pixels/RowBands.h"
#include "tests/picture/PictureFiles.h"
#include "tests/support/TestFiles.h"

namespace glimmet {
namespace {

using test::PicturePath;
using test::ReadFile;

// The loaded pixels as a QImage over the same memory, for comparing with Qt's pictures.
QImage View(const PixelImage& image) {
    if (image.IsNull()) return {};
    return {image.Bits(), image.Width(), image.Height(), image.BytesPerLine(), QImage::Format_RGB32};
}

PictureLoad LoadFile(const QString& path) {
    return LoadPictureFile(QFile::encodeName(path).toStdString());
}

std::span<const uint8_t> Bytes(const QByteArray& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

// Whether `image` shows `expected`, each channel within `tolerance`.
bool Shows(const QImage& image, const QImage& expected, int tolerance) {
    bool near = image.size() == expected.size();
    for (int y = 0; near && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (const int shift : {0, 8, 16})
                near &= std::abs(int(image.pixel(x, y) >> shift & 0xFF) -
                                 int(expected.pixel(x, y) >> shift & 0xFF)) <= tolerance;
    return near;
}

class PictureLoaderTest : public ::testing::Test {
  protected:
    // Written as "picture.jpg" whatever it holds: the content decides, never the name.
    PictureLoad Load(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("picture.jpg"));
        EXPECT_TRUE(test::WriteFile(path, bytes));
        return LoadFile(path);
    }
    QTemporaryDir dir_;
};

TEST_F(PictureLoaderTest, GivesWhatTheManifestSaysOfEveryFile) {
    using F = PictureFault;
    // clang-format off
    const std::map<QString, PictureLoadError> errors = {{"shows", PictureLoadError::None},
        {"damaged", PictureLoadError::Damaged}, {"too-large", PictureLoadError::TooLarge},
        {"not-a-picture", PictureLoadError::NotAPicture}};
    const std::map<QString, PictureFault> faults = {{"PixelDataInsideHeader", F::PixelDataInsideHeader},
        {"BadColourMasks", F::BadColourMasks}, {"ColourTableTooLarge", F::ColourTableTooLarge},
        {"UnknownHeader", F::UnknownHeader}, {"BadSize", F::BadSize}, {"PixelDataCut", F::PixelDataCut},
        {"UnsupportedLayout", F::UnsupportedLayout}, {"PixelDataOutside", F::PixelDataOutside},
        {"ColourIndexOutside", F::ColourIndexOutside}, {"RunOutside", F::RunOutside},
        {"CompressedDataCut", F::CompressedDataCut}, {"DataStopsEarly", F::DataStopsEarly},
        {"CorruptData", F::CorruptData}, {"EndMarkerMissing", F::EndMarkerMissing},
        {"TooManyScans", F::TooManyScans}, {"BadSegment", F::BadSegment}, {"BadPlanes", F::BadPlanes},
        {"DataBeyondPicture", F::DataBeyondPicture}, {"BadChecksum", F::BadChecksum},
        {"FrameCut", F::FrameCut}, {"HeaderCut", F::HeaderCut}, {"NoFrame", F::NoFrame}};
    // clang-format on
    const std::vector<test::PictureFile> files = test::PictureFiles();
    ASSERT_GT(files.size(), 90u);
    for (const test::PictureFile& f : files) {
        if (f.outcome == "huge") continue;  // for the memory tests
        const std::string name = f.name.toStdString();
        const QStringList& d = f.details;
        // A fault's name leads its numbers; a too-large file without one names its size.
        const bool named = !d.isEmpty() && faults.count(d[0]);
        ASSERT_TRUE(errors.count(f.outcome) && (f.outcome != "damaged" || d.isEmpty() || named)) << name;
        const PictureLoad load = Load(ReadFile(PicturePath(f.name)));
        EXPECT_EQ(load.error, errors.at(f.outcome)) << name << ": " << load.detail;
        // Whatever the loader takes for a picture, no page may go into (nor into a TGA or PPM that
        // it does not read, which is still somebody's picture).
        EXPECT_TRUE(f.outcome == "not-a-picture" ||
                    !PagePictureGuard::PictureFormatOf(PicturePath(f.name).toStdString()).empty())
            << name;
        if (f.outcome == "shows") {
            EXPECT_FALSE(load.image.HasAlpha()) << name;
            EXPECT_TRUE(Shows(View(load.image), QImage(PicturePath(d[0])), d.size() == 3 ? d[2].toInt() : 0))
                << name;
            continue;
        }
        EXPECT_TRUE(load.image.IsNull()) << name;
        EXPECT_TRUE(load.damage || !load.detail.empty()) << name << ": a reason to tell";
        const qsizetype numbers = named ? 1 : 0;  // where the numbers start
        const std::map<QString, F> unnamed = {{"too-large", F::TooLarge},
                                              {"not-a-picture", F::UnknownFormat}};
        EXPECT_EQ(load.damage.fault, named                      ? faults.at(d[0])
                                     : unnamed.count(f.outcome) ? unnamed.at(f.outcome)
                                                                : F::None)
            << name;
        if (d.size() == numbers + 2) {
            EXPECT_EQ(load.damage.first, d[numbers].toLongLong()) << name;
            EXPECT_EQ(load.damage.second, d[numbers + 1].toLongLong()) << name;
        }
    }
}

TEST_F(PictureLoaderTest, RefusesTruncatedFilesAsDamaged) {
    const struct {
        const char* file;
        std::vector<qsizetype> cuts;  // negative: bytes taken off the end
    } cases[] = {
        {"bmp-24-bit-40-byte-header.bmp", {10, 30, 54, 60, 90, -17, -1}},
        {"rle8.bmp", {30, 66, 70, 75, 90, -4, -2, -1}},
        {"gif.gif", {8, 13, 20, 30, 40, -3, -2}},
        {"jpeg-baseline.jpg", {20, 100, 200, 300, -40, -10, -2, -1}},
        {"png.png", {10, 33, 50, -20, -12, -1}},
    };
    for (const auto& c : cases) {
        const QByteArray whole = ReadFile(PicturePath(c.file));
        for (const qsizetype cut : c.cuts) {
            const qsizetype size = cut < 0 ? whole.size() + cut : cut;
            ASSERT_LT(size, whole.size()) << c.file;
            const PictureLoad load = Load(whole.left(size));
            EXPECT_EQ(load.error, PictureLoadError::Damaged) << c.file << " cut to " << size;
            EXPECT_TRUE(load.damage) << c.file << " cut to " << size;  // found by the checks here
            EXPECT_TRUE(load.image.IsNull()) << c.file;
        }
    }
}

TEST_F(PictureLoaderTest, RefusesWhatCannotBeOpened) {
    for (const QString& path : {dir_.filePath("missing.bmp"), dir_.path()}) {
        const PictureLoad load = LoadFile(path);
        EXPECT_EQ(load.error, PictureLoadError::CannotOpen) << path.toStdString();
        EXPECT_TRUE(load.image.IsNull() && (load.damage || !load.detail.empty())) << "a reason to tell";
    }
}

// Above Qt's default allocation limit of 128 MiB decoded: a 5,793 x 5,793 JPEG, and a PNG that Qt
// itself decodes. Made here: large to keep, quick to make.
TEST_F(PictureLoaderTest, ReadsPicturesAboveQtsDefaultLimit) {
    QImage big(5800, 5800, QImage::Format_RGB32);
    big.fill(0xFF336699u);
    const QString jpeg = dir_.filePath("big.jpg"), png = dir_.filePath("big.png");
    ASSERT_TRUE(big.copy(0, 0, 5793, 5793).save(jpeg) && big.save(png));
    for (const QString& path : {jpeg, png}) {
        const PictureLoad load = LoadFile(path);
        ASSERT_EQ(load.error, PictureLoadError::None) << load.detail;
        EXPECT_GT(load.image.Width(), 5792);
        EXPECT_TRUE(Shows(View(load.image).copy(4000, 4000, 1, 1), test::Plain(1, 1, 0xFF336699u), 2));
    }
    // Qt's widest format takes 8 bytes a pixel: 16 bits a channel, as much as the bound allows.
    QImage deep(1000, 1000, QImage::Format_RGBA64);
    deep.fill(Qt::gray);
    ASSERT_TRUE(deep.save(dir_.filePath("deep.png")));
    EXPECT_EQ(DecodePicture(Bytes(ReadFile(dir_.filePath("deep.png"))), 1'000'000).error,
              PictureLoadError::None);
}

// A picture is read alike from a small file (read whole), a large one (mapped) and a stream, which
// comes in pieces: a FIFO fed by another thread, as a shell's process substitution feeds one. A
// stream whose first bytes are no picture's is refused as such.
TEST_F(PictureLoaderTest, ReadsSmallLargeAndStreamedFilesAlike) {
    QImage picture(1500, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    const QString large = dir_.filePath("large.bmp"), small = dir_.filePath("small.bmp");
    ASSERT_TRUE(picture.save(large, "BMP") && picture.copy(0, 0, 300, 200).save(small, "BMP"));
    ASSERT_GT(QFileInfo(large).size(), qint64{4} << 20) << "large enough to be mapped";
    const QString fifo = dir_.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto fromFifo = [&fifo](const QByteArray& bytes) {
        std::thread writer([&] {
            std::ofstream(QFile::encodeName(fifo).toStdString(), std::ios::binary)
                .write(bytes.constData(), bytes.size());
        });
        PictureLoad load = LoadFile(fifo);
        writer.join();
        return load;
    };
    EXPECT_TRUE(View(LoadFile(large).image) == picture);
    EXPECT_TRUE(View(LoadFile(small).image) == picture.copy(0, 0, 300, 200));
    EXPECT_TRUE(View(fromFifo(ReadFile(large)).image) == picture);
    EXPECT_EQ(fromFifo("no picture at all").error, PictureLoadError::NotAPicture);
    EXPECT_EQ(fromFifo({}).error, PictureLoadError::NotAPicture);
}

// Bitmaps large enough to be decoded in bands on several threads, at each depth Qt writes: every
// pixel lands in its own place whatever band read it, and of two bad colour indices in different
// bands the one earlier in the file is told, as a single pass would have.
TEST_F(PictureLoaderTest, ReadsLargeBitmapsInBandsAsOnePassWould) {
    constexpr int kWidth = 4096, kHeight = 2100;
    ASSERT_GE(uint64_t{kWidth} * kHeight * 4, RowBands::kSplitBytes);
    QImage direct(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            direct.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (y >> 8) << 4 | x >> 8));
    QImage indexed(kWidth, kHeight, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 200; ++i) palette.push_back(qRgb(i, 255 - i, i / 2));
    indexed.setColorTable(palette);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) indexed.setPixel(x, y, static_cast<uint>((x + 3 * y) % 200));
    for (const QImage& picture : {direct, direct.convertToFormat(QImage::Format_ARGB32), indexed}) {
        const QString path = dir_.filePath("large.bmp");
        ASSERT_TRUE(picture.save(path, "BMP"));
        const PictureLoad load = LoadFile(path);
        ASSERT_EQ(load.error, PictureLoadError::None) << picture.format();
        EXPECT_TRUE(View(load.image) == picture.convertToFormat(QImage::Format_RGB32)) << picture.format();
    }
    // The file's rows run bottom up from its pixel offset; an 8-bit row is exactly the width.
    QByteArray bytes = ReadFile(dir_.filePath("large.bmp"));
    const qsizetype pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
    bytes[pixels + qsizetype{1000} * kWidth + 7] = char(240);
    bytes[pixels + qsizetype{1900} * kWidth + 5] = char(250);
    const PictureLoad bad = Load(bytes);
    EXPECT_EQ(bad.error, PictureLoadError::Damaged);
    EXPECT_EQ(bad.damage.fault, PictureFault::ColourIndexOutside);
    EXPECT_EQ(bad.damage.first, 240);
    EXPECT_EQ(bad.damage.second, 200);
}

// With 200 MB of address space to spare, a small file of a 10,000 x 10,000 picture cannot be
// decoded, nor the conversion of a decoded 8,000 x 8,000 palette picture with transparency: each
// is told as lack of memory, with its size. Runs in a child process, under a limit that
// AddressSanitizer's reservations exceed.
TEST_F(PictureLoaderTest, TellsWhenMemoryRunsOut) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "address-space limits and AddressSanitizer exclude each other";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QImage indexed(8000, 8000, QImage::Format_Indexed8);
    indexed.setColorTable({0x80FF0000u});
    indexed.fill(0);
    ASSERT_TRUE(indexed.save(dir_.filePath("indexed.png")));
    const auto exitTellingLackOfMemory = [](const QString& path, int side) {
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + 200'000'000;
        const rlimit bound{limit, limit};
        setrlimit(RLIMIT_AS, &bound);
        const PictureLoad load = LoadFile(path);
        std::_Exit(load.error == PictureLoadError::OutOfMemory && load.damage.first == side ? 0 : 1);
    };
    for (const auto& [path, side] : {std::pair{PicturePath("rle8-blank-10000.bmp"), 10000},
                                     std::pair{dir_.filePath("indexed.png"), 8000}})
        EXPECT_EXIT(exitTellingLackOfMemory(path, side), ::testing::ExitedWithCode(0), "") << side;
    // A 16,385 x 16,384 bitmap of 8 bits, 268 MB on a sparse file, is refused from its header: its
    // file is never read whole.
    QByteArray header = ReadFile(PicturePath("bmp-8-bit-full-colour-table.bmp")).left(1078);
    qToLittleEndian<qint32>(16385, header.data() + 18);
    qToLittleEndian<qint32>(16384, header.data() + 22);
    const QString sparse = dir_.filePath("sparse.bmp");
    ASSERT_TRUE(test::WriteFile(sparse, header) && QFile::resize(sparse, 1078 + 16388LL * 16384));
    // With 100 MB of data memory to spare, each file is refused for what it is.
    const auto exitRefusing = [](const QString& path, PictureLoadError error) {
        rlimit data{};
        getrlimit(RLIMIT_DATA, &data);
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0, resident = 0, shared = 0, text = 0, library = 0, dataPages = 0;
        statm >> pages >> resident >> shared >> text >> library >> dataPages;
        const rlim_t limit = dataPages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + 100'000'000;
        const rlimit bound{limit, data.rlim_max};
        setrlimit(RLIMIT_DATA, &bound);
        std::_Exit(LoadFile(path).error == error ? 0 : 1);
    };
    EXPECT_EXIT(exitRefusing(sparse, PictureLoadError::TooLarge), ::testing::ExitedWithCode(0), "");
    // A PNG of 3 x 2 pixels with a second header claiming 1,895,825,411 x 2: the rows checked are
    // the first header's, never a second one's gigabytes.
    EXPECT_EXIT(exitRefusing(PicturePath("png-with-a-second-header-claiming-1895825411-x-2.png"),
                             PictureLoadError::Damaged),
                ::testing::ExitedWithCode(0), "");
#endif
}

}  // namespace
}  // namespace glimmet
