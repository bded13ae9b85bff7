// render in wnl: the command line goes, unchanged, to wnl-render, which takes this
// process over (exec), so that its output and exit status are wnl's.
//
// wnl-render lies beside wnl in the build tree, and in the installed tree under
// WNL_RENDER_FROM_BIN, relative to wnl's folder.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/terminal.h"

namespace cli {
namespace {

std::string OwnFolder() {
  std::vector<char> path(4096);
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (n <= 0) return ".";
  const std::string self(path.data(), static_cast<std::size_t>(n));
  const std::size_t slash = self.rfind('/');
  return slash == std::string::npos ? "." : self.substr(0, slash);
}

}  // namespace

int RenderCommand(char** argv, const Argument&, const Argument&, const std::string&, bool) {
  const std::string folder = OwnFolder();
  const std::string candidates[] = {folder + "/wnl-render", folder + "/" WNL_RENDER_FROM_BIN};
  for (const std::string& helper : candidates) {
    if (access(helper.c_str(), X_OK) != 0) continue;
    char* const program = const_cast<char*>(helper.c_str());
    argv[0] = program;
    execv(program, argv);
    Complain("render: cannot start " + helper + ": " + std::strerror(errno));
    return kNoAnswer;
  }
  Complain("render: its program wnl-render is missing (looked for " + candidates[0] + " and " +
           candidates[1] + ")");
  return kNoAnswer;
}

}  // namespace cli
