#pragma once

#include <QString>

class QMimeData;

namespace glimmet {

// A picture file dragged onto the window: the first local file the drag carries, or an empty text
// when it carries none (then the window refuses the drop).
class PictureDrop {
  public:
    static QString File(const QMimeData* data);
};

}  // namespace glimmet
