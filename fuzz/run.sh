#!/bin/sh
# Runs each fuzzer for a bounded time: run.sh SECONDS SEED_ROOT WORK_DIR FUZZER...
# New inputs go to WORK_DIR/corpus/<name> (the seeds in SEED_ROOT/<name> are
# only read); a crashing input is kept as WORK_DIR/artifacts/<name>-crash-*.
# Prints one line per fuzzer with its executions and time; fails when any crashed.
set -u
seconds=$1 seeds=$2 work=$3
shift 3
failed=""
# The plug-in syncs its settings file on every write: a memory file system
# keeps that from setting the pace.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
mkdir -p "$work/artifacts" "$work/logs"
for fuzzer in "$@"; do
  name=$(basename "$fuzzer" | sed 's/^fuzz_//')
  mkdir -p "$work/corpus/$name"
  log="$work/logs/$name.log"
  # -close_fd_mask=2: the plug-in's message boxes go to standard error.
  if "$fuzzer" -max_total_time="$seconds" -timeout=20 -close_fd_mask=2 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/$name-" "$work/corpus/$name" "$seeds/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$log")
    echo "fuzz_$name: $runs, no crash"
  else
    echo "fuzz_$name: FAILED (log: $log)"
    tail -n 40 "$log"
    failed="$failed $name"
  fi
done
[ -z "$failed" ] || { echo "fuzzers that failed:$failed"; exit 1; }
