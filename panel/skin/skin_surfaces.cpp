#include "panel/skin/skin_surfaces.h"

#include <algorithm>

#include "panel/skin/window_keys.h"

namespace zel::skin {

std::string skin_folder(std::string_view install_directory, std::int32_t skin_set) {
  return std::string(install_directory) + "\\panelbmp" + std::to_string(skin_set);
}

std::optional<std::array<std::string, kSurfaceCount>> skin_bitmap_paths(std::string_view folder,
                                                                        int state) {
  const WingStateRow* row = wing_state_row(state);
  if (row == nullptr) return std::nullopt;
  const std::string base = std::string(folder) + "\\" + std::string(row->bitmap_name);
  return std::array<std::string, kSurfaceCount>{
      base + ".bmp", base + "over.bmp", base + "bdown.bmp", std::string(folder) + "\\otherbmp.bmp"};
}

std::optional<ClippedCopy> clip_to_source(const platform::Rect& source, platform::Size bounds,
                                          platform::Point at) {
  const int left = std::max(source.left, 0);
  const int top = std::max(source.top, 0);
  const int right = std::min(source.right, bounds.width);
  const int bottom = std::min(source.bottom, bounds.height);
  if (left >= right || top >= bottom) return std::nullopt;
  // Skin values are within +-32767 (skin_keys.h), so these sums stay small.
  return ClippedCopy{platform::Rect{left, top, right, bottom},
                     platform::Point{at.x + (left - source.left), at.y + (top - source.top)}};
}

void SkinSurfaces::load(platform::WindowId window,
                        const std::array<std::string, kSurfaceCount>& paths) {
  std::array<Slot, kSurfaceCount> loaded{};
  for (std::size_t i = 0; i < kSurfaceCount; ++i) {
    loaded[i].id = surfaces_.load_bitmap(window, paths[i]);
    if (loaded[i].id) loaded[i].size = surfaces_.surface_size(loaded[i].id);
  }
  release();
  slots_ = loaded;
}

void SkinSurfaces::release() {
  for (Slot& s : slots_) {
    if (s.id) surfaces_.release_surface(s.id);
    s = Slot{};
  }
}

void SkinSurfaces::to_window(SurfaceRole from, const platform::Rect& source,
                             platform::WindowId window, platform::Point at) {
  const Slot& s = slot(from);
  if (!s.id) return;
  if (const auto c = clip_to_source(source, s.size, at)) {
    surfaces_.copy_to_window(s.id, c->source, window, c->at);
  }
}

void SkinSurfaces::to_surface(SurfaceRole from, const platform::Rect& source, SurfaceRole to,
                              platform::Point at) {
  const Slot& s = slot(from);
  if (!s.id || !slot(to).id) return;
  if (const auto c = clip_to_source(source, s.size, at)) {
    surfaces_.copy(s.id, c->source, slot(to).id, c->at);
  }
}

}  // namespace zel::skin
