#!/usr/bin/env python3
"""Figures for brush-file discovery on a synthetic tree.

Builds (once) a tree of 200,000 files in 20,000 folders with a few hundred brush files, then,
with a warm cache, measures:
  * time from starting `kelbrin-cli find TREE` to its `first-phase-done` line, beside
    `fdfind -u -e abr TREE` (Debian's fd-find) run to completion on the same tree;
  * time from creating a brush file to its `add` line under `kelbrin-cli find --watch`;
  * the CPU time and wake-ups of `kelbrin-cli find --watch` while nothing changes (--idle s);
  * resident memory and open descriptors of `kelbrin-cli find --watch` once its first phase is
    done (a watched folder costs no descriptor);
  * the longest the watching program's event loop is blocked while a tree of 50,000 folders is
    created inside its scope (its `--stalls` report), and how long until every brush file in it
    was reported.

The comparison with fdfind is left out, with a message, when fdfind is not installed.

With --baseline, the first phase, the add line and the idle cost are measured for that program
too (first-phase runs taken in turn with the other program's), and each figure is printed beside
the baseline's.

usage: bench/discovery_bench.py [--cli PATH] [--baseline PATH] [--tree DIR] [--runs N] [--idle S]
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


def thread_times(pid):
    """CPU time (ns, as the scheduler counts it) and context switches of all of a process's threads."""
    ns = switches = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                ns += int(f.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
        except FileNotFoundError:  # a thread that ended meanwhile
            pass
    return ns, switches


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def measure_idle(clis, tree, idle):
    """CPU time and wake-ups of `find --watch` programs left alone, all in the same window so that
    whatever else happens on the machine (events in folders above the tree too) meets them alike."""
    procs = [subprocess.Popen([cli, "find", "--watch", tree], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL) for _, cli in clis]
    for proc in procs:
        Lines(proc).until(lambda l: l == "first-phase-done")
    time.sleep(1.0)
    before = [thread_times(proc.pid) for proc in procs]
    t0 = time.monotonic()
    time.sleep(idle)
    after = [thread_times(proc.pid) for proc in procs]
    seconds = time.monotonic() - t0
    for proc in procs:
        proc.terminate()
        proc.wait()
    return [((a[0] - b[0]) / 1e6, (a[1] - b[1]) / seconds, seconds) for a, b in zip(after, before)]


def measure_watch(cli, tree, runs):
    """Memory, descriptors, and add-line and changed-line latency of one `find --watch` program."""
    proc = subprocess.Popen([cli, "find", "--watch", tree], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL)
    lines = Lines(proc)
    lines.until(lambda l: l == "first-phase-done")
    time.sleep(0.5)
    figures = {"rss": rss_kib(proc.pid), "descriptors": len(os.listdir(f"/proc/{proc.pid}/fd"))}

    rng = random.Random(11)
    latencies, saves = [], []
    for i in range(runs * 3):
        leaf = os.path.join(tree, f"a{rng.randrange(20)}", f"b{rng.randrange(10)}",
                            f"c{rng.randrange(100)}")
        path = os.path.join(leaf, f"new{i}.abr")
        start = time.monotonic()
        open(path, "wb").close()
        _, end = lines.until(lambda l, p=path: l.startswith(f"add {p} "))
        latencies.append(end - start)
        # A save of its own, as a painter makes one: apart from the last by more than the
        # batching interval, which saves in quick succession wait out.
        time.sleep(0.15)
        start = time.monotonic()
        with open(path, "ab") as f:
            f.write(b"8BIM")
        _, end = lines.until(lambda l, p=path: l == f"changed {p}")
        saves.append(end - start)
        os.remove(path)
        lines.until(lambda l, p=path: l == f"delete {p}")
    figures["latencies"] = latencies
    figures["saves"] = saves
    proc.terminate()
    proc.wait()
    return figures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--baseline", help="another kelbrin-cli to measure beside it")
    parser.add_argument("--tree", default="/tmp/kelbrin-bench-tree")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=30.0,
                        help="seconds over which the idle watcher's CPU time is taken")
    args = parser.parse_args()
    have_fd = shutil.which("fdfind") is not None
    clis = [("kelbrin-cli", args.cli)]
    if args.baseline:
        clis.append(("baseline", args.baseline))
    for _, cli in clis:
        if not os.access(cli, os.X_OK):
            sys.exit(f"{cli} is not built")

    t0 = time.monotonic()
    build_tree(args.tree)
    print(f"tree: {args.tree} ({FILES} files in {FOLDERS + 220} folders, {BRUSHES} brush files; "
          f"ready in {time.monotonic() - t0:.1f} s)")
    print(f"machine: {os.cpu_count()} cores; inotify watch limit "
          f"{open('/proc/sys/fs/inotify/max_user_watches').read().strip()}")

    # Warm the cache with every program.
    if have_fd:
        time_fdfind(args.tree)
    for _, cli in clis:
        time_first_phase(cli, args.tree)

    fd_times = []
    cli_times = {name: [] for name, _ in clis}
    fd_count = 0
    for _ in range(args.runs):
        if have_fd:
            t, fd_count = time_fdfind(args.tree)
            fd_times.append(t)
        for name, cli in clis:
            cli_times[name].append(time_first_phase(cli, args.tree))
    if have_fd:
        fd_median = statistics.median(fd_times)
        print(f"fdfind -u -e abr:            median {fd_median * 1000:7.1f} ms  "
              f"(min {min(fd_times) * 1000:.1f}, max {max(fd_times) * 1000:.1f}; {fd_count} files)")
    else:
        print("fdfind is not installed (apt-get install fd-find): no comparison")
    for name, _ in clis:
        times = cli_times[name]
        median = statistics.median(times)
        print(f"{name} find, to first-phase-done: median {median * 1000:7.1f} ms  "
              f"(min {min(times) * 1000:.1f}, max {max(times) * 1000:.1f}; median of {args.runs})"
              + (f"; {median / fd_median:.2f}x fdfind" if have_fd else ""))

    empty = subprocess.Popen([args.cli, "find", "--watch", "/var/empty" if os.path.isdir("/var/empty")
                              else "/proc/self/fdinfo"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    rss_empty = rss_kib(empty.pid)
    empty.terminate()
    empty.wait()
    for name, cli in clis:
        watch = measure_watch(cli, args.tree, args.runs)
        latencies = watch["latencies"]
        print(f"{name}: memory after the first phase: {watch['rss'] / 1024:.1f} MiB resident "
              f"(kelbrin-cli on an empty folder: {rss_empty / 1024:.1f} MiB); open descriptors "
              f"while watching {FOLDERS + 220} folders: {watch['descriptors']}")
        print(f"{name}: brush file created -> add line: median "
              f"{statistics.median(latencies) * 1000:6.1f} ms  (min {min(latencies) * 1000:.1f}, "
              f"max {max(latencies) * 1000:.1f}; {len(latencies)} files)")
        saves = watch["saves"]
        print(f"{name}: brush file saved -> changed line: median "
              f"{statistics.median(saves) * 1000:6.1f} ms  (min {min(saves) * 1000:.1f}, "
              f"max {max(saves) * 1000:.1f}; {len(saves)} saves)")
    for (name, _), (cpu_ms, wakeups, seconds) in zip(clis, measure_idle(clis, args.tree, args.idle)):
        print(f"{name}: idle while watching: {cpu_ms:.1f} ms of CPU over {seconds:.0f} s, "
              f"{wakeups:.1f} wake-ups a second")

    for name, cli in clis:
        print(f"{name}: ", end="", flush=True)
        stall_while_unpacking(cli)


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
