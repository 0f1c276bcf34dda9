"""morvane-calc's working days end to end against numpy's busday functions:
random weekends given to --weekend (as names or ISO numbers) and random
holiday lists given to --holidays (dates, ranges, comments), and batch lines
of counts and adds, each answer compared with busday_count or busday_offset.

Usage: working_days_numpy.py MORVANE_CALC
"""
import datetime
import os
import random
import subprocess
import sys
import tempfile

import numpy as np

NAMES = ["mon", "tuesday", "Wed", "thu", "FRI", "saturday", "sun"]  # ISO 1 to 7


def main():
    calc = sys.argv[1]
    rng = random.Random(20261207)
    compared = 0
    with tempfile.TemporaryDirectory() as folder:
        for case in range(40):
            off = [d for d in range(7) if rng.random() < 0.3]
            if len(off) == 7:
                off.pop()
            if off:
                weekend = ",".join(
                    NAMES[d] if rng.random() < 0.5 else str(d + 1) for d in off)
            else:
                weekend = "none"
            mask = "".join("0" if d in off else "1" for d in range(7))
            start = datetime.date(rng.randint(1900, 2100), 1, 1)
            holidays = set()
            lines = ["# holidays of case %d" % case, ""]
            for _ in range(rng.randint(0, 60)):
                first = start + datetime.timedelta(days=rng.randint(0, 1500))
                if rng.random() < 0.2:
                    last = first + datetime.timedelta(days=rng.randint(0, 6))
                    lines.append("%s..%s" % (first, last))
                    holidays.update(first + datetime.timedelta(days=i)
                                    for i in range((last - first).days + 1))
                else:
                    lines.append("%s  # one day" % first if rng.random() < 0.3 else str(first))
                    holidays.add(first)
            path = os.path.join(folder, "holidays-%d.txt" % case)
            with open(path, "w") as f:
                f.write("\n".join(lines) + "\n")
            calendar = np.busdaycalendar(weekmask=mask, holidays=sorted(holidays))

            questions, expected = [], []
            for _ in range(100):
                a = start + datetime.timedelta(days=rng.randint(-200, 1700))
                if rng.random() < 0.5:
                    b = a + datetime.timedelta(days=rng.randint(-60, 60)) if rng.random() < 0.5 \
                        else start + datetime.timedelta(days=rng.randint(-200, 1700))
                    questions.append("diff %s %s" % (a, b))
                    # numpy counts from its first date, included, to its
                    # second, excluded; here the earlier is left out and the
                    # later counted.
                    one = datetime.timedelta(days=1)
                    if a <= b:
                        n = np.busday_count(a + one, b + one, busdaycal=calendar)
                    else:
                        n = -np.busday_count(b + one, a + one, busdaycal=calendar)
                    expected.append(str(int(n)))
                else:
                    n = rng.randint(-400, 400)
                    questions.append("add %s 0 %d 0 0 0 0" % (a, n))
                    if n == 0:
                        r = a
                    else:
                        roll = "backward" if n > 0 else "forward"
                        r = np.busday_offset(a, n, roll=roll, busdaycal=calendar).astype(
                            datetime.date)
                    expected.append(str(r))
            run = subprocess.run(
                [calc, "--iso", "--units", "weekdays", "--holidays", path, "--weekend", weekend, "-"],
                input="\n".join(questions) + "\n", capture_output=True, text=True,
                env=dict(os.environ, LC_ALL="C.UTF-8"))
            if run.returncode != 0:
                print("case %d: exit %d: %s" % (case, run.returncode, run.stderr))
                return 1
            answers = run.stdout.split("\n")[:-1]
            if len(answers) != len(questions):
                print("case %d: %d answers to %d questions" % (case, len(answers), len(questions)))
                return 1
            for q, got, want in zip(questions, answers, expected):
                if got != want:
                    print("case %d, weekend %s: %s gave %s, numpy %s" % (case, weekend, q, got, want))
                    return 1
                compared += 1
    print("%d answers equal numpy's" % compared)
    return 0 if compared == 4000 else 1


if __name__ == "__main__":
    sys.exit(main())
