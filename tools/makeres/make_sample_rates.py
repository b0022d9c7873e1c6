#!/usr/bin/env python3
"""Writes share/currency.dat, the sample rates shipped with the program, from the master
currency list and the rate table beside this script.

One data line per distinct ISO code of the list, in the list's order; the rate is the
number of units of that currency per US dollar. The file is in the reply format the
program reads after an update: Latin-1, CR LF line ends, no message line.

    make_sample_rates.py [currencies.csv] [sample_rates.csv] [currency.dat]

Stops with a message and exit code 1 when a code of the list has no rate, or the table
holds a rate that is not a plain positive decimal number.
"""
import csv
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", ".."))

DATE = "1 December 2026 (sample rates, not for trading)"
HOSTS = ["www.vemox.example/cgi-bin/DownLoad.cgi", "www.vemox.example", "www.vemox.example"]
NUMBER = re.compile(r"^[0-9]+(\.[0-9]+)?$")


def main(argv):
    list_path = argv[1] if len(argv) > 1 else os.path.join(TOP, "share", "currencies.csv")
    table_path = argv[2] if len(argv) > 2 else os.path.join(HERE, "sample_rates.csv")
    out_path = argv[3] if len(argv) > 3 else os.path.join(TOP, "share", "currency.dat")

    with open(list_path, encoding="utf-8", newline="") as f:
        codes = []
        for row in csv.DictReader(f):
            if row["iso"] not in codes:
                codes.append(row["iso"])

    rates = {}
    with open(table_path, encoding="ascii", newline="") as f:
        for n, row in enumerate(csv.DictReader(f), start=2):
            rate = row["rate"]
            if not NUMBER.match(rate) or float(rate) <= 0:
                sys.exit(f"{table_path} line {n}: rate {rate!r} of {row['iso']} is not a positive decimal")
            rates[row["iso"]] = rate

    missing = [c for c in codes if c not in rates]
    if missing:
        sys.exit(f"{table_path}: no rate for {', '.join(missing)}")

    lines = [f"<KRTDATE>{DATE}</KRTDATE>"]
    lines += [f"<KRTHOST>{h}</KRTHOST>" for h in HOSTS]
    lines += [f"<KRTISO>{c}</KRTISO><KRTDATA>{rates[c]}</KRTDATA>" for c in codes]
    with open(out_path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("latin-1"))
    unused = sorted(set(rates) - set(codes))
    print(f"{out_path}: {len(codes)} rates" + (f" (unused in the table: {', '.join(unused)})" if unused else ""))


if __name__ == "__main__":
    main(sys.argv)
