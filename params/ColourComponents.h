#pragma once

#include <cstdint>

namespace glimmet {

// The reference colour's components as last taken from the three colour fields; `col` is made from
// them whenever one of them changes.
struct ColourComponents {
    uint8_t ColRed = 0;
    uint8_t ColGreen = 0;
    uint8_t ColBlue = 255;
};

}  // namespace glimmet
