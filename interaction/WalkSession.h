#pragma once

#include <cstdint>

namespace glimmet {

// What the window knows of the walks under way: how many are running (a transfer started during a
// walk runs inside it), and whether the user ended the program meanwhile. Once the exit is asked
// for, every running walk yields no more and draws, writes and shows nothing; the window closes
// when the outermost walk has returned.
struct WalkSession {
    int32_t running = 0;
    bool exitRequested = false;
};

}  // namespace glimmet
