#!/usr/bin/python3
# Walks the accessibility tree of a running qav window (AT-SPI) and lists what a screen reader
# would miss: a control without a name, a picture without a description, a menu with an empty
# or twice-used entry. Besides the window as it opens it presses each tab and opens each dialog
# the menus reach (the finder, What if, the hours analysed, the help and about boxes, the file
# dialogs), walks it and closes it again. Run by scripts/check-accessibility.sh; exit status 1
# when it finds anything.
#   check-accessibility.py [--recorded]      walk (--recorded: a weather file is open; the
#                                            adaptive model and the recorded hours are chosen)
#   check-accessibility.py --press MENU ITEM press one menu entry (used by the walk itself: a
#                                            modal dialog holds the call until it closes)
import html
import os
import re
import subprocess
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_CANVAS,
    pyatspi.ROLE_IMAGE, pyatspi.ROLE_TOGGLE_BUTTON,
}
# A window says its name; a frame inside one only groups and may go without.
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}
MENUS = {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_BAR}
# Walked whether or not their menu is open.
MENU_PARTS = MENUS | {pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
                      pyatspi.ROLE_SEPARATOR}
# Buttons that close a dialog without changing anything, in both languages (Qt's own in Portuguese
# when its translations are installed).
CLOSERS = ["Cancel", "Close", "OK", "Cancelar", "Fechar"]
# The menu entries that open a window of their own, as (menu, entry) in English.
DIALOGS = [
    ("File", "Find a place or station…"), ("File", "Open weather file (EPW)…"), ("File", "My sites"),
    ("File", "About climatic files"), ("File", "About this data"), ("File", "Save chart as…"),
    ("File", "Save graph as…"), ("File", "Export results…"), ("File", "Export hourly table…"),
    ("File", "Export report…"), ("View", "Compare locations"), ("View", "Hours analysed…"),
    ("View", "What if…"), ("Help", "Using QAV"), ("Help", "Monthly Climatic Files"),
    ("Help", "What if it were warmer"), ("Help", "About QAV"),
]


def translations():
    """English menu texts to the window's language, from the translation file (no & marks)."""
    if not os.environ.get("LANG", "").startswith("pt"):
        return {}
    ts = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "text", "qav_pt_BR.ts")
    text = open(ts, encoding="utf-8").read()
    table = {}
    for source, target in re.findall(r"<source>(.*?)</source>.*?<translation>(.*?)</translation>", text, re.S):
        plain = lambda s: html.unescape(s).replace("&", "").strip()
        table.setdefault(plain(source), plain(target))
    return table


TR = translations()


def tr(english):
    if english in TR:
        return TR[english]
    # "About QAV" for "About QAV %1": the translation up to its number.
    for source, target in TR.items():
        if source.startswith(english + " %"):
            return target.split(" %")[0]
    return english


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for a in desktop:
        if a is not None and "qav" in (a.name or "").lower():
            return a
    return None


def descendants(node, roles):
    try:
        if node.getRole() in roles:
            yield node
        for child in node:
            if child is not None:
                yield from descendants(child, roles)
    except Exception:  # an object gone while walking: the window changed under us
        return


def menu_entry(app, menu, entry):
    """The menu bar's entry `entry` of `menu` (names in the window's language; a prefix will do)."""
    items = {pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU}
    for top in descendants(app, {pyatspi.ROLE_MENU_BAR}):
        for m in top:
            if m is not None and (m.name or "") == tr(menu):
                for child in descendants(m, items):
                    if child != m and (child.name or "").startswith(tr(entry)):
                        return child
    return None


def walk(node, path, found, popup=False):
    try:
        role, name = node.getRole(), node.name or ""
        states = node.getState()
    except Exception:
        return 0
    # A page not shown or a closed window is walked when it shows; menus and the drop-down
    # lists of combo boxes are walked closed, as a screen reader finds them when they open.
    if not states.contains(pyatspi.STATE_SHOWING) and role not in MENU_PARTS and not popup:
        return 0
    count = 1
    here = f"{path}/{node.getRoleName()}:{name}"
    if (role in CONTROLS or (role in WINDOWS and not path)) and not name.strip():
        found.append(f"no name: {here}")
    if role in (pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE) and name.strip() and not (node.description or "").strip():
        size = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if size.width > 64 or size.height > 64:  # an icon's name says it all
            found.append(f"no description: {here}")
    if states.contains(pyatspi.STATE_FOCUSABLE) and role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_FILLER,
                                                             pyatspi.ROLE_PANEL) and not name.strip():
        found.append(f"focusable without a role or name: {here}")
    if role in MENUS:
        seen = set()
        for child in node:
            if child is None or child.getRole() == pyatspi.ROLE_SEPARATOR:
                continue
            entry = (child.name or "").strip()
            if entry and entry in seen:
                found.append(f"twice in a menu: {here}/{entry}")
            seen.add(entry)
    for child in node:
        if child is not None:
            count += walk(child, here, found, role == pyatspi.ROLE_COMBO_BOX)
    return count


def windows(app):
    """The application's windows now showing."""
    shown = []
    for w in app:
        try:
            if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                shown.append(w)
        except Exception:
            pass
    return shown


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def open_dialog(app, menu, entry):
    """Presses the entry from another process (a modal dialog holds the call) and waits for its window."""
    before = {w.name for w in windows(app)}
    presser = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--press", menu, entry])
    for _ in range(50):
        time.sleep(0.1)
        new = [w for w in windows(app) if w.name not in before or w.getRole() in (pyatspi.ROLE_DIALOG,
                                                                                  pyatspi.ROLE_ALERT)]
        if new:
            time.sleep(0.5)  # let it lay itself out and name its parts
            return presser, new[-1]
    return presser, None


def close_dialog(window, presser):
    buttons = list(descendants(window, {pyatspi.ROLE_PUSH_BUTTON}))
    for name in CLOSERS:
        for b in buttons:
            if (b.name or "").replace("&", "") == name:
                press(b)
                break
        else:
            continue
        break
    else:
        subprocess.run(["xdotool", "key", "Escape"], check=False)
    try:
        presser.wait(timeout=10)
    except subprocess.TimeoutExpired:
        presser.kill()


def main(argv):
    app = application()
    if app is None:
        names = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        print(f"check-accessibility: no qav application on the accessibility bus ({names})", file=sys.stderr)
        return 2
    if argv[:1] == ["--press"]:
        entry = menu_entry(app, argv[1], argv[2])
        if entry is None:
            print(f"check-accessibility: no menu entry {argv[1]} > {argv[2]}", file=sys.stderr)
            return 2
        press(entry)
        return 0

    found, counts = [], []

    def walk_window(label, window):
        before = len(found)
        counts.append((label, walk(window, "", found), len(found) - before))

    main_window = windows(app)[0]
    walk_window("main window", main_window)
    if argv[:1] == ["--recorded"]:
        for menu, entry in (("View", "ASHRAE 55 adaptive"), ("View", "Recorded hours")):
            item = menu_entry(app, menu, entry)
            if item is None:
                found.append(f"no menu entry {menu} > {entry}")
            else:
                press(item)
                time.sleep(1)
        walk_window("main window, recorded hours, adaptive model", main_window)
    # Each tab in turn: a page hidden behind another is walked when it shows.
    pressed = set()
    while True:
        tabs = [t for t in descendants(main_window, {pyatspi.ROLE_PAGE_TAB}) if t.name not in pressed]
        if not tabs:
            break
        pressed.add(tabs[0].name)
        press(tabs[0])
        time.sleep(0.5)
        walk_window(f"tab {tabs[0].name}", main_window)
    if argv[:1] != ["--recorded"]:
        for menu, entry in DIALOGS:
            presser, window = open_dialog(app, menu, entry)
            if window is None:
                found.append(f"nothing opened: {menu} > {entry}")
                presser.kill()
                continue
            walk_window(f"{menu} > {entry}", window)
            close_dialog(window, presser)
            time.sleep(0.3)
        # The file chooser opens as a panel of the window, and stays open to the end.
        item = menu_entry(app, "File", "Open climatic file")
        if item is None:
            found.append("no menu entry File > Open climatic file")
        else:
            press(item)
            time.sleep(1)
            walk_window("File > Open climatic file (the chooser panel)", main_window)
    # Repeated parts (the menu bar on every tab) are counted once.
    problems = list(dict.fromkeys(found))
    for line in problems:
        print(line)
    for label, walked, seen in counts:
        print(f"  {label}: {walked} objects, {seen} findings")
    print(f"{sum(c[1] for c in counts)} objects walked in {len(counts)} views, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
