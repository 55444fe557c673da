#pragma once

#include <cstddef>

namespace glimmet {

// Where a file's content is written to, piece by piece.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when the piece could not be written; the content is then lost.
    virtual bool Write(const char* data, size_t size) = 0;
};

}  // namespace glimmet
