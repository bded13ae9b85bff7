// Canvas drawing: what CanvasClear and CanvasWriteAt hand to the surface.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/canvas.h"
#include "runtime/headless/recording_surface.h"

namespace runtime {
namespace {

using headless::DrawOp;
using headless::RecordingSurface;

struct Drawn {
  std::int32_t x, y;
  Text text;
  bool operator==(const Drawn&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Drawn& d) {
  return out << "(" << d.x << ", " << d.y << ") [" << d.text << "]";
}

// A 12-pixel face: 6 pixels per byte, lines 12 high, so a line break goes 14 down.
CanvasState SongState() {
  CanvasState state;
  state.font = Font{"宋体", 12, 400};
  return state;
}

std::vector<Drawn> TextsOf(const RecordingSurface& surface) {
  std::vector<Drawn> drawn;
  for (const DrawOp& op : surface.ops()) {
    if (op.kind == DrawOp::Kind::kText) drawn.push_back({op.x, op.y, op.text});
  }
  return drawn;
}

TEST(CanvasWriteAt, LaysOutValuesAndLineBreaks) {
  struct Case {
    std::vector<Value> values;
    std::vector<Drawn> drawn;
  };
  const std::vector<Case> cases = {
      {{"ab"}, {{10, 20, "ab"}}},
      {{"ab", 12, 3.5}, {{10, 20, "ab"}, {22, 20, "12"}, {34, 20, "3.5"}}},
      {{31.0}, {{10, 20, "31"}}},
      {{"十二月大", "x"}, {{10, 20, "十二月大"}, {58, 20, "x"}}},
      {{"a\r\nb\rc\nd"}, {{10, 20, "a"}, {10, 34, "b"}, {10, 48, "c"}, {10, 62, "d"}}},
      {{"a\n\nbb", "c"}, {{10, 20, "a"}, {10, 48, "bb"}, {22, 48, "c"}}},
      {{"x\n", "y"}, {{10, 20, "x"}, {10, 34, "y"}}},
      {{"", "ab"}, {{10, 20, "ab"}}},
      {{""}, {}},
      {{Text()}, {}},
  };
  for (const Case& c : cases) {
    RecordingSurface surface(440, 280);
    Canvas canvas(surface, SongState());
    canvas.WriteAt(10, 20, c.values);
    EXPECT_EQ(TextsOf(surface), c.drawn) << surface.Print();
    EXPECT_EQ(canvas.state().x, 0);
    EXPECT_EQ(canvas.state().y, 0);
  }
}

TEST(CanvasWriteAt, DrawsWithTheCurrentColoursAndFont) {
  RecordingSurface surface(440, 280);
  Canvas canvas(surface, SongState());
  canvas.SetTextColour(0xFF0090);
  canvas.SetTextBackground(0xFFFF00);
  canvas.WriteAt(0, 0, std::vector<Value>{"a"});
  canvas.SetTextBackground(kTransparent);
  canvas.SetFontMember(kFontSize, 18);
  canvas.WriteAt(5, 6, std::vector<Value>{"b"});

  ASSERT_EQ(surface.ops().size(), 2u);
  const DrawOp& opaque = surface.ops()[0];
  EXPECT_EQ(opaque.colour, 0xFF0090u);
  EXPECT_EQ(opaque.background, 0xFFFF00u);
  EXPECT_EQ(opaque.font.height, 12);
  const DrawOp& transparent = surface.ops()[1];
  EXPECT_EQ(transparent.background, kTransparent);
  EXPECT_EQ(transparent.font.height, 24);
  EXPECT_EQ(transparent.font.points, 18);
}

TEST(CanvasClear, FillsWithTheBackgroundAndGoesHome) {
  RecordingSurface surface(440, 280);
  CanvasState state = SongState();
  state.x = 30;
  state.y = 40;
  Canvas canvas(surface, state);
  canvas.Clear();
  EXPECT_EQ(surface.Print(), "fill 0xFFFFFF\n");
  EXPECT_EQ(canvas.state().x, 0);
  EXPECT_EQ(canvas.state().y, 0);

  state.background = kTransparent;
  RecordingSurface button_face(10, 10);
  Canvas(button_face, state).Clear();
  EXPECT_EQ(button_face.ops().at(0).colour, kButtonFace);
}

TEST(CanvasTextWidth, MeasuresInTheCurrentFont) {
  RecordingSurface surface(440, 280);
  Canvas canvas(surface, SongState());
  EXPECT_EQ(canvas.TextWidth("香港回归中共诞辰"), 96);
  canvas.SetFontMember(kFontSize, 18);
  EXPECT_EQ(canvas.TextWidth("31"), 24);
  EXPECT_TRUE(surface.ops().empty());
}

}  // namespace
}  // namespace runtime
