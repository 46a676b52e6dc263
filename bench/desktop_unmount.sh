#!/bin/bash
# Whether a file manager's unmount (GIO through GVfs and udisks, here `gio mount -u`) succeeds
# while Kelbrin crawls the drive: the window program, which hears GVfs's notice before the
# unmount, against `kelbrin-cli find --watch`, which does not. Prints one line per run and the
# counts.
#
# Needs root and, beyond the build's own packages, gvfs-daemons and udisks2 (apt). Starts what a
# desktop session would have: the system bus, polkitd, udevd and udisksd, then a session bus of
# its own per run; stops them again at the end. The drive is the 60,000-folder ext4 image of
# bench/umount_during_crawl.py, labelled BRUSHDRIVE and mounted by udisks under /media/$USER.
#
# usage: bench/desktop_unmount.sh [BUILD_DIR] [RUNS] [SECONDS_BEFORE_UNMOUNT]
set -u
BUILD=${1:-build/release}
RUNS=${2:-5}
DELAY=${3:-1.0}
WINDOW=$BUILD/src/app/kelbrin
CLI=$BUILD/src/kelbrin-cli
IMAGE=/tmp/kelbrin-umount.img
[ -x "$WINDOW" ] && [ -x "$CLI" ] || { echo "build kelbrin and kelbrin-cli in $BUILD first"; exit 2; }
[ -x /usr/libexec/gvfs-udisks2-volume-monitor ] && [ -x /usr/libexec/udisks2/udisksd ] ||
  { echo "needs: apt-get install gvfs-daemons udisks2"; exit 2; }
HERE=$(cd "$(dirname "$0")" && pwd)
WINDOW=$(realpath "$WINDOW"); CLI=$(realpath "$CLI")
(cd "$HERE" && python3 -c "import umount_during_crawl as u; u.build_image()") || exit 1
e2label $IMAGE BRUSHDRIVE

started=()
start() { "$@" > /dev/null 2>&1 & started+=($!); }
mkdir -p /run/dbus
if ! pgrep -f "dbus-daemon --system" > /dev/null; then
  rm -f /run/dbus/pid # left by a bus that was killed
  dbus-daemon --system --fork && started_bus=1
fi
pgrep polkitd > /dev/null || start /usr/lib/polkit-1/polkitd --no-debug
pgrep systemd-udevd > /dev/null || start /lib/systemd/systemd-udevd
sleep 1
pgrep udisksd > /dev/null || start /usr/libexec/udisks2/udisksd
sleep 2
LOOP=$(losetup --find --show $IMAGE)
udevadm trigger --action=add --subsystem-match=block; udevadm settle
MOUNT=/media/$(id -un)/BRUSHDRIVE

one_run() { # window|cli -> prints "unmounted" or "busy"
  cat > /tmp/kelbrin-desktop-unmount-run.sh <<RUN
#!/bin/bash
/usr/libexec/gvfs-udisks2-volume-monitor > /dev/null 2>&1 &
sleep 2
mkdir -p /tmp/kelbrin-desktop-unmount-home
sync; echo 3 > /proc/sys/vm/drop_caches
export HOME=/tmp/kelbrin-desktop-unmount-home XDG_DATA_HOME=/tmp/kelbrin-desktop-unmount-home/data
if [ $1 = window ]; then QT_QPA_PLATFORM=offscreen $WINDOW > /dev/null 2>&1 &
else $CLI find --watch $MOUNT > /dev/null 2>&1 & fi
P=\$!
sleep $DELAY
held=\$(ls -l /proc/\$P/fd 2>/dev/null | grep -c "$MOUNT")
gio mount -u $MOUNT > /dev/null 2>&1 && echo "unmounted (\$held folders open just before)" || echo "busy (\$held folders open just before)"
kill \$P
RUN
  chmod +x /tmp/kelbrin-desktop-unmount-run.sh
  dbus-run-session -- /tmp/kelbrin-desktop-unmount-run.sh 2> /dev/null
}

for mode in cli window; do
  ok=0
  for run in $(seq 1 "$RUNS"); do
    findmnt "$MOUNT" > /dev/null || udisksctl mount -b "$LOOP" --no-user-interaction > /dev/null
    result=$(one_run $mode)
    echo "$mode run $run, unmount $DELAY s after the start: $result"
    case $result in unmounted*) ok=$((ok + 1));; esac
  done
  echo "$mode: $ok of $RUNS unmounts succeeded"
done

findmnt "$MOUNT" > /dev/null && umount "$MOUNT"
rmdir "$MOUNT" 2> /dev/null
losetup -d "$LOOP"
for pid in "${started[@]}"; do kill "$pid" 2> /dev/null; done
[ -n "${started_bus:-}" ] && pkill -f "dbus-daemon --system" && rm -f /run/dbus/pid
rm -rf /tmp/kelbrin-desktop-unmount-home /tmp/kelbrin-desktop-unmount-run.sh
