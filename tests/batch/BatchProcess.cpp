#include "tests/batch/BatchProcess.h"

#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>

namespace glimmet::test {

Result Batch(const QStringList& arguments, const Launch& launch) {
    QString program = QStringLiteral(GLIMMET_BATCH_PROGRAM);
    QStringList line = arguments;
    QStringList limits;
    if (launch.fileKiB > 0) limits << QString("ulimit -f %1").arg(launch.fileKiB);
    if (launch.memoryKiB > 0) limits << QString("ulimit -v %1").arg(launch.memoryKiB);
    if (launch.openFiles > 0) limits << QString("ulimit -n %1").arg(launch.openFiles);
    if (!limits.isEmpty()) {
        line = QStringList{"-c", limits.join("; ") + "; exec \"$0\" \"$@\"", program} + line;
        program = "bash";
    }
    if (launch.unprivileged && ::geteuid() == 0) {
        line = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + line;
        program = "setpriv";
    }
    QProcess process;
    process.setWorkingDirectory(launch.folder);
    if (!launch.inputFile.isEmpty()) process.setStandardInputFile(launch.inputFile);
    if (!launch.outputFile.isEmpty()) process.setStandardOutputFile(launch.outputFile);
    process.start(program, line);
    if (launch.inputFile.isEmpty()) process.write(launch.input);
    process.closeWriteChannel();
    // A run that hangs is a failure, never a result read from a half-finished process.
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "glimmet-batch did not finish within a minute: " << line.join(' ').toStdString();
        process.kill();
        process.waitForFinished();
        return {-2, QString::fromUtf8(process.readAllStandardError()), process.readAllStandardOutput()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()), process.readAllStandardOutput()};
}

void ExpectRuns(std::initializer_list<Run> runs, const QString& folder) {
    const auto before = Snapshot(folder);
    for (Run run : runs) {
        if (run.launch.folder.isEmpty()) run.launch.folder = folder;
        const Result result = Batch(run.arguments, run.launch);
        EXPECT_EQ(result.status, run.status) << run.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(run.message)) << run.name << ": " << result.errors.toStdString();
        EXPECT_EQ(result.output.count('\n'), run.outputLines) << run.name;
        EXPECT_EQ(Snapshot(folder), before) << run.name;
    }
}

std::map<QString, QByteArray> Snapshot(const QString& folder) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries[QDir(folder).relativeFilePath(info.filePath())] =
            info.isSymLink() ? ("-> " + info.symLinkTarget()).toUtf8()
            : info.isDir()   ? QByteArray("folder")
                             : ReadFile(info.filePath());
    }
    return entries;
}

QString BatchCommand::Plain(const QString& name, QSize size, QColor colour) const {
    test::Plain(size.width(), size.height(), colour.rgb()).save(Path(name));
    return Path(name);
}

QString BatchCommand::KeyPicture(const QString& name) const {
    QImage image = test::Plain(4, 3, qRgb(0, 0, 255));
    image.setPixel(1, 0, qRgb(255, 0, 0));
    image.setPixel(3, 2, qRgb(0, 200, 0));
    image.save(Path(name));
    return Path(name);
}

QString BatchCommand::Write(const QString& name, const QByteArray& bytes) const {
    return test::WriteFile(Path(name), bytes) ? Path(name) : QString();
}

QString BatchCommand::Damaged(const QString& name) const {
    return Write(name, ReadFile(KeyPicture(name)).left(70));
}

}  // namespace glimmet::test
