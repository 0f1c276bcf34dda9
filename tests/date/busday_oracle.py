"""Answers working-day questions with numpy's busday functions, the peer the
date core's working days are checked against.

Reads lines from standard input and writes one number for each question:
  C MASK [H,H,...]  a calendar: MASK is numpy's weekmask (Monday first, 1 = a
                    working day), then the holidays as day numbers
  B A B             the working days from day A to day B, as the program
                    counts them: the earlier day not counted, the later one
                    counted, signed
  A D N             the day N working days from day D, D itself not counted
Day numbers are the program's: day 0 is 30 December 1899.
"""
import sys

import numpy as np

EPOCH = 25569  # numpy's day 0, 1 January 1970, as a day number here


def day(n):
    return np.datetime64(int(n) - EPOCH, "D")


def main():
    calendar = None
    out = []
    for line in sys.stdin:
        f = line.split()
        if not f:
            continue
        if f[0] == "C":
            holidays = [day(h) for h in f[2].split(",")] if len(f) > 2 else []
            calendar = np.busdaycalendar(weekmask=f[1], holidays=holidays)
        elif f[0] == "B":
            a, b = int(f[1]), int(f[2])
            # numpy counts from the first date, included, to the second,
            # excluded: one day later each gives the program's rule.
            if a <= b:
                r = np.busday_count(day(a + 1), day(b + 1), busdaycal=calendar)
            else:
                r = -np.busday_count(day(b + 1), day(a + 1), busdaycal=calendar)
            out.append(int(r))
        elif f[0] == "A":
            d, n = int(f[1]), int(f[2])
            if n == 0:
                out.append(d)
                continue
            # numpy first rolls a day off onto a working day, then counts it
            # as step 0; rolling against the direction of travel leaves the
            # date itself uncounted, as here.
            roll = "backward" if n > 0 else "forward"
            r = np.busday_offset(day(d), n, roll=roll, busdaycal=calendar)
            out.append(int(r.astype("int64")) + EPOCH)
    sys.stdout.write("".join(f"{v}\n" for v in out))


if __name__ == "__main__":
    main()
