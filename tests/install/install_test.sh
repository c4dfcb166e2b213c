#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the programs from there:
# every file in its place, quorel-solve solves the installed example, the
# window program finds its help text in the prefix, the desktop entry is
# valid, and the manual page names every option quorel-solve offers.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
work="$(mktemp -d)"
trap 'rm -rf "$prefix" "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/quorel bin/quorel-solve \
    share/quorel/Example_A.txt share/quorel/QuorelHelp.txt share/quorel/ClickCmd.wav \
    share/applications/quorel.desktop share/icons/hicolor/scalable/apps/quorel.svg \
    share/man/man1/quorel-solve.1.gz share/man/man1/quorel.1.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

"$prefix/bin/quorel-solve" --help | grep -q "^usage: quorel-solve" || fail "quorel-solve --help"
cd "$work"
json="$("$prefix/bin/quorel-solve" --quiet --json --seed 1 "$prefix/share/quorel/Example_A.txt")"
[[ "$json" == *'"objects": 13'* ]] || fail "the installed example gave: $json"

info="$(HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen "$prefix/bin/quorel" --help)"
grep -qx "Help text: *$prefix/share/quorel/QuorelHelp.txt" <<<"$info" ||
  fail "the help text is not found in the prefix: $info"
grep -qx "Example data: *$prefix/share/quorel/Example_A.txt" <<<"$info" ||
  fail "the example is not found in the prefix: $info"
# An installed program keeps its settings with the user, not beside itself.
grep -qx "Settings: *$work/config/quorel/QuorelDefaults.dft" <<<"$info" ||
  fail "the settings are not kept with the user: $info"

desktop-file-validate "$prefix/share/applications/quorel.desktop" || fail "desktop entry"

manual="$(gzip -dc "$prefix/share/man/man1/quorel-solve.1.gz" | sed 's/\\-/-/g')"
for option in $("$prefix/bin/quorel-solve" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$manual" || fail "the manual page does not describe $option"
done
echo "installed and ran from $prefix"
