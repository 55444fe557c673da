#include "window/WindowControls.h"

#include <QFont>

#include "picture/OutputFont.h"
#include "picture/QtText.h"
#include "resources/StripLayout.h"
#include "resources/WindowImages.h"
#include "widgets/ChangeField.h"
#include "widgets/FrameBox.h"
#include "widgets/ImageBox.h"
#include "widgets/PictureBox.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/SunkenBorder.h"
#include "widgets/TwipPlacement.h"
#include "window/WindowColours.h"
#include "window/WindowTexts.h"

namespace glimmet {

namespace {

namespace t = window_texts;

TwipRect Twips(StripLayout::TwipRect r) {
    return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
            static_cast<float>(r.height)};
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Fonts in pixels, as designed at 96 DPI, so the window keeps its proportions on any screen setting.
QFont Font(const char* family, int pixels, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

ChangeField* Field(QWidget* frame, const char* name, std::string_view text, QColor background,
                   Qt::Alignment alignment) {
    auto* field = Named(new ChangeField(QtText(text), frame), name);
    field->setAlignment(alignment | Qt::AlignVCenter);
    // The boxes are narrow: a narrow face, and the text may use the box's whole inner width (Qt
    // keeps two pixels free on each side), so that the longest number a field takes ("32767" in a
    // step box, " 255" in a colour box) shows whole.
    field->setFont(Font("Liberation Sans Narrow", 11, false, false));
    field->setTextMargins(-2, 0, -2, 0);
    field->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: black; border: 1px solid %2;"
                       " border-top-color: %3; border-left-color: %3; padding: 0px; }")
            .arg(background.name(), colours::kFieldLight.name(), colours::kFieldShadow.name()));
    return field;
}

}  // namespace

WindowControls WindowControls::Create(QWidget* client, TwipPlacement& placement) {
    WindowControls c;
    // Created bottom first: a later sibling covers an earlier one.
    c.backpic = Named(new PictureBox(client, Qt::black, true), "backpic");
    placement.Place(c.backpic, {6480, 1080, 5700, 5640}, kSunkenBorder);
    c.out_pic = Named(new PictureBox(client, Qt::black, true), "out_pic");
    c.out_pic->setFont(OutputFont());
    placement.Place(c.out_pic, {6480, 1080, 5700, 5640}, kSunkenBorder);

    c.action = Named(new FrameBox(client, QtText(t::kActionCaption), colours::kWindow, Qt::black), "action");
    c.action->setFont(Font("DejaVu Sans", 11, true, true));
    placement.Place(c.action, {60, 0, 11535, 705});
    c.back_pic = Named(new ImageBox(c.action, colours::kWindow), "back_pic");
    placement.Place(c.back_pic, Twips(StripLayout::kStrip));
    c.b_txt = Field(c.action, "b_txt", t::kBlueDesignText, colours::kBlueField, Qt::AlignLeft);
    placement.Place(c.b_txt, Twips(StripLayout::kBlueBox));
    c.g_txt = Field(c.action, "g_txt", t::kGreenDesignText, colours::kGreenField, Qt::AlignHCenter);
    placement.Place(c.g_txt, Twips(StripLayout::kGreenBox));
    c.r_txt = Field(c.action, "r_txt", t::kRedDesignText, colours::kRedField, Qt::AlignRight);
    placement.Place(c.r_txt, Twips(StripLayout::kRedBox));
    c.txt_zoom = Field(c.action, "txt_zoom", t::kStepDesignText, colours::kPeachField, Qt::AlignHCenter);
    placement.Place(c.txt_zoom, Twips(StripLayout::kZoomBox));
    c.txt_fill = Field(c.action, "txt_fill", t::kFillDesignText, colours::kPeachField, Qt::AlignHCenter);
    placement.Place(c.txt_fill, Twips(StripLayout::kFillBox));
    c.txt_ystep = Field(c.action, "txt_ystep", t::kStepDesignText, colours::kPeachField, Qt::AlignHCenter);
    placement.Place(c.txt_ystep, Twips(StripLayout::kYStepBox));
    c.txt_xstep = Field(c.action, "txt_xstep", t::kStepDesignText, colours::kPeachField, Qt::AlignHCenter);
    placement.Place(c.txt_xstep, Twips(StripLayout::kXStepBox));
    c.pic_transfer = Named(new ImageBox(c.action, colours::kWindow), "pic_transfer");
    c.pic_transfer->setCursor(Qt::PointingHandCursor);
    placement.Place(c.pic_transfer, Twips(StripLayout::kTransferButton));

    c.source_pic = Named(new SourcePictureBox(client), "source_pic");
    placement.Place(c.source_pic, {60, 1080, 6285, 5640}, kSunkenBorder);
    const QRect& start = WindowImages::kStartupSelection;
    c.source_pic->SetSelection({static_cast<float>(start.x()), static_cast<float>(start.y()),
                                static_cast<float>(start.width()), static_cast<float>(start.height())});
    return c;
}

void WindowControls::SetTabOrder() const {
    QWidget* order[] = {out_pic,  b_txt,   g_txt,     r_txt,     source_pic,   txt_zoom,
                        txt_fill, backpic, txt_ystep, txt_xstep, pic_transfer, back_pic};
    for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace glimmet
