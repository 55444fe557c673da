#pragma once

#include <QString>

#include "pixels/PictureDamage.h"

namespace glimmet {

// The words for a picture fault (see DamageWords) in the language installed; empty where the
// window's own label says it all.
QString DamageTranslated(const PictureDamage& damage);

}  // namespace glimmet
