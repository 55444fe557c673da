#include "batchdraw/QtDrawingHost.h"

#include <cstdio>

#include "batchdraw/QtOutputDrawing.h"

namespace glimmet {

namespace {
// Qt's own warnings (such as a missing runtime folder when run as root) are noise in a script's
// output; only its critical and fatal messages reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

QtDrawingHost::QtDrawingHost()
    : maker_([] { return std::unique_ptr<OutputDrawing>(std::make_unique<QtOutputDrawing>()); }) {}

void QtDrawingHost::Start(char* program) {
    qInstallMessageHandler(QuietQtMessages);
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    argv_[0] = program;
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace glimmet
