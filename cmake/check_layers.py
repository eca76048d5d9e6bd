#!/usr/bin/env python3
"""Checks that the program's folders depend on each other one way only.

Usage: check_layers.py SOURCE_DIR [QT_WIDGETS_INCLUDE_DIR]

Folders, lowest first: platform, library, formats, arrange, tools, app.
A file may include headers of its own folder and of folders below it,
never of a folder above it. Files listed as CORE in a folder's
CMakeLists.txt (values and engines, no widgets) may include neither a
QtWidgets header nor a header whose source is listed as UI. Prints the
include graph between folders and every violation; exits 1 on any.
"""
import os
import re
import sys

ORDER = ["platform", "library", "formats", "arrange", "tools", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)


def source_lists(root, folder):
    """The CORE and UI file names of velmora_sources() in a folder."""
    path = os.path.join(root, folder, "CMakeLists.txt")
    core, ui, current = set(), set(), None
    if not os.path.exists(path):
        return core, ui
    text = open(path, encoding="utf-8").read()
    match = re.search(r"velmora_sources\((.*?)\)", text, re.S)
    if not match:
        return core, ui
    for word in match.group(1).split():
        if word in ("CORE", "UI"):
            current = core if word == "CORE" else ui
        elif current is not None:
            current.add(word)
    return core, ui


def main():
    root = sys.argv[1]
    widget_headers = set()
    if len(sys.argv) > 2 and os.path.isdir(sys.argv[2]):
        widget_headers = set(os.listdir(sys.argv[2]))
    rank = {name: i for i, name in enumerate(ORDER)}
    ui_headers = set()
    core_files = set()
    for folder in ORDER:
        core, ui = source_lists(root, folder)
        for f in ui:
            ui_headers.add(folder + "/" + os.path.splitext(f)[0] + ".h")
        for f in core:
            core_files.add(folder + "/" + f)
            core_files.add(folder + "/" + os.path.splitext(f)[0] + ".h")

    edges = {}
    problems = []
    for folder in ORDER:
        directory = os.path.join(root, folder)
        if not os.path.isdir(directory):
            continue
        for name in sorted(os.listdir(directory)):
            if not name.endswith((".h", ".cpp")):
                continue
            rel = folder + "/" + name
            text = open(os.path.join(directory, name), encoding="utf-8").read()
            for included in INCLUDE.findall(text):
                top = included.split("/")[0]
                if top in rank and top != folder:
                    edges[(folder, top)] = edges.get((folder, top), 0) + 1
                    if rank[top] > rank[folder]:
                        problems.append(f"{rel}: includes {included} from a folder above its own")
                if rel in core_files:
                    base = included.split("/")[-1]
                    if included in ui_headers:
                        problems.append(f"{rel}: a file without widgets includes the widget header {included}")
                    elif (included.startswith("QtWidgets/") or base in widget_headers) and "/" not in included.replace("QtWidgets/", ""):
                        problems.append(f"{rel}: a file without widgets includes <{included}>")

    for (a, b), n in sorted(edges.items(), key=lambda e: (rank[e[0][0]], rank[e[0][1]])):
        print(f"{a} -> {b}: {n}")
    for p in problems:
        print("error: " + p, file=sys.stderr)
    if problems:
        return 1
    print("layers: no folder includes a folder above it; no widgets below the widget layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
