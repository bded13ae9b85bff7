// One character between GBK (code page 936) and UTF-8, the two encodings that meet at
// this backend's edge: the program's texts and the terminal's.
#pragma once

#include <string>
#include <string_view>

namespace runtime::headless {

enum class Encoding { kGbk, kUtf8 };

// Appends the one character `in` (its whole byte sequence in `from`) to `out` in `to`.
// False, appending nothing, when `in` is no character of `from` or `to` lacks it.
bool ConvertCharacter(std::string_view in, Encoding from, Encoding to, std::string& out);

}  // namespace runtime::headless
