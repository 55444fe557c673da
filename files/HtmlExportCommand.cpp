#include "files/HtmlExportCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/FileFailure.h"
#include "files/FilesTexts.h"
#include "files/PageFileCheck.h"
#include "render/PageFile.h"
#include "widgets/MessageTexts.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/SystemReason.h"

namespace glimmet {

namespace t = files_texts;

QString HtmlExportCommand::ProposedPage() const {
    if (!parts_.render.PagePath.empty()) return QFile::decodeName(parts_.render.PagePath.c_str());
    if (parts_.picturePath.empty()) return {};
    const QFileInfo picture(QFile::decodeName(parts_.picturePath.c_str()));
    return picture.dir().filePath(picture.completeBaseName() + QStringLiteral(".htm"));
}

void HtmlExportCommand::Run() {
    // The confirmation, with the outline hidden. A refusal leaves the outline hidden until the next
    // transfer shows it again.
    parts_.source.SetBorderStyle(SourcePictureBox::kNoOutline);
    if (parts_.dialogs.MsgBox(QtText(t::kExportQuestion), MessageButtons::YesNo, MessageIcon::None,
                              QtText(message_texts::kPageTitle)) != MessageAnswer::Yes)
        return;
    // The page file, chosen with the page filter. A cancel leaves the page fill mode and the page
    // filter in place.
    parts_.render.FillMode = kFillPage;
    parts_.cdiag.Filter = QtText(t::kPageFilter);
    parts_.cdiag.FileName = ProposedPage();
    parts_.dialogs.ShowSave(parts_.cdiag);
    const QString path = parts_.cdiag.FileName;
    if (path.isEmpty()) return;
    // The page path changes only to a file that is no picture and can be appended to, so a refused
    // file leaves the last good page in place.
    const std::string name = QFile::encodeName(path).toStdString();
    if (!parts_.pageCheck.Allows(name)) return;
    parts_.filePath = name;
    const std::string reason = PageFile::Touch(parts_.filePath);
    if (!reason.empty()) {
        const QString why = QtText(message_texts::kReason) + SystemReason(QString::fromStdString(reason)) +
                            QStringLiteral("\n") + QtText(t::kNothingExported);
        parts_.dialogs.MsgBox(FileFailure(t::kPageFileFailed, path, why), MessageButtons::Ok,
                              MessageIcon::Critical, QtText(message_texts::kPageTitle));
        return;
    }
    parts_.render.PagePath = parts_.filePath;
    // The picture filter back, then the walk that appends the page.
    parts_.cdiag.Filter = QtText(t::kPictureFilter);
    parts_.transfer();
}

}  // namespace glimmet
