// Subcommand table, argument splitting and the shared helpers.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/robot/robot.h"

namespace robot {
namespace {

struct Subcommand {
  const char* name;
  const char* synopsis;
  std::size_t min_args;
  std::size_t max_args;
  int (*run)(const Invocation&);
  const char* flags = "";  // the flags it takes, each followed by a blank
};

constexpr Subcommand kSubcommands[] = {
    {"wait-window", "<class|-> <title|-> [timeout_ms]      wait until the window exists; prints hwnd=", 2, 3,
     wait_window},
    {"wait-gone", "<class|-> <title|-> [timeout_ms]        wait until no such window exists", 2, 3, wait_gone},
    {"send", "<class|-> <title|-> <command> <lparam>       SendMessage WM_COMMAND; prints result=", 4, 4,
     send_command},
    {"post", "<class|-> <title|-> <command> <lparam>       PostMessage WM_COMMAND", 4, 4, post_command},
    {"send-msg", "<class|-> <title|-> <message> [wparam] [lparam]   SendMessage a raw message", 3, 5,
     send_raw},
    {"post-msg", "<class|-> <title|-> <message> [wparam] [lparam]   PostMessage a raw message", 3, 5,
     post_raw},
    {"key", "<class|-> <title|-> <key> [mods] [--post]    press a key (mods: ctrl+alt+shift)", 3, 4,
     press_key, "--post "},
    {"click", "<class|-> <title|-> <x> <y> [hold_ms] [--post]   left click at client coordinates", 4, 5,
     click, "--post "},
    {"rect", "<class|-> <title|->                          prints the window and client rectangles", 2, 2,
     window_rect},
    {"style", "<class|-> <title|->                         prints style, ex-style, visible, topmost", 2, 2,
     window_style},
    {"region", "<class|-> <title|-> [x1 y1 ...]  prints the region's rectangles; polygon=equal|different",
     2, 402, window_region},
    {"move-mouse", "<x> <y>                               puts the mouse pointer at a screen point", 2, 2,
     move_mouse},
    {"answer-box", "<text|-> [button] [timeout_ms]         press a button of a message box", 1, 3,
     answer_box},
    {"ini-get", "<file> <section> <key>                    prints the value; exit 1 when missing", 3, 3,
     ini_get},
    {"ini-set", "<file> <section> <key> <value>            writes a value", 4, 4, ini_set},
    {"ini-delete", "<file> <section> [key]                 deletes a key or a whole section", 2, 3,
     ini_delete},
    {"log", "[path]                                        prints the TV program's log", 0, 1, print_log},
    {"exec", "<command line> [show]                        WinExec; prints result=", 1, 2, exec},
    {"listen", "<class> <title> <file> [timeout_ms] [x y w h]   a window that records what it receives", 3, 8,
     listen},
};

int usage() {
  std::fprintf(stderr, "usage: robot <subcommand> [arguments]\n");
  for (const Subcommand& command : kSubcommands) {
    std::fprintf(stderr, "  %s %s\n", command.name, command.synopsis);
  }
  std::fprintf(stderr, "exit code: 0 done, 1 failed, 2 timed out\n");
  return kFailure;
}

}  // namespace

std::string Invocation::arg_or(std::size_t index, std::string_view fallback) const {
  return index < args.size() ? args[index] : std::string(fallback);
}

int fail(const std::string& message) {
  std::fprintf(stderr, "robot: %s\n", message.c_str());
  return kFailure;
}

std::optional<std::int64_t> parse_number(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  return negative ? -value : value;
}

std::int64_t number_arg(const Invocation& call, std::size_t index, std::int64_t fallback) {
  if (index >= call.args.size()) return fallback;
  const auto value = parse_number(call.args[index]);
  if (!value) {
    fail("not a number: " + call.args[index]);
    std::exit(kFailure);
  }
  return *value;
}

const char* class_or_any(const std::string& text) { return text == "-" ? nullptr : text.c_str(); }

HWND require_window(const std::string& window_class, const std::string& title) {
  const HWND window = FindWindowA(class_or_any(window_class), class_or_any(title));
  if (window == nullptr) fail("no window of class \"" + window_class + "\" and title \"" + title + "\"");
  return window;
}

std::string window_text(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string window_class_name(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

bool append_line(const std::string& path, const std::string& line) {
  const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string text = line + "\n";
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok != FALSE && written == text.size();
}

}  // namespace robot

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (argc < 2) return robot::usage();

  for (const robot::Subcommand& command : robot::kSubcommands) {
    if (std::strcmp(command.name, argv[1]) != 0) continue;
    robot::Invocation call;
    for (int i = 2; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
        if (std::strstr(command.flags, (arg + " ").c_str()) == nullptr) {
          return robot::fail("robot " + std::string(command.name) + " takes no flag " + arg);
        }
        call.flags.insert(arg);
      } else {
        call.args.push_back(arg);
      }
    }
    if (call.args.size() < command.min_args || call.args.size() > command.max_args) {
      std::fprintf(stderr, "usage: robot %s %s\n", command.name, command.synopsis);
      return robot::kFailure;
    }
    const int code = command.run(call);
    std::fflush(stdout);
    return code;
  }
  robot::fail(std::string("unknown subcommand: ") + argv[1]);
  return robot::usage();
}
