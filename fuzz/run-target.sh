#!/bin/sh
# Runs one fuzz target for a while on its seeds and the corpus it grows:
#   run-target.sh TARGET WORK SECONDS [OPTION...]
# WORK holds seeds/<name> (written by fuzz_seeds) and gets corpus/<name> and,
# when the target finds a fault, the input that shows it as <name>-crash-...
set -e
name=$(basename "$1" | sed 's/^fuzz_//')
mkdir -p "$2/corpus/$name" "$2/seeds/$name"
cd "$2"
target=$1 work=$2 seconds=$3
shift 3
exec "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -artifact_prefix="$work/$name-" "$@" "corpus/$name" "seeds/$name"
