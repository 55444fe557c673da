#pragma once

#include <QString>
#include <string>

#include "picture/PictureDamage.h"

namespace glimmet {

// The words for a picture fault, one table for both programs: the batch command prints the English
// source, the window shows its translation. The numbers of the fault fill the places %1, %2, ...

// In English.
std::string DamageInEnglish(const PictureDamage& damage);
// In the language installed; empty where the window's own label says it all.
QString DamageTranslated(const PictureDamage& damage);

}  // namespace glimmet
