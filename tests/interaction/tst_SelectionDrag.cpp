#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "interaction/SelectionDrag.h"
#include "params/ParameterFields.h"

using namespace glimmet;

namespace {

class FakeShape final : public SelectionShape {
  public:
    ShapeRect Geometry() const override { return geometry; }
    void SetGeometry(const ShapeRect& g) override { geometry = g; }
    ShapeRect geometry{34, 76, 333, 47};
};

// A 200 x 100 surface: inside, every pixel is 0x336699 (red 153, green 102, blue 51), except the
// column x = 10, which is black; -1 outside.
class FakeSurface final : public PixelSource {
  public:
    int32_t GetPixel(int32_t x, int32_t y) override {
        reads.push_back({x, y});
        if (x < 0 || y < 0 || x >= 200 || y >= 100) return -1;
        return x == 10 ? 0 : RGB(153, 102, 51);
    }
    std::vector<std::pair<int32_t, int32_t>> reads;
};

// The shares of the window's state that the mouse and field handlers are given.
struct State : ColourComponents, DragState {
    RenderState render;
};

// The three colour fields with the real change handlers behind them.
class FakeFields final : public ParameterFieldView {
  public:
    explicit FakeFields(State& state) : handlers(state.render, state, *this, ".", ",") {}
    std::string FieldText(ParameterField field) const override { return texts.at(field); }
    void SetFieldText(ParameterField field, const std::string& text) override {
        texts[field] = text;
        writes.push_back(text);
        if (field == ParameterField::Red) handlers.r_txt_Change();
        if (field == ParameterField::Green) handlers.g_txt_Change();
        if (field == ParameterField::Blue) handlers.b_txt_Change();
    }
    void FillAsText() override {}
    void ShowTextFillMode(const std::string&) override {}

    std::map<ParameterField, std::string> texts;
    std::vector<std::string> writes;
    ParameterFields handlers;
};

struct Harness {
    State state;
    FakeShape shape;
    FakeSurface surface;
    FakeFields fields{state};
    SelectionDrag drag{state, state.render, shape, surface, fields};
};

enum class Op { Down, Move, Up };
struct Step {
    Op op;
    int16_t button;
    float x = 0, y = 0;
};

void Play(Harness& h, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        switch (s.op) {
            case Op::Down:
                h.drag.MouseDown(s.button);
                break;
            case Op::Move:
                h.drag.MouseMove(s.button, s.x, s.y);
                break;
            case Op::Up:
                h.drag.MouseUp(s.button);
                break;
        }
    }
}

}  // namespace

TEST(SelectionDrag, LeftButtonShapesTheSelection) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        ShapeRect expected;
    };
    const std::vector<Case> cases = {
        {"press (50,40), drag to (150,100), release",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 150, 100}, {Op::Up, 1}},
         {50, 40, 100, 60}},
        {"left of the anchor collapses there",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 30, 100}},
         {30, 100, 0, 0}},
        {"and grows again from the new anchor",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 30, 100}, {Op::Move, 1, 60, 120}},
         {30, 100, 30, 20}},
        {"right of the anchor but above it collapses",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 80, 20}},
         {80, 20, 0, 0}},
        {"out through the left edge: top-left corner",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, -5, 60}},
         {0, 0, 0, 0}},
        {"out through the top edge, then back in",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 70, -1}, {Op::Move, 1, 20, 30}},
         {0, 0, 20, 30}},
        {"no clamping right and below",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 900, 700}},
         {50, 40, 850, 660}},
        {"click without a move keeps the size",
         {{Op::Move, 0, 12, 7}, {Op::Down, 1}, {Op::Up, 1}},
         {12, 7, 333, 47}},
        {"moves after the release do not reshape",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Up, 1}, {Op::Move, 1, 150, 100}},
         {50, 40, 333, 47}},
        {"left and right held: position only",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 3, 150, 100}},
         {50, 40, 333, 47}},
        {"middle press does nothing",
         {{Op::Move, 0, 50, 40}, {Op::Down, 4}, {Op::Move, 4, 150, 100}, {Op::Up, 4}},
         {34, 76, 333, 47}},
        {"halves round to even",
         {{Op::Move, 0, 42.5f, 43.5f}, {Op::Down, 1}, {Op::Move, 1, 60.5f, 61.5f}},
         {42, 44, 18, 18}},
        {"a move beyond 16 bits is ignored",
         {{Op::Move, 0, 50, 40}, {Op::Down, 1}, {Op::Move, 1, 40000, 100}, {Op::Move, 1, 60, 50}},
         {50, 40, 10, 10}},
    };
    for (const Case& c : cases) {
        Harness h;
        Play(h, c.steps);
        const ShapeRect& g = h.shape.geometry;
        EXPECT_EQ(g.Left, c.expected.Left) << c.name;
        EXPECT_EQ(g.Top, c.expected.Top) << c.name;
        EXPECT_EQ(g.Width, c.expected.Width) << c.name;
        EXPECT_EQ(g.Height, c.expected.Height) << c.name;
        EXPECT_TRUE(h.surface.reads.empty()) << c.name;
    }
}

TEST(SelectionDrag, PositionsAndDraggingFlag) {
    Harness h;
    Play(h, {{Op::Move, 0, 50, 40}, {Op::Down, 1}});
    EXPECT_NE(h.state.Dragging, 0);
    Play(h, {{Op::Move, 1, -3, 9}});
    EXPECT_EQ(h.state.MouseX, 0);
    EXPECT_EQ(h.state.MouseY, 0);
    Play(h, {{Op::Up, 1}, {Op::Move, 0, -3, 9}});
    EXPECT_EQ(h.state.Dragging, 0);
    EXPECT_EQ(h.state.MouseX, -3);  // only a left-button move clamps
    Play(h, {{Op::Move, 0, -40000, 9}});
    EXPECT_EQ(h.state.MouseX, -3);
    EXPECT_EQ(h.state.MouseY, 9);
}

TEST(SelectionDrag, RightButtonPicksTheColour) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> writes;
        int32_t col;
    };
    const std::vector<Case> cases = {
        {"press on a pixel", {{Op::Move, 0, 20, 30}, {Op::Down, 2}}, {" 153", " 102", " 51"}, 3368601},
        {"release picks too", {{Op::Move, 0, 10, 30}, {Op::Up, 2}}, {" 0", " 0", " 0"}, 0},
        {"outside the surface reads -1 as white",
         {{Op::Move, 0, 250, 30}, {Op::Down, 2}},
         {" 255", " 255", " 255"},
         16777215},
        {"right drag follows every move",
         {{Op::Move, 0, 20, 30}, {Op::Down, 2}, {Op::Move, 2, 10, 30}},
         {" 153", " 102", " 51", " 0", " 0", " 0"},
         0},
        {"no clamping for the right button", {{Op::Move, 2, -1, 5}}, {" 255", " 255", " 255"}, 16777215},
        {"both buttons held: no pick", {{Op::Move, 3, 20, 30}}, {}, RGB(0, 0, 255)},
    };
    for (const Case& c : cases) {
        Harness h;
        Play(h, c.steps);
        EXPECT_EQ(h.fields.writes, c.writes) << c.name;
        EXPECT_EQ(h.state.render.col, c.col) << c.name;
    }
}

TEST(SelectionDrag, PickReadsAtTheLastMovePosition) {
    Harness h;
    Play(h, {{Op::Move, 0, 20, 30}});
    h.drag.MouseDown(2);
    ASSERT_EQ(h.surface.reads.size(), 1u);
    EXPECT_EQ(h.surface.reads[0], std::make_pair(20, 30));
    EXPECT_EQ(h.state.ColRed, 153);
    EXPECT_EQ(h.state.ColGreen, 102);
    EXPECT_EQ(h.state.ColBlue, 51);
}
