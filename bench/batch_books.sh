#!/bin/bash
# Times 1,000 Full 30th-level MAGE books written as JSON to /dev/null on the shipped catalogue.
# Usage: bench/batch_books.sh [BUILD_DIR]   (median of 5 runs)
set -euo pipefail
cli="${1:-build}/bin/tomewright-cli"
# The shipped catalogue itself, not the user's copy the command would otherwise make and check.
database="${1:-build}/bin/Spells.mdb"
times=()
for run in 1 2 3 4 5; do
    start=$(date +%s.%N)
    "$cli" generate --name Batch --level 30 --class MAGE --volume full --count 1000 \
        --seed "$run" --format json --db "$database" > /dev/null 2> /dev/null
    end=$(date +%s.%N)
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')")
done
median=$(printf '%s\n' "${times[@]}" | sort -g | sed -n 3p)
printf 'batch_1000_full_books_s: %.2f s\n' "$median"
