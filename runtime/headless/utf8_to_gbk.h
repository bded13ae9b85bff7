// Texts that come into the program as UTF-8 (such as box texts typed on a command line)
// become GBK, as if the same characters had been typed into the window.
#pragma once

#include <string>
#include <string_view>

namespace runtime::headless {

// Each UTF-8 character becomes its GBK bytes, or '?' where GBK has none. Bytes that are
// not UTF-8 pass unchanged: the box gets them as they are.
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace runtime::headless
