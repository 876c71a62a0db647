#pragma once
// One channel table of the tuner-data library: the words first channel, last
// channel, intermediate frequency (Hz), then the picture-carrier frequency (Hz)
// of every channel from 1 to the last channel, 0 where the channel has no
// carrier (always so below the first channel).
//
// Tables are written as runs of equally spaced carriers and expanded at
// compile time by make_channel_words(); a run that leaves the table or
// overlaps another one does not compile.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace zel {

class ChannelTable {
 public:
  template <std::size_t N>
  constexpr explicit ChannelTable(const std::array<std::int32_t, N>& words) : words_(words) {}

  constexpr std::int32_t first_channel() const { return words_[0]; }
  constexpr std::int32_t last_channel() const { return words_[1]; }
  constexpr std::int32_t intermediate_hz() const { return words_[2]; }

  // Picture carrier of a channel in Hz; 0 for no carrier, for channel 0 or
  // below, and above the last channel.
  constexpr std::int32_t carrier_hz(std::int32_t channel) const {
    if (channel < 1 || channel > last_channel()) return 0;
    return words_[static_cast<std::size_t>(channel) + 2];
  }

  // The whole word sequence as the library describes a table.
  constexpr std::span<const std::int32_t> words() const { return words_; }

 private:
  std::span<const std::int32_t> words_;
};

inline constexpr std::int32_t kIntermediate45_75MHz = 45'750'000;
inline constexpr std::int32_t kIntermediate38_9MHz = 38'900'000;

// `count` channels from `channel` on, the first at `first_mhz`, each next one
// `step_mhz` higher. Frequencies are whole multiples of 250 kHz, so the
// decimal MHz values convert exactly.
struct CarrierRun {
  std::int32_t channel;
  std::int32_t count;
  double first_mhz;
  double step_mhz = 0.0;
};

consteval std::int32_t mhz_to_hz(double mhz) {
  const double hz = mhz * 1'000'000.0;
  const auto whole = static_cast<std::int32_t>(hz);
  if (whole != hz) throw "frequency is not a whole number of Hz";
  return whole;
}

template <std::size_t LastChannel>
consteval std::array<std::int32_t, LastChannel + 3> make_channel_words(
    std::int32_t first_channel, std::int32_t intermediate_hz, std::initializer_list<CarrierRun> runs) {
  std::array<std::int32_t, LastChannel + 3> words{};
  words[0] = first_channel;
  words[1] = static_cast<std::int32_t>(LastChannel);
  words[2] = intermediate_hz;
  for (const CarrierRun& run : runs) {
    for (std::int32_t i = 0; i < run.count; ++i) {
      const std::int32_t channel = run.channel + i;
      if (channel < first_channel || channel > static_cast<std::int32_t>(LastChannel)) {
        throw "run leaves the table";
      }
      std::int32_t& slot = words[static_cast<std::size_t>(channel) + 2];
      if (slot != 0) throw "runs overlap";
      slot = mhz_to_hz(run.first_mhz + run.step_mhz * i);
    }
  }
  return words;
}

}  // namespace zel
