#!/usr/bin/env python3
"""Writes the 50 state city lists data/AL.txt ... data/WY.txt from tools/published/us-places.tsv.

Each list holds one city record per place of its state, in the program's record form

    town  N°dd.dd,W°-dd.dd

(two blanks between the town and the latitude marker; the degree sign is the Windows-1252
byte 0xB0). Latitude is written after "N°" when it is zero or north, after "S°" when it is
south; longitude after "E°" when it is zero or east, after "W°" when it is west. The number
carries the sign, so west and south numbers start with "-".

Numbers: the place's decimal degrees rounded to two decimals on the published decimal text
itself, exact halves away from zero (30.415 gives 30.42, -88.025 gives -88.03), never through
binary floating point. The program reads the numbers as decimal degrees.

Names: the published name in Windows-1252. Hawaiian names are transliterated to their plain
letters: the vowels with a macron become the plain vowels, and the okina is dropped, both in
its U+02BB spelling and, in Hawaii's names, in its U+2018 spelling (a keyboard has neither,
and type-ahead must find "Aiea" when the driver types "aiea"). Any other character outside
Windows-1252 stops the generator, as does a name that is empty, holds a control character
or the degree sign (which could read as a marker).

Order: by name without regard to case (the Windows-1252 bytes with upper-case letters
folded to lower case, compared byte by byte), so the towns that begin with what the driver
types stand together; names equal but for case are ordered by the latitude as written, then
by the longitude as written (both numerically), then by the name's bytes. Places that share
a name in a state are all kept. Files are Windows-1252, every line ends with CR LF, there is
no header and no empty line.

Usage: gen_state_lists.py [--root DIR]   (outputs go under DIR, default the repo root)
"""
import argparse
import decimal
import os
import re
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(TOOLS)
SOURCE = os.path.join(TOOLS, "published", "us-places.tsv")
OUTPUT_DIR = "data"

# The 50 states in the order of the program's location buttons (locations/us_states.h).
STATE_CODES = (
    "AL AK AZ AR CA CO CT DE FL GA HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO "
    "MT NE NV NH NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY"
).split()
assert len(STATE_CODES) == 50 and len(set(STATE_CODES)) == 50

OKINA = "\u02bb"
OKINA_AS_QUOTE = "\u2018"  # the okina as some Hawaiian names are written
MACRON_VOWELS = {
    "\u0100": "A", "\u0101": "a", "\u0112": "E", "\u0113": "e", "\u012a": "I", "\u012b": "i",
    "\u014c": "O", "\u014d": "o", "\u016a": "U", "\u016b": "u",
}

DEGREE = b"\xb0"
CENT = decimal.Decimal("0.01")
NUMBER = re.compile(r"-?[0-9]+(\.[0-9]+)?")


def fail(where, text):
    sys.exit(f"{where}: {text}")


def plain_name(state, name):
    """The name with the Hawaiian okina dropped and macron vowels made plain."""
    out = []
    for ch in name:
        if ch == OKINA or (ch == OKINA_AS_QUOTE and state == "HI"):
            continue
        out.append(MACRON_VOWELS.get(ch, ch))
    return "".join(out)


def name_bytes(where, state, name):
    plain = plain_name(state, name)
    try:
        data = plain.encode("cp1252")
    except UnicodeEncodeError as e:
        fail(where, f"name {name!r} holds {plain[e.start]!r} (U+{ord(plain[e.start]):04X}), "
                    "which Windows-1252 cannot hold and no rule transliterates")
    if not data.strip():
        fail(where, "empty name")
    if any(b < 0x20 or b == 0x7F for b in data):
        fail(where, f"name {name!r} holds a control character")
    if DEGREE in data:
        fail(where, f"name {name!r} holds the degree sign, which would read as a marker")
    return data, plain != name


def rounded(where, text, limit):
    """The decimal text rounded to two decimals, exact halves away from zero."""
    if not NUMBER.fullmatch(text):
        fail(where, f"{text!r} is not a decimal number")
    value = decimal.Decimal(text)
    if abs(value) > limit:
        fail(where, f"{text!r} lies outside -{limit}..{limit}")
    cents = value.quantize(CENT, rounding=decimal.ROUND_HALF_UP)
    return cents if cents != 0 else decimal.Decimal("0.00")  # never "-0.00"


def coordinate(value, positive, negative):
    """Marker and number: "N°30.42", "S°-14.16", "W°-88.02"."""
    marker = positive if value >= 0 else negative
    return marker.encode("ascii") + DEGREE + f"{value:.2f}".encode("ascii")


def fold_case(data):
    """Windows-1252 bytes with the upper-case letters made lower case."""
    out = bytearray(data)
    for i, b in enumerate(out):
        if 0x41 <= b <= 0x5A or (0xC0 <= b <= 0xDE and b != 0xD7):
            out[i] = b + 0x20
        elif b in (0x8A, 0x8C, 0x8E):  # S, OE, Z with caron / ligature
            out[i] = b + 0x10
        elif b == 0x9F:  # Y with diaeresis
            out[i] = 0xFF
    return bytes(out)


def read_tsv(path, header):
    """The data rows (lists of fields) after the comment lines and the header."""
    rows = []
    header_seen = False
    with open(path, encoding="utf-8", newline="") as f:
        for number, line in enumerate(f, 1):
            where = f"{path}:{number}"
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if not header_seen:
                if fields != header:
                    fail(where, f"unexpected header {line!r}")
                header_seen = True
                continue
            if len(fields) != len(header):
                fail(where, f"expected {len(header)} tab-separated fields, found {len(fields)}")
            rows.append((where, fields))
    return rows


def read_places(path):
    """{state code: [(name bytes, latitude, longitude)]} and the count of transliterated names."""
    places = {code: [] for code in STATE_CODES}
    transliterated = 0
    for where, (state, name, latitude, longitude) in read_tsv(path, ["state", "name", "latitude", "longitude"]):
        if state not in places:
            fail(where, f"unknown state code {state!r}")
        data, changed = name_bytes(where, state, name)
        transliterated += changed
        places[state].append((data, rounded(where, latitude, 90), rounded(where, longitude, 180)))
    for code, rows in places.items():
        if not rows:
            fail(path, f"no places for {code}")
    return places, transliterated


def render(rows):
    ordered = sorted(rows, key=lambda r: (fold_case(r[0]), r[1], r[2], r[0]))
    return b"".join(name + b"  " + coordinate(lat, "N", "S") + b"," + coordinate(lon, "E", "W") + b"\r\n"
                    for name, lat, lon in ordered)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO, help="folder to write the outputs under")
    parser.add_argument("--verbose", action="store_true", help="print the counts")
    args = parser.parse_args()

    places, transliterated = read_places(SOURCE)
    out_dir = os.path.join(args.root, OUTPUT_DIR)
    os.makedirs(out_dir, exist_ok=True)
    for code in STATE_CODES:
        with open(os.path.join(out_dir, code + ".txt"), "wb") as f:
            f.write(render(places[code]))
    if args.verbose:
        total = sum(len(rows) for rows in places.values())
        print(f"{total} places in 50 files, {transliterated} names transliterated")
        for code in STATE_CODES:
            print(code, len(places[code]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
