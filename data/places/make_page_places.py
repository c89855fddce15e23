#!/usr/bin/env python3
"""Makes the browser page's place list from data/places/places.tsv: the places of at least
MIN_POPULATION inhabitants, and every Brazilian place, in the same form and order (so the page's
search, the same C++ as qav-cli's, ranks them as qav-cli does), gzip-compressed.

    data/places/make_page_places.py places.tsv OUT.tsv.gz [MIN_POPULATION]

The whole list is 3.3 MB compressed, more than a first search should fetch; with 5,000
inhabitants it is about 49,000 places and 1.3 MB. The file is the same for the same input
(no time stamp in the gzip header), so the service worker's cache name changes only with it.
"""
import gzip
import sys


def main(source, out, bound=5000):
    lines = open(source, encoding="utf-8").read().split("\n")
    header, rows = lines[0], [line for line in lines[1:] if line]
    kept = []
    for row in rows:
        fields = row.split("\t")
        population = int(fields[5] or 0)
        if population >= bound or fields[3] == "BR":
            kept.append(row)
    text = (header + "\n" + "\n".join(kept) + "\n").encode("utf-8")
    with open(out, "wb") as f:
        f.write(gzip.compress(text, compresslevel=9, mtime=0))
    print(f"{out}: {len(kept)} places of {len(rows)}, {len(text)} bytes, gzipped", file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) == 4 else 5000)
