#!/usr/bin/env bash
# Makes the downloads again from a copy of these sources at another path,
# with fresh file times, by the README's own command, and compares them
# byte for byte with those made here:
#   same-bytes-elsewhere.sh windows DIST   scripts/make-windows.sh, against DIST
#   same-bytes-elsewhere.sh deb DEB        scripts/make-deb.sh, against DEB
# The copy holds what git would give a clean clone (tracked files, and new
# ones not ignored, less those deleted here); the time of the downloads is
# the commit's either way.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/source-date.sh
kind=$1 made_here=$2

copy=$(mktemp -d "${TMPDIR:-/tmp}/kongmingqi-elsewhere.XXXXXX")
trap 'rm -rf "$copy"' EXIT
git ls-files -z --cached --others --exclude-standard | xargs -0 tar --create --no-recursion --ignore-failed-read --file - 2>/dev/null |
    tar --extract --touch --directory "$copy"
# The build's output is shown only when it fails.
made_by() {
    "$copy/scripts/$1" >"$copy/build.log" 2>&1 || {
        cat "$copy/build.log"
        exit 1
    }
}
case $kind in
    windows)
        made_by make-windows.sh
        made_there="$copy/build-windows/dist"
        files=$(cd "$made_here" && ls ./*.zip ./*.exe SHA256SUMS)
        ;;
    deb)
        made_by make-deb.sh
        made_there=$(ls "$copy"/build-deb/package/*.deb)
        files=$(basename "$made_here")
        made_here=$(dirname "$made_here")
        made_there=$(dirname "$made_there")
        ;;
esac
status=0
for file in $files; do
    if cmp --quiet "$made_here/$file" "$made_there/$file"; then
        echo "same bytes: $file ($(stat -c %s "$made_here/$file") bytes, sha256 $(sha256sum <"$made_here/$file" | cut -c1-16)...)"
    else
        echo "DIFFERENT: $file, made here and from a copy of the sources at another path:"
        cmp "$made_here/$file" "$made_there/$file" | head -3 || true
        status=1
    fi
done
exit $status
