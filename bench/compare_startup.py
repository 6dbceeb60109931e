#!/usr/bin/env python3
"""Runs the start-up probe and the bare Qt window alternately and reports
whole-process wall time and peak memory side by side, with their ratios."""

import os
import statistics
import sys
import time

RUNS = 30


def run(path):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 2)
        os.execv(path, [path])
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{path} failed with status {status}")
    return elapsed * 1000, usage.ru_maxrss / 1024  # ms, MiB


def main():
    program, bare = sys.argv[1], sys.argv[2]
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    results = {program: [], bare: []}
    for path in (program, bare):  # warm the file cache
        run(path)
    for _ in range(RUNS):
        for path in (program, bare):
            results[path].append(run(path))
    rows = []
    for path in (program, bare):
        times = [t for t, _ in results[path]]
        memory = [m for _, m in results[path]]
        rows.append((os.path.basename(path), statistics.median(times), max(memory)))
    print(f"start-up over {RUNS} runs each (median wall time, peak resident memory)")
    for name, ms, mib in rows:
        print(f"  {name:16} {ms:7.1f} ms  {mib:6.1f} MiB")
    print(f"  ratio            {rows[0][1] / rows[1][1]:7.2f} x    {rows[0][2] / rows[1][2]:6.2f} x")


if __name__ == "__main__":
    main()
