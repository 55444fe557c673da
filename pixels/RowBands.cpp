#include "pixels/RowBands.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace glimmet {

PictureDamage RowBands::Run(int64_t rows, uint64_t pictureBytes,
                            const std::function<PictureDamage(int64_t first, int64_t end)>& decode) {
    const int64_t cores = std::max(1u, std::thread::hardware_concurrency());
    const int64_t bands = pictureBytes < kSplitBytes ? 1 : std::min(cores, rows);
    if (bands <= 1) return decode(0, rows);
    std::vector<PictureDamage> found(static_cast<size_t>(bands));
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<size_t>(bands - 1));
    const auto band = [&](int64_t b) {
        found[static_cast<size_t>(b)] = decode(rows * b / bands, rows * (b + 1) / bands);
    };
    // Band 0 is the calling thread's own.
    for (int64_t b = 1; b < bands; ++b) {
        try {
            helpers.emplace_back(band, b);
        } catch (const std::system_error&) {
            band(b);
        }
    }
    band(0);
    for (std::thread& helper : helpers) helper.join();
    for (const PictureDamage& damage : found)
        if (damage) return damage;
    return {};
}

}  // namespace glimmet
