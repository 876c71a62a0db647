#pragma once
// Plain value types the panel exchanges with the platform: window ids,
// geometry, window messages and the Windows numbers that travel with them.
//
// The numbers are the documented Win32 values, so the win32 backend passes
// them through unchanged. They live in namespaces with k-names rather than as
// WM_COMMAND and friends, which <windows.h> defines as macros.
#include <compare>
#include <cstdint>

namespace zel::platform {

// A window handle. Zero is "no window", as a null HWND.
struct WindowId {
  std::uintptr_t value = 0;

  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr auto operator<=>(const WindowId&, const WindowId&) = default;
};

inline constexpr WindowId kNoWindow{};

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Left/top inclusive, right/bottom exclusive, as a Win32 RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  static constexpr Rect from_origin(Point origin, Size size) {
    return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// One window message as a window procedure receives it. wparam and lparam are
// pointer-sized, as on Windows; the panel's own traffic only uses their low
// 32 bits.
struct Message {
  std::uint32_t id = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
  friend constexpr bool operator==(const Message&, const Message&) = default;
};

namespace wm {
inline constexpr std::uint32_t kNull = 0;
inline constexpr std::uint32_t kCreate = 1;
inline constexpr std::uint32_t kDestroy = 2;
inline constexpr std::uint32_t kPaint = 15;
inline constexpr std::uint32_t kClose = 16;
inline constexpr std::uint32_t kQuit = 18;
inline constexpr std::uint32_t kNotify = 78;
inline constexpr std::uint32_t kKeyDown = 256;
inline constexpr std::uint32_t kCommand = 273;
inline constexpr std::uint32_t kTimer = 275;
inline constexpr std::uint32_t kMouseMove = 512;
inline constexpr std::uint32_t kLButtonDown = 513;
inline constexpr std::uint32_t kLButtonUp = 514;
inline constexpr std::uint32_t kLButtonDblClk = 515;
inline constexpr std::uint32_t kRButtonDown = 516;
inline constexpr std::uint32_t kDeviceChange = 537;
inline constexpr std::uint32_t kHotKey = 786;
inline constexpr std::uint32_t kUser = 1024;
}  // namespace wm

// A WM_COMMAND carrying a 16-bit command number (high word of wparam 0) and a
// 32-bit signed argument.
constexpr Message command_message(std::uint16_t command, std::int32_t argument) {
  return {wm::kCommand, command, argument};
}
// The receiving side reads only the low 16 bits of wparam.
constexpr std::uint16_t command_of(const Message& m) {
  return static_cast<std::uint16_t>(m.wparam & 0xFFFFu);
}
constexpr std::int32_t argument_of(const Message& m) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uintptr_t>(m.lparam)));
}
constexpr std::uint16_t low_word(std::int32_t value) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

// ShowWindow commands.
enum class Show : int {
  kHide = 0,
  kShowNormal = 1,
  kShowMinimized = 2,
  kShow = 5,
  kMinimize = 6,
  kRestore = 9,
};

// Window styles used by the panel.
namespace ws {
inline constexpr std::uint32_t kPopup = 0x80000000u;
}

// Hot-key modifier bits and the virtual keys the panel registers or maps.
namespace hotkey {
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kVkF4 = 115;
}  // namespace hotkey

}  // namespace zel::platform
