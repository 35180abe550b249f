#!/usr/bin/env python3
"""Fails, naming the file and the line, when a folder of src/ includes a folder that the order
in the README's Architecture section puts above it."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
readme = (root / "README.md").read_text(encoding="utf-8")
section = re.search(r"^## Architecture\n(.*?)(?=^## |\Z)", readme, re.S | re.M)
if not section:
    sys.exit("README.md has no '## Architecture' section with the order of the folders")
order = re.findall(r"^\d+\.\s+`([\w-]+)`", section.group(1), re.M)
if not order:
    sys.exit("README.md's Architecture section lists no folders")
rank = {folder: index for index, folder in enumerate(order)}

src = root / "src"
problems = []
for folder in sorted(p.name for p in src.iterdir() if p.is_dir()):
    if folder not in rank:
        problems.append(f"src/{folder}/: folder missing from the order in README.md")

include = re.compile(r'^\s*#\s*include\s+"(([^"/]+)/[^"]*)"')
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp") or not path.is_file():
        continue
    relative = path.relative_to(root)
    source = path.relative_to(src).parts[0]
    if source not in rank:
        continue
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = include.match(line)
        if not match:
            continue
        header, target = match.group(1), match.group(2)
        if target not in rank:
            problems.append(f"{relative}:{number}: includes {target}/, "
                            "which is not a folder of the order in README.md")
        elif rank[target] > rank[source]:
            problems.append(f"{relative}:{number}: {source}/ includes {header}, "
                            f"but {target}/ stands above {source}/ in README.md")

for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
