#pragma once

#include <cstddef>
#include <cstdint>

#include "batch/BatchTexts.h"
#include "batch/PictureJob.h"

namespace glimmet {

// The whole run's counts and exit status, from its pictures' results in any order: 2 when any
// picture's parameters were refused, else 1 when any picture could not be read or a file written,
// else 3 when --expect-none found a passing sample in any picture, else 0.
struct RunTally {
    size_t pictures = 0;
    size_t failed = 0;       // pictures with an error
    size_t withPassing = 0;  // pictures with at least one passing sample
    int64_t samples = 0;
    int64_t passed = 0;
    bool refused = false;
    bool fileFailed = false;
    bool somethingPassed = false;

    void Add(const PictureResult& r) {
        ++pictures;
        failed += r.error != PictureError::None;
        withPassing += r.outcome.passed > 0;
        samples += r.outcome.samples;
        passed += r.outcome.passed;
        refused = refused || r.status == batch_texts::kExitArguments;
        fileFailed = fileFailed || r.status == batch_texts::kExitFile;
        somethingPassed = somethingPassed || r.status == batch_texts::kExitSomethingPassed;
    }

    int Status() const {
        return refused           ? batch_texts::kExitArguments
               : fileFailed      ? batch_texts::kExitFile
               : somethingPassed ? batch_texts::kExitSomethingPassed
                                 : batch_texts::kExitDone;
    }
};

}  // namespace glimmet
