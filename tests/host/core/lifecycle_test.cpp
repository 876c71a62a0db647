// Shutdown, the ways to end, standby and wake, and the device watch.
#include <gtest/gtest.h>

#include "tests/host/core/panel_fixture.h"

namespace zel::testing {
namespace {

using platform::PowerFeature;
using platform::sim::calls_starting_with;

TEST_F(PanelTest, CloseEndsTheTvProgramAndRunsTheShutdownInOrder) {
  start_watching();
  state().brightness = 61;
  state().contrast = 62;
  state().hue = 63;
  state().saturation = 64;
  send_command(32772);
  EXPECT_CALLS(calls(),
               "FindWindow(Zentavio Hovra, Tv) = Tv", "PostMessage(Tv, WM_CLOSE, 0, 0)",
               "SendMessage(Panel, WM_DESTROY, 0, 0)", "KillTimer(Panel, 40313)",
               "destroy_tooltips()", "destroy_channel_list_window()", "remove_tray_icon()",
               "release_skin_bitmaps()", "SystemParametersInfo(86, 1, 3)",
               "SystemParametersInfo(85, 1, 3)", "SystemParametersInfo(17, 1, 3)",
               "PostQuitMessage(0)");
  EXPECT_EQ(panel->process.exit_code(), 0);
  EXPECT_FALSE(panel_window());
  EXPECT_FALSE(tv_window());
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"msg WM_CLOSE"}));
  EXPECT_EQ(settings().read_text("VideoProcAmp", "BrightnessValue", "", 260), "61");
  EXPECT_EQ(settings().read_text("VideoProcAmp", "ContrastValue", "", 260), "62");
  EXPECT_EQ(settings().read_text("VideoProcAmp", "HueValue", "", 260), "63");
  EXPECT_EQ(settings().read_text("VideoProcAmp", "SaturationValue", "", 260), "64");
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 1);
  EXPECT_EQ(desktop.power(PowerFeature::kLowPower), 1);
  EXPECT_EQ(desktop.power(PowerFeature::kPowerOff), 1);
}

TEST_F(PanelTest, PowerFeaturesGoBackToTheValuesFoundAtStart) {
  desktop.set_power(PowerFeature::kScreenSaver, 0);
  desktop.set_power(PowerFeature::kPowerOff, 0);
  start_watching();
  EXPECT_EQ(desktop.power(PowerFeature::kLowPower), 0);
  send_command(105);
  // Every set call is made, whatever the saved value.
  EXPECT_CALLS(calls_starting_with(calls(), {"SystemParametersInfo"}),
               "SystemParametersInfo(86, 0, 3)", "SystemParametersInfo(85, 1, 3)",
               "SystemParametersInfo(17, 0, 3)");
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 0);
  EXPECT_EQ(desktop.power(PowerFeature::kLowPower), 1);
}

TEST_F(PanelTest, Command105DestroysThePanelButLeavesTheTvProgram) {
  start_watching();
  state().cableScan = true;
  send_command(105);
  EXPECT_TRUE(panel_window()) << "105 during an automatic scan is ignored";
  state().cableScan = false;
  send_command(105);
  EXPECT_CALLS(calls_starting_with(calls(), {"DestroyWindow", "KillTimer", "PostQuitMessage"}),
               "DestroyWindow(Panel)", "KillTimer(Panel, 40313)", "PostQuitMessage(0)");
  EXPECT_FALSE(panel_window());
  EXPECT_TRUE(tv_window());
  EXPECT_EQ(panel->process.exit_code(), 0);
}

TEST_F(PanelTest, CloseIsIgnoredDuringAutomaticScansAndRunsTheShutdownOnce) {
  start_watching();
  for (bool core::PanelState::*scan :
       {&core::PanelState::airScan, &core::PanelState::cableScan, &core::PanelState::fmScan}) {
    state().*scan = true;
    send_command(32772);
    EXPECT_TRUE(calls().empty()) << calls().front();
    state().*scan = false;
  }
  // Two Close commands queued before the loop ends: one shutdown.
  post_command(32772);
  ASSERT_TRUE(panel->process.ended());
  clear_calls();
  PanelInstance second(desktop);
  ASSERT_FALSE(second.app.start().has_value());
  second.process.send_message(desktop.find("Zentavio Driftcam", "Panel"),
                              platform::command_message(32772, 0));
  second.process.send_message(desktop.find("Zentavio Driftcam", "Panel"),
                              platform::Message{platform::wm::kDestroy, 0, 0});
  EXPECT_EQ(calls_starting_with(second.process.calls(), {"PostQuitMessage"}).size(), 1u);
}

TEST_F(PanelTest, StandbyHidesThePanelAndClosesTheTvProgram) {
  start_watching();
  state().leftListOpen = true;
  send_command(40018);
  EXPECT_CALLS(calls(),
               "FindWindow(Zentavio Hovra, Tv) = Tv", "ShowWindow(Panel, SW_HIDE)",
               "PostMessage(Tv, WM_CLOSE, 0, 0)", "SendMessage(Panel, WM_COMMAND, 40316, 0)",
               "other_command(40316, 0)", "show_channel_list_window(0)");
  EXPECT_TRUE(state().standby);
  EXPECT_FALSE(state().panelShown);
  EXPECT_FALSE(desktop.window(panel_window())->visible);
  EXPECT_FALSE(tv_window());
  // Process, tray icon and hot key stay.
  EXPECT_FALSE(panel->process.ended());
  EXPECT_TRUE(desktop.hot_key(3, 115).has_value());

  // Standby without a TV window.
  clear_calls();
  state().leftListOpen = false;
  send_command(40018);
  EXPECT_CALLS(calls(), "FindWindow(Zentavio Hovra, Tv) = null", "ShowWindow(Panel, SW_HIDE)",
               "show_channel_list_window(0)");
}

TEST_F(PanelTest, HotKeyTogglesBetweenWatchingAndStandby) {
  start_watching();
  settings().write_text("HovraCrossbar", "InputSource", "4");
  desktop.press_hot_key(3, 115);
  desktop.pump();
  EXPECT_CALLS(calls(),
               "SendMessage(Panel, WM_COMMAND, 40018, 0)", "FindWindow(Zentavio Hovra, Tv) = Tv",
               "ShowWindow(Panel, SW_HIDE)", "PostMessage(Tv, WM_CLOSE, 0, 0)",
               "show_channel_list_window(0)", "ShowWindow(Panel, SW_HIDE)");
  EXPECT_TRUE(state().standby);
  EXPECT_FALSE(tv_window());

  clear_calls();
  tv_log.clear();
  desktop.press_hot_key(3, 115);
  desktop.pump();
  EXPECT_CALLS(calls_starting_with(calls(), {"ShowWindow", "PostMessage", "SetForeground", "WinExec"}),
               "ShowWindow(Panel, SW_SHOW)", "PostMessage(Panel, WM_PAINT, 0, 0)",
               "SetForegroundWindow(Panel)", "PostMessage(Panel, WM_COMMAND, 40012, 0)",
               "WinExec(C:\\ZEL\\video.ex_, SW_HIDE) = 33");
  EXPECT_FALSE(state().standby);
  EXPECT_TRUE(state().panelShown);
  EXPECT_TRUE(tv_window());
  EXPECT_FALSE(state().busy) << "the restarted TV program confirms its start";
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"start show=0 source=4 channel=2 fm=875"}));
}

TEST_F(PanelTest, HotKeyDoesNothingWhileBusyCapturingOrScanning) {
  start_watching();
  for (bool core::PanelState::*flag :
       {&core::PanelState::recording, &core::PanelState::cableScan, &core::PanelState::airScan,
        &core::PanelState::preview, &core::PanelState::timeShift, &core::PanelState::fmScan,
        &core::PanelState::fullScan, &core::PanelState::busy}) {
    state().*flag = true;
    desktop.press_hot_key(3, 115);
    desktop.pump();
    EXPECT_TRUE(calls().empty()) << calls().front();
    EXPECT_FALSE(state().standby);
    state().*flag = false;
  }
  // Another hot-key id is not the panel's.
  app().on_hotkey(1);
  EXPECT_TRUE(calls().empty());
}

TEST_F(PanelTest, DeviceWatchClosesThePanelOnceTheTvWindowIsGone) {
  start_watching();
  desktop.device_change();
  EXPECT_EQ(desktop.timer_period(panel_window(), 222), 3000u);
  desktop.advance(2000);
  desktop.device_change();  // restarts the 3 s
  desktop.advance(2999);
  EXPECT_EQ(calls_starting_with(calls(), {"FindWindow"}).size(), 0u);
  desktop.advance(1);
  EXPECT_CALLS(calls_starting_with(calls(), {"FindWindow", "PostMessage"}),
               "FindWindow(Zentavio Hovra, Tv) = Tv");
  // Standby closes the TV program; the next tick ends the panel.
  send_command(40018);
  clear_calls();
  desktop.advance(3000);
  EXPECT_CALLS(calls_starting_with(calls(), {"FindWindow", "PostMessage", "PostQuitMessage"}),
               "FindWindow(Zentavio Hovra, Tv) = null", "PostMessage(Panel, WM_COMMAND, 32772, 0)",
               "FindWindow(Zentavio Hovra, Tv) = null", "PostMessage(null, WM_CLOSE, 0, 0)",
               "PostQuitMessage(0)");
  EXPECT_TRUE(panel->process.ended());
  EXPECT_EQ(panel->process.exit_code(), 0);
  EXPECT_EQ(desktop.power(PowerFeature::kScreenSaver), 1);
}

TEST_F(PanelTest, ClockTimerTicksEveryThirdOfASecond) {
  start_watching();
  desktop.advance(1000);
  EXPECT_EQ(calls_starting_with(calls(), {"show_clock"}).size(), 3u);
  desktop.advance(3000);
  EXPECT_TRUE(calls_starting_with(calls(), {"FindWindow"}).empty()) << "no device watch without a device event";
}

}  // namespace
}  // namespace zel::testing
