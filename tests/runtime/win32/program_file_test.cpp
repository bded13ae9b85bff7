// What a Windows user gets besides the window: the program file's resources (version,
// icon, manifest with its DPI awareness), and the fatal error box with its title, icon
// and text, after which the program ends with status 1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/fatal.h"
#include "runtime/runtime.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/windows_api.h"

#include <shellapi.h>

namespace runtime::win32 {
namespace {

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

TEST(ProgramFile, CarriesVersionIconAndManifest) {
  const std::wstring program = WideFromGbk(WNL_PROGRAM_FILE);
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
  ASSERT_GT(size, 0u) << WNL_PROGRAM_FILE;
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));
  EXPECT_EQ(VersionString(info, L"ProductName"), L"舟霁牌万年历");
  EXPECT_EQ(VersionString(info, L"ProductVersion"), WideFromGbk(WNL_PROJECT_VERSION));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  HMODULE file = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  EXPECT_NE(FindResourceW(file, L"WNL_WINDOW_ICON", RT_GROUP_ICON), nullptr);
  HRSRC manifest = FindResourceW(file, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(file, manifest)));
  const std::string xml(text, SizeofResource(file, manifest));
  EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(xml.find("version=\"6.0.0.0\""), std::string::npos);
  FreeLibrary(file);
  // Windows reads the manifest as the program starts (one it cannot read stops it): the
  // program is aware of the system's dots per inch and is not stretched.
  ACTCTXW context_of_program{};
  context_of_program.cbSize = sizeof context_of_program;
  context_of_program.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context_of_program.lpSource = program.c_str();
  context_of_program.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&context_of_program);
  ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the manifest is read";
  wchar_t aware[16] = {};
  SIZE_T written = 0;
  EXPECT_TRUE(QueryActCtxSettingsW(0, context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                   L"dpiAware", aware, 16, &written));
  EXPECT_STREQ(aware, L"true");
  ReleaseActCtx(context);
  // The application icon is the window's: one image at each size Explorer asks for.
  HICON large = nullptr, small = nullptr;
  EXPECT_EQ(ExtractIconExW(program.c_str(), 0, &large, &small, 1), 2u);
  if (large != nullptr) DestroyIcon(large);
  if (small != nullptr) DestroyIcon(small);
}

// Started again by FatalErrorBox with WNL_FATAL_CHILD set, this program does nothing but
// meet a fatal error on the Windows backend, before any test runs.
[[maybe_unused]] const bool g_fatal_child = [] {
  if (std::getenv("WNL_FATAL_CHILD") == nullptr) return false;
  static Win32Backend backend;
  static Runtime runtime(backend);
  FatalError("载入启动窗口失败");
}();

struct BoxFound {
  DWORD process;
  HWND box = nullptr;
};

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

TEST(FatalErrorBox, ShowsAndEnds) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = std::wstring(L"\"") + self + L"\"";
  SetEnvironmentVariableW(L"WNL_FATAL_CHILD", L"1");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &child);
  SetEnvironmentVariableW(L"WNL_FATAL_CHILD", nullptr);
  ASSERT_TRUE(started);

  BoxFound found{child.dwProcessId};
  for (int tries = 0; tries < 200 && found.box == nullptr; ++tries) {
    Sleep(50);
    EnumWindows(
        [](HWND window, LPARAM data) {
          auto* f = reinterpret_cast<BoxFound*>(data);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (process == f->process && lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) {
            f->box = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.box, nullptr) << "no message box";
  EXPECT_EQ(TextOf(found.box), L"错误");
  bool text_seen = false, icon_seen = false;
  for (HWND child_window : Children(found.box)) {
    if (TextOf(child_window) == L"运行时出错!\n错误信息：载入启动窗口失败") text_seen = true;
    if ((GetWindowLongPtrW(child_window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child_window, STM_GETICON, 0, 0) != 0) {
      icon_seen = true;
    }
  }
  EXPECT_TRUE(text_seen);
  EXPECT_TRUE(icon_seen);
  PostMessageW(found.box, WM_COMMAND, IDOK, 0);

  ASSERT_EQ(WaitForSingleObject(child.hProcess, 20000), WAIT_OBJECT_0);
  DWORD status = 0;
  GetExitCodeProcess(child.hProcess, &status);
  EXPECT_EQ(status, 1u);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
}

}  // namespace
}  // namespace runtime::win32
