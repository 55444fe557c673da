#pragma once

#include <functional>
#include <string>

#include "pixels/ByteSink.h"
#include "pixels/SaveResult.h"

namespace glimmet {

// Writes a file's whole content to the sink; false when it could not be made (a failed write of
// the sink counts as the sink's error).
using ContentWriter = std::function<bool(ByteSink&)>;

// Writes a file so that a failure never destroys what was there, whatever `path` names (bytes, as
// the file system spells them):
// - a regular file or a new name: the content goes to an unnamed file beside it (O_TMPFILE), which
//   once on disk takes the old file's name, so that even a crash or a power cut leaves either the
//   old file or the whole new one and nothing else (a file system without unnamed files gets a
//   named temporary file instead); the new file keeps the old one's permission bits (and owner,
//   where allowed).
//   A symbolic link is followed and stays a link: the file it names is replaced.
// - a file that may be written but whose folder may not: rewritten in place, after its new size was
//   reserved; a failed write restores the old content, and `oldFileLost` says when that failed too.
// - anything else that can be opened for writing (a FIFO, a character device such as /dev/stdout):
//   written as a stream, and it stays what it was.
// A file that its owner made read-only is not replaced. Safe to call from several threads at once.
SaveResult ReplaceFile(const std::string& path, const ContentWriter& write);

// Writes the content as a stream to an open descriptor (standard output for a pipe).
SaveResult WriteToDescriptor(int fd, const ContentWriter& write);

}  // namespace glimmet
