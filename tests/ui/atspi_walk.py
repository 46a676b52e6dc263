# Walks Kelbrin's accessible tree over AT-SPI, as a screen reader does, until it finds the file
# in an outline and the brush in the grid by their names, or its time is up (exit 1, with what
# it saw). Usage: atspi_walk.py FILE_PATH BRUSH_NAME SECONDS
import os
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

path, brush, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
deadline = time.monotonic() + seconds
Atspi.set_timeout(3000, 10000)  # no call on the bus waits longer on a window gone away


def children(node):
    try:
        return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c]
    except Exception:
        return []


def walk():
    """(role, name, description) of every object under Kelbrin, breadth first."""
    try:
        apps = [a for a in children(pyatspi.Registry.getDesktop(0)) if a.name == "Kelbrin"]
    except Exception:
        apps = []
    seen, queue = [], apps[:1]
    while queue and len(seen) < 20000 and time.monotonic() < deadline:
        node = queue.pop(0)
        try:
            seen.append((node.getRoleName(), node.name or "", node.description or ""))
        except Exception:
            continue
        queue.extend(children(node))
    return seen


wanted = {("table cell", os.path.basename(path), path): "the outline's file"}
seen = []
while time.monotonic() < deadline:
    seen = walk()
    cells = [d for r, n, d in seen if r == "list item" and n == brush and " px" in d]
    if wanted.keys() <= set(seen) and cells:
        print(f"found {path!r} in the outline and {brush!r} ({cells[0]}) in the grid")
        sys.exit(0)
    time.sleep(0.3)
print(f"not found: the outline's {path!r} or the grid's {brush!r}; seen:", file=sys.stderr)
for row in seen:
    print("  %s: %r %r" % row, file=sys.stderr)
sys.exit(1)
