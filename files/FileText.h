#pragma once

#include <QString>
#include <string_view>

namespace glimmet {

// A UTF-8 text of the files' texts as Qt shows it.
inline QString FileText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A failure message: what failed, the file's name in quotes on its own line, then the lines of why.
inline QString FileFailure(std::string_view label, const QString& path, const QString& why) {
    return FileText(label) + QStringLiteral("«") + path + QStringLiteral("»\n") + why;
}

}  // namespace glimmet
