#!/bin/bash
# Builds the Debian package, installs it with apt, starts the installed game
# from another folder under Xvfb, checks its start-up window and its pictures,
# then removes the package. Changes the system, so it runs only as root (as CI
# does); elsewhere it is skipped.
# Usage: package.sh BUILD_DIR
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
build=$(cd "$1" && pwd)
source "$(dirname "$0")/../e2e/lib.sh"

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/kelvaro_*_*.deb | head -n1)
[ -f "$package" ] || fail "no package was made"
installed=false
remove() { $installed && apt-get remove -y -q kelvaro >/dev/null 2>&1 || true; }
trap 'remove; e2e_cleanup' EXIT
apt-get -o DPkg::Lock::Timeout=600 install -y -q "$package" >/dev/null
installed=true

start_display
start_game /usr/bin/kelvaro /
main=$(through_start_up_window)
open_first_picture "$main" /usr/share/kelvaro
echo "the installed game opened $FIRST"

apt-get remove -y -q kelvaro >/dev/null
installed=false
[ ! -e /usr/share/kelvaro ] && [ ! -e /usr/bin/kelvaro ] && [ ! -e /usr/libexec/kelvaro ] ||
    fail "files were left behind after removal"
echo "installed, played and removed $(basename "$package")"
