#!/usr/bin/env bash
# Installs the dependencies, builds, starts the virtual amplifier on a serial
# port the program lists, and runs a program against it (edition B unless
# "a" is given). Without a display it runs under Xvfb, saves a screenshot,
# prints where, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

edition=${1:-b}
prog=build/app/ampdesk-b
[ "$edition" = "a" ] && prog=build/app/ampdesk

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

# The virtual amplifier: a pseudo-terminal linked at /dev/ttyVA0, which the
# program lists as COM9. Making the link needs root.
sim=build/sim/ampsim
if [ -x "$sim" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    "$sim" --link /dev/ttyVA0 --ids 1,2 &
    pids+=($!)
    sleep 1
  else
    echo "Not root: the virtual amplifier is not started (run with sudo to get COM9)." >&2
  fi
fi

if [ -n "${DISPLAY:-}" ]; then
  "$prog"
  exit 0
fi

# No display: a virtual one, a screenshot, and done.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x820x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display
"$prog" &
prog_pid=$!
pids+=($prog_pid)
# Give the start-up search time to probe the ports.
sleep "${AMPDESK_SHOT_DELAY:-12}"
mkdir -p build/screenshots
shot="$PWD/build/screenshots/$(basename "$prog").png"
import -window root "$shot"
echo "Screenshot: $shot"
