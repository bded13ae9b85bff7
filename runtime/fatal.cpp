#include "runtime/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/backend.h"
#include "runtime/runtime.h"

namespace runtime {

Text FatalErrorText(std::string_view message) {
  return JoinTexts("运行时出错!\n错误信息：", message);
}

void FatalError(std::string_view message) {
  const Text text = FatalErrorText(message);
  if (Runtime* current = Runtime::Current()) {
    current->backend().ShowFatalError(kFatalErrorTitle, text);
  } else {
    // Before start-up there is no backend to show a box: the bytes go out as they are.
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
  }
  // Ends at once: sound threads and windows are not wound down after a fatal error.
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace runtime
