#pragma once
// The seam of the panel's looks as one bundle of references: surfaces and
// copies, cursors, tooltips, window placement and outline, and the local time
// its clock readouts show. Each backend owns the objects; the bundle only
// names them, as platform.h does for the rest of the seam.
#include "panel/platform/cursors.h"
#include "panel/platform/local_clock.h"
#include "panel/platform/surfaces.h"
#include "panel/platform/tooltips.h"
#include "panel/platform/window_geometry.h"

namespace zel::platform {

struct Drawing {
  Surfaces& surfaces;
  Cursors& cursors;
  Tooltips& tooltips;
  WindowGeometry& geometry;
  LocalClock& clock;
};

}  // namespace zel::platform
