#include "files/HtmlExportCommand.h"

#include "files/FileText.h"
#include "files/FilesTexts.h"
#include "platform/SourcePictureBox.h"
#include "render/PageFile.h"

namespace glimmet {

namespace t = files_texts;

void HtmlExportCommand::Run() {
    // 1 to 3. A refusal leaves the outline hidden until the next transfer shows it again.
    parts_.source.SetBorderStyle(SourcePictureBox::kNoOutline);
    if (parts_.dialogs.MsgBox(FileText(t::kExportQuestion), MessageButtons::YesNo, MessageIcon::None,
                              FileText(t::kExportTitle)) != MessageAnswer::Yes)
        return;
    // 4, 5. A cancel leaves the fill mode 5 and the page filter in place.
    parts_.state.render.FillMode = kFillPage;
    parts_.cdiag.Filter = FileText(t::kPageFilter);
    parts_.dialogs.ShowSave(parts_.cdiag);
    const QString path = parts_.cdiag.FileName;
    if (path.isEmpty()) return;
    // 6.
    parts_.state.FilePath = path.toStdString();
    parts_.state.render.PagePath = path.toStdString();
    // 7.
    const std::string reason = PageFile::Touch(parts_.state.render.PagePath);
    if (!reason.empty()) {
        const QString why = FileText(t::kReason) + QString::fromStdString(reason) + QStringLiteral("\n") +
                            FileText(t::kNothingExported);
        parts_.dialogs.MsgBox(FileFailure(t::kPageFileFailed, path, why), MessageButtons::Ok,
                              MessageIcon::Critical, FileText(t::kExportTitle));
        return;
    }
    // 8, 9.
    parts_.cdiag.Filter = FileText(t::kPictureFilter);
    parts_.transfer();
}

}  // namespace glimmet
