#include "runtime/headless/gbk_to_utf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace runtime::headless {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsAscii(unsigned char c) { return c < 0x80; }

#ifdef _WIN32

// One character, one or two bytes, through code page 936.
bool Convert(std::string_view in, std::string& out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()),
                                    wide, 2);
  if (n <= 0) return false;
  char utf8[8];
  const int m = WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8, sizeof utf8, nullptr, nullptr);
  if (m <= 0) return false;
  out.append(utf8, static_cast<std::size_t>(m));
  return true;
}

#else

class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-8", "GBK")) {}
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
    if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) || src_left != 0) {
      return false;
    }
    out.append(buffer, sizeof buffer - dst_left);
    return true;
  }

 private:
  iconv_t cd_;
};

bool Convert(std::string_view in, std::string& out) {
  static thread_local Converter converter;
  return converter(in, out);
}

#endif

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (IsAscii(lead)) {
      out.push_back(gbk[i++]);
      continue;
    }
    // A lead byte takes its trail byte along; 0x80 (the euro sign) stands alone.
    const std::size_t length = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
    if (Convert(gbk.substr(i, length), out)) {
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace runtime::headless
