#pragma once

#include <QString>

#include "picture/QtText.h"

namespace glimmet {

// A failure message: what failed, the file's name in quotes on its own line, then the lines of why.
inline QString FileFailure(TrText label, const QString& path, const QString& why) {
    return QtText(label) + QStringLiteral("«") + path + QStringLiteral("»\n") + why;
}

}  // namespace glimmet
