// Box texts typed on the command line arrive as UTF-8; the window's boxes hold GBK, as
// if the user had typed the same characters into the window.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// Each UTF-8 character becomes its GBK bytes, or '?' where GBK has none. Bytes that are
// not UTF-8 pass unchanged: the box gets them as they are.
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace cli
