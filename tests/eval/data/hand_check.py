#!/usr/bin/env python3
"""Hand computation of the evaluation figures of example_a_1d.txt (a solution
of Example_A in one dimension, Stress, ratio analysis), written without the
program's code: the Shepard Rsq for ratio and for ordinal analysis and each
object's share of the Stress value.  Its output is kept in the evaluation
test; run it again when the data file changes:  python3 hand_check.py
"""
import math
import os

here = os.path.dirname(os.path.abspath(__file__))
lines = open(os.path.join(here, "example_a_1d.txt"), encoding="latin-1").read().splitlines()


def section(keyword, rows):
    start = lines.index(keyword) + 1
    return [line.split(",", 1)[1].split() for line in lines[start:start + rows]]


n = 13
x = [float(row[0]) for row in section("LOCATIONLIST", n)]
lower = section("DISSIMILARITYLIST", n)
dissim = {(i, j): float(lower[j][i]) for j in range(n) for i in range(j)}

# Links in the program's order: j = 2..n, i = 1..j-1 (0-based here).
links = [(i, j) for j in range(1, n) for i in range(j)]
dist = {p: abs(x[p[0]] - x[p[1]]) for p in links}
mean = sum(dist.values()) / len(links)
sst = sum((dist[p] - mean) ** 2 for p in links)


def rsq(expected):
    sse = sum((dist[p] - expected[p]) ** 2 for p in links)
    return 1 - sse / sst, math.sqrt(sse / (len(links) - 1))


# Ordinal: the midpoint of the running maximum and the running minimum (from
# the top) of the distances in dissimilarity order.
ordered = sorted(links, key=lambda p: dissim[p])  # stable: list order on ties
ties = len(ordered) - len({dissim[p] for p in ordered})
d_sorted = [dist[p] for p in ordered]
env_max = [max(d_sorted[:k + 1]) for k in range(len(d_sorted))]
env_min = [min(d_sorted[k:]) for k in range(len(d_sorted))]
adjusted = {p: (env_max[k] + env_min[k]) / 2 for k, p in enumerate(ordered)}

print("ties among the dissimilarities: %d" % ties)
print("ratio   Rsq %.6f  std. error %.6f" % rsq(dissim))
print("ordinal Rsq %.6f  std. error %.6f" % rsq(adjusted))

# Stress shares: sum over partners of (d - D)^2, over 2 * sum over pairs of D^2.
normaliser = 2 * sum(dissim[p] ** 2 for p in links)
shares = [sum((dist[p] - dissim[p]) ** 2 for p in links if k in p) / normaliser for k in range(n)]
print("Stress shares:", ", ".join("%.6f" % v for v in shares))
print("sum of the shares (the Stress value): %.6f" % sum(shares))
