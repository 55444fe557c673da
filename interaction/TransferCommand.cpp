#include "interaction/TransferCommand.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <new>
#include <string>

#include "interaction/InteractionTexts.h"
#include "interaction/OutputCanvas.h"
#include "interaction/TransferWalkHost.h"
#include "params/NumberRules.h"
#include "picture/QtText.h"
#include "render/OutputSize.h"
#include "render/PageFile.h"
#include "render/PageLock.h"
#include "render/TransferRegion.h"
#include "widgets/DialogService.h"
#include "widgets/MessageTexts.h"
#include "widgets/PictureBox.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/TwipPlacement.h"

namespace glimmet {

namespace {

// Output pictures from this many pixels on (64 MB) are first written under the busy cursor.
constexpr int64_t kBusyOutputPixels = int64_t{1} << 24;

// Empty when there is nothing to tell.
QString FailureText(WalkFailure failure) {
    switch (failure) {
        case WalkFailure::ZeroStep:
            return QtText(interaction_texts::kWalkZeroStep);
        case WalkFailure::RegionOverflow:
            return QtText(interaction_texts::kWalkRegionOverflow);
        case WalkFailure::CoordinateOverflow:
            return QtText(interaction_texts::kWalkCoordinateOverflow);
        case WalkFailure::LoopOverflow:
            return QtText(interaction_texts::kWalkLoopOverflow);
        case WalkFailure::CounterOverflow:
            return QtText(interaction_texts::kWalkCounterOverflow);
        case WalkFailure::None:
        case WalkFailure::Stopped:  // the program is ending: nothing to tell
            break;
    }
    return {};
}

}  // namespace

QString TransferCommand::SizeMessage(float width, float height) {
    return QtText(interaction_texts::kSizeMessage) + QString::fromStdString(Str(width)) +
           QtText(interaction_texts::kSizeSeparator) + QString::fromStdString(Str(height));
}

bool TransferCommand::Run() {
    RenderState& render = parts_.render;
    // The export's fill mode stays after a cancelled export dialog; with no page file chosen yet
    // there is nowhere to write, and the user is told before anything is drawn.
    if (render.FillMode == kFillPage && render.PagePath.empty()) {
        Fail(interaction_texts::kNoPageFile);
        return false;
    }
    // Another program's run on the same page would interleave its lines with these. The outermost
    // walk holds the page locked for its whole length: a transfer started inside it appends as
    // before, since a second lock of this process on the page would only refuse itself.
    PageLock lock;
    if (render.FillMode == kFillPage && parts_.session.running == 0 &&
        lock.Take(render.PagePath) == PageLock::Outcome::Busy) {
        Fail(QtText(interaction_texts::kPageBusy) + QtText(render.PagePath) +
             QtText(interaction_texts::kPageBusyEnd));
        return false;
    }
    // The outline must not be sampled, and the last rendering goes.
    parts_.source.SetBorderStyle(SourcePictureBox::kNoOutline);
    parts_.output.Cls();
    // The size message; the export walks without it.
    if (render.FillMode != kFillPage) {
        const ShapeRect sel = parts_.source.Selection();
        parts_.dialogs.MsgBox(SizeMessage(sel.Width, sel.Height), MessageButtons::Ok, MessageIcon::None,
                              QtText(message_texts::kAppTitle));
        if (parts_.session.exitRequested) return false;
    }
    // The output box takes the selection times the zoom. Checked before either side is set: a size
    // the platform cannot give is refused as a whole.
    {
        const ShapeRect sel = parts_.source.Selection();
        const ScreenMetrics& metrics = parts_.placement.Metrics();
        const OutputTwips size = OutputSizeTwips(sel.Width, sel.Height, render.ZOOM, metrics.TwipsPerPixelX,
                                                 metrics.TwipsPerPixelY);
        const int64_t width = TwipsToPixels(size.width, metrics.TwipsPerPixelX);
        const int64_t height = TwipsToPixels(size.height, metrics.TwipsPerPixelY);
        if (!OutputSizeAllowed(width, height)) {
            Fail(interaction_texts::kOutputTooLarge);
            return false;
        }
        // The first writing of a large output picture can take a second (256 MB where the system
        // has no large pages): the busy cursor says so, shown before the work starts.
        const bool large = width * height >= kBusyOutputPixels;
        if (large) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        // The size is the inner area, so that the box shows the whole grid, both ends included.
        parts_.placement.SetInnerWidth(&parts_.output, size.width);
        parts_.placement.SetInnerHeight(&parts_.output, size.height);
        const bool allocated = width <= 0 || height <= 0 || !parts_.output.DrawTarget()->isNull();
        if (large) QGuiApplication::restoreOverrideCursor();
        if (parts_.session.exitRequested) return false;
        if (!allocated) {
            Fail(interaction_texts::kOutputNotAllocated);
            return false;
        }
    }
    // Read after the message: the user may have moved the selection or edited the text meanwhile.
    const ShapeRect sel = parts_.source.Selection();
    const std::string fillText = parts_.fillField.text().toStdString();
    // The pixel bounds, in double precision without a detour through single precision.
    const auto y1 = RoundToInt16(static_cast<double>(sel.Top) + static_cast<double>(sel.Height));
    const auto x1 = RoundToInt16(static_cast<double>(sel.Left) + static_cast<double>(sel.Width));
    const auto y0 = RoundToInt16(sel.Top);
    const auto x0 = RoundToInt16(sel.Left);
    if (!y1 || !x1 || !y0 || !x0) {
        Fail(interaction_texts::kBoundsOverflow);
        return false;
    }
    // The walk, with the window's live state.
    OutputCanvas canvas(parts_.output, parts_.glyphs);
    TransferWalkHost host(parts_.pacing, parts_.status, parts_.output, parts_.dialogs, parts_.session);
    PageFile page;
    WalkPorts ports{parts_.source, canvas, host, page};
    ++parts_.session.running;
    WalkOutcome outcome;
    bool outOfMemory = false;
    try {
        outcome = TransferRegion(render, Region{*x0, *y0, *x1, *y1}, fillText, ports);
    } catch (const std::bad_alloc&) {
        // The page's gathered lines or a glyph: the walk ends, the page keeps the whole lines that
        // reached it, and the window goes on.
        page.Discard();
        outOfMemory = true;
    }
    --parts_.session.running;
    if (parts_.session.exitRequested) return false;
    if (outOfMemory) {
        Fail(interaction_texts::kWalkOutOfMemory);
        return false;
    }
    if (!outcome.Completed()) {
        Fail(FailureText(outcome.failure));
        return false;
    }
    // The outline back, AutoRedraw off.
    Restore();
    return true;
}

void TransferCommand::Restore() {
    parts_.source.SetBorderStyle(SourcePictureBox::kDottedOutline);
    parts_.output.SetAutoRedraw(false);
    parts_.output.update();
}

void TransferCommand::Fail(TrText message) {
    Fail(QtText(message));
}

void TransferCommand::Fail(const QString& message) {
    Restore();
    parts_.dialogs.MsgBox(message, MessageButtons::Ok, MessageIcon::Critical,
                          QtText(message_texts::kAppTitle));
}

}  // namespace glimmet
