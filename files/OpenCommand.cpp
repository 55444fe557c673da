#include "files/OpenCommand.h"

#include <QFile>

#include "files/FileFailure.h"
#include "files/FilesTexts.h"
#include "picture/DamageTranslation.h"
#include "picture/LargePagedImage.h"
#include "pixels/PictureLoader.h"
#include "widgets/BusyWork.h"
#include "widgets/MessageTexts.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/SystemReason.h"

namespace glimmet {

namespace {

namespace t = files_texts;

QString Why(const PictureLoad& load) {
    TrText kind = t::kCannotRead;
    if (load.error == PictureLoadError::NotAPicture) kind = t::kNotAPicture;
    if (load.error == PictureLoadError::Damaged) kind = t::kDamaged;
    if (load.error == PictureLoadError::TooLarge) kind = t::kTooLarge;
    if (load.error == PictureLoadError::OutOfMemory) kind = t::kOutOfMemory;
    QString why = QtText(kind);
    const QString reason = load.damage ? DamageTranslated(load.damage) : QString::fromStdString(load.detail);
    if (!reason.isEmpty())
        why += QStringLiteral("\n") + QtText(message_texts::kReason) + SystemReason(reason);
    return why + QStringLiteral("\n") + QtText(t::kOpenKeepsPicture);
}

}  // namespace

void OpenCommand::Run() {
    dialogs_.ShowOpen(cdiag_);
    OpenFile(cdiag_.FileName);
}

void OpenCommand::OpenFile(const QString& path) {
    filePath_ = QFile::encodeName(path).toStdString();
    if (path.isEmpty()) return;
    // A large picture takes a while to read: the window goes on painting meanwhile.
    PictureLoad load;
    BusyWork::Run([&load, name = filePath_] { load = LoadPictureFile(name); });
    if (load.error != PictureLoadError::None) {
        dialogs_.MsgBox(FileFailure(t::kOpenFailed, path, Why(load)), MessageButtons::Ok,
                        MessageIcon::Critical, QtText(message_texts::kAppTitle));
        return;
    }
    source_.SetPicture(ToQImage(std::move(load.image)));
    picturePath_ = filePath_;
}

}  // namespace glimmet
