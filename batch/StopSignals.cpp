#include "batch/StopSignals.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <string>
#include <system_error>

#include "batch/BatchTexts.h"

namespace glimmet {

namespace {
sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal);
    return set;
}
}  // namespace

StopSignals::StopSignals() {
    const sigset_t set = StopSet();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    signals_ = ::signalfd(-1, &set, SFD_CLOEXEC);
    wake_ = ::eventfd(0, EFD_CLOEXEC);
    if (signals_ >= 0 && wake_ >= 0) {
        try {
            watcher_ = std::thread([this] { Watch(); });
        } catch (const std::system_error&) {
            // The system has no thread to spare (short of memory or processes): run without one.
        }
    }
    if (!watcher_.joinable())
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);  // no watcher: the signals end the run as before
}

StopSignals::~StopSignals() {
    if (watcher_.joinable()) {
        const uint64_t one = 1;
        (void)::write(wake_, &one, sizeof one);
        watcher_.join();
    }
    if (signals_ >= 0) ::close(signals_);
    if (wake_ >= 0) ::close(wake_);
}

void StopSignals::Defer() {
    const std::lock_guard lock(deferring_);
    deferred_ = true;
}

void StopSignals::Watch() {
    pollfd watched[] = {{signals_, POLLIN, 0}, {wake_, POLLIN, 0}};
    while (::poll(watched, 2, -1) >= 0 || errno == EINTR) {
        if (watched[1].revents != 0) return;
        if (watched[0].revents == 0) continue;
        signalfd_siginfo info{};
        if (::read(signals_, &info, sizeof info) != sizeof info) continue;
        const int signal = static_cast<int>(info.ssi_signo);
        int expected = 0;
        received_.compare_exchange_strong(expected, signal);
        const std::lock_guard lock(deferring_);
        if (deferred_) continue;
        // Nothing was written yet: nothing to put back.
        const std::string line =
            std::string(batch_texts::kProgram) + ": " + batch_texts::Interrupted(signal) + "\n";
        (void)::write(STDERR_FILENO, line.data(), line.size());
        ::_exit(128 + signal);
    }
}

}  // namespace glimmet
