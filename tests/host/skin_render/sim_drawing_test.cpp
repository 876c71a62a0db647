// The simulated surfaces: files by Windows path, copies cut to both pictures,
// and the record tests compare.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/host/skin_render/render_fixture.h"

namespace zel::skin::test {
namespace {

using platform::SurfaceId;
using platform::sim::kUnpainted;
using platform::sim::SimDrawing;

class SimDrawingTest : public ::testing::Test {
 protected:
  SurfaceId load(const char* path, int tag, Size size) {
    drawing.put_bitmap(path, pattern_image(tag, size));
    return drawing.load_bitmap(platform::kNoWindow, path);
  }

  platform::sim::Desktop desktop;
  SimDrawing drawing{desktop};
};

TEST_F(SimDrawingTest, CopiesOnlyWhatLiesInsideBothPictures) {
  struct Case {
    const char* what;
    Rect source;
    Point at;
    Rect changed;  // in the destination
    Point from;    // where the changed part comes from in the source
  };
  const Case cases[] = {
      {"inside both", {2, 3, 6, 5}, {1, 1}, {1, 1, 5, 3}, {2, 3}},
      {"source above and left of the picture", {-2, -2, 2, 2}, {5, 5}, {7, 7, 9, 9}, {0, 0}},
      {"source below and right of the picture", {8, 8, 13, 13}, {0, 0}, {0, 0, 2, 2}, {8, 8}},
      {"destination beyond the right and top", {0, 0, 4, 4}, {8, -1}, {8, 0, 10, 3}, {0, 1}},
      {"source wholly outside", {10, 0, 14, 4}, {0, 0}, {0, 0, 0, 0}, {0, 0}},
      {"empty rectangle", {3, 3, 3, 8}, {0, 0}, {0, 0, 0, 0}, {0, 0}},
      {"inverted rectangle", {5, 5, 2, 2}, {0, 0}, {0, 0, 0, 0}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SurfaceId from = load("C:\\a.bmp", 1, {10, 10});
    const SurfaceId to = load("C:\\b.bmp", 2, {10, 10});
    drawing.copy(from, c.source, to, c.at);
    EXPECT_TRUE(shows_pixels(drawing.surface_image(to), {0, 0, 10, 10}, [&](int x, int y) {
      const bool changed =
          x >= c.changed.left && x < c.changed.right && y >= c.changed.top && y < c.changed.bottom;
      return changed ? pattern_pixel(1, c.from.x + x - c.changed.left, c.from.y + y - c.changed.top)
                     : pattern_pixel(2, x, y);
    }));
    drawing.release_surface(from);
    drawing.release_surface(to);
  }
  EXPECT_EQ(drawing.live_surfaces(), 0u);
}

TEST_F(SimDrawingTest, CopiesWithinOnePictureAsIfReadFirst) {
  const SurfaceId s = load("C:\\a.bmp", 1, {6, 1});
  drawing.copy(s, {0, 0, 4, 1}, s, {2, 0});
  const Image& result = *drawing.surface_image(s);
  for (int x = 2; x < 6; ++x) EXPECT_EQ(result.at(x, 0), pattern_pixel(1, x - 2, 0)) << x;
}

TEST_F(SimDrawingTest, WindowPictureStartsUnpaintedAndFollowsTheWindowSize) {
  platform::sim::Process& process = desktop.add_process("p");
  struct : platform::WindowHandler {
    std::optional<std::intptr_t> handle(platform::WindowId, const platform::Message&) override {
      return std::nullopt;
    }
  } handler;
  process.register_window_class({"C", 0, 0, 0, ""});
  const platform::WindowId window = process.create_window(
      {0, "C", "W", 0, Rect{100, 100, 104, 102}, platform::kNoWindow}, handler);
  const SurfaceId s = load("C:\\a.bmp", 1, {8, 8});
  drawing.copy_to_window(s, {0, 0, 2, 2}, window, {0, 0});
  const Image* picture = drawing.window_image(window);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width, 4);
  EXPECT_EQ(picture->at(1, 1), pattern_pixel(1, 1, 1));
  EXPECT_EQ(picture->at(3, 1), kUnpainted);

  drawing.resize_window(window, {6, 3});
  drawing.copy_to_window(s, {0, 0, 1, 1}, window, {5, 2});
  picture = drawing.window_image(window);
  EXPECT_EQ(picture->width, 6);
  EXPECT_EQ(picture->at(1, 1), pattern_pixel(1, 1, 1)) << "kept across the resize";
  EXPECT_EQ(picture->at(5, 2), pattern_pixel(1, 0, 0));
  EXPECT_EQ(drawing.window_rect(window), (Rect{100, 100, 106, 103}));

  drawing.invalidate_window(window);
  EXPECT_TRUE(drawing.needs_paint(window));
  drawing.begin_paint(window);
  drawing.end_paint(window);
  EXPECT_FALSE(drawing.needs_paint(window));
}

TEST_F(SimDrawingTest, FindsFilesWithoutRegardToCaseAndUnderMappedFolders) {
  load("C:\\Skin\\Panel.BMP", 1, {2, 2});
  EXPECT_TRUE(drawing.load_bitmap(platform::kNoWindow, "c:/skin/panel.bmp"));
  EXPECT_FALSE(drawing.load_bitmap(platform::kNoWindow, "C:\\Skin\\missing.bmp"));
  drawing.put_file("C:\\Skin\\broken.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_FALSE(drawing.load_bitmap(platform::kNoWindow, "C:\\Skin\\broken.bmp"));

  const std::filesystem::path host =
      std::filesystem::temp_directory_path() / ("sim_drawing_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(host / "panelbmp1");
  {
    const auto bytes = platform::sim::write_bmp(pattern_image(3, {3, 2}));
    std::ofstream out(host / "panelbmp1" / "otherbmp.bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  drawing.map_folder("D:\\Install\\", host.string());
  const SurfaceId mapped =
      drawing.load_bitmap(platform::kNoWindow, "D:\\INSTALL\\panelbmp1\\otherbmp.bmp");
  std::filesystem::remove_all(host);
  ASSERT_TRUE(mapped);
  EXPECT_EQ(*drawing.surface_image(mapped), pattern_image(3, {3, 2}));

  EXPECT_LINES(drawing.calls(), "LoadImage(C:\\Skin\\Panel.BMP) = Panel",
               "LoadImage(c:/skin/panel.bmp) = panel", "LoadImage(C:\\Skin\\missing.bmp) = null",
               "LoadImage(C:\\Skin\\broken.bmp) = null",
               "LoadImage(D:\\INSTALL\\panelbmp1\\otherbmp.bmp) = otherbmp");
}

}  // namespace
}  // namespace zel::skin::test
