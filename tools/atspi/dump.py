#!/usr/bin/python3
"""Drives the running editor over the accessibility bus (AT-SPI): opens a critter of the
game's view through the tree window with keys alone and the settings window with the settings
button's press action, then prints what a screen reader is told of every window (role, name,
value and states) and the shown interactive objects that have no name or are named by their
value. Exit status 1 when there are any.

Run by scripts/atspi-dump.sh, which starts a display, a session bus and the editor."""

import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
}


def find_app(name, seconds=30):
    """The application of this name on the bus, waited for."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    sys.exit("no application %r on the accessibility bus" % name)


def find(node, role, name, showing=True):
    """The first object below node with this role and name."""
    for child in node:
        if child is None:
            continue
        states = child.getState()
        if showing and not states.contains(pyatspi.STATE_SHOWING):
            continue
        if child.getRole() == role and child.name == name:
            return child
        found = find(child, role, name, showing)
        if found is not None:
            return found
    return None


def wait_for(what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = what()
        if found is not None:
            return found
        time.sleep(0.3)
    return None


def key(name, times=1):
    keysym = {"F1": 0xFFBE, "F6": 0xFFC3, "Tab": 0xFF09, "Up": 0xFF52, "Down": 0xFF54,
              "Return": 0xFF0D, "space": 0x20}[name]
    for _ in range(times):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        time.sleep(0.4)


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == "press":
            actions.doAction(i)
            time.sleep(0.5)
            return
    sys.exit("%s %r has no press action" % (node.getRoleName(), node.name))


def value_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        pass
    if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB_LIST):
        # What is selected in it (a combo box's list is its child).
        for holder in [node] + [c for c in node if c is not None]:
            try:
                selection = holder.querySelection()
            except NotImplementedError:
                continue
            if selection.nSelectedChildren > 0:
                return selection.getSelectedChild(0).name
    return ""


def dump(node, depth, faults, path):
    states = node.getState()
    showing = states.contains(pyatspi.STATE_SHOWING)
    role = node.getRole()
    value = value_of(node)
    flags = []
    if not showing:
        flags.append("not shown")
    if states.contains(pyatspi.STATE_FOCUSABLE):
        flags.append("focusable")
    if states.contains(pyatspi.STATE_FOCUSED):
        flags.append("focused")
    try:
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if "Press" in names or "press" in names:
            flags.append("press")
    except NotImplementedError:
        pass
    print("%s%s %r%s [%s]" % ("  " * depth, node.getRoleName(), node.name,
                              " = %r" % value if value else "", ", ".join(flags)))
    # Below a hidden part nothing is shown (path None): it is printed, not judged.
    here = None if path is None or not showing else path + "/" + (node.name or node.getRoleName())
    if here is not None and role in INTERACTIVE and (not node.name.strip() or node.name == value):
        faults.append("%s: %s %r holding %r" % (here, node.getRoleName(), node.name, value))
    if role in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
        return  # a list's items are its value
    for child in node:
        if child is not None:
            dump(child, depth + 1, faults, here)


def main():
    app = find_app("zantrel")
    editor = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Zantrel"), 60)
    if editor is None:
        sys.exit("the editor window did not come up")
    time.sleep(1)

    # The tree window (F1), the keyboard into it (F6), its root box to the game's view.
    key("F1")
    tree = wait_for(lambda: find(app, pyatspi.ROLE_LIST, "Prototype files"))
    key("F6")
    key("Tab", 2)  # past "Close tree" to the root box
    key("Up", 4)  # "Game data" is the first entry
    key("Tab")  # the folder list: "Game data", then the kinds
    key("Down", 2)  # "critters"
    key("Return")
    key("Tab")  # the file list
    key("Down")
    key("Return")  # opens the critter in the editor
    key("F6")
    opened = wait_for(lambda: find(app, pyatspi.ROLE_COMBO_BOX, "Body type"))
    if opened is None or tree is None:
        print("note: no critter was opened; the dump shows the editor as it is", file=sys.stderr)

    # The settings window, opened by the settings button's press action over the bus.
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Settings"))
    settings = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Save settings"))
    if settings is None:
        print("note: the settings window did not open", file=sys.stderr)

    faults = []
    for window in app:
        if window is not None:
            dump(window, 0, faults, "")
    if settings is not None:
        press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Close settings"))
    print()
    print("%d shown interactive objects without a name or named by their value" % len(faults))
    for fault in faults:
        print("  " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
