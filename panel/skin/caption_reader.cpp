#include "panel/skin/caption_reader.h"

#include <string>

namespace zel::skin {

void read_captions(ProfileStore& file, SkinLayout& layout) {
  for (const CaptionRow& row : kCaptions) {
    layout.captions[static_cast<std::size_t>(row.id)] =
        read_key(file, row.section, row.key, layout.skin_set);
  }
  for (int number = 1; number <= kCountryNameCount; ++number) {
    const std::string name = country_key(number);
    layout.country_names[static_cast<std::size_t>(number - 1)] = read_key(
        file, Section::kButtons, TextKey{name, "", kCountryNameMaxLength}, layout.skin_set);
  }
}

void read_channel_button_captions(ProfileStore& file, std::int32_t skin_set, bool frequency,
                                  SkinLayout& layout) {
  const TextKey& down = frequency ? kFreqDownCaption : kButtons[button::kChDown].caption;
  const TextKey& up = frequency ? kFreqUpCaption : kButtons[button::kChUp].caption;
  layout.buttons[button::kChDown].caption = read_key(file, Section::kButtons, down, skin_set);
  layout.buttons[button::kChUp].caption = read_key(file, Section::kButtons, up, skin_set);
}

}  // namespace zel::skin
