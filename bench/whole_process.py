#!/usr/bin/env python3
"""Times whole commands side by side: each round runs every command once, in
turn, so that the load of a shared machine falls on all of them alike.
Reports the median wall time and the median peak resident memory of each,
and each command's ratio to the first one.

    bench/whole_process.py [--rounds N] NAME=COMMAND NAME=COMMAND ...

Example (a peer program built outside this tree):
    bench/whole_process.py 'ours=build/src/ctabber-cli info big.mid' 'peer=/tmp/peer big.mid'
"""
import argparse, os, resource, shlex, statistics, subprocess, time


def run_once(argv):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execvp(argv[0], argv)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    return wall, usage.ru_maxrss / 1024.0, os.waitstatus_to_exitcode(status)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("commands", nargs="+")
    args = parser.parse_args()
    named = [c.split("=", 1) for c in args.commands]
    results = {name: [] for name, _ in named}
    for _ in range(args.rounds):
        for name, command in named:
            wall, rss, code = run_once(shlex.split(command))
            if code != 0:
                raise SystemExit(f"{name} exited with {code}")
            results[name].append((wall, rss))
    first = None
    for name, _ in named:
        wall = statistics.median(r[0] for r in results[name])
        rss = statistics.median(r[1] for r in results[name])
        first = first or (wall, rss)
        print(f"{name:24s} {wall * 1000:8.1f} ms  {rss:7.1f} MiB   x{wall / first[0]:.2f} time  x{rss / first[1]:.2f} memory")


if __name__ == "__main__":
    main()
