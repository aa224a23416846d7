# Sourced by the scripts that make downloads: every tool that writes a time
# into what it makes (archives, installers, the Windows program's header)
# writes the time of the commit the sources come from, so the same commit
# makes the same bytes whenever and wherever it is built. A time already
# given is kept; a copy of the sources without git history gives none.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
        echo "No commit to take the time of the downloads from: set SOURCE_DATE_EPOCH" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
