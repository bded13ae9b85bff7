#include "runtime/headless/character_conversion.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace runtime::headless {

#ifdef _WIN32

namespace {
UINT CodePage(Encoding e) { return e == Encoding::kGbk ? 936 : CP_UTF8; }
}  // namespace

bool ConvertCharacter(std::string_view in, Encoding from, Encoding to, std::string& out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(CodePage(from), MB_ERR_INVALID_CHARS, in.data(),
                                    static_cast<int>(in.size()), wide, 2);
  if (n <= 0) return false;
  char bytes[8];
  // GBK has no best-fit look-alikes here: a character it lacks is a failure. (UTF-8 takes
  // every character, and Windows refuses the default-character flag for it.)
  BOOL defaulted = FALSE;
  const bool to_gbk = to == Encoding::kGbk;
  const int m = WideCharToMultiByte(CodePage(to), to_gbk ? WC_NO_BEST_FIT_CHARS : 0, wide, n,
                                    bytes, sizeof bytes, nullptr, to_gbk ? &defaulted : nullptr);
  if (m <= 0 || defaulted) return false;
  out.append(bytes, static_cast<std::size_t>(m));
  return true;
}

#else

namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

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

}  // namespace

bool ConvertCharacter(std::string_view in, Encoding from, Encoding to, std::string& out) {
  if (from == to) return false;
  if (to == Encoding::kUtf8) {
    static thread_local Converter to_utf8("UTF-8", "GBK");
    return to_utf8(in, out);
  }
  static thread_local Converter to_gbk("GBK", "UTF-8");
  return to_gbk(in, out);
}

#endif

}  // namespace runtime::headless
