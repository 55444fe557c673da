#include "files/SaveCommand.h"

#include <QFile>
#include <system_error>

#include "files/FileFailure.h"
#include "files/FilesTexts.h"
#include "platform/BitmapWriter.h"
#include "platform/MessageTexts.h"
#include "platform/PictureBox.h"

namespace glimmet {

namespace t = files_texts;

void SaveCommand::Run() {
    // The selection rendered afresh into the retained image.
    parts_.output.SetAutoRedraw(true);
    if (!parts_.transfer()) return;
    // The file name; a cancel keeps the rendering on screen.
    parts_.dialogs.ShowSave(parts_.cdiag);
    const QString path = parts_.cdiag.FileName;
    if (path.isEmpty()) return;
    // The retained image as a bitmap.
    parts_.filePath = path.toStdString();
    const SaveResult saved =
        SaveBitmap(parts_.output.Image(), QFile::encodeName(path).toStdString(), BitmapFormat::Bmp);
    if (!saved.saved) {
        const QString reason =
            saved.systemError != 0
                ? QString::fromStdString(std::generic_category().message(saved.systemError))
                : QtText(t::kNotEncoded);
        const QString why = QtText(message_texts::kReason) + reason + QStringLiteral("\n") +
                            QtText(saved.oldFileLost ? t::kOldFileLost : t::kNothingSaved);
        parts_.dialogs.MsgBox(FileFailure(t::kSaveFailed, path, why), MessageButtons::Ok,
                              MessageIcon::Critical, QtText(message_texts::kAppTitle));
        return;
    }
    // The output picture is left empty: the saved rendering sits in the retained image, which a
    // clear with AutoRedraw off would keep as the background of every later transfer.
    parts_.output.SetAutoRedraw(true);
    parts_.output.Cls();
    parts_.output.SetAutoRedraw(false);
    // The output box back to the window's layout.
    parts_.layout();
}

}  // namespace glimmet
