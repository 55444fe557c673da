#pragma once

#include <string_view>

namespace glimmet::render_texts {

// Status panel text when a walk is done.
inline constexpr std::string_view kDone = "Готово";

}  // namespace glimmet::render_texts
