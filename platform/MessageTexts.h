#pragma once

#include <array>
#include <cerrno>
#include <string_view>
#include <utility>

namespace glimmet::message_texts {

// Texts shared by the messages of several commands, UTF-8.
inline constexpr std::string_view kAppTitle = "Glimmet";       // the title of the program's own messages
inline constexpr std::string_view kPageTitle = "HTML module";  // the title of the export's messages
inline constexpr std::string_view kReason = "Причина: ";       // between a message and the system's reason
// The message box's OK button, in Cyrillic letters (Qt's own Russian keeps the Latin "OK").
inline constexpr std::string_view kOkButton = "ОК";
// The kind of a folder in the file dialog's list.
inline constexpr std::string_view kFolderKind = "Папка";

// The common reasons why a file cannot be read or written, by the system's error number, worded for
// the window. Qt words the first four itself in its Russian translation; the same words are used here
// so that a reason reads alike whichever part of the program met it.
inline constexpr std::array<std::pair<int, std::string_view>, 19> kSystemErrors = {{
    {ENOENT, "Файл или каталог не существует"},
    {EACCES, "Доступ запрещён"},
    {ENOSPC, "Нет свободного места на устройстве"},
    {EMFILE, "Слишком много открытых файлов"},
    {EROFS, "Файловая система доступна только для чтения"},
    {EFBIG, "Файл слишком велик"},
    {EISDIR, "Это папка, а не файл"},
    {ENOTDIR, "Часть пути не является папкой"},
    {ENAMETOOLONG, "Слишком длинное имя файла"},
    {EEXIST, "Файл уже существует"},
    {EIO, "Ошибка ввода-вывода"},
    {EDQUOT, "Превышена дисковая квота"},
    {ELOOP, "Слишком много уровней символических ссылок"},
    {EPERM, "Операция не разрешена"},
    {ENFILE, "Слишком много открытых файлов в системе"},
    {EBUSY, "Устройство или ресурс заняты"},
    {ETXTBSY, "Файл занят"},
    {EINVAL, "Недопустимый аргумент"},
    {ENOMEM, "Недостаточно памяти"},
}};

}  // namespace glimmet::message_texts
