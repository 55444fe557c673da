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

// A window whose height change lays it out again at once, as the platform's resize event does; it
// keeps every height the passes hand the source picture, so that none is negative.
class FakeWindow final : public LayoutSurface {
  public:
    FakeWindow(float width, float height) : width_(width), height_(height) {}
    bool Minimised() const override { return minimised; }
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetHeight(float twips) override {
        height_ = twips;
        heightsSet.push_back(twips);
        FormLayout::Run(*this);
    }
    float ControlWidth(LayoutControl c) const override { return at(c).width; }
    float ControlHeight(LayoutControl c) const override { return at(c).height; }
    float ControlTop(LayoutControl c) const override { return at(c).top; }
    float ControlLeft(LayoutControl c) const override { return at(c).left; }
    void SetControlLeft(LayoutControl c, float v) override { at(c).left = v; }
    void SetControlTop(LayoutControl c, float v) override { at(c).top = v; }
    void SetControlWidth(LayoutControl c, float v) override { at(c).width = v; }
    void SetControlHeight(LayoutControl c, float v) override {
        at(c).height = v;
        if (c == LayoutControl::SourcePic) sourceHeights.push_back(v);
    }
    void SetControlVisible(LayoutControl c, bool v) override { at(c).visible = v; }
    Geometry& at(LayoutControl c) { return controls_[c]; }
    const Geometry& at(LayoutControl c) const { return controls_.at(c); }

    bool minimised = false;
    std::vector<float> heightsSet, sourceHeights;

  private:
    float width_, height_;
    std::map<LayoutControl, Geometry> controls_{{LayoutControl::Action, {60, 0, 11535, 705}},
                                                {LayoutControl::SourcePic, {60, 1080, 6285, 5640}},
                                                {LayoutControl::OutPic, {}},
                                                {LayoutControl::BackPic, {}}};
};

// Expected: the strip shown (1/0), the pictures' top, height, the source's width, the output's left
// and width; then every height handed to the source picture (none negative), two after a raise.
TEST(FormLayout, PlacesStripPicturesAndBackdropForTheWindowSize) {
    using V = std::vector<float>;
    const std::tuple<const char*, float, float, V, V> cases[] = {
        {"wide", 12000, 8000, {1, 805, 6495, 6000, 6100, 5700}, {6495}},
        {"narrow", 9000, 6000, {0, 100, 5400, 4500, 4600, 4200}, {5400}},
        {"the strip's width is wide", 11535, 8000, {1, 805, 6495, 5767.5f, 5867.5f, 5467.5f}, {6495}},
        {"low: raised to 2500, laid out again", 12000, 2000, {1, 805, 1545, 6000, 6100, 5700}, {1095, 1545}},
        {"very low", 12000, 700, {1, 805, 1545, 6000, 6100, 5700}, {0, 1545}},
        {"very narrow", 500, 700, {0, 100, 2250, 250, 350, 0}, {630, 2250}},
    };
    for (const auto& [name, width, height, expected, sourceHeights] : cases) {
        SCOPED_TRACE(name);
        FakeWindow w(width, height);
        FormLayout::Run(w);
        const Geometry &source = w.at(LayoutControl::SourcePic), &out = w.at(LayoutControl::OutPic),
                       &back = w.at(LayoutControl::BackPic);
        EXPECT_EQ((V{float(w.at(LayoutControl::Action).visible), source.top, source.height, source.width,
                     out.left, out.width}),
                  expected);
        EXPECT_EQ((V{w.at(LayoutControl::Action).left, source.left, out.top, out.height}),
                  (V{0, 60, source.top, source.height}));
        EXPECT_EQ((V{back.left, back.top, back.width, back.height}),
                  (V{out.left, out.top, out.width, out.height}));
        EXPECT_EQ(w.sourceHeights, sourceHeights);
        EXPECT_EQ(w.heightsSet, height < 2500 ? V{2500} : V{});
    }
}

TEST(FormLayout, MinimisedWindowIsLeftAlone) {
    FakeWindow window(12000, 8000);
    window.minimised = true;
    FormLayout::Run(window);
    EXPECT_EQ(window.at(LayoutControl::Action).left, 60);
    EXPECT_EQ(window.at(LayoutControl::SourcePic).top, 1080);
}

}  // namespace
}  // namespace glimmet
