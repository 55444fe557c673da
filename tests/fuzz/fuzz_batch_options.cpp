// Fuzz target: the batch command's option parser. The input is split on NUL bytes into arguments.
// Checks that arguments it accepts never give a walk a step of 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmet;
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back().push_back(static_cast<char>(data[i]));
    }
    const BatchParse parse = ParseBatchArguments(arguments);
    const BatchOptions& o = parse.options;
    if (parse.error.empty() && (o.xStep == 0 || o.yStep == 0)) std::abort();
    return 0;
}
