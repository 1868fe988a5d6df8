#!/usr/bin/env bash
# Builds the Debian packages tq4600 and tq4600-dev from a Release build in
# build-package/ (preset package: no tests, Debian's hardening flags) and
# checks them (scripts/check-package.sh: layout, dependencies, lintian). The
# packages are left in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package -j2
./scripts/check-package.sh build-package
