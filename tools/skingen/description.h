#pragma once
// The readable description of the skin sets (skins/*.txt), as the generator
// reads it. A master file names the sets and holds what they share (labels,
// button styles, groups); one file per set gives its look, its window shape,
// the skin keys that differ from their defaults, and its lettering.
//
// Format: "[section]" lines and "key = value" lines; a line whose first
// non-blank character is '#' or ';' is a comment. Names are case-sensitive.
// Every mistake is reported as "file:line: message"; nothing is guessed.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/skingen/font.h"
#include "tools/skingen/image.h"

namespace zel::skingen {

enum class Texture { kNone, kBrushed, kGrain };

// Colours and finish of one set. Every field is required.
struct Look {
  std::string name;
  Colour body_top, body_bottom;  // body gradient over the main area's height
  Texture texture = Texture::kNone;
  float texture_amount = 0;                 // 0..1
  Colour rim;                               // outer edge of the body
  Colour well_top, well_bottom;             // recessed plates around button groups
  Colour key_top, key_bottom;               // button face, normal look
  Colour key_down_top, key_down_bottom;     // button face, pressed look
  Colour key_rim;                           // button outline
  Colour key_text;                          // label, normal and pressed looks
  Colour key_lit;                           // label and glow, hover look
  Colour print;                             // lettering printed on the body
  Colour accent;                            // record dot, muted speaker, record lamp
  Colour glass, glass_on, glass_off;        // LCD background, lit and unlit segments
  float glass_glow = 0;                     // halo around lit segments, 0..1
  Colour meter_low, meter_mid, meter_high;  // lit volume bar, from empty to full
  Colour track_on;                          // lit time-shift track
  Colour screen;                            // where the list windows sit
  int key_radius = 0;
  int well_radius = 0;
};

// A rectangular window unless `shaped`: then every wing state gets an
// outline made of rounded parts.
struct ShapeSpec {
  bool shaped = false;
  int corner = 0;             // main area
  int wing_corner = 0;        // side wing
  int wing_inset_bottom = 0;  // side wing shorter than the main area at the bottom
  int drawer_corner = 0;      // down wing
  int drawer_inset = 0;       // down wing narrower than the main area on each side
};

// A recessed plate (well) or LCD glass around some panel elements: button
// tokens, and readouts named with '@' (@plate, @record, @clock, @capture,
// @filesize, @source, @volume, @track).
struct Group {
  std::string name;
  int padding = 0;
  std::vector<std::string> members;
  std::string where;  // file:line, for messages
};

// Lettering printed on the body, in main-area coordinates.
struct Lettering {
  int x = 0;
  int y = 0;
  Font font = Font::kRegular;
  std::string text;
};

struct SkinKeyValue {
  std::string key;
  std::string value;
  std::string where;
};

struct SetDescription {
  std::string file;
  Look look;
  ShapeSpec shape;
  std::vector<SkinKeyValue> keys;             // skin keys that differ from the defaults
  std::map<std::string, std::string> labels;  // button token -> label
  std::map<std::string, std::string> styles;  // button token -> "key" or "wordmark"
  std::vector<Group> wells;
  std::vector<Group> glasses;
  std::map<std::string, std::string> glass_labels;  // readout (without '@') -> text
  std::vector<Lettering> lettering;
  std::string wing_label;    // lettering under the channel list
  std::string drawer_label;  // lettering above the captured-file list
};

struct Description {
  int panel_now = 1;
  std::string recsche_dialog;        // [Panel] IDS_RECSCHE_DIALOG
  std::vector<SetDescription> sets;  // set n is sets[n - 1]
};

// Reads the master file and the set files it names (relative to its folder).
// nullopt with the messages in *errors when anything is wrong.
std::optional<Description> read_description(const std::string& master_path, std::vector<std::string>* errors);

// "#rrggbb".
std::optional<Colour> parse_colour(std::string_view text);

}  // namespace zel::skingen
