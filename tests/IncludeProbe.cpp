// Compiled with the engine's usage only, by tst_include_reach: the engine's own header is found...
#include "render/ColorRules.h"

// ...and the picture files library's must not be, since the engine does not link it.
#include "pixels/PictureDamage.h"
