#pragma once

#include <cstddef>
#include <string>

#include "pixels/ByteSink.h"

namespace glimmet {

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
