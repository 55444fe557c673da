#pragma once

#include <cstdint>
#include <functional>

#include "pixels/PictureDamage.h"

namespace glimmet {

// Decodes the rows of a large picture in bands, one thread a core, so that the kernel's filling of
// fresh pixel memory and the conversion of each row share the cores instead of one core doing all:
// opening a picture of hundreds of megabytes waits for the slowest band, not the sum. Small
// pictures stay on the calling thread, where a thread's start would cost more than it saves.
class RowBands {
  public:
    // Decoded pictures of at least this many bytes are split.
    static constexpr uint64_t kSplitBytes = uint64_t{32} << 20;

    // Calls `decode(first, end)` over consecutive row ranges that cover [0, rows) once, in bands
    // when `pictureBytes` reaches kSplitBytes and the machine has more than one core. The result is
    // the damage of the earliest band that found one, which is what one pass from row 0 would have
    // stopped at. A thread that cannot be started leaves its band to the calling thread.
    static PictureDamage Run(int64_t rows, uint64_t pictureBytes,
                             const std::function<PictureDamage(int64_t first, int64_t end)>& decode);
};

}  // namespace glimmet
