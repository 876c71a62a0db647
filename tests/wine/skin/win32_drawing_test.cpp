// The win32 backend of the drawing seam against the real GDI, user32 and
// common controls under Wine: bitmaps from files, copies cut to their source,
// the paint bracket, window geometry and outlines, tooltips, ZEL.exe's
// cursors and the local clock.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "panel/platform/win32/win32_drawing.h"
#include "panel/platform/win32/win32_window_system.h"

namespace zel {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::SurfaceId;
using platform::WindowId;
namespace win32 = platform::win32;

std::string own_folder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\'));
}

// Every pixel of a test picture tells its place: red x, green y, blue the
// picture's tag.
COLORREF pattern(int tag, int x, int y) { return RGB(x, y, tag); }

// A 24-bit bottom-up BMP of `size` with pattern(tag) in a temporary file.
std::string write_pattern_bmp(const std::string& name, int tag, Size size) {
  const int row = (size.width * 3 + 3) & ~3;
  const DWORD image = static_cast<DWORD>(row * size.height);
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + image;
  info.biSize = sizeof info;
  info.biWidth = size.width;
  info.biHeight = size.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = image;
  std::vector<std::uint8_t> pixels(image, 0);
  for (int y = 0; y < size.height; ++y) {
    std::uint8_t* out = pixels.data() + static_cast<std::size_t>(size.height - 1 - y) * row;
    for (int x = 0; x < size.width; ++x) {
      const COLORREF c = pattern(tag, x, y);
      out[x * 3 + 0] = GetBValue(c);
      out[x * 3 + 1] = GetGValue(c);
      out[x * 3 + 2] = GetRValue(c);
    }
  }
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return path;
  std::fwrite(&file, sizeof file, 1, f);
  std::fwrite(&info, sizeof info, 1, f);
  std::fwrite(pixels.data(), 1, pixels.size(), f);
  std::fclose(f);
  return path;
}

// The first pixel of `where` in `dc` that is not expected(x, y), or "".
std::string first_wrong(HDC dc, const Rect& where, const std::function<COLORREF(int, int)>& expected) {
  for (int y = where.top; y < where.bottom; ++y) {
    for (int x = where.left; x < where.right; ++x) {
      const COLORREF got = GetPixel(dc, x, y);
      const COLORREF want = expected(x, y);
      if (got != want) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d) is %06lX, expected %06lX", x, y, got, want);
        return text;
      }
    }
  }
  return "";
}

// A window whose WM_PAINT runs a given function, so a test can paint through
// the backend's paint bracket.
class TestWindow {
 public:
  explicit TestWindow(const Rect& rect) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA window_class = {};
      window_class.lpfnWndProc = procedure;
      window_class.hInstance = GetModuleHandleA(nullptr);
      window_class.lpszClassName = "ZelDrawingTest";
      registered = RegisterClassA(&window_class) != 0;
    }
    hwnd_ = CreateWindowExA(0, "ZelDrawingTest", "drawing", WS_POPUP, rect.left, rect.top, rect.width(),
                            rect.height(), nullptr, nullptr, GetModuleHandleA(nullptr), this);
  }
  ~TestWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND hwnd() const { return hwnd_; }
  WindowId id() const { return win32::to_window_id(hwnd_); }

  std::function<void()> on_paint;
  int paints = 0;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && self != nullptr && self->on_paint) {
      ++self->paints;
      self->on_paint();
      return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }

  HWND hwnd_ = nullptr;
};

class Win32DrawingTest : public ::testing::Test {
 protected:
  Win32DrawingTest() : drawing(GetModuleHandleA(nullptr)) {}
  win32::Win32Drawing drawing;
};

TEST_F(Win32DrawingTest, BitmapsLoadAtTheirOwnSizeAndMissingFilesGiveNoSurface) {
  const std::string path = write_pattern_bmp("zel_drawing_a.bmp", 10, {40, 30});
  const SurfaceId a = drawing.load_bitmap(platform::kNoWindow, path);
  ASSERT_TRUE(a);
  EXPECT_EQ(drawing.surface_size(a), (Size{40, 30}));
  EXPECT_EQ(
      first_wrong(drawing.surface_dc(a), {0, 0, 40, 30}, [](int x, int y) { return pattern(10, x, y); }), "")
      << "the picture is the file's, pixel for pixel";

  EXPECT_FALSE(drawing.load_bitmap(platform::kNoWindow, "C:\\no such folder\\panel.bmp"));
  drawing.release_surface(a);
  EXPECT_EQ(drawing.surface_size(a), (Size{0, 0}));
  EXPECT_EQ(drawing.surface_dc(a), nullptr);
  DeleteFileA(path.c_str());
}

TEST_F(Win32DrawingTest, CopiesAreCutToTheSourceAndLeaveTheRestOfTheDestination) {
  const std::string path_a = write_pattern_bmp("zel_drawing_a.bmp", 10, {40, 30});
  const std::string path_b = write_pattern_bmp("zel_drawing_b.bmp", 20, {50, 40});
  const SurfaceId from = drawing.load_bitmap(platform::kNoWindow, path_a);
  const SurfaceId to = drawing.load_bitmap(platform::kNoWindow, path_b);
  ASSERT_TRUE(from && to);

  // (-5, 25)-(15, 35) of a 40 x 30 picture: only (0, 25)-(15, 30) exists; it
  // lands where it would have been, 5 to the right of `at`.
  drawing.copy(from, {-5, 25, 15, 35}, to, {10, 2});
  const Rect landed{15, 2, 30, 7};
  const HDC dc = drawing.surface_dc(to);
  EXPECT_EQ(first_wrong(dc, landed, [](int x, int y) { return pattern(10, x - 15, y - 2 + 25); }), "");
  EXPECT_EQ(first_wrong(dc, {0, 0, 50, 40},
                        [&](int x, int y) {
                          const bool in =
                              x >= landed.left && x < landed.right && y >= landed.top && y < landed.bottom;
                          return in ? pattern(10, x - 15, y - 2 + 25) : pattern(20, x, y);
                        }),
            "")
      << "nothing outside the copied part changes";

  // Copies from or to a surface that is gone draw nothing.
  drawing.release_surface(from);
  drawing.copy(from, {0, 0, 40, 30}, to, {0, 0});
  EXPECT_EQ(GetPixel(dc, 0, 0), pattern(20, 0, 0));
  drawing.release_surface(to);
  DeleteFileA(path_a.c_str());
  DeleteFileA(path_b.c_str());
}

TEST_F(Win32DrawingTest, CopiesToTheWindowShowAtOnceAndInsideThePaintBracket) {
  const std::string path = write_pattern_bmp("zel_drawing_a.bmp", 30, {64, 48});
  const SurfaceId picture = drawing.load_bitmap(platform::kNoWindow, path);
  ASSERT_TRUE(picture);
  TestWindow window({100, 100, 164, 148});
  ASSERT_NE(window.hwnd(), nullptr);
  window.on_paint = [&] {
    drawing.begin_paint(window.id());
    drawing.copy_to_window(picture, {0, 0, 64, 48}, window.id(), {0, 0});
    drawing.end_paint(window.id());
  };
  ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(window.hwnd());
  EXPECT_GE(window.paints, 1);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(window.hwnd(), &update, FALSE)) << "end_paint validated the window";

  HDC dc = GetDC(window.hwnd());
  EXPECT_EQ(first_wrong(dc, {0, 0, 64, 48}, [](int x, int y) { return pattern(30, x, y); }), "");
  ReleaseDC(window.hwnd(), dc);

  // Outside the bracket: straight onto the window, no paint message needed.
  const int paints = window.paints;
  drawing.copy_to_window(picture, {40, 30, 50, 40}, window.id(), {2, 3});
  dc = GetDC(window.hwnd());
  EXPECT_EQ(first_wrong(dc, {2, 3, 12, 13}, [](int x, int y) { return pattern(30, x - 2 + 40, y - 3 + 30); }),
            "");
  ReleaseDC(window.hwnd(), dc);
  EXPECT_EQ(window.paints, paints);

  // Invalidating asks for a paint without erasing.
  drawing.invalidate_window(window.id());
  EXPECT_TRUE(GetUpdateRect(window.hwnd(), &update, FALSE));
  UpdateWindow(window.hwnd());
  EXPECT_EQ(window.paints, paints + 1);
  dc = GetDC(window.hwnd());
  EXPECT_EQ(GetPixel(dc, 2, 3), pattern(30, 2, 3)) << "the paint copied the whole picture again";
  ReleaseDC(window.hwnd(), dc);
  drawing.release_surface(picture);
  DeleteFileA(path.c_str());
}

TEST_F(Win32DrawingTest, GeometryPlacesSizesAndShapesWindows) {
  TestWindow window({100, 120, 300, 220});
  ASSERT_NE(window.hwnd(), nullptr);
  EXPECT_EQ(drawing.window_rect(window.id()), (Rect{100, 120, 300, 220}));

  EXPECT_TRUE(drawing.resize_window(window.id(), {250, 80}));
  EXPECT_EQ(drawing.window_rect(window.id()), (Rect{100, 120, 350, 200})) << "resizing keeps the corner";
  EXPECT_TRUE(drawing.move_window(window.id(), {10, 20, 110, 70}, true));
  EXPECT_EQ(drawing.window_rect(window.id()), (Rect{10, 20, 110, 70}));

  const std::vector<Point> triangle{{0, 0}, {100, 0}, {0, 50}};
  ASSERT_TRUE(drawing.set_window_polygon(window.id(), triangle));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window.hwnd(), region), COMPLEXREGION);
  const POINT corners[] = {{0, 0}, {100, 0}, {0, 50}};
  HRGN expected = CreatePolygonRgn(corners, 3, WINDING);
  EXPECT_TRUE(EqualRgn(region, expected));

  // Points on one line make no outline: refused, the triangle stays.
  EXPECT_FALSE(drawing.set_window_polygon(window.id(), {{0, 0}, {10, 10}, {20, 20}}));
  EXPECT_FALSE(drawing.set_window_polygon(window.id(), {}));
  GetWindowRgn(window.hwnd(), region);
  EXPECT_TRUE(EqualRgn(region, expected));
  DeleteObject(expected);
  DeleteObject(region);

  const WindowId gone = window.id();
  DestroyWindow(window.hwnd());
  EXPECT_EQ(drawing.window_rect(gone), std::nullopt);
  EXPECT_FALSE(drawing.resize_window(gone, {10, 10}));
  EXPECT_FALSE(drawing.move_window(gone, {0, 0, 10, 10}, false));
  EXPECT_FALSE(drawing.set_window_polygon(gone, triangle));
}

TEST_F(Win32DrawingTest, TooltipsAreAnOwnerlessTopmostControlWithOneSubclassingToolPerButton) {
  TestWindow owner({0, 0, 200, 100});
  const WindowId control = drawing.create_tooltips({1000, 2500, 1000});
  ASSERT_TRUE(control);
  const HWND tips = win32::to_hwnd(control);
  char name[64] = {};
  GetClassNameA(tips, name, sizeof name);
  EXPECT_STREQ(name, "tooltips_class32");
  EXPECT_EQ(GetWindowLongA(tips, GWL_STYLE) & (WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX),
            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX);
  EXPECT_TRUE(GetWindowLongA(tips, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(tips, GW_OWNER), nullptr);
  EXPECT_EQ(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 1000);
  EXPECT_EQ(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 2500);
  EXPECT_EQ(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 1000);

  for (std::uint32_t i = 0; i < 48; ++i) {
    const int x = static_cast<int>(i % 8) * 20;
    ASSERT_TRUE(drawing.add_tool(control, {owner.id(), i, {x, 0, x + 13, 13}, "tip " + std::to_string(i)}));
  }
  EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 48);

  char text[80] = {};
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = owner.hwnd();
  info.uId = 37;
  info.lpszText = text;
  ASSERT_TRUE(SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_TRUE(info.uFlags & TTF_SUBCLASS);
  EXPECT_FALSE(info.uFlags & TTF_IDISHWND);
  EXPECT_EQ(info.rect.left, 100);
  EXPECT_EQ(info.rect.right, 113);
  EXPECT_STREQ(text, "tip 37");

  drawing.destroy_tooltips(control);
  EXPECT_FALSE(IsWindow(tips));
  EXPECT_FALSE(drawing.add_tool(control, {owner.id(), 0, {0, 0, 1, 1}, "late"}));
}

TEST(Win32DrawingCursors, ZelExeHasTheThreeCursorsOfTheSkinWithTheirHotSpots) {
  const HMODULE zel = LoadLibraryExA((own_folder() + "\\ZEL.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(zel, nullptr) << "ZEL.exe beside the test program";
  {
    win32::Win32Drawing drawing(zel);
    const struct {
      int id;
      DWORD hot_x, hot_y;
    } kCursors[] = {{132, 0, 0}, {135, 5, 0}, {136, 10, 10}};
    for (const auto& c : kCursors) {
      SCOPED_TRACE("cursor " + std::to_string(c.id));
      const platform::CursorId cursor = drawing.load_cursor(c.id);
      ASSERT_TRUE(cursor);
      ICONINFO info = {};
      ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(cursor.value), &info));
      EXPECT_FALSE(info.fIcon);
      EXPECT_EQ(info.xHotspot, c.hot_x);
      EXPECT_EQ(info.yHotspot, c.hot_y);
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    }
    EXPECT_FALSE(drawing.load_cursor(999));
    EXPECT_FALSE(drawing.load_cursor(0));
  }
  FreeLibrary(zel);
}

TEST_F(Win32DrawingTest, TheClockReadsTheLocalTime) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  const platform::LocalTime now = drawing.local_time();
  SYSTEMTIME after;
  GetLocalTime(&after);
  const int seconds = now.hour * 3600 + now.minute * 60 + now.second;
  const int from = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
  const int to = after.wHour * 3600 + after.wMinute * 60 + after.wSecond;
  // Across midnight the order wraps; then only the range matters.
  if (from <= to) {
    EXPECT_GE(seconds, from);
    EXPECT_LE(seconds, to);
  }
  EXPECT_LT(now.hour, 24);
  EXPECT_LT(now.minute, 60);
  EXPECT_LT(now.second, 60);
}

}  // namespace
}  // namespace zel
