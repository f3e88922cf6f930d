#!/usr/bin/env python3
"""The plain way to cross-check a contest, for comparison with zvk-score
crosscheck: the same matching done by looking through every log for each QSO.
A line is confirmed by a line of the other station naming this one on the
same band and mode within 5 minutes; failing that, by one naming a call one
character from this one (the other's miscopy); for a station without a log,
by two or more logs holding its call. Usage: naive_crosscheck.py DIR"""
import collections
import os
import sys
from datetime import datetime

BANDS = {"3": "80m", "7": "40m", "14": "20m", "21": "15m", "28": "10m"}
WINDOW = 5


def read_log(path):
    call, lines = None, []
    with open(path) as log:
        for text in log:
            if text.startswith("CALLSIGN:"):
                call = text.split(":", 1)[1].strip()
            elif text.startswith("QSO:"):
                f = text.split()
                band = BANDS.get(str(int(f[1]) // 1000), "?")
                when = datetime.strptime(f[3] + f[4], "%Y-%m-%d%H%M").timestamp() / 60
                lines.append((band, f[2], when, f[8], f[10] if len(f) > 10 else ""))
    return call, lines


def one_apart(a, b):
    if a == b or abs(len(a) - len(b)) > 1:
        return False
    if len(a) == len(b):
        return sum(x != y for x, y in zip(a, b)) == 1
    short, long_ = sorted((a, b), key=len)
    return any(long_[:i] + long_[i + 1:] == short for i in range(len(long_)))


def confirmed(logs, call, band, mode, when, worked):
    for other_call, other in logs:  # every log, looked through for this QSO
        if other_call != worked:
            continue
        for band2, mode2, when2, worked2, _ in other:
            if band2 == band and mode2 == mode and abs(when2 - when) <= WINDOW:
                if worked2 == call or one_apart(worked2, call):
                    return "ok"
        return "not-in-log"
    holders = {owner for owner, other in logs for line in other if line[3] == worked}
    return "ok" if len(holders) >= 2 else "unique"


def main(folder):
    logs = [read_log(os.path.join(folder, name)) for name in sorted(os.listdir(folder))]
    results = collections.Counter()
    for call, lines in logs:
        for band, mode, when, worked, _ in lines:
            results[confirmed(logs, call, band, mode, when, worked)] += 1
    print(dict(results))


if __name__ == "__main__":
    main(sys.argv[1])
