#include "picture/DamageTranslation.h"

#include <QCoreApplication>

#include "pixels/DamageWords.h"

namespace glimmet {

QString DamageTranslated(const PictureDamage& damage) {
    const char* source = DamageSource(damage);
    if (source == nullptr) return {};
    const QString translated = QCoreApplication::translate("PictureFaults", source);
    return QString::fromStdString(FillDamageNumbers(translated.toStdString(), damage));
}

}  // namespace glimmet
