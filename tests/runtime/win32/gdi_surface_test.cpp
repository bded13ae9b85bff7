// The GDI canvas image and the fonts it draws with: fills, text placed by its top-left
// corner, opaque and transparent text backgrounds, extents, and fonts that find Chinese
// glyphs for the program's Chinese faces.
#include <gtest/gtest.h>

#include "runtime/win32/gdi_fonts.h"
#include "runtime/win32/gdi_surface.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kCyan = 0xFFFF00;

Font MakeFont(const char* face, std::int32_t height, std::int32_t weight = kDefaultWeight) {
  Font font;
  font.face = face;
  font.height = height;
  font.weight = weight;
  return font;
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  bool empty() const { return right < 0; }
};

// Where pixels differ from `ground`.
Box InkOf(const GdiSurface& surface, Colour ground) {
  Box box;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.PixelAt(x, y) == ground) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

TEST(GdiSurface, StartsWithItsBackgroundAndFills) {
  GdiSurface surface(40, 30, 0x123456, 96);
  ASSERT_TRUE(surface.ok());
  EXPECT_EQ(surface.PixelAt(0, 0), 0x123456u);
  EXPECT_EQ(surface.PixelAt(39, 29), 0x123456u);
  surface.Fill(0xFF00FF);
  EXPECT_EQ(surface.PixelAt(20, 15), 0xFF00FFu);
  EXPECT_EQ(surface.PixelAt(40, 0), 0u) << "outside";
}

// The glyphs lie below and right of the point, within the text's extent.
TEST(GdiSurface, DrawsTextFromItsTopLeftCorner) {
  GdiSurface surface(120, 80, kWhite, 96);
  const Font arial = MakeFont("Arial", 24, kBoldWeight);
  surface.DrawText(30, 20, "8", arial, kRed, kTransparent);
  const TextExtent extent = surface.MeasureText("8", arial);
  const Box ink = InkOf(surface, kWhite);
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, 30);
  EXPECT_GE(ink.top, 20);
  EXPECT_LT(ink.right, 30 + extent.width);
  EXPECT_LT(ink.bottom, 20 + extent.height);
  EXPECT_LE(ink.top, 20 + extent.height / 3) << "the top, not the baseline, is at y";
}

TEST(GdiSurface, OpaqueBackgroundFillsTheTextsCellOnly) {
  GdiSurface surface(120, 80, kWhite, 96);
  const Font arial = MakeFont("Arial", 24, kBoldWeight);
  const TextExtent extent = surface.MeasureText("15", arial);
  surface.DrawText(10, 10, "15", arial, 0x000000, kCyan);
  EXPECT_EQ(surface.PixelAt(10, 10), kCyan);
  EXPECT_EQ(surface.PixelAt(10 + extent.width - 1, 10 + extent.height - 1), kCyan);
  EXPECT_EQ(surface.PixelAt(10 + extent.width, 10), kWhite);
  EXPECT_EQ(surface.PixelAt(9, 10), kWhite);

  surface.Fill(kWhite);
  surface.DrawText(10, 10, "15", arial, 0x000000, kTransparent);
  EXPECT_EQ(surface.PixelAt(10, 10), kWhite);
  EXPECT_EQ(InkOf(surface, kWhite).empty(), false);
}

// 宋体 at 12 pixels is a Song face's square: 12 pixels a Chinese character, 6 a digit.
TEST(GdiSurface, MeasuresInTheFontsPixels) {
  GdiSurface surface(10, 10, kWhite, 96);
  const Font song = MakeFont("宋体", 12);
  EXPECT_EQ(surface.MeasureText("初八", song).width, 24);
  EXPECT_EQ(surface.MeasureText("12", song).width, 12);
  const Font arial = MakeFont("Arial", 24, kBoldWeight);
  const TextExtent two = surface.MeasureText("2", arial);
  EXPECT_GT(two.width, 8);
  EXPECT_GE(two.height, 24);
  EXPECT_EQ(surface.MeasureText("", arial), (TextExtent{0, two.height}));
  EXPECT_EQ(surface.VerticalDpi(), 96);
}

// At 200 % the image has twice the pixels each way and the calendar still draws and
// measures in logical ones: texts land at twice the point with fonts twice as high, and
// their measures are the screen's halved, so an opaque cell covers twice the measure.
TEST(GdiSurface, AtTwiceTheDpiDrawsAtTheScreensPixels) {
  GdiSurface surface(120, 80, kWhite, 192);
  EXPECT_EQ(surface.width(), 240);
  EXPECT_EQ(surface.height(), 160);
  EXPECT_EQ(surface.VerticalDpi(), 96) << "points become logical pixels";
  const Font arial = MakeFont("Arial", 24, kBoldWeight);
  const TextExtent extent = surface.MeasureText("15", arial);
  const TextExtent at96 = GdiSurface(10, 10, kWhite, 96).MeasureText("15", arial);
  EXPECT_NEAR(extent.width, at96.width, 1);
  EXPECT_NEAR(extent.height, at96.height, 1);

  surface.DrawText(10, 10, "15", arial, 0x000000, kCyan);
  EXPECT_EQ(surface.PixelAt(19, 20), kWhite);
  EXPECT_EQ(surface.PixelAt(20, 20), kCyan);
  EXPECT_EQ(surface.PixelAt(20 + 2 * extent.width - 2, 20 + 2 * extent.height - 2), kCyan);
  EXPECT_EQ(surface.PixelAt(20 + 2 * extent.width + 1, 20), kWhite);
  EXPECT_EQ(surface.PixelAt(20, 20 + 2 * extent.height + 1), kWhite);

  surface.Fill(kWhite);
  surface.DrawText(30, 20, "8", arial, kRed, kTransparent);
  const Box ink = InkOf(surface, kWhite);
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.left, 60);
  EXPECT_GE(ink.top, 40);
  EXPECT_LT(ink.right, 60 + 2 * surface.MeasureText("8", arial).width);
  EXPECT_GT(ink.bottom - ink.top, 24) << "drawn 48 pixels high";
}

TEST(GdiFonts, AskForChineseFacesWithTheChineseSet) {
  const LOGFONTW song = LogFontOf(MakeFont("宋体", 12));
  EXPECT_EQ(song.lfHeight, -12);
  EXPECT_EQ(song.lfCharSet, GB2312_CHARSET);
  EXPECT_STREQ(song.lfFaceName, L"宋体");
  EXPECT_EQ(song.lfWeight, FW_NORMAL);

  const LOGFONTW arial = LogFontOf(MakeFont("Arial", 80, kBoldWeight));
  EXPECT_EQ(arial.lfCharSet, DEFAULT_CHARSET) << "Arial must not lose to a Chinese face";
  EXPECT_EQ(arial.lfHeight, -80);
  EXPECT_EQ(arial.lfWeight, FW_BOLD);

  const LOGFONTW interface_font = LogFontOf(Font{});
  EXPECT_EQ(interface_font.lfCharSet, GB2312_CHARSET);
  EXPECT_STREQ(interface_font.lfFaceName, InterfaceLogFont().lfFaceName);
  EXPECT_EQ(interface_font.lfHeight, InterfaceLogFont().lfHeight);
}

// A font for a screen of 192 dots per inch: pixel heights doubled, and the system's
// interface font (the system's, at 96 here) as large as it would be there.
TEST(GdiFonts, ScaleHeightsToTheScreensDpi) {
  EXPECT_EQ(LogFontOf(MakeFont("宋体", 12), 192).lfHeight, -24);
  EXPECT_EQ(LogFontOf(MakeFont("Arial", 19, kBoldWeight), 144).lfHeight, -29);
  ASSERT_EQ(SystemDpi(), 96);
  EXPECT_EQ(LogFontOf(Font{}, 192).lfHeight, 2 * InterfaceLogFont().lfHeight);
}

// What the window's Chinese texts are drawn with has glyphs for them.
TEST(GdiFonts, ChineseTextsFindGlyphs) {
  struct Case {
    Font font;
    const wchar_t* text;
  };
  const Case cases[] = {
      {MakeFont("宋体", 12), L"初八腊月"},
      {MakeFont("宋体", 14), L"公历年月"},
      {Font{}, L"星期日六"},
  };
  FontCache fonts;
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : cases) {
    HGDIOBJ old = SelectObject(dc, fonts.Get(c.font));
    WORD glyphs[8] = {};
    const int n = lstrlenW(c.text);
    ASSERT_EQ(GetGlyphIndicesW(dc, c.text, n, glyphs, GGI_MARK_NONEXISTING_GLYPHS), static_cast<DWORD>(n));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    for (int i = 0; i < n; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "face " << GbkFromWide(face) << " lacks a glyph";
    SelectObject(dc, old);
  }
  DeleteDC(dc);
}

TEST(WideText, ConvertsThroughCodePage936) {
  EXPECT_EQ(WideFromGbk("宋体"), L"宋体");
  EXPECT_EQ(WideFromGbk("\x80"), L"\u20AC");
  EXPECT_EQ(WideFromGbk(""), L"");
  EXPECT_EQ(GbkFromWide(L"2022年"), "2022年");
  EXPECT_EQ(GbkFromWide(L"a\u0E01b"), "a?b") << "a character that GBK lacks";
}

}  // namespace
}  // namespace runtime::win32
