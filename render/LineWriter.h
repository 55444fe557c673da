#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glimmet {

// Appends the page's lines to a file. Lines may be held back, but Flush() puts every line appended
// so far on disk and leaves no file open; the walk calls it before every yield and at its end.
class LineWriter {
  public:
    virtual ~LineWriter() = default;
    // `line` without its line end; `path` is read at each call, so a new path applies from the next line.
    virtual void AppendLine(const std::string& path, std::string_view line) = 0;
    virtual void Flush() = 0;
    // Lines that could not be written so far, and the system's reason for the last loss.
    virtual int64_t LostLines() const = 0;
    virtual std::string LossReason() const = 0;
};

}  // namespace glimmet
