# Shared by scripts/test and scripts/run: configuring, building, the private
# X display and the Wine server.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# LANVO_BUILD_DIR lets two checkouts' worth of work share one tree (default build/).
export LANVO_BUILD_DIR="${LANVO_BUILD_DIR:-$root/build}"
build="$LANVO_BUILD_DIR"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree=;mshtml="
jobs=$(nproc)

# build_target <x86_64|i686> [cmake args...]
build_target() {
    local arch=$1; shift
    local dir="$build/$arch"
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
          "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" -- --no-print-directory
}

xvfb_pid=
start_display() {
    local n
    for n in $(seq 91 140); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X$n ]] && break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "no free X display" >&2
    return 1
}

stop_display() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# Keeps one Wine server for the whole run and starts Wine's background services
# now, with their output going nowhere: started later by a test, they would
# inherit its output pipe and ctest would wait for them.
start_wineserver() {
    /usr/lib/wine/wineserver -p
    "$root/cmake/wine-run" cmd /c exit >/dev/null 2>&1 </dev/null || true
}
stop_wineserver() { /usr/lib/wine/wineserver -k 2>/dev/null || true; }
