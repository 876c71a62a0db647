#pragma once
// robot.exe: drives Windows programs for the end-to-end tests under Wine.
// One subcommand per run; results on stdout (LF line ends), problems on
// stderr, exit code 0 done, 1 failed, 2 timed out.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace robot {

enum Exit : int { kOk = 0, kFailure = 1, kTimeout = 2 };

constexpr DWORD kDefaultTimeoutMs = 5000;

// Positional arguments and "--name" flags of one subcommand.
struct Invocation {
  std::vector<std::string> args;
  std::set<std::string> flags;

  bool has_flag(std::string_view flag) const { return flags.count(std::string(flag)) != 0; }
  // The argument at `index`, or `fallback` when there are fewer.
  std::string arg_or(std::size_t index, std::string_view fallback) const;
};

// Prints "robot: <message>" to stderr; returns kFailure.
int fail(const std::string& message);

// Decimal (optionally signed) or 0x-prefixed hexadecimal.
std::optional<std::int64_t> parse_number(std::string_view text);
// A number argument; prints a message and exits with kFailure when it is not one.
std::int64_t number_arg(const Invocation& call, std::size_t index, std::int64_t fallback);

// "-" stands for "any" (a null class or title for FindWindowA).
const char* class_or_any(const std::string& text);

// The window now, or null (with a message on stderr) when there is none.
HWND require_window(const std::string& window_class, const std::string& title);

// Window messages by name ("WM_CLOSE") or number.
std::optional<UINT> message_number(std::string_view text);
std::string message_name(UINT message);

std::string window_text(HWND window);
std::string window_class_name(HWND window);

// Appends one line to a file, opened for this line only.
bool append_line(const std::string& path, const std::string& line);

// Subcommands.
int wait_window(const Invocation& call);
int wait_gone(const Invocation& call);
int send_command(const Invocation& call);
int post_command(const Invocation& call);
int send_raw(const Invocation& call);
int post_raw(const Invocation& call);
int window_rect(const Invocation& call);
int window_style(const Invocation& call);
int press_key(const Invocation& call);
int click(const Invocation& call);
int answer_box(const Invocation& call);
int ini_get(const Invocation& call);
int ini_set(const Invocation& call);
int ini_delete(const Invocation& call);
int print_log(const Invocation& call);
int exec(const Invocation& call);
int listen(const Invocation& call);
int window_region(const Invocation& call);
int move_mouse(const Invocation& call);

}  // namespace robot
