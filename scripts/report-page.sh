#!/usr/bin/env bash
# Draws the first page of the main job's documentation report as a picture for
# the README: runs the main job (scripts/run.sh), then renders page 1 of
# build/demo/demo.pdf at 60 dots per inch into docs/report/page-1.png.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/run.sh >/dev/null
mkdir -p docs/report
pdftoppm -png -r 60 -f 1 -l 1 -singlefile build/demo/demo.pdf docs/report/page-1
echo docs/report/page-1.png
