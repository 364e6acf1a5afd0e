#!/usr/bin/env bash
# Builds the Debian package of a build folder, checks it with lintian, unpacks
# it into a scratch root and starts the program from its desktop entry,
# offscreen. The program has started cleanly when it is still running after a
# few seconds without a warning; it is then ended.
#   package-smoke.sh <build folder> <application id>
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation2; do
  [[ ",$depends," == *[,\ ]$needed[,\ ]* ]] || fail "the package does not depend on $needed"
done

# No error and no warning from lintian at its default severity; of its
# informational tags, none about hardening (bindnow, fortify, relro, PIE).
set +e
lintian --info --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1
status=$?
set -e
if [ "$status" -ne 0 ] || grep -q '^I: [^ ]* hardening-' "$scratch/lintian.log"; then
  grep -v '^running with root privileges' "$scratch/lintian.log" >&2
  fail "lintian (status $status): the package is not clean"
fi
echo "lintian: clean"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
for file in bin/voltaris share/voltaris/voltaris.HLP share/applications/$app_id.desktop \
            share/metainfo/$app_id.metainfo.xml share/icons/hicolor/scalable/apps/$app_id.svg \
            share/icons/hicolor/16x16/apps/$app_id.png share/icons/hicolor/256x256/apps/$app_id.png \
            share/doc/voltaris/copyright share/doc/voltaris/changelog.gz; do
  [ -s "$usr/$file" ] || fail "missing $file"
done
gzip -t "$usr/share/doc/voltaris/changelog.gz" || fail "changelog.gz is not gzip"
for page in voltaris voltaris-cli; do
  [ -s "$usr/share/man/man1/$page.1.gz" ] || fail "no manual page for $page"
done
# The icon stands on the desktop's own background: transparent corners
# around an opaque middle, at every size.
for png in "$usr"/share/icons/hicolor/*/apps/$app_id.png; do
  read -r corner middle < <(convert "$png" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]\n' info:)
  [ "$corner" = 0 ] && [ "$middle" = 1 ] ||
    fail "$(basename "$(dirname "$(dirname "$png")")") icon: corner alpha $corner, middle alpha $middle"
done
entry=$usr/share/applications/$app_id.desktop
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -e "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named $icon"
command=$(sed -n 's/^Exec=//p' "$entry")
program=${command%% *}
[ -x "$usr/bin/$program" ] || fail "the desktop entry starts $program, not installed in bin"

# Started as the desktop would: by name, from the PATH. The About box runs
# modally at start; nothing would end it, so a timeout does.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
set +e
PATH="$usr/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout -s TERM 4 "$program" >"$scratch/run.log" 2>&1
status=$?
set -e
grep -v -e propagateSizeHints "$scratch/run.log" >&2 && fail "the program printed the warnings above"
[ "$status" -eq 124 ] || fail "the program ended by itself with status $status"
echo "started cleanly from $entry"
