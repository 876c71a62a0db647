// Answering message boxes: a visible dialog of class "#32770" whose text
// matches, its visible push buttons, and a button press as the dialog's own
// WM_COMMAND.
#include <cctype>
#include <cstdio>

#include "tools/robot/robot.h"

namespace robot {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kCloseWaitMs = 2000;
// The message text's control id in the system's message box template.
constexpr int kMessageTextId = 0xFFFF;

struct ButtonName {
  const char* name;
  int id;
};
constexpr ButtonName kButtonNames[] = {
    {"OK", IDOK},         {"Cancel", IDCANCEL}, {"Abort", IDABORT},     {"Retry", IDRETRY},
    {"Ignore", IDIGNORE}, {"Yes", IDYES},       {"No", IDNO},           {"Close", IDCLOSE},
    {"Help", IDHELP},     {"TryAgain", IDTRYAGAIN}, {"Continue", IDCONTINUE},
};

struct Button {
  HWND window;
  int id;
  std::string label;  // its text without the '&' marks
};

struct Box {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<Button> buttons;
};

std::string without_ampersands(std::string text) {
  std::string out;
  for (const char c : text) {
    if (c != '&') out += c;
  }
  return out;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Line ends as "\n", so that a text given on the command line compares.
std::string normalized(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    out += text[i];
  }
  return out;
}

BOOL CALLBACK collect_child(HWND child, LPARAM param) {
  auto* box = reinterpret_cast<Box*>(param);
  if (!IsWindowVisible(child)) return TRUE;
  const std::string kind = window_class_name(child);
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if (same_ignoring_case(kind, "Button")) {
    box->buttons.push_back({child, GetDlgCtrlID(child), without_ampersands(window_text(child))});
  } else if (same_ignoring_case(kind, "Static") && (style & SS_TYPEMASK) != SS_ICON && box->text.empty()) {
    box->text = window_text(child);
  }
  return TRUE;
}

Box read_box(HWND window) {
  Box box;
  box.window = window;
  box.caption = window_text(window);
  if (const HWND text = GetDlgItem(window, kMessageTextId)) box.text = window_text(text);
  EnumChildWindows(window, collect_child, reinterpret_cast<LPARAM>(&box));
  box.text = normalized(box.text);
  return box;
}

struct Search {
  std::string text;  // "-" for any box
  std::optional<Box> found;
};

BOOL CALLBACK find_box(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(window) || window_class_name(window) != "#32770") return TRUE;
  Box box = read_box(window);
  if (search->text != "-" && box.text != search->text) return TRUE;
  search->found = std::move(box);
  return FALSE;
}

std::string button_name(int id, const std::string& label) {
  for (const ButtonName& entry : kButtonNames) {
    if (entry.id == id) return entry.name;
  }
  return label;
}

const Button* choose_button(const Box& box, const std::string& wanted) {
  for (const ButtonName& entry : kButtonNames) {
    if (!same_ignoring_case(wanted, entry.name)) continue;
    for (const Button& button : box.buttons) {
      if (button.id == entry.id) return &button;
    }
  }
  for (const Button& button : box.buttons) {
    if (same_ignoring_case(button.label, wanted)) return &button;
  }
  if (const auto id = parse_number(wanted)) {
    for (const Button& button : box.buttons) {
      if (button.id == *id) return &button;
    }
  }
  return nullptr;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

int answer_box(const Invocation& call) {
  Search search{normalized(call.args[0]), std::nullopt};
  const std::string wanted = call.arg_or(1, "OK");
  const DWORD timeout = static_cast<DWORD>(number_arg(call, 2, kDefaultTimeoutMs));

  const DWORD start = GetTickCount();
  while (EnumWindows(find_box, reinterpret_cast<LPARAM>(&search)), !search.found) {
    if (GetTickCount() - start >= timeout) {
      std::fprintf(stderr, "robot: no message box with text \"%s\" after %lu ms\n", call.args[0].c_str(),
                   static_cast<unsigned long>(timeout));
      return kTimeout;
    }
    Sleep(kPollMs);
  }

  const Box& box = *search.found;
  std::string names;
  for (const Button& button : box.buttons) {
    if (!names.empty()) names += ',';
    names += button_name(button.id, button.label);
  }
  std::printf("caption=%s\ntext=%s\nbuttons=%s\n", box.caption.c_str(), escaped(box.text).c_str(),
              names.c_str());

  const Button* button = choose_button(box, wanted);
  if (button == nullptr) return fail("the message box has no button \"" + wanted + "\"");
  PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
               reinterpret_cast<LPARAM>(button->window));
  const DWORD pressed = GetTickCount();
  while (IsWindow(box.window) && IsWindowVisible(box.window)) {
    if (GetTickCount() - pressed >= kCloseWaitMs) return fail("the message box stayed open after the press");
    Sleep(kPollMs);
  }
  std::printf("pressed=%s\n", button_name(button->id, button->label).c_str());
  return kOk;
}

}  // namespace robot
