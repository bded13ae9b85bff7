// The control model: loading order, held and delivered events, properties, and the
// fatal errors of addressing what is not there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/headless/headless_backend.h"
#include "runtime/properties.h"
#include "runtime/runtime.h"

namespace runtime {
namespace {

using headless::HeadlessBackend;
using headless::HeadlessHostOf;
using headless::HeadlessWindowHost;
using Entry = HeadlessWindowHost::Entry;

constexpr std::int32_t kWindow = 0x100;
constexpr std::int32_t kBand = 0x1, kLabel = 0x2, kBox = 0x3, kCanvas = 0x4;

std::vector<std::string> g_trace;
Text g_write_on_create;

void OnCreated() {
  g_trace.push_back("created");
  if (!g_write_on_create.empty()) WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, g_write_on_create);
}

void OnBoxChanged() { g_trace.push_back("changed " + ReadProperty(kWindow, kBox, kPropertyText).AsText()); }

constexpr EventBinding kWindowEvents[] = {{kEventCreated, OnCreated}};
constexpr EventBinding kBoxEvents[] = {{kEventTextChanged, OnBoxChanged}};
constexpr ControlDefinition kControls[] = {
    {.name = "band", .kind = ControlKind::kShapeBox, .number = kBand, .width = 100, .height = 20},
    {.name = "label", .kind = ControlKind::kLabel, .number = kLabel, .container = kBand, .text = "公历"},
    {.name = "box", .kind = ControlKind::kEditBox, .number = kBox, .container = kBand,
     .tab_stop = true, .events = kBoxEvents},
    {.name = "canvas", .kind = ControlKind::kCanvas, .number = kCanvas, .width = 440, .height = 280,
     .font = {"Arial", 19, 700}},
};
constexpr WindowDefinition kDefinition = {
    .number = kWindow, .title = "测试", .outer_width = 462, .outer_height = 380,
    .stored_left = 50, .stored_top = 50, .events = kWindowEvents, .controls = kControls};

class ControlModel : public testing::Test {
 protected:
  void SetUp() override {
    g_trace.clear();
    g_write_on_create.clear();
  }
  HeadlessBackend backend_;
  Runtime runtime_{backend_};
};

TEST_F(ControlModel, LoadsHiddenThenShowsAfterTheCreationEvent) {
  g_write_on_create = "x";
  Window& window = runtime_.LoadWindow(kDefinition);
  const std::vector<Entry> want = {
      {Entry::Kind::kControlCreated, kBand, ""}, {Entry::Kind::kControlCreated, kLabel, ""},
      {Entry::Kind::kControlCreated, kBox, ""},  {Entry::Kind::kControlCreated, kCanvas, ""},
      {Entry::Kind::kControlShown, kBand, ""},   {Entry::Kind::kControlShown, kLabel, ""},
      {Entry::Kind::kControlShown, kBox, ""},    {Entry::Kind::kControlShown, kCanvas, ""},
      {Entry::Kind::kText, kBox, "x"},           {Entry::Kind::kWindowShown, 0, ""},
  };
  EXPECT_EQ(HeadlessHostOf(window).log(), want);
  EXPECT_EQ(g_trace, (std::vector<std::string>{"created", "changed x"}));
  EXPECT_TRUE(window.shown());
}

// A native edit box that reports a change while it is being created, as some do.
class EagerHost final : public WindowHost {
 public:
  explicit EagerHost(Window& window) : window_(window), inner_(96) {}
  void CreateControl(const ControlState& c) override {
    inner_.CreateControl(c);
    if (c.kind() == ControlKind::kEditBox) window_.UserEditedText(c.number(), "early");
  }
  Surface& CanvasSurface(const ControlState& c) override { return inner_.CanvasSurface(c); }
  void ShowControl(const ControlState& c) override {
    inner_.ShowControl(c);
    if (c.kind() == ControlKind::kEditBox) window_.UserEditedText(c.number(), "shown");
  }
  void ShowWindow() override {}
  void ShowText(const ControlState&) override {}
  void ShowCaption(const ControlState&) override {}
  void SelectAll(const ControlState&) override {}
  void ScrollIntoView(const ControlState&) override {}
  void Focus(const ControlState&) override {}

 private:
  Window& window_;
  HeadlessWindowHost inner_;
};

class EagerBackend final : public Backend {
 public:
  std::unique_ptr<WindowHost> CreateWindowHost(Window& window) override {
    return std::make_unique<EagerHost>(window);
  }
  void RunEventLoop() override {}
  void QuitEventLoop() override {}
  void ShowFatalError(const Text&, const Text&) override {}
};

TEST(ControlModelLoading, EventsRaisedBeforeTheResumeAreDropped) {
  g_trace.clear();
  EagerBackend backend;
  Runtime runtime(backend);
  runtime.LoadWindow(kDefinition);
  EXPECT_EQ(g_trace, (std::vector<std::string>{"created"}));
  EXPECT_EQ(ReadProperty(kWindow, kBox, kPropertyText).AsText(), "shown");
}

TEST_F(ControlModel, AProgramWriteRaisesOneEventAlsoWhenUnchanged) {
  Window& window = runtime_.LoadWindow(kDefinition);
  g_trace.clear();
  WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, "2024");
  WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, "2024");
  WriteProperty(kWindow, kBox, kPropertyText, kWholeValue, 5);
  EXPECT_EQ(g_trace, (std::vector<std::string>{"changed 2024", "changed 2024", "changed 5"}));
  EXPECT_EQ(HeadlessHostOf(window).log().back(), (Entry{Entry::Kind::kText, kBox, "5"}));
}

TEST_F(ControlModel, EachUserEditRaisesOneEvent) {
  Window& window = runtime_.LoadWindow(kDefinition);
  g_trace.clear();
  for (const char* typed : {"1", "19", "199", "1999"}) window.UserEditedText(kBox, typed);
  window.UserEditedText(kLabel, "ignored");
  EXPECT_EQ(g_trace, (std::vector<std::string>{"changed 1", "changed 19", "changed 199", "changed 1999"}));
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kPropertyText).AsText(), "公历");
}

TEST_F(ControlModel, PropertiesReadBackWhatWasWritten) {
  Window& window = runtime_.LoadWindow(kDefinition);
  WriteProperty(kWindow, kLabel, kPropertyText, kWholeValue, "◆共和国73年◆");
  EXPECT_EQ(ReadProperty(kWindow, kLabel, kPropertyText).AsText(), "◆共和国73年◆");
  EXPECT_EQ(HeadlessHostOf(window).log().back(), (Entry{Entry::Kind::kCaption, kLabel, "◆共和国73年◆"}));

  EXPECT_EQ(ReadProperty(kWindow, kCanvas, kPropertyTextColour).AsColour(), 0u);
  EXPECT_EQ(ReadProperty(kWindow, kCanvas, kPropertyTextBackground).AsColour(), kTransparent);
  WriteProperty(kWindow, kCanvas, kPropertyTextColour, kWholeValue, 0xFF0090);
  WriteProperty(kWindow, kCanvas, kPropertyTextBackground, kWholeValue, 0xFFFF00);
  EXPECT_EQ(ReadProperty(kWindow, kCanvas, kPropertyTextColour).AsColour(), 0xFF0090u);
  EXPECT_EQ(ReadProperty(kWindow, kCanvas, kPropertyTextBackground).AsColour(), 0xFFFF00u);

  FontRecord start;
  start.face = "Arial";
  start.size = 14;  // 19 pixels at 96 dpi
  start.bold = true;
  EXPECT_EQ(*ReadProperty(kWindow, kCanvas, kPropertyFont).font(), start);
  WriteProperty(kWindow, kCanvas, kPropertyFont, kFontFace, "宋体");
  WriteProperty(kWindow, kCanvas, kPropertyFont, kFontSize, 9);
  WriteProperty(kWindow, kCanvas, kPropertyFont, kFontBold, false);
  FontRecord song;
  song.size = 9;
  EXPECT_EQ(*ReadProperty(kWindow, kCanvas, kPropertyFont).font(), song);

  CanvasClear(kWindow, kCanvas);
  CanvasWriteAt(kWindow, kCanvas, 1, 2, "初十", 9);
  EXPECT_EQ(CanvasTextWidth(kWindow, kCanvas, "初十"), 24);
  EXPECT_EQ(HeadlessHostOf(window).Recording(kCanvas)->ops().size(), 3u);
}

TEST_F(ControlModel, UnloadedWindowsAreGone) {
  runtime_.LoadWindow(kDefinition);
  EXPECT_NE(runtime_.FindWindow(kWindow), nullptr);
  runtime_.UnloadWindow(kWindow);
  EXPECT_EQ(runtime_.FindWindow(kWindow), nullptr);
  EXPECT_FALSE(runtime_.HasWindows());
}

const char* Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(ControlModelDeathTest, AddressingWhatIsNotThereIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto in_runtime = [](bool load, auto operation) {
    HeadlessBackend backend;
    Runtime runtime(backend);
    if (load) runtime.LoadWindow(kDefinition);
    operation();
  };
  EXPECT_EXIT(in_runtime(false, [] { ReadProperty(kWindow, kBox, kPropertyText); }),
              testing::ExitedWithCode(1), Utf8(u8"运行时出错!\n错误信息：所访问的窗口尚未载入"));
  EXPECT_EXIT(in_runtime(false, [] { WriteProperty(kWindow, kLabel, kPropertyText, kWholeValue, "x"); }),
              testing::ExitedWithCode(1), Utf8(u8"所访问的窗口尚未载入"));
  EXPECT_EXIT(in_runtime(true, [] { ReadProperty(kWindow, 0x99, kPropertyText); }),
              testing::ExitedWithCode(1), Utf8(u8"窗口中没有所访问的组件"));
  EXPECT_EXIT(in_runtime(true, [] { ReadProperty(kWindow, kBox, kPropertyFont); }),
              testing::ExitedWithCode(1), Utf8(u8"组件没有所访问的属性"));
  EXPECT_EXIT(in_runtime(true, [] { CanvasClear(kWindow, kLabel); }), testing::ExitedWithCode(1),
              Utf8(u8"所访问的组件不是画板"));
}

TEST(ControlModelDeathTest, ADefinitionThatDoesNotFitIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  static constexpr ControlDefinition kOrphan[] = {
      {.name = "label", .kind = ControlKind::kLabel, .number = kLabel, .container = kBand}};
  static constexpr WindowDefinition kBroken = {.number = kWindow, .title = "", .outer_width = 1,
                                               .outer_height = 1, .stored_left = 0, .stored_top = 0,
                                               .controls = kOrphan};
  const auto load = [] {
    HeadlessBackend backend;
    Runtime runtime(backend);
    runtime.LoadWindow(kBroken);
  };
  EXPECT_EXIT(load(), testing::ExitedWithCode(1), Utf8(u8"错误信息：载入启动窗口失败"));
}

}  // namespace
}  // namespace runtime
