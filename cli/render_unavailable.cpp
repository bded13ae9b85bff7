// wnl render where this build has no desktop window to photograph.
#include "cli/commands.h"
#include "cli/terminal.h"

namespace cli {

int RenderCommand(char**, const Argument&, const Argument&, const std::string&, bool) {
  Complain("render: this build of wnl has no desktop window to draw the picture with");
  return kNoAnswer;
}

}  // namespace cli
