#include "runtime/win32/win32_window_host.h"

#include "runtime/icon_file.h"
#include "runtime/runtime.h"
#include "runtime/window_geometry.h"
#include "runtime/win32/start_gate.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {

struct Win32WindowHost::NativeControl {
  const ControlState* state = nullptr;
  HWND handle = nullptr;
  HWND up_down = nullptr;
  PanelLook look;
  std::unique_ptr<GdiSurface> image;  // canvases
};

class Win32WindowHost::Quiet {
 public:
  explicit Quiet(Win32WindowHost& host) : host_(host) { ++host_.quiet_; }
  ~Quiet() { --host_.quiet_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  Win32WindowHost& host_;
};

namespace {

// Child window identifiers: controls by their place in the definition, arrow pairs
// above them.
constexpr int kFirstControlId = 1;
constexpr int kFirstUpDownId = 0x1000;

// Posted when the window was activated during a call from the runtime; the report
// follows once that call is over.
constexpr UINT kActivatedLater = WM_APP + 1;

UINT DrawFormat(const ControlDefinition& d) {
  UINT format = DT_SINGLELINE | DT_NOPREFIX;
  switch (d.horizontal) {
    case Alignment::kStart: format |= DT_LEFT; break;
    case Alignment::kCentre: format |= DT_CENTER; break;
    case Alignment::kEnd: format |= DT_RIGHT; break;
  }
  switch (d.vertical) {
    case Alignment::kStart: format |= DT_TOP; break;
    case Alignment::kCentre: format |= DT_VCENTER; break;
    case Alignment::kEnd: format |= DT_BOTTOM; break;
  }
  return format;
}

Font DefinedFont(const FontSpec& defined) {
  Font font;
  font.face = defined.face == nullptr ? "" : defined.face;
  font.height = defined.height;
  font.weight = defined.weight;
  return font;
}

COLORREF Rgb(Colour colour) { return colour & 0xFFFFFF; }

// The canvas's "no colour" background is the system's button face.
Colour CanvasBackground(Colour colour) { return colour == kTransparent ? kButtonFace : colour; }

// The icon at one size: from the program's icon resource of that name, else made from
// the stored icon file itself.
HICON LoadIconAt(HINSTANCE instance, const char* asset, int size) {
  const std::wstring name = WideFromGbk(asset);
  if (auto icon = static_cast<HICON>(
          LoadImageW(instance, name.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR))) {
    return icon;
  }
  Runtime* runtime = Runtime::Current();
  if (runtime == nullptr) return nullptr;
  const std::optional<IconImage> image = LargestIconImage(runtime->FindAsset(asset));
  if (!image) return nullptr;
  return CreateIconFromResourceEx(const_cast<BYTE*>(image->bytes.data()),
                                  static_cast<DWORD>(image->bytes.size()), TRUE, 0x00030000, size,
                                  size, LR_DEFAULTCOLOR);
}

}  // namespace

Win32WindowHost::Win32WindowHost(Window& window, HINSTANCE instance)
    : window_(window), instance_(instance), scale_{SystemDpi()}, fonts_(scale_.dpi) {}

std::unique_ptr<Win32WindowHost> Win32WindowHost::Create(Window& window, HINSTANCE instance) {
  std::unique_ptr<Win32WindowHost> host(new Win32WindowHost(window, instance));
  WindowOpening();
  host->opening_ = true;
  const WindowDefinition& d = window.definition();

  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  if (d.close_button) style |= WS_SYSMENU;
  if (d.minimise_button) style |= WS_MINIMIZEBOX;
  if (d.maximise_button) style |= WS_MAXIMIZEBOX;
  if (d.resizable) style |= WS_THICKFRAME;
  DWORD ex_style = 0;
  if (d.taskbar_button) ex_style |= WS_EX_APPWINDOW;
  if (d.always_on_top) ex_style |= WS_EX_TOPMOST;

  // The outer size is scaled with everything else (the frame's share of it is the
  // system's at its dots per inch), and the scaled window is centred on the screen.
  const DpiScale& scale = host->scale_;
  WindowDefinition on_screen = d;
  on_screen.outer_width = scale.ToDevice(d.outer_width);
  on_screen.outer_height = scale.ToDevice(d.outer_height);
  on_screen.stored_left = scale.ToDevice(d.stored_left);
  on_screen.stored_top = scale.ToDevice(d.stored_top);
  const std::int32_t width = on_screen.outer_width;
  const std::int32_t height = on_screen.outer_height;
  const Point at = StartPosition(on_screen, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  host->background_ = CreateSolidBrush(Rgb(d.background));
  const std::wstring title = WideFromGbk(d.title);
  HWND handle = CreateWindowExW(ex_style, kTopLevelClass, title.c_str(), style, at.x, at.y, width,
                                height, nullptr, nullptr, instance, host.get());
  if (handle == nullptr) return nullptr;

  RECT outer;
  GetWindowRect(handle, &outer);
  if (outer.right - outer.left != width || outer.bottom - outer.top != height) {
    SetWindowPos(handle, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (d.icon != nullptr) {
    host->big_icon_ = LoadIconAt(instance, d.icon, GetSystemMetrics(SM_CXICON));
    host->small_icon_ = LoadIconAt(instance, d.icon, GetSystemMetrics(SM_CXSMICON));
    if (host->big_icon_) SendMessageW(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(host->big_icon_));
    if (host->small_icon_) SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(host->small_icon_));
  }
  return host;
}

// The native windows go first, told nothing more to report, then what they drew with.
Win32WindowHost::~Win32WindowHost() {
  detached_ = true;
  if (opening_) WindowShown();
  if (window_handle_ != nullptr) {
    SetWindowLongPtrW(window_handle_, GWLP_USERDATA, 0);
    DestroyWindow(window_handle_);
  }
  if (big_icon_ != nullptr) DestroyIcon(big_icon_);
  if (small_icon_ != nullptr) DestroyIcon(small_icon_);
  for (const auto& control : controls_) {
    if (control->look.brush != nullptr) DeleteObject(control->look.brush);
  }
  if (background_ != nullptr) DeleteObject(background_);
}

Win32WindowHost* Win32WindowHost::FromHandle(HWND window) {
  wchar_t name[32];
  if (window == nullptr || GetClassNameW(window, name, 32) == 0 || lstrcmpW(name, kTopLevelClass) != 0) {
    return nullptr;
  }
  return reinterpret_cast<Win32WindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Win32WindowHost::CreateControl(const ControlState& control) {
  Quiet quiet(*this);
  const ControlDefinition& d = *control.definition;
  auto native = std::make_unique<NativeControl>();
  native->state = &control;
  native->look.text = Rgb(d.text_colour);
  native->look.background = Rgb(d.background);
  const int id = kFirstControlId + static_cast<int>(controls_.size());
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  HWND parent = ContainerOf(control);
  const DWORD child = WS_CHILD | WS_CLIPSIBLINGS | (d.enabled ? 0 : WS_DISABLED);
  const std::wstring text = WideFromGbk(control.text);
  const Rect at = scale_.ToDevice(Rect{d.left, d.top, d.width, d.height});

  switch (d.kind) {
    case ControlKind::kShapeBox:
      native->look.brush = CreateSolidBrush(native->look.background);
      native->handle = CreateWindowExW(0, kShapeBoxClass, L"", child | WS_CLIPCHILDREN, at.left,
                                       at.top, at.width, at.height, parent, menu, instance_, &native->look);
      break;
    case ControlKind::kLabel:
      native->look.brush = CreateSolidBrush(native->look.background);
      native->look.font = fonts_.Get(DefinedFont(d.font));
      native->look.format = DrawFormat(d);
      native->handle = CreateWindowExW(0, kLabelClass, text.c_str(), child, at.left, at.top, at.width,
                                       at.height, parent, menu, instance_, &native->look);
      break;
    case ControlKind::kEditBox: {
      native->look.brush = CreateSolidBrush(native->look.background);
      DWORD style = child | ES_AUTOHSCROLL | (d.tab_stop ? WS_TABSTOP : 0);
      if (d.horizontal == Alignment::kCentre) style |= ES_CENTER;
      if (d.horizontal == Alignment::kEnd) style |= ES_RIGHT;
      const DWORD edge = d.border == Border::kSunken ? WS_EX_CLIENTEDGE : 0;
      native->handle = CreateWindowExW(edge, WC_EDITW, text.c_str(), style, at.left, at.top, at.width,
                                       at.height, parent, menu, instance_, nullptr);
      if (native->handle == nullptr) break;
      // No limit: 0 asks for the largest a one-line box can hold.
      SendMessageW(native->handle, EM_SETLIMITTEXT, 0, 0);
      if (HFONT font = fonts_.Get(DefinedFont(d.font))) {
        SendMessageW(native->handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      }
      // Narrow margins: a four-digit year fills most of the 48-pixel box.
      const WORD margin = static_cast<WORD>(scale_.ToDevice(1));
      SendMessageW(native->handle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(margin, margin));
      if (control.has_up_down()) {
        // Built on the box's own pixels, so that it touches the box at every scale.
        const Rect r{at.left + at.width, at.top, scale_.ToDevice(kUpDownWidth), at.height};
        native->up_down = CreateWindowExW(
            0, UPDOWN_CLASSW, L"", child | UDS_NOTHOUSANDS, r.left, r.top, r.width, r.height,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstUpDownId + id)), instance_,
            nullptr);
        if (native->up_down != nullptr) {
          // The control may choose a width of its own when made; the pair is 18 wide.
          SetWindowPos(native->up_down, nullptr, r.left, r.top, r.width, r.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
          // The position stays in the middle of the range: every click is reported, none
          // moves it, so neither end of the range ever stops an arrow.
          SendMessageW(native->up_down, UDM_SETRANGE32, control.up_down.lower, control.up_down.upper);
          SendMessageW(native->up_down, UDM_SETPOS32, 0,
                       control.up_down.lower + (control.up_down.upper - control.up_down.lower) / 2);
        }
      }
      break;
    }
    case ControlKind::kCanvas:
      native->image =
          std::make_unique<GdiSurface>(d.width, d.height, CanvasBackground(d.background), scale_.dpi);
      native->look.image = native->image.get();
      native->handle = CreateWindowExW(0, kCanvasClass, L"", child, at.left, at.top, native->image->width(),
                                       native->image->height(), parent, menu, instance_, &native->look);
      native->image->ShowIn(native->handle);
      break;
  }
  controls_.push_back(std::move(native));
}

Surface& Win32WindowHost::CanvasSurface(const ControlState& canvas) {
  if (NativeControl* native = Find(canvas.number()); native != nullptr && native->image != nullptr) {
    return *native->image;
  }
  // The runtime asks only for canvases it had created; this keeps a stray request harmless.
  if (spare_ == nullptr) {
    spare_ = std::make_unique<GdiSurface>(canvas.definition->width, canvas.definition->height,
                                          CanvasBackground(canvas.definition->background), scale_.dpi);
  }
  return *spare_;
}

void Win32WindowHost::ShowControl(const ControlState& control) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(control.number())) {
    if (native->handle != nullptr) ::ShowWindow(native->handle, SW_SHOWNA);
    if (native->up_down != nullptr) ::ShowWindow(native->up_down, SW_SHOWNA);
  }
}

void Win32WindowHost::ShowWindow() {
  Quiet quiet(*this);
  ::ShowWindow(window_handle_, SW_SHOWNORMAL);
  SetForegroundWindow(window_handle_);
  UpdateWindow(window_handle_);
  if (opening_) {
    opening_ = false;
    WindowShown();
  }
}

void Win32WindowHost::ShowText(const ControlState& edit_box) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(edit_box.number()); native != nullptr && native->handle != nullptr) {
    SetWindowTextW(native->handle, WideFromGbk(edit_box.text).c_str());
  }
}

void Win32WindowHost::ShowCaption(const ControlState& label) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(label.number()); native != nullptr && native->handle != nullptr) {
    SetWindowTextW(native->handle, WideFromGbk(label.text).c_str());
  }
}

void Win32WindowHost::SelectAll(const ControlState& edit_box) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(edit_box.number()); native != nullptr && native->handle != nullptr) {
    SendMessageW(native->handle, EM_SETSEL, 0, -1);
  }
}

void Win32WindowHost::ScrollIntoView(const ControlState& edit_box) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(edit_box.number()); native != nullptr && native->handle != nullptr) {
    SendMessageW(native->handle, EM_SCROLLCARET, 0, 0);
  }
}

void Win32WindowHost::Focus(const ControlState& control) {
  Quiet quiet(*this);
  if (NativeControl* native = Find(control.number()); native != nullptr && native->handle != nullptr) {
    SetFocus(native->handle);
  }
}

bool Win32WindowHost::ReportKey(Key key, KeyModifiers modifiers) {
  if (!Reporting()) return false;
  return window_.UserPressedKey(key, modifiers);
}

HWND Win32WindowHost::ControlHandle(std::int32_t control) const {
  const NativeControl* native = Find(control);
  return native == nullptr ? nullptr : native->handle;
}

HWND Win32WindowHost::UpDownHandle(std::int32_t edit_box) const {
  const NativeControl* native = Find(edit_box);
  return native == nullptr ? nullptr : native->up_down;
}

const GdiSurface* Win32WindowHost::CanvasImage(std::int32_t canvas) const {
  const NativeControl* native = Find(canvas);
  return native == nullptr ? nullptr : native->image.get();
}

LRESULT CALLBACK Win32WindowHost::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* host = static_cast<Win32WindowHost*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    host->window_handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
  }
  auto* host = reinterpret_cast<Win32WindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (host == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  // Nothing of the host may be touched after this returns: a report may have closed the
  // window and destroyed the host.
  return host->OnMessage(message, wparam, lparam);
}

LRESULT Win32WindowHost::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND self = window_handle_;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(self, &area);
      FillRect(reinterpret_cast<HDC>(wparam), &area, background_);
      return 1;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (Reporting()) window_.UserDeactivated();
      } else if (quiet_ > 0) {
        PostMessageW(self, kActivatedLater, 0, 0);
      } else if (Reporting()) {
        window_.UserActivated();
      }
      return 0;  // the focus is the runtime's to place, not the default's
    case kActivatedLater:
      if (Reporting() && GetActiveWindow() == self) window_.UserActivated();
      return 0;
    case WM_CLOSE:
      if (Reporting()) window_.UserClosed();
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code == UDN_DELTAPOS) return OnUpDown(*reinterpret_cast<const NMUPDOWN*>(lparam));
      break;
    }
    case WM_CTLCOLOREDIT:
      if (HBRUSH brush = OnEditColours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(self, message, wparam, lparam);
}

void Win32WindowHost::OnCommand(WPARAM wparam, LPARAM lparam) {
  const NativeControl* native = FindByHandle(reinterpret_cast<HWND>(lparam));
  if (native == nullptr || native->state->kind() != ControlKind::kEditBox || !Reporting()) return;
  const std::int32_t number = native->state->number();
  switch (HIWORD(wparam)) {
    case EN_CHANGE: {
      const int length = GetWindowTextLengthW(native->handle);
      std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
      const int got = GetWindowTextW(native->handle, text.data(), length + 1);
      text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
      window_.UserEditedText(number, GbkFromWide(text));
      break;
    }
    case EN_SETFOCUS:
      window_.UserFocused(number);
      break;
    default:
      break;
  }
}

// True keeps the control's own position where it is.
bool Win32WindowHost::OnUpDown(const NMUPDOWN& change) {
  const NativeControl* native = nullptr;
  for (const auto& control : controls_) {
    if (control->up_down != nullptr && control->up_down == change.hdr.hwndFrom) native = control.get();
  }
  if (native == nullptr) return false;
  if (Reporting() && change.iDelta != 0) {
    window_.UserClickedUpDown(native->state->number(),
                              change.iDelta > 0 ? UpDownArrow::kUp : UpDownArrow::kDown);
  }
  return true;
}

HBRUSH Win32WindowHost::OnEditColours(HDC dc, HWND edit) {
  const NativeControl* native = FindByHandle(edit);
  if (native == nullptr || native->look.brush == nullptr) return nullptr;
  SetTextColor(dc, native->look.text);
  SetBkColor(dc, native->look.background);
  return native->look.brush;
}

Win32WindowHost::NativeControl* Win32WindowHost::Find(std::int32_t control) const {
  for (const auto& native : controls_) {
    if (native->state->number() == control) return native.get();
  }
  return nullptr;
}

Win32WindowHost::NativeControl* Win32WindowHost::FindByHandle(HWND handle) const {
  if (handle == nullptr) return nullptr;
  for (const auto& native : controls_) {
    if (native->handle == handle) return native.get();
  }
  return nullptr;
}

HWND Win32WindowHost::ContainerOf(const ControlState& control) const {
  const std::int32_t container = control.definition->container;
  if (container == 0) return window_handle_;
  const NativeControl* box = Find(container);
  return box != nullptr && box->handle != nullptr ? box->handle : window_handle_;
}

Win32WindowHost& Win32HostOf(Window& window) { return static_cast<Win32WindowHost&>(window.host()); }

}  // namespace runtime::win32
