#!/usr/bin/python3
# What a screen reader finds of the program over AT-SPI. One long-lived reader, as a screen
# reader is: it keeps what it has learnt of the tree and follows the program's events. It
# reads requests from stdin, one a line, fields separated by "|", and answers one line each:
#
#   wait|TITLE|PATTERN|SECONDS   "ok NAME": a window titled TITLE shows an object whose name
#                                matches PATTERN (a regular expression); else "missing ..."
#   centre|TITLE|NAME            "X Y": the screen point in the middle of that object
#   gone|TITLE|SECONDS           "ok" once no window is titled TITLE; else "still there"
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APP = "Vemox"
context = GLib.MainContext.default()


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.05)


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:
        return []


def name(node):
    try:
        return node.get_name() or ""
    except GLib.Error:
        return ""


def windows(title):
    for app in children(Atspi.get_desktop(0)):
        if name(app) == APP:
            return [w for w in children(app) if name(w) == title]
    return []


def showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except GLib.Error:
        return False


def find(node, pattern, depth=0):
    if node is None or depth > 20:
        return None
    if pattern.search(name(node)) and showing(node):
        return node
    for child in children(node):
        found = find(child, pattern, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(title, pattern, seconds):
    end = time.monotonic() + seconds
    while True:
        for window in windows(title):
            found = find(window, pattern)
            if found is not None:
                return found
        if time.monotonic() > end:
            return None
        pump(0.2)


def answer(fields):
    kind = fields[0]
    if kind == "wait":
        found = wait_for(fields[1], re.compile(fields[2]), float(fields[3]))
        if found is None:
            return f"missing '{fields[2]}' in '{fields[1]}' (windows: {len(windows(fields[1]))})"
        return "ok " + name(found)
    if kind == "centre":
        found = wait_for(fields[1], re.compile("^" + re.escape(fields[2]) + "$"), 5)
        if found is None:
            return "missing"
        box = found.get_extents(Atspi.CoordType.SCREEN)
        return f"{box.x + box.width // 2} {box.y + box.height // 2}"
    if kind == "gone":
        end = time.monotonic() + float(fields[2])
        while windows(fields[1]):
            if time.monotonic() > end:
                return "still there"
            pump(0.2)
        return "ok"
    return "unknown request"


for line in sys.stdin:
    print(answer(line.rstrip("\n").split("|")), flush=True)
