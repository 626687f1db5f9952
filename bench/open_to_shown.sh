#!/usr/bin/env bash
# Open-to-shown of the real program under Xvfb: the time from launching build/tallywise
# until its register is first painted, with no file and with a register of 65,535 entries,
# both in one run. Prints the median of each and their ratio.
#   bench/open_to_shown.sh [BUILD_DIR] [RUNS]
# Needs Xvfb and a built tree (targets tallywise and tw_make_register).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-5}"
ENTRIES=65535
for f in tallywise tw_make_register; do
  [[ -x "$BUILD/$f" ]] || { echo "missing $BUILD/$f: build it first" >&2; exit 1; }
done

WORK="$(mktemp -d)"
XVFB_PID=""
cleanup() {
  [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A display of our own; Xvfb writes the number it took.
exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [[ -s "$WORK/display" ]] && break; sleep 0.05; done
exec 3>&-
[[ -s "$WORK/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$WORK/display")"
# Settings of their own, so no last file is opened and nothing of the user's is touched.
export XDG_CONFIG_HOME="$WORK/config"
export TW_REPORT_SHOWN=1

"$BUILD/tw_make_register" "$ENTRIES" "$WORK/big.twd"

# One launch; prints milliseconds from launch to the first paint of the register.
measure() {
  local log="$WORK/stderr" start shown pid
  : >"$log"
  start=$(date +%s%N)
  "$BUILD/tallywise" "$@" 2>"$log" &
  pid=$!
  for _ in $(seq 600); do
    grep -q '^shown ' "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  shown=$(sed -n 's/^shown \([0-9]*\)$/\1/p' "$log" | head -n 1)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [[ -n "$shown" ]] || { echo "no paint reported; stderr:" >&2; cat "$log" >&2; exit 1; }
  echo $(((shown - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure >/dev/null # warm the file cache and the fonts
empty=() big=()
for _ in $(seq "$RUNS"); do
  empty+=("$(measure)")
  big+=("$(measure "$WORK/big.twd")")
done
e=$(printf '%s\n' "${empty[@]}" | median)
b=$(printf '%s\n' "${big[@]}" | median)
printf '%-16s %s\n' "runs per case:" "$RUNS (median)"
printf '%-16s %s\n' "no file:" "$(awk -v u="$e" 'BEGIN {printf "%.1f ms", u / 1000}')"
printf '%-16s %s\n' "$ENTRIES entries:" "$(awk -v u="$b" 'BEGIN {printf "%.1f ms", u / 1000}')"
printf '%-16s %s\n' "ratio:" "$(awk -v e="$e" -v b="$b" 'BEGIN {printf "%.2fx (target: within 1.2x)", b / e}')"
