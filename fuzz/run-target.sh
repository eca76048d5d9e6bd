#!/bin/sh
# Runs one fuzz target for a while on its seeds and the corpus it grows:
#   run-target.sh TARGET WORK SECONDS
# WORK holds seeds/<name> (written by fuzz_seeds) and gets corpus/<name> and,
# when the target finds a fault, the input that shows it as <name>-crash-...
set -e
name=$(basename "$1" | sed 's/^fuzz_//')
mkdir -p "$2/corpus/$name" "$2/seeds/$name"
cd "$2"
exec "$1" -max_total_time="$3" -rss_limit_mb=2048 -artifact_prefix="$2/$name-" "corpus/$name" "seeds/$name"
