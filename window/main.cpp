#include <QApplication>
#include <csignal>

#include "platform/QtDialogService.h"
#include "platform/RussianQtTranslation.h"
#include "platform/ScreenMetrics.h"
#include "window/MF.h"
#include "window/TerminationSignals.h"

int main(int argc, char* argv[]) {
    // A save beyond a file-size limit fails with the system's reason and keeps the old file, instead
    // of a signal that ends the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Before QApplication starts its threads, which inherit the blocked signals; one that comes
    // meanwhile waits for the window, which ends the program as its Exit command does.
    glimmet::TerminationSignals::Block();
    QApplication app(argc, argv);
    // The window speaks Russian, Qt's own buttons and dialogs included.
    const glimmet::RussianQtTranslation russian;
    glimmet::QtDialogService dialogs;
    glimmet::WindowOptions options;
    options.metrics = glimmet::ScreenMetrics::Of(QGuiApplication::primaryScreen());
    options.programFolder = QCoreApplication::applicationDirPath();
    glimmet::MF window(dialogs, options);
    dialogs.SetOwner(&window);
    window.show();
    // The desktop entry passes the picture the user opened with the program.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) window.OpenFile(arguments.at(1));
    return QApplication::exec();
}
