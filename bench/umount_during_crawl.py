#!/usr/bin/env python3
"""Whether a drive can be unmounted while `kelbrin-cli find` crawls it, and how the find ends.

Makes (once) an ext4 image of 60,000 folders, mounts it through a loop device, starts
`kelbrin-cli find [--watch] MOUNT` and, as soon as the program has started, calls umount(2)
every few milliseconds until it succeeds. Prints, per run, how many tries failed with "busy" and
for how long, whether the program was still crawling when the drive went, and how it ended.
A last case unmounts a drive whose folders are all watched and nothing is being read, which
tells whether inotify watches alone keep a drive busy.

Needs root (mount, losetup). usage: bench/umount_during_crawl.py [--cli PATH] [--runs N]
"""
import argparse
import ctypes
import errno
import os
import subprocess
import sys
import threading
import time

IMAGE = "/tmp/kelbrin-umount.img"
MOUNT = "/tmp/kelbrin-umount"
FOLDERS = 60_000

libc = ctypes.CDLL(None, use_errno=True)


def umount_once(path):
    if libc.umount2(path.encode(), 0) == 0:
        return 0
    return ctypes.get_errno()


def mount():
    os.makedirs(MOUNT, exist_ok=True)
    subprocess.run(["mount", "-o", "loop", IMAGE, MOUNT], check=True)


def build_image():
    if os.path.exists(IMAGE + ".complete"):
        return
    subprocess.run(["truncate", "-s", "600M", IMAGE], check=True)
    subprocess.run(["mkfs.ext4", "-q", "-F", "-N", str(FOLDERS + 10000), IMAGE], check=True)
    mount()
    # 60 x 1,000 folders, a brush file in every hundredth.
    for i in range(FOLDERS):
        folder = os.path.join(MOUNT, f"set{i // 1000}", f"pack{i % 1000}")
        os.makedirs(folder)
        if i % 100 == 0:
            open(os.path.join(folder, "b.abr"), "wb").close()
    subprocess.run(["umount", MOUNT], check=True)
    open(IMAGE + ".complete", "wb").close()


def drop_caches():
    with open("/proc/sys/vm/drop_caches", "w") as f:
        f.write("3")


def unmount_while_crawling(cli, watch):
    mount()
    drop_caches()
    args = [cli, "find"] + (["--watch", "--seconds", "20"] if watch else []) + [MOUNT]
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out, err = [], []
    readers = [threading.Thread(target=lambda: out.extend(proc.stdout), daemon=True),
               threading.Thread(target=lambda: err.extend(proc.stderr), daemon=True)]
    for reader in readers:
        reader.start()
    start = time.monotonic()
    # Once the crawl has found its first files it is well under way.
    while not out and time.monotonic() - start < 20:
        time.sleep(0.001)
    began = time.monotonic()
    busy = 0
    while True:
        error = umount_once(MOUNT)
        if error == 0:
            break
        if error != errno.EBUSY:
            sys.exit(f"umount: {os.strerror(error)}")
        busy += 1
        time.sleep(0.002)
    gone = time.monotonic() - began
    crawling = proc.poll() is None
    found_before = len(out)
    proc.wait(timeout=120)
    for reader in readers:
        reader.join(timeout=10)
    lines = [l.decode("utf-8", "replace").rstrip("\n") for l in out]
    first_done = "first-phase-done" in lines
    found = sum(l.startswith("add ") for l in lines)
    errors = [l.decode("utf-8", "replace").rstrip("\n") for l in err]
    mode = "find --watch" if watch else "find        "
    print(f"{mode}: unmounted after {busy} busy tries ({gone * 1000:.0f} ms after its first "
          f"{found_before} lines, {began - start:.2f} s after the start; program "
          f"{'still running' if crawling else 'already done'}); the program ended with "
          f"status {proc.returncode}, {'first-phase-done' if first_done else 'no first-phase-done'}, "
          f"{found} files, {len(errors)} lines on stderr"
          + (f" (first: {errors[0][:100]})" if errors else ""))


def unmount_while_watched(cli):
    mount()
    proc = subprocess.Popen([cli, "find", "--watch", MOUNT], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL)
    while proc.stdout.readline().strip() != b"first-phase-done":
        pass
    time.sleep(0.5)
    descriptors = len(os.listdir(f"/proc/{proc.pid}/fd"))
    error = umount_once(MOUNT)
    print(f"every folder watched, nothing being read ({descriptors} open descriptors): plain "
          f"umount {'succeeds' if error == 0 else 'fails: ' + os.strerror(error)}")
    if error:
        subprocess.run(["umount", "-l", MOUNT])
    time.sleep(0.5)
    proc.terminate()
    proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit(f"{args.cli} is not built")
    if os.path.ismount(MOUNT):
        subprocess.run(["umount", MOUNT], check=True)
    t0 = time.monotonic()
    build_image()
    print(f"drive: {FOLDERS} folders on a loop-mounted ext4 image (ready in "
          f"{time.monotonic() - t0:.1f} s); load average {os.getloadavg()[0]:.2f} on "
          f"{os.cpu_count()} cores; caches dropped before each run")
    for _ in range(args.runs):
        unmount_while_crawling(args.cli, watch=False)
        unmount_while_crawling(args.cli, watch=True)
    unmount_while_watched(args.cli)


if __name__ == "__main__":
    main()
