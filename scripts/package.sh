#!/usr/bin/env bash
# Packages an existing release build and checks what it installs: installs it
# with `cmake --install` into a temporary prefix and checks the tree (every
# file a desktop needs, icons of the size their folder says), validates the
# desktop entry and the AppStream metadata, builds the Debian package with
# CPack, checks its contents and dependencies, and runs lintian on it. Any
# missing file, validation error or lintian error fails the script.
#
#   scripts/package.sh                  build/release (as CI, after its build)
#   scripts/package.sh build/default    another build folder
#
# The package is left in the build folder: quillmark_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
if [ ! -x "$build/bin/quillmark" ] || [ ! -x "$build/bin/quillmark-render" ]; then
    echo "package.sh: no programs in $build/bin; build it first (cmake --build --preset release)" >&2
    exit 2
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() {
    echo "package.sh: $*" >&2
    failed=1
}

echo "--- cmake --install into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

app_id=example.corvane.Quillmark
expected=(
    bin/quillmark
    bin/quillmark-render
    share/doc/quillmark/quillmark.htm
    share/doc/quillmark/quillmark_de.htm
    share/doc/quillmark/quillmark_fr.htm
    share/doc/quillmark/copyright
    share/doc/quillmark/changelog.gz
    share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml
    share/icons/hicolor/scalable/apps/quillmark.svg
    share/man/man1/quillmark.1.gz
    share/man/man1/quillmark-render.1.gz
)
# The scan check's readers, a module the programs load from beside them.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
expected+=("$libdir/quillmark/quillmark-readers.so")
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/quillmark.png")
done
for path in "${expected[@]}"; do
    [ -f "$prefix/$path" ] || fail "not installed: $path"
done
# Nothing else: a file added to the install must be added here too.
unexpected=$(cd "$prefix" && find . -type f -printf '%P\n' | sort |
    comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$unexpected" ] || fail "installed but not expected: $unexpected"
for size in "${sizes[@]}"; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/quillmark.png"
    file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not $size x $size"
done
"$prefix/bin/quillmark-render" --version >/dev/null || fail "the installed quillmark-render does not run"
"$prefix/bin/quillmark-render" -s code39 --verify -o "$prefix/verify.png" A >/dev/null &&
    rm "$prefix/verify.png" || fail "the installed quillmark-render does not read its symbol back"

echo "--- desktop-file-validate, appstreamcli validate"
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "AppStream metadata"

echo "--- cpack -G DEB"
rm -f "$build"/quillmark_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quillmark_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./usr/||')
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "not in the package: $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6svg6 libzxing2 libfontconfig1; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
echo "$deb"

echo "--- lintian"
lintian --fail-on error "$deb" || fail "lintian found errors"

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "package.sh: $deb installs, validates and passes lintian"
