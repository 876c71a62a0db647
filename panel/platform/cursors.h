#pragma once
// Mouse cursors from the program's resources (LoadCursorA, SetCursor).
//
// Contract: load_cursor gives the cursor resource `resource_id` of the
// program's module, kNoCursor when there is none. Resource cursors are shared:
// they stay valid for the whole process and are never destroyed, so dropping
// the id is all that releasing one takes. set_cursor shows the cursor at
// once; kNoCursor hides the cursor.
#include <compare>
#include <cstdint>

namespace zel::platform {

// A cursor. Zero is "no cursor".
struct CursorId {
  std::uintptr_t value = 0;

  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr auto operator<=>(const CursorId&, const CursorId&) = default;
};

inline constexpr CursorId kNoCursor{};

class Cursors {
 public:
  virtual ~Cursors() = default;
  virtual CursorId load_cursor(int resource_id) = 0;
  virtual void set_cursor(CursorId cursor) = 0;
};

}  // namespace zel::platform
