#pragma once

#include <atomic>
#include <mutex>
#include <thread>

namespace glimmet {

// SIGINT, SIGTERM and SIGHUP (Ctrl-C, timeout, a CI cancel, a logout) end a run cleanly: they are
// blocked in every thread and taken by a watcher thread instead of a handler, so nothing runs in
// signal context. Until Defer() (nothing written yet) the watcher ends the process at once with
// 128 + the signal's number after one line; afterwards it only notes the signal, which the walks
// see at their next yield and the run then puts its files back before it ends.
class StopSignals {
  public:
    // Before any other thread starts, so that every thread inherits the blocked signals.
    StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    ~StopSignals();

    // From now on a signal is only noted.
    void Defer();
    // The signal that asked the run to stop, or 0.
    int Received() const { return received_.load(std::memory_order_relaxed); }

  private:
    void Watch();

    int signals_ = -1;  // signalfd
    int wake_ = -1;     // eventfd that ends the watcher
    std::atomic<int> received_{0};
    std::mutex deferring_;
    bool deferred_ = false;
    std::thread watcher_;
};

}  // namespace glimmet
