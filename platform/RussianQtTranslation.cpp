#include "platform/RussianQtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace glimmet {

RussianQtTranslation::RussianQtTranslation() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    installed_ =
        translator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator_);
}

RussianQtTranslation::~RussianQtTranslation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(previousDefault_);
}

}  // namespace glimmet
