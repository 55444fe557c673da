#include "platform/RussianQtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace glimmet {

RussianQtTranslation::RussianQtTranslation() {
    installed_ =
        translator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator_);
}

RussianQtTranslation::~RussianQtTranslation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace glimmet
