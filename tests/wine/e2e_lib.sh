# Sourced by the Wine end-to-end scenarios after they set $bin (the Windows
# bin folder) and $scratch (a scratch folder of their own).
passed=0
failed=0

# robot <args>: runs robot.exe; its output in $out (CR removed), exit code in $rc.
robot() {
  wine "$bin/robot.exe" "$@" >"$scratch/robot.out" 2>&1
  rc=$?
  out="$(tr -d '\r' <"$scratch/robot.out")"
}

check() {  # check <what> <actual> <expected>
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
    echo "ok - $1"
  else
    failed=$((failed + 1))
    echo "not ok - $1"
    echo "  expected: $(printf '%s' "$3" | sed '2,$s/^/            /')"
    echo "  actual:   $(printf '%s' "$2" | sed '2,$s/^/            /')"
  fi
}

# wait_for <seconds> <command...>: retries the command until it succeeds.
wait_for() {
  local tries=$(($1 * 20)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -le 0 ] && return 1
    sleep 0.05
  done
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The prefix is shared by all scenarios: save_ap <keys...> notes win.ini [AP]
# entries, restore_ap puts them back (deleting those that were missing).
save_ap() {
  saved_ap=()
  local key
  for key in "$@"; do
    robot ini-get win.ini AP "$key"
    if [ "$rc" -eq 0 ]; then saved_ap+=("$key=$out"); else saved_ap+=("$key"); fi
  done
}
restore_ap() {
  local entry
  for entry in "${saved_ap[@]}"; do
    if [[ "$entry" == *=* ]]; then
      robot ini-set win.ini AP "${entry%%=*}" "${entry#*=}"
    else
      robot ini-delete win.ini AP "$entry"
    fi
  done
}

# set_aside_tuner_dll / restore_tuner_dll: system32's ZtTV.dll ($system_dll)
# is kept in $scratch while a scenario puts its own there or none.
set_aside_tuner_dll() {
  if [ -f "$system_dll" ]; then mv "$system_dll" "$scratch/ZtTV.dll.saved"; fi
}
restore_tuner_dll() {
  rm -f "$system_dll"
  if [ -f "$scratch/ZtTV.dll.saved" ]; then mv "$scratch/ZtTV.dll.saved" "$system_dll"; fi
}

# install_panel: ZEL.exe and video.ex_ into $install_unix, and the win.ini
# [AP] entries the installer writes for $install_dir.
install_panel() {
  mkdir -p "$install_unix"
  cp "$bin/ZEL.exe" "$bin/video.ex_" "$install_unix/"
  robot ini-set win.ini AP 222APDirectory "$install_dir"
  robot ini-set win.ini AP ZelPanelIniFile ZelPFile.ini
  robot ini-set win.ini AP ZelSettingIniFile ZelSFile.ini
}
