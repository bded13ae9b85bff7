// render inside wnl-render: the calendar window itself, built on the Qt backend and
// photographed.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/redraw_month.h"
#include "app/window_definition.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "runtime/headless/gbk_to_utf8.h"
#include "runtime/headless/utf8_to_gbk.h"
#include "runtime/properties.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/still_image.h"
#include "runtime/runtime.h"

namespace cli {
namespace {

// A picture needs no display: Qt draws offscreen unless the user chose a platform.
void ChoosePlatform() {
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (chosen == nullptr || chosen[0] == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void WriteBox(std::int32_t box, const std::string& utf8) {
  runtime::WriteProperty(app::kCalendarWindow, box, runtime::kPropertyText, runtime::kWholeValue,
                         runtime::headless::Utf8ToGbk(utf8));
}

// The whole file or nothing: a file that could not be written completely is removed.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
  if (path == "-") {
    UseBinaryStreams();
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
      error = std::strerror(errno);
      return false;
    }
    return true;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int saved = errno;
  if (std::fclose(file) != 0 || !written) {
    error = std::strerror(written ? errno : saved);
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int RenderCommand(char**, const Argument& year, const Argument& month, const std::string& path,
                  bool canvas_only) {
  ChoosePlatform();
  // Qt's own arguments are not ours to pass on: the command line was wnl's.
  static int argc = 1;
  static char name[] = "wnl";
  static char* argv[] = {name, nullptr};
  const std::unique_ptr<runtime::Backend> backend = runtime::qt::MakeQtBackend(argc, argv);
  runtime::qt::SteadyCaret();

  std::vector<std::uint8_t> png;
  runtime::Text header;
  {
    // No sound: a picture is silent. The start-up fills the boxes from the clock and
    // draws that month; each given text then goes into its box as typed.
    runtime::Runtime runtime(*backend);
    runtime::Window& window = runtime.LoadWindow(app::kCalendarWindowDefinition);
    if (year) WriteBox(app::编辑框1, *year);
    if (month) WriteBox(app::编辑框2, *month);
    header = runtime::ReadProperty(app::kCalendarWindow, app::标签4, runtime::kPropertyText).AsText();
    png = canvas_only ? runtime::qt::CanvasPng(window, app::画板1) : runtime::qt::WindowPng(window);
  }
  if (png.empty()) {
    Complain("render: the picture could not be made");
    return kNoAnswer;
  }
  std::string error;
  if (!WriteFile(path, png, error)) {
    Complain("render: cannot write " + path + ": " + error);
    return kNoAnswer;
  }
  // Out of range, the picture shows the window with its message; the status says so.
  if (header == app::kYearMessage || header == app::kMonthMessage) {
    Complain(runtime::headless::GbkToUtf8(header));
    return kNoAnswer;
  }
  return kSuccess;
}

}  // namespace cli
