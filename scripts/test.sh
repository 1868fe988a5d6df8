#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite.
#   scripts/test.sh          the normal build in build/
#   scripts/test.sh asan     the AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2
ctest --preset "$preset" -j2
