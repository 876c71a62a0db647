#!/bin/bash
# video.ex_ driven by robot.exe under Wine: started with WinExec from a folder
# with blanks in its name, hidden and shown; start-up source and channel from
# the settings file that win.ini [AP] names; the log beside it; the answers and
# confirmations it sends to a stand-in panel window; WM_CLOSE ends it.
# Needs ZEL_WIN_BIN_DIR (the Windows build's bin folder). Uses the prepared
# prefix when the caller has one (tools/test-all.sh), else makes its own.
set -u
root="$(cd "$(dirname "$0")/../../.." && pwd)"
. "$root/tools/wine-env.sh"
bin="${ZEL_WIN_BIN_DIR:?ZEL_WIN_BIN_DIR is not set}"

own_prefix=""
if [ -z "${ZEL_WINE_READY:-}" ]; then
  zel_wine_up
  own_prefix=1
fi

scratch="$(mktemp -d /tmp/zeltv-e2e.XXXXXX)"
. "$root/tests/wine/e2e_lib.sh"

has_lines() { [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ]; }

tv=("Zentavio Hovra" "Tv")
panel=("Zentavio Driftcam" "Panel")
install_dir='C:\Program Files\Zel TV e2e'
install_unix="$WINEPREFIX/drive_c/Program Files/Zel TV e2e"
settings="$install_dir\\ZelSFile.ini"
replies_unix="$install_unix/replies.txt"

# win.ini [AP] is shared by the whole prefix: put back what was there.
save_ap 222APDirectory ZelSettingIniFile

robot wait-gone "${tv[@]}" 100
check "no TV window before the test" "$rc" 0
robot wait-gone "${panel[@]}" 100
check "no panel window before the test" "$rc" 0

mkdir -p "$install_unix"
cp "$bin/video.ex_" "$install_unix/"
robot ini-set win.ini AP 222APDirectory "$install_dir"
robot ini-set win.ini AP ZelSettingIniFile ZelSFile.ini
robot ini-set "$settings" HovraCrossbar InputSource 4
robot ini-set "$settings" TVTuner TVChannelAir 5
robot ini-set "$settings" TVTuner TVChannel 9
robot ini-set "$settings" TVTuner FMChannel 875

# A stand-in panel that records the TV program's answers.
wine "$bin/robot.exe" listen "${panel[@]}" "$install_dir\\replies.txt" 60000 >"$scratch/listen.out" 2>&1 &
listener=$!
robot wait-window "${panel[@]}" 5000
check "stand-in panel window up" "$rc" 0

# --- started hidden, as the panel starts it for Air TV ---
robot exec "$install_dir\\video.ex_" 0
check "WinExec of video.ex_ from a folder with blanks" "$out" "result=33"
robot wait-window "${tv[@]}" 10000
check "TV window appears" "$rc" 0
robot style "${tv[@]}"
check "started with SW_HIDE: not visible" "$(grep -o 'visible=[01]' <<<"$out")" "visible=0"
wait_for 5 has_lines "$replies_unix" 1
check "start confirmed to the panel with a posted 40113" "$(cat "$replies_unix")" "cmd 40113 0 posted"
robot log
check "log beside the settings file: start line with show flag and stored tuning" "$out" \
"start show=0 source=4 channel=5 fm=875
out post 40113 0"

robot send "${tv[@]}" 2002 0
check "2002 handled by send" "$rc" 0
wait_for 5 has_lines "$replies_unix" 2
robot send "${tv[@]}" 42227 0
check "2002 confirmed with 40113; FM question answered by send" "$(cat "$replies_unix")" \
"cmd 40113 0 posted
cmd 40113 0 posted
cmd 42227 1 sent"

robot post "${tv[@]}" 2017 1000
wait_for 5 grep -q '^cmd 2017' "$install_unix/video.log"
robot ini-get "$settings" TVTuner FMChannel
check "2017 stores the FM frequency in [TVTuner] FMChannel" "$out" "1000"

robot post-msg "${tv[@]}" WM_CLOSE
robot wait-gone "${tv[@]}" 5000
check "WM_CLOSE ends the TV program" "$rc" 0
robot log
check "every command and message in the log, in order" "$out" \
"start show=0 source=4 channel=5 fm=875
out post 40113 0
cmd 2002 0
out post 40113 0
cmd 42227 0
out send 42227 1
cmd 2017 1000
msg WM_CLOSE"

# --- started shown, without FM radio, logging where ZEL_TV_LOG says ---
robot ini-set "$settings" HovraCrossbar InputSource 2
other_log="$install_dir\\other.log"
ZEL_TV_FM=0 ZEL_TV_LOG="$other_log" robot exec "$install_dir\\video.ex_" 5
robot wait-window "${tv[@]}" 10000
wait_for 5 has_lines "$install_unix/other.log" 1
robot style "${tv[@]}"
check "started with SW_SHOW: visible" "$(grep -o 'visible=[01]' <<<"$out")" "visible=1"
robot send "${tv[@]}" 42227 0
robot send-msg "${tv[@]}" WM_CLOSE
robot wait-gone "${tv[@]}" 5000
check "a sent WM_CLOSE ends it too" "$rc" 0
robot log "$other_log"
check "ZEL_TV_LOG names the log; ZEL_TV_FM=0 answers no FM" "$out" \
"start show=5 source=2 channel=9 fm=1000
out post 40113 0
cmd 42227 0
out send 42227 0
msg WM_CLOSE"
check "the default log got nothing more" "$(wc -l <"$install_unix/video.log")" "8"

# --- one TV program at a time ---
# A second start while one runs ends by itself after a grace time; a start
# right after the running one was told to close waits for it and runs.
once_log="$install_dir\\once.log"
once_unix="$install_unix/once.log"
ZEL_TV_LOG="$once_log" robot exec "$install_dir\\video.ex_" 0
robot wait-window "${tv[@]}" 10000
ZEL_TV_LOG="$once_log" robot exec "$install_dir\\video.ex_" 0
wait_for 10 grep -q '^exit duplicate' "$once_unix"
check "a second start while one runs ends, without a window" "$(grep -c '^start' "$once_unix")" "1"
robot post-msg "${tv[@]}" WM_CLOSE
ZEL_TV_LOG="$once_log" robot exec "$install_dir\\video.ex_" 0
wait_for 10 has_lines "$once_unix" 6
check "a start right after a close runs" "$(cat "$once_unix")" \
"start show=0 source=2 channel=9 fm=1000
out post 40113 0
exit duplicate
msg WM_CLOSE
start show=0 source=2 channel=9 fm=1000
out post 40113 0"
robot post-msg "${tv[@]}" WM_CLOSE
robot wait-gone "${tv[@]}" 5000
check "and then there is none" "$rc" 0

robot post-msg "${panel[@]}" WM_CLOSE
wait "$listener"
check "stand-in panel ended by WM_CLOSE" "$?" 0

restore_ap
rm -rf "$install_unix" "$scratch"
if [ -n "$own_prefix" ]; then zel_wine_down; fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
