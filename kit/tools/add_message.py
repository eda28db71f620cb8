#!/usr/bin/env python3
"""Adds one message to every catalogue, or updates its translations.

    kit/tools/add_message.py CONTEXT SOURCE [TRANSLATIONS.json] [--numerus] [--dir DIR]

SOURCE is the English text exactly as the code passes it to tr() or translate(), markup
included. TRANSLATIONS.json maps language codes to translations, {"de": "…", "fr": "…"}.
With --numerus (a text whose tr() call passes a count for %n) each translation is a list
holding one text per plural form of that language, in Qt's order for it
({"de": ["%n Datei", "%n Dateien"]}); lupdate writes as many empty forms as a language has.
A catalogue whose language the file does not name gets the message as unfinished, which the
kit checker and the catalogue test report until someone translates it. A message that is
already there keeps its place; only its translation changes (when the file names it).
The rest of each catalogue is left byte for byte as it was.
"""

import argparse
import glob
import json
import os
import re
import sys
from xml.sax.saxutils import escape

KIT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ENTITIES = {"'": "&apos;", '"': "&quot;"}


def xml_text(text):
    return escape(text, ENTITIES)


def translation_element(text, numerus=False):
    if numerus:
        forms = "".join("\n            <numerusform>%s</numerusform>" % xml_text(form)
                        for form in (text if text is not None else [""]))
        return "<translation%s>%s\n        </translation>" % (
            ' type="unfinished"' if text is None else "", forms)
    if text is None:
        return '<translation type="unfinished"></translation>'
    return "<translation>%s</translation>" % xml_text(text)


def add(catalogue, context, source, translation, numerus=False):
    """The catalogue's text with the message added or its translation replaced."""
    message = ("    <message%s>\n        <source>%s</source>\n        %s\n    </message>\n"
               % (' numerus="yes"' if numerus else "", xml_text(source),
                  translation_element(translation, numerus)))
    block = re.search(r"<context>\s*<name>%s</name>.*?</context>" % re.escape(xml_text(context)),
                      catalogue, re.S)
    if not block:
        addition = "<context>\n    <name>%s</name>\n%s</context>\n" % (xml_text(context), message)
        end = catalogue.rindex("</TS>")
        return catalogue[:end] + addition + catalogue[end:]
    existing = re.search(r"(<source>%s</source>(?:\s*<comment>.*?</comment>)?\s*)"
                         r"<translation[^>]*?(?:/>|>.*?</translation>)" % re.escape(xml_text(source)),
                         block.group(0), re.S)
    if existing:
        if translation is None:
            return catalogue
        start = block.start() + existing.start()
        end = block.start() + existing.end()
        return (catalogue[:start] + existing.group(1)
                + translation_element(translation, numerus) + catalogue[end:])
    end = block.end() - len("</context>")
    return catalogue[:end] + message + catalogue[end:]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("context", help="translation context, e.g. UnInstallWindow or QObject")
    parser.add_argument("source", help="the English source text")
    parser.add_argument("translations", nargs="?", help="JSON file: language code -> text")
    parser.add_argument("--numerus", action="store_true",
                        help="a plural text: each translation is a list of plural forms")
    parser.add_argument("--dir", default=os.path.join(KIT, "resources", "translations"),
                        help="folder of the uninstall_<language>.ts catalogues")
    args = parser.parse_args()

    translations = {}
    if args.translations:
        with open(args.translations, encoding="utf-8") as file:
            translations = json.load(file)
    paths = sorted(glob.glob(os.path.join(args.dir, "uninstall_*.ts")))
    if not paths:
        sys.exit("add_message: no uninstall_*.ts in " + args.dir)
    for language, text in translations.items():
        if isinstance(text, list) != args.numerus or not text:
            sys.exit("add_message: %s needs %s" % (
                language, "a list of plural forms" if args.numerus else "one text"))
    unknown = set(translations) - {os.path.basename(p)[len("uninstall_"):-3] for p in paths}
    if unknown:
        sys.exit("add_message: no catalogue for " + ", ".join(sorted(unknown)))
    for path in paths:
        language = os.path.basename(path)[len("uninstall_"):-3]
        with open(path, encoding="utf-8") as file:
            before = file.read()
        after = add(before, args.context, args.source, translations.get(language),
                    args.numerus)
        if after != before:
            with open(path, "w", encoding="utf-8") as file:
                file.write(after)
        state = "translated" if language in translations else "unfinished"
        print("%s: %s" % (os.path.basename(path), state if after != before else "unchanged"))


if __name__ == "__main__":
    main()
