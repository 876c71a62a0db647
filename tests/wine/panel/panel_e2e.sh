#!/bin/bash
# ZEL.exe end to end under Wine, with ZtTV.dll in the system folder, the TV
# program stand-in video.ex_ beside the panel and robot.exe driving both.
#
#   panel_e2e.sh missing-library | life-cycle | device-watch
#
# missing-library  without ZtTV.dll the only window is the "Can't find
#                  frequency table!!" box; exit code 0; the screen saver is
#                  left as it was found.
# life-cycle       the panel at (239, 552) on 1024 x 768 without a skin file;
#                  the TV program started hidden with the stored source and
#                  no source command; a second start hands over (one panel,
#                  the stored source selected again); Standby (40018) closes
#                  the TV program and the hot key Ctrl+Alt+F4, pressed through
#                  the input queue, brings both back; the screen saver is off
#                  while the panel runs and on again after Close (32772).
# device-watch     after a device notification the panel ends itself within
#                  about 3 s once the TV program is gone.
#
# Needs ZEL_WIN_BIN_DIR (the Windows build's bin folder). Uses the prepared
# prefix when the caller has one (tools/test-all.sh), else makes its own. All
# it changes in the prefix (ZtTV.dll in system32, win.ini [AP], the screen
# saver switch, its install folder) is put back at the end.
set -u
scenario="${1:?usage: panel_e2e.sh missing-library|life-cycle|device-watch}"
root="$(cd "$(dirname "$0")/../../.." && pwd)"
. "$root/tools/wine-env.sh"
bin="${ZEL_WIN_BIN_DIR:?ZEL_WIN_BIN_DIR is not set}"

own_prefix=""
if [ -z "${ZEL_WINE_READY:-}" ]; then
  zel_wine_up
  own_prefix=1
fi

scratch="$(mktemp -d /tmp/zelpanel-e2e.XXXXXX)"
. "$root/tests/wine/e2e_lib.sh"

panel=("Zentavio Driftcam" "Panel")
tv=("Zentavio Hovra" "Tv")
keys=("ZelE2eKeys" "Keys")
install_dir="C:\\Program Files\\Zel panel e2e $scenario"
install_unix="$WINEPREFIX/drive_c/Program Files/Zel panel e2e $scenario"
settings="$install_dir\\ZelSFile.ini"
tv_log_unix="$install_unix/video.log"
system_dll="$WINEPREFIX/drive_c/windows/system32/ZtTV.dll"
desktop_key='HKCU\Control Panel\Desktop'

tv_log() { tr -d '\r' 2>/dev/null <"$tv_log_unix"; }
# The log's lines that record what the TV program received (and its starts).
tv_received() { tv_log | grep -E '^(start|cmd|msg) '; }
tv_log_has() { tv_log | grep -qxF "$1"; }
tv_log_has_times() { [ "$(tv_log | grep -cxF "$2")" -ge "$1" ]; }

screen_saver() {
  wine reg query "$desktop_key" /v ScreenSaveActive 2>/dev/null | tr -d '\r' |
    awk '$1 == "ScreenSaveActive" { print $3 }'
}
set_screen_saver() {
  wine reg add "$desktop_key" /v ScreenSaveActive /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

# Starts ZEL.exe in the background; its process id in $zel_pid.
zel_pids=()
start_panel() {
  wine "$install_unix/ZEL.exe" >"$scratch/zel.out" 2>&1 &
  zel_pid=$!
  zel_pids+=("$zel_pid")
}
# await_exit <pid> <seconds>: the program's exit code in $exit_code, or
# "running" when it has not ended by then. Not in a subshell: only this shell
# can wait for its children.
await_exit() {
  local tries=$(($2 * 20))
  while kill -0 "$1" 2>/dev/null; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then exit_code=running; return; fi
    sleep 0.05
  done
  wait "$1"
  exit_code=$?
}

# ------------------------------------------------------------------ set-up

# win.ini [AP], the screen saver switch and system32's ZtTV.dll are shared by
# the prefix: note what was there.
save_ap 222APDirectory ZelPanelIniFile ZelSettingIniFile
saved_screen_saver="$(screen_saver)"
set_aside_tuner_dll

listener=""
clean_up() {
  local pid
  # Whatever a failed check left running: the TV program by its window, the
  # programs this script started by their process ids.
  robot post-msg "${tv[@]}" WM_CLOSE
  robot wait-gone "${tv[@]}" 3000
  for pid in "${zel_pids[@]}" $listener; do
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  restore_ap
  if [ -n "$saved_screen_saver" ]; then
    set_screen_saver "$saved_screen_saver"
  else
    wine reg delete "$desktop_key" /v ScreenSaveActive /f >/dev/null 2>&1
  fi
  restore_tuner_dll
  rm -rf "$install_unix" "$scratch"
  if [ -n "$own_prefix" ]; then zel_wine_down; fi
}
trap clean_up EXIT

robot wait-gone "${panel[@]}" 100
check "no panel window before the test" "$rc" 0
robot wait-gone "${tv[@]}" 100
check "no TV window before the test" "$rc" 0

# The products where the installer puts them; no skin file.
install_panel
if [ "$scenario" != missing-library ]; then cp "$bin/ZtTV.dll" "$system_dll"; fi
# Air TV on channel 5; both channel lists scanned, so that the first use of
# a tuner source does not wait for a scan.
robot ini-set "$settings" HovraCrossbar InputSource 4
robot ini-set "$settings" TVTuner TVChannelAir 5
robot ini-set "$settings" CHANNELLISTAIR ALREADYSCAN TRUE
robot ini-set "$settings" CHANNELLIST ALREADYSCAN TRUE
set_screen_saver 1

# ------------------------------------------------------------------ scenarios

missing_library() {
  start_panel
  robot answer-box "Can't find frequency table!!" OK 10000
  check "the one box: default caption, the text, OK" "$out" \
"caption=Error
text=Can't find frequency table!!
buttons=OK
pressed=OK"
  await_exit "$zel_pid" 5
  check "exit code 0" "$exit_code" 0
  robot wait-gone "${panel[@]}" 100
  check "no panel window" "$rc" 0
  check "no TV program started" "$(tv_log)" ""
  check "the screen saver is left on" "$(screen_saver)" 1
}

life_cycle() {
  start_panel
  robot wait-window "${panel[@]}" 10000
  check "panel window up" "$rc" 0
  robot rect "${panel[@]}"
  check "centred 40 pixels above the bottom, default size" "$(head -n 1 <<<"$out")" \
    "left=239 top=552 right=786 bottom=728 width=547 height=176"
  robot style "${panel[@]}"
  local style
  style="$(sed -n 's/^style=\(0x[0-9a-f]*\).*/\1/p' <<<"$out")"
  check "a shown popup without caption or frame, in the normal band" \
    "$(printf 'popup-only=%d %s' "$(((style & 0x80CF0000) == 0x80000000))" "$(grep -o 'visible=[01] topmost=[01]' <<<"$out")")" \
    "popup-only=1 visible=1 topmost=0"

  robot wait-window "${tv[@]}" 10000
  check "the panel started the TV program" "$rc" 0
  robot style "${tv[@]}"
  check "started hidden" "$(grep -o 'visible=[01]' <<<"$out")" "visible=0"
  wait_for 5 tv_log_has "out post 40113 0"
  check "the screen saver is off while the panel runs" "$(screen_saver)" 0

  # A second start hands over to the running panel and ends.
  wine "$install_unix/ZEL.exe" >"$scratch/zel2.out" 2>&1
  check "a second start ends with 0" "$?" 0
  wait_for 5 tv_log_has "cmd 2002 0"
  robot wait-window "${panel[@]}" 100
  check "the first panel still runs" "$rc" 0
  await_exit "$zel_pid" 0
  check "the first panel still runs (process)" "$exit_code" running
  wait_for 5 tv_log_has_times 2 "out post 40113 0"

  # Standby closes the TV program and hides the panel.
  robot post "${panel[@]}" 40018 0
  robot wait-gone "${tv[@]}" 5000
  check "Standby closes the TV program" "$rc" 0
  robot style "${panel[@]}"
  check "Standby hides the panel" "$(grep -o 'visible=[01]' <<<"$out")" "visible=0"

  # The hot key, pressed on the keyboard with another window in front.
  wine "$bin/robot.exe" listen "${keys[@]}" "$install_dir\\keys.txt" 30000 0 0 200 100 \
    >"$scratch/listen.out" 2>&1 &
  listener=$!
  robot wait-window "${keys[@]}" 5000
  robot key "${keys[@]}" F4 ctrl+alt
  check "Ctrl+Alt+F4 pressed" "$rc" 0
  robot wait-window "${tv[@]}" 10000
  check "the hot key starts the TV program again" "$rc" 0
  wait_for 5 tv_log_has_times 3 "out post 40113 0"
  robot style "${panel[@]}"
  check "the hot key shows the panel" "$(grep -o 'visible=[01]' <<<"$out")" "visible=1"
  robot post-msg "${keys[@]}" WM_CLOSE
  wait "$listener" 2>/dev/null
  listener=""

  # Close ends the TV program and the panel and switches the screen saver on.
  robot post "${panel[@]}" 32772 0
  await_exit "$zel_pid" 5
  check "Close: exit code 0" "$exit_code" 0
  robot wait-gone "${tv[@]}" 5000
  check "Close ends the TV program" "$rc" 0
  check "the screen saver is on again after Close" "$(screen_saver)" 1

  check "what the TV program received, start to end" "$(tv_received)" \
"start show=0 source=4 channel=5 fm=875
cmd 2002 0
msg WM_CLOSE
start show=0 source=4 channel=5 fm=875
msg WM_CLOSE"
}

device_watch() {
  start_panel
  robot wait-window "${tv[@]}" 10000
  check "the panel started the TV program" "$rc" 0
  wait_for 5 tv_log_has "out post 40113 0"

  robot send-msg "${panel[@]}" WM_DEVICECHANGE 7 0
  check "device notification sent" "$rc" 0
  local closed_at
  closed_at="$(now_ms)"
  robot post-msg "${tv[@]}" WM_CLOSE
  robot wait-gone "${tv[@]}" 5000
  check "the TV program is gone" "$rc" 0
  robot wait-gone "${panel[@]}" 5000
  local took=$(($(now_ms) - closed_at))
  check "the panel ends itself" "$rc" 0
  check "within about 3 s of the TV program going (took ${took} ms)" "$((took <= 3800))" 1
  await_exit "$zel_pid" 5
  check "exit code 0" "$exit_code" 0
  check "the screen saver is on again" "$(screen_saver)" 1
}

case "$scenario" in
  missing-library) missing_library ;;
  life-cycle) life_cycle ;;
  device-watch) device_watch ;;
  *) echo "unknown scenario: $scenario"; exit 2 ;;
esac

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
