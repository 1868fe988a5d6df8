#!/usr/bin/env bash
# Builds the Debian packages tq4600 and tq4600-dev from a Release build in
# build-package/ (preset package: no tests) and shows what each holds.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package -j2
cpack --preset package
for deb in build-package/*.deb; do
  echo "== $deb"
  dpkg-deb -f "$deb" Package Version Architecture Depends Recommends
  dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$'
done
