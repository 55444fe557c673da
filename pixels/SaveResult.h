#pragma once

namespace glimmet {

// How writing a file the user owns ended.
struct SaveResult {
    bool saved = false;
    // errno of the step that failed; 0 with `saved` false when the content itself could not be made.
    int systemError = 0;
    // True only when a file rewritten in place could not be restored after a failed write.
    bool oldFileLost = false;
};

}  // namespace glimmet
