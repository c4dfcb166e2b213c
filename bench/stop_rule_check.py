#!/usr/bin/env python3
"""Does the relative stop rule end runs early on a plateau?

usage: stop_rule_check.py QUOREL_SOLVE [--seeds 40]

Each problem is solved from the same seeds with --stop-rule classic and with
the default relative rule.  From one seed both runs follow the same path
until the relative rule stops, so the relative run's final objective is the
classic run's objective at an earlier sweep; what the classic run gained
after that point is the cost of stopping early.  A run counts as stopped
early on a plateau when the classic run went on to a value lower by more
than 5e-5 (the tolerance within which an automatic-repeat series counts two
values as the same at the Normal level), or by more than 0.1 % of it.
"""
import argparse
import json
import os
import statistics
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = os.path.join(HERE, "..", "data", "Example_A.txt")

# (name, arguments before the seed)
PROBLEMS = [
    ("Example_A, ratio, Stress1", [EXAMPLE]),
    ("Example_A, ordinal, Stress1", [EXAMPLE, "--set", "STARTMDSAnalysisTypeNum=4"]),
    ("Example_A, interval, Stress", [EXAMPLE, "--set", "STARTMDSAnalysisTypeNum=2",
                                     "--set", "STARTBadnessFunctionNum=0"]),
    ("case 5, interval (line, intercept)", ["--special", "5", "--set", "STARTMDSAnalysisTypeNum=2"]),
    ("case 9, long-period helix 3D", ["--special", "9"]),
    ("case 14, 300 objects from 6D", ["--special", "14"]),
    ("case 16, violates triangle rule", ["--special", "16"]),
    ("case 18, attributes", ["--special", "18"]),
]

SAME_VALUE = 5e-5


def solve(binary, args, seed, classic):
    command = [binary, *args, "--seed", str(seed), "--quiet", "--json"]
    if classic:
        command += ["--stop-rule", "classic"]
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    result = json.loads(out)
    return result["objective"], result["sweeps"], result["ended_by"][0]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("solve", help="path of quorel-solve")
    parser.add_argument("--seeds", type=int, default=40)
    args = parser.parse_args()
    print(f"{'problem':36} {'runs':>4} {'early':>5} {'>0.1%':>5} {'largest gain':>12} "
          f"{'sweeps classic':>14} {'relative':>8}  ended by")
    for name, problem in PROBLEMS:
        early = relative_early = 0
        largest = 0.0
        sweeps_classic, sweeps_relative, ends = [], [], {}
        for seed in range(1, args.seeds + 1):
            f_classic, n_classic, _ = solve(args.solve, problem, seed, True)
            f_relative, n_relative, end = solve(args.solve, problem, seed, False)
            gain = f_relative - f_classic
            early += gain > SAME_VALUE
            relative_early += gain > 1e-3 * abs(f_classic)
            largest = max(largest, gain)
            sweeps_classic.append(n_classic)
            sweeps_relative.append(n_relative)
            ends[end] = ends.get(end, 0) + 1
        ended = ", ".join(f"{k} {v}" for k, v in sorted(ends.items()))
        print(f"{name:36} {args.seeds:4} {early:5} {relative_early:5} {largest:12.3g} "
              f"{statistics.median(sweeps_classic):14.0f} {statistics.median(sweeps_relative):8.0f}"
              f"  {ended}")


if __name__ == "__main__":
    main()
