#!/usr/bin/env bash
# Starts the window on a brush file with AT-SPI on, on a bus and a display of its own, and has
# atspi_walk.py find the file in the outlines and a brush in the grid, as a screen reader would.
# Exits 77 (skipped) when what it needs is not installed or the accessibility bus will not start.
#
# Usage: atspi_tree.sh KELBRIN BRUSH_FILE BRUSH_NAME
set -u
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # pyatspi comes with Debian's Python, not whichever is first on PATH
launcher=/usr/libexec/at-spi-bus-launcher

skip() {
  echo "skipped: $*" >&2
  exit 77
}

if [[ "${1:-}" != --inner ]]; then
  kelbrin=$1 brush_file=$2 brush_name=$3
  for tool in xvfb-run dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  [[ -x $launcher ]] || skip "$launcher is not installed (at-spi2-core)"
  timeout 20 "$python" -c 'import pyatspi' 2>/dev/null || skip "$python cannot import pyatspi (python3-pyatspi)"
  [[ -x $kelbrin ]] || { echo "no program at $kelbrin" >&2; exit 1; }

  work=$(mktemp -d) || exit 1
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime" "$work/home" "$work/home/Brushes" "$work/media"
  # A name with a space and a letter beyond ASCII, which must come through the bus whole.
  file_name="Übung mit Pinseln.abr"
  cp "$brush_file" "$work/home/Brushes/$file_name" || exit 1
  # Whatever display, buses and settings the caller has are not ours to use.
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS \
    XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
  export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
  # -k: whatever ignores the first signal is killed 5 s later.
  timeout -k 5 110 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- "$0" --inner "$kelbrin" "$HOME/Brushes/$file_name" "$brush_name" \
    "$work"
  status=$?
  [[ $status == 124 ]] && echo "the AT-SPI walk did not end within 110 s" >&2
  exit $status
fi

# Inside the session bus and the display.
kelbrin=$2 path=$3 brush_name=$4 work=$5
pids=()
cleanup() {
  # Newest first: the window, then the registry and the accessibility bus the launcher
  # started, then the launcher.
  local i child grandchild
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    for child in $(pgrep -P "${pids[i]}"); do
      for grandchild in $(pgrep -P "$child"); do kill "$grandchild" 2>/dev/null; done
      kill "$child" 2>/dev/null
    done
    kill "${pids[i]}" 2>/dev/null
  done
  for pid in "${pids[@]}"; do
    timeout 5 tail --pid="$pid" -f /dev/null
  done
}
trap cleanup EXIT

name_owned() {
  dbus-send --session --reply-timeout=2000 --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null |
    grep -q 'boolean true'
}

# The launcher needs the session bus, which dbus-run-session exported; it owns org.a11y.Bus
# there once the accessibility bus is up, and the registry (at-spi2-registryd) is started on
# that bus when the first client asks for it.
"$launcher" --launch-immediately --a11y=1 >"$work/launcher.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
  name_owned org.a11y.Bus && break
  sleep 0.1
done
if ! name_owned org.a11y.Bus; then
  cat "$work/launcher.log" >&2
  skip "the AT-SPI bus did not start within 10 s"
fi
if ! timeout 5 dbus-send --session --reply-timeout=3000 --print-reply --dest=org.a11y.Bus \
  /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null; then
  skip "the AT-SPI bus does not give its address"
fi

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KELBRIN_INSTANCE_NAME="kelbrin-atspi-$$" \
  KELBRIN_VOLUMES_FOLDER="$work/media" "$kelbrin" "$path" >"$work/kelbrin.log" 2>&1 &
pids+=($!)

timeout -k 2 60 "$python" "$here/atspi_walk.py" "$(basename "$path")" "$path" "$brush_name" 50
status=$?
if [[ $status != 0 ]]; then
  echo "--- kelbrin's output" >&2
  cat "$work/kelbrin.log" >&2
fi
exit $status
