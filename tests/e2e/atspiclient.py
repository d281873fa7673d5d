#!/usr/bin/python3
"""Asks tabulet through the desktop's accessibility bus, as a screen reader does (pyatspi).

    atspiclient.py tree                      every object of the windows: role, name, states
    atspiclient.py check                     fails on an interactive object without role or name
    atspiclient.py tabs                      the page tabs, "*" before the selected one
    atspiclient.py press NAME                the "Press" action of the push button NAME
    atspiclient.py select-tab TITLE          selects a page tab by its "Press" action
    atspiclient.py editor                    the editor's name, then its text
    atspiclient.py menu KEYS...              the items of the menu the keys move the focus into
    atspiclient.py choose NAME KEYS...       chooses an item of that menu by its "Press" action
    atspiclient.py events KEYS...            the events heard while the keys are pressed

Every wait is bounded; the application is the one whose process id is in TABULET_PID.
"""

import os
import subprocess
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_MENU,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE,
}
# Objects a reader names by their content or the list they are in.
NAMED_BY_CONTENT = {pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT, pyatspi.ROLE_POPUP_MENU}
TIMEOUT = 15


def fail(message):
    print("atspiclient: " + message, file=sys.stderr)
    sys.exit(1)


def until(what, find, seconds=TIMEOUT):
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except Exception:  # the tree may change under a walk; ask again
            found = None
        if found:
            return found
        if time.monotonic() >= deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.1)


def application():
    pid = int(os.environ["TABULET_PID"])

    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    return until("tabulet on the accessibility bus", find)


def children(node):
    try:
        return [child for child in node if child is not None]
    except Exception:
        return []


def walk(node, depth=0):
    yield node, depth
    for child in children(node):
        yield from walk(child, depth + 1)


def states(node):
    state = node.getState()
    names = []
    for value, label in ((pyatspi.STATE_SELECTED, "selected"), (pyatspi.STATE_CHECKED, "checked"),
                         (pyatspi.STATE_FOCUSED, "focused"), (pyatspi.STATE_FOCUSABLE, "focusable"),
                         (pyatspi.STATE_EDITABLE, "editable"), (pyatspi.STATE_MULTI_LINE, "multi-line"),
                         (pyatspi.STATE_CHECKABLE, "checkable"), (pyatspi.STATE_SHOWING, "showing")):
        if state.contains(value):
            names.append(label)
    return names


def shown_windows():
    return [window for window in children(application())
            if window.getRole() in WINDOWS and window.getState().contains(pyatspi.STATE_SHOWING)]


def find_all(role):
    return [node for window in shown_windows() for node, _ in walk(window) if node.getRole() == role]


def page_tab_list():
    return until("the page-tab list", lambda: (find_all(pyatspi.ROLE_PAGE_TAB_LIST) or [None])[0])


def tree():
    for window in shown_windows():
        for node, depth in walk(window):
            print("%s%s \"%s\" %s" % ("  " * depth, node.getRoleName(), node.name, ",".join(states(node))))


def check():
    faults = []
    for window in shown_windows():
        if not window.name and window.getRole() != pyatspi.ROLE_POPUP_MENU:
            faults.append("%s without a name" % window.getRoleName())
        for node, _ in walk(window):
            role = node.getRole()
            if not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID):
                faults.append("object \"%s\" without a role" % node.name)
            elif role in INTERACTIVE and role not in NAMED_BY_CONTENT and not node.name.strip("_ "):
                faults.append("%s in \"%s\" without a name" % (node.getRoleName(), window.name))
    if not shown_windows():
        fail("no window is shown")
    if faults:
        fail("; ".join(faults))


def tabs():
    for tab in children(page_tab_list()):
        print(("*" if tab.getState().contains(pyatspi.STATE_SELECTED) else " ") + tab.name)


def do_action(node, name):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == name:
            action.doAction(index)
            return
    fail("\"%s\" offers no %s action" % (node.name, name))


def press(name):
    do_action(until("a push button \"%s\"" % name,
                    lambda: next((node for node in find_all(pyatspi.ROLE_PUSH_BUTTON) if node.name == name), None)),
              "Press")


def select_tab(title):
    tabs = children(page_tab_list())
    found = [tab for tab in tabs if tab.name == title]
    if not found:
        fail("no page tab \"%s\" among %s" % (title, [tab.name for tab in tabs]))
    do_action(found[0], "Press")


def editor():
    text = until("the note editor",
                 lambda: next((node for node in find_all(pyatspi.ROLE_TEXT)
                               if node.getState().contains(pyatspi.STATE_MULTI_LINE)), None))
    print(text.name)
    content = text.queryText()
    print(content.getText(0, content.characterCount))


MENU_ITEMS = {pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU}


def choose(name, *keys):
    """Chooses the item NAME, through its "Press" action, of the menu the keys move the focus into."""
    items = children(focused_menu(keys))
    found = [item for item in items if item.name == name]
    if not found:
        fail("no menu item \"%s\" among %s" % (name, [item.name for item in items]))
    do_action(found[0], "Press")


def menu(*keys):
    """Menus are no children of the application: a reader meets them by the focus moving onto
    an item. The keys (xdotool names) move it there; the items of that item's menu are printed
    as role|name|shortcut|checked, and an item without a name fails."""
    unnamed = 0
    for item in children(focused_menu(keys)):
        role = item.getRole()
        if role == pyatspi.ROLE_SEPARATOR:
            continue
        shortcut = ""
        try:
            action = item.queryAction()
            shortcut = action.getKeyBinding(0) if action.nActions else ""
        except NotImplementedError:
            pass
        checked = "checked" if item.getState().contains(pyatspi.STATE_CHECKED) else ""
        print("%s|%s|%s|%s" % (item.getRoleName(), item.name, shortcut, checked))
        unnamed += role not in MENU_ITEMS or not item.name
    if unnamed:
        fail("%d menu items without a role or a name" % unnamed)


def focused_menu(keys):
    """The menu the keys (xdotool names) move the focus into, as the focus event tells it."""
    from gi.repository import GLib

    found = []

    def focused(event):
        if event.detail1 and event.source.getRole() in MENU_ITEMS and not found:
            found.append(event.source.parent)
            pyatspi.Registry.stop()

    def give_up():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    GLib.timeout_add(300, lambda: subprocess.run(["xdotool", "key", "--delay", "300", *keys], check=True) and False)
    GLib.timeout_add_seconds(TIMEOUT, give_up)
    pyatspi.Registry.start()
    if not found:
        fail("the keys %s focused no menu item" % " ".join(keys))
    return found[0]


def events(*keys):
    """What a reader hears while the keys (xdotool names) are pressed: the events of tabulet's
    objects, one a line as type|role|name, for two seconds after the keys."""
    from gi.repository import GLib

    pid = int(os.environ["TABULET_PID"])

    def heard(event):
        try:
            if event.host_application.get_process_id() == pid:
                print("%s|%s|%s" % (event.type, event.source.getRoleName(), event.source.name), flush=True)
        except Exception:  # an object gone by the time its event is read
            pass

    for kind in ("focus:", "object:state-changed:selected", "object:state-changed:focused",
                 "object:property-change:accessible-name", "object:selection-changed", "window:activate"):
        pyatspi.Registry.registerEventListener(heard, kind)
    GLib.timeout_add(300, lambda: subprocess.run(["xdotool", "key", "--delay", "300", *keys], check=True) and False)
    GLib.timeout_add(2300 + 300 * len(keys), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()


COMMANDS = {"tree": tree, "check": check, "tabs": tabs, "press": press, "select-tab": select_tab,
            "editor": editor, "menu": menu, "choose": choose,
            "events": events}

if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in COMMANDS:
        fail("usage: atspiclient.py %s [ARGUMENT]" % "|".join(COMMANDS))
    COMMANDS[sys.argv[1]](*sys.argv[2:])
