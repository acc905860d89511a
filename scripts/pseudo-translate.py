#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt Linguist template: every text bracketed and a third longer.

Usage: pseudo-translate.py TEMPLATE.ts OUTPUT.ts

The source text is kept whole inside the brackets, with its place markers (%1, %n, %L1), access-key markers and
line breaks, so that a window shown with it works as in English while any text that escaped translation, or
that no longer fits its control, stands out.
"""
import sys
import xml.etree.ElementTree as ET


def pseudo(text):
    # A third longer than the source, counting the brackets.
    padding = max(0, -(-len(text) // 3) - 2)
    return "[" + text + "~" * padding + "]"


def main(template, output):
    tree = ET.parse(template)
    root = tree.getroot()
    # English plural rules: two forms, both carrying %n.
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        old = message.find("translation")
        if old is not None:
            message.remove(old)
        translation = ET.SubElement(message, "translation")
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
