#!/usr/bin/python3
# Prints what an AT-SPI client (a screen reader) reads of a running program: every showing node
# of its windows, one a line, indented by depth:
#   ROLE "NAME" [STATES] desc="DESCRIPTION" value=CURRENT(MIN..MAX) at=X,Y,W,H
# Waits up to TIMEOUT seconds (default 15) for the program to show a window holding TEXT (any
# node's name) when given. Exit status 1 when the program or the text does not appear.
# Usage: atspi_tree.py APPLICATION [TEXT [TIMEOUT]]
import sys
import time

import pyatspi

STATES = [(pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_SELECTED, "selected"),
          (pyatspi.STATE_PRESSED, "pressed"), (pyatspi.STATE_FOCUSED, "focused")]


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def line(node, depth):
    role = node.getRoleName()
    state = node.getState()
    flags = [label for value, label in STATES if state.contains(value)]
    if not state.contains(pyatspi.STATE_ENABLED):
        flags.append("disabled")
    text = f'{"  " * depth}{role} "{node.name}"'
    if flags:
        text += f' [{",".join(flags)}]'
    if node.description:
        text += f' desc="{node.description}"'
    try:
        value = node.queryValue()
        text += f" value={value.currentValue:g}({value.minimumValue:g}..{value.maximumValue:g})"
    except NotImplementedError:
        pass
    try:
        x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        text += f" at={x},{y},{w},{h}"
    except NotImplementedError:
        pass
    return text


def walk(node, depth, lines):
    if node is None or not node.getState().contains(pyatspi.STATE_SHOWING):
        return
    lines.append(line(node, depth))
    for child in node:
        walk(child, depth + 1, lines)


def listing(app):
    lines = []
    for window in app:
        walk(window, 0, lines)
    return lines


def main():
    name = sys.argv[1]
    wanted = sys.argv[2] if len(sys.argv) > 2 else None
    deadline = time.monotonic() + (float(sys.argv[3]) if len(sys.argv) > 3 else 15)
    lines = []
    while True:
        app = application(name)
        lines = listing(app) if app is not None else []
        if lines and (wanted is None or any(f'"{wanted}"' in text for text in lines)):
            print("\n".join(lines))
            return 0
        if time.monotonic() > deadline:
            print("\n".join(lines))
            print(f"atspi_tree: {name} shows no node named {wanted!r}" if app else f"atspi_tree: no application {name}",
                  file=sys.stderr)
            return 1
        time.sleep(0.3)


sys.exit(main())
