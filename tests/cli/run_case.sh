#!/usr/bin/env bash
# Runs kordane02 end to end for one case folder and compares the outcome.
#
#   run_case.sh PROGRAM CASE_FOLDER
#
# A case folder holds:
#   args       the command line, as shell words (may be empty)
#   exit       the expected exit status (255 stands for -1)
#   files/     fixture files copied into the scratch folder first (optional)
#   prepare    shell lines run in the scratch folder before the program (optional)
#   expect/    files that must exist afterwards, compared whole (optional)
#   absent     names of files that must not exist afterwards (optional)
#   stderr     the expected standard error, whole (optional)
#   input      "WIDTH HEIGHT": input.txt must be a generated matrix of that size (optional)
#   masked     names of expected files whose result lines depend on random
#              input: each such line is compared as its count of values (optional)
# Report files are compared with the processor or adapter description line
# and the seconds of each time line masked.
set -u
program=$1
case_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

[ -d "$case_dir/files" ] && cp -r "$case_dir/files/." "$scratch/"
cd "$scratch" || exit 2
[ -f "$case_dir/prepare" ] && bash "$case_dir/prepare"

args=$(cat "$case_dir/args" 2>/dev/null || true)
# shellcheck disable=SC2086
"$program" $args >stdout.log 2>stderr.log
status=$?
failed=0
fail() { echo "FAIL: $*"; failed=1; }

mask() {
  sed -E -e 's/^time: [0-9]+s$/time: Ns/' -e 's/^ .* \( .* \) $/ {hardware} /' -e 's/^Unknown$/ {hardware} /' "$1"
}

# A result line ("v, v, v" of fixed-point numbers) as "{N values}".
mask_values() {
  awk '/^-?[0-9]+\.[0-9]+(, -?[0-9]+\.[0-9]+)*$/ { print "{" NF " values}"; next } { print }'
}

is_masked() {
  [ -f "$case_dir/masked" ] && grep -qxF "$1" "$case_dir/masked"
}

expected_status=$(cat "$case_dir/exit")
[ "$status" = "$expected_status" ] || fail "exit status $status, expected $expected_status"

if [ -f "$case_dir/stderr" ]; then
  diff -u "$case_dir/stderr" stderr.log >diff.log || { fail "standard error differs"; cat diff.log; }
fi

if [ -d "$case_dir/expect" ]; then
  for expected in "$case_dir"/expect/*; do
    name=$(basename "$expected")
    if [ ! -f "$name" ]; then fail "$name was not written"; continue; fi
    if is_masked "$name"; then
      diff -u <(mask "$expected" | mask_values) <(mask "$name" | mask_values) >diff.log || { fail "$name differs"; cat diff.log; }
    else
      diff -u <(mask "$expected") <(mask "$name") >diff.log || { fail "$name differs"; cat diff.log; }
    fi
  done
fi

if [ -f "$case_dir/absent" ]; then
  while read -r name; do
    [ -z "$name" ] && continue
    [ -e "$name" ] && fail "$name should not exist"
  done <"$case_dir/absent"
fi

if [ -f "$case_dir/input" ]; then
  read -r width height <"$case_dir/input"
  awk -v w="$width" -v h="$height" '
    NR == 1 { if ($0 != w " " h) { print "header: " $0; bad = 1 }; next }
    { if (NF != w || substr($0, length($0)) != " ") { print "row " NR - 1 ": " NF " values"; bad = 1 }
      for (i = 1; i <= NF; i++) if ($i !~ /^[0-9]+$/ || $i < 1 || $i > 1001) { print "value " $i; bad = 1 }
      rows++ }
    END { if (rows != h) { print rows " rows"; bad = 1 }; exit bad }' input.txt || fail "input.txt is not a generated $width x $height matrix"
fi

if [ "$failed" -ne 0 ]; then
  echo "--- standard error:"; cat stderr.log
  exit 1
fi
exit 0
