#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace glimmet {

// SIGTERM and SIGHUP (a logout, a session's end, `kill`) end the program as its Exit command does:
// a walk under way stops at its next yield with every page line on disk. The signals are blocked
// and read from a signalfd on the event thread, so nothing runs in signal context.
class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    // Blocks the signals in the calling thread; before the application starts any thread, so that
    // every thread inherits the mask. A signal that comes before the window exists waits for it.
    static void Block();
    // With the application running: calls `exit` on the event thread for each signal.
    explicit TerminationSignals(std::function<void()> exit);
    ~TerminationSignals() override;

  private:
    void Read();

    std::function<void()> exit_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace glimmet
