#!/usr/bin/python3
"""screenreader_test.py KELVANE: Kelvane as a blind person meets it.

Runs on an X display with a window manager, inside a D-Bus session (which
starts the AT-SPI bus on demand). Starts speech-dispatcher (espeak-ng into
ALSA's null device) and the Orca screen reader with a private home, then
drives Kelvane by keys sent through the X server and checks what Orca says,
read from its debug log: a decoding by Alt+band and digits, a tolerance
pick by G, the first Tab into the entry box, an encoding by Enter and the
switch to five bands, a code typed into the markings window, a value typed
into the finder. What Orca does not say aloud is read over the bus:
the bands' and colours' press actions, the tolerance list's name and value,
the value not split into labels.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

passed = failed = 0

# The one bound of every wait on Orca, the speech server, the accessibility
# bus and the window system: on a busy machine they answer late, and a wait
# ends as soon as what it waits for holds.
WAIT_SECONDS = 60.0

# Orca's own start, with its debug log written line by line: its
# --debug-file is block-buffered, so a reader would lag behind what it said.
ORCA_MAIN = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(sys.argv[2], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""

# The scratch home's settings: the audio into ALSA's null device, the speech
# server on espeak, at its fastest: the audio goes nowhere, and making it was
# most of the speech server's work.
HOME_FILES = {
    ".asoundrc": "pcm.!default { type null }\nctl.!default { type hw card 0 }\n",
    ".config/speech-dispatcher/speechd.conf": """AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
Include "/etc/speech-dispatcher/clients/*.conf"
""",
    ".config/speech-dispatcher/modules/espeak-ng.conf": "EspeakNormalRate 449\n",
}


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


def wait_for(condition):
    end = time.monotonic() + WAIT_SECONDS
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # an object going away while it is read
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


class Orca:
    """Orca and its speech server, and what Orca has said so far."""

    def __init__(self, home):
        self.log = os.path.join(home, "orca.log")
        self.read = 0  # bytes of the log already read
        self.spoken = []  # what the log says Orca said, so far
        self.heard = 0  # utterances already matched by said()
        self.processes = [
            subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"], stderr=subprocess.DEVNULL),
            subprocess.Popen(["/usr/bin/python3", "-c", ORCA_MAIN, self.log, os.path.join(home, "orca")],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]

    def utterances(self):
        """What Orca has said so far. The log grows to a megabyte and is read
        while waiting, so each call reads on from the last whole line read."""
        try:
            with open(self.log, "rb") as f:
                f.seek(self.read)
                new = f.read()
        except FileNotFoundError:
            return self.spoken
        lines = new[:new.rfind(b"\n") + 1]
        self.read += len(lines)
        self.spoken += re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", lines.decode(errors="replace"))
        return self.spoken

    def said(self, what, *wants):
        """Waits until Orca says each of `wants`, in order, after what it said for the last check;
        a tuple is one utterance in either form (Orca ends a window's name with a full stop or not,
        as what follows it arrives)."""
        for want in wants:
            forms = want if isinstance(want, tuple) else (want,)

            def spoken():
                new = self.utterances()[self.heard:]
                at = [new.index(form) for form in forms if form in new]
                return (self.heard + min(at) + 1) if at else None
            at = wait_for(spoken)
            if at:
                self.heard = at
            check(f"Orca says within {WAIT_SECONDS:.0f} s, {what}",
                  want if at else self.utterances()[self.heard:], want)

    def stop(self):
        # Orca first: stopping, it still talks to its speech server. One that
        # does not stop within the wait is killed, as the checks are done.
        for p in reversed(self.processes):
            p.terminate()
            try:
                p.wait(WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                print(f"{p.args[0]} did not stop; killed", flush=True)
                p.kill()
                p.wait()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "1", *keys], check=True)


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and (name is None or o.name == name))


def main():
    kelvane = sys.argv[1]
    home = tempfile.mkdtemp()
    os.environ["HOME"] = home
    for name, text in HOME_FILES.items():
        path = os.path.join(home, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)
    orca = Orca(home)
    program = None
    try:
        orca.said("when it starts", "Screen reader on.")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        program = subprocess.Popen([kelvane], env=env)
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.name == "Kelvane"), None))
        if app is None:
            check("Kelvane on the accessibility bus", None, "Kelvane")
            return
        frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Kelvane v2.11"))
        orca.said("the main window, its group box, the focused switch",
                  "Kelvane v2.11 frame.", "Color code panel.", "4 bands.")
        readout = find(frame, pyatspi.ROLE_STATUS_BAR)

        def after(keys, what, *wants):
            # Keys typed at the main window even when it is not active yet, as
            # a person would; a window that stays inactive is told in the output.
            if not wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE)):
                print(f"the main window was still not active before {what}", flush=True)
            key(*keys)
            orca.said(what, *wants)

        # Keyboard only: Alt+band, then the colour's digit right after it.
        for k, digit, spoken in ((1, "4", "Band 1: Yellow. Select colors."),
                                 (2, "7", "Band 2: Violet. Select colors."),
                                 (3, "2", "Band 3: Red. 4.7 kilohms.")):
            after((f"alt+{k}", digit), f"after the pick for band {k}", spoken)
        readout.clear_cache()  # the name as the program says it now
        check("the status line read by Orca's command", readout.name, "4.7 kilohms")
        labels = [o.name for o in pyatspi.findAllDescendants(frame, lambda o: o.getRole() == pyatspi.ROLE_LABEL)]
        check("no value fragments read as labels", [n for n in labels if n in ("4", ",", "7", " Kohm")], [])

        after(("alt+5", "g"), "after G in the tolerance dialog", "Tolerance band: Gold. 4.7 kilohms.")
        combo = find(frame, pyatspi.ROLE_COMBO_BOX)
        check("the tolerance list's name", combo.name, "Tolerance")
        entry = find(combo, pyatspi.ROLE_TEXT)
        check("the tolerance list's value", wait_for(lambda: entry.queryText().getText(0, -1) == "5%" and "5%"), "5%")

        # A band and a colour pressed through their actions.
        tolerance_band = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Tolerance band: Gold")
        check("a band's action", tolerance_band.queryAction().getName(0).lower(), "press")
        tolerance_band.queryAction().doAction(0)
        dialog = wait_for(lambda: find(app, pyatspi.ROLE_DIALOG, "Tolerance band"))
        red = find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Red") if dialog else None
        check("the tolerance dialog's Red, by name and meaning", red and (red.name, red.description), ("Red", "\u00b12%"))
        red.queryAction().doAction(0)
        orca.said("after Red pressed by its action", "Tolerance band: Red. 4.7 kilohms.")

        # Tab from the switches: the list read once, name then value, and the
        # entry box by its name, with no stray word on the selection between.
        after(("Tab",), "the tolerance list by its name, then its value", "Tolerance editable combo box.", "2%")
        after(("Tab",), "the first Tab into the entry box", "Component value text.")
        after(("4", "7", "0", "0", "Return"), "after Enter in the entry box", "4.7 kilohms: Yellow, Violet, Red.")
        readback = wait_for(lambda: find(frame, pyatspi.ROLE_LABEL, "4700"))
        check("the entered value's readout", readback.name if readback else None, "4700")

        after(("shift+Tab", "shift+Tab"), "back at the switches", "4 bands.")
        after(("Down",), "after five bands", "Select colors.")

        # The markings window by its shortcut, a code typed right after it:
        # its reading spoken, each result read with its caption.
        after(("ctrl+m", "4", "k", "7"), "the typed code's reading", "4.7 kilohms. letter code. E6.")
        markings = find(app, pyatspi.ROLE_DIALOG, "Markings")
        value = markings and find(markings, pyatspi.ROLE_LABEL, "Value: 4,7 Kohm")
        check("the code's value read with its caption", value.name if value else None, "Value: 4,7 Kohm")
        key("j")
        orca.said("with a tolerance letter, the range in words",
                  "4.7 kilohms. letter code, \u00b15 %. E6. 4.465 kilohms to 4.935 kilohms.")
        value = markings and wait_for(lambda: find(markings, pyatspi.ROLE_LABEL, "Range: 4,465 Kohm to 4,935 Kohm"))
        check("the range read with its caption", value.name if value else None, "Range: 4,465 Kohm to 4,935 Kohm")
        # The finder by its shortcut, a value typed right after it: its best
        # network spoken as one sentence.
        key("Escape")
        # Orca names the window; whether it then reads the focused field depends
        # on which of the window's and the field's events reach it first.
        after(("ctrl+f",), "the finder opened", ("Find values dialog.", "Find values dialog"))
        key("4", "k", "8", "5")
        orca.said("the finder's best network",
                  "4.7 kilohms plus 150 ohms: 4.85 kilohms, exact, from 4.608 kilohms to 5.093 kilohms.")
        # The labels window by its shortcut: its fields read by their captions.
        key("Escape")
        after(("ctrl+p",), "the labels window opened", ("Labels dialog.", "Labels dialog"), "Values panel.",
              "Take: combo box.")
        said = orca.utterances()
        check("nothing said of a selection", [u for u in said if u == "selected" or "unselected" in u], [])
        check("no group named twice", [u for u in said if u == "Color code."], [])
    finally:
        if program:
            program.terminate()
            program.wait(WAIT_SECONDS)
        orca.stop()
        print("Orca said:", " | ".join(orca.utterances()))
        print(f"{passed} passed, {failed} failed", flush=True)
        # What Orca saw and did, kept where the run was started when a check fails.
        if (failed or sys.exc_info()[0]) and os.path.exists(orca.log):
            kept = os.path.abspath(f"orca-{os.getpid()}.log")
            shutil.copy(orca.log, kept)
            print("Orca's log:", kept, flush=True)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
    sys.exit(1 if failed or not passed else 0)
