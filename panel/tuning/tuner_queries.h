#pragma once
// The answers of the tuner-data library, read from the tables: what a country
// index stands for, the channel range of a band, the carrier of a channel.
#include <cstdint>
#include <optional>

namespace zel {

enum class Band : std::int32_t { kAir = 0, kCable = 1 };

struct CountryInfo {
  std::int32_t code;      // telephone code
  std::int32_t standard;  // standard id, 1 to 18
};

struct BandLimits {
  std::int32_t last;
  std::int32_t first;
  friend constexpr bool operator==(const BandLimits&, const BandLimits&) = default;
};

// Empty for an index outside 0 to kCountryCount - 1.
std::optional<CountryInfo> country_info(std::int32_t index);
std::optional<BandLimits> band_limits(std::int32_t index, Band band);

// Nominal picture carrier of a channel in Hz; 0 for a bad index, a channel
// without carrier, below 1 or above the table's last channel.
std::int32_t channel_frequency(std::int32_t index, Band band, std::int32_t channel);

}  // namespace zel
