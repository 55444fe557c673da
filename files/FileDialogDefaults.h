#pragma once

#include "files/FilesTexts.h"
#include "picture/QtText.h"
#include "widgets/DialogService.h"

namespace glimmet {

// The file dialog as the window is designed with it: its title for opening and saving alike, the
// three picture types (the first selected), the default extension, no file name yet. Start-up sets
// its first folder.
inline void ApplyFileDialogDefaults(FileDialogSettings& cdiag) {
    cdiag.DialogTitle = QtText(files_texts::kDialogTitle);
    cdiag.Filter = QtText(files_texts::kStartFilter);
    cdiag.DefaultExt = QtText(files_texts::kDefaultExt);
    cdiag.FileName.clear();
}

}  // namespace glimmet
