#!/bin/bash
# Records the books of many seeds from one build, one file per request, so that two builds can
# be compared after a change to the draw (the same seed must give the same book):
#   tests/record_seed_books.sh BUILD_DIR OUT_DIR [DATABASE]
#   (the same with another build and OUT_DIR2), then: diff -r OUT_DIR OUT_DIR2
# Each file holds SEEDS books (--count), seeds 1000.. as JSON lines. Not run by ctest.
set -euo pipefail
build="$1"
out="$2"
database="${3:-$build/bin/Spells.mdb}"
seeds="${SEEDS:-200}"
cli="$build/bin/tomewright-cli"
mkdir -p "$out"

classes=(MAGE ABJURER ILLUSIONIST NECROMANCER "Elementalist - Fire" "Wild Mage" Dimensionalist
         Chronomancer)
volumes=(sparse low average high full custom)
levels=(1 5 12 30)

record() {
    local name="$1"
    shift
    "$cli" generate --db "$database" --name Recorder --count "$seeds" --seed 1000 \
        --format json "$@" > "$out/$name.json" 2> "$out/$name.err"
}

for class in "${classes[@]}"; do
    for volume in "${volumes[@]}"; do
        for level in "${levels[@]}"; do
            record "${class// /_}.$volume.$level" --class "$class" --volume "$volume" \
                --level "$level" --custom 1=4,2=0,3=2,5=40,9=1
        done
    done
    # Rarer limits, other specialist shares and one more excluded school.
    record "${class// /_}.common.30" --class "$class" --level 30 --volume full --frequency Common
    record "${class// /_}.rare.18" --class "$class" --level 18 --volume high --frequency Rare \
        --exclude Evocation
    for percent in 0 10 100; do
        record "${class// /_}.share$percent.30" --class "$class" --level 30 --volume full \
            --specialist-percent "$percent"
    done
done
