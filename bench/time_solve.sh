#!/bin/sh
# Times quorel-solve end to end on built-in case 14 and on a problem of 1000
# random points in 2 dimensions (Stress), and prints sweeps per second and
# pair evaluations per second (a sweep evaluates every ordered pair of free
# objects: N (N - 1) evaluations).
#   usage: bench/time_solve.sh [BUILD_DIR]   (default build)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
solve=$build/bin/quorel-solve
[ -x "$solve" ] || { echo "no $solve: build the quorel-solve target first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_points.py" 1000 2 1 "$work/points1000.txt"

report() {
  # $1 label, $2 JSON line
  python3 - "$1" "$2" <<'PY'
import json, sys
label, r = sys.argv[1], json.loads(sys.argv[2])
n, sweeps, secs = r["objects"], r["sweeps"], r["seconds"]
pairs = sweeps * n * (n - 1)
print(f"{label}: {n} objects, {sweeps} sweeps, {secs:.3f} s solving, "
      f"objective {r['objective']:.3g} ({r['badness']}); "
      f"{sweeps / secs:.1f} sweeps/s, {pairs / secs / 1e6:.1f} M pair evaluations/s "
      f"({secs / pairs * 1e9:.2f} ns each)")
PY
}

cd "$work"
start=$(date +%s.%N)
line=$("$solve" --special 14 --quiet --json)
end=$(date +%s.%N)
report "special case 14" "$line"
echo "  end to end (with generation): $(echo "$end - $start" | bc) s"

start=$(date +%s.%N)
line=$("$solve" "$work/points1000.txt" --set STARTBadnessFunctionNum=0 --quiet --json)
end=$(date +%s.%N)
report "1000 random points" "$line"
echo "  end to end (with reading the 5 MB file): $(echo "$end - $start" | bc) s"
