#!/usr/bin/env bash
# Runs every benchmark of the README's tables in one go, each beside its raw
# baseline in the same run, and prints the medians of ten repetitions (three
# for the PDFs, which take seconds each) with their spread (_cv). The load is
# printed before and after: times follow it, ratios much less.
# Usage: scripts/bench.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
b=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
date -u
uptime
run() {
    local reps=$1
    shift
    "$@" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true 2>/dev/null |
        grep -E '_(median|cv) '
}
run 10 "$b/bench_single_click_run" --benchmark_filter='/(10000|30000)/'
run 10 "$b/bench_pay_bill" --benchmark_filter='(ActivateNow|InnerSheetShown).*/(10000|30000)/'
run 3 "$b/bench_pay_bill" --benchmark_filter='(InnerSheetPdf|BothSheetsPdf).*/10000/'
run 10 "$b/bench_bill_workbooks"
run 10 "$b/bench_b_statement"
run 10 "$b/bench_pay_slips"
run 10 "$b/bench_provident_fund"
"$b/bench_whole_month" --benchmark_filter='/(10000|30000)/' 2>/dev/null | grep -E '^BM_'
uptime
