#include "companions/tvprogram/tv_program_core.h"

#include <gtest/gtest.h>

#include "tests/host/tvprogram/fakes.h"

namespace zel::tv {
namespace {

using testing::Delivery;
using testing::FakeHost;
using testing::MemoryStore;
using Lines = std::vector<std::string>;

// --- start-up ---------------------------------------------------------------

struct StartCase {
  const char* name;
  MemoryStore settings;
  int show;
  Source source;
  Source band;
  std::int32_t channel;
  std::int32_t full_scan_entry;
  std::int64_t frequency_hz;
  std::int32_t fm_frequency;
  const char* start_line;
};

TEST(TvProgramStart, ReadsSourceChannelAndFrequencyFromTheSettingsFile) {
  const StartCase cases[] = {
      {"empty file: cable, channel 8", {}, 0, Source::kCableTv, Source::kCableTv, 8, 0, 0, 0,
       "start show=0 source=3 channel=8 fm=0"},
      {"air takes the air key, not a stale TVChannel",
       {{{"HovraCrossbar", "InputSource"}, "4"},
        {{"TVTuner", "TVChannelAir"}, "5"},
        {{"TVTuner", "TVChannelCable"}, "9"},
        {{"TVTuner", "TVChannel"}, "9"},
        {{"TVTuner", "FMChannel"}, "1000"}},
       0, Source::kAirTv, Source::kAirTv, 5, 0, 0, 1000, "start show=0 source=4 channel=5 fm=1000"},
      {"cable without its key falls back to TVChannel",
       {{{"hovracrossbar", "inputsource"}, "3"}, {{"TVTuner", "TVChannel"}, "12"}}, 0, Source::kCableTv,
       Source::kCableTv, 12, 0, 0, 0, "start show=0 source=3 channel=12 fm=0"},
      {"FM uses the low 16 bits of FMChannel",
       {{{"HovraCrossbar", "InputSource"}, "5"}, {{"TVTuner", "FMChannel"}, "66411"}}, 0, Source::kFmRadio,
       Source::kCableTv, 8, 0, 0, 875, "start show=0 source=5 channel=8 fm=875"},
      {"S-Video shown", {{{"HovraCrossbar", "InputSource"}, "2"}}, 5, Source::kSVideo, Source::kCableTv, 8, 0, 0,
       0, "start show=5 source=2 channel=8 fm=0"},
      {"a source the panel never writes reads as cable",
       {{{"HovraCrossbar", "InputSource"}, "9"}, {{"TVTuner", "TVChannelCable"}, "3"}}, 0, Source::kCableTv,
       Source::kCableTv, 3, 0, 0, 0, "start show=0 source=3 channel=3 fm=0"},
      {"fully-scan list in use: the current entry and its frequency",
       {{{"HovraCrossbar", "InputSource"}, "4"},
        {{"vorne", "UseFullScan"}, "TRUE"},
        {{"FREQCHLIST", "CHANNELNOW"}, "2"},
        {{"FREQCHLIST", "2"}, "55250000"},
        {{"TVTuner", "TVChannelAir"}, "6"}},
       0, Source::kAirTv, Source::kAirTv, 0, 2, 55250000, 0, "start show=0 source=4 channel=0 fm=0"},
      {"\"true\" in lower case is not TRUE",
       {{{"HovraCrossbar", "InputSource"}, "4"},
        {{"vorne", "UseFullScan"}, "true"},
        {{"FREQCHLIST", "CHANNELNOW"}, "2"},
        {{"TVTuner", "TVChannelAir"}, "6"}},
       0, Source::kAirTv, Source::kAirTv, 6, 0, 0, 0, "start show=0 source=4 channel=6 fm=0"},
  };
  for (const StartCase& row : cases) {
    SCOPED_TRACE(row.name);
    FakeHost host;
    MemoryStore settings = row.settings;
    TvProgramCore core(host, settings);
    core.start(row.show);

    const TuningState& state = core.state();
    EXPECT_EQ(state.source, row.source);
    EXPECT_EQ(state.band, row.band);
    EXPECT_EQ(state.channel, row.channel);
    EXPECT_EQ(state.full_scan_entry, row.full_scan_entry);
    EXPECT_EQ(state.frequency_hz, row.frequency_hz);
    EXPECT_EQ(state.fm_frequency, row.fm_frequency);
    // The start counts as the panel's source request: confirmed with 40113, posted.
    EXPECT_EQ(host.log, (Lines{row.start_line, "out post 40113 0"}));
    EXPECT_EQ(host.deliveries, (std::vector<Delivery>{{false, 40113, 0}}));
    EXPECT_EQ(settings.dump(), row.settings.dump()) << "start-up only reads";
  }
}

// --- source switches and acknowledgements -------------------------------------

class TvProgramRunning : public ::testing::Test {
 protected:
  void SetUp() override {
    core_.start(0);
    host_.log.clear();
    host_.deliveries.clear();
    host_.tuning_changes = 0;
  }

  FakeHost host_;
  MemoryStore settings_{{{"HovraCrossbar", "InputSource"}, "3"},
                        {{"TVTuner", "TVChannelAir"}, "21"},
                        {{"TVTuner", "TVChannelCable"}, "7"},
                        {{"TVTuner", "TVChannel"}, "7"},
                        {{"TVTuner", "FMChannel"}, "981"}};
  TvProgramCore core_{host_, settings_};
};

TEST_F(TvProgramRunning, EachSourceSwitchIsConfirmedWith40113AfterTheSwitch) {
  struct Case {
    std::uint16_t command;
    Source source;
    std::int32_t channel;
  };
  const Case cases[] = {
      {2002, Source::kAirTv, 21},   {2001, Source::kAvIn, 21},  {2003, Source::kCableTv, 7},
      {2004, Source::kSVideo, 7},   {40206, Source::kFmRadio, 7},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.command);
    host_.log.clear();
    host_.deliveries.clear();
    const int changes = host_.tuning_changes;
    core_.on_command(row.command, 0);

    EXPECT_EQ(core_.state().source, row.source);
    EXPECT_EQ(core_.state().channel, row.channel);
    EXPECT_EQ(core_.state().fm_frequency, 981);
    EXPECT_EQ(host_.log, (Lines{"cmd " + std::to_string(row.command) + " 0", "out post 40113 0"}));
    EXPECT_EQ(host_.deliveries, (std::vector<Delivery>{{false, 40113, 0}}));
    EXPECT_GT(host_.tuning_changes, changes) << "the test card is drawn again";
  }
}

// The panel copies the band's channel into TVChannel only after the switch
// returns, so at the switch TVChannel still holds the other band's channel.
TEST_F(TvProgramRunning, SwitchReadsTheBandsOwnChannelKeyAtTheMomentOfTheSwitch) {
  settings_.write_text("TVTuner", "TVChannelAir", "33");
  core_.on_command(2002, 0);
  EXPECT_EQ(core_.state().channel, 33);
  EXPECT_EQ(core_.state().band, Source::kAirTv);
}

TEST_F(TvProgramRunning, ChannelCommandsTuneTheLastTunerBandWhileAVideoInputIsShown) {
  core_.on_command(2002, 0);
  core_.on_command(2001, 0);
  core_.on_command(8000, 44);
  EXPECT_EQ(core_.state().source, Source::kAvIn);
  EXPECT_EQ(core_.state().band, Source::kAirTv);
  EXPECT_EQ(core_.state().channel, 44);
}

TEST_F(TvProgramRunning, RequestsAreAcknowledgedByPost) {
  struct Case {
    std::uint16_t request;
    std::uint16_t answer;
  };
  const Case cases[] = {{3001, 40314}, {40002, 46102}, {45790, 46103}, {3005, 40113}};
  for (const Case& row : cases) {
    SCOPED_TRACE(row.request);
    host_.log.clear();
    host_.deliveries.clear();
    core_.on_command(row.request, 0);
    EXPECT_EQ(host_.deliveries, (std::vector<Delivery>{{false, row.answer, 0}}));
    EXPECT_EQ(host_.log, (Lines{"cmd " + std::to_string(row.request) + " 0",
                                "out post " + std::to_string(row.answer) + " 0"}));
  }
  EXPECT_EQ(core_.state().source, Source::kCableTv) << "acknowledgements change no tuning";
}

TEST_F(TvProgramRunning, CommandsWithoutAnAnswerAreOnlyLogged) {
  const std::pair<std::uint16_t, std::int32_t> commands[] = {
      {2010, 120}, {2011, 0}, {40200, 55}, {8001, 500}, {45000, 2}, {4101, 1}, {2008, 0}, {9999, -1}};
  Lines expected;
  for (const auto& [command, argument] : commands) {
    core_.on_command(command, argument);
    expected.push_back("cmd " + std::to_string(command) + " " + std::to_string(argument));
  }
  EXPECT_EQ(host_.log, expected);
  EXPECT_TRUE(host_.deliveries.empty());
  EXPECT_EQ(host_.tuning_changes, 0);
}

// --- questions answered inside the panel's send ---------------------------------

TEST(TvProgramQuestions, FmQuestionIsAnsweredBySendWithTheConfiguredPresence) {
  for (const bool present : {true, false}) {
    SCOPED_TRACE(present);
    FakeHost host;
    MemoryStore settings;
    TvProgramCore core(host, settings, TvOptions{present});
    core.on_command(42227, 0);
    EXPECT_EQ(host.deliveries, (std::vector<Delivery>{{true, 42227, present ? 1 : 0}}));
    EXPECT_EQ(host.log, (Lines{"cmd 42227 0", present ? "out send 42227 1" : "out send 42227 0"}));
  }
}

TEST(TvProgramQuestions, AudioModeQuestionIsAnsweredBySendWith42225) {
  FakeHost host;
  MemoryStore settings;
  TvOptions options;
  EXPECT_EQ(options.audio_modes, 1 | 2 | 16 | 32);
  options.audio_modes = 3;
  TvProgramCore core(host, settings, options);
  core.on_command(42226, 0);
  EXPECT_EQ(host.deliveries, (std::vector<Delivery>{{true, 42225, 3}}));
}

// On the desktop the panel handles the answer while its own send to the TV
// window is still waiting, and may send the TV window more from there.
TEST(TvProgramQuestions, ThePanelMaySendCommandsWhileHandlingTheAnswer) {
  FakeHost host;
  MemoryStore settings{{{"TVTuner", "FMChannel"}, "875"}};
  TvProgramCore core(host, settings);
  host.panel = [&](const Delivery& delivery) {
    if (delivery.command == 42227) core.on_command(40206, 0);
  };
  core.on_command(42227, 0);
  EXPECT_EQ(host.log, (Lines{"cmd 42227 0", "cmd 40206 0", "out post 40113 0", "out send 42227 1"}));
  EXPECT_EQ(core.state().source, Source::kFmRadio);
  EXPECT_EQ(core.state().fm_frequency, 875);
}

TEST(TvProgramQuestions, RepliesWithoutAPanelWindowAreLoggedAsLost) {
  FakeHost host;
  host.panel_exists = false;
  MemoryStore settings;
  TvProgramCore core(host, settings);
  core.start(0);
  core.on_command(42227, 0);
  core.on_command(2002, 0);
  EXPECT_EQ(host.log, (Lines{"start show=0 source=3 channel=8 fm=0", "out post 40113 0 lost", "cmd 42227 0",
                             "out send 42227 1 lost", "cmd 2002 0", "out post 40113 0 lost"}));
  EXPECT_EQ(core.state().source, Source::kAirTv) << "the switch happens all the same";
}

// --- tuning -----------------------------------------------------------------

TEST(TvProgramTuning, FmFrequencyIsStoredInFMChannelAsSent) {
  FakeHost host;
  MemoryStore settings{{{"HovraCrossbar", "InputSource"}, "5"}, {{"TVTuner", "FMChannel"}, "875"}};
  TvProgramCore core(host, settings);
  core.start(0);
  core.on_command(2017, 1080);
  EXPECT_EQ(settings.read_text("TVTuner", "FMChannel", "", 260), "1080");
  EXPECT_EQ(core.state().fm_frequency, 1080);
  core.on_command(2017, 760);
  EXPECT_EQ(settings.read_text("TVTuner", "FMChannel", "", 260), "760");
  EXPECT_EQ(host.log.back(), "cmd 2017 760");
  EXPECT_EQ(host.deliveries.size(), 1u) << "only the start confirmation; 2017 has no answer";
  // Back to FM later: the stored frequency is the one tuned.
  core.on_command(2002, 0);
  core.on_command(40206, 0);
  EXPECT_EQ(core.state().fm_frequency, 760);
}

TEST(TvProgramTuning, ChannelCommandIsAFullyScanEntryOnlyWhileUseFullScanIsTRUE) {
  FakeHost host;
  MemoryStore settings{{{"HovraCrossbar", "InputSource"}, "4"},
                       {{"TVTuner", "TVChannelAir"}, "6"},
                       {{"FREQCHLIST", "ALLCH"}, "3"},
                       {{"FREQCHLIST", "3"}, "801250000"}};
  TvProgramCore core(host, settings);
  core.start(0);

  core.on_command(8000, 3);
  EXPECT_EQ(core.state().channel, 3);
  EXPECT_EQ(core.state().full_scan_entry, 0);

  settings.write_text("vorne", "UseFullScan", "TRUE");
  core.on_command(8000, 3);
  EXPECT_EQ(core.state().channel, 3) << "the channel stays as it was";
  EXPECT_EQ(core.state().full_scan_entry, 3);
  EXPECT_EQ(core.state().frequency_hz, 801250000);

  core.on_command(8000, 7);  // an entry the list does not hold
  EXPECT_EQ(core.state().full_scan_entry, 7);
  EXPECT_EQ(core.state().frequency_hz, 0);

  // A frequency of the fully-scan list, then its entry number.
  core.on_command(55555, 4525);
  EXPECT_EQ(core.state().frequency_hz, 45250000);
  EXPECT_EQ(core.state().full_scan_entry, 0);
  core.on_command(55556, 1);
  EXPECT_EQ(core.state().full_scan_entry, 1);
  EXPECT_EQ(core.state().frequency_hz, 45250000);
}

// --- window messages -----------------------------------------------------------

TEST(TvProgramMessages, CloseLogsAndClosesTheWindow) {
  FakeHost host;
  MemoryStore settings;
  TvProgramCore core(host, settings);
  core.on_message(WindowMessage::kLeftDoubleClick);
  EXPECT_EQ(host.closes, 0);
  core.on_message(WindowMessage::kClose);
  EXPECT_EQ(host.closes, 1);
  EXPECT_EQ(host.log, (Lines{"msg WM_LBUTTONDBLCLK", "msg WM_CLOSE"}));
  EXPECT_TRUE(host.deliveries.empty());
}

}  // namespace
}  // namespace zel::tv
