// Writes the window icon as PNG files for the desktop entry: glimmet-SIZE.png for each size given.
// Usage: glimmet-icon-export OUTPUT_FOLDER SIZE...
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "resources/WindowImages.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString path = folder.filePath(QStringLiteral("glimmet-%1.png").arg(size));
        if (size <= 0 || !glimmet::WindowImages::WindowIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
