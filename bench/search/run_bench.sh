#!/bin/sh
# Find, replace-all and the action viewer against their yardsticks, in one
# run: replace-all and its undo against loading the 50 MB file, find next
# without a hit against `grep -c`, the action viewer's rebuild over the
# 5,000 sources against `grep -rn action` written to a file.
# Usage: run_bench.sh BUILD_DIR [CORPUS_DIR]   (a build with -DQUODEX_BUILD_BENCH=ON;
# the corpus from python3 shared/tools/gen_corpus.py CORPUS_DIR)
set -e
build=${1:?build dir}
corpus=${2:-$(dirname "$0")/../../corpus}
export QUODEX_CORPUS="$corpus/big.lum" QUODEX_CORPUS_SRCS="$corpus/srcs"

best_ms() {  # best of five runs of a shell command, in milliseconds
    best=
    for run in 1 2 3 4 5; do
        start=$(date +%s%N)
        sh -c "$1" > /dev/null 2>&1 || true
        ms=$(( ($(date +%s%N) - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

cat "$corpus/big.lum" "$corpus"/srcs/* > /dev/null
"$build/bench/search/replace_bench" --benchmark_counters_tabular=true
"$build/bench/search/actionviewer_bench" --benchmark_counters_tabular=true
out=$(mktemp)
echo "grep -c QuodexNoSuchWord big.lum: best of 5 = $(best_ms "LC_ALL=C grep -c QuodexNoSuchWord '$corpus/big.lum'") ms"
echo "grep -rn action srcs > file: best of 5 = $(best_ms "cd '$corpus' && LC_ALL=C grep -rn action srcs > '$out'") ms"
rm -f "$out"
