#include "widgets/BusyWork.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <thread>

namespace glimmet {

void BusyWork::Run(const std::function<void()>& work) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        work();
        // Queued: delivered once the loop runs, even when the work is done before it starts.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace glimmet
