#pragma once
// Start-up seeding of the settings file, and the rebuild of a band's channel
// list that choosing a country repeats.
#include <cstdint>
#include <functional>

#include "common/ini/profile_store.h"

namespace zel::settings {

enum class Band { air, cable };

// First and last channel number of a band; first > last means no channels.
struct BandRange {
  std::int32_t first = 0;
  std::int32_t last = 0;
  bool operator==(const BandRange&) const = default;
};

struct BandRanges {
  BandRange air;    // [HOVRA] Minair, Maxair
  BandRange cable;  // [HOVRA] Min, Max
  bool operator==(const BandRanges&) const = default;
};

// No channel plan numbers channels beyond this; a rebuild writes list keys
// only for channels 0 to kMaxChannelNumber, so a damaged range in the file
// cannot make it write millions of keys.
inline constexpr std::int32_t kMaxChannelNumber = 999;

// Reads [HOVRA] Minair, Maxair, Min and Max (default 0 each).
BandRanges read_band_ranges(ProfileStore& store);

// Rebuilds the band's list in [CHANNELLISTAIR] or [CHANNELLIST]: writes
// ALREADYSCAN "FALSE", the band's current channel ([TVTuner] TVChannelAir or
// TVChannelCable) "8", then "TRUE" under every channel number of the range,
// in rising order, as one batch (ProfileStore::write_texts). Keys already in
// the section stay. Returns false when a write failed.
bool rebuild_band_list(ProfileStore& store, Band band, BandRange range);

struct PictureValues {
  std::int32_t brightness = 50;
  std::int32_t hue = 50;
  std::int32_t contrast = 50;
  std::int32_t saturation = 50;
  bool operator==(const PictureValues&) const = default;
};

struct SeedingResult {
  BandRanges ranges;      // for the channel model
  PictureValues picture;  // the values read, or 50 where 0 was replaced
  std::int32_t volume = 128;
};

struct SeedingHooks {
  // Runs when [HOVRA] CountryCode reads 0: the modal country dialog, which
  // writes the country, its ranges and its standard.
  std::function<void()> choose_country;
  // Runs right after [AudioDevice] and [Audio] were deleted: the sound-card
  // mixer set-up, which writes them again.
  std::function<void()> audio_sections_deleted;
};

// The start-up seeding, in this order:
//  1. [FREQCHLIST] ALLCH < 1 (default 0): [vorne] UseFullScan = "FALSE".
//  2. [VideoProcAmp] BrightnessValue, HueValue, ContrastValue, SaturationValue:
//     each reading 0 (missing and text included) is written "50".
//  3. Deletes [AudioDevice] and [Audio]; then hooks.audio_sections_deleted.
//  4. [HOVRA] CountryCode reads 0: hooks.choose_country.
//  5. [TVTuner] FMChannel reads 0: written "760" when CountryCode (read
//     again) is 81, else "875".
//  6. Reads the band ranges.
//  7. [SURFING] TIME and WIN reading as "FALSE" (their missing marker) are
//     written "4" and "2 x 2".
//  8. Each band whose ALREADYSCAN reads "FALSE" (missing included) is rebuilt
//     with rebuild_band_list, air first.
//  9. [AudioProcAmp] VolumeValue (default 128) is read and written back.
SeedingResult seed_settings(ProfileStore& store, const SeedingHooks& hooks);

}  // namespace zel::settings
