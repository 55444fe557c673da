#pragma once

#include <QString>

namespace glimmet {

// The reason for a failed file operation as the window words it: a common system error (a missing
// file, no permission, a read-only file system, a full disk, ...) in the window's language, any other one in
// the system's own words. The image library's reasons arrive in Russian already when Qt's Russian translation
// is installed.

// By the system's error number (errno).
QString SystemReason(int code);
// By the system's text for it, in the C locale's words or the user's; a text of no common error is
// given back as it is.
QString SystemReason(const QString& systemText);

}  // namespace glimmet
