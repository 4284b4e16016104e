#!/usr/bin/env bash
# The reference host's real window, used the way a person uses it: on a virtual X server, with
# real X input events (pointer, click, typed text including Chinese through SDL's text input),
# and the X server's screenshot of the window compared with the desktop's own picture of the
# same moment. Skipped (exit 77) when Xvfb, xdotool or ImageMagick are missing.
#
#   window_test.sh path/to/ztui-run work-folder
set -euo pipefail

run=$1
work=$2
for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"

# A display of our own; Xvfb names the free number it took.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1700x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
host=""
trap 'kill $xvfb 2>/dev/null || true; [[ -n "$host" ]] && kill $host 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

# The display drivers SDL loads keep allocations to the end of the process; our own code's
# leaks are the unit tests' business.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$run" --project "$work/sample.ztproj" --snapshot "$work/snap" >"$work/run.log" 2>&1 &
host=$!
# Looked for until it answers: under load a window can be found in the moment before its
# owner replaces it, and asking a gone window for its geometry is an X error.
window=""
for _ in $(seq 200); do
  kill -0 $host 2>/dev/null || { echo "FAIL the host exited before its window showed"; cat "$work/run.log"; exit 1; }
  window=$(xdotool search --onlyvisible --name "Tessel" 2>/dev/null | tail -n1 || true)
  if [[ -n "$window" ]] && geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null); then
    break
  fi
  window=""
  sleep 0.1
done
[[ -n "$window" ]] || { echo "FAIL no window named Tessel showed"; exit 1; }
eval "$geometry"   # X, Y, WIDTH, HEIGHT
# Give the host time to present its first picture.
for _ in $(seq 50); do
  import -window "$window" "$work/first.png" 2>/dev/null && break
  sleep 0.1
done

# The command line runs along the bottom of the main frame.
xdotool mousemove --sync $((X + 300)) $((Y + HEIGHT - 16)) click 1
sleep 0.3
xdotool type --delay 40 "wall "
# xdotool types a character the keyboard map lacks by remapping one spare key code; typed
# back to back, the second remap can land before the window read the first key, so under load
# "墙体" arrived as "体体". One character at a time, with time for the window to read it.
for ch in 墙 体; do
  xdotool type --delay 100 "$ch"
  sleep 0.4
done
sleep 1
import -window "$window" "$work/x11.png"
xdotool key F12
for _ in $(seq 100); do
  kill -0 $host 2>/dev/null || break
  sleep 0.1
done
if kill -0 $host 2>/dev/null; then
  echo "FAIL the window did not close after F12"; exit 1
fi
wait $host || { echo "FAIL the host exited with an error"; cat "$work/run.log"; exit 1; }
host=""

typed=$(cat "$work/snap/commandline.txt")
if [[ "$typed" != "wall 墙体" ]]; then
  echo "FAIL the command line holds '$typed', not 'wall 墙体'"; exit 1
fi
# The two pictures of the same moment: at most a few pixels differ (the text caret may blink).
size=$(identify -format "%wx%h" "$work/x11.png")
desk=$(identify -format "%wx%h" "$work/snap/desktop.png")
differ=$(compare -metric AE -fuzz 3% "$work/x11.png" "$work/snap/desktop.png[$size+0+0]" \
  "$work/diff.png" 2>&1 || true)
total=$(( ${size%x*} * ${size#*x} ))
echo "window $size, desktop $desk, differing pixels: $differ of $total"
if [[ ! "$differ" =~ ^[0-9]+$ ]] || (( differ * 1000 > total )); then
  echo "FAIL the X window does not show the desktop's picture"; exit 1
fi
echo "ok"
