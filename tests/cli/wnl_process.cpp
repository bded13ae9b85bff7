#include "wnl_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sstream>

extern char** environ;

namespace cli_test {
namespace {

std::vector<std::string> Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "NO_COLOR=", 9) != 0 && std::strncmp(*e, "TERM=", 5) != 0) {
      env.emplace_back(*e);
    }
  }
  env.insert(env.end(), extra.begin(), extra.end());
  return env;
}

[[noreturn]] void Exec(const std::vector<std::string>& arguments, std::vector<std::string> env) {
  std::vector<char*> argv{const_cast<char*>(WNL_BINARY)};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  execve(WNL_BINARY, argv.data(), envp.data());
  _exit(127);
}

int Wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads what is there; false at the end of the stream.
bool Drain(int fd, std::string& into) {
  char buffer[65536];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  if (n > 0) into.append(buffer, static_cast<std::size_t>(n));
  return n > 0 || (n < 0 && errno == EINTR);
}

}  // namespace

Outcome RunWnl(const std::vector<std::string>& arguments, const std::string& input,
           const std::vector<std::string>& environment) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> env = Environment(environment);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    Exec(arguments, env);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);

  Outcome run;
  std::size_t written = 0;
  int to_child = in[1];
  if (input.empty()) {
    close(to_child);
    to_child = -1;
  }
  bool out_open = true, err_open = true;
  while (out_open || err_open) {
    pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {to_child, POLLOUT, 0}};
    if (poll(fds, to_child >= 0 ? 3 : 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (out_open && fds[0].revents != 0) out_open = Drain(out[0], run.out);
    if (err_open && fds[1].revents != 0) err_open = Drain(err[0], run.err);
    if (to_child >= 0 && fds[2].revents != 0) {
      const ssize_t n = write(to_child, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == input.size()) {
        close(to_child);
        to_child = -1;
      }
    }
  }
  if (to_child >= 0) close(to_child);
  close(out[0]);
  close(err[0]);
  run.status = Wait(pid);
  return run;
}

Outcome RunWnlOnTerminal(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment) {
  std::vector<std::string> extra{"TERM=xterm"};
  extra.insert(extra.end(), environment.begin(), environment.end());
  const std::vector<std::string> env = Environment(extra);
  winsize size{};
  size.ws_row = 50;
  size.ws_col = 120;
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, &size);
  if (pid < 0) return {};
  if (pid == 0) {
    int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    Exec(arguments, env);
  }
  Outcome run;
  // The terminal's end reports EIO once the child has closed its side.
  while (Drain(terminal, run.out)) {
  }
  close(terminal);
  run.status = Wait(pid);
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace cli_test
