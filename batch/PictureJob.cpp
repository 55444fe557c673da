#include "batch/PictureJob.h"

#include <unistd.h>

#include <system_error>

#include "batch/BatchHost.h"
#include "batch/BatchTexts.h"
#include "batch/NullCanvas.h"
#include "batch/PageRollback.h"
#include "batch/StandardOutputPage.h"
#include "pixels/DamageWords.h"
#include "pixels/PictureLoader.h"
#include "pixels/PixelImageSource.h"
#include "render/OutputSize.h"
#include "render/PageFile.h"
#include "render/WalkPrecheck.h"

namespace glimmet {

namespace t = batch_texts;

namespace {

int64_t GridPoints(int32_t from, int32_t to, int32_t step) {
    const int64_t span = static_cast<int64_t>(to) - from;
    return span >= 0 ? span / step + 1 : 0;
}

// PNG for a name ending in ".png" in any case, BMP for every other name.
bool NamesPng(const std::string& name) {
    static constexpr std::string_view kPng = ".png";
    if (name.size() < kPng.size()) return false;
    for (size_t i = 0; i < kPng.size(); ++i) {
        const char c = name[name.size() - kPng.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != kPng[i]) return false;
    }
    return true;
}

}  // namespace

PictureJob::PictureJob(const BatchOptions& options, const PictureTask& task, WorkerTools& tools,
                       BatchProgress& progress, const StopSignals& stop)
    : o_(options), task_(task), tools_(tools), progress_(progress), stop_(stop) {}

PictureResult& PictureJob::Finish(int status, PictureError error, std::string message) {
    result_.status = status;
    result_.error = error;
    result_.message = std::move(message);
    return result_;
}

RenderState PictureJob::WalkState() const {
    RenderState live;
    live.col = o_.key;
    live.Xst = o_.xStep;
    live.Yst = o_.yStep;
    live.ZOOM = o_.zoom;
    live.METH = o_.compare;
    live.Tolerance = o_.tolerance;
    live.FillMode = task_.html.empty() ? o_.fill : int16_t{kFillPage};
    live.PagePath = task_.html;
    return live;
}

PictureResult& PictureJob::Unreadable(const PictureLoad& load) {
    const std::string& path = task_.picture;
    // The fact, then the decoder's own words when it gave any.
    std::string detail = load.damage ? DamageInEnglish(load.damage) : load.detail;
    if (load.damage && !load.detail.empty()) detail += " (" + load.detail + ")";
    switch (load.error) {
        case PictureLoadError::CannotOpen:
            return Finish(t::kExitFile, PictureError::CannotRead, t::CannotRead(path, detail));
        case PictureLoadError::NotAPicture:
            return Finish(t::kExitFile, PictureError::NotAPicture, t::NotAPicture(path, detail));
        case PictureLoadError::TooLarge:
            return Finish(t::kExitFile, PictureError::TooLarge, t::TooLarge(path, detail));
        case PictureLoadError::OutOfMemory:
            return Finish(t::kExitFile, PictureError::OutOfMemory, t::CannotRead(path, detail));
        default:
            return Finish(t::kExitFile, PictureError::Damaged, t::Damaged(path, detail));
    }
}

std::optional<std::string> PictureJob::SaveOutput(OutputPicture& output) const {
    const bool toStandardOutput = task_.output == "-";
    const SaveResult saved = output.Save(task_.output, NamesPng(task_.output));
    if (saved.saved) return std::nullopt;
    const std::string reason = saved.systemError != 0 ? std::generic_category().message(saved.systemError)
                                                      : std::string(t::kNotEncoded);
    return t::CannotWrite(toStandardOutput ? std::string(t::kStandardOutput) : task_.output, reason,
                          saved.oldFileLost);
}

PictureResult PictureJob::Run() {
    try {
        return Check();
    } catch (const std::bad_alloc&) {
        // Every allocation of the picture's run (its pixels, the page's lines, the glyphs, the
        // output picture and its encoding, the passing samples) ends that picture alone; what it
        // held is free again by now.
        page_.Discard();
        pageBefore_.Undo(page_.Appended());
        result_.page = {};
        return Finish(t::kExitFile, PictureError::OutOfMemory, std::string(t::kOutOfMemory));
    }
}

PictureResult& PictureJob::Check() {
    const std::string& path = task_.picture;
    const PictureLoad load = LoadPictureFile(path);  // by its bytes, whatever their encoding
    if (load.error != PictureLoadError::None) return Unreadable(load);
    result_.width = load.image.Width();
    result_.height = load.image.Height();

    // Every parameter is fixed for the whole walk, so whatever would make it fail is refused now.
    if (!o_.region && (result_.width > 32768 || result_.height > 32768))
        return Finish(t::kExitArguments, PictureError::Parameters,
                      t::PictureBeyondReach(result_.width, result_.height));
    const Region region = o_.region.value_or(
        Region{0, 0, static_cast<int16_t>(result_.width - 1), static_cast<int16_t>(result_.height - 1)});
    result_.region = region;
    const RenderState live = WalkState();
    const WalkFailure failure = PredictWalkFailure(live, region, o_.text);
    if (failure != WalkFailure::None) {
        return Finish(
            t::kExitArguments, PictureError::Parameters,
            !o_.region && (failure == WalkFailure::RegionOverflow || failure == WalkFailure::LoopOverflow)
                ? t::PictureBeyondReach(result_.width, result_.height)
                : t::WalkRefusal(failure));
    }

    // The output picture, sized as the window sizes it for the same selection and zoom.
    std::unique_ptr<OutputPicture> output;
    if (!task_.output.empty()) {
        const OutputTwips twips = OutputSizeTwips(static_cast<float>(region.x1 - region.x0),
                                                  static_cast<float>(region.y1 - region.y0), o_.zoom,
                                                  kStandardTwipsPerPixel, kStandardTwipsPerPixel);
        const int64_t width = TwipsToPixels(twips.width, kStandardTwipsPerPixel);
        const int64_t height = TwipsToPixels(twips.height, kStandardTwipsPerPixel);
        if (!OutputSizeAllowed(width, height))
            return Finish(t::kExitArguments, PictureError::Parameters, t::OutputTooLarge(width, height));
        OutputDrawing* drawing = tools_.Drawing();
        if (drawing != nullptr)
            output = drawing->Make(static_cast<int32_t>(width), static_cast<int32_t>(height));
        if (!output)
            return Finish(t::kExitFile, PictureError::OutOfMemory, std::string(t::kNoMemoryForOutput));
    }
    const bool pageToStandardOutput = task_.html == "-";  // a stream, which nothing can take back
    if (!task_.html.empty() && !pageToStandardOutput) {
        const std::string reason = pageBefore_.Prepare(task_.html);
        if (pageBefore_.Busy())
            return Finish(t::kExitFile, PictureError::CannotWrite, t::PageBusy(task_.html));
        if (!reason.empty())
            return Finish(t::kExitFile, PictureError::CannotWrite, t::CannotAppend(task_.html, reason));
    }

    // Only a picture to write needs marks drawn.
    NullCanvas nothing;
    MarkCanvas& canvas = output ? output->Canvas() : nothing;
    PixelImageSource image(load.image);
    std::optional<PassingRecorder> recorder;
    if (!o_.report.empty() && o_.reportLimit > 0)
        recorder.emplace(image, live, static_cast<size_t>(o_.reportLimit));
    PixelSource& source = recorder ? static_cast<PixelSource&>(*recorder) : image;
    BatchHost host(progress_, stop_, task_.index,
                   GridPoints(region.y0, region.y1, o_.yStep) * GridPoints(region.x0, region.x1, o_.xStep));
    StandardOutputPage stream(STDOUT_FILENO);
    WalkPorts ports{source, canvas, host, pageToStandardOutput ? static_cast<LineWriter&>(stream) : page_};
    const WalkOutcome outcome = TransferRegion(live, region, o_.text, ports);
    result_.outcome = outcome;
    if (recorder) result_.firstPassing = recorder->Samples();

    if (!outcome.Completed()) {
        pageBefore_.Undo(page_.Appended());
        return Finish(t::kExitArguments, PictureError::Parameters, t::WalkRefusal(outcome.failure));
    }
    if (host.lostLines() > 0) {
        pageBefore_.Undo(page_.Appended());
        return Finish(t::kExitFile, PictureError::CannotWrite,
                      pageToStandardOutput
                          ? t::CannotWrite(std::string(t::kStandardOutput), host.lossReason(), false)
                          : t::PageIncomplete(task_.html, host.lossReason()));
    }
    if (output) {
        const std::optional<std::string> failed = SaveOutput(*output);
        if (failed) {
            pageBefore_.Undo(page_.Appended());
            return Finish(t::kExitFile, PictureError::CannotWrite, *failed);
        }
    }
    if (!task_.html.empty()) result_.page = pageBefore_.Keep(page_.Appended());
    const int status = o_.expectNone && outcome.passed > 0 ? t::kExitSomethingPassed : t::kExitDone;
    return Finish(status, PictureError::None, t::Summary(outcome.samples, outcome.passed));
}

}  // namespace glimmet
