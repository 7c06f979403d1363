#!/usr/bin/python3
"""translations_test.py LUPDATE SOURCE-DIR TS...: every text of the program is
translated in every .ts file. Each file is first brought up to date from the
sources on a copy, as update_translations would do, so a new or changed
English text shows up as unfinished and a removed one as vanished. A
translation keeps the source's placeholders (%1) and its mnemonic (&)."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

lupdate, source, *ts_files = sys.argv[1:]


def text(element):
    # lupdate writes a carriage return as a <byte> element inside the text.
    return "".join(element.itertext()) if element is not None else ""



faults = []
with tempfile.TemporaryDirectory() as tmp:
    copies = [shutil.copy(ts, Path(tmp) / Path(ts).name) for ts in ts_files]
    # One pass over the sources brings every copy up to date.
    subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines", str(Path(source) / "ui"), str(Path(source) / "texts"),
                    "-ts", *copies], check=True)
    for ts, copy in zip(map(Path, ts_files), copies):
        messages = 0
        for context in ET.parse(copy).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                messages += 1
                english = text(message.find("source"))
                translation = message.find("translation")
                translated = text(translation)
                where = f"{ts.name}: {name}: {english!r}"
                if translation.get("type") or not translated:
                    faults.append(f"{where} is {translation.get('type') or 'empty'}")
                    continue
                if sorted(re.findall(r"%\d", english)) != sorted(re.findall(r"%\d", translated)):
                    faults.append(f"{where}: placeholders differ in {translated!r}")
                if english.count("&") != translated.count("&"):
                    faults.append(f"{where}: the mnemonic is lost in {translated!r}")
        if messages == 0:
            faults.append(f"{ts.name}: no messages")
for fault in faults:
    print("FAIL:", fault)
print(f"{len(ts_files)} files, {len(faults)} faults")
sys.exit(1 if faults else 0)
