#!/bin/bash
# Runs one Windows program under Wine and passes its exit code through.
# When the caller has not prepared Wine (tools/test-all.sh does), a fresh
# prefix on Xvfb is made for this run alone.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"

own_prefix=""
if [ -z "${ZEL_WINE_READY:-}" ]; then
  zel_wine_up
  own_prefix=1
fi

program="$1"; shift
# Output goes to a file, not a pipe: Wine's service processes started by this
# call inherit the standard handles and would keep a pipe open after the end.
# Windows console output ends lines in CRLF.
out="$(mktemp /tmp/zelwine-out.XXXXXX)"
wine "$program" "$@" >"$out" 2>&1
rc=$?
tr -d '\r' <"$out"
rm -f "$out"

if [ -n "$own_prefix" ]; then zel_wine_down; fi
exit "$rc"
