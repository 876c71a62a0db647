#include "panel/skin/window_outline.h"

#include <algorithm>
#include <string>

#include "panel/skin/window_keys.h"

namespace zel::skin {

std::vector<platform::Point> read_window_outline(ProfileStore& file, std::int32_t skin_set,
                                                 int state) {
  const std::string section = outline_section(skin_set, state);
  const int count = std::clamp(
      file.read_int(section, kOutlinePointCount.name, kOutlinePointCount.fallback), 0,
      kMaxOutlinePoints);
  auto coordinate = [&](int key) {
    return clamp_to(Range::kPosition,
                    file.read_int(section, std::to_string(key), kOutlineCoordinateDefault));
  };
  std::vector<platform::Point> points;
  points.reserve(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) points.push_back({coordinate(2 * k - 1), coordinate(2 * k)});
  return points;
}

bool outline_encloses_area(const std::vector<platform::Point>& points) {
  if (points.size() < 3) return false;
  const platform::Point origin = points.front();
  const auto apart = std::find_if(points.begin(), points.end(),
                                  [&](const platform::Point& p) { return p != origin; });
  if (apart == points.end()) return false;
  // Coordinates are clamped to 16 bits, so the cross products fit 64 bits.
  const std::int64_t dx = apart->x - origin.x;
  const std::int64_t dy = apart->y - origin.y;
  return std::any_of(apart, points.end(), [&](const platform::Point& p) {
    return dx * (p.y - origin.y) != dy * (p.x - origin.x);
  });
}

bool apply_window_outline(ProfileStore& file, WindowOutlineTarget& window, std::int32_t skin_set,
                          int state) {
  const std::vector<platform::Point> points = read_window_outline(file, skin_set, state);
  if (!outline_encloses_area(points)) return false;
  return window.set_window_polygon(points);
}

}  // namespace zel::skin
