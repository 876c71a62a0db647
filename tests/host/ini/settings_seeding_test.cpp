// Start-up seeding and the band-list rebuild, on a real settings file.
#include "panel/tuning/settings_seeding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ini/ini_profile_store.h"
#include "panel/tuning/settings_keys.h"
#include "tests/host/ini/temp_folder.h"

namespace zel::settings {
namespace {

using test::escaped;

class SeedingTest : public ::testing::Test {
 protected:
  std::string path() const { return folder_.file("ZelSFile.ini"); }
  void start_with(std::string_view text) { test::put_file(path(), text); }
  std::string file() const { return test::file_bytes(path()); }

  // A country dialog that picks `code` with small band ranges.
  SeedingHooks dialog_choosing(int code) {
    SeedingHooks hooks;
    hooks.choose_country = [this, code] {
      ++dialogs_;
      store_.write_text("HOVRA", "CountryCode", std::to_string(code));
      store_.write_text("HOVRA", "Minair", "2");
      store_.write_text("HOVRA", "Maxair", "4");
      store_.write_text("HOVRA", "Min", "1");
      store_.write_text("HOVRA", "Max", "2");
    };
    return hooks;
  }

  test::TempFolder folder_;
  IniProfileStore store_{path()};
  int dialogs_ = 0;
};

TEST_F(SeedingTest, FirstStartWritesEverySeedInOrder) {
  const SeedingResult r = seed_settings(store_, dialog_choosing(44));
  EXPECT_EQ(dialogs_, 1);
  EXPECT_EQ(escaped(file()),
            escaped("[vorne]\r\nUseFullScan=FALSE\r\n"
                    "[VideoProcAmp]\r\nBrightnessValue=50\r\nHueValue=50\r\nContrastValue=50\r\nSaturationValue=50\r\n"
                    "[HOVRA]\r\nCountryCode=44\r\nMinair=2\r\nMaxair=4\r\nMin=1\r\nMax=2\r\n"
                    "[TVTuner]\r\nFMChannel=875\r\nTVChannelAir=8\r\nTVChannelCable=8\r\n"
                    "[SURFING]\r\nTIME=4\r\nWIN=2 x 2\r\n"
                    "[CHANNELLISTAIR]\r\nALREADYSCAN=FALSE\r\n2=TRUE\r\n3=TRUE\r\n4=TRUE\r\n"
                    "[CHANNELLIST]\r\nALREADYSCAN=FALSE\r\n1=TRUE\r\n2=TRUE\r\n"
                    "[AudioProcAmp]\r\nVolumeValue=128\r\n"));
  EXPECT_EQ(r.ranges, (BandRanges{{2, 4}, {1, 2}}));
  EXPECT_EQ(r.picture, (PictureValues{50, 50, 50, 50}));
  EXPECT_EQ(r.volume, 128);
}

TEST_F(SeedingTest, JapanGetsTheJapaneseFmBand) {
  seed_settings(store_, dialog_choosing(81));
  EXPECT_EQ(store_.read_text("TVTuner", "FMChannel", "", 260), "760");
}

TEST_F(SeedingTest, StoredFmChannelStays) {
  start_with("[HOVRA]\r\nCountryCode=81\r\n[TVTuner]\r\nFMChannel=900\r\n");
  seed_settings(store_, dialog_choosing(1));
  EXPECT_EQ(dialogs_, 0);
  EXPECT_EQ(store_.read_int("TVTuner", "FMChannel", 0), 900);
}

TEST_F(SeedingTest, UseFullScanForcedOffWithoutFullScanList) {
  start_with("[HOVRA]\r\nCountryCode=1\r\n[FREQCHLIST]\r\nALLCH=0\r\n[vorne]\r\nUseFullScan=TRUE\r\n");
  seed_settings(store_, {});
  EXPECT_EQ(read(store_, vorne::kUseFullScan), "FALSE");

  start_with("[HOVRA]\r\nCountryCode=1\r\n[FREQCHLIST]\r\nALLCH=3\r\n[vorne]\r\nUseFullScan=TRUE\r\n");
  seed_settings(store_, {});
  EXPECT_EQ(read(store_, vorne::kUseFullScan), "TRUE");
}

TEST_F(SeedingTest, PictureZeroBecomesFiftyAndOtherValuesStay) {
  start_with("[HOVRA]\r\nCountryCode=1\r\n"
             "[VideoProcAmp]\r\nBrightnessValue=0\r\nHueValue=70\r\nContrastValue=abc\r\n");
  const SeedingResult r = seed_settings(store_, {});
  EXPECT_EQ(r.picture, (PictureValues{50, 70, 50, 50}));
  EXPECT_EQ(read(store_, video_proc_amp::kBrightness), 50);
  EXPECT_EQ(store_.read_text("VideoProcAmp", "HueValue", "", 260), "70");
  EXPECT_EQ(store_.read_text("VideoProcAmp", "ContrastValue", "", 260), "50");
  EXPECT_EQ(store_.read_text("VideoProcAmp", "SaturationValue", "", 260), "50");
}

TEST_F(SeedingTest, AudioSectionsAreGoneWhenTheMixerRuns) {
  start_with("[HOVRA]\r\nCountryCode=1\r\n[AudioDevice]\r\n0=Line In\r\n1=None\r\n[Audio]\r\n0=7\r\n1=0\r\n");
  SeedingHooks hooks;
  bool ran = false;
  hooks.audio_sections_deleted = [&] {
    ran = true;
    EXPECT_EQ(store_.read_text("AudioDevice", "0", "gone", 260), "gone");
    EXPECT_EQ(store_.read_text("Audio", "0", "gone", 260), "gone");
    store_.write_text("AudioDevice", "0", "CD");
  };
  seed_settings(store_, hooks);
  EXPECT_TRUE(ran);
  EXPECT_EQ(store_.read_text("AudioDevice", "0", "", 260), "CD");
}

TEST_F(SeedingTest, DeletedAirListIsRebuiltAndCableListKept) {
  start_with("[HOVRA]\r\nCountryCode=1\r\nMinair=2\r\nMaxair=4\r\nMin=1\r\nMax=3\r\n"
             "[TVTuner]\r\nTVChannelAir=3\r\nTVChannelCable=2\r\nFMChannel=875\r\n"
             "[CHANNELLIST]\r\nALREADYSCAN=TRUE\r\n1=FALSE\r\n2=TRUE\r\n3=FALSE\r\n");
  seed_settings(store_, {});
  EXPECT_EQ(store_.read_int("TVTuner", "TVChannelAir", 0), 8);
  EXPECT_EQ(store_.read_int("TVTuner", "TVChannelCable", 0), 2);
  for (const char* n : {"2", "3", "4"}) EXPECT_EQ(store_.read_text("CHANNELLISTAIR", n, "", 260), "TRUE") << n;
  EXPECT_EQ(store_.read_text("CHANNELLISTAIR", "ALREADYSCAN", "", 260), "FALSE");
  EXPECT_EQ(store_.read_text("CHANNELLIST", "1", "", 260), "FALSE");
  EXPECT_EQ(store_.read_text("CHANNELLIST", "3", "", 260), "FALSE");
}

TEST_F(SeedingTest, OnlyExactFalseRebuildsAList) {
  start_with("[HOVRA]\r\nCountryCode=1\r\nMinair=1\r\nMaxair=2\r\n"
             "[CHANNELLISTAIR]\r\nALREADYSCAN=false\r\n1=FALSE\r\n");
  seed_settings(store_, {});
  EXPECT_EQ(store_.read_text("CHANNELLISTAIR", "1", "", 260), "FALSE");
  EXPECT_EQ(store_.read_text("CHANNELLISTAIR", "2", "none", 260), "none");
}

TEST_F(SeedingTest, SurfingAndVolumeKeepStoredValues) {
  start_with("[HOVRA]\r\nCountryCode=1\r\n[SURFING]\r\nTIME=9\r\nWIN=\r\n[AudioProcAmp]\r\nVolumeValue=0x14\r\n");
  const SeedingResult r = seed_settings(store_, {});
  EXPECT_EQ(store_.read_text("SURFING", "TIME", "", 260), "9");
  EXPECT_EQ(store_.read_text("SURFING", "WIN", "x", 260), "");  // empty is not missing
  EXPECT_EQ(r.volume, 20);
  EXPECT_EQ(store_.read_text("AudioProcAmp", "VolumeValue", "", 260), "20");
}

TEST_F(SeedingTest, RecallCableUnderEitherSpelling) {
  ASSERT_TRUE(store_.write_text("TVTuner", "recallCable", "12"));
  EXPECT_EQ(read(store_, tv_tuner::kRecallCable), 12);
  ASSERT_TRUE(store_.write_text("TVTuner", "recallcable", "13"));
  EXPECT_EQ(store_.read_int("TVTuner", "recallCable", 0), 13);
  EXPECT_EQ(file(), "[TVTuner]\r\nrecallCable=13\r\n");
}

// Counts writes without touching a disk.
class CountingStore final : public ProfileStore {
 public:
  std::string read_text(std::string_view, std::string_view, std::string_view d, std::size_t) override {
    return std::string(d);
  }
  std::int32_t read_int(std::string_view, std::string_view, std::int32_t d) override { return d; }
  bool write_text(std::string_view, std::string_view key, std::string_view) override {
    keys.emplace_back(key);
    return true;
  }
  bool delete_key(std::string_view, std::string_view) override { return true; }
  bool delete_section(std::string_view) override { return true; }
  std::vector<std::string> keys;
};

TEST(RebuildTest, DamagedRangeWritesOnlyPossibleChannels) {
  CountingStore store;
  EXPECT_TRUE(rebuild_band_list(store, Band::cable, {-2000000000, 2147483647}));
  ASSERT_EQ(store.keys.size(), 2u + kMaxChannelNumber + 1);
  EXPECT_EQ(store.keys[2], "0");
  EXPECT_EQ(store.keys.back(), std::to_string(kMaxChannelNumber));

  store.keys.clear();
  EXPECT_TRUE(rebuild_band_list(store, Band::air, {5, 4}));
  EXPECT_EQ(store.keys, (std::vector<std::string>{"ALREADYSCAN", "TVChannelAir"}));
}

}  // namespace
}  // namespace zel::settings
