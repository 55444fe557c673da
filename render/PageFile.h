#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/WalkPorts.h"

namespace glimmet {

// Appends the page's lines to files, UTF-8, each line ended by CR LF. Lines are gathered in memory
// and written by Flush(), which opens the file for appending (creating it, never truncating it),
// writes everything gathered and closes it again, so no file stays open between flushes. A file
// that is new or empty when a flush reaches it gets the UTF-8 byte order mark first.
// Lines are also flushed when the path changes (the new path applies from the next line) and when
// the gathered text grows large. Use one PageFile per walk.
class PageFile final : public LineWriter {
  public:
    ~PageFile() override;

    // Opens `path` for appending and closes it again at once: creates an empty file when there is
    // none and leaves an existing one as it is. Returns the system's reason when that fails, else "".
    static std::string Touch(const std::string& path);

    void AppendLine(const std::string& path, std::string_view line) override;
    void Flush() override;
    // Drops the lines gathered and not yet written, freeing their memory (a run that ran out of it).
    void Discard();
    int64_t LostLines() const override { return lost_; }
    std::string LossReason() const override { return reason_; }
    // Bytes this writer left in its files, so that a rollback takes back exactly these and no one
    // else's.
    int64_t Appended() const { return appended_; }

  private:
    void Lose(size_t lines, int error);
    // Appends what is gathered to the open file; false when some lines were lost.
    bool AppendGathered(int fd);

    std::string path_;
    std::string buffer_;  // its first used_ bytes are the lines gathered
    size_t used_ = 0;
    std::vector<size_t> lineEnds_;  // offsets in buffer_ just past each line's CR LF
    int64_t lost_ = 0;
    int64_t appended_ = 0;
    std::string reason_;
};

}  // namespace glimmet
