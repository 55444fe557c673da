#pragma once

#include <QString>
#include <string_view>

namespace glimmet {

// One of the system's UTF-8 texts as Qt shows it.
inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace glimmet
