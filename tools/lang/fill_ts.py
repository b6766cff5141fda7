#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Fills a .ts file from a JSON dictionary of translations, matched by source text.
"""Fill the messages of a Qt Linguist .ts file from a JSON dictionary.

    fill_ts.py translations/tilvane_de.ts de.json [-o out.ts] [--keep] [--strict]

The dictionary maps an English source text to its translation; a message with a
disambiguation (the same English meaning two things) is looked up first as
"source|disambiguation", then as the plain source. A plural message
(one with %n) maps to a list of forms in the language's order, e.g. Russian
["%n плитка", "%n плитки", "%n плиток"]. Every message whose source is in the
dictionary gets that translation and loses its "unfinished" mark; the rest are
listed as untranslated. Without --keep an existing translation is replaced too.
The file is written in place unless -o is given. --strict exits with 1 when any
message is left untranslated or a dictionary entry does not fit its message.
"""

import argparse
import json
import re
import sys
import xml.etree.ElementTree as ET

# How many plural forms Qt's numerus rules give each language (Qt's own table).
PLURAL_FORMS = {
    "en": 2, "de": 2, "nl": 2, "es": 2, "it": 2, "pt": 2, "fr": 2,
    "pl": 3, "ru": 3, "uk": 3, "cs": 3, "sk": 3,
    "zh": 1, "ja": 1, "ko": 1, "tr": 1, "vi": 1,
}

PLACEHOLDER = re.compile(r"%(?:\d|n)")


def plural_forms(language):
    return PLURAL_FORMS.get(language.split("_")[0].split("-")[0].lower())


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def fill(root, dictionary, keep):
    """Fills root in place; returns (filled, untranslated, problems, used sources)."""
    language = root.get("language", "")
    forms = plural_forms(language)
    filled, untranslated, problems, used = 0, [], [], set()
    for context in root.iter("context"):
        context_name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            meaning = message.findtext("comment", "")
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                continue
            numerus = message.get("numerus") == "yes"
            done = kind != "unfinished" and (
                any((f.text or "") for f in translation.iter("numerusform"))
                if numerus else bool(translation.text))
            where = f"{context_name}: {source!r}" + (f" ({meaning})" if meaning else "")
            key = f"{source}|{meaning}" if meaning and f"{source}|{meaning}" in dictionary \
                else source
            if key not in dictionary or (keep and done):
                if not done:
                    untranslated.append(where)
                continue
            value = dictionary[key]
            used.add(key)
            if numerus:
                values = [value] if isinstance(value, str) else list(value)
                if forms is not None and len(values) != forms:
                    problems.append(f"{where}: {len(values)} plural forms, {language} has {forms}")
                    untranslated.append(where)
                    continue
                translation.text = None
                for old in list(translation):
                    translation.remove(old)
                for form in values:
                    ET.SubElement(translation, "numerusform").text = form
                texts = values
            else:
                if not isinstance(value, str):
                    problems.append(f"{where}: a list for a message without plural forms")
                    untranslated.append(where)
                    continue
                for old in list(translation):
                    translation.remove(old)
                translation.text = value
                texts = [value]
            bad = [t for t in texts if not t.strip()]
            wrong = [t for t in texts if placeholders(t) != placeholders(source)]
            if bad:
                problems.append(f"{where}: empty translation")
                untranslated.append(where)
                continue
            if wrong:
                # A translation that drops or invents a placeholder would show the wrong
                # number or name: it stays unfinished.
                problems.append(f"{where}: placeholders {placeholders(wrong[0])} differ from "
                                f"{placeholders(source)}")
                untranslated.append(where)
                translation.set("type", "unfinished")
                continue
            translation.attrib.pop("type", None)
            filled += 1
    return filled, untranslated, problems, used


def write_ts(tree, path):
    # In lupdate's own layout, so that its next run changes no line it need not.
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    body = "\n".join(line[4:] if line.startswith("    ") else line for line in body.split("\n"))
    body = body.replace(" />", "/>")
    # lupdate escapes both quotes in text; element text holds no tag, so every quote is text.
    body = re.sub(r">([^<]*)<", lambda m: ">" + m.group(1).replace('"', "&quot;")
                  .replace("'", "&apos;") + "<", body)
    body = re.sub(r"<(translation|numerusform)([^>]*)/>", r"<\1\2></\1>", body)
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(body)
        out.write("\n")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("ts")
    parser.add_argument("dictionary")
    parser.add_argument("-o", "--output")
    parser.add_argument("--keep", action="store_true", help="leave finished translations alone")
    parser.add_argument("--strict", action="store_true")
    args = parser.parse_args(argv)

    try:
        tree = ET.parse(args.ts)
    except (OSError, ET.ParseError) as error:
        print(f"{args.ts}: cannot read: {error}", file=sys.stderr)
        return 2
    try:
        with open(args.dictionary, encoding="utf-8") as f:
            dictionary = json.load(f)
        if not isinstance(dictionary, dict):
            raise ValueError("not a JSON object of source texts")
    except (OSError, ValueError) as error:
        print(f"{args.dictionary}: cannot read: {error}", file=sys.stderr)
        return 2

    filled, untranslated, problems, used = fill(tree.getroot(), dictionary, args.keep)
    write_ts(tree, args.output or args.ts)

    unused = sorted(set(dictionary) - used)
    for line in problems:
        print(f"problem: {line}")
    for line in untranslated:
        print(f"untranslated: {line}")
    for source in unused if not args.keep else []:
        print(f"not in the .ts: {source!r}")
    print(f"{args.output or args.ts}: {filled} filled, {len(untranslated)} untranslated, "
          f"{len(problems)} problems, {len(unused)} dictionary entries unused")
    return 1 if args.strict and (untranslated or problems) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
