// Font member writes: each rebuilds the font from the current one.
#include <gtest/gtest.h>

#include <string>

#include "runtime/font.h"
#include "runtime/value.h"

namespace runtime {
namespace {

const Font kCanvasStart{"Arial", 19, 700};

TEST(FontMembers, FollowTheWriteRules) {
  struct Case {
    std::int32_t member;
    Value value;
    std::int32_t dpi;
    Font want;
  };
  const Text long_face(32, 'F');
  const Text longest_face(31, 'F');
  const Case cases[] = {
      {kFontFace, "宋体", 96, {"宋体", 19, 700}},
      {kFontFace, "", 96, {"宋体", 19, 700}},
      {kFontFace, long_face, 96, {"宋体", 19, 700}},
      {kFontFace, longest_face, 96, {longest_face, 19, 700}},
      {kFontSize, 9, 96, {"Arial", 12, 700, false, false, false, 0, 9}},
      {kFontSize, 18, 96, {"Arial", 24, 700, false, false, false, 0, 18}},
      {kFontSize, 60, 96, {"Arial", 80, 700, false, false, false, 0, 60}},
      {kFontSize, 9, 120, {"Arial", 15, 700, false, false, false, 0, 9}},
      {kFontSize, 10, 96, {"Arial", 13, 700, false, false, false, 0, 10}},  // 13.33 rounds down
      {kFontSize, 11, 96, {"Arial", 15, 700, false, false, false, 0, 11}},  // 14.67 rounds up
      {kFontBold, false, 96, {"Arial", 19, kDefaultWeight}},
      {kFontBold, true, 96, {"Arial", 19, kBoldWeight}},
      {kFontItalic, true, 96, {"Arial", 19, 700, true}},
      {kFontUnderline, true, 96, {"Arial", 19, 700, false, true}},
      {kFontStrikeOut, 1, 96, {"Arial", 19, 700, false, false, true}},
      {kFontAngle, 900, 96, {"Arial", 19, 700, false, false, false, 900}},
      {7, 1, 96, kCanvasStart},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithFontMember(kCanvasStart, c.member, c.value, c.dpi), c.want)
        << "member " << c.member;
  }
}

TEST(FontMembers, TheWholeRecordReplacesEverything) {
  FontRecord record;
  record.face = "Arial";
  record.size = 18;
  record.bold = true;
  record.italic = true;
  const Font font = WithFontMember(Font{"宋体", 12, 400}, kFontWhole, record, 96);
  EXPECT_EQ(font, (Font{"Arial", 24, 700, true, false, false, 0, 18}));
  EXPECT_EQ(RecordOf(font, 96), record);
}

}  // namespace
}  // namespace runtime
