#pragma once

#include <array>
#include <cerrno>
#include <string_view>
#include <utility>

#include "picture/QtText.h"

namespace glimmet::message_texts {

// Texts shared by the messages of several commands. The titles read alike in every language (UTF-8);
// words are English sources translated through the "Messages" context.
inline constexpr std::string_view kAppTitle = "Glimmet";       // the title of the program's own messages
inline constexpr std::string_view kPageTitle = "HTML module";  // the title of the export's messages
// Between a message and the system's reason.
inline constexpr TrText kReason{"Messages", QT_TRANSLATE_NOOP("Messages", "Reason: ")};
//: The message box's OK button, in Cyrillic letters (Qt's own Russian keeps the Latin "OK").
inline constexpr TrText kOkButton{"Messages", QT_TRANSLATE_NOOP("Messages", "OK")};
// The kind of a folder in the file dialog's list.
inline constexpr TrText kFolderKind{"Messages", QT_TRANSLATE_NOOP("Messages", "Folder")};

// The common reasons why a file cannot be read or written, by the system's error number, worded for
// the window; the sources are the C library's own words. Qt words the first four itself in its Russian
// translation; the same words are used here so that a reason reads alike whichever part of the program met
// it.
inline constexpr std::array<std::pair<int, TrText>, 19> kSystemErrors = {{
    {ENOENT, {"Messages", QT_TRANSLATE_NOOP("Messages", "No such file or directory")}},
    {EACCES, {"Messages", QT_TRANSLATE_NOOP("Messages", "Permission denied")}},
    {ENOSPC, {"Messages", QT_TRANSLATE_NOOP("Messages", "No space left on device")}},
    {EMFILE, {"Messages", QT_TRANSLATE_NOOP("Messages", "Too many open files")}},
    {EROFS, {"Messages", QT_TRANSLATE_NOOP("Messages", "Read-only file system")}},
    {EFBIG, {"Messages", QT_TRANSLATE_NOOP("Messages", "File too large")}},
    {EISDIR, {"Messages", QT_TRANSLATE_NOOP("Messages", "Is a directory")}},
    {ENOTDIR, {"Messages", QT_TRANSLATE_NOOP("Messages", "Not a directory")}},
    {ENAMETOOLONG, {"Messages", QT_TRANSLATE_NOOP("Messages", "File name too long")}},
    {EEXIST, {"Messages", QT_TRANSLATE_NOOP("Messages", "File exists")}},
    {EIO, {"Messages", QT_TRANSLATE_NOOP("Messages", "Input/output error")}},
    {EDQUOT, {"Messages", QT_TRANSLATE_NOOP("Messages", "Disk quota exceeded")}},
    {ELOOP, {"Messages", QT_TRANSLATE_NOOP("Messages", "Too many levels of symbolic links")}},
    {EPERM, {"Messages", QT_TRANSLATE_NOOP("Messages", "Operation not permitted")}},
    {ENFILE, {"Messages", QT_TRANSLATE_NOOP("Messages", "Too many open files in system")}},
    {EBUSY, {"Messages", QT_TRANSLATE_NOOP("Messages", "Device or resource busy")}},
    {ETXTBSY, {"Messages", QT_TRANSLATE_NOOP("Messages", "Text file busy")}},
    {EINVAL, {"Messages", QT_TRANSLATE_NOOP("Messages", "Invalid argument")}},
    {ENOMEM, {"Messages", QT_TRANSLATE_NOOP("Messages", "Cannot allocate memory")}},
}};

}  // namespace glimmet::message_texts
