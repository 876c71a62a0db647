// Keys and mouse clicks. By default both go through the system's input queue
// (SendInput), so that key states, accelerators, capture and hover behave as
// with a real user; --post puts the window messages straight into the
// window's queue instead.
#include <cctype>
#include <cstdio>

#include "tools/robot/robot.h"

namespace robot {
namespace {

constexpr DWORD kForegroundWaitMs = 1000;
constexpr DWORD kSettleMs = 30;
constexpr DWORD kDefaultHoldMs = 50;

struct KeyName {
  const char* name;
  WORD vk;
};
constexpr KeyName kKeyNames[] = {
    {"BACK", VK_BACK},       {"TAB", VK_TAB},         {"RETURN", VK_RETURN},     {"ENTER", VK_RETURN},
    {"SHIFT", VK_SHIFT},     {"CONTROL", VK_CONTROL}, {"MENU", VK_MENU},         {"PAUSE", VK_PAUSE},
    {"ESCAPE", VK_ESCAPE},   {"ESC", VK_ESCAPE},      {"SPACE", VK_SPACE},       {"PRIOR", VK_PRIOR},
    {"PGUP", VK_PRIOR},      {"NEXT", VK_NEXT},       {"PGDN", VK_NEXT},         {"END", VK_END},
    {"HOME", VK_HOME},       {"LEFT", VK_LEFT},       {"UP", VK_UP},             {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},       {"INSERT", VK_INSERT},   {"DELETE", VK_DELETE},     {"MULTIPLY", VK_MULTIPLY},
    {"ADD", VK_ADD},         {"SUBTRACT", VK_SUBTRACT}, {"DECIMAL", VK_DECIMAL}, {"DIVIDE", VK_DIVIDE},
    {"OEM_1", VK_OEM_1},     {"OEM_PLUS", VK_OEM_PLUS}, {"OEM_COMMA", VK_OEM_COMMA},
    {"OEM_MINUS", VK_OEM_MINUS}, {"OEM_PERIOD", VK_OEM_PERIOD}, {"OEM_2", VK_OEM_2},
};

// Keys whose scan code has the extended prefix.
bool is_extended(WORD vk) {
  return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE;
}

struct Key {
  WORD vk = 0;
  bool shift = false;
  bool control = false;
  bool alt = false;
};

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A name (F5, PGUP, NUMPAD3, VK_UP), a single character (as typed on the
// keyboard layout, shift included) or a virtual-key number (0x41, 65).
std::optional<Key> parse_key(const std::string& text) {
  Key key;
  if (text.size() == 1) {
    const SHORT scan = VkKeyScanA(text[0]);
    if (scan == -1) return std::nullopt;
    key.vk = LOBYTE(scan);
    key.shift = (HIBYTE(scan) & 1) != 0;
    key.control = (HIBYTE(scan) & 2) != 0;
    key.alt = (HIBYTE(scan) & 4) != 0;
    return key;
  }
  std::string name = upper(text);
  if (name.compare(0, 3, "VK_") == 0) name.erase(0, 3);
  for (const KeyName& entry : kKeyNames) {
    if (name == entry.name) {
      key.vk = entry.vk;
      return key;
    }
  }
  if (name.size() >= 2 && name[0] == 'F') {
    if (const auto n = parse_number(name.substr(1)); n && *n >= 1 && *n <= 24) {
      key.vk = static_cast<WORD>(VK_F1 + *n - 1);
      return key;
    }
  }
  if (name.size() == 7 && name.compare(0, 6, "NUMPAD") == 0 && std::isdigit(static_cast<unsigned char>(name[6]))) {
    key.vk = static_cast<WORD>(VK_NUMPAD0 + (name[6] - '0'));
    return key;
  }
  if (const auto n = parse_number(text); n && *n > 0 && *n < 256) {
    key.vk = static_cast<WORD>(*n);
    return key;
  }
  return std::nullopt;
}

bool add_modifiers(Key& key, const std::string& text) {
  if (text == "-" || text.empty()) return true;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t plus = text.find('+', start);
    const std::string part = upper(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
    if (part == "CTRL" || part == "CONTROL") {
      key.control = true;
    } else if (part == "ALT") {
      key.alt = true;
    } else if (part == "SHIFT") {
      key.shift = true;
    } else {
      return false;
    }
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  return true;
}

bool bring_to_foreground(HWND window) {
  const DWORD start = GetTickCount();
  while (GetForegroundWindow() != window) {
    SetForegroundWindow(window);
    if (GetTickCount() - start >= kForegroundWaitMs) return false;
    Sleep(10);
  }
  return true;
}

INPUT key_input(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (is_extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

int send_key_input(HWND window, const Key& key) {
  if (!bring_to_foreground(window)) return fail("the window did not become the foreground window");
  std::vector<INPUT> inputs;
  if (key.control) inputs.push_back(key_input(VK_CONTROL, false));
  if (key.alt) inputs.push_back(key_input(VK_MENU, false));
  if (key.shift) inputs.push_back(key_input(VK_SHIFT, false));
  inputs.push_back(key_input(key.vk, false));
  inputs.push_back(key_input(key.vk, true));
  if (key.shift) inputs.push_back(key_input(VK_SHIFT, true));
  if (key.alt) inputs.push_back(key_input(VK_MENU, true));
  if (key.control) inputs.push_back(key_input(VK_CONTROL, true));
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    return fail("SendInput refused the key");
  }
  Sleep(kSettleMs);
  return kOk;
}

// Only the key itself is posted; a posted message does not change the
// receiver's key state, so modifiers show only as the WM_SYSKEY* form for Alt.
int post_key(HWND window, const Key& key) {
  const UINT scan = MapVirtualKeyA(key.vk, MAPVK_VK_TO_VSC);
  const LPARAM down = static_cast<LPARAM>(1 | (scan << 16) | (is_extended(key.vk) ? 1u << 24 : 0) |
                                          (key.alt ? 1u << 29 : 0));
  const LPARAM up = static_cast<LPARAM>(static_cast<UINT>(down) | (1u << 30) | (1u << 31));
  const UINT down_message = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up_message = key.alt ? WM_SYSKEYUP : WM_KEYUP;
  if (PostMessageA(window, down_message, key.vk, down) == FALSE ||
      PostMessageA(window, up_message, key.vk, up) == FALSE) {
    return fail("the post failed");
  }
  return kOk;
}

INPUT mouse_input(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

int press_key(const Invocation& call) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  auto key = parse_key(call.args[2]);
  if (!key) return fail("unknown key: " + call.args[2]);
  if (!add_modifiers(*key, call.arg_or(3, "-"))) return fail("unknown modifiers: " + call.args[3]);
  return call.has_flag("--post") ? post_key(window, *key) : send_key_input(window, *key);
}

int click(const Invocation& call) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  const int x = static_cast<int>(number_arg(call, 2, 0));
  const int y = static_cast<int>(number_arg(call, 3, 0));
  const DWORD hold = static_cast<DWORD>(number_arg(call, 4, kDefaultHoldMs));

  if (call.has_flag("--post")) {
    const LPARAM point = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, point);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Sleep(hold);
    PostMessageA(window, WM_LBUTTONUP, 0, point);
    return kOk;
  }

  POINT screen{x, y};
  ClientToScreen(window, &screen);
  // A real click lands on whatever is at that point; say so when it is not
  // this window (covered, outside its region, or hidden).
  const HWND hit = WindowFromPoint(screen);
  if (hit == nullptr || GetAncestor(hit, GA_ROOT) != GetAncestor(window, GA_ROOT)) {
    return fail("the point (" + std::to_string(x) + ", " + std::to_string(y) + ") is not on the window" +
                (hit != nullptr ? " but on \"" + window_class_name(hit) + "\" \"" + window_text(hit) + "\"" : ""));
  }
  SetCursorPos(screen.x, screen.y);
  Sleep(kSettleMs);
  INPUT down = mouse_input(MOUSEEVENTF_LEFTDOWN);
  if (SendInput(1, &down, sizeof down) != 1) return fail("SendInput refused the button press");
  Sleep(hold);
  INPUT up = mouse_input(MOUSEEVENTF_LEFTUP);
  SendInput(1, &up, sizeof up);
  Sleep(kSettleMs);
  return kOk;
}

}  // namespace robot
