#!/usr/bin/env bash
# Renews docs/designer.png: the designer with a label of every kind, in a
# virtual display. Needs a build in ./build, xvfb and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target designer_showcase
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  ./build/tests/designer/designer_showcase "$@" &
  showcase=$!
  sleep 4
  import -window root docs/designer.png
  kill "$showcase"
' showcase "$@"
echo "docs/designer.png written"
