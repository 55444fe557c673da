#pragma once

#include <string_view>

#include "picture/QtText.h"

namespace glimmet::interaction_texts {

// Texts of the transfer command: English sources translated through the "Transfer" context.

// The size message: this label, Str of the width, ":", Str of the height.
inline constexpr TrText kSizeMessage{"Transfer",
                                     QT_TRANSLATE_NOOP("Transfer", "Size of the selected area: ")};
inline constexpr std::string_view kSizeSeparator = ":";

// The first status panel at the end of a walk.
inline constexpr TrText kDone{"Transfer", QT_TRANSLATE_NOOP("Transfer", "Done")};

// The export's completion message.
inline constexpr TrText kPageWritten{"Transfer",
                                     QT_TRANSLATE_NOOP("Transfer", "The file was written successfully !")};
// The export ended with lines lost: this text, the count, then the system's reason.
inline constexpr TrText kPageIncomplete{
    "Transfer", QT_TRANSLATE_NOOP("Transfer", "The page was not written in full: lines lost: ")};

// A transfer in the export's fill mode before any page file was chosen (its dialog was cancelled).
inline constexpr TrText kNoPageFile{"Transfer",
                                    QT_TRANSLATE_NOOP("Transfer",
                                                      "Cannot transfer: no HTML page file is chosen. Choose "
                                                      "it with “Export to HTML” or choose another fill.")};

// Failures of a transfer. Each is followed by nothing else; the program goes on.
inline constexpr TrText kBoundsOverflow{
    "Transfer",
    QT_TRANSLATE_NOOP("Transfer",
                      "Cannot transfer: the bounds of the selected area go beyond -32768 to 32767.")};
inline constexpr TrText kOutputTooLarge{
    "Transfer",
    QT_TRANSLATE_NOOP(
        "Transfer",
        "Cannot transfer: the output picture would be too large. At most 16384 pixels a side and at most 64 "
        "million pixels in all are allowed; make the selected area or the zoom smaller.")};
inline constexpr TrText kOutputNotAllocated{
    "Transfer", QT_TRANSLATE_NOOP("Transfer", "Cannot transfer: not enough memory for the output picture.")};
inline constexpr TrText kWalkZeroStep{
    "Transfer", QT_TRANSLATE_NOOP("Transfer", "Transfer stopped: the sampling step is zero.")};
inline constexpr TrText kWalkRegionOverflow{
    "Transfer",
    QT_TRANSLATE_NOOP("Transfer", "Transfer stopped: the size of the selected area goes beyond 16 bits.")};
inline constexpr TrText kWalkCoordinateOverflow{
    "Transfer",
    QT_TRANSLATE_NOOP("Transfer",
                      "Transfer stopped: the position or size of a mark on the output picture goes beyond "
                      "-32768 to 32767; make the zoom or the selected area smaller.")};
inline constexpr TrText kWalkLoopOverflow{
    "Transfer",
    QT_TRANSLATE_NOOP("Transfer", "Transfer stopped: a sample coordinate went beyond -32768 to 32767.")};
inline constexpr TrText kWalkOutOfMemory{
    "Transfer",
    QT_TRANSLATE_NOOP(
        "Transfer",
        "Transfer stopped: not enough memory. The lines already written to the HTML page stay in it.")};
// Another program's run appends to the page: this text, the page's name, then the end.
inline constexpr TrText kPageBusy{
    "Transfer",
    QT_TRANSLATE_NOOP("Transfer", "Cannot transfer: another program is writing to the HTML page file “")};
inline constexpr TrText kPageBusyEnd{
    "Transfer", QT_TRANSLATE_NOOP("Transfer", "” now. Wait until it ends or choose another file.")};
inline constexpr TrText kWalkCounterOverflow{
    "Transfer",
    QT_TRANSLATE_NOOP(
        "Transfer",
        "Transfer stopped: the count of samples or the character number of the fill text overflowed.")};

}  // namespace glimmet::interaction_texts
