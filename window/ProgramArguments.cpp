#include "window/ProgramArguments.h"

namespace glimmet {

namespace {

bool SetLanguage(ProgramArguments& parsed, const QString& name) {
    if (name == QStringLiteral("ru")) {
        parsed.language = ProgramArguments::Language::Russian;
    } else if (name == QStringLiteral("en")) {
        parsed.language = ProgramArguments::Language::English;
    } else {
        parsed.error = QStringLiteral("--language takes ru or en, not '%1'").arg(name);
        return false;
    }
    return true;
}

}  // namespace

ProgramArguments ProgramArguments::Parse(const QStringList& arguments) {
    ProgramArguments parsed;
    const QString languageOption = QStringLiteral("--language");
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        // A lone "-" is a file's name; "--" makes every later argument one.
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QStringLiteral("-")) {
            if (parsed.picture.isEmpty()) parsed.picture = argument;
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (argument.startsWith(languageOption + QLatin1Char('='))) {
            if (!SetLanguage(parsed, argument.mid(languageOption.size() + 1))) return parsed;
        } else if (argument == languageOption) {
            if (i + 1 == arguments.size()) {
                parsed.error = QStringLiteral("--language needs ru or en");
                return parsed;
            }
            if (!SetLanguage(parsed, arguments.at(++i))) return parsed;
        } else {
            // A picture whose name starts with "-" is given after "--".
            parsed.error =
                QStringLiteral("unknown option '%1'; a picture named so goes after --").arg(argument);
            return parsed;
        }
    }
    return parsed;
}

}  // namespace glimmet
