#!/usr/bin/env python3
"""Writes the import benchmark's records: 10 members each, one of them a nested
address object, as JSON lines and/or as one pretty-printed array.

The records are deterministic (a seeded generator), so every tool of one run
and every run on another day loads the same bytes.

  gen_records.py --rows 1000000 --out bench-work          # both forms
  gen_records.py --rows 10000000 --lines-only --out work  # the memory check
"""
import argparse
import os
import random
import sys

FIRST = ["Ada", "Bela", "Cyra", "Dario", "Elin", "Femi", "Goran", "Hana", "Ivo", "Jaya",
         "Kemal", "Lior", "Mira", "Nuno", "Oona", "Pavel", "Quinn", "Rosa", "Sami", "Tove"]
LAST = ["Alder", "Birch", "Cedar", "Dunmore", "Ember", "Fallow", "Garnet", "Heath", "Ivory", "Juniper",
        "Keel", "Linden", "Marsh", "North", "Osier", "Pike", "Quarry", "Rowan", "Sorrel", "Thorn"]
STREETS = ["Harbour Road", "Mill Lane", "Station Street", "Church Walk", "Market Square",
           "Bridge End", "Orchard Close", "Quay Side", "Kiln Row", "Ferry Way"]
CITIES = ["Larkhaven", "Brindlemoor", "Ostwick", "Pellamy", "Corran", "Veldt", "Ashby Reach",
          "Tolmarsh", "Wendlecombe", "Saltcote"]
COUNTRIES = ["GB", "IE", "NL", "DE", "FR", "DK", "NO", "SE", "PT", "ES"]

# Column order of the flattened record (Sublevel 2), shared with scripts/bench.
COLUMNS = ["id", "name", "email", "age", "score", "active", "joined", "balance", "notes",
           "address.street", "address.city", "address.zip", "address.country"]


def records(count, seed):
    rnd = random.Random(seed)
    pick = rnd.choice
    rand = rnd.randrange
    for i in range(1, count + 1):
        first, last = pick(FIRST), pick(LAST)
        yield (i,
               f"{first} {last}",
               f"{first.lower()}.{last.lower()}{i}@example.org",
               18 + rand(70),
               rand(1000000) / 1000.0,
               "true" if rand(2) else "false",
               f"{2000 + rand(25)}-{1 + rand(12):02d}-{1 + rand(28):02d} "
               f"{rand(24):02d}:{rand(60):02d}:{rand(60):02d}",
               (rand(20000000) - 5000000) / 100.0,
               f"customer {i} of segment {rand(40)}",
               f"{1 + rand(400)} {pick(STREETS)}",
               pick(CITIES),
               f"{rand(100000):05d}",
               pick(COUNTRIES))


def compact(r):
    return (f'{{"id":{r[0]},"name":"{r[1]}","email":"{r[2]}","age":{r[3]},"score":{r[4]},'
            f'"active":{r[5]},"joined":"{r[6]}","balance":{r[7]},"notes":"{r[8]}",'
            f'"address":{{"street":"{r[9]}","city":"{r[10]}","zip":"{r[11]}","country":"{r[12]}"}}}}')


def pretty(r):
    # The layout of json.dumps(indent=2), written directly for speed.
    return (f'  {{\n    "id": {r[0]},\n    "name": "{r[1]}",\n    "email": "{r[2]}",\n'
            f'    "age": {r[3]},\n    "score": {r[4]},\n    "active": {r[5]},\n'
            f'    "joined": "{r[6]}",\n    "balance": {r[7]},\n    "notes": "{r[8]}",\n'
            f'    "address": {{\n      "street": "{r[9]}",\n      "city": "{r[10]}",\n'
            f'      "zip": "{r[11]}",\n      "country": "{r[12]}"\n    }}\n  }}')


def write(path, count, seed, form):
    tmp = path + ".part"
    with open(tmp, "w", encoding="utf-8", newline="\n", buffering=1 << 20) as out:
        if form == "lines":
            for r in records(count, seed):
                out.write(compact(r))
                out.write("\n")
        else:
            out.write("[\n")
            sep = ""
            for r in records(count, seed):
                out.write(sep)
                out.write(pretty(r))
                sep = ",\n"
            out.write("\n]\n")
    os.replace(tmp, path)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--rows", type=int, default=1000000, help="number of records (default 1,000,000)")
    ap.add_argument("--out", default="bench-work", help="output folder")
    ap.add_argument("--seed", type=int, default=20261211)
    form = ap.add_mutually_exclusive_group()
    form.add_argument("--lines-only", action="store_true", help="write only the JSON-lines file")
    form.add_argument("--array-only", action="store_true", help="write only the array document")
    ap.add_argument("--force", action="store_true", help="rewrite files that already exist")
    args = ap.parse_args()
    if args.rows < 1:
        ap.error("--rows must be at least 1")
    os.makedirs(args.out, exist_ok=True)
    jobs = []
    if not args.array_only:
        jobs.append((os.path.join(args.out, f"records-{args.rows}.jsonl"), "lines"))
    if not args.lines_only:
        jobs.append((os.path.join(args.out, f"records-{args.rows}.json"), "array"))
    for path, form_name in jobs:
        if os.path.exists(path) and not args.force:
            print(f"kept {path}", file=sys.stderr)
        else:
            write(path, args.rows, args.seed, form_name)
            print(f"wrote {path} ({os.path.getsize(path):,} bytes)", file=sys.stderr)
        print(path)


if __name__ == "__main__":
    main()
