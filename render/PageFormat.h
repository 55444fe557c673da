#pragma once

#include <string>
#include <string_view>

namespace glimmet {

// The HTML text-art page, line by line. Every line ends with CR LF on disk. The fill text is written
// as it was typed, except that &, < and > become entities in the title and the sample lines, so the
// page shows those characters instead of taking them for markup (a typed "</TITLE><script>" would
// otherwise end the title and run).
namespace page {
inline constexpr std::string_view kHeaderBeforeTitle[] = {"<HTML>", "<HEAD>"};
inline constexpr std::string_view kTitleOpen =
    "<TITLE> Сгенерировано программой: Glimmet. Текст Заполнения: '";
inline constexpr std::string_view kTitleClose = "'</TITLE>";
inline constexpr std::string_view kHeaderAfterTitle[] = {
    "</HEAD>",
    "<BODY bgcolor=\"#000000\" text=\"#FFFFFF\">",
    "<FONT size =\"-6\">",
    "<TABLE width=\"100%\" ><tr><td align=\"center\">",
};
inline constexpr std::string_view kPassingOpen = "<font color=\"#";  // then RRGGBB
inline constexpr std::string_view kPassingMiddle = "\">";            // then the character
inline constexpr std::string_view kFailingOpen = "<font color=\"#000000\">";
inline constexpr std::string_view kSampleClose = "</font>";
inline constexpr std::string_view kRowEnd = "<BR>";
inline constexpr std::string_view kClosing[] = {
    "</td></tr></table>", "</FONT>", "<p>&nbsp;</p>", "</Body>", "</HTML>",
};
// Written before the first line of a page file that is new or empty, so that browsers read the
// page, its Cyrillic title and any fill text as UTF-8. It is not a line of the page.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kLineEnd = "\r\n";

// Appends `text` to `line` with &, < and > written as &amp;, &lt; and &gt;; nothing else changes.
inline void AppendEscaped(std::string& line, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                line += "&amp;";
                break;
            case '<':
                line += "&lt;";
                break;
            case '>':
                line += "&gt;";
                break;
            default:
                line += c;
        }
    }
}
}  // namespace page

}  // namespace glimmet
