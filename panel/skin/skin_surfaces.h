#pragma once
// The four off-screen surfaces of the current skin set and wing state, and the
// rectangle copies everything on the panel is drawn with.
//
//   Normal   the normal-look picture; also the panel's live composite: what
//            must survive a repaint is drawn into it as well as the window
//   Hover    the hover-look picture (hover looks, lit buttons and bars)
//   Pressed  the pressed-look picture (pressed looks, dim buttons, empty bars)
//   Sheet    the sprite sheet (digits, lamps, plates, knob, mute images)
//
// A bitmap file that does not load leaves its surface without picture; copies
// from or into such a surface draw nothing, so the window keeps what it
// showed. Every copy is cut to the part of the source rectangle that lies
// inside its surface (the rest of the destination stays as it was): no
// rectangle a skin gives, however placed or sized, reads outside a picture.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panel/platform/surfaces.h"
#include "panel/platform/types.h"

namespace zel::skin {

enum class SurfaceRole { kNormal, kHover, kPressed, kSheet };
inline constexpr std::size_t kSurfaceCount = 4;

// The folder of skin set n: the install directory, "\panelbmp" and n.
std::string skin_folder(std::string_view install_directory, std::int32_t skin_set);

// The files of wing state `state` (1-4) in `folder`, in the order of
// SurfaceRole: for state 1 "\panel.bmp", "\panelover.bmp", "\panelbdown.bmp"
// and the sheet "\otherbmp.bmp". nullopt for any other state.
std::optional<std::array<std::string, kSurfaceCount>> skin_bitmap_paths(std::string_view folder,
                                                                        int state);

// A copy that stays inside its source: `source` cut to a picture of `bounds`,
// and `at` moved by what was cut off the left and top. nullopt when nothing is
// left.
struct ClippedCopy {
  platform::Rect source;
  platform::Point at;
  friend constexpr bool operator==(const ClippedCopy&, const ClippedCopy&) = default;
};
std::optional<ClippedCopy> clip_to_source(const platform::Rect& source, platform::Size bounds,
                                          platform::Point at);

// Owns the four surfaces from a load to the next load, release or its own end.
// The Surfaces object must outlive it.
class SkinSurfaces {
 public:
  explicit SkinSurfaces(platform::Surfaces& surfaces) : surfaces_(surfaces) {}
  ~SkinSurfaces() { release(); }
  SkinSurfaces(const SkinSurfaces&) = delete;
  SkinSurfaces& operator=(const SkinSurfaces&) = delete;

  // Loads the four files for the screen of `window`, then releases the
  // previous surfaces and keeps the new ones.
  void load(platform::WindowId window, const std::array<std::string, kSurfaceCount>& paths);
  void release();

  platform::SurfaceId id(SurfaceRole role) const { return slot(role).id; }
  platform::Size size(SurfaceRole role) const { return slot(role).size; }

  void to_window(SurfaceRole from, const platform::Rect& source, platform::WindowId window,
                 platform::Point at);
  void to_surface(SurfaceRole from, const platform::Rect& source, SurfaceRole to,
                  platform::Point at);

  platform::Surfaces& seam() { return surfaces_; }

 private:
  struct Slot {
    platform::SurfaceId id;
    platform::Size size;
  };
  const Slot& slot(SurfaceRole role) const { return slots_[static_cast<std::size_t>(role)]; }

  platform::Surfaces& surfaces_;
  std::array<Slot, kSurfaceCount> slots_{};
};

}  // namespace zel::skin
