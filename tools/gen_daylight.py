#!/usr/bin/env python3
"""Writes data/Daylight.txt, the daylight rule of each state for the trip plan.

Reads tools/published/permit-daylight.tsv (one row per state: roll_from_min and
park_by_min, minutes from sunrise and sunset, or "unknown" / "none" in both; basis and
source of the row). Writes, Windows-1252 (plain ASCII) with CR LF, a file meant to be
edited by hand: a header of comment lines, then one line per state in the published
order, its fields separated by blanks and its source as a trailing comment:

    TX  -30  +30   # state: https://texas.public.law/...
    CO    0    0   # state: https://freight.colorado.gov/...
    AR  unknown    # state: https://www.law.cornell.edu/...
    KY  none       # secondary: https://oversize.io/...

Everything after a "#" is a comment. The generator fails on a row it cannot write in
that form (a state code that is not one of the 50, offsets that are not whole minutes,
"unknown" or "none" in one column only, a state given twice), and on a source or
basis text that is not plain ASCII or holds a "#".

Usage: gen_daylight.py [--root DIR]   (outputs go under DIR, default the repo root)
"""
import argparse
import os
import re
import sys

from gen_state_lists import STATE_CODES, read_tsv

TOOLS = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(TOOLS)
SOURCE = os.path.join(TOOLS, "published", "permit-daylight.tsv")
COLUMNS = ["state", "roll_from_min", "park_by_min", "definition", "weekend_holiday", "basis", "source"]
STATES = set(STATE_CODES)
WORDS = ("unknown", "none")
LIMIT = 120  # the program reads offsets of at most two hours either way

HEADER = [
    "# Daylight.txt: when an oversize load may move in each state, for the daylight trip plan",
    "# (dawnrule-cli plan). One state a line; everything after a \"#\" is a comment.",
    "#",
    "#   STATE  ROLL  PARK    minutes from sunrise when the load may roll, and from sunset",
    "#                        when it must be parked: -30 = half an hour before, +30 = half",
    "#                        an hour after, 0 = at sunrise / at sunset (whole minutes,",
    "#                        at most 120 either way)",
    "#   STATE  unknown       no published definition found: the plan uses sunrise to",
    "#                        sunset and marks every stop there check-permit",
    "#   STATE  none          no daylight limit (round-the-clock travel)",
    "#",
    "# A state that has no line here is taken as unknown. The permit governs: it may set",
    "# other hours, and most states vary them by load size, weekends and holidays. Each",
    "# line's comment names where its rule was read (state = the state's own rule or page,",
    "# secondary = a permit service or trade page), compiled December 2026; edit a line",
    "# when your permit says otherwise.",
    "",
]


def fail(where, text):
    sys.exit(f"gen_daylight.py: {where}: {text}")


def minutes(where, text):
    if not re.fullmatch(r"[+-]?\d+", text):
        fail(where, f"'{text}' is not a whole number of minutes")
    value = int(text)
    if abs(value) > LIMIT:
        fail(where, f"{value} minutes is more than {LIMIT} either way")
    return f"{value:+d}" if value else "0"


def plain(where, text):
    if "#" in text or any(ord(c) < 0x20 or ord(c) > 0x7E for c in text):
        fail(where, f"'{text}' is not plain ASCII without '#'")
    return text


def read_rows(path):
    rows = []
    for where, cells in read_tsv(path, COLUMNS):
        row = dict(zip(COLUMNS, cells))
        row["where"] = where
        rows.append(row)
    return rows


def render(rows):
    lines = list(HEADER)
    seen = set()
    for row in rows:
        where = row["where"]
        state = row["state"]
        if state not in STATES:
            fail(where, f"unknown state code '{state}'")
        if state in seen:
            fail(where, f"{state} given twice")
        seen.add(state)
        roll, park = row["roll_from_min"], row["park_by_min"]
        if roll in WORDS or park in WORDS:
            if roll != park:
                fail(where, f"'{roll}' and '{park}': a word must stand in both columns")
            rule = f"{state}  {roll:<9}"
        else:
            rule = f"{state}  {minutes(where, roll):>3}  {minutes(where, park):>3}"
        basis = plain(where, row["basis"])
        source = plain(where, row["source"])
        note = f"{basis}: {source}" if source else "no source found"
        lines.append(f"{rule:<16}# {note}")
    return lines


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO, help="folder to write the outputs under")
    args = parser.parse_args(argv)
    lines = render(read_rows(SOURCE))
    path = os.path.join(args.root, "data", "Daylight.txt")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main(sys.argv[1:])
