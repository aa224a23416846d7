#!/bin/sh
# Runs a Windows program under Wine, quietly, in the given prefix, which it
# creates on first use:
#   wine-run.sh [--display] PREFIX PROGRAM [ARGUMENT...]
# Headless unless --display is given: then its windows go to $DISPLAY.
set -eu
keep_display=false
if [ "${1:-}" = "--display" ]; then
    keep_display=true
    shift
fi
prefix=$(realpath -m "$1")  # Wine takes absolute prefixes only
shift

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono and no Gecko: nothing here needs .NET or HTML, and Wine would
# otherwise offer to install them in a window. No menu entries on the
# Linux desktop for the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Console programs need no display; without one wineboot opens no windows.
display=${DISPLAY:-}
unset DISPLAY WAYLAND_DISPLAY

ready="$prefix/.ready"
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Test discovery runs several programs at once on a fresh build; the lock
    # lets the first create the prefix and the others wait for it. The inner
    # shell gets its paths as arguments, hence the single quotes.
    # shellcheck disable=SC2016
    flock "$prefix.lock" sh -c '
        [ -e "$1" ] && exit 0
        if wine wineboot --init >"$2" 2>&1 && wineserver --wait; then
            touch "$1"
        else
            cat "$2" >&2
            exit 1
        fi' sh "$ready" "$prefix.log"
fi
if $keep_display; then
    export DISPLAY="$display"
fi
exec wine "$@"
