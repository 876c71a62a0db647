#include "panel/skin/skin_keys.h"

#include <algorithm>

namespace zel::skin {

std::string section_name(Section section, std::int32_t skin_set) {
  if (section == Section::kButtons) return std::to_string(skin_set) + "PANEL_BTN";
  return "Panel";
}

std::string key_name(Section section, std::string_view name, std::int32_t skin_set) {
  if (section == Section::kPanelOfSet) return std::to_string(skin_set) + std::string(name);
  return std::string(name);
}

std::int32_t clamp_to(Range range, std::int32_t value) {
  switch (range) {
    case Range::kPosition:
      return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
    case Range::kSize:
      return std::clamp(value, 0, kCoordinateLimit);
    case Range::kAny:
      break;
  }
  return value;
}

std::int32_t read_key(ProfileStore& file, Section section, const IntKey& key,
                      std::int32_t skin_set) {
  const std::int32_t value = file.read_int(section_name(section, skin_set),
                                           key_name(section, key.name, skin_set), key.fallback);
  return clamp_to(key.range, value);
}

std::string read_key(ProfileStore& file, Section section, const TextKey& key,
                     std::int32_t skin_set) {
  std::string text = file.read_text(section_name(section, skin_set),
                                    key_name(section, key.name, skin_set), key.fallback,
                                    key.max_length + 1);
  // The store already cuts to the buffer; this keeps the limit whatever the
  // store does.
  if (text.size() > key.max_length) text.resize(key.max_length);
  return text;
}

}  // namespace zel::skin
