#!/usr/bin/env python3
"""The watching program's worst event-loop stall while the inotify queue overflows.

With fs.inotify.max_queued_events lowered (to 16 by default: at 1024 the program kept up and
nothing overflowed, and at 64 it now often keeps up too; the limit is read when the program
starts its inotify instance, and restored afterwards), 20,000 folders are copied into a
watched scope and reported; then, all of them watched, a quarter are deleted at once and
thousands of brush files and folders are added or removed, more events than the queue holds.
The script then waits until `kelbrin-cli find --watch
--json` has reported exactly the brush files on disk, checks that a file created afterwards in a
surviving folder is still seen (its folder is watched again), and prints the program's worst
stall (its `--stalls` report), whether the queue overflowed, and how long it took to settle.

Needs root for the sysctl. usage: bench/overflow_stall.py [--cli PATH] [--queue N] [--folders N]
"""
import argparse
import bisect
import fcntl
import json
import os
import queue
import random
import shutil
import signal
import subprocess
import sys
import threading
import time

F_SETPIPE_SZ = 1031  # from linux/fcntl.h; Python names it only from 3.10
QUEUE_SYSCTL = "/proc/sys/fs/inotify/max_queued_events"


class Events:
    """Keeps the set of reported paths from the program's JSON lines. A thread drains the
    program's output all along: a full pipe would block its writes and show up as a stall."""

    def __init__(self, proc):
        self.proc = proc
        self.lines = queue.Queue()
        self.paths = set()
        self.ordered = []  # the same paths in order, so that a folder's are one slice
        self.first_phase_done = False
        self.errors = []
        self.readers = [threading.Thread(target=self._drain, daemon=True),
                        threading.Thread(target=self._drain_errors, daemon=True)]
        for reader in self.readers:
            reader.start()

    def _drain(self):
        for line in self.proc.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def _drain_errors(self):
        for line in self.proc.stderr:
            self.errors.append(line.decode("utf-8", "replace").rstrip("\n"))

    def _apply(self, line):
        event = json.loads(line)
        kind = event["event"]
        if kind == "add":
            self._add(event["path"])
        elif kind == "delete":
            # A deleted folder is one line for everything below it.
            gone = event["path"]
            # Without walking every path: this script's time on a core is time the program
            # does not have on a machine of two.
            self._discard(gone)
            first = bisect.bisect_left(self.ordered, gone + "/")
            end = bisect.bisect_left(self.ordered, gone + "0")  # "0" follows "/"
            self.paths.difference_update(self.ordered[first:end])
            del self.ordered[first:end]
        elif kind in ("move", "rename"):
            self._discard(event["old"])
            self._add(event["new"])
        elif kind == "first-phase-done":
            self.first_phase_done = True

    def _add(self, path):
        if path not in self.paths:
            self.paths.add(path)
            bisect.insort(self.ordered, path)

    def _discard(self, path):
        if path in self.paths:
            self.paths.discard(path)
            del self.ordered[bisect.bisect_left(self.ordered, path)]

    def until(self, predicate, timeout):
        deadline = time.monotonic() + timeout
        while not predicate():
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return False
            try:
                line = self.lines.get(timeout=min(remaining, 0.5))
            except queue.Empty:
                continue
            if line is None:
                raise EOFError("the program ended")
            self._apply(line)
        return True


def brushes_on_disk(scope):
    found = set()
    for folder, _, files in os.walk(scope):
        found.update(os.path.join(folder, f) for f in files if f.endswith(".abr"))
    return found


def run(cli, scope, folders):
    proc = subprocess.Popen([cli, "find", "--watch", "--stalls", "--json", scope],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    # Room for a burst of lines while this script is busy comparing sets: a full pipe would
    # block the program's writes, a stall of this script's making.
    fcntl.fcntl(proc.stdout.fileno(), F_SETPIPE_SZ, 1 << 20)
    events = Events(proc)
    if not events.until(lambda: events.first_phase_done, timeout=60):
        sys.exit("no first-phase-done")
    rng = random.Random(5)
    # Copies of a template set made outside the scope: cp and rm are quick enough to fill the
    # queue before the program reads it.
    sets = folders // 1000
    template = scope + ".template"
    if not os.path.isdir(template):
        for i in range(500):
            folder = os.path.join(template, f"pack{i}", "inner")
            os.makedirs(folder)
            if i % 10 == 0:
                open(os.path.join(folder, "b.abr"), "wb").close()
            if i % 20 == 0:
                open(os.path.join(os.path.dirname(folder), "c.abr"), "wb").close()
    start = time.monotonic()
    for s in range(sets):
        subprocess.run(["cp", "-r", template, os.path.join(scope, f"set{s}")], check=True)
    # Every folder watched before the churn, so that its events land in the queue at once.
    expected = brushes_on_disk(scope)
    if not events.until(lambda: events.paths == expected, timeout=180):
        sys.exit("the program never reported the copied sets")
    made = time.monotonic() - start
    start = time.monotonic()
    survivors = [os.path.join(scope, f"set{s}", f"pack{i}", "inner")
                 for s in range(sets) if s % 4 for i in range(500)]
    # Gone: whole sets, and single files elsewhere; new: files and folders in watched folders.
    subprocess.run(["rm", "-rf"] + [os.path.join(scope, f"set{s}") for s in range(0, sets, 4)],
                   check=True)
    for folder in rng.sample(survivors, min(200, len(survivors))):
        path = os.path.join(folder, "b.abr")
        if os.path.exists(path):
            os.remove(path)
    touched = rng.sample(survivors, min(3000, len(survivors)))
    subprocess.run(["touch"] + [os.path.join(f, "new.abr") for f in touched], check=True)
    subprocess.run(["mkdir"] + [os.path.join(f, "extra") for f in touched[:1000]], check=True)
    subprocess.run(["touch"] + [os.path.join(f, "extra", "e.abr") for f in touched[:1000]],
                   check=True)
    churned = time.monotonic() - start
    expected = brushes_on_disk(scope)
    settled = events.until(lambda: events.paths == expected, timeout=180)
    settle = time.monotonic() - start
    late = os.path.join(rng.choice(survivors), "late.abr")
    open(late, "wb").close()
    expected.add(late)
    seen_late = events.until(lambda: late in events.paths, timeout=10)

    proc.terminate()
    proc.wait(timeout=60)
    for reader in events.readers:
        reader.join(timeout=10)
    err = events.errors
    stall = [l for l in err if l.startswith("longest event-loop stall")]
    overflows = sum("queue overflowed" in l for l in err)
    missing = len(expected - events.paths)
    stale = len(events.paths - expected)
    print(f"{sets * 1000} folders made and reported in {made:.1f} s; churn: {sets // 4 * 1000} "
          f"deleted, 1,000 made, 3,200 brush files added or removed in {churned:.1f} s; "
          f"{len(expected) - 1} brush files on disk")
    print(f"overflows reported: {overflows}")
    print(f"index equals the disk: {'yes' if settled else 'NO'} after {settle:.1f} s "
          f"(missing {missing}, stale {stale}); file made afterwards seen: "
          f"{'yes' if seen_late else 'NO'}")
    if missing or stale:
        print("  e.g. missing " + ", ".join(sorted(expected - events.paths)[:3]) +
              "; stale " + ", ".join(sorted(events.paths - expected)[:3]))
    print(stall[0] if stall else "no stall report")
    return stall, overflows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--scope", default="/tmp/kelbrin-bench-overflow")
    parser.add_argument("--queue", type=int, default=16)
    parser.add_argument("--folders", type=int, default=20_000,
                        help="made as copies of a set of 500 folders with one folder in each")
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit(f"{args.cli} is not built")
    if os.path.exists(args.scope):
        shutil.rmtree(args.scope)
    os.makedirs(args.scope)
    with open(QUEUE_SYSCTL) as f:
        previous = f.read().strip()
    # A terminated run still puts the limit back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    try:
        with open(QUEUE_SYSCTL, "w") as f:
            f.write(str(args.queue))
        print(f"fs.inotify.max_queued_events {args.queue} (was {previous}); "
              f"load average {os.getloadavg()[0]:.2f} on {os.cpu_count()} cores")
        run(args.cli, args.scope, args.folders)
    finally:
        with open(QUEUE_SYSCTL, "w") as f:
            f.write(previous)
        shutil.rmtree(args.scope, ignore_errors=True)
        shutil.rmtree(args.scope + ".template", ignore_errors=True)


if __name__ == "__main__":
    main()
