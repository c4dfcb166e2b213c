#!/usr/bin/env python3
"""Writes a data file of N random points in D dimensions as a dissimilarity
list (lower triangle, named rows): a problem that embeds perfectly in D
dimensions.  usage: make_points.py N D SEED FILE"""
import math
import random
import sys

n, dims, seed, path = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
rng = random.Random(seed)
points = [[rng.random() for _ in range(dims)] for _ in range(n)]
with open(path, "w", newline="\r\n") as f:
    f.write(f"TITLE=Random points: {n} in {dims} dimensions\n")
    f.write(f"NOBJECTS={n}\n")
    f.write(f"STARTDimensionsNum={dims}\n")
    f.write("DISSIMILARITYLIST\n")
    for i in range(n):
        row = [f"{math.dist(points[i], points[j]):.6f}" for j in range(i)]
        f.write(", ".join([f"P{i + 1}"] + row) + "\n")
