#pragma once

#include <string>

namespace glimmet {

// The name of each picture's output file, made from a template: %n is the picture's file name
// without its extension, %f with it, %d its folder ("." when the name has none), %% a percent sign;
// everything else is copied byte for byte. A template without % names the same file for every picture.
class OutputTemplate {
  public:
    explicit OutputTemplate(std::string text) : text_(std::move(text)) {}

    // Why the template cannot be used (a % followed by anything else), or "".
    std::string Problem() const;
    // The output file's name for the picture file `picture`; only for a template without a Problem().
    std::string For(const std::string& picture) const;

  private:
    std::string text_;
};

}  // namespace glimmet
