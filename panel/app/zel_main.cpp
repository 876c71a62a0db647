// ZEL.exe: the TV control panel. WinMain only assembles the program: the
// win32 backend of the platform seam and of the drawing seam, the panel's
// named operations, and the portable panel, whose run() is the whole life of
// the process.
#include <windows.h>

#include "panel/app/win32_zel_hooks.h"
#include "panel/core/panel_app.h"
#include "panel/platform/win32/win32_drawing.h"
#include "panel/platform/win32/win32_platform.h"
#include "panel/skin/panel_app_context.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Declared first so it goes last: it detaches the panel window from the
  // panel once the panel object is gone.
  zel::platform::win32::Win32Platform platform(instance);
  zel::platform::win32::Win32Drawing drawing(instance);
  zel::skin::PanelAppContext context;
  zel::app::Win32ZelHooks hooks(platform.platform(), drawing.drawing(), context);
  zel::core::PanelApp panel(platform.platform(), hooks);
  context.attach(panel);
  return panel.run();
}
