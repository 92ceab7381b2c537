#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer and runs one.
# Usage: tests/fuzz/run.sh catalogue_csv|school_list SECONDS [extra libFuzzer options]
# Installs clang and its sanitizer runtime when they are missing. Crashes land in
# build-fuzz/crashes/; turn each into a regression test.
set -eu
cd "$(dirname "$0")/../.."
target="$1"
seconds="$2"
shift 2
for p in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
            clang libclang-rt-14-dev
        break
    fi
done
scripts/ensure-deps
if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTOMEWRIGHT_FUZZ=ON -DTOMEWRIGHT_WERROR=OFF
fi
cmake --build build-fuzz --target "fuzz_$target"
mkdir -p "build-fuzz/corpus/$target" build-fuzz/crashes
exec "build-fuzz/bin/fuzz_$target" "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -artifact_prefix=build-fuzz/crashes/ -print_final_stats=1 "$@"
