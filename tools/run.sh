#!/bin/bash
# The main job: build everything, make a fresh Wine prefix, put the products in
# the places the install tables name, start the panel (which starts the TV
# program), and show it on the user's display, or, with no display, run it on
# Xvfb and write a screenshot.
#
#   tools/run.sh [--screenshot FILE] [--seconds N]
#
# --screenshot FILE  where the Xvfb screenshot goes (default out/panel.png)
# --seconds N        on Xvfb, how long the panel runs before the screenshot
#                    once it is up and idle (default 1)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_RUN_BUILD:-$root/build/run}"
shot="$root/out/panel.png"
seconds=1
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    *) echo "usage: tools/run.sh [--screenshot FILE] [--seconds N]"; exit 2 ;;
  esac
done
case "$shot" in /*) ;; *) shot="$PWD/$shot" ;; esac

if [ -z "${ZEL_SKIP_INSTALL:-}" ]; then
  bash "$root/tools/install-deps.sh" || { echo "installing the build tools failed"; exit 1; }
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$build" || exit 1
bin="$build/win/bin"
for f in ZEL.exe ZtTV.dll video.ex_ robot.exe; do
  [ -f "$bin/$f" ] || { echo "the build made no $f"; exit 1; }
done

. "$root/tools/wine-env.sh"
on_user_display=""
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then on_user_display=1; fi
zel_wine_up "$on_user_display"
trap zel_wine_down EXIT

. "$root/tools/place-products.sh"
zel_place_products "$bin"

if [ -n "$on_user_display" ]; then
  echo "The panel runs on $DISPLAY; end it with Ctrl+C (or the tray menu's Close once the panel has one)."
  (cd "$ZEL_INSTALL_DIR" && wine ZEL.exe)
  exit $?
fi

# Robot output goes to a file: Wine's services inherit the standard handles.
scratch="$(mktemp -d /tmp/zelrun.XXXXXX)"
robot() { wine "$bin/robot.exe" "$@" >"$scratch/robot.out" 2>&1; }
panel=("Zentavio Driftcam" "Panel")

wine "$ZEL_INSTALL_DIR/ZEL.exe" >"$scratch/zel.out" 2>&1 &
zel_pid=$!
if ! robot wait-window "${panel[@]}" 20000; then
  echo "the panel did not come up"
  tr -d '\r' <"$scratch/zel.out"
  kill "$zel_pid" 2>/dev/null
  rm -rf "$scratch"
  exit 1
fi
# The panel starts the TV program from its stored source command, and on a
# first start then sleeps a few seconds before it offers the channel scan.
# Once the TV window exists that command is under way, and a command with no
# handler comes back when the panel's thread is free again (a sent message
# would overtake the posted source command if sent earlier).
robot wait-window "Zentavio Hovra" "Tv" 10000
robot send "${panel[@]}" 40117 0
sleep "$seconds"
mkdir -p "$(dirname "$shot")"
status=0
if import -window root "$shot"; then
  echo "screenshot written: $shot"
else
  echo "the screenshot failed"
  status=1
fi
# Close (the tray menu's command) ends the TV program and the panel.
robot post "${panel[@]}" 32772 0
for _ in $(seq 1 100); do
  kill -0 "$zel_pid" 2>/dev/null || break
  sleep 0.05
done
kill "$zel_pid" 2>/dev/null
wait "$zel_pid" 2>/dev/null
rm -rf "$scratch"
exit "$status"
