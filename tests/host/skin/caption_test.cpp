// Caption texts: per-set overrides, length limits, the keys read twice or
// from [Panel], the country names, and the channel-button swap for FM.
#include <gtest/gtest.h>

#include <string>

#include "fake_skin_file.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/skin.h"

namespace zel::skin {
namespace {

using test::FakeSkinFile;

SkinLayout load(FakeSkinFile& file) {
  Skin skin(file);
  skin.load_skin_layout();
  return skin.layout();
}

TEST(SkinCaptions, OverrideChangesOnlyItsOwnTooltip) {
  FakeSkinFile file("[1PANEL_BTN]\nIDS_MUTE=Sound off/on\n");
  const SkinLayout layout = load(file);
  const SkinLayout defaults = default_layout();
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    const std::string want = i == button::kMute ? "Sound off/on" : defaults.buttons[i].caption;
    EXPECT_EQ(layout.buttons[i].caption, want) << "button " << i;
  }
}

TEST(SkinCaptions, LongTextsAreCutToTheirLimit) {
  const std::string long_text(300, 'x');
  const struct {
    const char* section;
    const char* key;
    std::size_t limit;
  } cases[] = {
      {"1PANEL_BTN", "BIDOK", 9},         {"1PANEL_BTN", "IDS_PRODUCT", 29},
      {"1PANEL_BTN", "AUTOSCANCMB", 249}, {"1PANEL_BTN", "IDCVISION", 259},
      {"1PANEL_BTN", "IDS_CLOSEDOWN", 259}, {"1PANEL_BTN", "17", 49},
      {"Panel", "IDS_RECSCHE_DIALOG", 49}, {"Panel", "1PANEL_HTTP", 259},
  };
  FakeSkinFile file;
  for (const auto& c : cases) file.put(c.section, c.key, long_text);
  const SkinLayout layout = load(file);
  const std::string texts[] = {
      layout.caption(Caption::kBIdOk),        layout.caption(Caption::kIdsProduct),
      layout.caption(Caption::kAutoScanCmb),  layout.caption(Caption::kIdcVision),
      layout.buttons[button::kDownClose].caption, std::string(layout.country_name(17)),
      layout.caption(Caption::kIdsRecScheDialog), layout.web_address,
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(texts[i], long_text.substr(0, cases[i].limit)) << cases[i].key;
  }
}

TEST(SkinCaptions, EditNameKeyFeedsBothDialogs) {
  FakeSkinFile absent;
  SkinLayout layout = load(absent);
  EXPECT_EQ(layout.caption(Caption::kIdcButtonEditNameAudio), "Enter");
  EXPECT_EQ(layout.caption(Caption::kIdcButtonEditNameTv), "Input");

  FakeSkinFile present("[1PANEL_BTN]\nIDCBUTTONEDITNAME=" + std::string(40, 'e') + "\n");
  layout = load(present);
  EXPECT_EQ(layout.caption(Caption::kIdcButtonEditNameAudio), std::string(29, 'e'));
  EXPECT_EQ(layout.caption(Caption::kIdcButtonEditNameTv), std::string(40, 'e'));
}

TEST(SkinCaptions, ScheduleTitleComesFromPanelSection) {
  FakeSkinFile file("[Panel]\nIDS_RECSCHE_DIALOG=Timer\n[1PANEL_BTN]\nIDS_RECSCHE_DIALOG=Wrong\n");
  EXPECT_EQ(load(file).caption(Caption::kIdsRecScheDialog), "Timer");
  FakeSkinFile only_buttons("[1PANEL_BTN]\nIDS_RECSCHE_DIALOG=Wrong\n");
  EXPECT_EQ(load(only_buttons).caption(Caption::kIdsRecScheDialog),
            "Schedule Recording Settings");
}

TEST(SkinCaptions, CountryNamesOneTo244) {
  FakeSkinFile file(
      "[Panel]\nPanelNow=3\n[3PANEL_BTN]\n1=Afghanistan\n100=Japan\n244=Last\n245=Beyond\n0=Zero\n");
  const SkinLayout layout = load(file);
  EXPECT_EQ(layout.country_name(1), "Afghanistan");
  EXPECT_EQ(layout.country_name(100), "Japan");
  EXPECT_EQ(layout.country_name(244), "Last");
  EXPECT_EQ(layout.country_name(2), "") << "a missing country is an empty entry";
  EXPECT_EQ(layout.country_name(0), "");
  EXPECT_EQ(layout.country_name(245), "");
  EXPECT_EQ(layout.country_name(-1), "");
}

TEST(SkinCaptions, ChannelButtonsSwapForFm) {
  FakeSkinFile no_keys;
  Skin skin(no_keys);
  skin.load_skin_layout();
  skin.use_frequency_captions();
  EXPECT_EQ(skin.layout().buttons[button::kChDown].caption, "Frequency Down");
  EXPECT_EQ(skin.layout().buttons[button::kChUp].caption, "Frequency Up");
  skin.use_channel_captions();
  EXPECT_EQ(skin.layout().buttons[button::kChDown].caption, "Channel down");
  EXPECT_EQ(skin.layout().buttons[button::kChUp].caption, "Channel up");
  SkinLayout want = default_layout();
  EXPECT_EQ(skin.layout(), want) << "the swaps touch nothing else";
}

TEST(SkinCaptions, SwapsFollowTheCurrentSet) {
  FakeSkinFile file(R"(
[1PANEL_BTN]
IDS_FREQUP=one up
[2PANEL_BTN]
IDS_FREQUP=two up
IDS_CHUP=two channel up
)");
  Skin skin(file);
  skin.load_skin_layout();
  file.put("Panel", "PanelNow", "2");
  skin.use_frequency_captions();
  EXPECT_EQ(skin.layout().skin_set, 2);
  EXPECT_EQ(skin.layout().buttons[button::kChUp].caption, "two up");
  EXPECT_EQ(skin.layout().buttons[button::kChDown].caption, "Frequency Down");
  skin.use_channel_captions();
  EXPECT_EQ(skin.layout().buttons[button::kChUp].caption, "two channel up");
}

}  // namespace
}  // namespace zel::skin
