// Finding windows, sending them messages, reading their geometry and style.
#include <cstdio>

#include "tools/robot/robot.h"

namespace robot {
namespace {

constexpr DWORD kPollMs = 20;
// A send that takes longer than this counts as hung.
constexpr UINT kSendTimeoutMs = 10000;

struct MessageName {
  const char* name;
  UINT number;
};
constexpr MessageName kMessageNames[] = {
    {"WM_NULL", WM_NULL},
    {"WM_DESTROY", WM_DESTROY},
    {"WM_SETFOCUS", WM_SETFOCUS},
    {"WM_PAINT", WM_PAINT},
    {"WM_CLOSE", WM_CLOSE},
    {"WM_QUERYENDSESSION", WM_QUERYENDSESSION},
    {"WM_QUIT", WM_QUIT},
    {"WM_ENDSESSION", WM_ENDSESSION},
    {"WM_ACTIVATEAPP", WM_ACTIVATEAPP},
    {"WM_KEYDOWN", WM_KEYDOWN},
    {"WM_KEYUP", WM_KEYUP},
    {"WM_CHAR", WM_CHAR},
    {"WM_SYSKEYDOWN", WM_SYSKEYDOWN},
    {"WM_SYSKEYUP", WM_SYSKEYUP},
    {"WM_SYSCHAR", WM_SYSCHAR},
    {"WM_COMMAND", WM_COMMAND},
    {"WM_SYSCOMMAND", WM_SYSCOMMAND},
    {"WM_TIMER", WM_TIMER},
    {"WM_MOUSEMOVE", WM_MOUSEMOVE},
    {"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
    {"WM_LBUTTONUP", WM_LBUTTONUP},
    {"WM_LBUTTONDBLCLK", WM_LBUTTONDBLCLK},
    {"WM_RBUTTONDOWN", WM_RBUTTONDOWN},
    {"WM_RBUTTONUP", WM_RBUTTONUP},
    {"WM_POWERBROADCAST", WM_POWERBROADCAST},
    {"WM_DEVICECHANGE", WM_DEVICECHANGE},
    {"WM_HOTKEY", WM_HOTKEY},
    {"WM_USER", WM_USER},
};

// Sends or posts; for sends prints the result.
int deliver(const Invocation& call, bool send, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  if (!send) {
    if (PostMessageA(window, message, wparam, lparam) == FALSE) return fail("the post failed");
    return kOk;
  }
  DWORD_PTR result = 0;
  SetLastError(0);
  if (SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeoutMs, &result) == 0) {
    if (GetLastError() == ERROR_TIMEOUT) {
      std::fprintf(stderr, "robot: the window did not answer within %u ms\n", kSendTimeoutMs);
      return kTimeout;
    }
    // The window may have gone while handling the message (WM_CLOSE, WM_DESTROY).
    if (IsWindow(window)) return fail("the send failed");
  }
  std::printf("result=%ld\n", static_cast<long>(result));
  return kOk;
}

LPARAM lparam_of(std::int64_t value) { return static_cast<LPARAM>(static_cast<std::int32_t>(value)); }

}  // namespace

std::optional<UINT> message_number(std::string_view text) {
  for (const MessageName& entry : kMessageNames) {
    if (text == entry.name) return entry.number;
  }
  if (const auto number = parse_number(text); number && *number >= 0) return static_cast<UINT>(*number);
  return std::nullopt;
}

std::string message_name(UINT message) {
  for (const MessageName& entry : kMessageNames) {
    if (entry.number == message) return entry.name;
  }
  return std::to_string(message);
}

int wait_window(const Invocation& call) {
  const DWORD timeout = static_cast<DWORD>(number_arg(call, 2, kDefaultTimeoutMs));
  const DWORD start = GetTickCount();
  for (;;) {
    if (const HWND window = FindWindowA(class_or_any(call.args[0]), class_or_any(call.args[1]))) {
      std::printf("hwnd=0x%08lx\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
      return kOk;
    }
    if (GetTickCount() - start >= timeout) break;
    Sleep(kPollMs);
  }
  std::fprintf(stderr, "robot: no window \"%s\" \"%s\" after %lu ms\n", call.args[0].c_str(),
               call.args[1].c_str(), static_cast<unsigned long>(timeout));
  return kTimeout;
}

int wait_gone(const Invocation& call) {
  const DWORD timeout = static_cast<DWORD>(number_arg(call, 2, kDefaultTimeoutMs));
  const DWORD start = GetTickCount();
  while (FindWindowA(class_or_any(call.args[0]), class_or_any(call.args[1])) != nullptr) {
    if (GetTickCount() - start >= timeout) {
      std::fprintf(stderr, "robot: window \"%s\" \"%s\" still there after %lu ms\n", call.args[0].c_str(),
                   call.args[1].c_str(), static_cast<unsigned long>(timeout));
      return kTimeout;
    }
    Sleep(kPollMs);
  }
  return kOk;
}

int send_command(const Invocation& call) {
  return deliver(call, true, WM_COMMAND, MAKEWPARAM(number_arg(call, 2, 0), 0), lparam_of(number_arg(call, 3, 0)));
}

int post_command(const Invocation& call) {
  return deliver(call, false, WM_COMMAND, MAKEWPARAM(number_arg(call, 2, 0), 0),
                 lparam_of(number_arg(call, 3, 0)));
}

int send_raw(const Invocation& call) {
  const auto message = message_number(call.args[2]);
  if (!message) return fail("unknown message: " + call.args[2]);
  return deliver(call, true, *message, static_cast<WPARAM>(number_arg(call, 3, 0)),
                 lparam_of(number_arg(call, 4, 0)));
}

int post_raw(const Invocation& call) {
  const auto message = message_number(call.args[2]);
  if (!message) return fail("unknown message: " + call.args[2]);
  return deliver(call, false, *message, static_cast<WPARAM>(number_arg(call, 3, 0)),
                 lparam_of(number_arg(call, 4, 0)));
}

int window_rect(const Invocation& call) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  RECT frame;
  RECT client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("left=%ld top=%ld right=%ld bottom=%ld width=%ld height=%ld\n", frame.left, frame.top,
              frame.right, frame.bottom, frame.right - frame.left, frame.bottom - frame.top);
  std::printf("client-left=%ld client-top=%ld client-width=%ld client-height=%ld\n", origin.x, origin.y,
              client.right, client.bottom);
  return kOk;
}

int window_style(const Invocation& call) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG ex_style = GetWindowLongA(window, GWL_EXSTYLE);
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int region_type = GetWindowRgn(window, region);
  DeleteObject(region);
  const char* region_name = region_type == SIMPLEREGION    ? "rect"
                            : region_type == COMPLEXREGION ? "complex"
                            : region_type == NULLREGION    ? "empty"
                                                           : "none";
  std::printf("style=0x%08lx exstyle=0x%08lx visible=%d topmost=%d minimized=%d region=%s\n",
              static_cast<unsigned long>(style), static_cast<unsigned long>(ex_style),
              IsWindowVisible(window) ? 1 : 0, (ex_style & WS_EX_TOPMOST) != 0 ? 1 : 0,
              IsIconic(window) ? 1 : 0, region_name);
  return kOk;
}

}  // namespace robot
