#pragma once

class QWidget;

namespace glimmet {

class ChangeField;
class FrameBox;
class ImageBox;
class PictureBox;
class SourcePictureBox;
class TwipPlacement;

// The controls of the window's client area, created in their containers with their design
// positions, colours, fonts and stacking (the status bar belongs to the main window itself). Each
// carries its name as objectName.
struct WindowControls {
    SourcePictureBox* source_pic = nullptr;
    FrameBox* action = nullptr;
    ImageBox* pic_transfer = nullptr;
    ChangeField* txt_xstep = nullptr;
    ChangeField* txt_ystep = nullptr;
    ChangeField* txt_fill = nullptr;
    ChangeField* txt_zoom = nullptr;
    ChangeField* r_txt = nullptr;
    ChangeField* g_txt = nullptr;
    ChangeField* b_txt = nullptr;
    ImageBox* back_pic = nullptr;
    PictureBox* out_pic = nullptr;
    PictureBox* backpic = nullptr;

    static WindowControls Create(QWidget* client, TwipPlacement& placement);

    // The tab order, first to last, of the controls that take the focus.
    void SetTabOrder() const;
};

}  // namespace glimmet
