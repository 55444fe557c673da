#pragma once

#include <string>

#include "pixels/ByteSink.h"

namespace glimmet {

// A sink over an open file descriptor: it gathers small writes into blocks and keeps the system's
// error number of the first failed write. The descriptor stays the caller's to close.
class DescriptorSink final : public ByteSink {
  public:
    explicit DescriptorSink(int fd) : fd_(fd) {}

    bool Write(const char* data, size_t size) override;
    // Writes what is gathered; false (with SystemError() set) when the system refused.
    bool Finish();
    // errno of the first failed write, 0 while every write succeeded.
    int SystemError() const { return error_; }

  private:
    bool WriteOut(const char* data, size_t size);

    int fd_;
    int error_ = 0;
    std::string gathered_;
};

}  // namespace glimmet
