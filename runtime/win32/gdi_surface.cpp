#include "runtime/win32/gdi_surface.h"

#include "runtime/win32/wide_text.h"

namespace runtime::win32 {

class GdiSurface::FontScope {
 public:
  FontScope(GdiSurface& surface, const Font& font) : dc_(surface.dc_) {
    if (HFONT handle = surface.fonts_.Get(font)) old_ = SelectObject(dc_, handle);
  }
  ~FontScope() {
    if (old_ != nullptr) SelectObject(dc_, old_);
  }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

GdiSurface::GdiSurface(std::int32_t width, std::int32_t height, Colour background, std::int32_t dpi)
    : scale_{dpi}, width_(scale_.ToDevice(width)), height_(scale_.ToDevice(height)), fonts_(dpi) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) return;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr) return;
  bits_ = static_cast<const std::uint32_t*>(bits);
  old_bitmap_ = SelectObject(dc_, bitmap_);
  SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  Fill(background);
}

GdiSurface::~GdiSurface() {
  if (dc_ != nullptr && old_bitmap_ != nullptr) SelectObject(dc_, old_bitmap_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

void GdiSurface::Fill(Colour colour) {
  if (!ok()) return;
  const RECT all{0, 0, width_, height_};
  // ExtTextOut with ETO_OPAQUE fills with the background colour without a brush.
  SetBkColor(dc_, colour & 0xFFFFFF);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &all, L"", 0, nullptr);
  Changed();
}

void GdiSurface::DrawText(std::int32_t x, std::int32_t y, const Text& text, const Font& font,
                          Colour colour, Colour background) {
  if (!ok()) return;
  const std::wstring wide = WideFromGbk(text);
  FontScope scope(*this, font);
  SetTextColor(dc_, colour & 0xFFFFFF);
  if (background == kTransparent) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, background & 0xFFFFFF);
  }
  TextOutW(dc_, scale_.ToDevice(x), scale_.ToDevice(y), wide.data(), static_cast<int>(wide.size()));
  Changed();
}

TextExtent GdiSurface::MeasureText(const Text& text, const Font& font) {
  if (!ok()) return {};
  const std::wstring wide = WideFromGbk(text);
  FontScope scope(*this, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  SIZE size{};
  if (!wide.empty()) GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size);
  return {scale_.ToLogical(size.cx), scale_.ToLogical(metrics.tmHeight)};
}

void GdiSurface::CopyTo(HDC target, std::int32_t x, std::int32_t y) const {
  if (!ok()) return;
  BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

Colour GdiSurface::PixelAt(std::int32_t x, std::int32_t y) const {
  if (!ok() || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  const std::uint32_t bgr = bits_[static_cast<std::size_t>(y) * width_ + x];
  // The DIB holds 0x00RRGGBB; a Colour is 0x00BBGGRR.
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void GdiSurface::Changed() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

}  // namespace runtime::win32
