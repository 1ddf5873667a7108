#!/usr/bin/python3
# The designer's controls as a person, or a screen reader, meets them: the
# window is found through the accessibility tree, every toolbar button has a
# name, pressing "预览报表" shows its key in the status line, and "退出"
# closes the window. Run inside gui_session.sh; every wait is bounded.
import subprocess
import sys
import time

import pyatspi


def wait_for(what, find, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("FAIL: no " + what + " within %d s" % seconds)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def named(root, role, name=None):
    return pyatspi.findAllDescendants(
        root, lambda a: a.getRoleName() == role and (name is None or a.name == name))


# The buttons a person sees: plain ones, and those that stay down (check boxes
# to the accessibility tree); the toolbar's hidden overflow button is not one.
def shown_buttons(root):
    return pyatspi.findAllDescendants(
        root, lambda a: a.getRoleName() in ("push button", "check box", "toggle button")
        and a.getState().contains(pyatspi.STATE_SHOWING))


probe = subprocess.Popen([sys.argv[1]])
try:
    app = wait_for("accessible application", lambda: application("controls_probe"))
    buttons = wait_for("toolbar buttons", lambda: shown_buttons(app))
    names = sorted(b.name for b in buttons)
    print("buttons:", " ".join(names))
    if "" in names:
        sys.exit("FAIL: a toolbar button has no accessible name")
    for wanted in ("向上一页", "预览报表", "保存报表", "退出"):
        if wanted not in names:
            sys.exit("FAIL: no button named " + wanted)
    if not named(app, "label", "就绪"):
        sys.exit("FAIL: the status line does not read 就绪")
    # A person clicks: the pointer on the button (a toggle action of the
    # accessibility tree flips the button without a click).
    preview = [b for b in buttons if b.name == "预览报表"][0]
    box = preview.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
    wait_for("status text PreViewRPT", lambda: named(app, "label", "PreViewRPT"), 10)
    quit_button = [b for b in buttons if b.name == "退出"][0]
    quit_button.queryAction().doAction(0)
    code = probe.wait(timeout=15)
    if code != 0:
        sys.exit("FAIL: the window ended with %d" % code)
finally:
    if probe.poll() is None:
        probe.kill()
        probe.wait()
print("1 passed, 0 failed")
