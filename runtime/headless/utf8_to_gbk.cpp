#include "runtime/headless/utf8_to_gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace runtime::headless {
namespace {

// The length of the well-formed UTF-8 character starting at `i`, or 0.
std::size_t CharacterLength(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

#ifdef _WIN32

bool Convert(std::string_view in, std::string& out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in.data(),
                                    static_cast<int>(in.size()), wide, 2);
  if (n <= 0) return false;
  char gbk[4];
  BOOL defaulted = FALSE;
  const int m = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, n, gbk, sizeof gbk, nullptr,
                                    &defaulted);
  if (m <= 0 || defaulted) return false;
  out.append(gbk, static_cast<std::size_t>(m));
  return true;
}

#else

class Converter {
 public:
  Converter() : cd_(iconv_open("GBK", "UTF-8")) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  bool operator()(std::string_view in, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    char buffer[8];
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) ||
        src_left != 0) {
      return false;
    }
    out.append(buffer, sizeof buffer - dst_left);
    return true;
  }

 private:
  iconv_t cd_;
};

bool Convert(std::string_view in, std::string& out) {
  static Converter converter;
  return converter(in, out);
}

#endif

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.push_back(utf8[i++]);
      continue;
    }
    const std::size_t length = CharacterLength(utf8, i);
    if (length == 0) {
      out.push_back(utf8[i++]);
      continue;
    }
    if (!Convert(utf8.substr(i, length), out)) out.push_back('?');
    i += length;
  }
  return out;
}

}  // namespace runtime::headless
