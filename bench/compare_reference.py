#!/usr/bin/env python3
"""quorel-solve against scikit-learn's SMACOF on the same 1000-object matrices.

usage: compare_reference.py QUOREL_SOLVE [--repeats 3] [--objects 1000]

The problems, generated with a fixed seed:
  planar   the distances of random points in the unit square: an exact
           configuration exists in 2 dimensions, fitted in 2;
  noisy6d  the distances of random points in the unit 6-cube, each pair's
           multiplied by (1 + 0.1 z), z standard normal: no exact
           configuration, fitted in 6 dimensions.
Each matrix is scaled so that its largest value is 1 and written with six
decimals as a data file; both solvers get the values of that text.

Each repetition runs, problem by problem and interleaved: quorel-solve with
Stress, quorel-solve with its default Stress1, and sklearn.manifold.MDS
(metric, one start, its default max_iter=300 and eps=1e-3), all with seed 1.

Times: quorel-solve's is the whole process (start, reading the data file,
solving, writing the short solution file); SMACOF's is its fit alone (the
matrix already in memory, Python and numpy already loaded).  Wall and CPU
(user + system) times are both printed; the medians over the repetitions
are compared.

Normalised Stress, computed here in double precision in the same way for
both: the sum over pairs i < j of (d_ij - delta_ij)^2 divided by the sum of
delta_ij^2, where delta is the matrix both were given and d the Euclidean
distances of the final configuration as the solver returns it (quorel-solve:
the coordinates of its solution file, written with four decimals).  This is
quorel's Stress objective, and SMACOF's raw stress divided by half the sum of
squared dissimilarities.
"""
import argparse
import json
import os
import re
import resource
import statistics
import subprocess
import tempfile
import time

import numpy as np
from sklearn.manifold import MDS

SEED = 1


def make_problem(kind, n, rng):
    """The dissimilarity matrix (lower triangle as text and as numbers)."""
    dims = 2 if kind == "planar" else 6
    points = rng.random((n, dims))
    diff = points[:, None, :] - points[None, :, :]
    dist = np.sqrt((diff**2).sum(axis=-1))
    if kind == "noisy6d":
        noise = 1.0 + 0.1 * rng.standard_normal((n, n))
        noise = np.tril(noise, -1)
        dist = np.clip(dist * (noise + noise.T), 0.0, None)
        np.fill_diagonal(dist, 0.0)
    dist /= dist.max()
    rows = [[f"{dist[i, j]:.6f}" for j in range(i)] for i in range(n)]
    delta = np.zeros((n, n))
    for i, row in enumerate(rows):
        if row:
            delta[i, :i] = [float(v) for v in row]
    delta = delta + delta.T
    return dims, rows, delta


def write_data_file(path, kind, dims, rows):
    with open(path, "w", newline="\r\n") as f:
        f.write(f"TITLE=Benchmark {kind}: {len(rows)} objects\n")
        f.write(f"NOBJECTS={len(rows)}\n")
        f.write(f"STARTDimensionsNum={dims}\n")
        f.write("DISSIMILARITYLIST\n")
        f.write("0\n")  # row 1 without a name holds the diagonal value
        for row in rows[1:]:
            f.write(", ".join(row) + "\n")


def normalised_stress(config, delta):
    diff = config[:, None, :] - config[None, :, :]
    d = np.sqrt((diff**2).sum(axis=-1))
    upper = np.triu_indices(len(delta), 1)
    return float(((d[upper] - delta[upper]) ** 2).sum() / (delta[upper] ** 2).sum())


def read_locations(path, n, dims):
    """The coordinates after LOCATIONLIST in a solution file."""
    with open(path) as f:
        lines = f.read().splitlines()
    first = lines.index("LOCATIONLIST") + 1
    number = re.compile(r"[+-]\d+\.\d+")
    config = [[float(v) for v in number.findall(line)][-dims:] for line in lines[first : first + n]]
    return np.array(config)


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run_quorel(solve, data_file, solution_file, badness, n, dims, delta):
    args = [solve, data_file, "--seed", str(SEED), "--quiet", "--json", "--short", solution_file]
    if badness == "Stress":
        args[2:2] = ["--set", "STARTBadnessFunctionNum=0"]
    cpu = children_cpu()
    start = time.perf_counter()
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    wall = time.perf_counter() - start
    cpu = children_cpu() - cpu
    result = json.loads(out)
    config = read_locations(solution_file, n, dims)
    ended = ", ".join(result.get("ended_by", []))  # older builds do not say
    steps = f"{result['sweeps']} sweeps" + (f" ({ended})" if ended else "")
    return wall, cpu, normalised_stress(config, delta), steps


def run_reference(dims, delta):
    mds = MDS(n_components=dims, metric=True, n_init=1, dissimilarity="precomputed",
              random_state=SEED, normalized_stress=False)
    cpu = time.process_time()
    start = time.perf_counter()
    mds.fit(delta)
    wall = time.perf_counter() - start
    cpu = time.process_time() - cpu
    return wall, cpu, normalised_stress(mds.embedding_, delta), f"{mds.n_iter_} iterations"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("solve", help="path of quorel-solve")
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--objects", type=int, default=1000)
    args = parser.parse_args()
    n = args.objects
    solvers = ["quorel Stress", "quorel Stress1", "SMACOF"]
    problems = ["planar", "noisy6d"]
    rng = np.random.default_rng(2024)
    load_before = os.getloadavg()
    with tempfile.TemporaryDirectory() as work:
        data = {}
        for kind in problems:
            dims, rows, delta = make_problem(kind, n, rng)
            path = os.path.join(work, f"{kind}.txt")
            write_data_file(path, kind, dims, rows)
            data[kind] = (path, dims, delta)
        results = {(k, s): [] for k in problems for s in solvers}
        for _ in range(args.repeats):
            for kind in problems:
                path, dims, delta = data[kind]
                solution = os.path.join(work, "solution.txt")
                for badness in ("Stress", "Stress1"):
                    results[(kind, f"quorel {badness}")].append(
                        run_quorel(args.solve, path, solution, badness, n, dims, delta))
                results[(kind, "SMACOF")].append(run_reference(dims, delta))
    load_after = os.getloadavg()

    print(f"{n} objects, {args.repeats} interleaved repetitions; load average "
          f"{load_before[0]:.1f} before, {load_after[0]:.1f} after, on {os.cpu_count()} cores")
    print(f"{'problem':8} {'solver':15} {'wall s (each)':24} {'median':>7} {'cpu s':>7}  "
          f"{'norm. Stress':>12}  steps")
    for kind in problems:
        for solver in solvers:
            runs = results[(kind, solver)]
            walls = [r[0] for r in runs]
            cpus = [r[1] for r in runs]
            each = " ".join(f"{w:.3f}" for w in walls)
            print(f"{kind:8} {solver:15} {each:24} {statistics.median(walls):7.3f} "
                  f"{statistics.median(cpus):7.3f}  {runs[-1][2]:12.4e}  {runs[-1][3]}")
    print()
    for kind in problems:
        ref = results[(kind, "SMACOF")]
        ref_wall = statistics.median(r[0] for r in ref)
        ref_cpu = statistics.median(r[1] for r in ref)
        ref_stress = ref[-1][2]
        for solver in solvers[:2]:
            runs = results[(kind, solver)]
            wall = statistics.median(r[0] for r in runs)
            cpu = statistics.median(r[1] for r in runs)
            print(f"{kind:8} {solver:15} time / SMACOF's: wall 1/{ref_wall / wall:.1f}, "
                  f"cpu 1/{ref_cpu / cpu:.1f}; normalised Stress / SMACOF's: "
                  f"{runs[-1][2] / ref_stress:.4f}")


if __name__ == "__main__":
    main()
