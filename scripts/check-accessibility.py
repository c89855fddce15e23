#!/usr/bin/python3
# Walks the accessibility tree of a running qav window (AT-SPI) and lists what a screen reader
# would miss: a control without a name, the chart without a description, a menu with an empty
# or twice-used entry. Run by scripts/check-accessibility.sh; exit status 1 when it finds any.
import sys
import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE,
}
MENUS = {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_BAR}


def walk(node, path, found):
    try:
        role, name = node.getRole(), node.name or ""
    except Exception:  # an object gone while walking: the window changed under us
        return 0
    count = 1
    here = f"{path}/{node.getRoleName()}:{name}"
    if role in CONTROLS and not name.strip():
        found.append(f"no name: {here}")
    if role in (pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE) and name.strip() and not (node.description or "").strip():
        found.append(f"no description: {here}")
    if role in MENUS:
        seen = set()
        for child in node:
            entry = (child.name or "").strip()
            if child.getRole() == pyatspi.ROLE_SEPARATOR:
                continue
            if entry and entry in seen:
                found.append(f"twice in a menu: {here}/{entry}")
            seen.add(entry)
    for child in node:
        if child is not None:
            count += walk(child, here, found)
    return count


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and "qav" in (a.name or "").lower()]
    if not apps:
        names = [a.name for a in desktop if a is not None]
        print(f"check-accessibility: no qav application on the accessibility bus ({names})", file=sys.stderr)
        return 2
    found = []
    walked = sum(walk(a, "", found) for a in apps)
    for line in found:
        print(line)
    print(f"{walked} objects walked, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
