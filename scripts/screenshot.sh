#!/usr/bin/env bash
# Makes the README's picture of the main window: scripts/screenshot.sh [OUT.png]
# Builds the program if needed, opens a sample register in it on a virtual X server of its
# own, with settings of its own, and saves the window as OUT.png (docs/main-window.png).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$(realpath -m "${1:-$ROOT/docs/main-window.png}")"
# shellcheck source=scripts/deps.sh
source "$ROOT/scripts/deps.sh"
tw_ensure_packages "${TW_BUILD_PACKAGES[@]}" "${TW_SCREENSHOT_PACKAGES[@]}"
"$ROOT/scripts/build.sh" "$ROOT/build" --target tallywise --target tallywise_help >/dev/null

SCRATCH="$(mktemp -d)"
XVFB_PID=""
APP_PID=""
cleanup() {
  [[ -n "$APP_PID" ]] && kill "$APP_PID" 2>/dev/null || true
  [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$SCRATCH"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$SCRATCH/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 50); do
  [[ -s "$SCRATCH/display" ]] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$SCRATCH/display")"

# Settings of its own: a window large enough for the register, nothing of the user's.
export XDG_CONFIG_HOME="$SCRATCH/config" XDG_RUNTIME_DIR="$SCRATCH/runtime"
mkdir -p "$XDG_CONFIG_HOME/Kestrane" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nx=0\ny=0\ncx=720\ncy=350\nFont=DejaVu Sans\nFontSize=90\n' \
  >"$XDG_CONFIG_HOME/Kestrane/Tallywise v3.5.ini"
python3 "$ROOT/scripts/make_sample_register.py" "$SCRATCH/Household.twd" 2026 11

"$ROOT/build/tallywise" "$SCRATCH/Household.twd" &
APP_PID=$!
WINDOW=$(xdotool search --sync --onlyvisible --name "Household.twd - Tallywise v3.5" | head -1)
xdotool mousemove 700 700 # keep the pointer off the toolbar's tooltips
sleep 1                   # let the first paint settle
mkdir -p "$(dirname "$OUT")"
import -window "$WINDOW" "$OUT"
echo "wrote $OUT"
