#!/usr/bin/env python3
"""Times whole start-ups against a bare Qt window, in interleaved runs.

Usage: tools/startup-ratio.py BARE BEFORE NOW [--runs N] [--cpu K]

Each of the three programs (built with the release preset: BARE is
bench/startup/bare_qt_window, NOW bench/startup/pick3_startup, BEFORE the same
benchmark built from an older commit) is started N times (default 100), one
after the other in turn, the order reversed every other round, all on one
processor (default 1), offscreen. A run's cost is its processor time (user and
system, as the kernel accounts the finished child). Printed: the medians of
BEFORE/BARE and NOW/BARE over the rounds, and how much of BEFORE's excess over
the bare window NOW has cut: the median of the rounds' own cuts, and the cut
worked out from the two medians. Three programs in one round see the same
machine, so a drift of its speed moves all three."""

import argparse
import os
import statistics


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("bare")
    parser.add_argument("before")
    parser.add_argument("now")
    parser.add_argument("--runs", type=int, default=100)
    parser.add_argument("--cpu", type=int, default=1)
    args = parser.parse_args()

    os.sched_setaffinity(0, {args.cpu})
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    devnull = os.open(os.devnull, os.O_WRONLY)
    programs = {"bare": args.bare, "before": args.before, "now": args.now}

    def cost(path):
        pid = os.posix_spawn(path, [path], env, file_actions=[
            (os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)])
        _, status, usage = os.wait4(pid, 0)
        if status != 0:
            raise SystemExit(f"{path} ended with status {status}")
        return usage.ru_utime + usage.ru_stime

    for path in programs.values():  # a first start of each, not counted
        cost(path)
    rounds = []
    for i in range(args.runs):
        order = ["bare", "before", "now"] if i % 2 == 0 else ["now", "before", "bare"]
        rounds.append({name: cost(programs[name]) for name in order})

    before = statistics.median(r["before"] / r["bare"] for r in rounds)
    now = statistics.median(r["now"] / r["bare"] for r in rounds)
    cuts = [1 - (r["now"] - r["bare"]) / (r["before"] - r["bare"])
            for r in rounds if r["before"] > r["bare"]]
    print(f"before/bare {before:.3f}, now/bare {now:.3f}")
    print(f"excess cut: {100 * statistics.median(cuts):.1f} % (median of the rounds), "
          f"{100 * (1 - (now - 1) / (before - 1)):.1f} % (from the medians)")
    print("ms (medians): " + ", ".join(
        f"{name} {1000 * statistics.median(r[name] for r in rounds):.1f}" for name in programs))


if __name__ == "__main__":
    main()
