#pragma once

#include <string>
#include <string_view>

#include "pixels/PictureDamage.h"

namespace glimmet {

// The words for a picture fault, one table for both programs: the batch command prints the English
// source, the window shows its translation. The numbers of the fault fill the places %1, %2, ...

// In English.
std::string DamageInEnglish(const PictureDamage& damage);

// The English source of the words, or null where there are none (the window's own label then says
// it all); `text`, the source or its translation, with the fault's numbers in their places.
const char* DamageSource(const PictureDamage& damage);
std::string FillDamageNumbers(std::string_view text, const PictureDamage& damage);

}  // namespace glimmet
