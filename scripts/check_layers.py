#!/usr/bin/env python3
"""Checks that the source folders depend on each other one way only.

Each folder may include the headers of the folders listed for it below and no
others, so that no folder reaches up to one above it: the desktop program and
the tool stand side by side over the output library, which stands over the
engine. A file and its header form one unit; no units may include each other
in a loop (a unit's .cpp including a header whose .cpp includes the first
unit's header), within a folder or across folders. Two kinds of loop are
known and kept: inside the engine, where the table of symbologies builds the
classes that name their own ids; and the view with its outputs, which draw
through the view that owns them.

Prints every offending include and every loop; exits 1 if there is any.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# The folders each folder may include from, besides itself.
ALLOWED = {
    "symbology": set(),
    "version": set(),
    "res": set(),
    "printers": set(),
    "render": {"symbology", "printers"},
    "scan": {"render", "symbology"},
    "grade": {"symbology"},
    "quality": {"grade", "scan", "render", "symbology"},
    "labels": {"scan", "render", "symbology"},
    "design": {"labels", "scan", "render", "symbology"},
    "settings": {"symbology", "printers"},
    "ui": {"res"},
    "panel": {"symbology", "ui"},
    "view": {"scan", "render", "symbology", "panel", "ui", "res", "printers"},
    "app": {"design", "view", "grade", "quality", "labels", "scan", "render", "settings", "version",
            "symbology", "panel", "ui", "res", "printers"},
    "cli": {"design", "grade", "quality", "labels", "scan", "render", "settings", "version",
            "symbology", "res", "printers"},
}

# Loops kept on purpose (see above), as the checker prints them.
KNOWN_LOOPS = (
    "loop: symbology/",
    "loop: view/BarcodeView -> view/BarcodeOutput -> view/BarcodeView",
)

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def sources(folder):
    return sorted(p for p in (ROOT / folder).iterdir() if p.suffix in (".cpp", ".h"))


def main():
    owner = {}  # header name -> folder
    for folder in ALLOWED:
        for path in sources(folder):
            if path.suffix == ".h":
                owner[path.name] = folder
    faults = []
    units = {}  # (folder, stem) -> units it includes
    for folder, allowed in ALLOWED.items():
        for path in sources(folder):
            unit = units.setdefault((folder, path.stem), set())
            for name in INCLUDE.findall(path.read_text(encoding="utf-8")):
                target = owner.get(name)
                if target is None:
                    continue  # a generated or third-party header
                if target != folder and target not in allowed:
                    faults.append(f"{folder}/{path.name} includes {target}/{name}")
                included = (target, pathlib.Path(name).stem)
                if included != (folder, path.stem):
                    unit.add(included)
    # Loops among units: depth-first search with colours.
    state = {}
    stack = []

    def visit(unit):
        state[unit] = "open"
        stack.append(unit)
        for nxt in sorted(units.get(unit, ())):
            if state.get(nxt) == "open":
                loop = stack[stack.index(nxt):] + [nxt]
                faults.append("loop: " + " -> ".join(f"{f}/{s}" for f, s in loop))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[unit] = "done"

    for unit in sorted(units):
        if unit not in state:
            visit(unit)
    faults = [f for f in faults if not any(known in f for known in KNOWN_LOOPS)]
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"layers: {len(units)} units in {len(ALLOWED)} folders, every include one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
