"""The peer of the recurrence tests: python3-dateutil's rrule.

Each input line is RULE SEED FIRST LAST: an RRULE value, a date YYYYMMDD and
two years. The answer line starts with the rule's first date on or after
SEED, which the test takes as DTSTART (a start that the rule itself gives,
as a calendar's DTSTART should be), followed by every date of the rule from
that start in the years FIRST to LAST, all as YYYYMMDD; it is "-" when the
rule gives no date from SEED on.
"""
import sys
from datetime import datetime

from dateutil.rrule import rrulestr


def text(d):
    # Four-digit years also before 1000, which strftime leaves unpadded.
    return "%04d%02d%02d" % (d.year, d.month, d.day)


def main():
    for line in sys.stdin:
        rule, seed, first, last = line.split()
        start = rrulestr(rule, dtstart=datetime.strptime(seed, "%Y%m%d")).after(
            datetime.strptime(seed, "%Y%m%d"), inc=True)
        if start is None:
            print("-")
            continue
        dates = rrulestr(rule, dtstart=start).between(
            datetime(int(first), 1, 1), datetime(int(last), 12, 31), inc=True)
        print(" ".join(text(d) for d in [start] + dates))


main()
