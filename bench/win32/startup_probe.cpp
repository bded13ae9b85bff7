// Starts each window program RUNS times and reports, as medians, the time from
// CreateProcess until its window is visible and its message loop answers (both
// programs paint the window before their loop starts), and the program's peak working
// set one second later; then closes its window.
//   startup_probe.exe RUNS PROGRAM.exe...
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  HWND window = nullptr;
};

HWND TopLevelOf(DWORD process) {
  Found found{process};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* f = reinterpret_cast<Found*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == f->process && IsWindowVisible(window)) {
          f->window = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.window;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

struct Figures {
  std::vector<double> painted_ms, peak_mb;
};

// One start of `program`; false when it cannot be started.
bool Measure(const wchar_t* program, double frequency, Figures& figures) {
  std::wstring command = std::wstring(L"\"") + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  LARGE_INTEGER start, painted;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &child)) {
    return false;
  }
  // The window is visible once it has been shown; both programs paint it before their
  // loop, and a message sent to it returns once the loop runs.
  HWND window = nullptr;
  for (int waited = 0; window == nullptr && waited < 30000; ++waited) {
    window = TopLevelOf(child.dwProcessId);
    if (window == nullptr) Sleep(1);
  }
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
  QueryPerformanceCounter(&painted);
  figures.painted_ms.push_back(1000.0 * static_cast<double>(painted.QuadPart - start.QuadPart) / frequency);
  Sleep(1000);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory);
  figures.peak_mb.push_back(static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(child.hProcess, 1);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return true;
}

}  // namespace

// The programs take turns, so that whatever else the machine does weighs on both alike.
int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: startup_probe RUNS PROGRAM.exe...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<Figures> figures(static_cast<std::size_t>(argc - 2));
  for (int run = 0; run < runs; ++run) {
    for (int p = 2; p < argc; ++p) {
      if (!Measure(argv[p], static_cast<double>(frequency.QuadPart), figures[static_cast<std::size_t>(p - 2)])) {
        std::fwprintf(stderr, L"cannot start %ls\n", argv[p]);
        return 1;
      }
    }
  }
  for (int p = 2; p < argc; ++p) {
    const Figures& f = figures[static_cast<std::size_t>(p - 2)];
    std::wprintf(L"%ls: painted and answering after %.1f ms, peak working set %.1f MB (median of %d)\n",
                 argv[p], Median(f.painted_ms), Median(f.peak_mb), runs);
  }
  return 0;
}
