#!/usr/bin/env bash
# Checks that every relative link and picture of the Markdown documentation resolves: the file
# exists and, for a link with #anchor into a Markdown file, that file has a heading of that name
# (GitHub's anchors: lower case, punctuation dropped, spaces as hyphens).
#   scripts/check-doc-links.sh [FILE.md...]     default: README.md and docs/*.md
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$#" -eq 0 ]; then set -- README.md docs/*.md; fi
exec python3 - "$@" <<'PYTHON'
import os, re, sys

def anchors(path):
    found = set()
    inside_code = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("```"):
                inside_code = not inside_code
            elif not inside_code and line.startswith("#"):
                title = line.lstrip("#").strip().lower()
                found.add(re.sub(r"[^\w\- ]", "", title).replace(" ", "-"))
    return found

bad = 0
for doc in sys.argv[1:]:
    text = open(doc, encoding="utf-8").read()
    text = re.sub(r"```.*?```", "", text, flags=re.S)  # commands, not links
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target):
            continue  # http:, https:, mailto: are not checked
        path, _, anchor = target.partition("#")
        resolved = os.path.normpath(os.path.join(os.path.dirname(doc), path)) if path else doc
        if not os.path.exists(resolved):
            print(f"{doc}: {target}: {resolved} does not exist")
            bad += 1
        elif anchor and resolved.endswith(".md") and anchor not in anchors(resolved):
            print(f"{doc}: {target}: {resolved} has no heading '{anchor}'")
            bad += 1
sys.exit(1 if bad else 0)
PYTHON
