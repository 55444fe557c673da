#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/LineWriter.h"

namespace glimmet {

// The page of `--html -`: its lines go to a stream (standard output), bytes for bytes the page a
// run writes to a new file, the byte order mark first. Lines are gathered and written in large
// blocks; once a write fails, every later line is lost too, since a stream cannot be mended.
class StandardOutputPage final : public LineWriter {
  public:
    explicit StandardOutputPage(int fd);
    ~StandardOutputPage() override;

    void AppendLine(const std::string& path, std::string_view line) override;
    void Flush() override;
    int64_t LostLines() const override { return lost_; }
    std::string LossReason() const override { return reason_; }

  private:
    int fd_;
    std::string buffer_;
    int64_t lines_ = 0;  // lines gathered in buffer_
    int64_t lost_ = 0;
    std::string reason_;
};

}  // namespace glimmet
