#include "panel/skin/button_table.h"

namespace zel::skin {

std::string button_key(std::string_view token, Axis axis) {
  std::string name = "BTN_" + std::string(token);
  switch (axis) {
    case Axis::kX:
      return name + "_X";
    case Axis::kY:
      return name + "_Y";
    case Axis::kW:
      return name + "_W";
    case Axis::kH:
      break;
  }
  return name + "_H";
}

}  // namespace zel::skin
