#include "files/SaveCommand.h"

#include <QFile>
#include <filesystem>

#include "files/FileFailure.h"
#include "files/FilesTexts.h"
#include "picture/BitmapWriter.h"
#include "widgets/MessageTexts.h"
#include "widgets/PictureBox.h"
#include "widgets/SystemReason.h"

namespace glimmet {

namespace t = files_texts;

namespace {

// True when `a` and `b` (a name's bytes) name the same existing file, also through links.
bool SameFile(const QString& a, const std::string& b) {
    if (b.empty()) return false;
    std::error_code error;
    return std::filesystem::equivalent(QFile::encodeName(a).toStdString(), b, error);
}

}  // namespace

bool SaveCommand::MayReplace(const QString& path) {
    TrText label{};
    if (SameFile(path, parts_.picturePath)) {
        label = t::kReplacesPicture;
    } else if (SameFile(path, parts_.pagePath)) {
        label = t::kReplacesPage;
    } else {
        return true;
    }
    return parts_.dialogs.MsgBox(FileFailure(label, path, QtText(t::kReplaceQuestion)),
                                 MessageButtons::YesNoDefaultNo, MessageIcon::Warning,
                                 QtText(message_texts::kAppTitle)) == MessageAnswer::Yes;
}

void SaveCommand::Run() {
    // The selection rendered afresh into the retained image.
    parts_.output.SetAutoRedraw(true);
    if (!parts_.transfer()) return;
    // The file name; a cancel keeps the rendering on screen.
    parts_.dialogs.ShowSave(parts_.cdiag);
    const QString path = parts_.cdiag.FileName;
    if (path.isEmpty() || !MayReplace(path)) return;
    // The retained image as a bitmap.
    parts_.filePath = QFile::encodeName(path).toStdString();
    const SaveResult saved = SaveBitmap(parts_.output.Image(), parts_.filePath, BitmapFormat::Bmp);
    if (!saved.saved) {
        const QString reason =
            saved.systemError != 0 ? SystemReason(saved.systemError) : QtText(t::kNotEncoded);
        const QString why = QtText(message_texts::kReason) + reason + QStringLiteral("\n") +
                            QtText(saved.oldFileLost ? t::kOldFileLost : t::kNothingSaved);
        parts_.dialogs.MsgBox(FileFailure(t::kSaveFailed, path, why), MessageButtons::Ok,
                              MessageIcon::Critical, QtText(message_texts::kAppTitle));
        return;
    }
    parts_.savedPath = parts_.filePath;
    // The output picture is left empty: the saved rendering sits in the retained image, which a
    // clear with AutoRedraw off would keep as the background of every later transfer.
    parts_.output.SetAutoRedraw(true);
    parts_.output.Cls();
    parts_.output.SetAutoRedraw(false);
    // The output box back to the window's layout.
    parts_.layout();
}

}  // namespace glimmet
