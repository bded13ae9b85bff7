#include "runtime/win32/wide_text.h"

#include "runtime/win32/windows_api.h"

namespace runtime::win32 {

constexpr UINT kGbk = 936;

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int n = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), n);
  return wide;
}

Text GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  Text gbk(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, gbk.data(), n, nullptr, nullptr);
  return gbk;
}

}  // namespace runtime::win32
