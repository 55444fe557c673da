#include <QApplication>

#include "platform/QtDialogService.h"
#include "platform/ScreenMetrics.h"
#include "window/MF.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    glimmet::QtDialogService dialogs;
    glimmet::WindowOptions options;
    options.metrics = glimmet::ScreenMetrics::Of(QGuiApplication::primaryScreen());
    options.programFolder = QCoreApplication::applicationDirPath();
    glimmet::MF window(dialogs, options);
    window.show();
    return QApplication::exec();
}
