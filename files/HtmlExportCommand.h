#pragma once

#include <functional>

#include <string>
#include "platform/DialogService.h"

#include "render/RenderState.h"

namespace glimmet {

class SourcePictureBox;

// What the export works on; all of it belongs to the window.
struct ExportParts {
    FileDialogSettings& cdiag;
    DialogService& dialogs;
    RenderState& render;
    std::string& filePath;           // the window's FilePath
    SourcePictureBox& source;        // its selection outline is hidden first
    std::function<void()> transfer;  // pic_transfer_Click
};

// The command ex_HTML_Click: after a confirmation, switches the fill mode to the page, asks for the
// page file and runs the transfer, which appends one complete page to it. The chosen name becomes the
// page path (render.PagePath), which only the export sets, so a later transfer in the page fill mode
// never writes into a picture file of Open or Save. A file that cannot be opened for appending is
// reported before anything is drawn or written.
class HtmlExportCommand {
  public:
    explicit HtmlExportCommand(ExportParts parts) : parts_(std::move(parts)) {}

    void Run();

  private:
    ExportParts parts_;
};

}  // namespace glimmet
