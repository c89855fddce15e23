"""Writes the page's Portuguese, texts-pt_BR.json ({English: Portuguese}), from the program's
translation file, so the page and the window share one source of their words.

    python3 make_texts.py TS_FILE PAGE_FOLDER OUTPUT_JSON

The page's texts are the data-t attributes of index.html, the first arguments t('...') of its
scripts, and the strategy and month names. A text with no finished translation fails the build:
add it to text/page_texts.h, build the update_translations target, translate it."""
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

WHOLE_CONTEXTS = ("qav::WebPage", "qav::Strategy", "qav::Month")


def translations(ts_file):
    """{source: translation}, the page's own context first, then the window's in file order."""
    found = {}
    contexts = ET.parse(ts_file).getroot().findall("context")
    contexts.sort(key=lambda c: c.findtext("name") != "qav::WebPage")
    for context in contexts:
        for message in context.findall("message"):
            source, translation = message.findtext("source"), message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete") or not translation.text:
                continue
            found.setdefault(source, (context.findtext("name"), translation.text))
    return found


def page_texts(folder):
    html = (folder / "index.html").read_text(encoding="utf-8")
    texts = set(re.findall(r'data-t="([^"]*)"', html))
    for script in folder.glob("*.js"):
        code = script.read_text(encoding="utf-8")
        texts |= set(re.findall(r"\bt\(\s*'((?:[^'\\]|\\.)*)'", code))
        texts |= set(re.findall(r"/\*\s*text\s*\*/\s*'((?:[^'\\]|\\.)*)'", code))
    return {t.replace("\\'", "'") for t in texts}


def main():
    ts_file, folder, output = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    known = translations(ts_file)
    wanted = page_texts(folder) | {s for s, (c, _) in known.items() if c in WHOLE_CONTEXTS}
    missing = sorted(wanted - known.keys())
    if missing:
        sys.exit("make_texts.py: no Portuguese in %s for:\n  %s" % (ts_file, "\n  ".join(missing)))
    output.write_text(json.dumps({s: known[s][1] for s in sorted(wanted)}, ensure_ascii=False, indent=0) + "\n",
                      encoding="utf-8")


if __name__ == "__main__":
    main()
