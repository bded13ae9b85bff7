// Texts at the edge of Win32: the program's GBK bytes become UTF-16 for the W
// functions, and what the user typed comes back as GBK, through code page 936 both ways,
// so the Chinese texts show whatever the system's own code page is.
#pragma once

#include <string>
#include <string_view>

#include "runtime/text.h"

namespace runtime::win32 {

// Bytes that are not GBK become the code page's replacement character.
std::wstring WideFromGbk(std::string_view gbk);

// Characters that GBK lacks become "?" (no look-alike replacements).
Text GbkFromWide(std::wstring_view wide);

}  // namespace runtime::win32
