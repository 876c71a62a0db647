#!/bin/bash
# Runs every test: installs what is missing, builds both builds with the host
# side under AddressSanitizer and UBSan, runs the host tier, then the tests
# labelled `wine` in one fresh Wine prefix on Xvfb.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_TEST_BUILD:-$root/build/test}"

if [ -z "${ZEL_SKIP_INSTALL:-}" ]; then
  bash "$root/tools/install-deps.sh" || { echo "installing the build and test tools failed"; exit 1; }
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_SANITIZE=ON >/dev/null \
  || { echo "configure failed"; exit 1; }
cmake --build "$build" || { echo "build failed"; exit 1; }

summary() {  # "N passed, N failed" from a ctest log
  local log="$1"
  local total failed
  total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -n 1)
  failed=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  echo "${total:-0} ${failed:-0}"
}

cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

host_log="$(mktemp)"
ctest -L host --output-on-failure -j2 --timeout 120 2>&1 | tee "$host_log"
host_rc=${PIPESTATUS[0]}

. "$root/tools/wine-env.sh"
zel_wine_up
wine_log="$(mktemp)"
ctest -L wine --output-on-failure --timeout 600 2>&1 | tee "$wine_log"
wine_rc=${PIPESTATUS[0]}
zel_wine_down

read -r host_total host_failed < <(summary "$host_log")
read -r wine_total wine_failed < <(summary "$wine_log")
rm -f "$host_log" "$wine_log"

total=$((host_total + wine_total))
failed=$((host_failed + wine_failed))
echo
echo "host tier: $((host_total - host_failed)) of $host_total passed; wine tier: $((wine_total - wine_failed)) of $wine_total passed"
echo "$((total - failed)) passed, $failed failed"
if [ "$host_rc" -ne 0 ] || [ "$wine_rc" -ne 0 ] || [ "$total" -eq 0 ]; then exit 1; fi
exit 0
