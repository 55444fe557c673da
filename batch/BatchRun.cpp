#include "batch/BatchRun.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <system_error>

#include "batch/BatchPlan.h"
#include "batch/BatchProgress.h"
#include "batch/BatchTexts.h"
#include "batch/ParallelRunner.h"
#include "batch/ReportWriter.h"
#include "batch/RunTally.h"

namespace glimmet {

namespace t = batch_texts;

namespace {

// The cores this process may run on.
size_t Cores() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        return static_cast<size_t>(std::max(1, CPU_COUNT(&set)));
    return std::max<long>(1, ::sysconf(_SC_NPROCESSORS_ONLN));
}

// The plan, or a refusal when even the list of pictures does not fit in memory.
BatchPlan Plan(const BatchOptions& o) {
    try {
        return PlanBatch(o);
    } catch (const std::bad_alloc&) {
        return {{}, std::string(t::kNoMemory), t::kExitFile};
    }
}

bool ReadingFailed(PictureError error) {
    return error == PictureError::CannotRead || error == PictureError::NotAPicture ||
           error == PictureError::Damaged;
}

// Lists what a run would write, each picture as three fields: its name, its output and its page
// (empty when none), tab-separated on a line, or each field ended by a NUL with --null, since names
// may hold tabs and line ends. A picture that cannot be opened is named instead: its run would
// write nothing.
int DryRun(const BatchOptions& o, const std::vector<PictureTask>& tasks, BatchProgress& messages) {
    int status = t::kExitDone;
    std::string listing;
    for (const PictureTask& task : tasks) {
        const int fd = ::open(task.picture.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            messages.Say(t::CannotRead(task.picture, std::generic_category().message(errno)));
            status = t::kExitFile;
            continue;
        }
        ::close(fd);
        for (const std::string* field : {&task.picture, &task.output, &task.html})
            listing += *field + (o.nullSeparated ? '\0' : field == &task.html ? '\n' : '\t');
    }
    if (std::fwrite(listing.data(), 1, listing.size(), stdout) != listing.size() ||
        std::fflush(stdout) != 0) {
        messages.Say(
            t::CannotWrite(std::string(t::kStandardOutput), std::generic_category().message(errno), false));
        status = std::max(status, t::kExitFile);
    }
    return status;
}

}  // namespace

int RunBatch(const BatchOptions& o, StopSignals& stop, const DrawingMaker& makeDrawing) {
    const BatchPlan plan = Plan(o);
    if (!plan.error.empty()) {
        BatchProgress(0, false).Say(plan.error);
        return plan.status;
    }
    if (plan.tasks.empty() && !o.quiet)
        BatchProgress(0, false).Say(o.shards > 1 ? t::EmptyShard(o.shard, o.shards)
                                                 : std::string(t::kNoPictures));
    if (o.dryRun) {
        BatchProgress messages(0, false);
        return DryRun(o, plan.tasks, messages);
    }
    // From here on files are written, and a signal has them put back first.
    stop.Defer();
    const size_t count = plan.tasks.size();
    const bool several = count > 1;
    BatchProgress bar(count, !o.quiet && ::isatty(STDERR_FILENO));
    ReportWriter report(o);
    RunTally tally;
    ParallelRunner runner(o, plan.tasks, bar, stop, makeDrawing);
    runner.Run(o.jobs > 0 ? static_cast<size_t>(o.jobs) : Cores(),
               [&](const PictureTask& task, const PictureResult& result) {
                   tally.Add(result);
                   report.Add(task, result);
                   if (o.quiet && result.error == PictureError::None) return;
                   // A message that does not name its picture gets the name
                   // first when the run has several.
                   const bool named = ReadingFailed(result.error);
                   bar.Say(several && !named ? "'" + task.picture + "': " + result.message : result.message);
               });
    bar.End();
    if (const int signal = stop.Received(); signal != 0) {
        // The pictures already done appended to their pages too: the whole run is taken back, so
        // that running it again gives each page once. The report file keeps its old content.
        for (const PageMark& page : runner.Pages()) PageRollback::TakeBack(page);
        bar.Say(t::Interrupted(signal));
        return 128 + signal;
    }
    int status = tally.Status();
    const std::string reportProblem = report.Finish(tally, status);
    if (!reportProblem.empty()) {
        bar.Say(reportProblem);
        if (status != t::kExitArguments) status = t::kExitFile;
    }
    if (several && !o.quiet)
        bar.Say(t::RunSummary(tally.pictures, tally.failed, tally.samples, tally.passed));
    return status;
}

}  // namespace glimmet
