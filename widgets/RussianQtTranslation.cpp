#include "widgets/RussianQtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace glimmet {

RussianQtTranslation::RussianQtTranslation() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    installed_ =
        translator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator_);
    // Built into the program, so it is always there.
    programInstalled_ = program_.load(QStringLiteral(":/i18n/glimmet_ru.qm")) &&
                        QCoreApplication::installTranslator(&program_);
}

RussianQtTranslation::~RussianQtTranslation() {
    if (programInstalled_) QCoreApplication::removeTranslator(&program_);
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(previousDefault_);
}

}  // namespace glimmet
