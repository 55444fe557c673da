#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <map>

#include "tests/support/TestFiles.h"

// Runs the real batch command as a script would, for the tests of tests/batch.
namespace glimmet::test {

struct Result {
    int status = -1;
    QString errors;
    QByteArray output;
};

// How to start the command: under a file-size or address-space limit (in KiB, 0 for none) or a
// limit of open descriptors; when the tests run as root, as an unprivileged user so that a folder's
// permissions hold; in a folder; with an input, given as bytes or as a file to read; with standard
// output into a file instead of `output`.
struct Launch {
    int fileKiB = 0;
    int memoryKiB = 0;
    int openFiles = 0;
    bool unprivileged = false;
    QString folder = {};
    QByteArray input = {};
    QString inputFile = {};
    QString outputFile = {};
};

// Runs the batch command with standard error not a terminal.
Result Batch(const QStringList& arguments, const Launch& launch = {});

// A run and what it should give: its status, a part of standard error and the lines on standard output.
struct Run {
    const char* name;
    QStringList arguments;
    int status;
    QString message;
    Launch launch = {};
    int outputLines = 0;
};
// Runs each in `folder` (unless its launch names another), expecting what it says and `folder` unchanged.
void ExpectRuns(std::initializer_list<Run> runs, const QString& folder);

// Every entry under `folder`, by its name relative to it, with its content or a link's target.
std::map<QString, QByteArray> Snapshot(const QString& folder);

// A temporary folder with pictures made by the tests themselves.
class BatchCommand : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    // A picture of one colour.
    QString Plain(const QString& name, QSize size, QColor colour = QColor(10, 20, 30)) const;
    // 4 × 3 picture: blue (the default key) everywhere but two pixels, red at (1, 0) and green at (3, 2).
    QString KeyPicture(const QString& name = "key.bmp") const;
    // A file of these bytes.
    QString Write(const QString& name, const QByteArray& bytes) const;
    // The key picture cut short after its header and part of its pixels.
    QString Damaged(const QString& name) const;
};

}  // namespace glimmet::test
