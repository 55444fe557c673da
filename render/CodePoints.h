#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glimmet {

// Splits a text into code points (UTF-8); a stray byte counts as one character of its own, so a
// damaged text still walks, and a Cyrillic letter is never split into bytes. The views point into
// `text`.
std::vector<std::string_view> SplitCodePoints(const std::string& text);

}  // namespace glimmet
