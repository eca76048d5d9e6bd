#!/usr/bin/env python3
"""Counts non-blank, non-comment C++ lines of the program, its tests, benchmarks
and fuzz targets, and the share the tests take.

Usage: count_lines.py [SOURCE_DIR]
"""
import os, sys, re
root = sys.argv[1] if len(sys.argv) > 1 else '.'
folders = ['app', 'arrange', 'formats', 'library', 'platform', 'tools', 'tests', 'bench', 'fuzz']
exts = ('.cpp', '.h', '.hpp', '.cc', '.cxx', '.hh', '.mm')

def count(path):
    n = 0
    in_block = False
    with open(path, encoding='utf-8', errors='replace') as f:
        for line in f:
            s = line.strip()
            code = ''
            i = 0
            while i < len(s):
                if in_block:
                    j = s.find('*/', i)
                    if j < 0:
                        i = len(s)
                    else:
                        in_block = False
                        i = j + 2
                    continue
                if s.startswith('//', i):
                    break
                if s.startswith('/*', i):
                    in_block = True
                    i += 2
                    continue
                if s[i] == '"' or s[i] == "'":
                    q = s[i]; code += q; i += 1
                    while i < len(s) and s[i] != q:
                        if s[i] == '\\': code += s[i]; i += 1
                        if i < len(s): code += s[i]; i += 1
                    if i < len(s): code += s[i]; i += 1
                    continue
                code += s[i]; i += 1
            if code.strip():
                n += 1
    return n

totals = {}
for folder in folders:
    total = 0
    for dirpath, dirs, files in os.walk(os.path.join(root, folder)):
        dirs[:] = [d for d in dirs if not d.startswith('build')]
        for name in files:
            if name.endswith(exts):
                total += count(os.path.join(dirpath, name))
    totals[folder] = total
alll = sum(totals.values())
for k, v in totals.items():
    print(f'{k:10} {v:7}')
print(f'{"all":10} {alll:7}')
print(f'tests share {100.0 * totals["tests"] / alll:.1f} %')
