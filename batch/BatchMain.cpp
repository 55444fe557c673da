#include "batch/BatchMain.h"

#include <malloc.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "GlimmetVersion.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchTexts.h"
#include "batch/StopSignals.h"

namespace glimmet {

namespace t = batch_texts;

namespace {

// Where the drawing program is: beside this program's folder, as installed and as built. The folder
// is the one of the program's file, links resolved; without /proc, the one its own name gives.
std::string DrawingProgramPath(const char* program) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = program;
    return (self.parent_path() / ".." / "libexec" / "glimmet" / t::kDrawingProgram).lexically_normal();
}

// Replaces this process with the drawing program; returns only when that failed.
int StartDrawingProgram(char** argv) {
    const std::string path = DrawingProgramPath(argv[0]);
    ::execv(path.c_str(), argv);
    const std::string reason = std::generic_category().message(errno);
    std::fprintf(stderr, "%s: %s\n", t::kProgram.data(), t::CannotStartDrawing(path, reason).c_str());
    return t::kExitFile;
}

}  // namespace

int BatchMain(int argc, char** argv, DrawingHost* drawing) try {
    // A picture's blocks (its file, its pixels, the page's buffer) are alike from one picture to the
    // next: kept by the allocator instead of mapped and unmapped for each, a worker reuses them and the
    // system neither faults in fresh pages nor flushes other cores' address caches per picture. Only
    // blocks as large as a whole large picture are still mapped on their own and returned at once.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const BatchParse parse = ParseBatchArguments(arguments);
    if (!parse.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", t::kProgram.data(), parse.error.c_str());
        return t::kExitArguments;
    }
    if (parse.options.help) {
        std::fputs(t::kUsage.data(), stdout);
        return t::kExitDone;
    }
    if (parse.options.version) {
        std::printf("%s %s\n", t::kProgram.data(), kVersionText);
        return t::kExitDone;
    }
    const bool draws = !parse.options.output.empty();
    // Before anything is read: the drawing program reads the same lists and pictures itself.
    if (draws && drawing == nullptr) return StartDrawingProgram(argv);
    // A closed pipe or a file-size limit becomes a write error with the system's reason, which the
    // run reports after putting every file back, instead of a signal that ends it half-way.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // Before any other thread starts: every thread inherits the blocked stop signals.
    StopSignals stop;
    if (draws) drawing->Start(argv[0]);
    const DrawingMaker none;
    return RunBatch(parse.options, stop, drawing != nullptr ? drawing->Maker() : none);
} catch (const std::bad_alloc&) {
    // What a picture's run allocates ends that picture alone; this is the start-up itself.
    std::fprintf(stderr, "%s: %s\n", t::kProgram.data(), t::kNoMemory.data());
    return t::kExitFile;
}

}  // namespace glimmet
