#pragma once
// A panel window on the simulated desktop with the skin hooks drawing into
// it, and skin sets made of pattern pictures.
//
// Every pixel of a pattern picture tells where it came from: its picture's
// tag and its own coordinates. So comparing a window or surface region with
// the place a readout should have copied it from catches any wrong source,
// offset, size or order, and failures read "sheet 1 (148, 29)".
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panel/platform/sim/desktop.h"
#include "panel/platform/sim/sim_drawing.h"
#include "panel/skin/panel_context.h"
#include "panel/skin/skin_hooks.h"

namespace zel::skin::test {

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::sim::Image;

inline constexpr const char* kInstallDirectory = "C:\\ZEL";
inline constexpr const char* kSkinPath = "C:\\ZEL\\ZelPFile.ini";
inline constexpr const char* kSettingsPath = "C:\\ZEL\\ZelSFile.ini";
inline constexpr Size kSheetSize{320, 110};

// The tag of a picture of skin set `set` (1-3) in its role.
int tag_of(int set, SurfaceRole role);
std::uint32_t pattern_pixel(int tag, int x, int y);
Image pattern_image(int tag, Size size);
// "sheet 1 (148, 29)", "unpainted", ...
std::string describe_pixel(std::uint32_t pixel);

// Puts the thirteen bitmaps of set `set` under C:\ZEL\panelbmp<set>, each at
// the size of its wing state with the default layout.
void put_skin_set(platform::sim::SimDrawing& drawing, int set);

// Whether every pixel of `where` in `picture` is expected(x, y); names the
// first that is not.
::testing::AssertionResult shows_pixels(const Image* picture, const Rect& where,
                                        const std::function<std::uint32_t(int, int)>& expected);
// Whether `where` of `picture` shows the pattern picture `tag` from
// `source` on (its top-left corner); names the first pixel that differs.
::testing::AssertionResult shows(const Image* picture, const Rect& where, int tag, Point source);
// Whether `where` of `picture` is untouched: the same place of picture `tag`.
::testing::AssertionResult shows_itself(const Image* picture, const Rect& where, int tag);

class FakeContext final : public PanelContext {
 public:
  FakeContext(ProfileStore& skin, ProfileStore& settings) : skin_(skin), settings_(settings) {}

  core::PanelState& state() override { return state_; }
  ProfileStore& skin_file() override { return skin_; }
  ProfileStore& settings_file() override { return settings_; }
  void apply_topmost() override { events.push_back("apply_topmost"); }
  void post_to_tv(core::CommandId command, std::int32_t argument) override {
    events.push_back("post_to_tv(" + std::to_string(command) + ", " + std::to_string(argument) +
                     ")");
  }
  platform::WindowId channel_list_window() override { return list_window; }

  std::vector<std::string> events;
  platform::WindowId list_window;

 private:
  core::PanelState state_;
  ProfileStore& skin_;
  ProfileStore& settings_;
};

class RenderTest : public ::testing::Test {
 protected:
  RenderTest();

  // The layout of the skin file, then the bitmaps of `wing_state`.
  void load(int wing_state = kClosedWing);
  const Image* window() const { return drawing.window_image(panel); }
  const Image* surface(SurfaceRole role) const {
    return drawing.surface_image(hooks.surfaces().id(role));
  }
  const SkinLayout& layout() { return hooks.skin().layout(); }
  core::PanelState& state() { return context.state(); }
  platform::sim::MemoryProfileStore& skin_file() { return desktop.file(kSkinPath); }
  platform::sim::MemoryProfileStore& settings_file() { return desktop.file(kSettingsPath); }
  // The copies since the last clear, as lines.
  std::vector<std::string> copies() const { return drawing.copy_lines(); }

  platform::sim::Desktop desktop;
  platform::sim::Process& process;
  platform::sim::SimDrawing drawing;
  FakeContext context;
  std::vector<std::string> trace;
  SkinHooks hooks;
  platform::WindowId panel;

 private:
  struct NoHandler final : platform::WindowHandler {
    std::optional<std::intptr_t> handle(platform::WindowId, const platform::Message&) override {
      return std::nullopt;
    }
  } handler_;
};

// A rectangle by its corner and size.
constexpr Rect xywh(int x, int y, int w, int h) { return Rect::from_origin({x, y}, {w, h}); }

// A copy line as SimDrawing writes it.
std::string copy(std::string_view from, const Rect& source, std::string_view to, Point at);

// Compares recorded lines with the expected ones; prints a line diff.
void expect_lines(const char* file, int line, const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected);

}  // namespace zel::skin::test

#define EXPECT_LINES(actual, ...)                               \
  ::zel::skin::test::expect_lines(__FILE__, __LINE__, (actual), \
                                  std::vector<std::string>{__VA_ARGS__})
