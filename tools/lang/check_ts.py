#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks of the translations that `make test` runs: complete, in step, placeholders.
"""Checks the .ts files of a translations folder.

    check_ts.py complete DIR        every message of every language translated
    check_ts.py placeholders DIR    each translation has its source's %1..%9 and %n
    check_ts.py instep DIR SRC LUPDATE [OPTION...]
                                    lupdate over SRC finds no new or vanished text

tilvane_en.ts holds only the plural messages (lupdate -pluralonly); the others hold all.
Each check names what it finds wrong and exits with 1 when it finds anything.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d|n)")


def ts_files(folder):
    files = sorted(glob.glob(os.path.join(folder, "tilvane_*.ts")))
    if not files:
        raise SystemExit(f"{folder}: no tilvane_*.ts files")
    return files


def language_of(path):
    return os.path.basename(path)[len("tilvane_"):-len(".ts")]


def messages(path):
    """(context, source, comment, numerus) -> list of translated texts, None if unfinished."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                key = (name, message.findtext("source", ""), message.findtext("comment", ""),
                       message.get("numerus") == "yes")
                found[key] = "vanished"
                continue
            numerus = message.get("numerus") == "yes"
            key = (name, message.findtext("source", ""), message.findtext("comment", ""), numerus)
            if numerus:
                texts = [f.text or "" for f in translation.iter("numerusform")]
            else:
                texts = [translation.text or ""]
            done = kind != "unfinished" and texts and all(t.strip() for t in texts)
            found[key] = texts if done else None
    return found


def check_complete(folder):
    bad, complete, languages = 0, [], []
    for path in ts_files(folder):
        language = language_of(path)
        found = messages(path)
        missing = [k for k, v in found.items() if v is None or v == "vanished"]
        total = len(found)
        if language != "en":
            languages.append(language)
        if missing:
            bad += 1
            print(f"{language}: {total - len(missing)} of {total} translated; unfinished, "
                  f"for instance: {missing[0][0]}: {missing[0][1]!r}")
        elif language != "en":
            complete.append(language)
    print(f"{len(complete)} of {len(languages)} languages complete: {' '.join(complete) or 'none'}")
    return 1 if bad else 0


def check_placeholders(folder):
    bad = 0
    for path in ts_files(folder):
        for (context, source, _, _), texts in messages(path).items():
            if not isinstance(texts, list):
                continue
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for text in texts:
                have = sorted(set(PLACEHOLDER.findall(text)))
                if have != wanted:
                    bad += 1
                    print(f"{language_of(path)}: {context}: {source!r} -> {text!r}: "
                          f"placeholders {have} instead of {wanted}")
    print(f"{bad} translations with other placeholders than their source")
    return 1 if bad else 0


def check_in_step(folder, sources, lupdate, options):
    bad = 0
    with tempfile.TemporaryDirectory() as temp:
        fresh = os.path.join(temp, "tilvane_xx.ts")
        fresh_en = os.path.join(temp, "tilvane_en.ts")
        for target, extra in ((fresh, []), (fresh_en, ["-pluralonly"])):
            run = subprocess.run([lupdate, *options, *extra, sources, "-ts", target],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(run.stdout + run.stderr)
                return 1
        wanted = set(messages(fresh))
        wanted_en = set(messages(fresh_en))
        for path in ts_files(folder):
            language = language_of(path)
            have = set(k for k, v in messages(path).items() if v != "vanished")
            expected = wanted_en if language == "en" else wanted
            new, vanished = sorted(expected - have), sorted(have - expected)
            if new or vanished:
                bad += 1
                print(f"{language}: {len(new)} new and {len(vanished)} vanished texts; "
                      f"for instance {(new or vanished)[0][:2]}")
    print(f"{bad} translation files out of step with the sources "
          f"(cmake --build build --target tilvane_lupdate brings them in step)")
    return 1 if bad else 0


def main(argv):
    if len(argv) >= 2 and argv[0] == "complete":
        return check_complete(argv[1])
    if len(argv) >= 2 and argv[0] == "placeholders":
        return check_placeholders(argv[1])
    if len(argv) >= 4 and argv[0] == "instep":
        return check_in_step(argv[1], argv[2], argv[3], argv[4:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
