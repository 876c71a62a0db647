// A stand-in window with a given class and title that appends what it
// receives to a file, one line each:
//   cmd <command> <lParam> sent|posted         WM_COMMAND (command = low word of wParam)
//   msg <WM_NAME> <x> <y>                       mouse button messages, client coordinates
//   msg <WM_NAME> <wParam> <lParam>             keys, characters, WM_HOTKEY, WM_DEVICECHANGE
//   msg <number> <wParam> <lParam> sent|posted  messages from WM_USER up
//   msg WM_CLOSE                                then the window ends and the robot exits 0
// With x y w h it is a visible captioned window at that place, else hidden.
// It ends after timeout_ms (default 60000) with exit code 2.
#include <cstdio>

#include "tools/robot/robot.h"

namespace robot {
namespace {

constexpr UINT_PTR kLifetimeTimer = 1;
constexpr DWORD kDefaultLifetimeMs = 60000;

std::string g_record_path;
bool g_closed = false;

void record(const std::string& line) { append_line(g_record_path, line); }

std::string sender() { return InSendMessage() ? "sent" : "posted"; }

LRESULT CALLBACK listener_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      record("cmd " + std::to_string(LOWORD(wparam)) + " " + std::to_string(static_cast<long>(lparam)) + " " +
             sender());
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      record("msg " + message_name(message) + " " + std::to_string(static_cast<short>(LOWORD(lparam))) + " " +
             std::to_string(static_cast<short>(HIWORD(lparam))));
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_HOTKEY:
    case WM_DEVICECHANGE:
      record("msg " + message_name(message) + " " + std::to_string(static_cast<unsigned long>(wparam)) + " " +
             std::to_string(static_cast<long>(lparam)));
      // Not passed on: the default procedure would open the system menu on Alt.
      return message == WM_DEVICECHANGE ? TRUE : 0;
    case WM_TIMER:
      if (wparam == kLifetimeTimer) DestroyWindow(window);
      return 0;
    case WM_CLOSE:
      record("msg WM_CLOSE");
      g_closed = true;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message >= WM_USER && message < 0xC000) {
        record("msg " + std::to_string(message) + " " + std::to_string(static_cast<unsigned long>(wparam)) + " " +
               std::to_string(static_cast<long>(lparam)) + " " + sender());
        return 0;
      }
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int listen(const Invocation& call) {
  const std::string& class_name = call.args[0];
  const std::string& title = call.args[1];
  g_record_path = call.args[2];
  const DWORD lifetime = static_cast<DWORD>(number_arg(call, 3, kDefaultLifetimeMs));
  const bool shown = call.args.size() == 8;
  if (call.args.size() > 4 && !shown) return fail("listen takes x y w h together");

  // Start from an empty record, so that a reader sees only this run.
  const HANDLE file = CreateFileA(g_record_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return fail("cannot create " + g_record_path);
  CloseHandle(file);

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA window_class = {};
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = listener_procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = class_name.c_str();
  if (RegisterClassA(&window_class) == 0) return fail("cannot register the window class " + class_name);

  const DWORD style = shown ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE : WS_OVERLAPPED;
  const HWND window = CreateWindowExA(
      0, class_name.c_str(), title.c_str(), style, shown ? static_cast<int>(number_arg(call, 4, 0)) : 0,
      shown ? static_cast<int>(number_arg(call, 5, 0)) : 0, shown ? static_cast<int>(number_arg(call, 6, 0)) : 100,
      shown ? static_cast<int>(number_arg(call, 7, 0)) : 100, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return fail("cannot create the window");
  SetTimer(window, kLifetimeTimer, lifetime, nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return g_closed ? kOk : kTimeout;
}

}  // namespace robot
