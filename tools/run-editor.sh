#!/usr/bin/env bash
# Starts the editor under Wine on a file, from the folder that holds the programs and the
# mark icons. Builds nothing.
#   tools/run-editor.sh [--bin DIR] [--screenshot PNG] [FILE]
# With a display the editor runs until it is closed. Without one a virtual display is
# started, the editor is drawn on a Wine desktop of 1024x768, a screenshot of that desktop is
# saved (default build/screenshot.png) and the editor is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/win/bin"
shot="$root/build/screenshot.png"
file=""
while [ $# -gt 0 ]; do
  case "$1" in
    --bin) bin=$(cd "$2" && pwd); shift 2 ;;
    --screenshot) shot="$2"; shift 2 ;;
    -h|--help) sed -n '2,7p' "$0"; exit 0 ;;
    *) file="$1"; shift ;;
  esac
done
case "$shot" in /*) ;; *) shot="$PWD/$shot" ;; esac
[ -x "$bin/Tenmark.exe" ] || { echo "run-editor: $bin/Tenmark.exe is not built" >&2; exit 1; }

source "$root/tools/wine-env.sh"

args=()
if [ -n "$file" ]; then
  [ -f "$file" ] || { echo "run-editor: no such file: $file" >&2; exit 1; }
  args=("$(winepath -w "$(cd "$(dirname "$file")" && pwd)/$(basename "$file")" 2>/dev/null)")
fi
cd "$bin"

if [ "$TENMARK_OWN_DISPLAY" != 1 ]; then
  exec wine Tenmark.exe "${args[@]}"
fi

# No display: the explorer desktop draws window frames without a window manager.
desktop="tenmark-shot-$$"
setsid wine explorer "/desktop=$desktop,1024x768" Tenmark.exe "${args[@]}" </dev/null >/dev/null 2>&1 &
runner=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "^$desktop" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "run-editor: the editor's desktop did not appear" >&2
  kill -- "-$runner" 2>/dev/null || true
  exit 1
fi
# Time for the window to be laid out, filled and painted.
sleep 4
mkdir -p "$(dirname "$shot")"
import -display "$DISPLAY" -window "$window" "$shot"
# Close it as a user would: Esc on the desktop reaches the editor, the only window there.
# Only this run's processes are ended if that does not close it.
xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Escape >/dev/null 2>&1 || true
for _ in $(seq 1 50); do kill -0 "$runner" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$runner" 2>/dev/null; then
  kill -- "-$runner" 2>/dev/null || true
fi
echo "screenshot: $shot"
