#!/bin/sh
# Runs the editor benchmark and times the programs it is measured against on
# the same file: `grep -c` for the missing strings, `iconv -f UTF-8 -t CP932`
# of the same text for saving, and the opening of the file in the program
# against SciTE (open_bench.py; needs Xvfb, xdotool and, for the comparison,
# Debian's scite).
# Usage: run_bench.sh BUILD_DIR [CORPUS_FILE [MORE_FILES_TO_OPEN...]]
set -e
build=${1:?build dir}
corpus=${2:-$(dirname "$0")/../../corpus/big.lum}
[ $# -ge 2 ] && shift 2 || shift $#
export QUODEX_CORPUS="$corpus"
"$build/bench/components/components_bench" --benchmark_counters_tabular=true
"$build/bench/components/components_wrap_bench" --benchmark_counters_tabular=true
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
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
iconv -f CP932 -t UTF-8 "$corpus" > "$work/utf8"
best=
for run in 1 2 3; do
    start=$(date +%s%N)
    iconv -f UTF-8 -t CP932 "$work/utf8" > "$work/cp932"
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "iconv -f UTF-8 -t CP932 of the same text: best of 3 = ${best} ms"
python3 "$(dirname "$0")/open_bench.py" "$build" "$corpus" "$@"
