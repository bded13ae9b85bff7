// Fatal runtime errors: the program cannot go on, tells the user why and ends.
//
// The user sees a box titled "错误" whose text opens with "运行时出错!" and then a line
// "错误信息：" with the message. The backend decides how the box shows (a message box on
// a desktop, standard error without a screen); the program then ends with status 1.
#pragma once

#include <string_view>

#include "runtime/text.h"

namespace runtime {

inline constexpr char kFatalErrorTitle[] = "错误";

Text FatalErrorText(std::string_view message);

[[noreturn]] void FatalError(std::string_view message);

}  // namespace runtime
