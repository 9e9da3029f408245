#!/usr/bin/env bash
# Times each macro program (in-process, CPU time of Execute) and the same
# program in Lua 5.4 (CPU time of running the chunk), best of three runs, and
# prints the ratio ours / Lua. Usage: run_bench.sh [BUILD_DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-macro}
bench=$build/bench/macro/macro_bench
if [ ! -x "$bench" ]; then
  echo "macro_bench not found in $build (configure with -DQUODEX_BUILD_BENCH=ON and build macro_bench)" >&2
  exit 2
fi
if ! command -v lua5.4 >/dev/null; then
  echo "Installing lua5.4 for the comparison" >&2
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y lua5.4 >/dev/null
fi

best() {  # best of three: prints the smallest time a command reports on stderr
  local min=""
  for _ in 1 2 3; do
    local t
    t=$("$@" 2>&1 >/dev/null | tail -1)
    if [ -z "$min" ] || awk "BEGIN{exit !($t < $min)}"; then min=$t; fi
  done
  echo "$min"
}

lua_timed() {
  lua5.4 -e "local t = os.clock(); dofile('$1'); io.stderr:write(os.clock() - t, '\n')"
}

printf '%-16s %10s %10s %7s\n' program "ours (s)" "lua (s)" ratio
status=0
for name in for_int while_string case_branches; do
  ours_out=$("$bench" "$here/$name.qmc" 2>/dev/null)
  lua_out=$(lua_timed "$here/$name.lua" 2>/dev/null)
  if [ "$ours_out" != "$lua_out" ]; then
    echo "$name: results differ: '$ours_out' vs '$lua_out'" >&2
    status=1
  fi
  ours=$(best "$bench" "$here/$name.qmc")
  lua=$(best lua_timed "$here/$name.lua")
  ratio=$(awk "BEGIN{printf \"%.2f\", $ours / $lua}")
  printf '%-16s %10.4f %10.4f %7s\n' "$name" "$ours" "$lua" "$ratio"
done
exit $status
