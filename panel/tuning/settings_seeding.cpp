#include "panel/tuning/settings_seeding.h"

#include <algorithm>
#include <string>
#include <vector>

#include "panel/tuning/settings_keys.h"

namespace zel::settings {
namespace {

// Step 2: the value read, or 50 after writing "50" over a 0.
std::int32_t seed_picture_value(ProfileStore& store, const IntKey& key) {
  const std::int32_t value = store.read_int(key.section, key.name, 0);
  if (value != 0) return value;
  write(store, key, seed::kPicture);
  return 50;
}

void seed_if_missing(ProfileStore& store, const TextKey& key, std::string_view seed_value) {
  if (read(store, key) == kFalse) write(store, key, seed_value);
}

}  // namespace

BandRanges read_band_ranges(ProfileStore& store) {
  BandRanges r;
  r.cable.last = read(store, hovra::kMaxCable);
  r.air.last = read(store, hovra::kMaxAir);
  r.cable.first = read(store, hovra::kMinCable);
  r.air.first = read(store, hovra::kMinAir);
  return r;
}

bool rebuild_band_list(ProfileStore& store, Band band, BandRange range) {
  const bool air = band == Band::air;
  const TextKey& already_scan = air ? channel_list::kAlreadyScanAir : channel_list::kAlreadyScanCable;
  const IntKey& current = air ? tv_tuner::kTvChannelAir : tv_tuner::kTvChannelCable;

  const std::int32_t first = std::max<std::int32_t>(range.first, 0);
  const std::int32_t last = std::min(range.last, kMaxChannelNumber);
  std::vector<std::string> numbers;
  if (first <= last) numbers.reserve(static_cast<std::size_t>(last - first + 1));
  for (std::int32_t n = first; n <= last; ++n) numbers.push_back(std::to_string(n));

  std::vector<ProfileWrite> writes;
  writes.reserve(numbers.size() + 2);
  writes.push_back({already_scan.section, already_scan.name, kFalse});
  writes.push_back({current.section, current.name, seed::kBandChannel});
  for (const std::string& n : numbers) writes.push_back({already_scan.section, n, kTrue});
  return store.write_texts(writes);
}

SeedingResult seed_settings(ProfileStore& store, const SeedingHooks& hooks) {
  SeedingResult result;

  if (read(store, freq_list::kAllCh) < 1) write(store, vorne::kUseFullScan, kFalse);

  result.picture.brightness = seed_picture_value(store, video_proc_amp::kBrightness);
  result.picture.hue = seed_picture_value(store, video_proc_amp::kHue);
  result.picture.contrast = seed_picture_value(store, video_proc_amp::kContrast);
  result.picture.saturation = seed_picture_value(store, video_proc_amp::kSaturation);

  store.delete_section(section::kAudioDevice);
  store.delete_section(section::kAudio);
  if (hooks.audio_sections_deleted) hooks.audio_sections_deleted();

  if (read(store, hovra::kCountryCode) == 0 && hooks.choose_country) hooks.choose_country();

  if (read(store, tv_tuner::kFmChannel) == 0) {
    const bool japan = read(store, hovra::kCountryCode) == seed::kJapanCountryCode;
    write(store, tv_tuner::kFmChannel, japan ? seed::kFmChannelJapan : seed::kFmChannel);
  }

  result.ranges = read_band_ranges(store);

  seed_if_missing(store, surfing::kTime, seed::kSurfTime);
  seed_if_missing(store, surfing::kWin, seed::kSurfWin);

  if (read(store, channel_list::kAlreadyScanAir) == kFalse) {
    rebuild_band_list(store, Band::air, result.ranges.air);
  }
  if (read(store, channel_list::kAlreadyScanCable) == kFalse) {
    rebuild_band_list(store, Band::cable, result.ranges.cable);
  }

  result.volume = read(store, audio_proc_amp::kVolume);
  write(store, audio_proc_amp::kVolume, result.volume);
  return result;
}

}  // namespace zel::settings
