#pragma once
// The whole seam as one bundle of references, handed to the core at start.
// Each backend owns the objects; the bundle only names them.
#include "panel/platform/hot_keys.h"
#include "panel/platform/library_loader.h"
#include "panel/platform/message_boxes.h"
#include "panel/platform/message_loop.h"
#include "panel/platform/power_settings.h"
#include "panel/platform/process_services.h"
#include "panel/platform/profiles.h"
#include "panel/platform/timers.h"
#include "panel/platform/window_system.h"

namespace zel::platform {

struct Platform {
  WindowSystem& windows;
  Timers& timers;
  MessageBoxes& message_boxes;
  PowerSettings& power;
  HotKeys& hot_keys;
  ProcessServices& process;
  Profiles& profiles;
  MessageLoop& loop;
  LibraryLoader& libraries;
};

}  // namespace zel::platform
