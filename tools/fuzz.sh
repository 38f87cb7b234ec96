#!/usr/bin/env bash
# Fuzzes each program's input handling for a fixed time with libFuzzer and
# the sanitizers, starting from the seeds in fuzz/seeds.
#
#   tools/fuzz.sh [SECONDS_PER_PROGRAM]     (default 60)
#
# Needs the fuzz build: cmake --preset fuzz && cmake --build --preset fuzz.
# A crash, a sanitizer report, a leak or an input that runs longer than the
# per-input timeout fails the run; the offending input is kept under
# build/fuzz/findings/. Prints one line per program with its executions.
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
status=0
# Allocations the programs cannot get must come back as a null pointer (which
# the programs report as out of memory), not end the run.
export ASAN_OPTIONS="allocator_may_return_null=1:max_allocation_size_mb=64:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for program in eigpair quadpanel rootstep; do
  corpus=build/fuzz/corpus/$program
  findings=build/fuzz/findings/$program
  log=build/fuzz/$program.log
  mkdir -p "$corpus" "$findings"
  if build/fuzz/fuzz/fuzz_"$program" "$corpus" fuzz/seeds/"$program" \
       -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -malloc_limit_mb=1024 \
       -max_len=4096 -close_fd_mask=3 -print_final_stats=1 \
       -artifact_prefix="$findings/" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $program: ${runs:-?} executions in ${seconds} s, nothing found"
  else
    status=1
    echo "fuzz $program: FAILED, see $log and $findings"
    grep -E 'ERROR|runtime error|Test unit written' "$log" | head -5
  fi
done
exit $status
