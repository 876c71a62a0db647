#include "companions/tvprogram/tv_environment.h"

#include <gtest/gtest.h>

#include <map>

#include "companions/tvprogram/test_card.h"

namespace zel::tv {
namespace {

EnvironmentLookup environment(std::map<std::string, std::string> values) {
  return [values = std::move(values)](const char* name) -> std::optional<std::string> {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

TEST(TvProgramEnvironment, OptionsFromEnvironmentVariables) {
  struct Case {
    std::map<std::string, std::string> variables;
    bool fm_present;
    std::int32_t audio_modes;
  };
  const Case cases[] = {
      {{}, true, 51},
      {{{"ZEL_TV_FM", "0"}}, false, 51},
      {{{"ZEL_TV_FM", "1"}, {"ZEL_TV_AUDIO_MODES", "3"}}, true, 3},
      {{{"ZEL_TV_FM", ""}, {"ZEL_TV_AUDIO_MODES", "17"}}, true, 17},
      {{{"ZEL_TV_FM", "no"}, {"ZEL_TV_AUDIO_MODES", "3x"}}, true, 51},  // not numbers: defaults
  };
  for (const Case& row : cases) {
    const TvOptions options = options_from_environment(environment(row.variables));
    EXPECT_EQ(options.fm_present, row.fm_present);
    EXPECT_EQ(options.audio_modes, row.audio_modes);
  }
}

TEST(TvProgramEnvironment, SettingsAndLogPaths) {
  EXPECT_EQ(settings_file_path("C:\\Program Files\\Zel TV", "ZelSFile.ini"),
            "C:\\Program Files\\Zel TV\\ZelSFile.ini");
  EXPECT_EQ(settings_file_path("", "ZelSFile.ini"), "\\ZelSFile.ini");

  struct Case {
    std::map<std::string, std::string> variables;
    const char* settings_path;
    const char* log_path;
  };
  const Case cases[] = {
      {{}, "C:\\Program Files\\Zel TV\\ZelSFile.ini", "C:\\Program Files\\Zel TV\\video.log"},
      {{}, "\\ZelSFile.ini", "\\video.log"},
      {{}, "ZelSFile.ini", "video.log"},
      {{{"ZEL_TV_LOG", ""}}, "C:\\tv\\ZelSFile.ini", "C:\\tv\\video.log"},
      {{{"ZEL_TV_LOG", "Z:\\tmp\\tv.log"}}, "C:\\tv\\ZelSFile.ini", "Z:\\tmp\\tv.log"},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(log_file_path(environment(row.variables), row.settings_path), row.log_path) << row.settings_path;
  }
}

TEST(TvProgramTestCard, CaptionNamesTheSourceAndWhatItIsTunedTo) {
  struct Case {
    TuningState state;
    const char* caption;
  };
  const Case cases[] = {
      {{Source::kAirTv, Source::kAirTv, 5, 0, 0, 0}, "Air TV  CH 5"},
      {{Source::kCableTv, Source::kCableTv, 125, 0, 0, 0}, "Cable TV  CH 125"},
      {{Source::kCableTv, Source::kCableTv, 5, 3, 55250000, 0}, "Cable TV  #3  55.25 MHz"},
      {{Source::kAirTv, Source::kAirTv, 5, 0, 863250000, 0}, "Air TV  863.25 MHz"},
      {{Source::kAirTv, Source::kAirTv, 5, 9, 0, 0}, "Air TV  #9"},
      {{Source::kFmRadio, Source::kCableTv, 5, 0, 0, 875}, "FM radio  87.5 MHz"},
      {{Source::kFmRadio, Source::kCableTv, 5, 0, 0, 1080}, "FM radio  108.0 MHz"},
      {{Source::kFmRadio, Source::kCableTv, 5, 0, 0, -5}, "FM radio  -0.5 MHz"},
      {{Source::kAvIn, Source::kAirTv, 5, 0, 0, 875}, "AV-in"},
      {{Source::kSVideo, Source::kAirTv, 5, 0, 0, 875}, "S-Video"},
  };
  for (const Case& row : cases) EXPECT_EQ(test_card_caption(row.state), row.caption);
}

}  // namespace
}  // namespace zel::tv
