#include "runtime/win32/panels.h"

#include <string>

#include "runtime/win32/gdi_surface.h"

namespace runtime::win32 {
namespace {

const PanelLook* LookOf(HWND panel) {
  return reinterpret_cast<const PanelLook*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
}

bool KeepLook(HWND panel, UINT message, LPARAM lparam) {
  if (message != WM_NCCREATE) return false;
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
  SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  return true;
}

void FillWithLook(HWND panel, HDC dc) {
  RECT area;
  GetClientRect(panel, &area);
  if (const PanelLook* look = LookOf(panel); look != nullptr && look->brush != nullptr) {
    FillRect(dc, &area, look->brush);
  }
}

LRESULT CALLBACK ShapeBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepLook(box, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      FillWithLook(box, reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_VSCROLL:
      return SendMessageW(GetAncestor(box, GA_ROOT), message, wparam, lparam);
    default:
      return DefWindowProcW(box, message, wparam, lparam);
  }
}

void PaintLabel(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  FillWithLook(label, dc);
  if (const PanelLook* look = LookOf(label)) {
    const int length = GetWindowTextLengthW(label);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(label, caption.data(), length + 1);
    RECT area;
    GetClientRect(label, &area);
    HGDIOBJ old = look->font != nullptr ? SelectObject(dc, look->font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look->text);
    DrawTextW(dc, caption.c_str(), length, &area, look->format);
    if (old != nullptr) SelectObject(dc, old);
  }
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepLook(label, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint fills it
    case WM_PAINT:
      PaintLabel(label);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wparam, lparam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_GETFONT: {
      const PanelLook* look = LookOf(label);
      return reinterpret_cast<LRESULT>(look != nullptr ? look->font : nullptr);
    }
    default:
      return DefWindowProcW(label, message, wparam, lparam);
  }
}

// A repaint only copies the image: the month is never redrawn for it.
LRESULT CALLBACK CanvasProc(HWND canvas, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepLook(canvas, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(canvas, &paint);
      if (const PanelLook* look = LookOf(canvas); look != nullptr && look->image != nullptr) {
        look->image->CopyTo(dc, 0, 0);
      }
      EndPaint(canvas, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(canvas, message, wparam, lparam);
  }
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  // A second registration fails with ERROR_CLASS_ALREADY_EXISTS and changes nothing.
  RegisterClassExW(&wc);
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance, WNDPROC top_level_proc) {
  Register(instance, kTopLevelClass, top_level_proc, 0);
  Register(instance, kShapeBoxClass, ShapeBoxProc, 0);
  Register(instance, kLabelClass, LabelProc, 0);
  Register(instance, kCanvasClass, CanvasProc, 0);
}

}  // namespace runtime::win32
