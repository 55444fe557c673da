#include "window/TerminationSignals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>

namespace glimmet {

namespace {
sigset_t TerminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}
}  // namespace

void TerminationSignals::Block() {
    const sigset_t set = TerminationSet();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TerminationSignals::TerminationSignals(std::function<void()> exit) : exit_(std::move(exit)) {
    const sigset_t set = TerminationSet();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);  // the calling thread at least
    fd_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) {
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);  // no way to read them: they end it as before
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Read);
}

TerminationSignals::~TerminationSignals() {
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void TerminationSignals::Read() {
    signalfd_siginfo info{};
    bool received = false;
    while (::read(fd_, &info, sizeof info) == sizeof info) received = true;
    if (received) exit_();
}

}  // namespace glimmet
