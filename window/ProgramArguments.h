#pragma once

#include <QString>
#include <QStringList>

namespace glimmet {

// What the window's command line asks for: `glimmet [--language ru|en] [--] [PICTURE]`.
struct ProgramArguments {
    enum class Language { Russian, English };

    // The window speaks Russian as designed; English is for users who read no Russian.
    Language language = Language::Russian;
    // The picture to open at start-up; empty for none. Arguments after it are ignored.
    QString picture;
    // Why the command line cannot be followed, in English; empty when it can.
    QString error;

    // `arguments` as QCoreApplication::arguments() gives them, the program's name first.
    static ProgramArguments Parse(const QStringList& arguments);
};

}  // namespace glimmet
