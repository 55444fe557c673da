#pragma once

#include <functional>

#include <string>
#include "widgets/DialogService.h"

#include "render/RenderState.h"

namespace glimmet {

class PageFileCheck;
class SourcePictureBox;

// What the export works on; all of it belongs to the window.
struct ExportParts {
    FileDialogSettings& cdiag;
    DialogService& dialogs;
    RenderState& render;
    std::string& filePath;           // the window's FilePath
    const std::string& picturePath;  // the file whose picture the source picture shows
    const PageFileCheck& pageCheck;
    SourcePictureBox& source;        // its selection outline is hidden first
    std::function<void()> transfer;  // pic_transfer_Click
};

// The command ex_HTML_Click: after a confirmation, switches the fill mode to the page, asks for the
// page file and runs the transfer, which appends one complete page to it. The chosen name becomes the
// page path (render.PagePath), which only the export sets, so a later transfer in the page fill mode
// never writes into a picture file of Open or Save. The dialog proposes a page's name, never the
// dialog's last one: that is the picture just opened or saved, which Enter would have taken. A picture
// file (PageFileCheck) or a file that cannot be opened for appending is refused with a message before
// anything is drawn or written, and the page path stays as it was.
class HtmlExportCommand {
  public:
    explicit HtmlExportCommand(ExportParts parts) : parts_(std::move(parts)) {}

    void Run();

  private:
    // The last page, or else the picture shown with the extension .htm, or else nothing.
    QString ProposedPage() const;

    ExportParts parts_;
};

}  // namespace glimmet
