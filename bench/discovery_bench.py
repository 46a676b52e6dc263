#!/usr/bin/env python3
"""Figures for brush-file discovery on a synthetic tree.

Builds (once) a tree of 200,000 files in 20,000 folders with a few hundred brush files, then,
with a warm cache, measures:
  * time from starting `kelbrin-cli find TREE` to its `first-phase-done` line, beside
    `fdfind -u -e abr TREE` (Debian's fd-find) run to completion on the same tree;
  * time from creating a brush file to its `add` line under `kelbrin-cli find --watch`;
  * resident memory and open descriptors of `kelbrin-cli find --watch` once its first phase is
    done (a watched folder costs no descriptor);
  * the longest the watching program's event loop is blocked while a tree of 50,000 folders is
    created inside its scope (its `--stalls` report), and how long until every brush file in it
    was reported.

The comparison with fdfind is left out, with a message, when fdfind is not installed.

usage: bench/discovery_bench.py [--cli PATH] [--tree DIR] [--runs N]
"""
import argparse
import os
import random
import select
import shutil
import statistics
import subprocess
import sys
import threading
import time

FOLDERS = 20_000
FILES = 200_000
BRUSHES = 300


def build_tree(root):
    marker = os.path.join(root, ".complete")
    if os.path.exists(marker):
        return
    if os.path.exists(root):
        shutil.rmtree(root)
    rng = random.Random(7)
    # 20 x 10 x 100 leaf folders (plus the 220 above them), 10 files in each leaf.
    leaves = []
    for a in range(20):
        for b in range(10):
            for c in range(FOLDERS // 200):
                leaves.append(os.path.join(root, f"a{a}", f"b{b}", f"c{c}"))
    brush_slots = set(rng.sample(range(FILES), BRUSHES))
    n = 0
    for leaf in leaves:
        os.makedirs(leaf)
        for i in range(FILES // len(leaves)):
            suffix = ".abr" if n in brush_slots else rng.choice([".png", ".txt", ".psd", ".jpg"])
            open(os.path.join(leaf, f"f{i}{suffix}"), "wb").close()
            n += 1
    open(marker, "wb").close()


class Lines:
    """Line reader over a child's standard output, with a deadline per wait."""

    def __init__(self, proc):
        self.proc = proc
        self.buffer = b""

    def until(self, predicate, timeout=60.0):
        deadline = time.monotonic() + timeout
        while True:
            nl = self.buffer.find(b"\n")
            while nl >= 0:
                line = self.buffer[:nl].decode("utf-8", "replace")
                self.buffer = self.buffer[nl + 1:]
                if predicate(line):
                    return line, time.monotonic()
                nl = self.buffer.find(b"\n")
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise TimeoutError("no matching line")
            ready, _, _ = select.select([self.proc.stdout], [], [], remaining)
            if ready:
                chunk = os.read(self.proc.stdout.fileno(), 65536)
                if not chunk:
                    raise EOFError("the program ended")
                self.buffer += chunk


def time_first_phase(cli, tree):
    start = time.monotonic()
    proc = subprocess.Popen([cli, "find", tree], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    _, end = Lines(proc).until(lambda l: l == "first-phase-done")
    proc.wait()
    return end - start


def time_fdfind(tree):
    start = time.monotonic()
    out = subprocess.run(["fdfind", "-u", "-e", "abr", ".", tree], stdout=subprocess.PIPE, check=True).stdout
    return time.monotonic() - start, out.count(b"\n")


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--tree", default="/tmp/kelbrin-bench-tree")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    have_fd = shutil.which("fdfind") is not None
    if not os.access(args.cli, os.X_OK):
        sys.exit(f"{args.cli} is not built")

    t0 = time.monotonic()
    build_tree(args.tree)
    print(f"tree: {args.tree} ({FILES} files in {FOLDERS + 220} folders, {BRUSHES} brush files; "
          f"ready in {time.monotonic() - t0:.1f} s)")
    print(f"machine: {os.cpu_count()} cores; inotify watch limit "
          f"{open('/proc/sys/fs/inotify/max_user_watches').read().strip()}")

    # Warm the cache with both programs.
    if have_fd:
        time_fdfind(args.tree)
    time_first_phase(args.cli, args.tree)

    fd_times, cli_times = [], []
    fd_count = 0
    for _ in range(args.runs):
        if have_fd:
            t, fd_count = time_fdfind(args.tree)
            fd_times.append(t)
        cli_times.append(time_first_phase(args.cli, args.tree))
    cli_median = statistics.median(cli_times)
    if have_fd:
        fd_median = statistics.median(fd_times)
        print(f"fdfind -u -e abr:            median {fd_median * 1000:7.1f} ms  "
              f"(min {min(fd_times) * 1000:.1f}, max {max(fd_times) * 1000:.1f}; {fd_count} files)")
    else:
        print("fdfind is not installed (apt-get install fd-find): no comparison")
    print(f"kelbrin-cli find, to first-phase-done: median {cli_median * 1000:7.1f} ms  "
          f"(min {min(cli_times) * 1000:.1f}, max {max(cli_times) * 1000:.1f}; median of {args.runs})")
    if have_fd:
        print(f"first phase / fdfind: {cli_median / fd_median:.2f}x")

    proc = subprocess.Popen([args.cli, "find", "--watch", args.tree], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL)
    lines = Lines(proc)
    lines.until(lambda l: l == "first-phase-done")
    time.sleep(0.5)
    rss = rss_kib(proc.pid)
    descriptors = len(os.listdir(f"/proc/{proc.pid}/fd"))
    empty = subprocess.Popen([args.cli, "find", "--watch", "/var/empty" if os.path.isdir("/var/empty")
                              else "/proc/self/fdinfo"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    rss_empty = rss_kib(empty.pid)
    empty.terminate()
    empty.wait()
    print(f"memory after the first phase: {rss / 1024:.1f} MiB resident "
          f"(the same program on an empty folder: {rss_empty / 1024:.1f} MiB)")
    print(f"open descriptors while watching {FOLDERS + 220} folders: {descriptors}")

    rng = random.Random(11)
    latencies = []
    for i in range(args.runs * 3):
        leaf = os.path.join(args.tree, f"a{rng.randrange(20)}", f"b{rng.randrange(10)}",
                            f"c{rng.randrange(100)}")
        path = os.path.join(leaf, f"new{i}.abr")
        start = time.monotonic()
        open(path, "wb").close()
        _, end = lines.until(lambda l, p=path: l.startswith(f"add {p} "))
        latencies.append(end - start)
        os.remove(path)
        lines.until(lambda l, p=path: l == f"delete {p}")
    proc.terminate()
    proc.wait()
    print(f"brush file created -> add line: median {statistics.median(latencies) * 1000:6.1f} ms  "
          f"(min {min(latencies) * 1000:.1f}, max {max(latencies) * 1000:.1f}; {len(latencies)} files)")

    stall_while_unpacking(args.cli)


def stall_while_unpacking(cli, folders=50_000, every=50):
    """A 50,000-folder tree appears inside a watched scope, as an unpacked archive would."""
    scope = "/tmp/kelbrin-bench-unpack"
    if os.path.exists(scope):
        shutil.rmtree(scope)
    os.makedirs(scope)
    proc = subprocess.Popen([cli, "find", "--watch", "--stalls", scope], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    lines = Lines(proc)
    lines.until(lambda l: l == "first-phase-done")
    # Its output is read all along: a full pipe would block the program's writes and count as
    # a stall of its event loop.
    added = threading.Semaphore(0)
    errors = []

    def drain():
        pending = lines.buffer
        for chunk in iter(lambda: os.read(proc.stdout.fileno(), 65536), b""):
            *complete, pending = (pending + chunk).split(b"\n")
            for line in complete:
                if line.startswith(b"add "):
                    added.release()

    readers = [threading.Thread(target=drain, daemon=True),
               threading.Thread(target=lambda: errors.extend(proc.stderr), daemon=True)]
    for reader in readers:
        reader.start()
    start = time.monotonic()
    brushes = 0
    for i in range(folders):
        # 50 x 1,000: wide folders with deep paths under them, the shape of a brush archive.
        folder = os.path.join(scope, "archive", f"set{i // 1000}", f"pack{i % 1000}")
        os.makedirs(folder)
        if i % every == 0:
            open(os.path.join(folder, "b.abr"), "wb").close()
            brushes += 1
    created = time.monotonic() - start
    for _ in range(brushes):
        if not added.acquire(timeout=120):
            break
    done = time.monotonic() - start
    proc.terminate()
    proc.wait()
    for reader in readers:
        reader.join(timeout=10)
    stall = [l.decode() for l in errors if l.startswith(b"longest event-loop stall")]
    print(f"{folders} folders with {brushes} brush files created in {created:.1f} s; "
          f"all reported after {done:.1f} s; {stall[0].strip() if stall else 'no stall report'}")
    shutil.rmtree(scope)


if __name__ == "__main__":
    main()
