#!/bin/sh
# Runs the study reader's fuzz target for a bounded time from the committed seeds.
#   run_fuzz.sh FUZZER SEEDS WORKDIR SECONDS
# New inputs go to WORKDIR/corpus, crashes, leaks and hangs to WORKDIR/ (crash-*, leak-*,
# timeout-*); the seeds are never written to.
set -eu
fuzzer=$1 seeds=$2 work=$3 seconds=$4
mkdir -p "$work/corpus"
cd "$work"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -dict="$(dirname "$seeds")/study.dict" -print_final_stats=1 corpus "$seeds"
