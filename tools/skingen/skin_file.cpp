#include "tools/skingen/skin_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "panel/skin/button_table.h"
#include "panel/skin/caption_keys.h"
#include "panel/skin/readout_keys.h"
#include "panel/skin/window_keys.h"
#include "panel/tuning/country_list.h"

namespace zel::skingen {

namespace {

using skin::Section;

// One key the panel reads for a set.
struct KnownKey {
  Section section;
  std::string name;
  bool text = false;
  std::string fallback;  // the default, as it would stand in the file
  skin::Range range = skin::Range::kAny;
  std::size_t max_length = 0;
  bool always = true;  // written with its default when the description does not give it
};

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::vector<KnownKey> catalogue() {
  std::vector<KnownKey> keys;
  auto add_int = [&](Section section, std::string name, std::int32_t fallback, skin::Range range) {
    keys.push_back({section, std::move(name), false, std::to_string(fallback), range, 0, true});
  };
  auto add_text = [&](Section section, const skin::TextKey& key, bool always) {
    keys.push_back({section, std::string(key.name), true, std::string(key.fallback), skin::Range::kAny,
                    key.max_length, always});
  };
  for (const skin::WindowKeyRow& row : skin::kWindowKeys) {
    add_int(Section::kPanelOfSet, std::string(row.key.name), row.key.fallback, row.key.range);
  }
  add_text(Section::kPanelOfSet, skin::kPanelHttp, false);
  for (const skin::ButtonRow& row : skin::kButtons) {
    for (skin::Axis axis : skin::kAxes) {
      add_int(Section::kButtons, skin::button_key(row.token, axis), skin::axis_value(row.fallback, axis),
              skin::axis_range(axis));
    }
  }
  // Written even though they equal the defaults: with BTN_OPENPANELMOVE_X
  // present the open-list button moves down with the logo when the down
  // wing opens, instead of staying among the down wing's buttons.
  for (skin::Axis axis : skin::kAxes) {
    add_int(Section::kButtons, skin::button_key(skin::kOpenPanelMoveToken, axis),
            skin::axis_value(skin::kOpenPanelMoveFallback, axis), skin::axis_range(axis));
  }
  for (const skin::IntKey& key : {skin::kLogoMoveX, skin::kLogoMoveY}) {
    add_int(Section::kButtons, std::string(key.name), key.fallback, key.range);
  }
  for (const skin::ReadoutRow& row : skin::kReadouts) {
    add_int(Section::kButtons, std::string(row.key.name), row.key.fallback, row.key.range);
  }
  for (const skin::ButtonRow& row : skin::kButtons) add_text(Section::kButtons, row.caption, true);
  // A key that two texts read with different defaults is left out unless
  // the description gives it: either default would change the other text.
  std::map<std::string, int> uses;
  for (const skin::CaptionRow& row : skin::kCaptions) ++uses[upper(row.key.name)];
  for (const skin::CaptionRow& row : skin::kCaptions) {
    if (row.section != Section::kButtons) continue;  // IDS_RECSCHE_DIALOG: [Panel], once for all sets
    add_text(Section::kButtons, row.key, uses[upper(row.key.name)] == 1);
  }
  add_text(Section::kButtons, skin::kFreqDownCaption, true);
  add_text(Section::kButtons, skin::kFreqUpCaption, true);
  return keys;
}

}  // namespace

std::vector<SkinWrite> panel_writes(const Description& d) {
  const std::string panel = skin::section_name(Section::kPanel, 0);
  std::string recsche = d.recsche_dialog;
  for (const skin::CaptionRow& row : skin::kCaptions) {
    if (row.id == skin::Caption::kIdsRecScheDialog && recsche.empty()) recsche = row.key.fallback;
  }
  return {
      {panel, std::string(skin::kPanelNow.name), std::to_string(d.panel_now)},
      {panel, std::string(skin::kHavePanel.name), std::to_string(d.sets.size())},
      {panel, "IDS_RECSCHE_DIALOG", recsche},
  };
}

std::vector<SkinWrite> set_writes(const SetDescription& set, std::int32_t n,
                                  std::vector<std::string>* errors) {
  const std::vector<KnownKey> keys = catalogue();
  std::map<std::string, std::string> given;  // upper-case name -> value
  for (const SkinKeyValue& kv : set.keys) {
    const auto key = std::find_if(keys.begin(), keys.end(),
                                  [&](const KnownKey& k) { return upper(k.name) == upper(kv.key); });
    if (key == keys.end()) {
      errors->push_back(kv.where + ": the panel reads no skin key \"" + kv.key + "\"");
      continue;
    }
    if (key->text) {
      if (kv.value.size() > key->max_length) {
        errors->push_back(kv.where + ": longer than the " + std::to_string(key->max_length) +
                          " characters of " + kv.key);
      }
    } else {
      std::int32_t v = 0;
      const auto [end, ec] = std::from_chars(kv.value.data(), kv.value.data() + kv.value.size(), v);
      if (ec != std::errc{} || end != kv.value.data() + kv.value.size()) {
        errors->push_back(kv.where + ": " + kv.key + " takes a whole number");
      } else if (skin::clamp_to(key->range, v) != v) {
        errors->push_back(kv.where + ": " + kv.value + " is outside the range of " + kv.key);
      }
    }
    given[upper(key->name)] = kv.value;
  }
  std::vector<SkinWrite> out;
  for (const KnownKey& k : keys) {
    const auto it = given.find(upper(k.name));
    if (it == given.end() && !k.always) continue;
    out.push_back({skin::section_name(k.section, n), skin::key_name(k.section, k.name, n),
                   it == given.end() ? k.fallback : it->second});
  }
  const std::string buttons = skin::section_name(Section::kButtons, n);
  for (std::int32_t i = 0; i < kCountryCount; ++i) {
    out.push_back({buttons, skin::country_key(i + 1), std::string(country_at(i)->name)});
  }
  return out;
}

std::vector<SkinWrite> outline_writes(std::int32_t n, int state, const std::vector<platform::Point>& points) {
  const std::string section = skin::outline_section(n, state);
  std::vector<SkinWrite> out;
  out.push_back({section, std::string(skin::kOutlinePointCount.name), std::to_string(points.size())});
  for (std::size_t k = 0; k < points.size(); ++k) {
    out.push_back({section, std::to_string(2 * k + 1), std::to_string(points[k].x)});
    out.push_back({section, std::to_string(2 * k + 2), std::to_string(points[k].y)});
  }
  return out;
}

bool apply_writes(ProfileStore& file, const std::vector<SkinWrite>& writes) {
  std::vector<ProfileWrite> batch;
  batch.reserve(writes.size());
  for (const SkinWrite& w : writes) batch.push_back({w.section, w.key, w.value});
  return file.write_texts(batch);
}

}  // namespace zel::skingen
