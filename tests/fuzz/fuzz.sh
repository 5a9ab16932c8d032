#!/usr/bin/env bash
# Runs one fuzz target: `replay` runs every input of its committed corpus once (a regression
# test); a number of seconds fuzzes that long from the corpus, keeps new inputs beside the
# program (never in the committed corpus) and ends with one line of figures.
# Usage: fuzz.sh PROGRAM replay|SECONDS [libFuzzer options...]
set -u
program=$1
mode=$2
shift 2
name=$(basename "$program" _fuzz)
corpus=$(cd "$(dirname "$0")" && pwd)/corpus/$name
work=$(dirname "$program")/work-$name
mkdir -p "$work/new" "$work/crashes"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
options=(-max_len=4096 -timeout=20 -rss_limit_mb=2048 "-artifact_prefix=$work/crashes/")

if [ "$mode" = replay ]; then
    exec "$program" "${options[@]}" -runs=0 "$@" "$corpus"
fi

log=$work/last-run.log
"$program" "${options[@]}" -max_total_time="$mode" -print_final_stats=1 "$@" \
    "$work/new" "$corpus" >"$log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
    tail -60 "$log"
    echo "$name: FAILED (status $status); the input is in $work/crashes/"
    exit "$status"
fi
runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
speed=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$log")
coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)
echo "$name: $runs runs in ${mode}s, $speed per second, $coverage (edges, features)"
