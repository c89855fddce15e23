#!/usr/bin/env python3
"""Makes data/places/places.tsv, the place list the program searches, from GeoNames' "cities1000"
extract (places.csv: geonames_id,name,country,admin1,feature,population,latitude,longitude), the
table of Brazil's division codes (brazil-states.csv: admin1,uf,name) and our Portuguese names
(names-pt.tsv beside this script).

    data/places/make_places.py PLACES.csv BRAZIL-STATES.csv

One place a line, most populous first (ties by geonames_id), so that a search ranks by its order:
geonames_id, name, Portuguese name (empty where it is the name), country, division (the state's
UF in Brazil, else GeoNames' first-level code), population, latitude, longitude (degrees as given,
5 decimals). The feature code is left out: nothing uses it.
"""
import csv
import pathlib
import sys

here = pathlib.Path(__file__).resolve().parent


def main(places_csv, states_csv):
    states = {r["admin1"]: r["uf"] for r in csv.DictReader(open(states_csv, encoding="utf-8"))}
    portuguese = {}
    for line in open(here / "names-pt.tsv", encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        gid, _country, name, pt = line.rstrip("\n").split("\t")
        if pt != name:
            portuguese[gid] = pt
    rows = list(csv.DictReader(open(places_csv, encoding="utf-8")))
    rows.sort(key=lambda r: (-int(r["population"]), int(r["geonames_id"])))
    seen = set()
    with open(here / "places.tsv", "w", encoding="utf-8", newline="\n") as out:
        out.write("geonames_id\tname\tname_pt\tcountry\tdivision\tpopulation\tlatitude\tlongitude\n")
        for r in rows:
            if "\t" in r["name"] or "\n" in r["name"]:
                sys.exit(f"{r['geonames_id']}: a tab or line break in the name")
            division = r["admin1"]
            if r["country"] == "BR":
                division = states[division]  # every Brazilian place must have its state
            seen.add(r["geonames_id"])
            out.write("\t".join([r["geonames_id"], r["name"], portuguese.get(r["geonames_id"], ""), r["country"],
                                 division, r["population"], r["latitude"], r["longitude"]]) + "\n")
    unknown = sorted(set(portuguese) - seen)
    if unknown:
        sys.exit("names-pt.tsv names places that the list does not hold: " + ", ".join(unknown))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
