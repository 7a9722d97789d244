#!/usr/bin/env python3
"""Writes data/Daylight.txt and data/Curfews.txt, the states' rules for the trip plan.

Reads tools/published/permit-daylight.tsv (one row per state: roll_from_min and
park_by_min, minutes from sunrise and sunset, or "unknown" / "none" in both; basis and
source of the row), permit-calendar.tsv (each state's weekend and holiday rule as
values) and curfews.tsv (metro curfews as circles). Writes, Windows-1252 (plain ASCII)
with CR LF, two files meant to be edited by hand: a header of comment lines, then one
line per state (per curfew) in the published order, its fields separated by blanks and
its source as a trailing comment:

    TX  -30  +30   # state: https://texas.public.law/...
    NY  -30  +30  sat=none sun=none before=noon holidays=six long-weekend=closed  # state: ...
    KY  none  holidays=none long-weekend=open  # secondary: https://oversize.io/...

    OK  35.47  -97.52  15  Mon-Fri  07:00-09:00,15:30-18:30  prohibit  0  all  Oklahoma County ...  # state: ...

A calendar value "?" (the source is silent) is left out: a key not written reads as "?".
Everything after a "#" is a comment. The generator fails on a row it cannot write in
that form (a state code that is not one of the 50, offsets that are not whole minutes,
"unknown" or "none" in one column only, a state given twice, a calendar value the
program does not read, a curfew field out of shape), and on a text that is not plain
ASCII or holds a "#".

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
CALENDAR = os.path.join(TOOLS, "published", "permit-calendar.tsv")
CURFEWS = os.path.join(TOOLS, "published", "curfews.tsv")
COLUMNS = ["state", "roll_from_min", "park_by_min", "definition", "weekend_holiday", "basis", "source"]
CALENDAR_COLUMNS = ["state", "saturday", "sunday", "holiday_before", "holiday_after", "holidays", "long_weekend",
                    "basis", "rests_on"]
CURFEW_COLUMNS = ["state", "area", "lat", "lon", "radius_mi", "days", "windows", "kind", "min_width_ft", "season",
                  "basis", "source"]
HOLIDAYS = {"six", "new-year", "memorial", "independence", "labor", "thanksgiving", "christmas", "good-friday",
            "easter", "day-after-thanksgiving", "christmas-eve", "new-years-eve", "columbus", "veterans", "victory",
            "presidents", "mlk", "deer-opener"}
CLOCK = r"([01]\d|2[0-3]):[0-5]\d"
STATES = set(STATE_CODES)
WORDS = ("unknown", "none")
LIMIT = 120  # the program reads offsets of at most two hours either way

HEADER = [
    "# Daylight.txt: when an oversize load may move in each state, for the daylight trip plan",
    "# (dawnrule-cli plan and the Trip Plan window). One state a line; everything after a",
    "# \"#\" is a comment.",
    "#",
    "#   STATE  ROLL  PARK    minutes from sunrise when the load may roll, and from sunset",
    "#                        when it must be parked: -30 = half an hour before, +30 = half",
    "#                        an hour after, 0 = at sunrise / at sunset (whole minutes,",
    "#                        at most 120 either way)",
    "#   STATE  unknown       no published definition found: the plan uses sunrise to",
    "#                        sunset and marks every stop there check-permit",
    "#   STATE  none          no daylight limit (round-the-clock travel)",
    "#",
    "# The state's weekend and holiday calendar follows, in words key=value:",
    "#   sat=window|none|until-HH:MM    Saturday: the normal window, no travel, none after HH:MM",
    "#   sun=window|none|until-HH:MM    Sunday, the same",
    "#   before=noon|sunset|HH:MM       travel stops the day before a restricted holiday at noon,",
    "#                                  at its window's end (sunset: only the holiday is closed)",
    "#                                  or at HH:MM",
    "#   after=sunrise|HH:MM            and starts again the day after at its window's start, or HH:MM",
    "#   holidays=six,good-friday,...   the restricted holidays: six = New Year's Day, Memorial Day,",
    "#                                  Independence Day, Labor Day, Thanksgiving, Christmas (the",
    "#                                  observed days); others by name: good-friday easter",
    "#                                  day-after-thanksgiving christmas-eve new-years-eve columbus",
    "#                                  veterans victory presidents mlk deer-opener; none: no holiday rule",
    "#   long-weekend=closed|open       closed: a Monday holiday stops travel from the Friday before,",
    "#                                  a Friday holiday until the Monday after",
    "# A key not written means the source is silent: the plan then applies the common rule",
    "# (window, noon, sunrise, the six, open) and marks the days it decided check-permit;",
    "# \"holidays=?,easter\" is the six and Easter, unconfirmed. A line with only the hours",
    "# reads with the whole calendar silent.",
    "#",
    "# A state that has no line here is taken as unknown. The permit governs: it may set",
    "# other hours, and most states vary them by load size. Each line's comment names where",
    "# its rule was read (state = the state's own rule or page, secondary = a permit service",
    "# or trade page), compiled December 2026; edit a line when your permit says otherwise.",
    "",
]

CURFEW_HEADER = [
    "# Curfews.txt: metro rush-hour curfews for oversize loads, for the daylight trip plan.",
    "# One curfew a line; everything after a \"#\" is a comment.",
    "#",
    "#   STATE  LAT  LON  MILES  DAYS  WINDOWS  KIND  WIDTH  SEASON  AREA",
    "#",
    "#   LAT LON MILES  a circle: its centre (decimal degrees) and radius (statute miles); it",
    "#                  holds the stops of STATE within it (it stands for the Interstates of",
    "#                  a county or a beltway)",
    "#   DAYS           Mon-Fri, Mon-Thu, Mon-Sun, Fri, Sat, Sun, Sat,Sun ...; ? = the source",
    "#                  does not say: every day, and the plan marks it check-permit",
    "#   WINDOWS        local clock times HH:MM-HH:MM, comma separated; 23:59 = the day's end",
    "#   KIND           prohibit = no movement inside the windows; allow = movement only",
    "#                  inside them (and only in daylight still)",
    "#   WIDTH          it holds loads wider than this many feet; 0 = every load",
    "#   SEASON         all; START..END (05-4thFri..labor-day: from the fourth Friday in May",
    "#                  to Labor Day); holiday-weekends (a Saturday or Sunday next to a",
    "#                  Friday or Monday restricted holiday of the state)",
    "#   AREA           what the source names, to the end of the line",
    "#",
    "# Centres from GeoNames (CC BY 4.0). The permit, and any curfew sheet attached to it,",
    "# governs: edit or add a line when yours says otherwise.",
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


def weekend(where, value):
    if value in ("?", "window", "none"):
        return value
    m = re.fullmatch(r"until (" + CLOCK + ")", value)
    if not m:
        fail(where, f"'{value}' is not window, none, until HH:MM or ?")
    return "until-" + m.group(1)


def calendar_words(where, row):
    """The calendar of a permit-calendar row as Daylight.txt's words, "?" values left out."""
    words = []
    for key, column in (("sat", "saturday"), ("sun", "sunday")):
        value = weekend(where, row[column])
        if value != "?":
            words.append(f"{key}={value}")
    before = row["holiday_before"]
    if before != "?":
        if before not in ("noon", "sunset") and not re.fullmatch(CLOCK, before):
            fail(where, f"holiday_before '{before}' is not noon, sunset, HH:MM or ?")
        words.append(f"before={before}")
    after = row["holiday_after"]
    if after != "?":
        if after != "sunrise" and not re.fullmatch(CLOCK, after):
            fail(where, f"holiday_after '{after}' is not sunrise, HH:MM or ?")
        words.append(f"after={after}")
    holidays = row["holidays"]
    if holidays != "?":
        names = holidays.split(",")
        if holidays != "none" and any(n not in HOLIDAYS for n in names[1 if names[0] == "?" else 0:]):
            fail(where, f"holidays '{holidays}' names a holiday the program does not know")
        words.append(f"holidays={holidays}")
    weekend_rule = row["long_weekend"]
    if weekend_rule != "?":
        if weekend_rule not in ("closed", "open"):
            fail(where, f"long_weekend '{weekend_rule}' is not closed, open or ?")
        words.append(f"long-weekend={weekend_rule}")
    return words


def read_calendars(path):
    calendars = {}
    for where, cells in read_tsv(path, CALENDAR_COLUMNS):
        row = dict(zip(CALENDAR_COLUMNS, cells))
        if row["state"] not in STATES or row["state"] in calendars:
            fail(where, f"state '{row['state']}' unknown or given twice")
        calendars[row["state"]] = calendar_words(where, row)
    return calendars


def render_curfews(path):
    lines = list(CURFEW_HEADER)
    for where, cells in read_tsv(path, CURFEW_COLUMNS):
        row = dict(zip(CURFEW_COLUMNS, cells))
        if row["state"] not in STATES:
            fail(where, f"unknown state code '{row['state']}'")
        for column in ("lat", "lon", "radius_mi", "min_width_ft"):
            if not re.fullmatch(r"-?\d+(\.\d+)?", row[column]):
                fail(where, f"{column} '{row[column]}' is not a number")
        if row["days"] != "?" and not re.fullmatch(r"(Mon|Tue|Wed|Thu|Fri|Sat|Sun)(-(Mon|Tue|Wed|Thu|Fri|Sat|Sun))?"
                                                   r"(,(Mon|Tue|Wed|Thu|Fri|Sat|Sun)(-(Mon|Tue|Wed|Thu|Fri|Sat|Sun))?)*",
                                                   row["days"]):
            fail(where, f"days '{row['days']}' are not weekdays")
        if not re.fullmatch(CLOCK + "-" + CLOCK + "(," + CLOCK + "-" + CLOCK + ")*", row["windows"]):
            fail(where, f"windows '{row['windows']}' are not HH:MM-HH:MM")
        if row["kind"] not in ("prohibit", "allow"):
            fail(where, f"kind '{row['kind']}' is neither prohibit nor allow")
        season = row["season"] or "all"
        if " " in season:
            fail(where, f"season '{season}' holds a blank")
        area = plain(where, row["area"])
        source = plain(where, row["source"])
        basis = plain(where, row["basis"])
        fields = [row["state"], row["lat"], row["lon"], row["radius_mi"], row["days"], row["windows"], row["kind"],
                  row["min_width_ft"], season, area]
        lines.append("  ".join(fields) + f"  # {basis}: {source}")
    return lines


def render(rows, calendars):
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
        words = calendars.get(state)
        if words is None:
            fail(where, f"{state} has no row in {CALENDAR}")
        rule = f"{rule:<16}" + "".join(w + "  " for w in words)
        lines.append(f"{rule}# {note}")
    return lines


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO, help="folder to write the outputs under")
    args = parser.parse_args(argv)
    outputs = {
        "Daylight.txt": render(read_rows(SOURCE), read_calendars(CALENDAR)),
        "Curfews.txt": render_curfews(CURFEWS),
    }
    for name, lines in outputs.items():
        path = os.path.join(args.root, "data", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main(sys.argv[1:])
