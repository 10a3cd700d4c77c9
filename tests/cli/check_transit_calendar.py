#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""The transits' iCalendar file read by a real parser (python3-icalendar): it parses; its lines
end in CRLF and hold at most 75 octets; every event has a UID, a DTSTAMP and a start before its
end; the UIDs are unique and the same on a second export; the events are the transits of the
JSON output, with their entering and leaving times and their exact passes.

usage: check_transit_calendar.py ZODRIVEL_CLI OUTPUT_FOLDER"""

import datetime
import json
import os
import subprocess
import sys

import icalendar

cli, folder = sys.argv[1], sys.argv[2]
# A long name in Cyrillic makes every summary longer than a line, so folding (never inside a
# UTF-8 character) is read back too.
birth = ["--name", "Ада Августа Байрон Кинг графиня Лавлейс", "--date", "1984-12-10",
         "--time", "07:45", "--lon", "0W07", "--lat", "51N30", "--zone", "GMT", "--transits", "2027-01-01/2027-12-31", "--transiting",
         "Sun,Mars,Jupiter,Saturn,Uranus,Neptune,Pluto", "--transit-orb", "Saturn=1.5"]


def run(*extra):
    return subprocess.run([cli, *birth, *extra], check=True, capture_output=True).stdout


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


first_path = os.path.join(folder, "transits.ics")
subprocess.run([cli, *birth, "--format", "ics", "--output", first_path], check=True)
raw = open(first_path, "rb").read()
second = run("--format", "ics")
everything = json.loads(run("--format", "json"))
transits, name = everything["transits"], everything["natal"]["name"]

lines = raw.split(b"\r\n")
if lines[-1] != b"" or any(b"\n" in line or b"\r" in line for line in lines):
    fail("a line does not end in CRLF")
if any(len(line) > 75 for line in lines):
    fail("a line is longer than 75 octets")

calendar = icalendar.Calendar.from_ical(raw)
if calendar.get("VERSION") != "2.0" or not calendar.get("PRODID"):
    fail("VERSION or PRODID missing")
events = [c for c in calendar.walk() if c.name == "VEVENT"]
if len(events) != len(transits) or not events:
    fail(f"{len(events)} events for {len(transits)} transits")


def utc(text):
    return datetime.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(
        tzinfo=datetime.timezone.utc)


uids = set()
for event, transit in zip(events, transits):
    for field in ("UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY", "DESCRIPTION"):
        if field not in event:
            fail(f"{field} missing")
    uids.add(str(event["UID"]))
    start, end = event.decoded("DTSTART"), event.decoded("DTEND")
    if not start < end:
        fail(f"{event['UID']} ends before it starts")
    if transit["enters"] is not None and start != utc(transit["enters"]):
        fail(f"{event['UID']} starts at {start}, not {transit['enters']}")
    if transit["leaves"] is not None and end != utc(transit["leaves"]):
        fail(f"{event['UID']} ends at {end}, not {transit['leaves']}")
    summary = str(event["SUMMARY"])
    expected = f"{transit['transiting']} {transit['kind']} natal {transit['natal']}"
    if summary != f"{expected} ({name})":
        fail(f"summary {summary!r} is not {expected!r}")
    description = str(event["DESCRIPTION"])
    if any(exact not in description for exact in transit["exact"]):
        fail(f"{event['UID']}: the exact passes are not all in the description")
if len(uids) != len(events):
    fail("UIDs repeat")
again = {str(c["UID"]) for c in icalendar.Calendar.from_ical(second).walk() if c.name == "VEVENT"}
if again != uids:
    fail("a second export gave other UIDs")
print(f"ok: {len(events)} events")
