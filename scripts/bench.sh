#!/usr/bin/env bash
# Runs every benchmark of the README's tables in one go, each beside its raw
# baseline in the same run, and prints the medians of ten repetitions (three
# for the PDFs, which take seconds each) with their spread (_cv). The load is
# printed before and after: times follow it, ratios much less.
# A benchmark binary that fails, reports an error, or runs longer than
# BENCH_TIMEOUT seconds (600 unless set) stops the script with its output.
# Usage: scripts/bench.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
b=${1:-build}
limit=${BENCH_TIMEOUT:-600}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
date -u
uptime
# Runs one benchmark binary with its arguments and prints the lines of its
# report that match the pattern; on a failure, an error or the time limit,
# says which and stops.
bench() {
    local pattern=$1
    shift
    local out rc=0
    out=$(timeout --kill-after=10 "$limit" "$@" 2>"$errors") || rc=$?
    if [[ $rc -ne 0 ]] || grep -q 'ERROR OCCURRED' <<<"$out"; then
        if [[ $rc -eq 124 || $rc -eq 137 ]]; then
            echo "bench.sh: $* did not finish within $limit s" >&2
        else
            echo "bench.sh: $* failed (exit status $rc)" >&2
        fi
        printf '%s\n' "$out" >&2
        tail -n 20 "$errors" >&2
        exit 1
    fi
    grep -E "$pattern" <<<"$out" || true
}
run() {
    local reps=$1
    shift
    bench '_(median|cv) ' "$@" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true
}
run 10 "$b/bench_single_click_run" --benchmark_filter='/(10000|30000)/'
run 10 "$b/bench_pay_bill" --benchmark_filter='(ActivateNow|InnerSheetShown).*/(10000|30000)/'
run 3 "$b/bench_pay_bill" --benchmark_filter='(InnerSheetPdf|BothSheetsPdf).*/10000/'
run 10 "$b/bench_bill_workbooks"
run 10 "$b/bench_b_statement"
run 10 "$b/bench_pay_slips"
run 10 "$b/bench_provident_fund"
bench '^BM_' "$b/bench_whole_month" --benchmark_filter='/(10000|30000)/'
uptime
