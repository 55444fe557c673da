#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "window/FormLayout.h"

namespace glimmet {
namespace {

struct Geometry {
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
};

// A window whose height change lays it out again at once, as the platform's resize event does.
class FakeWindow final : public LayoutSurface {
  public:
    FakeWindow(float width, float height) : width_(width), height_(height) {
        controls_[LayoutControl::Action] = {60, 0, 11535, 705};
        controls_[LayoutControl::SourcePic] = {60, 1080, 6285, 5640};
    }

    bool Minimised() const override { return minimised; }
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetHeight(float twips) override {
        height_ = twips;
        heightsSet.push_back(twips);
        ++depth_;
        FormLayout::Run(*this);
        --depth_;
    }
    float ControlWidth(LayoutControl c) const override { return controls_.at(c).width; }
    float ControlHeight(LayoutControl c) const override { return controls_.at(c).height; }
    float ControlTop(LayoutControl c) const override { return controls_.at(c).top; }
    float ControlLeft(LayoutControl c) const override { return controls_.at(c).left; }
    void SetControlLeft(LayoutControl c, float v) override { controls_[c].left = v; }
    void SetControlTop(LayoutControl c, float v) override { controls_[c].top = v; }
    void SetControlWidth(LayoutControl c, float v) override { controls_[c].width = v; }
    void SetControlHeight(LayoutControl c, float v) override {
        controls_[c].height = v;
        if (c == LayoutControl::SourcePic && depth_ == 0) outerSourceHeights.push_back(v);
    }
    void SetControlVisible(LayoutControl c, bool v) override { controls_[c].visible = v; }

    const Geometry& Of(LayoutControl c) { return controls_[c]; }

    bool minimised = false;
    std::vector<float> heightsSet;
    std::vector<float> outerSourceHeights;  // heights the outer pass gave the source picture

  private:
    float width_, height_;
    int depth_ = 0;
    std::map<LayoutControl, Geometry> controls_;
};

struct LayoutCase {
    const char* name;
    float width, height;
    bool actionVisible;
    float pictureTop, pictureHeight, sourceWidth, outLeft, outWidth;
};

TEST(FormLayout, PlacesStripPicturesAndBackdropForTheWindowSize) {
    const LayoutCase cases[] = {
        {"wide", 12000, 8000, true, 805, 6495, 6000, 6100, 5700},
        {"narrow", 9000, 6000, false, 100, 5400, 4500, 4600, 4200},
        {"exactly the strip's width counts as wide", 11535, 8000, true, 805, 6495, 5767.5f, 5867.5f, 5467.5f},
        {"too low: raised to 2500, laid out again", 12000, 2000, true, 805, 1545, 6000, 6100, 5700},
        {"very low and narrow", 3000, 2500, false, 100, 2250, 1500, 1600, 1200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window(c.width, c.height);
        FormLayout::Run(window);
        const auto& action = window.Of(LayoutControl::Action);
        const auto& source = window.Of(LayoutControl::SourcePic);
        const auto& out = window.Of(LayoutControl::OutPic);
        const auto& back = window.Of(LayoutControl::BackPic);
        EXPECT_EQ(action.left, 0);
        EXPECT_EQ(action.top, 0);
        EXPECT_EQ(action.visible, c.actionVisible);
        EXPECT_EQ(source.left, 60);
        EXPECT_FLOAT_EQ(source.top, c.pictureTop);
        EXPECT_FLOAT_EQ(out.top, c.pictureTop);
        EXPECT_FLOAT_EQ(source.height, c.pictureHeight);
        EXPECT_FLOAT_EQ(out.height, c.pictureHeight);
        EXPECT_FLOAT_EQ(source.width, c.sourceWidth);
        EXPECT_FLOAT_EQ(out.left, c.outLeft);
        EXPECT_FLOAT_EQ(out.width, c.outWidth);
        EXPECT_EQ(back.left, out.left);
        EXPECT_EQ(back.top, out.top);
        EXPECT_EQ(back.width, out.width);
        EXPECT_EQ(back.height, out.height);
    }
}

TEST(FormLayout, LowWindowGetsTheFirstPassHeightsThenTheNestedPass) {
    FakeWindow window(12000, 2000);
    FormLayout::Run(window);
    EXPECT_EQ(window.heightsSet, std::vector<float>{2500});
    // The outer pass set 0.9 x 2000 - 705 before raising the window; the nested pass then set 1545.
    ASSERT_EQ(window.outerSourceHeights.size(), 1u);
    EXPECT_FLOAT_EQ(window.outerSourceHeights[0], 1095);
    EXPECT_FLOAT_EQ(window.Of(LayoutControl::SourcePic).height, 1545);
}

TEST(FormLayout, NegativeSizesBecomeZero) {
    // 0.9 x 700 - 705 is negative before the minimum height applies; a width below 600 makes the
    // output area negative.
    FakeWindow window(500, 700);
    FormLayout::Run(window);
    EXPECT_EQ(window.outerSourceHeights, std::vector<float>{630});  // narrow: no strip to subtract
    EXPECT_EQ(window.Of(LayoutControl::OutPic).width, 0);
    EXPECT_EQ(window.Of(LayoutControl::BackPic).width, 0);

    FakeWindow wide(12000, 700);
    FormLayout::Run(wide);
    EXPECT_EQ(wide.outerSourceHeights, std::vector<float>{0});
}

TEST(FormLayout, MinimisedWindowIsLeftAlone) {
    FakeWindow window(12000, 8000);
    window.minimised = true;
    FormLayout::Run(window);
    EXPECT_EQ(window.Of(LayoutControl::Action).left, 60);
    EXPECT_EQ(window.Of(LayoutControl::SourcePic).top, 1080);
}

}  // namespace
}  // namespace glimmet
