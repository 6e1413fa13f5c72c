"""A screen reader's menu command in the real window, over the accessibility bus.

Run inside a private X server and session bus:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 screen_reader_menu.py <pelcorcalc>

The program is started from a copy of its folder (so no settings of the build are touched).
Through AT-SPI, as a screen reader does, the script opens "CalcMode", performs the action
of "Hexidecimal", and then checks that the menus have closed, that the readout has the
keyboard focus and that a typed key lands in the readout.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Pelcor educational software - Scientific calculator"


def wait_for(what, condition, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            value = condition()
        except Exception:  # the tree may change while it is read
            value = None
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def find(node, predicate, depth=0):
    if node is None or depth > 40:
        return None
    if predicate(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), predicate, depth + 1)
        if found is not None:
            return found
    return None


def has_state(node, state):
    return node.getState().contains(state)


def do_action(node, preferred):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in preferred:
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise AssertionError("no action among %s on %s (has %s)" % (preferred, node.name, names))


def main():
    program = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp(prefix="pelcor-a11y-")
    shutil.copy(program, folder)
    source = os.path.dirname(program)
    for name in ("BmpFiles", "SndFiles", "CalcLibrary", "calculator_help"):
        if os.path.isdir(os.path.join(source, name)):
            shutil.copytree(os.path.join(source, name), os.path.join(folder, name))
    for name in ("Splash1.jpg", "Pelcor.jpg"):
        if os.path.exists(os.path.join(source, name)):
            shutil.copy(os.path.join(source, name), folder)

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb")
    # The accessibility bus first: its launcher takes the display while it starts, and a
    # program connecting to the display at that moment can be refused.
    desktop = pyatspi.Registry.getDesktop(0)
    wait_for("the accessibility registry", lambda: desktop.childCount is not None)
    time.sleep(1)
    app = None
    for attempt in range(3):
        app = subprocess.Popen([os.path.join(folder, os.path.basename(program))], env=env)
        try:
            app.wait(timeout=3)  # a program that could not reach the display ends at once
        except subprocess.TimeoutExpired:
            break
        print("the program ended at start (exit %s); starting it again" % app.returncode)
        time.sleep(1)
    try:
        frame = wait_for("the main window", lambda: find(
            desktop, lambda n: n.getRole() == pyatspi.ROLE_FRAME and n.name == TITLE
            and has_state(n, pyatspi.STATE_SHOWING)), timeout=60)
        calc_mode = wait_for("the CalcMode heading", lambda: find(
            frame, lambda n: n.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)
            and n.name == "CalcMode"
            and has_state(n, pyatspi.STATE_ENABLED)))
        readout = find(frame, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.name == "Readout")
        assert readout is not None, "no readout"
        # The window has the desktop's keyboard focus, as the window manager gives it.
        subprocess.run(["xdotool", "search", "--name", TITLE, "windowfocus", "--sync"],
                       check=True, timeout=30)
        wait_for("the readout's focus at start",
                 lambda: has_state(readout, pyatspi.STATE_FOCUSED), timeout=10)

        do_action(calc_mode, ["showmenu", "press", "click"])
        hexadecimal = wait_for("the open CalcMode menu", lambda: find(
            calc_mode, lambda n: n.name == "Hexidecimal"
            and has_state(n, pyatspi.STATE_SHOWING)))
        do_action(hexadecimal, ["press", "click", "activate"])

        wait_for("the menus to close",
                 lambda: not has_state(hexadecimal, pyatspi.STATE_SHOWING), timeout=10)
        wait_for("the readout's keyboard focus",
                 lambda: has_state(readout, pyatspi.STATE_FOCUSED), timeout=10)

        # A typed key: while a menu held the keyboard it would go to the menu.
        subprocess.run(["xdotool", "key", "--clearmodifiers", "b"], check=True, timeout=30)
        text = readout.queryText()
        wait_for("the typed key in the readout",
                 lambda: text.getText(0, -1) == "B", timeout=10)
        print("ok: menus closed, readout focused, typed key shows", text.getText(0, -1))
    finally:
        app.terminate()
        try:
            app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            app.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
