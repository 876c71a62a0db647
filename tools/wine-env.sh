# Sourced by the scripts that run Windows programs under Wine.
# zel_wine_up   : Xvfb (unless a display is wanted and present), a fresh 32-bit
#                 prefix, one persistent wineserver; exports WINEPREFIX and DISPLAY.
# zel_wine_down : ends the server and Xvfb, removes the scratch folder.

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

zel_wine_up() {
  local want_real_display="${1:-}"
  ZEL_WINE_SCRATCH="$(mktemp -d /tmp/zelwine.XXXXXX)"
  mkdir -p "$ZEL_WINE_SCRATCH/home/Desktop"
  export HOME="$ZEL_WINE_SCRATCH/home"
  export WINEPREFIX="$ZEL_WINE_SCRATCH/prefix"

  ZEL_XVFB_PID=""
  if [ -z "$want_real_display" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 140); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    ZEL_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
  fi

  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1
  export ZEL_WINE_READY=1
}

zel_wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${ZEL_XVFB_PID:-}" ]; then
    kill "$ZEL_XVFB_PID" 2>/dev/null || true
    wait "$ZEL_XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "${ZEL_WINE_SCRATCH:-}" ] && [ -z "${ZEL_KEEP_PREFIX:-}" ]; then
    rm -rf "$ZEL_WINE_SCRATCH"
  fi
  unset ZEL_WINE_READY
}
