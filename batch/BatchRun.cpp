#include "batch/BatchRun.h"

#include <unistd.h>

#include <cstdio>

#include "batch/BatchProgress.h"
#include "batch/BatchTexts.h"
#include "batch/FileIdentity.h"
#include "batch/PictureJob.h"
#include "batch/WorkerTools.h"

namespace glimmet {

namespace t = batch_texts;

namespace {

void Say(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", t::kProgram.data(), message.c_str());
}

}  // namespace

int RunBatch(const BatchOptions& o) {
    // The page is never a picture: appending to the input or replacing the page by the output picture
    // would destroy one of them.
    if (!o.html.empty()) {
        const FileIdentity page = FileIdentity::Of(o.html);
        if (page == FileIdentity::Of(o.picture)) {
            Say(t::PageIsPicture(o.html, o.picture));
            return t::kExitArguments;
        }
        if (!o.output.empty() && o.output != "-" && page == FileIdentity::Of(o.output)) {
            Say(t::PageIsOutput(o.html, o.output));
            return t::kExitArguments;
        }
    }
    BatchProgress progress(1, !o.quiet && ::isatty(STDERR_FILENO));
    WorkerTools tools;
    const PictureTask task{0, o.picture, o.output, o.html};
    const PictureResult result = PictureJob(o, task, tools, progress).Run();
    progress.End();
    if (result.status == t::kExitDone || result.status == t::kExitSomethingPassed) {
        if (!o.quiet) Say(result.message);
    } else {
        Say(result.message);
    }
    return result.status;
}

}  // namespace glimmet
