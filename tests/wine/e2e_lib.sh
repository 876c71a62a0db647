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
