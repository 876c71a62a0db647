// The command protocol: handshakes with the TV program, commands from other
// programs, messages to the media player and the schedule window.
#include <gtest/gtest.h>

#include <functional>

#include "tests/host/core/panel_fixture.h"

namespace zel::testing {
namespace {

using platform::Message;
using platform::WindowId;
using platform::sim::calls_starting_with;

// A window of another program that records what it gets.
struct Recorder final : platform::WindowHandler {
  std::vector<Message> got;
  std::optional<std::intptr_t> handle(WindowId, const Message& m) override {
    if (m.id != platform::wm::kCreate) got.push_back(m);
    return 0;
  }
};

WindowId open_window(platform::sim::Desktop& d, Recorder& r, const std::string& cls,
                     const std::string& title) {
  platform::sim::Process& p = d.add_process(cls);
  p.register_window_class({cls, 0, 0, 0, ""});
  return p.create_window({0, cls, title, 0, {0, 0, 1, 1}, {}}, r);
}

TEST_F(PanelTest, SecondBusyRequestIsRefusedUntilTheTvProgramConfirms) {
  start_watching();
  // Hold the TV program's confirmations back: take them off the queue unseen.
  app().post_to_self(core::cmd::kSourceAirTv);
  desktop.pump_one();
  EXPECT_TRUE(state().busy);
  EXPECT_EQ(state().currentSource, core::source::kAirTv);
  clear_calls();

  app().on_command(core::cmd::kSourceAvIn, 0);
  EXPECT_CALLS(calls(), "use_channel_captions()", "build_tooltips()", "SetFocus(Panel)");
  for (core::CommandId refused : {core::cmd::kSourceSVideo, core::cmd::kSourceCableTv,
                                  core::cmd::kSourceFmRadio}) {
    app().on_command(refused, 0);
  }
  EXPECT_EQ(state().currentSource, core::source::kAirTv) << "refused while busy";
  EXPECT_EQ(settings().read_int("HovraCrossbar", "InputSource", 0), 4)
      << "a refused source command does not change InputSource";
  EXPECT_TRUE(calls_starting_with(calls(), {"WinExec", "SendMessage(Tv, WM_COMMAND, 200",
                                            "SendMessage(Tv, WM_COMMAND, 40206"})
                  .empty());

  desktop.pump();  // 40113 arrives
  EXPECT_FALSE(state().busy);
  app().on_command(core::cmd::kSourceAvIn, 0);
  EXPECT_EQ(state().currentSource, core::source::kAvIn);
  desktop.pump();
  // A busy FM command still asks the FM question.
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"cmd 2002 0", "cmd 42227 0", "cmd 2001 0"}));
  EXPECT_FALSE(state().busy);
}

TEST_F(PanelTest, FmAnswerArrivesInsideThePanelsSend) {
  tv_options.fm_present = false;
  start_watching();
  send_command(core::cmd::kSourceFmRadio);
  // The answer was handled before the send returned, so the FM command ended
  // at once: no switch to FM was sent.
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"cmd 42227 0"}));
  EXPECT_FALSE(state().fmAvailable);
  EXPECT_EQ(state().currentSource, core::source::kCableTv);
  EXPECT_EQ(desktop.deliveries().end()[-2], "Tv <- WM_COMMAND, 42227, 0 (sent)");
  EXPECT_EQ(desktop.deliveries().back(), "Panel <- WM_COMMAND, 42227, 0 (sent)");
}

TEST_F(PanelTest, FmQuestionWithoutTvProgramKeepsTheLastAnswer) {
  start_watching();
  state().fmAvailable = true;
  send_command(40018);  // standby closes the TV program
  clear_calls();
  app().on_command(core::cmd::kSourceFmRadio, 0);
  EXPECT_EQ(calls()[0], "FindWindow(Zentavio Hovra, Tv) = null");
  EXPECT_EQ(calls()[1], "SendMessage(null, WM_COMMAND, 42227, 0)");
  EXPECT_TRUE(state().fmAvailable);
}

TEST_F(PanelTest, CommandsFromOtherProgramsChangeTheState) {
  start_watching();
  struct Case {
    core::CommandId command;
    std::int32_t argument;
    std::function<void(core::PanelState&)> before;
    std::function<bool(const core::PanelState&)> after;
    std::vector<std::string> calls;
  };
  using S = core::PanelState;
  const Case cases[] = {
      {40113, 0, [](S& s) { s.busy = true; }, [](const S& s) { return !s.busy; }, {}},
      {40111, 0, [](S& s) { s.airScan = s.cableScan = s.fmScan = s.busy = true; },
       [](const S& s) { return !s.airScan && !s.cableScan && !s.fmScan && !s.busy; },
       {"notify_tv_page(1095)"}},
      {40111, 0, [](S& s) { s.channel.fmMode = true; s.leftListOpen = true; },
       [](const S&) { return true; }, {"refill_channel_list()"}},
      {40110, 0x10021, [](S&) {}, [](const S& s) { return s.channel.currentChannel == 33; },
       {"show_channel_number(33)"}},
      {40110, 1015, [](S& s) { s.channel.fmMode = true; s.channel.currentChannel = 7; },
       [](const S& s) { return s.channel.currentChannel == 7; }, {"show_fm_frequency(1015, 4)"}},
      {42227, 0, [](S&) {}, [](const S& s) { return !s.fmAvailable; }, {}},
      {42227, 1, [](S&) {}, [](const S& s) { return s.fmAvailable; }, {}},
      {42225, 50, [](S&) {}, [](const S& s) { return s.audioModes == 50; }, {}},
      {40114, 0x20001, [](S&) {}, [](const S& s) { return s.recording; }, {}},
      {40114, 0x20000, [](S& s) { s.recording = true; }, [](const S& s) { return !s.recording; }, {}},
      {40311, 7999, [](S&) {}, [](const S&) { return true; }, {"show_capture_time(7)"}},
      {40201, 123456, [](S&) {}, [](const S&) { return true; }, {"show_file_size(123456)"}},
      {40312, 0, [](S& s) { s.recordToggleReady = false; },
       [](const S& s) { return s.recordToggleReady; }, {"show_file_size(0)", "show_capture_time(0)"}},
      {40314, 0, [](S& s) { s.snapshotPending = true; }, [](const S& s) { return !s.snapshotPending; }, {}},
      {40115, 0, [](S& s) { s.preview = true; }, [](const S& s) { return !s.preview; }, {}},
      {40116, 0, [](S& s) { s.scheduleOpen = true; }, [](const S& s) { return !s.scheduleOpen; }, {}},
      {42223, 1, [](S&) {}, [](const S& s) { return s.scheduleRecording; }, {}},
      {42223, 0, [](S& s) { s.scheduleRecording = true; }, [](const S& s) { return !s.scheduleRecording; }, {}},
      {46203, -5, [](S&) {}, [](const S& s) { return s.recordPageValues[0] == -5; }, {}},
      {46204, 9, [](S&) {}, [](const S& s) { return s.recordPageValues[1] == 9; }, {}},
      {46102, 0, [](S&) {}, [](const S&) { return true; }, {"audio_dialog_done()"}},
      {46103, 0, [](S&) {}, [](const S&) { return true; }, {"video_standard_done()"}},
      {51222, 0, [](S& s) { s.volume = 90; }, [](const S&) { return true; }, {"set_mixer_volume(0)"}},
      {51222, 1, [](S& s) { s.volume = 90; }, [](const S&) { return true; }, {"set_mixer_volume(90)"}},
      {51222, 1, [](S& s) { s.muted = true; }, [](const S&) { return true; }, {}},
      {40117, 0, [](S&) {}, [](const S&) { return true; }, {}},
      {32776, 0, [](S&) {}, [](const S&) { return true; }, {}},
  };
  for (const Case& c : cases) {
    core::PanelState fresh = state();
    c.before(state());
    clear_calls();
    send_command(c.command, c.argument);
    EXPECT_TRUE(c.after(state())) << c.command << " " << c.argument;
    EXPECT_EQ(calls_starting_with(calls(), {"notify", "refill", "show", "set_", "audio", "video"}),
              c.calls)
        << c.command << " " << c.argument;
    state() = fresh;
  }
}

TEST_F(PanelTest, TimeShiftSecondsPostTheMarkerPosition) {
  start_watching();
  state().timeShift = true;
  send_command(40315, 60);
  EXPECT_CALLS(calls(), "show_capture_time(60)", "PostMessage(Panel, WM_COMMAND, 40301, 9)",
               "set_knob_from_time(9)");
}

TEST_F(PanelTest, FullScreenReportHidesAndRestoresTheChannelList) {
  start_watching();
  settings().write_text("vorne", "AlwaysOnTop", "TRUE");
  state().leftListOpen = true;
  send_command(40326, 1);
  EXPECT_TRUE(state().tvFullScreen);
  EXPECT_TRUE(state().leftListOpen);
  EXPECT_CALLS(calls(), "show_channel_list_window(0)", "SetWindowPos(Panel, HWND_TOPMOST)",
               "FindWindow(Zentavio Hovra, Tv) = Tv", "SetWindowPos(Tv, HWND_TOPMOST)");
  EXPECT_TRUE(desktop.window(tv_window())->topmost);
  clear_calls();
  settings().write_text("vorne", "AlwaysOnTop", "true");
  send_command(40326, 0);
  EXPECT_FALSE(state().tvFullScreen);
  EXPECT_EQ(calls().front(), "show_channel_list_window(1)");
  EXPECT_FALSE(desktop.window(panel_window())->topmost);
}

TEST_F(PanelTest, ScheduleQuestionsAreAnsweredToTheScheduleWindow) {
  start_watching();
  Recorder schedule;
  // Its title comes from the skin file, at most 49 characters.
  desktop.file(kSkinPath).write_text("Panel", "IDS_RECSCHE_DIALOG",
                                     "Recording plan 0123456789012345678901234567890123456789");
  open_window(desktop, schedule, "RecScheClass", "Recording plan 0123456789012345678901234567890123");
  send_command(42222, 0);
  // During a recording the command gates drop the question itself.
  state().recording = true;
  send_command(42222, 0);
  state().recording = false;
  send_command(42222, 1);
  ASSERT_EQ(schedule.got.size(), 2u);
  EXPECT_EQ(schedule.got[0], (Message{40040, 1, 0}));
  EXPECT_EQ(schedule.got[1], (Message{40042, 1, 0}));
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"cmd 42227 0"}))
      << "the FM answer is refreshed first";
}

TEST_F(PanelTest, ScheduleChannelIsShownAndStoredForTheBand) {
  start_watching();
  state().channel.band = 1;
  send_command(42224, 5);
  EXPECT_EQ(settings().read_int("TVTuner", "TVChannelAir", 0), 5);
  state().channel.band = 0;
  send_command(42224, 6);
  EXPECT_EQ(settings().read_int("TVTuner", "TVChannelCable", 0), 6);
  settings().write_text("vorne", "UseFullScan", "TRUE");
  send_command(42224, 9);
  EXPECT_EQ(settings().read_int("TVTuner", "TVChannelCable", 0), 6);
  EXPECT_EQ(calls_starting_with(calls(), {"show_channel_number"}),
            (std::vector<std::string>{"show_channel_number(5)", "show_channel_number(6)",
                                      "show_channel_number(9)"}));
}

TEST_F(PanelTest, PlayerTimeQuestionIsAnsweredOnlyWhenThePlayerExists) {
  start_watching();
  state().timeShift = true;
  send_command(46101);
  EXPECT_TRUE(calls_starting_with(calls(), {"PostMessage"}).empty());
  Recorder player;
  open_window(desktop, player, "PlayWndMediaPlayer", "PlayWnd Media Player");
  state().timeShiftStartHour = 21;
  state().timeShiftStartMinute = 5;
  state().timeShiftStartSecond = 59;
  send_command(46101);
  ASSERT_EQ(player.got.size(), 3u);
  EXPECT_EQ(player.got[0], platform::command_message(46001, 59));
  EXPECT_EQ(player.got[1], platform::command_message(46002, 5));
  EXPECT_EQ(player.got[2], platform::command_message(46003, 21));
}

TEST_F(PanelTest, PlayerAndScheduleMessagesGoTheWayTheProtocolLists) {
  start_watching();
  app().player_command(core::player::kPlay, 0);
  app().post_schedule_recording_stopped();
  EXPECT_CALLS(calls(), "FindWindow(PlayWndMediaPlayer, PlayWnd Media Player) = null",
               "FindWindow(null, Schedule Recording Settings) = null",
               "PostMessage(null, 42224, 0, 0)");
  Recorder player;
  open_window(desktop, player, "PlayWndMediaPlayer", "PlayWnd Media Player");
  const std::size_t first = desktop.deliveries().size();
  for (core::CommandId c : {40026, 40028, 40029, 40030, 40027, 4005}) app().player_command(c, 3);
  desktop.pump();
  const std::vector<std::string> got(desktop.deliveries().begin() + first, desktop.deliveries().end());
  EXPECT_CALLS(got, "PlayWnd Media Player <- WM_COMMAND, 40030, 3 (sent)",
               "PlayWnd Media Player <- WM_COMMAND, 40027, 3 (sent)",
               "PlayWnd Media Player <- WM_COMMAND, 4005, 3 (sent)",
               "PlayWnd Media Player <- WM_COMMAND, 40026, 3 (posted)",
               "PlayWnd Media Player <- WM_COMMAND, 40028, 3 (posted)",
               "PlayWnd Media Player <- WM_COMMAND, 40029, 3 (posted)");
}

TEST_F(PanelTest, TvCommandsGoTheWayTheProtocolLists) {
  start_watching();
  app().tv_command(core::tv::kTuneChannel, 12, core::TvDelivery::kPost);
  app().tv_command(core::tv::kVolume, 100, core::TvDelivery::kSend);
  send_command(40018);  // the TV window is gone, the kept handle stays
  clear_calls();
  app().tv_command(core::tv::kMuteOn, 0, core::TvDelivery::kPostKept);
  app().tv_command(core::tv::kTuneChannel, 13, core::TvDelivery::kPost);
  EXPECT_CALLS(calls(), "PostMessage(Tv, WM_COMMAND, 2011, 0)",
               "FindWindow(Zentavio Hovra, Tv) = null", "PostMessage(null, WM_COMMAND, 8000, 13)");
  EXPECT_EQ(tv_commands(), (std::vector<std::string>{"cmd 2010 100", "cmd 8000 12", "msg WM_CLOSE"}));

  const std::pair<core::CommandId, std::uint8_t> routes[] = {
      {2001, 1}, {2004, 1}, {40206, 1}, {42227, 1}, {8000, 2}, {55555, 2}, {55556, 2}, {2009, 2},
      {2017, 3}, {2022, 2}, {2005, 2}, {45791, 2}, {2010, 5}, {2011, 4}, {2016, 4}, {40203, 4},
      {40212, 4}, {45000, 1}, {42226, 1}, {4007, 2}, {40002, 2}, {4101, 1}, {2008, 2}, {3001, 2},
      {3005, 2}, {3007, 2}, {3000, 1}, {2021, 2}, {40214, 4}, {55557, 2}, {7788, 1}, {2020, 1},
      {7790, 1}, {8001, 1}, {8002, 1}, {45790, 2}, {3010, 0}, {40113, 0}};
  for (const auto& [command, deliveries] : routes) {
    EXPECT_EQ(core::tv_deliveries(command), deliveries) << command;
  }
}

}  // namespace
}  // namespace zel::testing
