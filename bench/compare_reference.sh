#!/bin/sh
# quorel-solve against scikit-learn's SMACOF (the reference solver) on the
# same 1000-object matrices: wall-time ratios and final normalised Stress.
# Installs Debian's python3-sklearn (with numpy) when it is missing; not part
# of scripts/test.  See compare_reference.py for what is run and measured.
#   usage: bench/compare_reference.sh [BUILD_DIR] [--repeats N]   (default build)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build
case "${1:-}" in
  --*|"") ;;
  *) build=$1; shift ;;
esac
solve=$(cd "$build" && pwd)/bin/quorel-solve
[ -x "$solve" ] || { echo "no $solve: build the quorel-solve target first" >&2; exit 1; }

# Debian's own interpreter, where Debian's packages install the modules.
python=/usr/bin/python3
if ! "$python" -c "import numpy, sklearn" 2>/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends python3-sklearn
fi
exec "$python" "$here/compare_reference.py" "$solve" "$@"
