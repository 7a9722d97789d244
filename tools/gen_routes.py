#!/usr/bin/env python3
"""Writes the Routes window's data: data/Highways.txt and one route file per Interstate.

Reads tools/published/interstates.tsv (ordered town lists of 41 Interstates, towns and
coordinates from GeoNames). Writes, Windows-1252 with CR LF:

- data/Highways.txt: the route names in numeric order (I-5, I-8, ..., I-99), one a line.
- data/<route>.txt, for example data/I-80.txt, laid out for a printed sheet in a
  fixed-pitch font:

      I-80  west to east  2,748 miles

      California
        San Francisco, CA       [37.77 -122.42]
        ...

      Nevada
        Reno, NV                [39.53 -119.81]

  The title names the route, the direction its mileposts increase (west to east for
  even numbers, south to north for odd ones) and its length in miles: the sum of the
  published miles_from_previous of its stops, that is the miles between the first and
  the last town listed (not the route's full published length), rounded to whole miles,
  halves up. A state's full name stands on a line of its own where the road enters that
  state (again, should it come back). Each stop line is the town and state code padded
  with blanks, so that every "[" of the file stands in the same column, then
  "[lat -lon]": latitude and longitude in decimal degrees with exactly two decimals,
  rounded from the published decimal text, halves away from zero. The program reads the
  latitude as the text up to the first blank and the longitude from its minus sign, so
  every latitude must be north (positive) and every longitude west (negative): the
  generator fails on anything else rather than write a stop the program cannot read.

Usage: gen_routes.py [--root DIR]   (outputs go under DIR, default the repo root)
"""
import argparse
import decimal
import os
import re
import sys

from gen_state_lists import read_tsv

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE = os.path.join(REPO, "tools", "published", "interstates.tsv")
COLUMNS = ["route", "seq", "state", "name", "latitude", "longitude", "miles_from_previous"]
INDENT = "  "  # stop lines stand indented under their state's name

STATE_NAMES = {
    "AL": "Alabama", "AK": "Alaska", "AZ": "Arizona", "AR": "Arkansas", "CA": "California",
    "CO": "Colorado", "CT": "Connecticut", "DE": "Delaware", "FL": "Florida", "GA": "Georgia",
    "HI": "Hawaii", "ID": "Idaho", "IL": "Illinois", "IN": "Indiana", "IA": "Iowa",
    "KS": "Kansas", "KY": "Kentucky", "LA": "Louisiana", "ME": "Maine", "MD": "Maryland",
    "MA": "Massachusetts", "MI": "Michigan", "MN": "Minnesota", "MS": "Mississippi",
    "MO": "Missouri", "MT": "Montana", "NE": "Nebraska", "NV": "Nevada", "NH": "New Hampshire",
    "NJ": "New Jersey", "NM": "New Mexico", "NY": "New York", "NC": "North Carolina",
    "ND": "North Dakota", "OH": "Ohio", "OK": "Oklahoma", "OR": "Oregon", "PA": "Pennsylvania",
    "RI": "Rhode Island", "SC": "South Carolina", "SD": "South Dakota", "TN": "Tennessee",
    "TX": "Texas", "UT": "Utah", "VT": "Vermont", "VA": "Virginia", "WA": "Washington",
    "WV": "West Virginia", "WI": "Wisconsin", "WY": "Wyoming",
}
assert len(STATE_NAMES) == 50


def fail(where, text):
    sys.exit(f"gen_routes.py: {where}: {text}")


def two_places(where, text):
    """The published decimal text rounded to two decimals, halves away from zero."""
    try:
        value = decimal.Decimal(text)
    except decimal.InvalidOperation:
        fail(where, f"'{text}' is not a number")
    return value.quantize(decimal.Decimal("0.01"), rounding=decimal.ROUND_HALF_UP)


def read_routes(path):
    """{route: [row, ...]} in file order, each row a dict of the columns."""
    routes = {}
    for where, cells in read_tsv(path, COLUMNS):
        row = dict(zip(COLUMNS, cells))
        row["where"] = where
        routes.setdefault(row["route"], []).append(row)
    return routes


def route_number(where, route):
    m = re.fullmatch(r"I-(\d+)", route)
    if not m:
        fail(where, f"route name '{route}' is not of the form I-<number>")
    return int(m.group(1))


def stop(row):
    """(label, "[lat -lon]") of one stop, checked to read back as the program reads it."""
    where = row["where"]
    if row["state"] not in STATE_NAMES:
        fail(where, f"unknown state code '{row['state']}'")
    label = f"{row['name']}, {row['state']}"
    if "[" in label or "]" in label:
        fail(where, f"the town name '{row['name']}' holds a bracket")
    try:
        label.encode("cp1252")
    except UnicodeEncodeError:
        fail(where, f"the town name '{row['name']}' has characters outside Windows-1252")
    lat = two_places(where, row["latitude"])
    lon = two_places(where, row["longitude"])
    if not lat > 0:
        fail(where, f"latitude {lat} is not north of the equator")
    if not lon < 0:
        fail(where, f"longitude {lon} is not west of Greenwich")
    return label, f"[{lat} {lon}]"


def render_route(route, rows):
    where = rows[0]["where"]
    seqs = [int(r["seq"]) for r in rows]
    if seqs != list(range(1, len(rows) + 1)):
        fail(where, f"{route}: stops are not numbered 1 to {len(rows)} in order")
    miles = sum(decimal.Decimal(r["miles_from_previous"]) for r in rows)
    miles = int(miles.quantize(decimal.Decimal("1"), rounding=decimal.ROUND_HALF_UP))
    direction = "west to east" if route_number(where, route) % 2 == 0 else "south to north"
    stops = [stop(r) for r in rows]
    width = max(len(label) for label, _ in stops) + 1

    lines = [f"{route}  {direction}  {miles:,} miles"]
    state = None
    for row, (label, coordinates) in zip(rows, stops):
        if row["state"] != state:
            state = row["state"]
            lines += ["", STATE_NAMES[state]]
        lines.append(INDENT + label.ljust(width) + coordinates)
    # An empty last line keeps one route's last stop apart from the next route's title
    # when several are processed into one report.
    lines.append("")
    return lines


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO, help="folder to write the outputs under")
    args = parser.parse_args(argv)

    routes = read_routes(SOURCE)
    names = sorted(routes, key=lambda r: route_number(routes[r][0]["where"], r))
    data = os.path.join(args.root, "data")
    write_lines(os.path.join(data, "Highways.txt"), names)
    for name in names:
        write_lines(os.path.join(data, name + ".txt"), render_route(name, routes[name]))


if __name__ == "__main__":
    main(sys.argv[1:])
