#include "tests/platform/PictureVariants.h"

#include "tests/platform/PictureWriters.h"

namespace glimmet::test {

namespace {

constexpr QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
const std::vector<QRgb> kColours = {kRed, kGreen, kBlue, kWhite};
const std::vector<QRgb> kTwoColours = {0xFF102030u, 0xFFF0E0D0u};

// 5 x 3: an odd width, so that rows need padding.
const Grid kGrid = {{0, 1, 2, 3, 0}, {1, 2, 3, 0, 1}, {2, 3, 0, 1, 2}};

BmpLayout Layout(int32_t width, int32_t height, int bits) {
    BmpLayout s;
    s.width = width;
    s.height = height;
    s.bits = static_cast<uint16_t>(bits);
    return s;
}

Grid Mapped(const Grid& grid, const std::vector<uint32_t>& values) {
    Grid out = grid;
    for (auto& row : out)
        for (auto& v : row) v = values[v];
    return out;
}

Grid Bits(const Grid& grid) {  // the grid as 0 and 1, for 1-bit pictures
    Grid out = grid;
    for (auto& row : out)
        for (auto& v : row) v &= 1;
    return out;
}

BmpLayout Indexed(int bits, uint32_t infoSize = 40) {
    const Grid grid = bits == 1 ? Bits(kGrid) : kGrid;
    BmpLayout s = Layout(5, 3, bits);
    s.infoSize = infoSize;
    s.palette = bits == 1 ? kTwoColours : kColours;
    s.pixels = PackRows(grid, bits);
    return s;
}

BmpLayout Direct(int bits, std::vector<uint32_t> values, uint32_t compression = 0, uint32_t infoSize = 40) {
    BmpLayout s = Layout(5, 3, bits);
    s.compression = compression;
    s.infoSize = infoSize;
    s.pixels = PackRows(Mapped(kGrid, values), bits);
    return s;
}

// An RLE stream's bytes.
QByteArray Rle(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int b : bytes) out.append(static_cast<char>(b));
    return out;
}

BmpLayout RleBmp(int bits, QByteArray stream, int32_t height = 3) {
    BmpLayout s = Layout(5, height, bits);
    s.compression = bits == 8 ? 1u : 2u;
    s.palette = kColours;
    s.pixels = std::move(stream);
    return s;
}

// kGrid as RLE8, one run a pixel, bottom row first.
QByteArray GridAsRle8(bool topDown) {
    QByteArray out;
    for (int i = 0; i < 3; ++i) {
        const auto& row = kGrid[topDown ? i : 2 - i];
        for (const uint32_t index : row) out.append(Rle({1, static_cast<int>(index)}));
        out.append(Rle({0, i == 2 ? 1 : 0}));
    }
    return out;
}

QImage Image(std::initializer_list<std::initializer_list<QRgb>> rows) {
    QImage image(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (const QRgb c : row) image.setPixel(x++, y, c);
        ++y;
    }
    return image;
}

// 48 x 16 in three bands of 16 pixels, each filling whole JPEG blocks, so that JPEG keeps them.
QImage Bands() {
    QImage image(48, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x) image.setPixel(x, y, x < 16 ? kRed : x < 32 ? kGreen : kBlue);
    return image;
}

void AddBitmaps(std::vector<ValidPicture>& v) {
    const QImage grid = Paint(kGrid, kColours);
    v.push_back({"bmp 1-bit", MakeBmp(Indexed(1)), Paint(Bits(kGrid), kTwoColours)});
    v.push_back({"bmp 1-bit, 12-byte core header", MakeBmp(Indexed(1, 12)), Paint(Bits(kGrid), kTwoColours)});
    v.push_back({"bmp 4-bit", MakeBmp(Indexed(4)), grid});
    v.push_back({"bmp 8-bit, short colour table", MakeBmp(Indexed(8)), grid});
    BmpLayout full = Indexed(8);
    full.palette.resize(256, kBlack);
    full.coloursUsed = 0;  // the whole table
    v.push_back({"bmp 8-bit, full colour table", MakeBmp(full), grid});
    BmpLayout gap = Indexed(8);
    gap.pixelOffset = 14 + 40 + 16 + 6;
    gap.pixels.prepend(QByteArray(6, 'x'));
    v.push_back({"bmp with bytes between colour table and pixels", MakeBmp(gap), grid});
    v.push_back({"bmp 16-bit 5-5-5", MakeBmp(Direct(16, {0x7C00, 0x03E0, 0x001F, 0x7FFF})), grid});
    BmpLayout b565 = Direct(16, {0xF800, 0x07E0, 0x001F, 0xFFFF}, 3);
    b565.masks = {0xF800, 0x07E0, 0x001F};
    v.push_back({"bmp 16-bit bit-fields 5-6-5", MakeBmp(b565), grid});
    BmpLayout mid = Layout(1, 1, 16);
    mid.pixels = PackRows({{0x4210}}, 16);
    v.push_back(
        {"bmp 16-bit channels widened by repeating their bits", MakeBmp(mid), Image({{0xFF848484u}})});
    const std::vector<uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (const uint32_t size : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
        v.push_back({"bmp 24-bit, " + std::to_string(size) + "-byte header",
                     MakeBmp(Direct(24, rgb, 0, size)), grid});
    BmpLayout topDown = Direct(24, rgb);
    topDown.height = -3;
    const Grid mapped = Mapped(kGrid, rgb);
    topDown.pixels = PackRows(Grid(mapped.rbegin(), mapped.rend()), 24);
    v.push_back({"bmp 24-bit top-down", MakeBmp(topDown), grid});
    v.push_back({"bmp 32-bit", MakeBmp(Direct(32, rgb)), grid});
    BmpLayout swapped = Direct(32, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, 3);
    swapped.masks = {0x0000FF, 0x00FF00, 0xFF0000};
    v.push_back({"bmp 32-bit bit-fields, blue high", MakeBmp(swapped), grid});
    // White at half alpha shows grey on black.
    const std::vector<uint32_t> argb = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};
    const QImage translucent = Paint(kGrid, {kRed, kGreen, kBlue, 0xFF808080u});
    BmpLayout v5 = Direct(32, argb, 3, 124);
    v5.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
    v.push_back({"bmp 32-bit with alpha, 124-byte header", MakeBmp(v5), translucent});
    BmpLayout alphaFields = Direct(32, argb, 6);
    alphaFields.masks = v5.masks;
    v.push_back({"bmp 32-bit alpha bit-fields", MakeBmp(alphaFields), translucent});

    v.push_back({"rle8", MakeBmp(RleBmp(8, GridAsRle8(false))), grid});
    v.push_back({"rle8 top-down", MakeBmp(RleBmp(8, GridAsRle8(true), -3)), grid});
    // Skipped pixels are black: a row ended early, a jump right, an early end of bitmap.
    const QByteArray skips = Rle({2, 1, 0, 0, 0, 2, 3, 0, 1, 2, 0, 0, 1, 3, 0, 1});
    v.push_back({"rle8 with skipped pixels", MakeBmp(RleBmp(8, skips)),
                 Image({{kWhite, kBlack, kBlack, kBlack, kBlack},
                        {kBlack, kBlack, kBlack, kBlue, kBlack},
                        {kGreen, kGreen, kBlack, kBlack, kBlack}})});
    const QByteArray down = Rle({5, 1, 0, 2, 0, 1, 0, 0, 5, 2, 0, 1});
    v.push_back({"rle8 jumping a row", MakeBmp(RleBmp(8, down)),
                 Image({{kBlue, kBlue, kBlue, kBlue, kBlue},
                        {kBlack, kBlack, kBlack, kBlack, kBlack},
                        {kGreen, kGreen, kGreen, kGreen, kGreen}})});
    // Bottom row an odd absolute run (nibbles 2 3 0 1 2, padded), then an encoded run, then absolute.
    const QByteArray rle4 =
        Rle({0, 5, 0x23, 0x01, 0x20, 0, 0, 0, 5, 0x12, 0, 0, 0, 5, 0x01, 0x23, 0x00, 0, 0, 1});
    v.push_back({"rle4", MakeBmp(RleBmp(4, rle4)),
                 Paint({{0, 1, 2, 3, 0}, {1, 2, 1, 2, 1}, {2, 3, 0, 1, 2}}, kColours)});
}

GifLayout Gif(Grid grid) {
    GifLayout s;
    s.width = static_cast<int>(grid.front().size());
    s.height = static_cast<int>(grid.size());
    s.table = kColours;
    s.frames.push_back(GifFrame{});
    s.frames[0].grid = std::move(grid);
    return s;
}

void AddGifs(std::vector<ValidPicture>& v) {
    const QImage grid = Paint(kGrid, kColours);
    v.push_back({"gif", MakeGif(Gif(kGrid)), grid});
    Grid tall(9, std::vector<uint32_t>(2));
    for (size_t y = 0; y < tall.size(); ++y)
        tall[y] = {static_cast<uint32_t>(y % 4), static_cast<uint32_t>((y + 1) % 4)};
    GifLayout interlaced = Gif(tall);
    interlaced.frames[0].interlaced = true;
    v.push_back({"gif interlaced", MakeGif(interlaced), Paint(tall, kColours)});
    GifLayout small = Gif({{0, 3}, {3, 0}});
    small.width = 4;
    small.height = 3;
    small.background = 2;
    small.frames[0].left = small.frames[0].top = 1;
    v.push_back({"gif frame on its screen's background", MakeGif(small),
                 Paint({{2, 2, 2, 2}, {2, 0, 3, 2}, {2, 3, 0, 2}}, kColours)});
    small.frames[0].transparent = 3;
    v.push_back({"gif transparent colour shows black", MakeGif(small),
                 Image({{kBlack, kBlack, kBlack, kBlack},
                        {kBlack, kRed, kBlack, kBlack},
                        {kBlack, kBlack, kRed, kBlack}})});
    GifLayout local = Gif(kGrid);
    local.table.clear();
    local.frames[0].table = {kBlue, kWhite, kRed, kGreen};
    v.push_back({"gif local colour table", MakeGif(local), Paint(kGrid, local.frames[0].table)});
    GifLayout noScreen = Gif(kGrid);
    noScreen.width = noScreen.height = 0;
    v.push_back({"gif screen of no size", MakeGif(noScreen), grid});
    GifLayout cut = Gif(kGrid);
    cut.width = 3;
    cut.height = 2;
    v.push_back({"gif frame cut to its screen", MakeGif(cut), grid.copy(0, 0, 3, 2)});
    GifLayout two = Gif(kGrid);
    two.frames.push_back(GifFrame{});
    two.frames[1].grid = Grid(3, std::vector<uint32_t>(5, 3));
    v.push_back({"gif first of two frames", MakeGif(two), grid});
    GifLayout wide = Gif(kGrid);
    wide.frames[0].codeSize = 8;
    v.push_back({"gif 8-bit LZW codes", MakeGif(wide), grid});
}

void AddOthers(std::vector<ValidPicture>& v) {
    const QImage bands = Bands();
    const std::pair<const char*, JpegKind> kinds[] = {
        {"jpeg baseline", JpegKind::Baseline},
        {"jpeg progressive", JpegKind::Progressive},
        {"jpeg arithmetic", JpegKind::Arithmetic},
        {"jpeg with restart markers", JpegKind::Restarts},
        {"jpeg cmyk", JpegKind::Cmyk},
        {"jpeg ycck", JpegKind::Ycck},
    };
    for (const auto& [name, kind] : kinds) v.push_back({name, MakeJpeg(bands, kind), bands, 8});
    const QImage plain = bands.copy(0, 0, 16, 16);  // one colour: subsampled chroma keeps it
    v.push_back({"jpeg 4:2:0", MakeJpeg(plain, JpegKind::Subsampled), plain, 8});
    QImage grey = bands;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            grey.setPixel(
                x, y, qRgb(qGreen(bands.pixel(x, y)), qGreen(bands.pixel(x, y)), qGreen(bands.pixel(x, y))));
    v.push_back({"jpeg grey", MakeJpeg(bands, JpegKind::Grey), grey, 8});

    const QImage grid = Paint(kGrid, kColours);
    v.push_back({"png", Encoded(grid, "PNG"), grid});
    QImage alpha = grid.convertToFormat(QImage::Format_ARGB32);
    alpha.setPixel(0, 0, 0x80FF0000u);
    alpha.setPixel(1, 0, 0x0000FF00u);
    QImage composed = grid;
    composed.setPixel(0, 0, 0xFF800000u);
    composed.setPixel(1, 0, kBlack);
    v.push_back({"png with alpha", Encoded(alpha, "PNG"), composed});
    v.push_back({"ppm, read by Qt", Encoded(grid, "PPM"), grid});
}

// A copy of `bytes` with the 32-bit little-endian value at `offset` replaced.
QByteArray Patched(QByteArray bytes, qsizetype offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

DamagedPicture Bad(std::string name, QByteArray bytes, PictureFault fault, int64_t first = 0,
                   int64_t second = 0) {
    return {std::move(name), std::move(bytes), PictureLoadError::Damaged, {fault, first, second}};
}

DamagedPicture Large(std::string name, QByteArray bytes, int64_t width, int64_t height) {
    return {std::move(name),
            std::move(bytes),
            PictureLoadError::TooLarge,
            {PictureFault::TooLarge, width, height}};
}

void AddBadBitmaps(std::vector<DamagedPicture>& d) {
    using F = PictureFault;
    const std::vector<uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    d.push_back(Bad("bmp header size 108 on a 40-byte header", Patched(MakeBmp(Direct(24, rgb)), 14, 108),
                    F::PixelDataInsideHeader, 54, 122));
    d.push_back(Bad("bmp bit-fields with no masks", MakeBmp(Direct(16, {1, 2, 3, 4}, 3)),
                    F::PixelDataInsideHeader, 54, 66));
    BmpLayout masks = Direct(16, {1, 2, 3, 4}, 3);
    for (const auto& [name, set] : {std::pair{"zero", std::vector<uint32_t>{0, 0, 0}},
                                    std::pair{"overlapping", std::vector<uint32_t>{0xFF00, 0x0FF0, 0x000F}},
                                    std::pair{"gapped", std::vector<uint32_t>{0xF00F, 0x0FF0, 0}},
                                    std::pair{"oversized", std::vector<uint32_t>{0xF0000, 0x0FF0, 0x000F}}}) {
        masks.masks = set;
        d.push_back(
            Bad(std::string("bmp bit-fields with ") + name + " masks", MakeBmp(masks), F::BadColourMasks));
    }
    BmpLayout many = Indexed(1);
    many.coloursUsed = 256;
    d.push_back(Bad("bmp 1-bit with a colour count of 256", MakeBmp(many), F::ColourTableTooLarge, 256, 2));
    BmpLayout shortTable = Indexed(8);
    shortTable.coloursUsed = 0;  // 256 colours said, 4 written
    d.push_back(Bad("bmp 8-bit whose colour table runs into its pixels", MakeBmp(shortTable),
                    F::PixelDataInsideHeader, 70, 1078));
    d.push_back(
        Bad("bmp header of unknown size", Patched(MakeBmp(Direct(24, rgb)), 14, 20), F::UnknownHeader, 20));
    d.push_back(Bad("bmp of width 0", Patched(MakeBmp(Direct(24, rgb)), 18, 0), F::BadSize, 0, 3));
    d.push_back(
        Bad("bmp 24-bit with RLE8 compression", MakeBmp(Direct(24, rgb, 1)), F::UnsupportedLayout, 24, 1));
    BmpLayout far = Direct(24, rgb);
    far.pixelOffset = 4096;
    d.push_back(Bad("bmp pixel data beyond the file", MakeBmp(far), F::PixelDataOutside));
    BmpLayout index = Indexed(8);
    index.pixels[1] = 7;
    d.push_back(Bad("bmp 8-bit colour index beyond the table", MakeBmp(index), F::ColourIndexOutside, 7, 4));
    BmpLayout oneColour = Indexed(1);
    oneColour.palette.resize(1);
    d.push_back(Bad("bmp 1-bit colour index beyond a one-colour table", MakeBmp(oneColour),
                    F::ColourIndexOutside, 1, 1));
    struct Stream {
        const char* name;
        QByteArray bytes;
        int64_t at;  // the offending command's byte; the stream starts at 70
    };
    const Stream streams[] = {
        {"rle8 run past the end of its row", Rle({6, 1, 0, 1}), 70},
        {"rle8 absolute run past the end of its row", Rle({3, 1, 0, 3, 1, 2, 3, 0, 0, 1}), 72},
        {"rle8 jump past the end of its row", Rle({0, 2, 6, 0, 0, 1}), 70},
        {"rle8 jump below the picture", Rle({0, 2, 0, 3, 0, 1}), 70},
    };
    for (const Stream& s : streams)
        d.push_back(Bad(s.name, MakeBmp(RleBmp(8, s.bytes)), F::RunOutside, s.at));
    d.push_back(
        Bad("rle4 run past the end of its row", MakeBmp(RleBmp(4, Rle({6, 0x12, 0, 1}))), F::RunOutside, 70));
    d.push_back(Bad("rle8 colour index beyond the table", MakeBmp(RleBmp(8, Rle({2, 9, 0, 1}))),
                    F::ColourIndexOutside, 9, 4));
    d.push_back(Bad("rle8 stream without its end", MakeBmp(RleBmp(8, Rle({5, 1, 0, 0, 5, 2}))),
                    F::CompressedDataCut));
    d.push_back(Large("bmp claiming 30000 x 30000 in a few bytes",
                      Patched(Patched(MakeBmp(Direct(24, rgb)), 18, 30000), 22, 30000), 30000, 30000));
    d.push_back(Large("rle8 claiming 65535 x 65535", BlankRle8(65535), 65535, 65535));
}

void AddBadOthers(std::vector<DamagedPicture>& d) {
    using F = PictureFault;
    QImage texture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            texture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x * 5 + y * 29) % 256));
    const QByteArray jpeg = MakeJpeg(texture, JpegKind::Baseline);
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    const qsizetype scan =
        sos + 2 + ((static_cast<uint8_t>(jpeg[sos + 2]) << 8) | static_cast<uint8_t>(jpeg[sos + 3]));
    const qsizetype end = jpeg.size() - 2;  // the end-of-image marker
    const qsizetype middle = (scan + end) / 2;
    d.push_back(
        Bad("jpeg cut in its scan, end marker appended", jpeg.left(middle) + "\xFF\xD9", F::DataStopsEarly));
    d.push_back(
        Bad("jpeg with bytes deleted mid-scan", jpeg.left(middle) + jpeg.mid(middle + 40), F::CorruptData));
    d.push_back(Bad("jpeg with stray bytes before its end marker",
                    jpeg.left(end) + QByteArray(16, 'x') + jpeg.mid(end), F::CorruptData));
    QByteArray restarts = MakeJpeg(texture, JpegKind::Restarts);
    restarts[restarts.indexOf("\xFF\xD3") + 1] = static_cast<char>(0xD6);
    d.push_back(Bad("jpeg restart marker out of order", restarts, F::CorruptData));
    QByteArray claim = jpeg;
    const qsizetype sof = claim.indexOf("\xFF\xC0");
    claim.replace(sof + 5, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
    d.push_back(Large("jpeg claiming 65535 x 65535", claim, 65535, 65535));

    GifLayout early = Gif(kGrid);
    early.frames[0].lzwCodes = {4, 1, 4, 2, 4, 3, 5};
    d.push_back(Bad("gif LZW data ending before the frame does", MakeGif(early), F::DataStopsEarly));
    GifLayout invalid = Gif(kGrid);
    invalid.frames[0].lzwCodes = {4, 7, 1, 5};  // 7: no such code yet
    d.push_back(Bad("gif invalid LZW code", MakeGif(invalid), F::CorruptData));
    GifLayout index = Gif({{1, 6}, {2, 3}});
    index.frames[0].codeSize = 3;
    d.push_back(Bad("gif colour index beyond the table", MakeGif(index), F::ColourIndexOutside, 6, 4));
    GifLayout noTable = Gif(kGrid);
    noTable.table.clear();
    d.push_back(Bad("gif with no colour table", MakeGif(noTable), F::ColourIndexOutside, 0, 0));
    GifLayout huge = Gif(kGrid);
    huge.width = huge.height = 65535;
    d.push_back(Large("gif screen of 65535 x 65535", MakeGif(huge), 65535, 65535));
    // The frame's width and height at bytes 38 to 41, after the table and the control extension.
    d.push_back(Large("gif frame of 65535 x 65535 on a small screen", Patched(MakeGif(Gif(kGrid)), 38, ~0u),
                      65535, 65535));

    const QByteArray png = Encoded(texture, "PNG");
    const QByteArray idat = PngChunkData(png, "IDAT");
    d.push_back(Bad("png IDAT cut short", WithPngChunk(png, "IDAT", idat.left(idat.size() / 2)), F::None));
    QByteArray flipped = idat;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x55);
    d.push_back(Bad("png IDAT corrupt", WithPngChunk(png, "IDAT", flipped), F::None));
    QByteArray header = PngChunkData(png, "IHDR");
    header.replace(0, 8, QByteArray("\x00\x00\x75\x30\x00\x00\x75\x30", 8));
    d.push_back(Large("png claiming 30000 x 30000", WithPngChunk(png, "IHDR", header), 30000, 30000));
}

}  // namespace

std::vector<ValidPicture> ValidPictures() {
    std::vector<ValidPicture> v;
    AddBitmaps(v);
    AddGifs(v);
    AddOthers(v);
    return v;
}

std::vector<DamagedPicture> DamagedPictures() {
    std::vector<DamagedPicture> d;
    AddBadBitmaps(d);
    AddBadOthers(d);
    return d;
}

}  // namespace glimmet::test
