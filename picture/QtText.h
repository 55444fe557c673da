#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

namespace glimmet {

// One of the system's UTF-8 texts as Qt shows it, for texts that are the same in every language.
inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A text the user reads: its English source and the context its translation is kept under. The
// *Texts.h headers write them as {"Context", QT_TRANSLATE_NOOP("Context", "Source")}, the form
// lupdate finds.
struct TrText {
    const char* context;
    const char* source;
};

// The text in the language installed (the source itself when no translation is).
inline QString QtText(TrText text) {
    return QCoreApplication::translate(text.context, text.source);
}

}  // namespace glimmet
