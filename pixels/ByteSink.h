#pragma once

#include <cstddef>
#include <string>

namespace glimmet {

// Where a file's content is written to, piece by piece.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when the piece could not be written; the content is then lost.
    virtual bool Write(const char* data, size_t size) = 0;
};

// A sink that keeps the content in memory.
class StringSink final : public ByteSink {
  public:
    bool Write(const char* data, size_t size) override {
        content.append(data, size);
        return true;
    }
    std::string content;
};

}  // namespace glimmet
