// Process start-up: its order, the early ends, the window's place and band.
#include <gtest/gtest.h>

#include "panel/tuning/tuner_exports.h"
#include "tests/host/core/panel_fixture.h"

namespace zel::testing {
namespace {

using platform::PowerFeature;

// A first start: empty settings file, no country, TV program not running.
TEST_F(PanelTest, StartUpRunsInOrderAndTheWindowStartUpInsideCreation) {
  start_panel();
  EXPECT_CALLS(calls(),
               "SystemParametersInfo(84) = 1", "SystemParametersInfo(86, 0, 3)",
               "SystemParametersInfo(83) = 1", "SystemParametersInfo(85, 0, 3)",
               "SystemParametersInfo(16) = 1", "SystemParametersInfo(17, 0, 3)",
               "GetProfileString(AP, 222APDirectory) = C:\\ZEL", "SetCurrentDirectory(C:\\ZEL)",
               "GetProfileString(AP, ZelPanelIniFile) = ZelPFile.ini",
               "GetProfileString(AP, ZelSettingIniFile) = ZelSFile.ini",
               "OpenProfile(C:\\ZEL\\ZelPFile.ini)", "OpenProfile(C:\\ZEL\\ZelSFile.ini)",
               "GetSystemDirectory() = C:\\windows\\system32",
               "LoadLibraryEx(C:\\windows\\system32\\ZtTV.dll) = ZtTV.dll",
               "GetProcAddress(ZtTV.dll, ZtGetFreqInfo) = found",
               "GetProcAddress(ZtTV.dll, ZtGetContryInfo) = found",
               "load_skin_layout()", "apply_down_wing_layout(0)",
               "FindWindow(Zentavio Driftcam, Panel) = null",
               "RegisterClass(Zentavio Driftcam, style 0, icon 107, cursor 132, menu Panel)",
               "GetScreenSize() = 1024x768",
               "CreateWindow(0, Zentavio Driftcam, Panel, 2147483648, 239, 552, 547, 176, parent null)",
               // The window start-up sequence, inside the creation.
               "apply_window_outline(1, 1)", "load_skin_bitmaps(1, 1)", "load_skin_layout()",
               "build_tooltips()", "add_tray_icon()", "open_mixer()", "run_country_dialog()",
               "set_up_mixer_for_country()", "set_mixer_volume(128)", "show_volume()",
               "show_mute_images(0)", "PostMessage(Panel, WM_COMMAND, 40034, 0)",
               "ShowWindow(Panel, SW_SHOW)", "SetForegroundWindow(Panel)",
               // Back in the process start-up.
               "SetWindowPos(Panel, HWND_NOTOPMOST)", "SetTimer(Panel, 40313, 333)",
               "UpdateWindow(Panel)", "LoadAccelerators(109)", "set_input_line_control(0)",
               "RegisterHotKey(Panel, 0, 3, 115)");

  EXPECT_EQ(state().countryCount, ZtGetContryInfo());
  ASSERT_NE(app().tuner(), nullptr);
  EXPECT_EQ(app().tuner()->country_count(), ZtGetContryInfo());
  EXPECT_TRUE(state().panelShown);
  EXPECT_EQ(desktop.foreground(), panel_window());
  EXPECT_EQ(panel->process.accelerators(), 109);
  EXPECT_EQ(desktop.hot_key(3, 115), std::make_pair(panel_window(), 0));
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 0);
  EXPECT_EQ(desktop.power(PowerFeature::kLowPower), 0);
  EXPECT_EQ(desktop.power(PowerFeature::kPowerOff), 0);

  // The settings the window start-up seeds and reads.
  EXPECT_EQ(settings().read_text("VideoProcAmp", "BrightnessValue", "", 260), "50");
  EXPECT_EQ(settings().read_text("AudioProcAmp", "VolumeValue", "", 260), "128");
  EXPECT_EQ(settings().read_text("TVTuner", "FMChannel", "", 260), "875");
  EXPECT_EQ(state().volume, 128);
  EXPECT_EQ(state().brightness, 50);
  EXPECT_FALSE(state().muted);
}

// The first source command then starts the TV program hidden and, the cable
// list never having been scanned, prompts for a scan after a 6 s wait.
TEST_F(PanelTest, FirstStartStartsTheTvProgramAndPromptsForAScan) {
  settings().load("[HOVRA]\nCountryCode=49\nMin=1\nMax=3\n");
  start_panel();
  clear_calls();
  desktop.pump();
  EXPECT_CALLS(calls(),
               "reset_digit_entry()", "FindWindow(Zentavio Hovra, Tv) = null",
               "WinExec(C:\\ZEL\\video.ex_, SW_HIDE) = 33", "show_plate(1)",
               "show_channel_number(8)", "Sleep(6000)", "PostMessage(Panel, WM_COMMAND, 40044, 0)",
               "FindWindow(Zentavio Hovra, Tv) = null", "show_source_lamp(2)",
               "use_channel_captions()", "build_tooltips()", "SetFocus(Panel)",
               "other_command(40044, 0)");
  EXPECT_EQ(settings().text().find("[CHANNELLIST]\nALREADYSCAN=FALSE\n1=TRUE\n2=TRUE\n3=TRUE\n") !=
                std::string::npos,
            true)
      << settings().text();
  // The TV program came up with the stored source, got no source command and
  // confirmed its start.
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"start show=0 source=3 channel=8 fm=875"}));
  EXPECT_FALSE(state().busy);
  EXPECT_FALSE(desktop.window(tv_window())->visible);
  EXPECT_EQ(state().currentSource, core::source::kCableTv);
}

// Without the library, or with one that lacks an entry point, the only thing
// the user sees is the box; whatever was loaded is released.
TEST_F(PanelTest, MissingTunerLibraryShowsOnlyTheBoxAndEndsWithZero) {
  settings().load("[HovraCrossbar]\nInputSource=4\n[vorne]\nAlwaysOnTop=TRUE\n");
  for (int exports : {-1, 0, 1}) {
    SCOPED_TRACE(exports);
    platform::sim::Desktop d;
    d.win_ini().load(desktop.win_ini().text());
    d.file(kSettingsPath).load(settings().text());
    PanelInstance p(d, "panel", false);
    if (exports >= 0) install_tuner_library(p.process, exports);
    EXPECT_EQ(p.app.run(), 0);
    ASSERT_EQ(d.message_boxes().size(), 1u);
    const auto& box = d.message_boxes()[0];
    EXPECT_EQ(box.owner, "null");
    EXPECT_EQ(box.text, "Can't find frequency table!!");
    EXPECT_FALSE(box.caption.has_value());
    EXPECT_EQ(box.type, platform::mb::kOk);
    EXPECT_TRUE(platform::sim::calls_starting_with(
                    p.process.calls(), {"FindWindow", "RegisterClass", "CreateWindow", "WinExec",
                                        "load_skin", "PostMessage", "SetWindowPos"})
                    .empty());
    EXPECT_EQ(p.process.libraries().open_loads(), 0);
    EXPECT_EQ(p.app.tuner(), nullptr);
    // The screen saver and power switches are not left off by a start that failed.
    EXPECT_EQ(d.power(PowerFeature::kScreenSaver), 1);
    EXPECT_EQ(d.power(PowerFeature::kLowPower), 1);
    EXPECT_EQ(d.power(PowerFeature::kPowerOff), 1);
  }
}

TEST_F(PanelTest, EarlyEndsPutBackOnlyWhatTheyHadSwitchedOff) {
  desktop.set_power(PowerFeature::kLowPower, 0);
  panel->process.fail("RegisterClass");
  EXPECT_EQ(app().run(), 0);
  EXPECT_CALLS(platform::sim::calls_starting_with(calls(), {"SystemParametersInfo"}),
               "SystemParametersInfo(84) = 1", "SystemParametersInfo(86, 0, 3)",
               "SystemParametersInfo(83) = 0", "SystemParametersInfo(16) = 1",
               "SystemParametersInfo(17, 0, 3)", "SystemParametersInfo(86, 1, 3)",
               "SystemParametersInfo(17, 1, 3)");
  EXPECT_TRUE(desktop.message_boxes().empty());

  PanelInstance second(desktop, "panel");
  second.process.fail("CreateWindow");
  EXPECT_EQ(second.app.run(), 0);
  EXPECT_FALSE(panel_window());
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 1);
}

// A second start hands over to the running panel and creates nothing.
TEST_F(PanelTest, SecondStartHandsOverToTheRunningPanel) {
  start_watching();
  settings().write_text("HovraCrossbar", "InputSource", "4");
  panel->process.show_window(panel_window(), platform::Show::kMinimize);
  panel->process.clear_calls();

  PanelInstance second(desktop, "panel");
  EXPECT_EQ(second.app.run(), 0);
  EXPECT_CALLS(platform::sim::calls_starting_with(
                   second.process.calls(),
                   {"FindWindow", "SetForeground", "ShowWindow", "PostMessage", "Register", "Create",
                    "SystemParametersInfo(17", "SystemParametersInfo(85", "SystemParametersInfo(86"}),
               "FindWindow(Zentavio Driftcam, Panel) = Panel", "SetForegroundWindow(Panel)",
               "ShowWindow(Panel, SW_RESTORE)", "PostMessage(Panel, WM_COMMAND, 40012, 0)");
  EXPECT_FALSE(desktop.window(panel_window())->minimized);
  // The running panel selects the stored source again.
  desktop.pump();
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"cmd 2002 0"}));
  EXPECT_EQ(state().currentSource, core::source::kAirTv);
  // Power: the running panel had switched everything off; nothing changed.
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 0);

  // A stored value outside 1..5 posts nothing.
  settings().write_text("HovraCrossbar", "InputSource", "7");
  PanelInstance third(desktop, "panel");
  EXPECT_EQ(third.app.run(), 0);
  EXPECT_TRUE(platform::sim::calls_starting_with(third.process.calls(), {"PostMessage"}).empty());
}

TEST_F(PanelTest, PanelIsCentredFortyPixelsAboveTheBottom) {
  struct Case {
    platform::Size screen;
    platform::Size panel;
    platform::Rect expected;
  };
  const Case cases[] = {
      {{1024, 768}, {547, 176}, {239, 552, 239 + 547, 552 + 176}},
      {{800, 600}, {547, 176}, {127, 384, 127 + 547, 384 + 176}},
      {{1280, 1024}, {643, 271}, {319, 713, 319 + 643, 713 + 271}},
  };
  for (const Case& c : cases) {
    platform::sim::Desktop d(c.screen);
    d.win_ini().load("[AP]\n222APDirectory=C:\\ZEL\nZelSettingIniFile=ZelSFile.ini\n");
    struct SizedHooks final : core::PanelHooks {
      platform::Size size;
      platform::Size panel_size() override { return size; }
    } hooks;
    hooks.size = c.panel;
    platform::sim::Process& p = d.add_process("panel");
    install_tuner_library(p);
    core::PanelApp app(p.platform(), hooks);
    ASSERT_FALSE(app.start().has_value());
    EXPECT_EQ(d.window(d.find("Zentavio Driftcam", "Panel"))->rect, c.expected)
        << c.screen.width << "x" << c.screen.height;
    EXPECT_EQ(d.window(d.find("Zentavio Driftcam", "Panel"))->style, 0x80000000u);
  }
}

TEST_F(PanelTest, AlwaysOnTopMustBeExactlyTrue) {
  const std::pair<const char*, bool> cases[] = {
      {"TRUE", true}, {"true", false}, {"True", false}, {"FALSE", false}, {"", false}};
  for (const auto& [value, topmost] : cases) {
    platform::sim::Desktop d;
    d.win_ini().load("[AP]\n222APDirectory=C:\\ZEL\nZelSettingIniFile=ZelSFile.ini\n");
    d.file(kSettingsPath).write_text("vorne", "AlwaysOnTop", value);
    PanelInstance p(d);
    ASSERT_FALSE(p.app.start().has_value());
    EXPECT_EQ(d.window(d.find("Zentavio Driftcam", "Panel"))->topmost, topmost) << "'" << value << "'";
  }
}

TEST_F(PanelTest, EmptyInstallDirectoryBuildsRootedPathsAndStartsFromTheCurrentDirectory) {
  desktop.win_ini().load("[AP]\nZelSettingIniFile=ZelSFile.ini\n");
  start_and_settle();
  EXPECT_EQ(app().paths().settings_file, "\\ZelSFile.ini");
  EXPECT_EQ(app().paths().skin_file, "\\");
  ASSERT_FALSE(desktop.program_starts().empty());
  EXPECT_EQ(desktop.program_starts()[0].command_line, "C:\\video.ex_");
}

TEST_F(PanelTest, InstallFolderWithBlanksIsQuotedForWinExec) {
  desktop.win_ini().write_text("AP", "222APDirectory", "C:\\Program Files\\ZEL");
  start_and_settle();
  ASSERT_FALSE(desktop.program_starts().empty());
  EXPECT_EQ(desktop.program_starts()[0].command_line, "\"C:\\Program Files\\ZEL\\video.ex_\"");
  EXPECT_TRUE(tv_window());
}

}  // namespace
}  // namespace zel::testing
