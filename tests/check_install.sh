#!/bin/sh
# Installs the build tree given as $1 into a scratch folder (DESTDIR) and
# checks that every file lands where the desktop and the program look.
set -eu

BUILD=${1:?usage: check_install.sh BUILD_DIR}
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
PREFIX=/usr/local

DESTDIR="$STAGE" cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
ROOT="$STAGE$PREFIX"

fail() { echo "install check: $*" >&2; exit 1; }
need() { [ -f "$ROOT/$1" ] || fail "missing $1"; }

need bin/korvada
need bin/korvada-cli
[ -x "$ROOT/bin/korvada" ] || fail "bin/korvada is not executable"
need share/applications/com.morvane.Korvada.desktop
need share/mime/packages/korvada-mime.xml
need share/icons/hicolor/scalable/apps/com.morvane.Korvada.svg
need share/icons/hicolor/48x48/apps/com.morvane.Korvada.png
need share/korvada/tips.txt
need share/metainfo/com.morvane.Korvada.metainfo.xml
need share/man/man1/korvada.1
need share/man/man1/korvada-cli.1

# The metainfo launches the desktop entry installed beside it.
META="$ROOT/share/metainfo/com.morvane.Korvada.metainfo.xml"
grep -q '<launchable type="desktop-id">com.morvane.Korvada.desktop</launchable>' "$META" \
    || fail "metainfo launches another desktop entry"

ENTRY="$ROOT/share/applications/com.morvane.Korvada.desktop"
grep -qx 'Exec=korvada %F' "$ENTRY" || fail "desktop entry does not start korvada with its files"
grep -qx 'Icon=com.morvane.Korvada' "$ENTRY" || fail "desktop entry names another icon"
grep -qx 'Categories=Graphics;Engineering;' "$ENTRY" || fail "desktop entry categories"
grep -qx 'MimeType=application/x-korvada-document;' "$ENTRY" || fail "desktop entry MIME type"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$ENTRY" || fail "desktop entry does not validate"
fi

# The PNG is a real 48 x 48 image: its header says so.
PNG="$ROOT/share/icons/hicolor/48x48/apps/com.morvane.Korvada.png"
[ "$(head -c 8 "$PNG" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "icon is not a PNG"
[ "$(od -An -j16 -N8 -tx1 "$PNG" | tr -d ' \n')" = "0000003000000030" ] || fail "icon is not 48 x 48"

MIME="$ROOT/share/mime/packages/korvada-mime.xml"
if command -v xmllint >/dev/null 2>&1; then
    xmllint --noout "$MIME" || fail "MIME type file is not well-formed"
    xmllint --noout "$ROOT/share/icons/hicolor/scalable/apps/com.morvane.Korvada.svg" || fail "SVG icon is not well-formed"
fi
# The MIME database built from the package matches drawings by name alone.
if command -v update-mime-database >/dev/null 2>&1; then
    update-mime-database "$ROOT/share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
    grep -q 'application/x-korvada-document:\*\.kvd' "$ROOT/share/mime/globs2" || fail "*.kvd is not in the MIME globs"
    [ ! -s "$ROOT/share/mime/magic" ] || ! grep -q korvada "$ROOT/share/mime/magic" || fail "drawings must not be matched by content"
fi

# At least twenty tips, one per line.
TIPS=$(grep -c '^[^; 	]' "$ROOT/share/korvada/tips.txt")
[ "$TIPS" -ge 20 ] || fail "only $TIPS tips"

echo "install check: all files in place under $PREFIX"
