#!/bin/bash
# ZEL.exe's looks under Wine, with ZtTV.dll in the system folder, the TV
# program stand-in beside the panel and robot.exe driving both.
#
#   skin_e2e.sh sets | bare
#
# sets  the generated skin sets (ZelPFile.ini and panelbmp1 ... panelbmp3 of
#       the Windows bin folder): each set closed and with the side wing open,
#       reached through the side-wing command 40316 and the skin command
#       40045, then the SKIN button clicked through the input queue twice (the
#       last set wraps to the first). At every stop: the window region equals
#       the skin's polygon for that set and wing state, and a screenshot of the
#       window is held pixel for pixel, inside the region and apart from the
#       clock digits, against the picture skin_expected renders on the
#       simulated desktop from the same files with the same steps. PanelNow in
#       the skin file and the TV program's 55557 follow every change.
# bare  no skin file and no bitmaps: the window shows the plain face with its
#       frame, closed and with the side wing open, has no region, and the
#       skin command changes nothing.
#
# Screenshots (<name>.png) and expected pictures (<name>-expected.png, and
# <name>-diff.png for a shot that differs) go to ZEL_ARTEFACT_DIR/<scenario>.
#
# Needs ZEL_WIN_BIN_DIR (the Windows build's bin folder), ZEL_SKIN_EXPECTED
# (the host program) and ZEL_ARTEFACT_DIR. Uses the prepared prefix when the
# caller has one (tools/test-all.sh), else makes its own. All it changes in
# the prefix (ZtTV.dll in system32, win.ini [AP], its install folder) is put
# back at the end.
set -u
scenario="${1:?usage: skin_e2e.sh sets|bare}"
root="$(cd "$(dirname "$0")/../../.." && pwd)"
. "$root/tools/wine-env.sh"
bin="${ZEL_WIN_BIN_DIR:?ZEL_WIN_BIN_DIR is not set}"
expected_tool="${ZEL_SKIN_EXPECTED:?ZEL_SKIN_EXPECTED is not set}"
artefacts="${ZEL_ARTEFACT_DIR:?ZEL_ARTEFACT_DIR is not set}/$scenario"

own_prefix=""
if [ -z "${ZEL_WINE_READY:-}" ]; then
  zel_wine_up
  own_prefix=1
fi

scratch="$(mktemp -d /tmp/zelskin-e2e.XXXXXX)"
shots="$scratch/shots"
mkdir -p "$shots"
rm -rf "$artefacts"
mkdir -p "$artefacts"
. "$root/tests/wine/e2e_lib.sh"

panel=("Zentavio Driftcam" "Panel")
tv=("Zentavio Hovra" "Tv")
install_dir="C:\\Program Files\\Zel skin e2e $scenario"
install_unix="$WINEPREFIX/drive_c/Program Files/Zel skin e2e $scenario"
skin_file="$install_dir\\ZelPFile.ini"
tv_log_unix="$install_unix/video.log"
system_dll="$WINEPREFIX/drive_c/windows/system32/ZtTV.dll"

# Counts the "ok - " and "not ok - " lines of a host tool's output.
tally() {
  local line
  while IFS= read -r line; do
    echo "$line"
    case "$line" in
      "ok - "*) passed=$((passed + 1)) ;;
      "not ok - "*) failed=$((failed + 1)) ;;
    esac
  done
}

tv_log() { tr -d '\r' 2>/dev/null <"$tv_log_unix"; }
tv_log_has() { tv_log | grep -qxF "$1"; }
skin_set_is() { robot ini-get "$skin_file" Panel PanelNow; [ "$rc" -eq 0 ] && [ "$out" == "$1" ]; }

# The value of a key of section [Panel] of a skin file on the host; $2 when
# it is missing.
panel_key() {
  tr -d '\r' <"$1" | awk -F= -v key="$2" -v fallback="$3" '
    /^\[/ { in_panel = ($0 == "[Panel]") ; next }
    in_panel && $1 == key { print $2 + 0; found = 1; exit }
    END { if (!found) print fallback }'
}

zel_pid=""
start_panel() {
  wine "$install_unix/ZEL.exe" >"$scratch/zel.out" 2>&1 &
  zel_pid=$!
}
# await_exit <pid> <seconds>: the exit code in $exit_code, or "running".
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

# Panel and TV program up, the stored source confirmed, the panel idle.
panel_up() {
  start_panel
  robot wait-window "${panel[@]}" 10000
  check "panel window up" "$rc" 0
  robot wait-window "${tv[@]}" 10000
  check "the panel started the TV program" "$rc" 0
  wait_for 5 tv_log_has "out post 40113 0"
  check "the TV program confirmed the stored source" "$?" 0
  robot send "${panel[@]}" 40117 0
}

# shot <name>: the window as the screen shows it, once the panel is idle and
# Wine has put its picture on the screen: <artefacts>/<name>.png, and a 24-bit
# BMP of it for the comparison. Window geometry in $shot_width, $shot_height.
shot() {
  robot send "${panel[@]}" 40117 0
  sleep 0.3
  robot rect "${panel[@]}"
  local geometry left top
  geometry="$(head -n 1 <<<"$out")"
  left="$(sed -n 's/.*left=\(-\{0,1\}[0-9]*\) top=.*/\1/p' <<<"$geometry")"
  top="$(sed -n 's/.* top=\(-\{0,1\}[0-9]*\) .*/\1/p' <<<"$geometry")"
  shot_width="$(sed -n 's/.*width=\([0-9]*\).*/\1/p' <<<"$geometry")"
  shot_height="$(sed -n 's/.*height=\([0-9]*\).*/\1/p' <<<"$geometry")"
  import -window root "$scratch/screen.png" &&
    convert "$scratch/screen.png" -crop "${shot_width}x${shot_height}+${left}+${top}" +repage \
      "$artefacts/$1.png" &&
    convert "$artefacts/$1.png" -type TrueColor "BMP3:$shots/$1.bmp"
  check "screenshot $1" "$?" 0
}

# ------------------------------------------------------------------ set-up

save_ap 222APDirectory ZelPanelIniFile ZelSettingIniFile
set_aside_tuner_dll

clean_up() {
  robot post-msg "${tv[@]}" WM_CLOSE
  robot wait-gone "${tv[@]}" 3000
  if [ -n "$zel_pid" ] && kill -0 "$zel_pid" 2>/dev/null; then
    kill "$zel_pid" 2>/dev/null
    wait "$zel_pid" 2>/dev/null
  fi
  restore_ap
  restore_tuner_dll
  rm -rf "$install_unix" "$scratch"
  if [ -n "$own_prefix" ]; then zel_wine_down; fi
}
trap clean_up EXIT

robot wait-gone "${panel[@]}" 100
check "no panel window before the test" "$rc" 0
robot wait-gone "${tv[@]}" 100
check "no TV window before the test" "$rc" 0

install_panel
cp "$bin/ZtTV.dll" "$system_dll"
# Air TV on channel 5, both channel lists scanned: the start draws the TV
# plate, the channel digits and the Air lamp and asks for no scan. The
# simulated panel starts from the same file.
printf '[HovraCrossbar]\r\nInputSource=4\r\n[TVTuner]\r\nTVChannelAir=5\r\n[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n[CHANNELLIST]\r\nALREADYSCAN=TRUE\r\n' \
  >"$scratch/ZelSFile.ini"
cp "$scratch/ZelSFile.ini" "$install_unix/"
# Nothing of the test sits under the mouse pointer.
robot move-mouse 1 1

# ------------------------------------------------------------------ scenarios

skin_sets() {
  local f
  for f in ZelPFile.ini panelbmp1 panelbmp2 panelbmp3; do
    if [ ! -e "$bin/$f" ]; then
      check "the generated skin sets are in $bin" "no $f" "$f"
      return
    fi
  done
  cp -r "$bin/ZelPFile.ini" "$bin/panelbmp1" "$bin/panelbmp2" "$bin/panelbmp3" "$install_unix/"
  local sets set wing=1
  sets="$(panel_key "$bin/ZelPFile.ini" HavePanel 1)"
  set="$(panel_key "$bin/ZelPFile.ini" PanelNow 1)"
  check "three skin sets, the first one current" "$sets $set" "3 1"

  panel_up
  local steps=() changes=0
  # at_stop <name>: region and screenshot of the current set and wing state.
  at_stop() {
    local outline
    outline="$("$expected_tool" layout "$bin" "$set" "$wing" | sed -n 's/^outline //p')"
    if [ "$outline" == none ]; then
      robot region "${panel[@]}"
      check "$1: no region, as the skin gives no outline" "$(head -n 1 <<<"$out")" "region=none"
    else
      # shellcheck disable=SC2086
      robot region "${panel[@]}" $outline
      check "$1: the window region is set $set's polygon for wing state $wing" \
        "$(grep -c '^polygon=equal$' <<<"$out")" 1
    fi
    printf '%s\n' "$out" >"$shots/$1.rgn"
    shot "$1"
    steps+=("shot:$1")
  }
  send_command() {  # send_command <n>: sent as another program would
    robot send "${panel[@]}" "$1" 0
    steps+=("cmd:$1")
    case "$1" in
      40316) wing=$((4 - wing)) ;;
      40045) set=$((set % sets + 1)); changes=$((changes + 1)) ;;
    esac
  }
  click_skin_button() {  # the SKIN button, clicked through the input queue
    local x y w h
    read -r x y w h < <("$expected_tool" layout "$bin" "$set" "$wing" | sed -n 's/^button SKIN //p')
    robot click "${panel[@]}" $((x + w / 2)) $((y + h / 2))
    check "SKIN button of set $set clicked at its rectangle" "$rc" 0
    set=$((set % sets + 1))
    changes=$((changes + 1))
    wait_for 5 skin_set_is "$set"
    check "the click made set $set the current one" "$?" 0
    # The pointer leaves the panel; a move far outside ends any hover look.
    robot move-mouse 1 1
    robot send-msg "${panel[@]}" WM_MOUSEMOVE 0 0xFFFFFFFF
    steps+=("click:SKIN")
  }

  at_stop closed-1
  send_command 40316
  at_stop side-1
  send_command 40045
  at_stop side-2
  send_command 40316
  at_stop closed-2
  send_command 40045
  at_stop closed-3
  send_command 40316
  at_stop side-3
  click_skin_button
  at_stop click-side-1
  click_skin_button
  at_stop click-side-2

  robot ini-get "$skin_file" Panel PanelNow
  check "PanelNow in the skin file after the cycles" "$out" 2
  check "the TV program got 55557 for every skin change" \
    "$(tv_log | grep -cxF 'cmd 55557 0')" "$changes"

  robot post "${panel[@]}" 32772 0
  await_exit "$zel_pid" 5
  check "Close: exit code 0" "$exit_code" 0

  tally < <("$expected_tool" check "$bin" "$scratch/ZelSFile.ini" "$shots" "$artefacts" "${steps[@]}")
}

bare() {
  panel_up
  robot region "${panel[@]}"
  check "no skin: no region" "$(head -n 1 <<<"$out")" "region=none"
  shot bare-closed
  check "no skin: the default size" "${shot_width}x${shot_height}" 547x176
  tally < <("$expected_tool" plain "$shots/bare-closed.bmp")

  robot send "${panel[@]}" 40316 0
  shot bare-side
  check "no skin, side wing open: the default size" "${shot_width}x${shot_height}" 643x176
  tally < <("$expected_tool" plain "$shots/bare-side.bmp")

  robot send "${panel[@]}" 40045 0
  check "the skin command answers" "$rc" 0
  robot ini-get "$skin_file" Panel PanelNow
  check "one skin set: the skin file is not written" "$rc" 1

  robot post "${panel[@]}" 32772 0
  await_exit "$zel_pid" 5
  check "Close: exit code 0" "$exit_code" 0
}

case "$scenario" in
  sets) skin_sets ;;
  bare) bare ;;
  *) echo "unknown scenario: $scenario"; exit 2 ;;
esac

for picture in "$artefacts"/*.bmp; do
  [ -e "$picture" ] || continue
  convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "pictures: $artefacts"
ls "$artefacts" 2>/dev/null | sed 's/^/  /'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
