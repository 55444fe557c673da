#include "batch/BatchRun.h"

#include <unistd.h>

#include <QImage>
#include <cstdio>
#include <optional>

#include "batch/BatchHost.h"
#include "batch/BatchTexts.h"
#include "platform/BitmapWriter.h"
#include "platform/GlyphCache.h"
#include "platform/ImagePixelSource.h"
#include "platform/OutputFont.h"
#include "platform/PictureLoader.h"
#include "platform/RasterCanvas.h"
#include "render/OutputSize.h"
#include "render/PageFile.h"
#include "render/TransferRegion.h"

namespace glimmet {

namespace {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", batch_texts::kProgram.data(), message.c_str());
    return status;
}

std::string LoadMessage(const std::string& path, const PictureLoad& load) {
    const std::string detail =
        load.damage ? batch_texts::DescribeDamage(load.damage) : load.detail.toStdString();
    switch (load.error) {
        case PictureLoadError::CannotOpen:
            return "cannot read '" + path + "': " + detail;
        case PictureLoadError::NotAPicture:
            return "'" + path + "' is not a picture that can be read: " + detail;
        default:
            return "'" + path + "' is damaged: " + detail;
    }
}

std::string WalkMessage(WalkFailure failure) {
    switch (failure) {
        case WalkFailure::ZeroStep:
            return "a sampling step of 0 leaves nothing to walk";
        case WalkFailure::RegionOverflow:
            return "the region is wider or taller than 32767 pixels";
        case WalkFailure::CoordinateOverflow:
            return "a mark lands beyond output coordinate 32767: use a smaller region or zoom";
        case WalkFailure::LoopOverflow:
            return "the region reaches past coordinate 32767";
        default:
            return "the sample count or the fill text is too long for one walk";
    }
}

// Where marks go when no output picture is wanted.
class NullCanvas final : public MarkCanvas {
  public:
    void Point(int32_t, int32_t, uint32_t) override {}
    void Circle(int32_t, int32_t, int32_t, uint32_t) override {}
    void Box(int32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    void Character(int32_t, int32_t, std::string_view, uint32_t) override {}
};

int64_t GridPoints(int32_t from, int32_t to, int32_t step) {
    const int64_t span = static_cast<int64_t>(to) - from;
    return (span >= 0) == (step > 0) ? span / step + 1 : 0;
}

}  // namespace

int RunBatch(const BatchOptions& o) {
    const PictureLoad load = LoadPictureFile(QString::fromStdString(o.picture));
    if (load.error != PictureLoadError::None)
        return Fail(batch_texts::kExitFile, LoadMessage(o.picture, load));
    if (!o.region && (load.image.width() > 32768 || load.image.height() > 32768)) {
        return Fail(batch_texts::kExitArguments,
                    "the picture is larger than 32768 pixels a side: give a --region");
    }
    const Region region = o.region.value_or(Region{0, 0, static_cast<int16_t>(load.image.width() - 1),
                                                   static_cast<int16_t>(load.image.height() - 1)});

    RenderState live;
    live.col = o.key;
    live.Xst = o.xStep;
    live.Yst = o.yStep;
    live.ZOOM = o.zoom;
    live.METH = o.compare;
    live.Tolerance = o.tolerance;
    live.FillMode = o.html.empty() ? o.fill : int16_t{kFillPage};
    live.PagePath = o.html;

    // The output picture, sized as the window sizes it for the same selection and zoom.
    QImage output;
    if (!o.output.empty()) {
        const OutputTwips twips = OutputSizeTwips(static_cast<float>(region.x1 - region.x0),
                                                  static_cast<float>(region.y1 - region.y0), o.zoom,
                                                  kStandardTwipsPerPixel, kStandardTwipsPerPixel);
        const int64_t width = TwipsToPixels(twips.width, kStandardTwipsPerPixel);
        const int64_t height = TwipsToPixels(twips.height, kStandardTwipsPerPixel);
        if (!OutputSizeAllowed(width, height)) {
            return Fail(batch_texts::kExitArguments,
                        "the output picture would be " + std::to_string(width) + " x " +
                            std::to_string(height) + " pixels; at most " + std::to_string(kMaxOutputSide) +
                            " a side and " + std::to_string(kMaxOutputPixels) + " in all");
        }
        output = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
        if (output.isNull()) return Fail(batch_texts::kExitFile, "not enough memory for the output picture");
        output.fill(Qt::black);
    }
    if (!o.html.empty()) {
        const std::string reason = PageFile::Touch(o.html);
        if (!reason.empty())
            return Fail(batch_texts::kExitFile, "cannot append to '" + o.html + "': " + reason);
    }

    // Only a picture to write needs marks drawn, and only drawing needs fonts.
    std::optional<GlyphCache> glyphs;
    std::optional<RasterCanvas> raster;
    NullCanvas nothing;
    if (!o.output.empty()) raster.emplace(&output, glyphs.emplace(OutputFont()));
    MarkCanvas& canvas = raster ? static_cast<MarkCanvas&>(*raster) : nothing;
    ImagePixelSource source(load.image);
    BatchHost host(GridPoints(region.y0, region.y1, o.yStep) * GridPoints(region.x0, region.x1, o.xStep),
                   !o.quiet && ::isatty(STDERR_FILENO));
    PageFile page;
    WalkPorts ports{source, canvas, host, page};
    const WalkOutcome outcome = TransferRegion(live, region, o.text, ports);
    host.EndProgress();

    if (!outcome.Completed()) return Fail(batch_texts::kExitArguments, WalkMessage(outcome.failure));
    if (host.lostLines() > 0) {
        return Fail(batch_texts::kExitFile, "the page in '" + o.html +
                                                "' is incomplete: " + std::to_string(host.lostLines()) +
                                                " lines could not be written: " + host.lossReason());
    }
    if (!o.output.empty()) {
        QString error;
        if (!SaveBitmap(output, QString::fromStdString(o.output), &error)) {
            return Fail(batch_texts::kExitFile, "cannot write '" + o.output + "': " + error.toStdString());
        }
    }
    if (!o.quiet) {
        std::fprintf(stderr, "%s: %lld samples visited, %lld passed\n", batch_texts::kProgram.data(),
                     static_cast<long long>(outcome.samples), static_cast<long long>(outcome.passed));
    }
    return o.expectNone && outcome.passed > 0 ? batch_texts::kExitSomethingPassed : batch_texts::kExitDone;
}

}  // namespace glimmet
