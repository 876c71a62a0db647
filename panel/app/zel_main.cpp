// ZEL.exe: the TV control panel. WinMain only assembles the program: the
// win32 backend of the platform seam, the panel's named operations, and the
// portable panel, whose run() is the whole life of the process.
#include <windows.h>

#include "panel/app/plain_panel_hooks.h"
#include "panel/core/panel_app.h"
#include "panel/platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Declared first so it goes last: it detaches the panel window from the
  // panel once the panel object is gone.
  zel::platform::win32::Win32Platform platform(instance);
  zel::app::PlainPanelHooks hooks;
  zel::core::PanelApp panel(platform.platform(), hooks);
  hooks.attach(panel);
  return panel.run();
}
