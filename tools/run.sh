#!/bin/bash
# The main job: build everything, make a fresh Wine prefix, put the products in
# the places the install tables name, start the panel (which starts the TV
# program), and show it on the user's display, or, with no display, run it on
# Xvfb and write a screenshot.
#
#   tools/run.sh [--screenshot FILE] [--seconds N]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_RUN_BUILD:-$root/build/run}"
shot="$root/out/panel.png"
seconds=8
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    *) echo "usage: tools/run.sh [--screenshot FILE] [--seconds N]"; exit 2 ;;
  esac
done

if [ -z "${ZEL_SKIP_INSTALL:-}" ]; then
  bash "$root/tools/install-deps.sh" || { echo "installing the build tools failed"; exit 1; }
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$build" || exit 1
bin="$build/win/bin"

. "$root/tools/wine-env.sh"
shown_on_user_display=""
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then shown_on_user_display=1; fi
zel_wine_up "$shown_on_user_display"
trap zel_wine_down EXIT

. "$root/tools/place-products.sh"
zel_place_products "$bin"

if [ ! -f "$ZEL_INSTALL_DIR/ZEL.exe" ]; then
  echo "ZEL.exe is not built yet; the prefix holds the products that are: $ZEL_INSTALL_DIR"
  exit 0
fi

(cd "$ZEL_INSTALL_DIR" && wine ZEL.exe >/dev/null 2>&1 &)
if [ -n "$shown_on_user_display" ]; then
  echo "The panel runs on $DISPLAY; close it from its tray menu or press Ctrl+C."
  wait
else
  sleep "$seconds"
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot" && echo "screenshot written: $shot"
fi
