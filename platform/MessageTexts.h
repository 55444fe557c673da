#pragma once

#include <string_view>

namespace glimmet::message_texts {

// Texts shared by the messages of several commands, UTF-8.
inline constexpr std::string_view kAppTitle = "Glimmet";       // the title of the program's own messages
inline constexpr std::string_view kPageTitle = "HTML module";  // the title of the export's messages
inline constexpr std::string_view kReason = "Причина: ";       // between a message and the system's reason

}  // namespace glimmet::message_texts
