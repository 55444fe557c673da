#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/RenderState.h"

namespace glimmet {

// What one run of the batch command does, as read from its arguments.
struct BatchOptions {
    std::string picture;
    std::optional<Region> region;  // absent: every pixel of the picture once
    int16_t xStep = 1, yStep = 1;
    int16_t zoom = 1;
    int32_t key = RGB(0, 0, 255);
    uint8_t compare = kMethNotEqual;
    uint8_t tolerance = 0;
    int16_t fill = kFillPoints;
    std::string text = "text";
    std::string output;  // empty: no picture written
    std::string html;    // empty: no page written
    bool expectNone = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// The arguments' verdict: options, or an error that names the argument and its allowed values.
struct BatchParse {
    BatchOptions options;
    std::string error;  // empty when the arguments are good
};

BatchParse ParseBatchArguments(const std::vector<std::string>& arguments);

}  // namespace glimmet
