// The win32 backend of the panel's seam against the real user32 under Wine,
// and the resources of the built ZEL.exe against the numbers the core uses.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "panel/core/commands.h"
#include "panel/platform/win32/win32_platform.h"

namespace zel {
namespace {

using platform::Message;
using platform::WindowId;
namespace win32 = platform::win32;

std::string own_folder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\'));
}

// ZEL.exe beside this program, loaded for its resources only.
class ZelResources {
 public:
  ZelResources()
      : module_(LoadLibraryExA((own_folder() + "\\ZEL.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ZelResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  HINSTANCE module() const { return module_; }

 private:
  HMODULE module_;
};

constexpr UINT kTestMessage = WM_USER + 5;
constexpr UINT kQuitMessage = WM_USER + 6;
constexpr std::intptr_t kTestResult = 4242;

// Records every message; answers kTestMessage itself, ends the loop on
// kQuitMessage, leaves everything else to the default window procedure.
class RecordingHandler final : public platform::WindowHandler {
 public:
  explicit RecordingHandler(platform::WindowSystem& windows) : windows_(windows) {}

  std::optional<std::intptr_t> handle(WindowId self, const Message& message) override {
    if (message.id == WM_CREATE || message.id == WM_TIMER || message.id == WM_COMMAND ||
        message.id == WM_SYSCHAR || message.id == kTestMessage ||
        message.id == kQuitMessage || message.id == WM_DESTROY) {
      seen.push_back(message);
    }
    self_ = self;
    if (message.id == kTestMessage) return kTestResult;
    if (message.id == kQuitMessage) {
      windows_.post_quit(static_cast<int>(message.wparam));
      return 0;
    }
    return std::nullopt;
  }

  std::vector<Message> seen;

 private:
  platform::WindowSystem& windows_;
  WindowId self_;
};

class Win32Backend : public ::testing::Test {
 protected:
  Win32Backend() : backend(GetModuleHandleA(nullptr)), bundle(backend.platform()), handler(bundle.windows) {}

  WindowId make_window(const char* class_name) {
    EXPECT_TRUE(bundle.windows.register_window_class({class_name, 0, 0, 0, ""}));
    return bundle.windows.create_window({0, class_name, "Test", platform::ws::kPopup, {10, 20, 110, 70}, {}},
                                       handler);
  }

  win32::Win32Platform backend;
  platform::Platform bundle;
  RecordingHandler handler;
};

TEST_F(Win32Backend, WindowMessagesReachTheHandlerAndTheRestTheDefaultProcedure) {
  const WindowId window = make_window("ZelTestWindowA");
  ASSERT_TRUE(window);
  ASSERT_EQ(handler.seen.size(), 1u) << "WM_CREATE reaches the handler inside create_window";
  EXPECT_EQ(handler.seen[0].id, static_cast<std::uint32_t>(WM_CREATE));

  RECT rect;
  GetWindowRect(win32::to_hwnd(window), &rect);
  EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
            (std::vector<LONG>{10, 20, 110, 70}));
  EXPECT_EQ(bundle.windows.find_window("ZelTestWindowA", "Test"), window);
  EXPECT_EQ(bundle.windows.find_window(std::nullopt, "Test"), window);
  EXPECT_FALSE(bundle.windows.find_window("ZelTestWindowA", "Other"));

  EXPECT_EQ(bundle.windows.send_message(window, {kTestMessage, 0x12345u, -7}), kTestResult);
  EXPECT_EQ(handler.seen.back(), (Message{kTestMessage, 0x12345u, -7}));

  // WM_SETTEXT is not the handler's: the default procedure stores the text.
  static const char kText[] = "Renamed";
  bundle.windows.send_message(window, {WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(kText)});
  EXPECT_EQ(bundle.windows.find_window("ZelTestWindowA", "Renamed"), window);

  EXPECT_FALSE(bundle.windows.show_window(window, platform::Show::kShow));
  EXPECT_TRUE(IsWindowVisible(win32::to_hwnd(window)));
  EXPECT_TRUE(bundle.windows.show_window(window, platform::Show::kHide));

  bundle.windows.set_z_band(window, platform::ZBand::kTopmost);
  EXPECT_TRUE(GetWindowLongA(win32::to_hwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST);
  bundle.windows.set_z_band(window, platform::ZBand::kNormal);
  EXPECT_FALSE(GetWindowLongA(win32::to_hwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST);

  // WM_CLOSE is left to the default procedure, which destroys the window.
  bundle.windows.send_message(window, {WM_CLOSE, 0, 0});
  EXPECT_FALSE(IsWindow(win32::to_hwnd(window)));
  EXPECT_EQ(handler.seen.back().id, static_cast<std::uint32_t>(WM_DESTROY));
  EXPECT_EQ(bundle.windows.send_message(window, {kTestMessage, 0, 0}), 0) << "a window that is gone";
}

TEST_F(Win32Backend, TheLoopTranslatesAcceleratorsForTheAddressedWindowAndDispatchesTheRest) {
  ZelResources zel;
  ASSERT_NE(zel.module(), nullptr) << "ZEL.exe beside the test program";
  win32::Win32MessageLoop loop(zel.module());
  ASSERT_TRUE(loop.load_accelerators(core::resources::kAccelerators));

  const WindowId window = make_window("ZelTestWindowB");
  ASSERT_TRUE(window);
  handler.seen.clear();
  // Alt held, as the key state the system keeps for the thread: accelerators
  // are matched against it, not against the posted message.
  BYTE keys[256] = {};
  ASSERT_TRUE(GetKeyboardState(keys));
  BYTE alt_down[256];
  std::copy(std::begin(keys), std::end(keys), alt_down);
  alt_down[VK_MENU] = 0x80;
  ASSERT_TRUE(SetKeyboardState(alt_down));
  constexpr std::intptr_t kAltContext = 1 << 29;
  bundle.windows.post_message(window, {WM_SYSCHAR, '/', kAltContext});
  bundle.windows.post_message(window, {WM_SYSCHAR, 'x', kAltContext});
  bundle.windows.post_message(window, {WM_SYSCHAR, '?', kAltContext});
  EXPECT_TRUE(bundle.windows.post_message(platform::kNoWindow, {kTestMessage, 0, 0}))
      << "a thread message, dispatched to no window";
  bundle.windows.post_message(window, {kQuitMessage, 7, 0});
  EXPECT_EQ(loop.run(), 7);
  SetKeyboardState(keys);

  // An accelerator's WM_COMMAND carries 1 in the high word of wparam.
  const std::vector<Message> expected = {
      {WM_COMMAND, 0x10000u | 40002u, 0},
      {WM_SYSCHAR, 'x', kAltContext},
      {WM_COMMAND, 0x10000u | 40002u, 0},
      {kQuitMessage, 7, 0},
  };
  EXPECT_EQ(handler.seen, expected);
  bundle.windows.destroy_window(window);
}

void CALLBACK end_loop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(3); }

TEST_F(Win32Backend, TimersTickThroughTheLoopUntilKilled) {
  const WindowId window = make_window("ZelTestWindowC");
  ASSERT_TRUE(window);
  handler.seen.clear();
  ASSERT_TRUE(bundle.timers.set_timer(window, 222, 10));
  // Ends the loop after the first tick has had time to come.
  const UINT_PTR stop = SetTimer(nullptr, 0, 200, end_loop);
  EXPECT_EQ(bundle.loop.run(), 3);
  KillTimer(nullptr, stop);
  ASSERT_FALSE(handler.seen.empty());
  EXPECT_EQ(handler.seen.front(), (Message{WM_TIMER, 222, 0}));
  EXPECT_TRUE(bundle.timers.kill_timer(window, 222));
  EXPECT_FALSE(bundle.timers.kill_timer(window, 222));
  bundle.windows.destroy_window(window);
}

// Counts what reaches it.
class CountingHandler final : public platform::WindowHandler {
 public:
  std::optional<std::intptr_t> handle(WindowId, const Message& message) override {
    ++count;
    if (message.id == kTestMessage) return kTestResult;
    return std::nullopt;
  }
  int count = 0;
};

TEST(Win32BackendLifetime, WindowsOutlivingTheBackendGoToTheDefaultProcedure) {
  CountingHandler handler;
  HWND window = nullptr;
  {
    win32::Win32Platform backend(GetModuleHandleA(nullptr));
    platform::Platform bundle = backend.platform();
    ASSERT_TRUE(bundle.windows.register_window_class({"ZelTestWindowD", 0, 0, 0, ""}));
    window = win32::to_hwnd(bundle.windows.create_window({0, "ZelTestWindowD", "Test", 0, {}, {}}, handler));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, kTestMessage, 0, 0), kTestResult);
  }
  const int count = handler.count;
  EXPECT_EQ(SendMessageA(window, kTestMessage, 0, 0), 0);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_EQ(handler.count, count) << "no message after the backend is gone";
}

TEST(Win32Services, PowerSwitchesAndProcessCallsPassThrough) {
  win32::Win32Platform backend(GetModuleHandleA(nullptr));
  platform::Platform bundle = backend.platform();

  // The low-power switch reads back at once (the screen saver's may not).
  const int before = bundle.power.get_active(platform::PowerFeature::kLowPower);
  for (int value : {1, 0}) {
    EXPECT_TRUE(bundle.power.set_active(platform::PowerFeature::kLowPower, value));
    EXPECT_EQ(bundle.power.get_active(platform::PowerFeature::kLowPower), value);
  }
  bundle.power.set_active(platform::PowerFeature::kLowPower, before);

  const std::string folder = bundle.process.current_directory();
  EXPECT_TRUE(bundle.process.set_current_directory("C:\\windows"));
  EXPECT_EQ(bundle.process.current_directory(), "C:\\windows");
  EXPECT_FALSE(bundle.process.set_current_directory("C:\\no such folder"));
  EXPECT_TRUE(bundle.process.set_current_directory(folder));
  EXPECT_EQ(bundle.process.win_exec("C:\\windows\\no such program.exe", platform::Show::kHide), 2u);
}

TEST(ZelResourcesTest, IconCursorAndAcceleratorsAreTheOnesTheCoreNames) {
  ZelResources zel;
  ASSERT_NE(zel.module(), nullptr) << "ZEL.exe beside the test program";

  const auto icon = static_cast<HICON>(
      LoadImageA(zel.module(), MAKEINTRESOURCEA(core::resources::kPanelIcon), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) DestroyIcon(icon);

  const auto cursor = static_cast<HCURSOR>(
      LoadImageA(zel.module(), MAKEINTRESOURCEA(core::resources::kArrowCursor), IMAGE_CURSOR, 32, 32, 0));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 0u) << "an arrow points with its tip";
  EXPECT_EQ(info.yHotspot, 0u);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DestroyCursor(cursor);

  const HACCEL table = LoadAcceleratorsA(zel.module(), MAKEINTRESOURCEA(core::resources::kAccelerators));
  ASSERT_NE(table, nullptr);
  ACCEL entries[8] = {};
  const int count = CopyAcceleratorTableA(table, entries, 8);
  ASSERT_EQ(count, static_cast<int>(std::size(core::kAcceleratorTable)));
  for (int i = 0; i < count; ++i) {
    const core::Accelerator& expected = core::kAcceleratorTable[i];
    SCOPED_TRACE("entry " + std::to_string(i));
    EXPECT_EQ(entries[i].key, static_cast<WORD>(expected.key));
    EXPECT_EQ(entries[i].cmd, expected.command);
    // A typed character (no FVIRTKEY) with Alt and nothing else.
    EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FALT | FCONTROL | FSHIFT), expected.alt ? FALT : 0);
  }
  DestroyAcceleratorTable(table);
}

}  // namespace
}  // namespace zel
