# Shared by the set-up scripts: where things are, what Debian packages the project needs, and a
# private X display for Wine.
set -euo pipefail

QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUORVEL_BUILD=${QUORVEL_BUILD:-$QUORVEL_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$QUORVEL_BUILD/wineprefix}
WINE=/usr/lib/wine/wine64

QUORVEL_PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686
    wine64 fonts-wine xvfb xauth x11-utils imagemagick zip unzip python3 clang-format
)

log() { printf '== %s\n' "$*" >&2; }

# Installs only what is missing, so a second run costs nothing.
install_missing_packages() {
    local missing=()
    for pkg in "${QUORVEL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]} (run as root to install them)" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_build DIR [cmake arguments...]
configure_build() {
    local dir=$1
    shift
    cmake -S "$QUORVEL_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}

# build DIR [TARGET...]: everything, or only the targets named.
build() {
    local dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)" >&2
}

# windows_build_dir i686|x86_64: where that architecture's build lives.
windows_build_dir() { echo "$QUORVEL_BUILD/win$([ "$1" = x86_64 ] && echo 64 || echo 32)"; }

# project_version DIR: project(Quorvel VERSION ...) as CMake recorded it in the build in DIR.
project_version() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" 2>/dev/null)
    [ -n "$version" ] || { echo "no project version in $1 (configure it first)" >&2; return 1; }
    echo "$version"
}

configure_windows() {
    configure_build "$(windows_build_dir "$1")" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QUORVEL_ROOT/cmake/toolchain-$1-w64-mingw32.cmake" "${@:2}"
}

# A private X server, so that tests never touch the user's display and run the same everywhere.
# Programs sharing a Wine prefix share its pointer, focus and clipboard, so one caller at a time
# holds the display: a lock folder names its holder, and a lock whose holder is gone is taken over.
# A script started by the holder (scripts/run under scripts/test) shares its lock.
QUORVEL_DISPLAY_LOCK=$QUORVEL_BUILD/.display-lock
acquire_display_lock() {
    mkdir -p "$QUORVEL_BUILD"
    if [ -n "${QUORVEL_DISPLAY_LOCK_OWNER:-}" ] &&
        [ "$(cat "$QUORVEL_DISPLAY_LOCK/pid" 2>/dev/null)" = "$QUORVEL_DISPLAY_LOCK_OWNER" ]; then
        return 0
    fi
    until mkdir "$QUORVEL_DISPLAY_LOCK" 2>/dev/null; do
        local holder
        holder=$(cat "$QUORVEL_DISPLAY_LOCK/pid" 2>/dev/null || true)
        if [ -n "$holder" ] && ! kill -0 "$holder" 2>/dev/null; then
            rm -rf "$QUORVEL_DISPLAY_LOCK"
            continue
        fi
        sleep 1
    done
    echo $$ >"$QUORVEL_DISPLAY_LOCK/pid"
    export QUORVEL_DISPLAY_LOCK_OWNER=$$
}

release_display_lock() {
    [ "$(cat "$QUORVEL_DISPLAY_LOCK/pid" 2>/dev/null)" = "$$" ] && rm -rf "$QUORVEL_DISPLAY_LOCK"
    return 0
}

start_private_display() {
    local n
    acquire_display_lock
    for n in $(seq 90 130); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        QUORVEL_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$QUORVEL_XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_private_display() {
    [ -n "${QUORVEL_XVFB_PID:-}" ] && kill "$QUORVEL_XVFB_PID" 2>/dev/null || true
    release_display_lock
}

# Wine prefix in the build tree: no Mono or Gecko download, Wine's own fonts (MS Sans Serif,
# Marlett for the caption buttons) in the prefix so that text metrics are the same on every
# machine, and Wine draws its own window frames (there is no window manager on the private
# display).
prepare_wine_prefix() {
    [ -f "$WINEPREFIX/.quorvel-ready" ] && return 0
    log "creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE" wineboot -i >/dev/null 2>&1
    # The new prefix's own set-up must be over before anything is added to its registry.
    /usr/lib/wine/wineserver -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    WINEDEBUG=-all "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    WINEDEBUG=-all "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Text files open with Notepad, as on Windows: Wine's defaults know the class, not ".txt".
    WINEDEBUG=-all "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
    touch "$WINEPREFIX/.quorvel-ready"
}
