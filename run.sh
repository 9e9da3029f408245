#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quodex with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
if [ -x build/bin/quodex ]; then
  exec build/bin/quodex "$@"
fi
echo "The editor (build/bin/quodex) is not built yet; the programs built so far are in build/bin/:"
ls build/bin/
