#!/usr/bin/env python3
"""Fill translations into a Qt .ts file.

Usage: tr.py FILE.ts < pairs.tsv
Each input line is SOURCE<TAB>TRANSLATION, with \\n standing for a line
feed. Every message of FILE.ts whose source text equals SOURCE gets the
translation and loses its "unfinished" mark. Prints what is still untranslated.
"""
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
pairs = {}
for line in sys.stdin:
    line = line.rstrip("\n")
    if not line.strip() or "\t" not in line:
        continue
    src, dst = line.split("\t", 1)
    pairs[src.replace("\\n", "\n")] = dst.replace("\\n", "\n")

tree = ET.parse(path)
missing = []
for msg in tree.getroot().iter("message"):
    src = msg.findtext("source")
    tr = msg.find("translation")
    if tr is None:
        tr = ET.SubElement(msg, "translation")
    if src in pairs:
        num = msg.get("numerus") == "yes"
        if num:
            for n in list(tr):
                tr.remove(n)
            for form in pairs[src].split("|"):
                ET.SubElement(tr, "numerusform").text = form
        else:
            tr.text = pairs[src]
        tr.attrib.pop("type", None)
    elif tr.get("type") == "unfinished" or (not (tr.text or "").strip() and not len(tr)):
        missing.append(src)
tree.write(path, encoding="utf-8", xml_declaration=True)
with open(path, "r+", encoding="utf-8") as f:
    text = f.read().replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
    f.seek(0); f.write(text); f.truncate()
for m in missing:
    print("untranslated:", repr(m))
