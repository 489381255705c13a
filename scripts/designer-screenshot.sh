#!/usr/bin/env bash
# Renews a picture of the designer with a label of every kind, in a virtual
# display: docs/designer.png, or the file named by OUTPUT, on a screen of
# SCREEN (default 1280x1024x24). The arguments go to the showcase (a page
# name, --select=NAME, --shelf, --preview). Needs a build in ./build, xvfb
# and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
export OUTPUT="${OUTPUT:-docs/designer.png}"
SCREEN="${SCREEN:-1280x1024x24}"
cmake --build build -j2 --target designer_showcase
xvfb-run -a -s "-screen 0 $SCREEN" bash -c '
  ./build/tests/designer/designer_showcase "$@" &
  showcase=$!
  sleep 4
  import -window root "$OUTPUT"
  kill "$showcase"
' showcase "$@"
echo "$OUTPUT written"
