#!/usr/bin/env python3
"""Prints the import benchmark's results (written by scripts/bench) side by side:
time, rows per second and peak memory per tool, Ambertide's ratios to each
peer, and the targets beside the figures.

Input: one line per measurement, tab-separated:
  tool form rows file_bytes wall_seconds peak_rss_kb status
"""
import argparse
import sys

MB = 1024 * 1024


def load(path):
    runs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 7:
                continue
            tool, form, rows, size, wall, rss, status = parts
            runs.append(dict(tool=tool, form=form, rows=int(rows), size=int(size), wall=float(wall),
                             rss=int(rss) * 1024, status=status))
    return runs


def find(runs, tool, form, rows):
    for r in runs:
        if r["tool"] == tool and r["form"] == form and r["rows"] == rows:
            return r
    return None


def ok(r):
    return r is not None and r["status"] == "ok" and r["wall"] > 0


def verdict(passed):
    return "met" if passed else "MISSED"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("results")
    ap.add_argument("--machine", default="")
    ap.add_argument("--markdown", action="store_true", help="a table for the README")
    args = ap.parse_args()
    runs = load(args.results)
    if not runs:
        print("no results", file=sys.stderr)
        return 1
    form_names = {"lines": "JSON lines", "array": "array document"}

    if args.markdown:
        print("| Data | Rows | File | Tool | Time (s) | Rows/s | Peak RSS (MB) | Peer time / Ambertide time | Status |")
        print("|---|---:|---:|---|---:|---:|---:|---:|---|")
    else:
        print(f"{'data':<15} {'rows':>10} {'file MB':>8}  {'tool':<13} {'time s':>8} {'rows/s':>10} "
              f"{'peak MB':>8} {'x file':>6}  {'peer/Ambertide time':>19}  status")
    for r in runs:
        amb = find(runs, "ambertide", r["form"], r["rows"])
        speed = ""
        if r["tool"] != "ambertide" and ok(amb) and ok(r):
            speed = f"{r['wall'] / amb['wall']:.2f}x"
        rate = f"{r['rows'] / r['wall']:,.0f}" if r["wall"] > 0 else "-"
        if args.markdown:
            print(f"| {form_names.get(r['form'], r['form'])} | {r['rows']:,} | {r['size'] / MB:,.0f} MB | "
                  f"{r['tool']} | {r['wall']:.1f} | {rate} | {r['rss'] / MB:,.0f} | {speed or '-'} | {r['status']} |")
        else:
            print(f"{form_names.get(r['form'], r['form']):<15} {r['rows']:>10,} {r['size'] / MB:>8,.0f}  "
                  f"{r['tool']:<13} {r['wall']:>8.1f} {rate:>10} {r['rss'] / MB:>8,.0f} "
                  f"{r['rss'] / r['size']:>6.2f}  {speed:>19}  {r['status']}")

    # Targets, each with the figure it is judged on.
    print()
    print("Targets:")
    sizes = sorted({r["rows"] for r in runs if r["tool"] != "ambertide" or find(runs, "sqlite3", r["form"], r["rows"])})
    base = max(sizes) if sizes else 0
    lines = lambda tool, n=base: find(runs, tool, "lines", n)
    array = lambda tool: find(runs, tool, "array", base)

    def line(text, figure, passed):
        state = "n/a" if passed is None else verdict(passed)
        print(f"  {text:<62} {figure:<28} {state}")

    a, u, s = lines("ambertide"), lines("sqlite-utils"), lines("sqlite3")
    if ok(a) and ok(u):
        line("JSON lines: faster than sqlite-utils by at least 2x", f"{u['wall'] / a['wall']:.2f}x", u["wall"] / a["wall"] >= 2)
    else:
        line("JSON lines: faster than sqlite-utils by at least 2x", "not measured", None)
    if ok(a) and ok(s):
        line("JSON lines: within 2.5x of the native sqlite3 load", f"{a['wall'] / s['wall']:.2f}x sqlite3's time",
             a["wall"] / s["wall"] <= 2.5)
    else:
        line("JSON lines: within 2.5x of the native sqlite3 load", "not measured", None)
    a2, u2 = array("ambertide"), array("sqlite-utils")
    if ok(a2) and ok(u2):
        line("array: faster than sqlite-utils", f"{u2['wall'] / a2['wall']:.2f}x", u2["wall"] > a2["wall"])
    else:
        line("array: faster than sqlite-utils", "not measured", None)
    if ok(a2):
        line("array: peak memory at most 4x the file's size",
             f"{a2['rss'] / MB:,.0f} MB = {a2['rss'] / a2['size']:.2f}x", a2["rss"] <= 4 * a2["size"])
    else:
        line("array: peak memory at most 4x the file's size", "not measured", None)
    for r in sorted((r for r in runs if r["tool"] == "ambertide" and r["form"] == "lines"), key=lambda r: r["rows"]):
        line(f"JSON lines, {r['rows']:,} rows: peak memory under 150 MB", f"{r['rss'] / MB:,.0f} MB",
             r["rss"] < 150 * MB if ok(r) else None)
    amb_lines = sorted((r for r in runs if r["tool"] == "ambertide" and r["form"] == "lines" and ok(r)),
                       key=lambda r: r["rows"])
    if len(amb_lines) >= 2:
        small, big = amb_lines[0], amb_lines[-1]
        growth = (big["wall"] / small["wall"]) / (big["rows"] / small["rows"])
        line(f"JSON lines: time linear from {small['rows']:,} to {big['rows']:,} rows",
             f"{growth:.2f}x the linear time", growth <= 1.25)
    if args.machine:
        print()
        print(f"Machine: {args.machine}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
