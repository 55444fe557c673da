#pragma once

#include <QFile>
#include <QStringList>
#include <vector>

namespace glimmet::test {

// A file in tests/data/pictures, a folder the build names.
inline QString PicturePath(const QString& name) {
    return QStringLiteral(GLIMMET_TEST_PICTURES "/") + name;
}

// A line of the manifest: a file, what loading it gives (shows, damaged, too-large, not-a-picture,
// huge) and the words that say the rest.
struct PictureFile {
    QString name;
    QString outcome;
    QStringList details;
};

inline std::vector<PictureFile> PictureFiles() {
    QFile manifest(PicturePath(QStringLiteral("manifest.txt")));
    std::vector<PictureFile> files;
    if (!manifest.open(QIODevice::ReadOnly)) return files;
    while (!manifest.atEnd()) {
        const QStringList words = QString::fromUtf8(manifest.readLine()).simplified().split(u' ');
        if (words.size() >= 2 && !words[0].startsWith(u'#'))
            files.push_back({words[0], words[1], words.mid(2)});
    }
    return files;
}

}  // namespace glimmet::test
