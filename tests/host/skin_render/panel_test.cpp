// The skin hooks in the running panel: start-up draws the panel, WM_PAINT and
// the skin command reach the hooks through the core, and the shutdown
// releases what the skin made.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel/core/panel_app.h"
#include "panel/skin/panel_app_context.h"
#include "panel/tuning/tuner_exports.h"
#include "tests/host/skin_render/render_fixture.h"

namespace zel::skin::test {
namespace {

struct Panel {
  explicit Panel(bool bitmaps) : process(desktop.add_process("panel")), drawing(desktop) {
    desktop.win_ini().load(
        "[AP]\n222APDirectory=C:\\ZEL\nZelPanelIniFile=ZelPFile.ini\nZelSettingIniFile=ZelSFile."
        "ini\n");
    desktop.file(kSettingsPath).load("[AudioProcAmp]\nVolumeValue=110\n");
    platform::sim::SimLibraryLoader::Exports exports;
    exports["ZtGetFreqInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetFreqInfo);
    exports["ZtGetContryInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetContryInfo);
    process.libraries().add_library("C:\\windows\\system32\\ZtTV.dll", std::move(exports));
    if (bitmaps) put_skin_set(drawing, 1);
    context.attach(app);
  }

  platform::sim::Desktop desktop;
  platform::sim::Process& process;
  platform::sim::SimDrawing drawing;
  PanelAppContext context;
  SkinHooks hooks{process.platform(), drawing.drawing(), context};
  core::PanelApp app{process.platform(), hooks};
};

TEST(SkinHooksInThePanel, StartDrawsThePanelAndCloseReleasesTheSkin) {
  Panel p(true);
  ASSERT_FALSE(p.app.start().has_value());
  p.desktop.pump();
  const platform::WindowId window = p.app.state().panelWindow;
  ASSERT_TRUE(window);

  p.process.send_message(window, platform::Message{platform::wm::kPaint, 0, 0});
  const Image* picture = p.drawing.window_image(window);
  EXPECT_TRUE(shows_itself(picture, {0, 0, 60, 40}, tag_of(1, SurfaceRole::kNormal)));
  // The volume bar and the mute image drawn at creation survive the paint.
  ASSERT_EQ(p.app.state().volume, 110);
  const int lit = 110;
  EXPECT_TRUE(shows_itself(picture, {67, 50, 67 + lit, 81}, tag_of(1, SurfaceRole::kHover)));
  EXPECT_TRUE(shows(picture, {8, 50, 36, 81}, tag_of(1, SurfaceRole::kSheet), {222, 2}));
  ASSERT_NE(p.drawing.tooltip_control(), nullptr);
  EXPECT_EQ(p.drawing.tooltip_control()->tools.size(), 48u);

  // One skin set: the skin command changes nothing.
  p.drawing.clear_records();
  p.process.send_message(window, platform::command_message(core::cmd::kNextSkin, 0));
  EXPECT_TRUE(p.drawing.calls().empty());

  p.process.destroy_window(window);
  EXPECT_EQ(p.drawing.live_surfaces(), 0u);
  EXPECT_EQ(p.drawing.tooltip_control(), nullptr);
  EXPECT_FALSE(p.hooks.cursor(CursorRole::kNormal));
}

TEST(SkinHooksInThePanel, APanelWithoutBitmapsStartsAndDrawsNothing) {
  Panel p(false);
  ASSERT_FALSE(p.app.start().has_value());
  p.desktop.pump();
  const platform::WindowId window = p.app.state().panelWindow;
  p.process.send_message(window, platform::Message{platform::wm::kPaint, 0, 0});
  p.hooks.refresh_panel();
  EXPECT_TRUE(p.drawing.copies().empty());
  EXPECT_EQ(p.drawing.live_surfaces(), 0u);
  p.process.destroy_window(window);
}

}  // namespace
}  // namespace zel::skin::test
