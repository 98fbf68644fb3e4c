#!/usr/bin/env bash
# Builds and starts the monitor.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "The monitor program is not built yet: only the shared library and the measures exist."
echo "Run tools/test.sh to build them and run their tests."
exit 1
