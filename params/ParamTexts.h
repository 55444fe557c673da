#pragma once

#include <string_view>

namespace glimmet {

// What a step or zoom field shows after its text was rejected.
inline constexpr std::string_view kRejectedFieldText = "1";

}  // namespace glimmet
