#!/usr/bin/python3
"""atspi_test.py KELVANE: Kelvane as a screen reader meets it.

Runs on an X display with a window manager, inside a D-Bus session (which
starts the AT-SPI bus on demand). Decodes yellow, violet, red with keyboard
shortcuts and digit keys only, reads the bands, the value and its
announcement back over the bus, presses a band and a colour through their
AT-SPI actions, and encodes a value by keyboard and reads the readout.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

passed = failed = 0
names_changed = []  # (role, name) of every object whose name changed


def check(what, got, want):
    global passed, failed
    if got == want:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {what}: {got!r}, expected {want!r}", flush=True)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, timeout=15.0):
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # an object going away while it is read
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def name(o):
    """The name as the program says it now, not as the bus last cached it."""
    o.clear_cache()
    return o.name


def check_name(what, o, want):
    """Waits for the object's name to become the one wanted, then checks it."""
    check(what, wait_for(lambda: name(o) == want and name(o)), want)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "1", *keys], check=True)


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and (name is None or o.name == name))


def on_name_change(event):
    names_changed.append((event.source.getRole(), event.source.name))


def main():
    kelvane = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([kelvane], env=env)
    try:
        pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.name == "Kelvane"), None))
        if app is None:
            check("Kelvane on the accessibility bus", None, "Kelvane")
            return
        frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Kelvane v2.11"))
        active = lambda: frame.getState().contains(pyatspi.STATE_ACTIVE)
        check("main window active", bool(wait_for(active)), True)
        band = {k: find(frame, pyatspi.ROLE_PUSH_BUTTON, f"Band {k}: empty") for k in (1, 2, 3)}
        readout = find(frame, pyatspi.ROLE_STATUS_BAR)
        check("the value before any band", name(readout) if readout else None, "Select colors")

        # Keyboard only: Alt+band, then the colour's digit right after it.
        for k, digit, colour in ((1, "4", "Yellow"), (2, "7", "Violet"), (3, "2", "Red")):
            key(f"alt+{k}", digit)
            check_name(f"band {k} by keyboard", band[k], f"Band {k}: {colour}")
            wait_for(active)
        check_name("the decoded value, one phrase", readout, "4,7 Kohm")
        check("the new value announced on the status object",
              (pyatspi.ROLE_STATUS_BAR, "4,7 Kohm") in names_changed, True)
        check("the colour dialog's new title announced", bool(wait_for(
            lambda: any(role in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME) and name == "Ring3"
                        for role, name in names_changed), 3)), True)
        labels = [o.name for o in pyatspi.findAllDescendants(frame, lambda o: o.getRole() == pyatspi.ROLE_LABEL)]
        check("no value fragments read as labels", [n for n in labels if n in ("4", ",", "7", " Kohm")], [])

        # A band and a colour pressed through their actions.
        tolerance_band = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Tolerance band: empty")
        actions = tolerance_band.queryAction()
        check("a band's action", actions.getName(0).lower(), "press")
        actions.doAction(0)
        dialog = wait_for(lambda: find(app, pyatspi.ROLE_DIALOG, "Tol.") or find(app, pyatspi.ROLE_FRAME, "Tol."))
        check("tolerance dialog opened by the action", dialog.name if dialog else None, "Tol.")
        gold = find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Gold")
        gold.queryAction().doAction(0)
        check_name("tolerance band after pressing Gold", tolerance_band, "Tolerance band: Gold")
        combo = find(frame, pyatspi.ROLE_COMBO_BOX)
        check("the tolerance list's name", combo.name, "Tolerance")
        entry = find(combo, pyatspi.ROLE_TEXT)
        check("the tolerance list's value", wait_for(lambda: entry.queryText().getText(0, -1) == "5%" and "5%"), "5%")

        # Encoding by keyboard: Tab to the entry box, type, Enter.
        wait_for(active)
        entered = find(frame, pyatspi.ROLE_TEXT, "Component value")
        for _ in range(6):
            if entered.getState().contains(pyatspi.STATE_FOCUSED):
                break
            key("Tab")
            wait_for(lambda: entered.getState().contains(pyatspi.STATE_FOCUSED), 1)
        check("Tab reaches the entry box", entered.getState().contains(pyatspi.STATE_FOCUSED), True)
        key("1", "5", "0", "0", "Return")
        readback = wait_for(lambda: find(frame, pyatspi.ROLE_LABEL, "1500"))
        check("the entered value's readout", readback.name if readback else None, "1500")
        check_name("the encoded value", readout, "1,5 Kohm")

        # The markings window by its shortcut and a code typed right after:
        # each result read with its caption, the typed code's value announced.
        key("ctrl+m", "4", "k", "7")
        markings = wait_for(lambda: find(app, pyatspi.ROLE_DIALOG, "Markings") or find(app, pyatspi.ROLE_FRAME, "Markings"))
        check("the markings window by Ctrl+M", markings.name if markings else None, "Markings")
        check("the typed code's value announced", bool(wait_for(
            lambda: (pyatspi.ROLE_LABEL, "Value: 4,7 Kohm") in names_changed, 5)), True)
        band_value = wait_for(lambda: find(markings, pyatspi.ROLE_LABEL, "Value: 1,5 Kohm"))
        check("the main window's value read with its caption", band_value.name if band_value else None,
              "Value: 1,5 Kohm")
    finally:
        program.terminate()
        program.wait(10)
        print(f"{passed} passed, {failed} failed", flush=True)


if __name__ == "__main__":
    main()
    sys.exit(1 if failed or not passed else 0)
