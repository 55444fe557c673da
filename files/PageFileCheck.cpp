#include "files/PageFileCheck.h"

#include <QFile>

#include "files/FileFailure.h"
#include "files/FilesTexts.h"
#include "pixels/PagePictureGuard.h"
#include "widgets/MessageTexts.h"

namespace glimmet {

namespace t = files_texts;

bool PageFileCheck::Allows(const std::string& page) const {
    PagePictureGuard guard;
    guard.AddPicture(picturePath_);
    guard.AddPicture(savedPath_);
    const auto refusal = guard.Check(page);
    if (!refusal) return true;
    const QString why = !refusal->picture        ? t::HoldsPicture(refusal->format)
                        : *refusal->picture == 0 ? QtText(t::kIsShownPicture)
                                                 : QtText(t::kIsSavedPicture);
    dialogs_.MsgBox(FileFailure(t::kPageIntoPicture, QFile::decodeName(page.c_str()),
                                why + QStringLiteral("\n") + QtText(t::kNothingExported)),
                    MessageButtons::Ok, MessageIcon::Critical, QtText(message_texts::kPageTitle));
    return false;
}

}  // namespace glimmet
