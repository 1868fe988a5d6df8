#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job on the bundled data.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2 >/dev/null
./build/bin/tqhost info
