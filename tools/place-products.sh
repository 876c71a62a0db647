# Sourced: zel_place_products BIN puts the built products into the Wine prefix
# where the installer's file table puts them, and writes the win.ini entries the
# installer writes. Used until the installer itself does this.
#
# After it: ZEL_INSTALL_DIR is the install folder as a host path,
# ZEL_INSTALL_WINDIR the same as a Windows path.
ZEL_INSTALL_WINDIR='C:\Program Files\Tessaro'

zel_place_products() {
  local bin="$1"
  local drive_c="$WINEPREFIX/drive_c"
  ZEL_INSTALL_DIR="$drive_c/Program Files/Tessaro"
  local system="$drive_c/windows/system32"
  mkdir -p "$ZEL_INSTALL_DIR"
  local f
  for f in ZtTV.dll; do
    [ -f "$bin/$f" ] && cp "$bin/$f" "$system/"
  done
  for f in ZEL.exe video.ex_ ZelPFile.ini ZelSFile.ini; do
    [ -f "$bin/$f" ] && cp "$bin/$f" "$ZEL_INSTALL_DIR/"
  done
  for f in 1 2 3; do
    [ -d "$bin/panelbmp$f" ] && cp -r "$bin/panelbmp$f" "$ZEL_INSTALL_DIR/"
  done
  # A fresh prefix's win.ini has no [AP]; the leading line end keeps the new
  # section apart from a last line without one.
  local ini="$drive_c/windows/win.ini"
  printf '\r\n[AP]\r\n222APDirectory=%s\r\nZelPanelIniFile=ZelPFile.ini\r\nZelSettingIniFile=ZelSFile.ini\r\n' \
    "$ZEL_INSTALL_WINDIR" >>"$ini"
  export ZEL_INSTALL_DIR ZEL_INSTALL_WINDIR
}
