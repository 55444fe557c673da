#include <QApplication>
#include <csignal>
#include <cstdio>
#include <optional>

#include "widgets/QtDialogService.h"
#include "widgets/RussianQtTranslation.h"
#include "widgets/ScreenMetrics.h"
#include "window/MF.h"
#include "window/ProgramArguments.h"
#include "window/TerminationSignals.h"

int main(int argc, char* argv[]) {
    // A save beyond a file-size limit fails with the system's reason and keeps the old file, instead
    // of a signal that ends the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Before QApplication starts its threads, which inherit the blocked signals; one that comes
    // meanwhile waits for the window, which ends the program as its Exit command does.
    glimmet::TerminationSignals::Block();
    QApplication app(argc, argv);
    // The desktop entry passes the picture the user opened with the program.
    const auto arguments = glimmet::ProgramArguments::Parse(QCoreApplication::arguments());
    if (!arguments.error.isEmpty()) {
        std::fprintf(stderr, "glimmet: %s\n", arguments.error.toLocal8Bit().constData());
        return 2;
    }
    // The window speaks Russian, Qt's own buttons and dialogs included, unless asked for English.
    std::optional<glimmet::RussianQtTranslation> russian;
    if (arguments.language == glimmet::ProgramArguments::Language::Russian) russian.emplace();
    glimmet::QtDialogService dialogs;
    glimmet::WindowOptions options;
    options.metrics = glimmet::ScreenMetrics::Of(QGuiApplication::primaryScreen());
    options.programFolder = QCoreApplication::applicationDirPath();
    glimmet::MF window(dialogs, options);
    dialogs.SetOwner(&window);
    window.show();
    if (!arguments.picture.isEmpty()) window.OpenFile(arguments.picture);
    return QApplication::exec();
}
