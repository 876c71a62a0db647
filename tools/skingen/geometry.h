#pragma once
// Where everything sits in each wing state's picture and in the sprite
// sheet, worked out from the layout the panel reads (zel::skin), with the
// panel's own down-wing layout and content-offset rule.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/profile_store.h"
#include "panel/skin/skin_layout.h"
#include "tools/skingen/description.h"
#include "tools/skingen/image.h"

namespace zel::skingen {

// Readouts by the names the description uses after '@'.
enum class ReadoutGroup { kPlate, kRecord, kClock, kCapture, kFileSize, kSource, kVolume, kTrack };
std::optional<ReadoutGroup> readout_group(std::string_view name);

// Readout boxes in window coordinates of one state.
struct ReadoutBoxes {
  Box plate;
  std::vector<Box> channel;    // units, tens, hundreds
  std::vector<Box> fm;         // thousands, hundreds, tens, units
  std::vector<Box> clock;      // tens of hours ... units of seconds
  std::vector<Box> capture;    // the same
  std::vector<Box> file_size;  // highest place ... units
  Box source;
  Box record;
  Box volume;
  bool volume_upward = false;  // fills from the bottom
  Box track;

  // Everything the group covers.
  Box group(ReadoutGroup g) const;
};

struct StateGeometry {
  int state = 1;
  int width = 0;
  int height = 0;
  int offset = 0;  // content offset
  Box main;        // main area
  Box wing;        // side wing, empty when closed
  Box drawer;      // down wing, empty when closed
  // Window coordinates; empty for a button not on the panel in this state
  // (down-wing buttons while it is closed).
  std::array<Box, skin::kButtonCount> buttons{};
  ReadoutBoxes readouts;
  Box list_window;  // channel-list window, states 3 and 4
  Box file_list;    // captured-file list window, states 2 and 4
};

// The geometry of wing state 1-4 of the set `layout` was read from; `file`
// reads that set as the panel does.
StateGeometry state_geometry(ProfileStore& file, skin::SkinLayout layout, int state);

// The box a group of the description surrounds in this state: its members'
// boxes with the group's padding; empty when none of them is on the panel.
Box group_box(const StateGeometry& g, const Group& group);

// One image of the sprite sheet, for checks and messages.
struct Sprite {
  enum class Kind { kDigit, kPlate, kSourceLamp, kRecordLamp, kKnob, kMute };
  Kind kind;
  Box box;
  int variant;       // digit 0-9; plate 0 TV, 1 FM, 2 video; source 1-5; recording 0/1; mute image 0-5
  std::string what;  // "clock digit 3"
};

// Where the readout keys point in the sprite sheet.
struct SheetLayout {
  std::array<Box, 10> channel;  // digit d at index d
  std::array<Box, 10> fm;
  std::array<Box, 10> clock;
  std::array<Box, 10> capture;
  std::array<Box, 10> file_size;
  std::array<Box, 3> plates;  // TV, FM, video
  std::array<Box, 5> lamps;   // Air, Cable, AV-in, S-Video, FM
  Box record_on;
  Box record_off;
  Box knob;
  std::array<Box, 3> mute_on;   // normal, pressed, hover
  std::array<Box, 3> mute_off;  // the same while muted

  std::vector<Sprite> sprites() const;
};

SheetLayout sheet_layout(const skin::SkinLayout& layout);

}  // namespace zel::skingen
