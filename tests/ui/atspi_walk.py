"""Walks Kelbrin's accessible tree over AT-SPI, as a screen reader sees it, and finds a file in
the outlines and a brush in the grid by their names.

Usage: atspi_walk.py FILE_NAME FILE_PATH BRUSH_NAME SECONDS
Exits 0 when both are found within SECONDS, 1 otherwise, listing what it saw."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

file_name, file_path, brush_name = sys.argv[1:4]
deadline = time.monotonic() + float(sys.argv[4])
# Every call on the bus gives up after 3 s rather than waiting on a window that went away.
Atspi.set_timeout(3000, 10000)
# The window has a few hundred objects; a bound keeps a runaway tree from eating the time.
MAX_NODES = 20000


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    found = []
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            found.append(child)
    return found


def find_kelbrin():
    try:
        desktop = pyatspi.Registry.getDesktop(0)
    except Exception:
        return None
    for app in children(desktop):
        try:
            if app.name == "Kelbrin":
                return app
        except Exception:
            pass
    return None


def walk(app):
    """Role, name and description of every object under the application, breadth first."""
    seen, queue = [], [app]
    while queue and len(seen) < MAX_NODES and time.monotonic() < deadline:
        node = queue.pop(0)
        try:
            seen.append((node.getRoleName(), node.name or "", node.description or ""))
        except Exception:
            continue
        queue.extend(children(node))
    return seen


def outline_file(row):
    role, name, description = row
    return role == "table cell" and name == file_name and description == file_path


def grid_cell(row):
    role, name, description = row
    return role == "list item" and name == brush_name and " px" in description


def main():
    seen = []
    while time.monotonic() < deadline:
        app = find_kelbrin()
        if app is not None:
            seen = walk(app)
            if any(map(outline_file, seen)) and any(map(grid_cell, seen)):
                print(f"found {file_name!r} in the outlines and {brush_name!r} in the grid "
                      f"among {len(seen)} accessible objects")
                return 0
        time.sleep(0.3)
    print(f"not found: outline row {file_name!r} ({file_path}) and grid cell {brush_name!r}",
          file=sys.stderr)
    if not seen:
        print("Kelbrin never showed up on the AT-SPI bus", file=sys.stderr)
    for role, name, description in seen:
        if name or description:
            print(f"  {role}: {name!r} {description!r}", file=sys.stderr)
    return 1


sys.exit(main())
