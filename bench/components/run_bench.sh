#!/bin/sh
# Runs the editor benchmark and times `grep -c` on the same file for the
# same missing strings. Usage: run_bench.sh BUILD_DIR [CORPUS_FILE]
set -e
build=${1:?build dir}
corpus=${2:-$(dirname "$0")/../../corpus/big.lum}
export QUODEX_CORPUS="$corpus"
"$build/bench/components/components_bench" --benchmark_counters_tabular=true
cat "$corpus" > /dev/null
for pattern in QuodexNoSuchWord "$(printf '存在しない語句' | iconv -f utf-8 -t cp932)"; do
    best=
    for run in 1 2 3 4 5; do
        start=$(date +%s%N)
        LC_ALL=C grep -c -- "$pattern" "$corpus" > /dev/null || true
        ms=$(( ($(date +%s%N) - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "grep -c $(printf '%s' "$pattern" | iconv -f cp932 -t utf-8): best of 5 = ${best} ms"
done
