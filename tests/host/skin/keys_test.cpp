// The key tables: within a section no two keys share a name (the file matches
// names without regard to case), so no key shadows another in a skin file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "panel/skin/button_table.h"
#include "panel/skin/caption_keys.h"
#include "panel/skin/readout_keys.h"
#include "panel/skin/window_keys.h"

namespace zel::skin {
namespace {

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

TEST(SkinKeys, NamesAreUniquePerSection) {
  // Section -> name -> where it is defined.
  std::map<Section, std::map<std::string, std::string>> seen;
  auto add = [&](Section section, std::string_view name, const std::string& where) {
    const auto [it, fresh] = seen[section].emplace(upper(name), where);
    EXPECT_TRUE(fresh) << name << " defined by " << where << " and by " << it->second;
  };
  add(Section::kPanel, kPanelNow.name, "PanelNow");
  add(Section::kPanel, kHavePanel.name, "HavePanel");
  for (const WindowKeyRow& row : kWindowKeys) add(Section::kPanelOfSet, row.key.name, "window key");
  add(Section::kPanelOfSet, kPanelHttp.name, "PANEL_HTTP");
  for (const ButtonRow& row : kButtons) {
    for (Axis axis : kAxes) add(Section::kButtons, button_key(row.token, axis), "button rect");
    add(Section::kButtons, row.caption.name, "button caption");
  }
  for (Axis axis : kAxes) add(Section::kButtons, button_key(kOpenPanelMoveToken, axis), "move");
  add(Section::kButtons, kLogoMoveX.name, "logo move");
  add(Section::kButtons, kLogoMoveY.name, "logo move");
  for (const ReadoutRow& row : kReadouts) add(Section::kButtons, row.key.name, "readout");
  bool edit_name_seen = false;
  for (const CaptionRow& row : kCaptions) {
    // The one key read twice, on purpose.
    if (row.key.name == "IDCBUTTONEDITNAME" && !edit_name_seen) {
      edit_name_seen = true;
      continue;
    }
    add(row.section, row.key.name, "caption");
  }
  add(Section::kButtons, kFreqDownCaption.name, "FM caption");
  add(Section::kButtons, kFreqUpCaption.name, "FM caption");
  for (int number = 1; number <= kCountryNameCount; ++number) {
    add(Section::kButtons, country_key(number), "country");
  }
  EXPECT_TRUE(edit_name_seen);
  EXPECT_EQ(seen[Section::kPanelOfSet].size(), kWindowKeyCount + 1);
}

}  // namespace
}  // namespace zel::skin
