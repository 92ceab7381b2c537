#!/bin/sh
# Runs N crash trials (default 1000) against the built program and prints
# "trials: N, corrupt: C, partial: P". Usage: tests/crash_trials.sh [N] [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
exec "${2:-build}/bin/crash_trials" "${1:-1000}"
