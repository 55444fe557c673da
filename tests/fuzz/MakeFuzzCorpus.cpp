// Writes the fuzz targets' seed corpora into the folder given: one folder per target, one file per
// seed. The pictures are the loader tests' own valid and damaged variants, the field texts and the
// argument lists cover each rule and option.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/platform/PictureVariants.h"

namespace {

bool Write(const QDir& folder, std::string name, const QByteArray& bytes) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
    QFile file(folder.filePath(QString::fromStdString(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Arguments of the batch command, NUL between them, as the target splits its input.
QByteArray Arguments(std::initializer_list<const char*> arguments) {
    QByteArray joined;
    for (const char* argument : arguments) {
        if (!joined.isEmpty() || argument != *arguments.begin()) joined.append('\0');
        joined.append(argument);
    }
    return joined;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace glimmet;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus FOLDER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* target : {"picture_load", "field_rules", "batch_options"}) root.mkpath(target);
    const QDir pictures(root.filePath("picture_load"));
    const QDir fields(root.filePath("field_rules"));
    const QDir options(root.filePath("batch_options"));
    bool written = true;
    for (const test::ValidPicture& p : test::ValidPictures()) written &= Write(pictures, p.name, p.bytes);
    for (const test::DamagedPicture& p : test::DamagedPictures())
        written &= Write(pictures, "damaged " + p.name, p.bytes);
    const char* texts[] = {"1",    "12",      "0",   "1.5", "2,5", "0.4",   "&HFF",         "&hFFFF",
                           "&O17", "1e3",     "1D2", " 7 ", "-3",  "1 000", "1\u00A0000,5", "abc",
                           "",     "32767.5", "255", "256", "+1",  "9."};
    int n = 0;
    for (const char* text : texts) written &= Write(fields, "text" + std::to_string(n++), text);
    const QByteArray lists[] = {
        Arguments({"picture.bmp"}),
        Arguments({"-r", "0,0,10,10", "picture.bmp"}),
        Arguments(
            {"-s", "2,3", "-z", "4", "-k", "255,0,255", "-c", "equal", "--tolerance", "5", "picture.png"}),
        Arguments({"-f", "text", "-t", "Привет", "-o", "out.bmp", "picture.jpg"}),
        Arguments({"--html", "page.htm", "-f", "circles", "picture.gif"}),
        Arguments({"--expect-none", "-q", "-k", "#FF00FF", "--region", "1,2,3,4", "picture.bmp"}),
        Arguments({"-j", "2", "--report", "-", "--report-limit", "5", "-o", "%d/%n.png", "a.bmp", "b.gif"}),
        Arguments({"--files-from", "list.txt", "--", "-picture.bmp"}),
        Arguments({"--help"}),
        Arguments({"--version"}),
        Arguments({"-x"}),
    };
    n = 0;
    for (const QByteArray& list : lists) written &= Write(options, "arguments" + std::to_string(n++), list);
    if (!written) std::fprintf(stderr, "make_fuzz_corpus: cannot write into %s\n", argv[1]);
    return written ? 0 : 1;
}
