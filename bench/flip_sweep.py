#!/usr/bin/env python3
"""Single-byte flips of real brush files, read by `kelbrin-cli list` under an address-space cap.

Each flip sets one byte of a file to another value, both drawn from a seeded generator, so a
run can be repeated. The flipped files are listed in batches, one child per batch under the
cap, and every file's closing line is sorted into what it says: read to its end, damaged after
some brushes, or an error. The script prints how many of each, every flip that was called "out
of memory" (an implausible size read from a file is damage, not a want of memory), the slowest
batch and the children's peak resident memory.

usage: bench/flip_sweep.py [--cli PATH] [--flips N] [--cap-mb N] [--keep DIR] [FILE...]
With --keep, one flipped file per distinct message is kept in DIR, named after its source,
offset and new byte.
"""
import argparse
import collections
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time

BATCH = 250


def summary_lines(output, paths):
    """The closing line of each file, by path: "PATH: N brushes, read to the end" and the like."""
    found = {}
    for line in output.splitlines():
        for path in paths:
            if line.startswith(path + ": "):
                found[path] = line[len(path) + 2:]
    return found


def kind_of(summary):
    # Counts vary with the flip; the words say what happened.
    return re.sub(r"\d+", "N", summary)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--flips", type=int, default=10_000)
    parser.add_argument("--cap-mb", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    files = args.files or [os.path.join("tests/read", f) for f in sorted(os.listdir("tests/read"))
                           if f.endswith(".abr") and not f.startswith(("fuzz-", "flip-"))]
    sources = {f: open(f, "rb").read() for f in files}
    rng = random.Random(args.seed)
    cap = args.cap_mb << 20

    def limit():
        resource.setrlimit(resource.RLIMIT_AS, (cap, cap))

    kinds = collections.Counter()
    examples = {}
    out_of_memory = []
    slowest = 0.0
    missing = 0
    with tempfile.TemporaryDirectory() as scratch:
        made = []
        for n in range(args.flips):
            source = rng.choice(files)
            data = bytearray(sources[source])
            offset = rng.randrange(len(data))
            value = rng.choice([v for v in range(256) if v != data[offset]])
            data[offset] = value
            name = f"{os.path.splitext(os.path.basename(source))[0]}-{offset}-{value:02x}.abr"
            path = os.path.join(scratch, f"{n}-{name}")
            with open(path, "wb") as f:
                f.write(data)
            made.append((path, name))
        for start in range(0, len(made), BATCH):
            batch = made[start:start + BATCH]
            began = time.monotonic()
            result = subprocess.run([args.cli, "list"] + [p for p, _ in batch],
                                    capture_output=True, text=True, errors="replace",
                                    preexec_fn=limit)
            slowest = max(slowest, time.monotonic() - began)
            summaries = summary_lines(result.stdout + result.stderr, [p for p, _ in batch])
            for path, name in batch:
                summary = summaries.get(path)
                if summary is None:
                    missing += 1
                    continue
                kind = kind_of(summary)
                kinds[kind] += 1
                if "memory" in summary:
                    out_of_memory.append(name)
                if kind not in examples:
                    examples[kind] = (path, name)
            if args.keep:
                os.makedirs(args.keep, exist_ok=True)
                for kind, (path, name) in list(examples.items()):
                    if path and os.path.exists(path):
                        with open(path, "rb") as f, open(os.path.join(args.keep, name), "wb") as out:
                            out.write(f.read())
                        examples[kind] = (None, name)
            for path, _ in batch:
                os.remove(path)
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    print(f"{args.flips} flips of {len(files)} files, {args.cap_mb} MB address-space cap")
    for kind, count in kinds.most_common():
        print(f"{count:6}  {kind}   e.g. {examples[kind][1]}")
    print(f"without a closing line: {missing}")
    print(f"called out of memory: {len(out_of_memory)}" +
          (": " + ", ".join(out_of_memory[:10]) if out_of_memory else ""))
    print(f"slowest batch of {BATCH}: {slowest:.2f} s; children's peak resident memory {peak:.0f} MB")
    return 1 if out_of_memory or missing else 0


if __name__ == "__main__":
    sys.exit(main())
