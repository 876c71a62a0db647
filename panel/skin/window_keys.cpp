#include "panel/skin/window_keys.h"

namespace zel::skin {

const WingStateRow* wing_state_row(int state) {
  for (const WingStateRow& row : kWingStates) {
    if (row.state == state) return &row;
  }
  return nullptr;
}

std::string outline_section(std::int32_t skin_set, int state) {
  const WingStateRow* row = wing_state_row(state);
  if (row == nullptr) return "Panel";
  return "Panel" + std::to_string(skin_set) + std::string(row->outline_suffix);
}

}  // namespace zel::skin
