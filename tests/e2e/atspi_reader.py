#!/usr/bin/python3
# The program as a screen reader finds it over AT-SPI: one long-lived reader that keeps what
# it learnt of the tree and follows the program's events. Each line "TITLE|PATTERN|SECONDS"
# is answered "X Y NAME" for a showing object, in a window of that title, whose name matches
# the pattern (X Y: its middle on the screen), or "missing" when none shows in time.
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:
        return []


def find(node, pattern):
    try:
        if pattern.search(node.get_name() or "") and node.get_state_set().contains(Atspi.StateType.SHOWING):
            return node
    except GLib.Error:
        return None
    return next(filter(None, (find(child, pattern) for child in children(node))), None)


def wait(title, pattern, seconds):
    end = time.monotonic() + float(seconds)
    while time.monotonic() < end:
        for app in children(Atspi.get_desktop(0)):
            for window in children(app):
                try:
                    found = window.get_name() == title and find(window, re.compile(pattern))
                    if found:
                        box = found.get_extents(Atspi.CoordType.SCREEN)
                        return f"{box.x + box.width // 2} {box.y + box.height // 2} {found.get_name()}"
                except GLib.Error:
                    pass   # a window closing meanwhile
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.2)
    return "missing"


for line in sys.stdin:
    print(wait(*line.rstrip("\n").split("|")), flush=True)
