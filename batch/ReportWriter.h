#pragma once

#include <string>

#include "batch/BatchOptions.h"
#include "batch/PictureJob.h"
#include "batch/RunTally.h"

namespace glimmet {

// The run's report as JSON Lines: one object per picture, in the pictures' order, then one summary
// object. On standard output each line goes out as soon as its picture is done; a report file is
// written whole at the end, replacing the old one only when complete. Names and texts are bytes:
// what is not UTF-8 is written with U+FFFD in its place, and a name that is not UTF-8 also comes
// as "path_hex", its bytes in hexadecimal.
class ReportWriter {
  public:
    explicit ReportWriter(const BatchOptions& options);

    void Add(const PictureTask& task, const PictureResult& result);
    // Adds the summary and puts the report in place. Returns why it could not be written, or "".
    std::string Finish(const RunTally& tally, int status);

  private:
    void AddLine(const PictureTask& task, const PictureResult& result);
    void Emit(const std::string& line);

    const BatchOptions& o_;
    std::string text_;  // the lines of a report file
    int outputError_ = 0;
    bool memoryShort_ = false;
};

}  // namespace glimmet
