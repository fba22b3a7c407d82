#!/usr/bin/python3
"""Takes a translator's table into the .ts files: fills every unfinished message whose source text
the table holds and leaves the others as they are.

Usage: translations/fill.py TABLE.json [TABLE.json ...] -- translations/zel_es.ts translations/zel_de.ts

A table is a JSON list of entries {"source": ..., "es": ..., "de": ...}; an entry may also name a
"context" and a "disambiguation", and then wins over one that names neither for that message. The
language of a .ts file is taken from its name (zel_<language>.ts). Run lupdate (the
update_translations target) afterwards: it writes the files back in its own layout.
"""

import json
import re
import sys
import xml.etree.ElementTree as ElementTree


def load_tables(paths):
    entries = []
    for path in paths:
        with open(path, encoding="utf-8") as table:
            entries.extend(json.load(table))
    return entries


def translation_for(entries, language, context, source, disambiguation):
    """The most specific entry's text: context and disambiguation first, the bare source last."""
    best = None
    best_rank = -1
    for entry in entries:
        if entry.get("source") != source or entry.get(language) is None:
            continue
        if entry.get("context", context) != context:
            continue
        if entry.get("disambiguation", disambiguation) != disambiguation:
            continue
        rank = ("context" in entry) + ("disambiguation" in entry)
        if rank > best_rank:
            best, best_rank = entry[language], rank
    return best


def fill(ts_path, entries):
    match = re.search(r"_([a-z]{2}(?:_[A-Z]{2})?)\.ts$", ts_path)
    if not match:
        sys.exit(f"{ts_path}: the name does not end in _<language>.ts")
    language = match.group(1)
    tree = ElementTree.parse(ts_path)
    filled = missing = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") != "unfinished":
                continue
            text = translation_for(entries, language, name, message.findtext("source"),
                                   message.findtext("comment"))
            if text is None:
                missing += 1
                print(f"{ts_path}: no translation for {name}: {message.findtext('source')!r}")
                continue
            translation.text = text
            del translation.attrib["type"]
            filled += 1
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    print(f"{ts_path}: {filled} filled, {missing} left unfinished")


def main(arguments):
    if "--" not in arguments:
        sys.exit(__doc__)
    split = arguments.index("--")
    entries = load_tables(arguments[:split])
    for ts_path in arguments[split + 1:]:
        fill(ts_path, entries)


if __name__ == "__main__":
    main(sys.argv[1:])
