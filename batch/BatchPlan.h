#pragma once

#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/PictureJob.h"

namespace glimmet {

// The pictures of a run, in order, and the files each one writes; or why the run cannot start.
struct BatchPlan {
    std::vector<PictureTask> tasks;
    std::string error;  // empty when the run can start
    int status = 0;     // the exit status that goes with the error
};

// Gathers the pictures (reading the lists of - and --files-from), names each one's files by the
// templates and refuses, before anything is read or written, files that would clash: two pictures
// with one output or page, a page that is a picture (of the run, or any file holding one) or an
// output, an output that is a picture of the run (its own included), a report that is any of them, a
// written file that is the list read by --files-from, or standard output twice; and a list whose
// line holds a NUL. Keeps this run's shard of the pictures; an empty list gives no task and no error.
BatchPlan PlanBatch(const BatchOptions& options);

}  // namespace glimmet
