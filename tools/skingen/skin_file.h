#pragma once
// The content of ZelPFile.ini: for every set, every key the panel reads, with
// the description's value or the key's default; names, defaults, ranges and
// length limits all come from zel::skin's key tables.
#include <cstdint>
#include <string>
#include <vector>

#include "common/ini/profile_store.h"
#include "panel/platform/types.h"
#include "tools/skingen/description.h"

namespace zel::skingen {

struct SkinWrite {
  std::string section;
  std::string key;
  std::string value;
};

// [Panel] PanelNow, HavePanel and IDS_RECSCHE_DIALOG.
std::vector<SkinWrite> panel_writes(const Description& d);

// Set n's window keys (in [Panel], prefixed with n) and its button section:
// button rectangles (the down wing's included), readout keys, every caption
// whose key is read once, and the names of the country list under keys 1 to
// 242. A key of the description that the panel does not read, or a value
// outside its key's range or length, is an error.
std::vector<SkinWrite> set_writes(const SetDescription& set, std::int32_t n,
                                  std::vector<std::string>* errors);

// The outline of wing state `state` of set n: HavePoint and the points.
std::vector<SkinWrite> outline_writes(std::int32_t n, int state, const std::vector<platform::Point>& points);

// Makes the writes in one update of the file. False when the file cannot be
// written.
bool apply_writes(ProfileStore& file, const std::vector<SkinWrite>& writes);

}  // namespace zel::skingen
