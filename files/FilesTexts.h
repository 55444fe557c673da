#pragma once

#include <string_view>

#include "picture/QtText.h"

namespace glimmet::files_texts {

// Texts of the file commands and of the HTML export: words are English sources translated through
// the "Files" context, the filters read alike in every language (UTF-8).

// The file dialog, as set at start-up. The default extension is a filter entry; the dialog appends
// its first three characters to a name typed without an extension.
inline constexpr TrText kDialogTitle{"Files", QT_TRANSLATE_NOOP("Files", "Choose the picture you need")};
inline constexpr std::string_view kStartFilter = " BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";
inline constexpr std::string_view kDefaultExt = "BMP|*.bmp";
// The filter during the export's dialog, and after an export that got a name (no leading blank).
inline constexpr std::string_view kPageFilter = "HTML|*.htm";
inline constexpr std::string_view kPictureFilter = "BMP |*.bmp| JPEG |*.jpg| GIF |*.gif";

// Open: the label, the file name in quotes, then why.
inline constexpr TrText kOpenFailed{"Files", QT_TRANSLATE_NOOP("Files", "Could not open the picture:\n")};
inline constexpr TrText kCannotRead{"Files", QT_TRANSLATE_NOOP("Files", "The file cannot be read.")};
inline constexpr TrText kNotAPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "This is not a picture in a format the program knows.")};
inline constexpr TrText kDamaged{"Files", QT_TRANSLATE_NOOP("Files", "The picture is damaged or cut short.")};
inline constexpr TrText kTooLarge{
    "Files", QT_TRANSLATE_NOOP("Files", "The picture is larger than the program reads.")};
inline constexpr TrText kOutOfMemory{
    "Files", QT_TRANSLATE_NOOP("Files", "There was not enough memory to read the picture.")};
inline constexpr TrText kOpenKeepsPicture{"Files",
                                          QT_TRANSLATE_NOOP("Files", "The picture shown has not changed.")};
// Save: the label, the file name in quotes, then the system's reason.
inline constexpr TrText kSaveFailed{"Files", QT_TRANSLATE_NOOP("Files", "Could not save the picture:\n")};
inline constexpr TrText kNothingSaved{"Files", QT_TRANSLATE_NOOP("Files", "No file was written.")};
// The image library could not encode the picture (no system error to show).
inline constexpr TrText kNotEncoded{"Files", QT_TRANSLATE_NOOP("Files", "The picture could not be encoded.")};
// A file rewritten in place failed and its old content could not be put back.
inline constexpr TrText kOldFileLost{"Files",
                                     QT_TRANSLATE_NOOP("Files", "The old content of the file is lost.")};
// Save into a file the window works with: the label, the file name in quotes, then the question.
inline constexpr TrText kReplacesPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "This file is the picture open in the window now:\n")};
inline constexpr TrText kReplacesPage{
    "Files", QT_TRANSLATE_NOOP("Files", "This file is the page of the HTML export:\n")};
inline constexpr TrText kReplaceQuestion{
    "Files", QT_TRANSLATE_NOOP("Files", "Replace it with the picture being saved?")};

// The HTML export.
inline constexpr TrText kExportQuestion{
    "Files", QT_TRANSLATE_NOOP("Files", "Do you really want to write the picture into a file?")};
// The chosen page file cannot be opened for appending: the label, the file name, the reason.
inline constexpr TrText kPageFileFailed{
    "Files", QT_TRANSLATE_NOOP("Files", "Could not open the file for appending:\n")};
inline constexpr TrText kNothingExported{"Files", QT_TRANSLATE_NOOP("Files", "Nothing was exported.")};
// A page file that is a picture: the label, the file name in quotes, why, then kNothingExported.
inline constexpr TrText kPageIntoPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "The HTML page will not be appended to this file:\n")};
inline constexpr TrText kIsShownPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "This is the picture open in the window now.")};
inline constexpr TrText kIsSavedPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "This is the picture last saved from the window.")};
// %1 is the format's name.
inline constexpr TrText kHoldsPicture{
    "Files", QT_TRANSLATE_NOOP("Files", "It holds a %1 picture, which a page would damage.")};
inline QString HoldsPicture(std::string_view format) {
    return QtText(kHoldsPicture).arg(QtText(format));
}

}  // namespace glimmet::files_texts
