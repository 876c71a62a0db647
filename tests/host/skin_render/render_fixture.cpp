#include "tests/host/skin_render/render_fixture.h"

#include <map>
#include <tuple>

#include "panel/platform/sim/call_diff.h"
#include "panel/skin/window_keys.h"

namespace zel::skin::test {

namespace {

constexpr const char* kRoleNames[] = {"normal", "hover", "pressed", "sheet"};

}  // namespace

int tag_of(int set, SurfaceRole role) { return (set - 1) * 4 + static_cast<int>(role) + 1; }

std::uint32_t pattern_pixel(int tag, int x, int y) {
  return (static_cast<std::uint32_t>(tag) << 20) | (static_cast<std::uint32_t>(y) << 10) |
         static_cast<std::uint32_t>(x);
}

Image pattern_image(int tag, Size size) {
  Image image(size.width, size.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) image.set(x, y, pattern_pixel(tag, x, y));
  }
  return image;
}

std::string describe_pixel(std::uint32_t pixel) {
  if (pixel == platform::sim::kUnpainted) return "unpainted";
  const int tag = static_cast<int>(pixel >> 20);
  if (tag < 1 || tag > 12) return "pixel " + std::to_string(pixel);
  const int set = (tag - 1) / 4 + 1;
  return std::string(kRoleNames[(tag - 1) % 4]) + " " + std::to_string(set) + " (" +
         std::to_string(pixel & 0x3FF) + ", " + std::to_string((pixel >> 10) & 0x3FF) + ")";
}

namespace {

// Encoding the pictures is most of a test's time, so each is made once.
const std::vector<std::uint8_t>& pattern_file(int tag, Size size) {
  static std::map<std::tuple<int, int, int>, std::vector<std::uint8_t>> files;
  auto& bytes = files[{tag, size.width, size.height}];
  if (bytes.empty()) bytes = platform::sim::write_bmp(pattern_image(tag, size));
  return bytes;
}

}  // namespace

void put_skin_set(platform::sim::SimDrawing& drawing, int set) {
  const std::string folder = std::string(kInstallDirectory) + "\\panelbmp" + std::to_string(set);
  const auto default_value = [](WindowKey key) {
    return kWindowKeys[static_cast<std::size_t>(key)].key.fallback;
  };
  for (const WingStateRow& row : kWingStates) {
    const auto paths = skin_bitmap_paths(folder, row.state);
    const Size picture{default_value(row.width), default_value(row.height)};
    drawing.put_file((*paths)[0], pattern_file(tag_of(set, SurfaceRole::kNormal), picture));
    drawing.put_file((*paths)[1], pattern_file(tag_of(set, SurfaceRole::kHover), picture));
    drawing.put_file((*paths)[2], pattern_file(tag_of(set, SurfaceRole::kPressed), picture));
    drawing.put_file((*paths)[3], pattern_file(tag_of(set, SurfaceRole::kSheet), kSheetSize));
  }
}

::testing::AssertionResult shows_pixels(const Image* picture, const Rect& where,
                                        const std::function<std::uint32_t(int, int)>& expected) {
  if (picture == nullptr) return ::testing::AssertionFailure() << "no picture";
  for (int y = where.top; y < where.bottom; ++y) {
    for (int x = where.left; x < where.right; ++x) {
      if (!picture->contains(x, y)) {
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is outside the picture";
      }
      const std::uint32_t want = expected(x, y);
      const std::uint32_t actual = picture->at(x, y);
      if (actual != want) {
        return ::testing::AssertionFailure()
               << "at (" << x << ", " << y << "): expected " << describe_pixel(want) << ", got "
               << describe_pixel(actual);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult shows(const Image* picture, const Rect& where, int tag, Point source) {
  return shows_pixels(picture, where, [&](int x, int y) {
    return pattern_pixel(tag, source.x + (x - where.left), source.y + (y - where.top));
  });
}

::testing::AssertionResult shows_itself(const Image* picture, const Rect& where, int tag) {
  return shows(picture, where, tag, {where.left, where.top});
}

RenderTest::RenderTest()
    : process(desktop.add_process("panel")),
      drawing(desktop),
      context(desktop.file(kSkinPath), desktop.file(kSettingsPath)),
      hooks(process.platform(), drawing.drawing(), context,
            [this](std::string line) { trace.push_back(std::move(line)); }) {
  desktop.win_ini().load("[AP]\n222APDirectory=C:\\ZEL\n");
  process.register_window_class({"Zentavio Driftcam", 0, 0, 0, ""});
  process.register_window_class({"ListClass", 0, 0, 0, ""});
  panel = process.create_window(
      platform::WindowSpec{0, "Zentavio Driftcam", "Panel", platform::ws::kPopup,
                           Rect::from_origin({239, 552}, {547, 176}), platform::kNoWindow},
      handler_);
  context.state().panelWindow = panel;
}

void RenderTest::load(int wing_state) {
  hooks.load_skin_layout();
  hooks.load_skin_bitmaps(wing_state, 1);
}

std::string copy(std::string_view from, const Rect& source, std::string_view to, Point at) {
  return platform::sim::copy_line(
      platform::sim::CopyRecord{std::string(from), source, std::string(to), at, false});
}

void expect_lines(const char* file, int line, const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected) {
  const std::string diff = platform::sim::diff_calls(expected, actual);
  if (!diff.empty()) {
    ADD_FAILURE_AT(file, line) << "recorded lines differ from the expected ones:\n" << diff;
  }
}

}  // namespace zel::skin::test
