#pragma once

#include <QString>

namespace glimmet {

// The settings of the window's one file dialog. The window keeps one of these for the whole run, so
// what a use leaves in it (filter, folder, file name) is there at the next use. Filter is written as
// pairs of description and pattern separated by "|": "BMP |*.bmp| JPEG |*.jpg".
struct FileDialogSettings {
    QString Filter;
    QString DialogTitle;
    QString DefaultExt;
    QString InitDir;
    QString FileName;  // the chosen file; empty after a cancel
};

}  // namespace glimmet
