#!/usr/bin/env bash
# Installs the build into a private prefix and checks what the desktop reads
# there: the menu entry, the label files' type and the software centre's
# description pass their validators and name each other consistently, the
# type cache knows *.lab, and the program answers its command line.
#   desktop-files.sh BUILD_DIR
set -uo pipefail

build=$1
fail() { echo "FAILED: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null 2>&1 ||
    fail "$tool is missing (scripts/ensure-packages.sh installs desktop-file-utils, appstream, shared-mime-info)"
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
installed=$(cmake --install "$build" --prefix "$prefix" 2>&1) || fail "cmake --install: $installed"

share=$prefix/share
desktop=$share/applications/quorvel.desktop
mime=$share/mime/packages/quorvel.xml
metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -1)
for file in "$prefix/bin/quorvel" "$prefix/bin/quorvel-batch" "$share/doc/quorvel/quorvel.pdf" "$desktop" "$mime" \
            "$metainfo" "$share/icons/hicolor/256x256/apps/quorvel.png"; do
  [ -s "$file" ] || fail "not installed: ${file:-the metainfo file}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net $metainfo"

type=$(grep -o '<mime-type type="[^"]*"' "$mime" | cut -d'"' -f2)
[ "$type" = application/x-quorvel-label ] || fail "the label type is '$type'"
grep -qx "MimeType=$type;" "$desktop" || fail "the menu entry does not open $type"
grep -qx 'Exec=quorvel %f' "$desktop" || fail "the menu entry does not start quorvel with the file"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metainfo does not name $type"
grep -q '<launchable type="desktop-id">quorvel.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch the installed menu entry"
grep -qx "$type:\*\.lab" <(cut -d: -f2- "$share/mime/globs2") || fail "the type cache does not map *.lab to $type"
grep -q "^$type=quorvel.desktop;" "$share/applications/mimeinfo.cache" ||
  fail "the menu cache does not open $type with quorvel.desktop"

help=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/quorvel" --help) ||
  fail "quorvel --help"
grep -q 'etikett.lab' <<<"$help" || fail "quorvel --help does not name the label argument"
[ ! -e "$prefix/config/quorvel" ] || fail "quorvel --help touched the settings"
echo "desktop files pass"
