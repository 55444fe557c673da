#pragma once

#include <QString>

#include "files/FilesTexts.h"
#include "platform/DialogService.h"

namespace glimmet {

// The file dialog as the window is designed with it: its title for opening and saving alike, the
// three picture types (the first selected), the default extension, no file name yet; and, as
// start-up sets it, the program's folder as the first folder.
inline void ApplyFileDialogDefaults(FileDialogSettings& cdiag, const QString& programFolder) {
    cdiag.DialogTitle = QString::fromUtf8(files_texts::kDialogTitle.data(),
                                          static_cast<qsizetype>(files_texts::kDialogTitle.size()));
    cdiag.Filter = QString::fromUtf8(files_texts::kStartFilter.data(),
                                     static_cast<qsizetype>(files_texts::kStartFilter.size()));
    cdiag.DefaultExt = QString::fromUtf8(files_texts::kDefaultExt.data(),
                                         static_cast<qsizetype>(files_texts::kDefaultExt.size()));
    cdiag.FileName.clear();
    cdiag.InitDir = programFolder;
}

}  // namespace glimmet
