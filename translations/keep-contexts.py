#!/usr/bin/env python3
"""Keeps in a Qt translation source (.ts) only the named contexts: keep-contexts.py FILE CONTEXT..."""
import sys
import xml.etree.ElementTree as tree

path, keep = sys.argv[1], set(sys.argv[2:])
document = tree.parse(path)
root = document.getroot()
for context in root.findall('context'):
    if context.findtext('name') not in keep:
        root.remove(context)
document.write(path, encoding='utf-8', xml_declaration=True)
