// The input sources with the TV program running and not running, the source
// cycle, the Air/Cable switch and the first-use scan prompts.
#include <gtest/gtest.h>

#include "tests/host/core/panel_fixture.h"

namespace zel::testing {
namespace {

using platform::sim::calls_starting_with;

// Each source command with the TV program running: what it sends, the state
// it leaves, the stored InputSource and what it shows.
TEST_F(PanelTest, SourceCommandsSwitchARunningTvProgram) {
  struct Case {
    core::CommandId command;
    const char* tv_command;
    int current_source;
    int stored;
    int band;
    bool fm_mode;
    bool video_mode;
    std::vector<std::string> shows;
  };
  const Case cases[] = {
      {40012, "cmd 2002 0", 2, 4, 1, false, false,
       {"show_plate(1)", "show_channel_number(2)", "show_source_lamp(1)"}},
      {40034, "cmd 2003 0", 3, 3, 0, false, false,
       {"show_plate(1)", "show_channel_number(1)", "show_source_lamp(2)"}},
      {40010, "cmd 2001 0", 4, 1, 0, false, true, {"show_source_lamp(3)", "show_plate(3)"}},
      {40011, "cmd 2004 0", 5, 2, 0, false, true, {"show_source_lamp(4)", "show_plate(3)"}},
      {40039, "cmd 40206 0", 1, 5, 0, true, false,
       {"show_plate(2)", "show_fm_frequency(875, 4)", "show_source_lamp(5)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    state().channel.band = 0;
    clear_calls();
    tv_log.clear();
    if (!panel_window()) start_watching();
    send_command(c.command);
    EXPECT_EQ(calls_starting_with(tv_commands(), {"cmd 2", "cmd 4"}).back(), c.tv_command);
    EXPECT_FALSE(state().busy) << "confirmed with 40113";
    EXPECT_EQ(state().currentSource, c.current_source);
    EXPECT_EQ(settings().read_int("HovraCrossbar", "InputSource", 0), c.stored);
    EXPECT_EQ(state().channel.band, c.band);
    EXPECT_EQ(state().channel.fmMode, c.fm_mode);
    EXPECT_EQ(state().channel.videoInputMode, c.video_mode);
    EXPECT_EQ(calls_starting_with(calls(), {"show_"}), c.shows);
    EXPECT_EQ(desktop.focus(), panel_window());
  }
  // S-Video shows the TV window, FM hides it again.
  EXPECT_FALSE(desktop.window(tv_window())->visible);
  EXPECT_EQ(state().channel.currentFmCode, 875);
  EXPECT_TRUE(calls_starting_with(calls(), {"WinExec"}).empty());
}

TEST_F(PanelTest, FmSwitchSilencesTheLineAroundTheSwitch) {
  start_watching();
  state().volume = 70;
  send_command(40039);
  EXPECT_CALLS(calls_starting_with(calls(), {"set_mixer", "ShowWindow", "SendMessage"}),
               "SendMessage(Tv, WM_COMMAND, 42227, 0)", "set_mixer_volume(0)",
               "ShowWindow(Tv, SW_HIDE)", "SendMessage(Tv, WM_COMMAND, 40206, 0)",
               "set_mixer_volume(70)");
  EXPECT_EQ(calls().back(), "SetFocus(Panel)");
}

TEST_F(PanelTest, VideoSourceStartsTheTvProgramShownAndClosesTheWing) {
  start_watching();
  send_command(40018);  // standby: TV program closed
  clear_calls();
  state().leftListOpen = true;
  send_command(40011);
  EXPECT_CALLS(calls(),
               "reset_digit_entry()", "FindWindow(Zentavio Hovra, Tv) = null",
               "WinExec(C:\\ZEL\\video.ex_, SW_SHOW) = 33", "FindWindow(Zentavio Hovra, Tv) = null",
               "refill_channel_list()", "show_plate(3)", "show_source_lamp(4)", "show_plate(3)",
               "refill_channel_list()", "use_channel_captions()", "build_tooltips()",
               "SetFocus(Panel)", "SendMessage(Panel, WM_COMMAND, 40316, 0)",
               "other_command(40316, 0)");
  EXPECT_FALSE(state().standby);
  EXPECT_TRUE(desktop.window(tv_window())->visible);
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"msg WM_CLOSE", "start show=5 source=2 channel=1 fm=875"}));
}

// After the panel started the TV program for a tuner source, an unscanned
// list prompts for a scan after 6 s; with the fully-scan list in use its
// SCANDONE decides, and a done scan ends the command early.
TEST_F(PanelTest, FirstUseOfATunerSourcePromptsForAScan) {
  struct Case {
    const char* use_full_scan;
    const char* already_scan;
    const char* scan_done;
    bool prompt;
    bool lamp_and_captions;
  };
  const Case cases[] = {
      {"FALSE", "FALSE", "", true, true},   {"FALSE", "TRUE", "", false, true},
      {"true", "FALSE", "TRUE", true, true}, {"TRUE", "FALSE", "", true, true},
      {"TRUE", "TRUE", "FALSE", true, true}, {"TRUE", "FALSE", "TRUE", false, false},
  };
  start_watching();
  send_command(40018);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.use_full_scan) + " " + c.already_scan + " " + c.scan_done);
    settings().write_text("vorne", "UseFullScan", c.use_full_scan);
    settings().write_text("CHANNELLISTAIR", "ALREADYSCAN", c.already_scan);
    settings().write_text("FREQCHLIST", "SCANDONE", c.scan_done);
    clear_calls();
    const std::uint64_t before = desktop.now();
    app().on_command(core::cmd::kSourceAirTv, 0);
    EXPECT_EQ(desktop.now() - before, c.prompt ? 6000u : 0u);
    EXPECT_EQ(calls_starting_with(calls(), {"PostMessage(Panel, WM_COMMAND, 40044"}).size(),
              c.prompt ? 1u : 0u);
    EXPECT_EQ(calls_starting_with(calls(), {"show_source_lamp", "use_channel_captions"}).size(),
              c.lamp_and_captions ? 2u : 0u);
    EXPECT_FALSE(state().standby);
    EXPECT_EQ(state().currentSource, core::source::kAirTv);
    desktop.pump();  // the program starts and confirms; the prompt goes to its handler
    send_command(40018);
  }
}

TEST_F(PanelTest, RunningTvProgramMeansNoFirstUsePrompt) {
  start_watching();
  settings().write_text("CHANNELLIST", "ALREADYSCAN", "FALSE");
  send_command(40034);
  EXPECT_TRUE(calls_starting_with(calls(), {"Sleep", "other_command(40044"}).empty());
}

TEST_F(PanelTest, EmptyFmListPromptsOnEveryFmCommand) {
  start_watching();
  settings().delete_section("CHANNELLISTFM");
  send_command(40039);
  state().busy = true;  // even while busy
  send_command(40039);
  EXPECT_EQ(calls_starting_with(calls(), {"Sleep(6000)"}).size(), 2u);
  EXPECT_EQ(calls_starting_with(calls(), {"other_command(40044, 0)"}).size(), 2u);
  // No FM radio, or a scan running: the FM command ends before all that.
  clear_calls();
  state().fmScan = true;
  send_command(40039);
  EXPECT_TRUE(calls_starting_with(calls(), {"Sleep"}).empty());
}

TEST_F(PanelTest, NextSourceCyclesThroughTheInputs) {
  start_watching();
  const std::pair<int, int> cycle[] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}};
  for (const auto& [from, to] : cycle) {
    state().currentSource = from;
    send_command(40319);
    EXPECT_EQ(state().currentSource, to) << "from " << from;
  }
  // Without FM radio the cycle goes from S-Video to Air TV.
  send_command(40018);
  tv_options.fm_present = false;
  send_command(40034);  // restart the TV program, which now has no FM radio
  state().currentSource = 5;
  clear_calls();
  send_command(40319);
  EXPECT_EQ(state().currentSource, 2);
  EXPECT_FALSE(state().fmAvailable);
  EXPECT_EQ(calls_starting_with(calls(), {"PostMessage"}),
            (std::vector<std::string>{"PostMessage(Panel, WM_COMMAND, 40012, 0)"}));
  // In standby or without a TV window nothing happens.
  send_command(40018);
  clear_calls();
  send_command(40319);
  EXPECT_TRUE(calls_starting_with(calls(), {"PostMessage", "FindWindow"}).empty());
  state().standby = false;
  send_command(40319);
  EXPECT_CALLS(calls(), "FindWindow(Zentavio Hovra, Tv) = null");
}

TEST_F(PanelTest, AirCableSwitchSelectsTheOtherTunerBand) {
  start_watching();
  send_command(40010);  // AV-in after watching cable
  clear_calls();
  send_command(40318);
  EXPECT_EQ(calls_starting_with(calls(), {"PostMessage"}),
            (std::vector<std::string>{"PostMessage(Panel, WM_COMMAND, 40012, 0)"}));
  EXPECT_EQ(state().currentSource, core::source::kAirTv);
  clear_calls();
  send_command(40318);
  EXPECT_EQ(state().currentSource, core::source::kCableTv);
  send_command(40039);
  clear_calls();
  send_command(40318);
  EXPECT_TRUE(calls().empty()) << "ignored in FM mode";
}

TEST_F(PanelTest, ReselectPostsTheStoredSourceCommand) {
  start_watching();
  const std::pair<const char*, const char*> cases[] = {
      {"1", "40010"}, {"2", "40011"}, {"3", "40034"}, {"4", "40012"}, {"5", "40039"}, {"0", nullptr},
      {"6", nullptr}, {"x", nullptr}};
  for (const auto& [stored, command] : cases) {
    settings().write_text("HovraCrossbar", "InputSource", stored);
    state().busy = true;  // keep the posted command from switching anything
    clear_calls();
    app().on_command(core::cmd::kReselectSource, 0);
    const auto posts = calls_starting_with(calls(), {"PostMessage"});
    if (command == nullptr) {
      EXPECT_TRUE(posts.empty()) << stored;
    } else {
      EXPECT_EQ(posts, (std::vector<std::string>{std::string("PostMessage(Panel, WM_COMMAND, ") +
                                                 command + ", 0)"}))
          << stored;
    }
    desktop.pump();
  }
}

}  // namespace
}  // namespace zel::testing
