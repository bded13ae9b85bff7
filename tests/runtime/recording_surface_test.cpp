// The headless surface: a readable record, a Song-like measure, UTF-8 at its edge.
#include <gtest/gtest.h>

#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/recording_surface.h"

namespace runtime::headless {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(RecordingSurface, PrintsOneLinePerOperation) {
  RecordingSurface surface(440, 280);
  surface.Fill(0xFFFFFF);
  surface.DrawText(140, 0, "2022", Font{"Arial", 80, 700}, 0xECECEC, kTransparent);
  surface.DrawText(30, 0, "1", Font{"Arial", 24, 700}, 0x0000FF, 0xFFFF00);
  surface.DrawText(-13, 30, "\"香港\"\r\n", Font{"宋体", 12, 400, true, true, true, 900}, 255,
                   kTransparent);
  EXPECT_EQ(surface.Print(),
            Utf8(u8"fill 0xFFFFFF\n"
                 u8"text 140 0 0xECECEC on none \"Arial\" 80px 700 \"2022\"\n"
                 u8"text 30 0 0x0000FF on 0xFFFF00 \"Arial\" 24px 700 \"1\"\n"
                 u8"text -13 30 0x0000FF on none \"宋体\" 12px 400 italic underline strike-out "
                 u8"angle 900 \"\\\"香港\\\"\\r\\n\"\n"));
}

TEST(RecordingSurface, MeasuresHalfThePixelHeightPerByte) {
  RecordingSurface surface(440, 280);
  EXPECT_EQ(surface.MeasureText("十二月大", Font{"宋体", 12}), (TextExtent{48, 12}));
  EXPECT_EQ(surface.MeasureText("abc", Font{"Arial", 19}), (TextExtent{28, 19}));
  EXPECT_EQ(surface.MeasureText("", Font{"Arial", 24}), (TextExtent{0, 24}));
  EXPECT_EQ(surface.MeasureText("ab", Font{}), (TextExtent{12, 12}));
  EXPECT_TRUE(surface.ops().empty());
}

TEST(GbkToUtf8, ConvertsAndReplacesWhatIsNotGbk) {
  EXPECT_EQ(GbkToUtf8("宋体 Arial"), Utf8(u8"宋体 Arial"));
  EXPECT_EQ(GbkToUtf8("月份数应在 1-12 之间　※※"), Utf8(u8"月份数应在 1-12 之间　※※"));
  EXPECT_EQ(GbkToUtf8("\x80"), Utf8(u8"€"));
  EXPECT_EQ(GbkToUtf8("a\xFF"), Utf8(u8"a\uFFFD"));
  EXPECT_EQ(GbkToUtf8("\xB4"), Utf8(u8"\uFFFD"));  // a lead byte at the end
  EXPECT_EQ(GbkToUtf8(std::string_view("\xB4\x00z", 3)), Utf8(u8"\uFFFD") + std::string(1, '\0') + "z");
}

}  // namespace
}  // namespace runtime::headless
