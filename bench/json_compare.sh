#!/bin/sh
# Runs the JSON benchmarks and, when jq is installed, times `jq -c .` on the
# same generated JSON-lines file.
#   bench/json_compare.sh [path/to/json_bench]
set -e
BENCH=${1:-build/bench/bench/json_bench}
DIR=${AMBERTIDE_BENCH_DIR:-${TMPDIR:-/tmp}/ambertide-bench}
export AMBERTIDE_BENCH_DIR="$DIR"
"$BENCH" --benchmark_filter='ParseLines|DecodeAndParse|ParseDocument|WriteCompact|JsonReaderRows'
FILE="$DIR/lines-1000000.json"
if command -v jq >/dev/null 2>&1; then
    SIZE=$(stat -c %s "$FILE")
    START=$(date +%s.%N)
    jq -c . "$FILE" > /dev/null
    END=$(date +%s.%N)
    echo "jq -c . on $FILE ($SIZE bytes):" \
        "$(echo "$START $END $SIZE" | awk '{ t = $2 - $1; printf "%.2f s, %.1f MB/s, %.0f rows/s", t, $3 / t / 1e6, 1000000 / t }')"
else
    echo "jq is not installed: no comparison"
fi
