#!/usr/bin/env bash
# Starts the window on a brush file with AT-SPI on, on a display and buses of its own, and has
# atspi_walk.py find the file in the outline and a brush in the grid, as a screen reader would.
# Exits 77 (skipped) when what it needs is missing or the accessibility bus does not start.
# Usage: atspi_tree.sh KELBRIN BRUSH_FILE BRUSH_NAME
set -u
python=/usr/bin/python3 # pyatspi comes with Debian's Python, not whichever is first on PATH
launcher=/usr/libexec/at-spi-bus-launcher
skip() { echo "skipped: $*" >&2; exit 77; }

if [[ $1 != --inner ]]; then
  for tool in xvfb-run dbus-run-session dbus-send pgrep $launcher; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  timeout 20 $python -c 'import pyatspi' 2>/dev/null || skip "$python has no pyatspi (python3-pyatspi)"
  work=$(mktemp -d) || exit 1
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime" "$work/home" "$work/home/Brushes" "$work/media"
  # A name with a space and a letter beyond ASCII, which must come through the bus whole.
  cp "$2" "$work/home/Brushes/Übung mit Pinseln.abr" || exit 1
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS \
    XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
  export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
  timeout -k 5 110 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    "$0" --inner "$1" "$HOME/Brushes/Übung mit Pinseln.abr" "$3" "$work"
  exit $?
fi

# Inside the session bus and the display.
kelbrin=$2 path=$3 brush=$4 work=$5
pids=()
cleanup() {
  # The window, then the launcher with the accessibility bus and the registry under it.
  local pid child
  for pid in "${pids[@]}"; do
    for child in $(pgrep -P "$pid"); do
      kill $(pgrep -P "$child") "$child" 2>/dev/null
    done
    kill "$pid" 2>/dev/null
    timeout 5 tail --pid="$pid" -f /dev/null
  done
}
trap cleanup EXIT

# The launcher needs the session bus that dbus-run-session exported, and owns org.a11y.Bus there
# once the accessibility bus is up (asked without activating a second launcher); the registry
# starts on that bus when the walk first asks for it.
$launcher --launch-immediately --a11y=1 >"$work/launcher.log" 2>&1 &
pids=($!)
for ((i = 0; i < 50; i++)); do
  dbus-send --session --reply-timeout=2000 --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
    grep -q 'boolean true' && break
  sleep 0.2
done
((i < 50)) || { cat "$work/launcher.log" >&2; skip "the AT-SPI bus did not start in 10 s"; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KELBRIN_INSTANCE_NAME="kelbrin-atspi-$$" \
  KELBRIN_VOLUMES_FOLDER="$work/media" "$kelbrin" "$path" >"$work/kelbrin.log" 2>&1 &
pids=($! "${pids[@]}")
timeout -k 2 60 $python "$(dirname "$0")/atspi_walk.py" "$path" "$brush" 50 && exit 0
cat "$work/kelbrin.log" >&2
exit 1
