// The real Qt window under load: random user actions (typing, deleting, pasting texts of
// up to 1 MB, clicks on both boxes' arrows, Tab, moving the focus) while the background
// sound loops through a device that plays in real time. After every batch the window is
// alive, the header label shows the header line of the boxes' month or the message for
// the box that is out of range, the canvas shows that month exactly as plain digits in
// the boxes draw it, and memory stays flat; the sound never runs dry but for a moment
// between passes. The figures go to standard output.
//
// WNL_LOAD_ACTIONS sets the number of actions (100,000 by default, 5,000 in the sanitizer
// build). Like the Qt backend, this file holds UTF-8 literals: Qt's headers need <chrono>.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

#include "app/header_line.h"
#include "app/window_definition.h"
#include "paced_output.h"
#include "runtime/clock.h"
#include "runtime/numbers.h"
#include "runtime/properties.h"
#include "runtime/qt/gbk.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/window_host.h"
#include "runtime/runtime.h"
#include "runtime/sound/player_hook.h"
#include "runtime/sound/sound_player.h"

namespace {

using runtime::UpDownArrow;
using runtime::qt::FromGbk;

constexpr int kBatch = 100;
constexpr double kTrackSeconds = 0.5;
constexpr std::size_t kLongPaste = 1 << 20;  // bytes of GBK

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // its allocator keeps freed memory: RSS says nothing
#else
constexpr bool kSanitized = false;
#endif

runtime::Backend& QtBackend() {
  static int argc = 1;
  static char name[] = "robust_window_load_test";
  static char* argv[] = {name, nullptr};
  static runtime::Backend* backend = runtime::qt::MakeQtBackend(argc, argv).release();
  return *backend;
}

// Kilobytes of the process: resident now, and the peak so far.
struct Memory {
  long rss = 0, peak = 0;
};
Memory MemoryNow() {
  Memory m;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) m.rss = std::atol(line.c_str() + 6);
    if (line.rfind("VmHWM:", 0) == 0) m.peak = std::atol(line.c_str() + 6);
  }
  return m;
}

// A mono 16-bit track of a 440 Hz tone.
std::vector<std::uint8_t> Tone(double seconds) {
  const std::uint32_t rate = 22050, samples = static_cast<std::uint32_t>(rate * seconds);
  std::vector<std::uint8_t> out;
  const auto put = [&out](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put(36 + samples * 2, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put(samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    put(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate))), 2);
  }
  return out;
}

// 100,000 actions take two minutes or so; under the sanitizers twenty times as long.
int ActionsToRun() {
  const char* value = std::getenv("WNL_LOAD_ACTIONS");
  if (value != nullptr && std::atoi(value) > 0) return std::atoi(value);
  return kSanitized ? 5000 : 100000;
}

class WindowUnderLoad : public testing::Test {
 protected:
  void SetUp() override {
    runtime::Backend& backend = QtBackend();
    runtime::FixClock(runtime::MakeDateValue(2024, 5, 17, 8, 0, 0));
    assets_[0] = {"wnl_sound_track", track_};
    runtime_ = std::make_unique<runtime::Runtime>(backend, runtime::RuntimeServices{assets_, &hook_});
    window_ = &runtime_->LoadWindow(app::kCalendarWindowDefinition);
    host_ = &runtime::qt::QtHostOf(*window_);
    top_ = host_->top_level();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top_));
  }

  QLineEdit* Box(std::int32_t box) { return static_cast<QLineEdit*>(host_->WidgetOf(box)); }
  runtime::Text Read(std::int32_t control) {
    return runtime::ReadProperty(app::kCalendarWindow, control, runtime::kPropertyText).AsText();
  }
  void Write(std::int32_t box, const runtime::Text& text) {
    runtime::WriteProperty(app::kCalendarWindow, box, runtime::kPropertyText, runtime::kWholeValue, text);
  }
  std::int32_t ValueOf(std::int32_t box) { return runtime::TruncateToInt(runtime::ToNumber(Read(box))); }
  std::size_t CanvasHash() {
    const QImage& image = host_->CanvasOf(app::画板1)->surface().image();
    return std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(image.constBits()),
                                                          static_cast<std::size_t>(image.sizeInBytes())));
  }

  // A text to paste: digits, Chinese and full-width forms, of about `bytes` GBK bytes.
  QString PasteText(std::size_t bytes) {
    static const QStringList pieces = {"1", "2", "0", "9", "年", "月", "２", "０", "　", " ", "-", "abc", "2024", "12"};
    QString text;
    std::size_t size = 0;
    while (size < bytes) {
      const QString& piece = pieces[random_() % pieces.size()];
      text += piece;
      size += runtime::qt::ToGbk(piece).size();
    }
    return text;
  }

  void Act() {
    QWidget* focused = QApplication::focusWidget();
    QLineEdit* box = focused == Box(app::编辑框2) ? Box(app::编辑框2) : Box(app::编辑框1);
    const int roll = static_cast<int>(random_() % 1000);
    if (roll < 300) {
      QTest::keyClick(box, static_cast<char>('0' + random_() % 10));
    } else if (roll < 350) {
      QTest::keyClick(box, "a.-+ eE"[random_() % 7]);
    } else if (roll < 450) {
      QTest::keyClick(box, Qt::Key_Backspace);
    } else if (roll < 480) {
      QTest::keyClick(box, Qt::Key_Delete);
    } else if (roll < 530) {
      const Qt::Key keys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
      QTest::keyClick(box, keys[random_() % 4], random_() % 2 ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (roll < 560) {
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    } else if (roll < 640) {
      Paste(box, PasteText(1 + random_() % 16));
    } else if (roll < 650) {
      Paste(box, PasteText(1000 + random_() % 10000));
    } else if (roll == 650 && random_() % 10 == 0) {
      Paste(box, PasteText(kLongPaste));
    } else if (roll < 900) {
      const std::int32_t which = random_() % 2 ? app::编辑框1 : app::编辑框2;
      const UpDownArrow arrow = random_() % 2 ? UpDownArrow::kUp : UpDownArrow::kDown;
      QTest::mouseClick(host_->ArrowOf(which, arrow), Qt::LeftButton);
    } else if (roll < 950) {
      QTest::keyClick(box, Qt::Key_Tab, random_() % 2 ? Qt::ShiftModifier : Qt::NoModifier);
    } else {
      QLineEdit* other = random_() % 2 ? Box(app::编辑框1) : Box(app::编辑框2);
      QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, QPoint(2 + random_() % 20, 10));
    }
  }

  void Paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    ++pastes_;
    longest_paste_ = std::max(longest_paste_, runtime::qt::ToGbk(text).size());
  }

  void CheckTheWindow() {
    ASSERT_FALSE(top_.isNull());
    ASSERT_TRUE(top_->isVisible());
    ASSERT_TRUE(runtime_->HasWindows());
    for (const std::int32_t box : {app::编辑框1, app::编辑框2}) {
      ASSERT_EQ(Box(box)->text(), FromGbk(Read(box)));
    }
    const std::int32_t year = ValueOf(app::编辑框1), month = ValueOf(app::编辑框2);
    const QString header = FromGbk(Read(app::标签4));
    if (year < 1902 || year > 2047) {
      ASSERT_EQ(header, QString::fromUtf8("※※ 年份应在1902-2047之间 ※※"));
      return;
    }
    if (month < 1 || month > 12) {
      ASSERT_EQ(header, QString::fromUtf8("※※ 月份数应在 1-12 之间　※※"));
      return;
    }
    app::LunarDate lunar;
    ASSERT_EQ(header, FromGbk(app::ComposeHeaderLine(year, year * 10000 + month * 100 + 1, lunar)));
    // The month as plain digits draws the very same picture; the boxes get their texts back.
    const std::size_t shown = CanvasHash();
    const runtime::Text year_text = Read(app::编辑框1), month_text = Read(app::编辑框2);
    Write(app::编辑框1, runtime::ToText(year));
    Write(app::编辑框2, runtime::ToText(month));
    ASSERT_EQ(CanvasHash(), shown) << year << "-" << month;
    Write(app::编辑框1, year_text);
    Write(app::编辑框2, month_text);
    ++months_checked_;
  }

  std::vector<std::uint8_t> track_ = Tone(kTrackSeconds);
  runtime::Asset assets_[1] = {};
  std::shared_ptr<robust_test::Listening> listening_ = std::make_shared<robust_test::Listening>();
  runtime::sound::SoundPlayer player_{[this] { return std::make_unique<robust_test::PacedOutput>(listening_); }};
  runtime::sound::PlayerHook hook_{player_};
  std::unique_ptr<runtime::Runtime> runtime_;
  runtime::Window* window_ = nullptr;
  runtime::qt::QtWindowHost* host_ = nullptr;
  QPointer<QWidget> top_;
  std::mt19937 random_{20221215};
  int pastes_ = 0;
  std::size_t longest_paste_ = 0;
  int months_checked_ = 0;
};

TEST_F(WindowUnderLoad, StaysAliveRightAndFlatWhileTheSoundLoops) {
  const int actions = ActionsToRun();
  const auto start = std::chrono::steady_clock::now();
  // Memory is judged when both boxes hold a few digits again, after the clicks below (a
  // megabyte of text in a box takes tens of megabytes of layout while it is there), and
  // without what the allocator keeps of freed memory. The first fifth of the run warms
  // up: Qt's caches and the longest edits set the level that the rest must keep.
  Memory before, settled;
  for (int done = 0; done < actions;) {
    // The first batch begins with the longest paste, so that what it takes is in the
    // figures every later batch is held to.
    if (done == 0) Paste(Box(app::编辑框1), PasteText(kLongPaste));
    for (int i = 0; i < kBatch && done < actions; ++i, ++done) {
      Act();
      QCoreApplication::processEvents();  // what the event loop does between two actions
    }
    CheckTheWindow();
    if (HasFatalFailure()) return;
    // Random typing mostly leaves a year out of range; a click on each box's arrow makes
    // both valid, so that the month drawn is checked as often as the messages.
    QTest::mouseClick(host_->ArrowOf(app::编辑框1, UpDownArrow::kUp), Qt::LeftButton);
    QTest::mouseClick(host_->ArrowOf(app::编辑框2, UpDownArrow::kDown), Qt::LeftButton);
    QCoreApplication::processEvents();
    CheckTheWindow();
    if (HasFatalFailure()) return;
    malloc_trim(0);
    settled = MemoryNow();
    if (done == std::max(kBatch, actions / 5 / kBatch * kBatch)) before = settled;
    if (done % 10000 == 0) std::printf("load: %d actions, RSS %ld kB, peak %ld kB\n", done, settled.rss, settled.peak);
  }
  const Memory after = settled;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(runtime_->HasWindows());
  runtime_.reset();  // stops the sound and waits for its thread
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(top_.isNull());
  EXPECT_EQ(player_.Running(), 0u);

  std::lock_guard lock(listening_->mutex);
  std::printf("load: %d actions in %.1f s (%.0f/s), %d pastes (longest %zu bytes), %d months checked\n",
              actions, seconds, actions / seconds, pastes_, longest_paste_, months_checked_);
  std::printf("load: RSS %ld kB -> %ld kB, peak %ld kB -> %ld kB, from a fifth of the run to its end%s\n",
              before.rss, after.rss, before.peak, after.peak, kSanitized ? " (sanitized: not judged)" : "");
  std::printf("load: sound %d passes, %.1f s played, longest gap %.1f ms between passes, %.1f ms within one\n",
              listening_->passes, listening_->bytes / 44100.0, listening_->longest_gap_between_passes * 1000,
              listening_->longest_gap_within_a_pass * 1000);
  EXPECT_EQ(listening_->outputs, 0);
  // Passes follow each other for the whole run.
  EXPECT_GE(listening_->passes, static_cast<int>(seconds / kTrackSeconds * 0.8));
  // Under the sanitizers the window's thread is many times slower and the timing says
  // little; there only the passes and the end of the sound are judged.
  if (!kSanitized) {
    EXPECT_LT(listening_->longest_gap_within_a_pass, 0.010);
    EXPECT_LT(listening_->longest_gap_between_passes, 0.050);
    EXPECT_LT(after.rss - before.rss, 16 * 1024);
  }
}

// The same box pasted over with a megabyte again and again, with no click in between.
TEST_F(WindowUnderLoad, LongPastesOneAfterAnotherKeepMemoryFlat) {
  QLineEdit* box = Box(app::编辑框1);
  const QString text = PasteText(kLongPaste);
  Memory before;
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    Paste(box, text);
    QCoreApplication::processEvents();
    malloc_trim(0);
    if (i == 1) before = MemoryNow();
  }
  const Memory after = MemoryNow();
  std::printf("load: 5 pastes of 1 MB: RSS %ld kB -> %ld kB\n", before.rss, after.rss);
  EXPECT_EQ(box->text(), text);
  EXPECT_EQ(FromGbk(Read(app::编辑框1)), text);
  if (!kSanitized) {
    EXPECT_LT(after.rss - before.rss, 16 * 1024);
  }
}

}  // namespace
