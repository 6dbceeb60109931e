#!/usr/bin/env python3
"""Opens each tool window from its menu button until painted, in fresh
processes, beside a plain window of the same size with one label, and
reports the medians of the first and of a later opening with their aims."""

import os
import statistics
import subprocess
import sys

RUNS = 15
BUTTONS = [("SpeedButton4", "diagno"), ("SpeedButton3", "PM"), ("SpeedButton2", "TUNEUP"),
           ("SpeedButton6", "umurrem"), ("SpeedButton7", "DM"), ("plain", "plain QWidget")]
FIRST_AIM_MS, LATER_AIM_MS = 50.0, 16.0


def sample(probe, which):
    out = subprocess.run([probe, which], check=True, capture_output=True, text=True).stdout.split()
    return float(out[0]), float(out[1])


def main():
    probe = sys.argv[1]
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    print(f"opening a window until painted, median of {RUNS} fresh processes")
    print(f"  {'window':16} {'first':>9} {'later':>9}")
    for which, name in BUTTONS:
        runs = [sample(probe, which) for _ in range(RUNS)]
        first = statistics.median(r[0] for r in runs)
        later = statistics.median(r[1] for r in runs)
        aims = "" if which == "plain" else (
            f"  {'met' if first <= FIRST_AIM_MS else 'MISSED'} {FIRST_AIM_MS:.0f} ms first,"
            f" {'met' if later <= LATER_AIM_MS else 'MISSED'} {LATER_AIM_MS:.0f} ms later")
        print(f"  {name:16} {first:6.2f} ms {later:6.2f} ms{aims}")


if __name__ == "__main__":
    main()
