// The yardstick for wannianli.exe's start-up under wine: an empty fixed window of the
// same outer size, shown and painted the same way, then the message loop.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"EmptyWindow";
  RegisterClassExW(&wc);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - 462) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - 380) / 2;
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"EmptyWindow", L"empty",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, 462, 380, nullptr,
                                nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
