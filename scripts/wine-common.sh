# Sourced by the scripts that build or run with Wine (wine-conformance, wine-build): puts Wine's
# tools first on PATH, checks they are there, and makes a throw-away prefix that runs programs
# headless with the null graphics driver.
#
#   wine_require NAME TOOL...   fails (exit 2) naming the first missing tool
#   wine_compilers DIR          routes wineg++'s compiler through ccache when there is one
#   wine_prefix DIR             a fresh prefix in DIR, ready to run programs
#   wine_stop                   stops the server of the current prefix (not anyone else's)

export PATH="/usr/lib/wine:$PATH"

wine_require() {
    local name=$1 tool
    shift
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$name: $tool not found; run scripts/install-deps wine" >&2
            exit 2
        fi
    done
}

# wineg++ runs the first g++ on PATH; a folder of ccache links in front makes rebuilds cheap.
wine_compilers() {
    local dir=$1
    command -v ccache >/dev/null || return 0
    mkdir -p "$dir"
    ln -sf "$(command -v ccache)" "$dir/g++"
    ln -sf "$(command -v ccache)" "$dir/gcc"
    export PATH="$dir:$PATH"
}

wine_prefix() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export LC_ALL=C.UTF-8
    # The first boot takes about 10 s; without the null driver CreateWindowEx returns NULL.
    timeout 120 wine64 wineboot -i >/dev/null 2>&1 || true
    timeout 60 wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
}

wine_stop() {
    [[ -n ${WINEPREFIX:-} ]] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}
