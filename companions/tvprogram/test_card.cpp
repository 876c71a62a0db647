#include "companions/tvprogram/test_card.h"

namespace zel::tv {
namespace {

// value / divisor with `decimals` digits after the point; exact for negative values too.
std::string fixed_point(std::int64_t value, std::int64_t divisor, int decimals) {
  std::string text = value < 0 ? "-" : "";
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::uint64_t whole_divisor = static_cast<std::uint64_t>(divisor);
  text += std::to_string(magnitude / whole_divisor);
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const std::uint64_t fraction = magnitude % whole_divisor * scale / whole_divisor;
  std::string digits = std::to_string(fraction);
  text += '.';
  text += std::string(static_cast<std::size_t>(decimals) - digits.size(), '0') + digits;
  return text;
}

}  // namespace

std::string_view source_name(Source source) {
  switch (source) {
    case Source::kAvIn: return "AV-in";
    case Source::kSVideo: return "S-Video";
    case Source::kCableTv: return "Cable TV";
    case Source::kAirTv: return "Air TV";
    case Source::kFmRadio: return "FM radio";
  }
  return "?";
}

std::string test_card_caption(const TuningState& state) {
  std::string caption(source_name(state.source));
  switch (state.source) {
    case Source::kAirTv:
    case Source::kCableTv:
      if (state.full_scan_entry == 0 && state.frequency_hz == 0) {
        caption += "  CH " + std::to_string(state.channel);
      }
      if (state.full_scan_entry != 0) caption += "  #" + std::to_string(state.full_scan_entry);
      if (state.frequency_hz != 0) caption += "  " + fixed_point(state.frequency_hz, 1000000, 2) + " MHz";
      break;
    case Source::kFmRadio:
      caption += "  " + fixed_point(state.fm_frequency, 10, 1) + " MHz";
      break;
    case Source::kAvIn:
    case Source::kSVideo:
      break;
  }
  return caption;
}

}  // namespace zel::tv
