// Without a screen, GBK texts leave the program as UTF-8 (terminal, files, fixtures).
#pragma once

#include <string>
#include <string_view>

namespace runtime::headless {

// Bytes that are not GBK become U+FFFD, one per byte.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace runtime::headless
