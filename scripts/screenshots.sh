#!/usr/bin/env bash
# Takes the start window's screenshots in German and in English under Xvfb
# (needs xvfb and ImageMagick) into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(pwd)/build/src/app/quorvel
target=$(pwd)/docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() {  # language, content of data1.ini
  mkdir -p "$work/$1/quorvel"
  printf "$2" > "$work/$1/quorvel/data1.ini"
  (cd "$work/$1" && XDG_CONFIG_HOME="$work/$1" xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    "\"$program\" & pid=\$!; sleep 3; import -window root root.png; kill \$pid")
  # Without a window manager the window has no frame: cut it out of the black screen.
  convert "$work/$1/root.png" -fuzz 1% -trim +repage "$target/start-$1.png"
}

mkdir -p "$target"
shoot de '1\r\n0\r\n0\r\n0\r\n'
shoot en '0\r\n0\r\n1\r\n0\r\n'
