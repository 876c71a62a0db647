// video.ex_, the TV program stand-in: the window "Zentavio Hovra" / "Tv". The
// window procedure decodes messages into calls on TvProgramCore; this file
// adds only what needs Windows: the panel lookup, the log file, the settings
// path from win.ini and the test card's painting.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "common/ini/ini_profile_store.h"
#include "companions/tvprogram/test_card.h"
#include "companions/tvprogram/tv_environment.h"
#include "companions/tvprogram/tv_program_core.h"
#include "companions/tvprogram/win32/tv_locations.h"
#include "panel/tuning/settings_keys.h"

namespace {

using namespace zel::tv;

constexpr int kCardWidth = 384;  // client area
constexpr int kCardHeight = 288;
// A TV window that is still closing when the panel starts the next TV program
// gets this long to go; if it stays, the new program leaves the card to it.
constexpr DWORD kPreviousInstanceWaitMs = 3000;

class Win32Host final : public TvHost {
 public:
  explicit Win32Host(std::string log_path) : log_path_(std::move(log_path)) {}

  void attach(HWND window) { window_ = window; }

  bool send_to_panel(std::uint16_t command, std::int32_t argument) override {
    const HWND panel = FindWindowA(kPanelWindowClass, kPanelWindowTitle);
    if (panel == nullptr) return false;
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(command, 0), static_cast<LPARAM>(argument));
    return true;
  }

  bool post_to_panel(std::uint16_t command, std::int32_t argument) override {
    const HWND panel = FindWindowA(kPanelWindowClass, kPanelWindowTitle);
    return panel != nullptr &&
           PostMessageA(panel, WM_COMMAND, MAKEWPARAM(command, 0), static_cast<LPARAM>(argument)) != FALSE;
  }

  // Opened and closed for each line, shared for reading and deleting, so that
  // tests can read and remove the log while the program runs.
  void append_log(std::string_view line) override {
    const HANDLE file = CreateFileA(log_path_.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text(line);
    text += '\n';
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }

  void tuning_changed() override {
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
  }

  void close_window() override { DestroyWindow(window_); }

 private:
  std::string log_path_;
  HWND window_ = nullptr;
};

struct TvWindow {
  TvWindow(const std::string& settings_path, const std::string& log_path, TvOptions options)
      : host(log_path), settings(settings_path), core(host, settings, options) {}

  Win32Host host;
  zel::IniProfileStore settings;
  TvProgramCore core;
  HFONT font = nullptr;
};

void paint_test_card(HWND window, const TvWindow& tv) {
  PAINTSTRUCT paint;
  const HDC screen = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;

  // Drawn off screen and copied in one piece, so a screenshot never catches half a card.
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width > 0 ? width : 1, height > 0 ? height : 1);
  const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);

  const int bars_bottom = height * 2 / 3;
  const int bar_count = static_cast<int>(kTestCardBars.size());
  for (int i = 0; i < bar_count; ++i) {
    const Rgb& colour = kTestCardBars[static_cast<std::size_t>(i)];
    const RECT bar{i * width / bar_count, 0, (i + 1) * width / bar_count, bars_bottom};
    const HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    FillRect(dc, &bar, brush);
    DeleteObject(brush);
  }
  RECT band{0, bars_bottom, width, height};
  FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

  const std::string caption = test_card_caption(tv.core.state());
  const HGDIOBJ old_font = SelectObject(dc, tv.font != nullptr ? tv.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &band,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);

  BitBlt(screen, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(window, &paint);
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* tv = reinterpret_cast<TvWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (tv == nullptr) return DefWindowProcA(window, message, wparam, lparam);

  switch (message) {
    case WM_COMMAND:
      tv->core.on_command(LOWORD(wparam), static_cast<std::int32_t>(lparam));
      return 0;
    case WM_CLOSE:
      tv->core.on_message(WindowMessage::kClose);
      return 0;
    case WM_LBUTTONDBLCLK:
      tv->core.on_message(WindowMessage::kLeftDoubleClick);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint_test_card(window, *tv);
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

bool previous_instance_gone() {
  for (DWORD waited = 0; FindWindowA(kTvWindowClass, kTvWindowTitle) != nullptr; waited += 50) {
    if (waited >= kPreviousInstanceWaitMs) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const EnvironmentLookup lookup = process_environment();
  const std::string settings_path = installed_settings_path();
  TvWindow tv(settings_path, log_file_path(lookup, settings_path), options_from_environment(lookup));
  if (!previous_instance_gone()) {
    tv.host.append_log(kDuplicateLogLine);
    return 0;
  }

  WNDCLASSA window_class = {};
  window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  window_class.lpszClassName = kTvWindowClass;
  if (RegisterClassA(&window_class) == 0) return 1;

  RECT frame{0, 0, kCardWidth, kCardHeight};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  const HWND window = CreateWindowExA(0, kTvWindowClass, kTvWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                      nullptr, nullptr, instance, &tv);
  if (window == nullptr) return 1;
  tv.font = CreateFontA(-22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
  tv.host.attach(window);

  // The start-up tuning is read and confirmed before the window can receive
  // anything from outside: no message is dispatched until the loop below.
  tv.core.start(show);
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (tv.font != nullptr) DeleteObject(tv.font);
  return static_cast<int>(message.wParam);
}
