#pragma once
// Printers for the layout's value types, so failures show numbers.
#include <ostream>

#include "panel/platform/types.h"
#include "panel/skin/button_table.h"

namespace zel::skin {
inline void PrintTo(const ButtonRect& r, std::ostream* os) {
  *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
}  // namespace zel::skin

namespace zel::platform {
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const Size& s, std::ostream* os) { *os << s.width << " x " << s.height; }
}  // namespace zel::platform
