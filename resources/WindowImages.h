#pragma once

#include <QImage>
#include <QRect>

namespace glimmet {

// The pictures the window carries, drawn by code so no image files ship with the program: the window
// icon, the three images of the image list `btn_img` and the start-up picture of `source_pic`.
// Every call draws the image afresh and gives the same pixels each time. Text is drawn with the
// machine's fonts, so a QGuiApplication must exist before any call.
class WindowImages {
  public:
    static constexpr int kIconSize = 32;
    static constexpr int kButtonWidth = 125;
    static constexpr int kButtonHeight = 25;
    static constexpr int kStartupWidth = 400;
    static constexpr int kStartupHeight = 200;
    // The selection rectangle of the source box at start-up, in its pixels (510, 1140, 4995 x 705
    // twips at design), around the start-up picture's prompt.
    static constexpr QRect kStartupSelection{34, 76, 333, 47};

    // The window's 32 x 32 icon: a picture under a sampling grid with the blue key-colour swatch.
    // Transparent around the picture (ARGB32).
    static QImage WindowIcon();
    // The same icon drawn at `size` x `size` pixels (64 and 128 for the desktop entry).
    static QImage WindowIcon(int size);

    // Images 1 and 2 of the image list: the transfer button, raised or pressed; 125 x 25, 24-bit.
    // Its corners show the window's light orange, so it blends into the strip's gap.
    static QImage TransferButtonFace(bool pressed);

    // Image 3 of the image list: the 750 x 30 background strip of the frame `action`, 24-bit, with the
    // labels and colour swatches placed under and beside the frame's boxes (see StripLayout).
    static QImage ActionStrip();

    // Image `index` (1 to 3) of the image list, as the window addresses it; a null image otherwise.
    static QImage ImageListEntry(int index);

    // The 400 x 200 start-up picture of the source box: black, with a thin white frame just inside the
    // start-up selection rectangle (34, 76, 333 x 47) around the white italic prompt. 24-bit, every
    // pixel grey.
    static QImage StartupPicture();
};

}  // namespace glimmet
