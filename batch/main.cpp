#include <malloc.h>

#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "GlimmetVersion.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchTexts.h"
#include "batch/StopSignals.h"

namespace {
// Qt's own warnings (such as a missing runtime folder when run as root) are noise in a script's
// output; only its critical and fatal messages reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

int main(int argc, char** argv) try {
    using namespace glimmet;
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
        std::fprintf(stderr, "%s: %s\n", batch_texts::kProgram.data(), parse.error.c_str());
        return batch_texts::kExitArguments;
    }
    if (parse.options.help) {
        std::fputs(batch_texts::kUsage.data(), stdout);
        return batch_texts::kExitDone;
    }
    if (parse.options.version) {
        std::printf("%s %s\n", batch_texts::kProgram.data(), kVersionText);
        return batch_texts::kExitDone;
    }
    // A closed pipe or a file-size limit becomes a write error with the system's reason, which the
    // run reports after putting every file back, instead of a signal that ends it half-way.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // Before Qt starts any thread: every thread inherits the blocked stop signals.
    StopSignals stop;
    qInstallMessageHandler(QuietQtMessages);
    // Drawing the output picture needs fonts and so a GUI application, but no screen: it renders
    // off screen unless told otherwise. Without an output picture the lighter core application
    // starts faster.
    int qtArgc = 1;
    std::unique_ptr<QCoreApplication> application;
    if (parse.options.output.empty()) {
        application = std::make_unique<QCoreApplication>(qtArgc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(qtArgc, argv);
    }
    return RunBatch(parse.options, stop);
} catch (const std::bad_alloc&) {
    // What a picture's run allocates ends that picture alone; this is the start-up itself.
    std::fprintf(stderr, "%s: %s\n", glimmet::batch_texts::kProgram.data(),
                 glimmet::batch_texts::kNoMemory.data());
    return glimmet::batch_texts::kExitFile;
}
