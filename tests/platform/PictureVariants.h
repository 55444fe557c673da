#pragma once

#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

#include "platform/PictureLoad.h"

namespace glimmet::test {

// A legal picture file and what it shows.
struct ValidPicture {
    std::string name;
    QByteArray bytes;
    QImage expected;    // Format_RGB32, transparency composed over black
    int tolerance = 0;  // per channel; JPEG is lossy
};

// A picture file that must be refused, and how.
struct DamagedPicture {
    std::string name;
    QByteArray bytes;
    PictureLoadError error;
    PictureDamage damage;  // the fault; its numbers are checked when not 0; None: Qt's reader refuses
};

// Every variant of every format that loads: bitmaps of each header, depth, compression and row
// order, JPEG baseline, progressive, arithmetic, with restarts, grey, CMYK and YCCK, GIF with the
// frame and colour table arrangements, PNG with and without alpha, and a format left to Qt.
std::vector<ValidPicture> ValidPictures();

// Files whose headers contradict them, whose pixel data is broken, or that claim a size beyond
// what is read.
std::vector<DamagedPicture> DamagedPictures();

}  // namespace glimmet::test
