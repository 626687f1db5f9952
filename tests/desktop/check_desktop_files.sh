#!/usr/bin/env bash
# Checks the desktop integration: check_desktop_files.sh SOURCE_DIR BUILD_DIR
# The desktop entry and the AppStream data pass their validators, the MIME type is
# recognised by name and by first bytes, and `cmake --install` lays everything out.
set -uo pipefail

SRC="$1"
BUILD="$2"
APP_ID=com.kestrane.Tallywise
DESKTOP="$SRC/resources/desktop/$APP_ID.desktop"
METAINFO="$SRC/resources/desktop/$APP_ID.metainfo.xml"
MIME_XML="$SRC/resources/desktop/$APP_ID.xml"
FAILED=0
SCRATCH="$(mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT

fail() {
  echo "FAIL: $*" >&2
  FAILED=1
}

for tool in desktop-file-validate appstreamcli update-mime-database mimetype file; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done
((FAILED)) && exit 1

# Debian 12's validator predates desktop entry 1.5; those two complaints are all it may say.
validate_desktop() {
  local out
  out=$(desktop-file-validate "$1" 2>&1 |
    grep -v -e 'value "1.5" for key "Version" in group "Desktop Entry" is not a known version' \
      -e 'file contains key "SingleMainWindow" in group "Desktop Entry"')
  [[ -z "$out" ]] || fail "desktop-file-validate $1: $out"
}
validate_desktop "$DESKTOP"

out=$(appstreamcli validate --no-net "$METAINFO" 2>&1)
if [[ $? -ne 0 ]] || grep -qE '^[EW]:' <<<"$out"; then
  fail "appstreamcli validate: $out"
fi

# The window class the desktop entry promises is the one the program sets.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP")
grep -qF "setApplicationName(QStringLiteral(\"$wm_class\"))" "$SRC/gui/app/main.cpp" ||
  fail "StartupWMClass=$wm_class is not the program's application name"
grep -qF "setDesktopFileName(QStringLiteral(\"$APP_ID\"))" "$SRC/gui/app/main.cpp" ||
  fail "the program does not name its desktop entry $APP_ID"

# The MIME type, in a database of its own beside the system's.
mkdir -p "$SCRATCH/share/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$MIME_XML" "$SCRATCH/share/mime/packages/"
XDG_DATA_DIRS="$SCRATCH/share" update-mime-database "$SCRATCH/share/mime" ||
  fail "update-mime-database"
expect_type() { # FILE TYPE
  local got
  got=$(XDG_DATA_HOME="$SCRATCH/share" XDG_DATA_DIRS="$SCRATCH/share" mimetype -b "$1")
  [[ "$got" == "$2" ]] || fail "$(basename "$1"): $got, expected $2"
}
printf '\x053.5TW\x00\x00\x00\x00' >"$SCRATCH/current.twd"
printf '\x053.5TW\x00\x00\x00\x00' >"$SCRATCH/current"
printf '\x053.0TW\x00\x00\x00\x00' >"$SCRATCH/older"
printf '\x032.0\x00\x00\x00\x00' >"$SCRATCH/oldest"
printf 'Not a register\n' >"$SCRATCH/note"
expect_type "$SCRATCH/current.twd" application/x-tallywise
expect_type "$SCRATCH/current" application/x-tallywise
expect_type "$SCRATCH/older" application/x-tallywise
expect_type "$SCRATCH/oldest" application/x-tallywise
expect_type "$SCRATCH/note" text/plain
comment=$(XDG_DATA_HOME="$SCRATCH/share" XDG_DATA_DIRS="$SCRATCH/share" mimetype -bd "$SCRATCH/current")
[[ "$comment" == "Tallywise Document" ]] || fail "MIME comment: $comment"

# The installed layout.
PREFIX="$SCRATCH/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$SCRATCH/install.log" || fail "cmake --install"
for path in bin/tallywise bin/tallywise-cli share/tallywise/help/contents.html \
  "share/applications/$APP_ID.desktop" "share/metainfo/$APP_ID.metainfo.xml" \
  "share/mime/packages/$APP_ID.xml" "share/icons/hicolor/scalable/apps/$APP_ID.svg" \
  share/icons/hicolor/scalable/mimetypes/application-x-tallywise.svg; do
  [[ -e "$PREFIX/$path" ]] || fail "not installed: $path"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in "apps/$APP_ID.png" mimetypes/application-x-tallywise.png; do
    file="$PREFIX/share/icons/hicolor/${size}x$size/$icon"
    [[ "$(file -b "$file" 2>/dev/null)" == "PNG image data, $size x $size,"* ]] ||
      fail "icon ${size}x$size/$icon missing or of the wrong size"
  done
done
[[ ! -e "$PREFIX/bin/help" ]] || fail "help installed beside the program"
[[ ! -e "$PREFIX/share/tallywise/help/popups/README.txt" ]] || fail "a developers' note installed"
validate_desktop "$PREFIX/share/applications/$APP_ID.desktop"

((FAILED)) && exit 1
echo "desktop files: all checks passed"
