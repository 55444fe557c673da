#pragma once

#include <QString>
#include <cstdint>

#include "interaction/TransferPacing.h"
#include "interaction/WalkSession.h"
#include "picture/QtText.h"
#include "render/RenderState.h"

class QLineEdit;

namespace glimmet {

class DialogService;
class GlyphCache;
class PictureBox;
class SourcePictureBox;
class StatusPanels;
class TwipPlacement;

// What the transfer works on; all of it belongs to the window.
struct TransferParts {
    RenderState& render;
    SourcePictureBox& source;  // with the selection `sel`
    PictureBox& output;        // out_pic
    QLineEdit& fillField;      // txt_fill
    TwipPlacement& placement;
    StatusPanels& status;
    DialogService& dialogs;
    GlyphCache& glyphs;
    WalkSession& session;
    TransferPacing pacing;
};

// The transfer command pic_transfer_Click: hides the selection outline, clears the output picture,
// shows the selection's size (not in the export), sizes the output picture to the selection times the
// zoom, walks the selection with the window's live state and restores the outline and AutoRedraw off.
// A failure (bounds beyond 16 bits, an output picture too large, a walk error) restores the outline
// and AutoRedraw and then says what happened; the program goes on. After the user ended the program
// during the walk, the command does nothing more once the walk returns.
class TransferCommand {
  public:
    explicit TransferCommand(const TransferParts& parts) : parts_(parts) {}

    // True when the walk completed; false after a failure (already shown) or an exit.
    bool Run();

    // The size message for a selection of `width` x `height`.
    static QString SizeMessage(float width, float height);

  private:
    // The outline back, AutoRedraw off.
    void Restore();
    void Fail(TrText message);
    void Fail(const QString& message);

    TransferParts parts_;
};

}  // namespace glimmet
