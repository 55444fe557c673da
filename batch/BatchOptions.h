#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/RenderState.h"

namespace glimmet {

// What one run of the batch command does, as read from its arguments.
struct BatchOptions {
    std::vector<std::string> pictures;  // as given; "-" stands for the list on standard input
    std::string filesFrom;              // a file that lists pictures, one a line; "-": standard input
    std::optional<Region> region;       // absent: every pixel of the picture once
    int16_t xStep = 1, yStep = 1;
    int16_t zoom = 1;
    int32_t key = RGB(0, 0, 255);
    uint8_t compare = kMethNotEqual;
    uint8_t tolerance = 0;
    int16_t fill = kFillPoints;
    std::string text = "text";
    std::string output;  // a name template (OutputTemplate); empty: no picture written; "-": standard output
    std::string html;    // a name template; empty: no page written
    std::string report;  // empty: no report; "-": standard output
    int32_t reportLimit = 100;  // passing samples listed per picture
    int32_t jobs = 0;           // pictures checked at once; 0: one per core
    // This run's part of the picture list: the part `shard` (0-based, as Kubernetes counts a job's
    // index) of `shards` equal parts by position.
    int32_t shard = 0, shards = 1;
    bool expectNone = false;
    bool quiet = false;
    bool nullSeparated = false;  // the lists of - and --files-from end each name with a NUL, not a line end
    bool dryRun = false;         // check and name the files, write nothing
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
