#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchProgress.h"
#include "batch/OutputDrawing.h"
#include "batch/PageRollback.h"
#include "batch/PassingRecorder.h"
#include "batch/StopSignals.h"
#include "batch/WorkerTools.h"
#include "pixels/PictureLoad.h"
#include "render/PageFile.h"
#include "render/TransferRegion.h"

namespace glimmet {

// The files one picture's run reads and writes.
struct PictureTask {
    size_t index = 0;  // the picture's place in the run
    std::string picture;
    std::string output;  // empty: none; "-": standard output
    std::string html;    // empty: none
};

// What went wrong with one picture.
enum class PictureError {
    None,
    CannotRead,
    NotAPicture,
    Damaged,
    TooLarge,
    Parameters,
    CannotWrite,
    OutOfMemory
};

// How one picture's run ended.
struct PictureResult {
    int status = 0;  // the exit status of a run on this picture alone
    PictureError error = PictureError::None;
    std::string message;  // the error, or the summary of the samples
    int32_t width = 0;    // 0 until the picture was read
    int32_t height = 0;
    std::optional<Region> region;
    WalkOutcome outcome;
    std::vector<PassingSample> firstPassing;  // up to the report's limit, when a report is written
    PageMark page;                            // where a completed walk left its page
};

// Checks one picture: reads it, refuses parameters that the walk or the output could not follow
// before anything is written, walks it and writes its files. A run that fails, runs out of memory
// or is stopped by a signal leaves every file as it was and creates none.
class PictureJob {
  public:
    PictureJob(const BatchOptions& options, const PictureTask& task, WorkerTools& tools,
               BatchProgress& progress, const StopSignals& stop);

    PictureResult Run();

  private:
    PictureResult& Check();
    PictureResult& Finish(int status, PictureError error, std::string message);
    PictureResult& Unreadable(const PictureLoad& load);
    // Writes the output picture; the message when that failed.
    std::optional<std::string> SaveOutput(OutputPicture& output) const;
    RenderState WalkState() const;

    const BatchOptions& o_;
    const PictureTask& task_;
    WorkerTools& tools_;
    BatchProgress& progress_;
    const StopSignals& stop_;
    PictureResult result_;
    PageRollback pageBefore_;
    PageFile page_;
};

}  // namespace glimmet
