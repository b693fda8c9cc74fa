#!/bin/bash
# Installs into a scratch folder and checks the file list against
# expected-files.txt, then validates the desktop entry and the metainfo.
# Usage: install_tree.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$1" >/dev/null
if ! diff -u "$here/expected-files.txt" <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort); then
    echo "FAIL: the installed files differ from expected-files.txt" >&2
    exit 1
fi
desktop-file-validate "$root/usr/share/applications/org.kelvaro.Kelvaro.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.kelvaro.Kelvaro.metainfo.xml"
grep -q '^Path=/usr/share/kelvaro$' "$root/usr/share/applications/org.kelvaro.Kelvaro.desktop"
[ -x "$root/usr/bin/kelvaro" ] && [ -x "$root/usr/libexec/kelvaro/kelvaro" ]
man -l "$root/usr/share/man/man1/kelvaro-picture-maker.1" >/dev/null 2>&1 ||
    groff -man -Tutf8 "$root/usr/share/man/man1/kelvaro-picture-maker.1" >/dev/null
echo "install tree and desktop files are as expected"
