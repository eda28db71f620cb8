# shellcheck shell=bash
# shellcheck disable=SC2034 # variables shared with the scripts that source this file
# The Windows build and Wine, shared by scripts/test-windows and scripts/demo --windows. Source
# it after setting `repo`.

windows_build_dir=${UNINSTALL_WINDOWS_BUILD_DIR:-$repo/build-windows}
wine=/usr/lib/wine/wine64

# windows_qt: the prefix of a Qt for MinGW in `windows_qt`: UNINSTALL_WINDOWS_QT, else the one
# scripts/build-qt-windows built (once, about an hour) into its cache.
windows_qt() {
    if [[ -n ${UNINSTALL_WINDOWS_QT:-} ]]; then
        windows_qt=$UNINSTALL_WINDOWS_QT
    else
        windows_qt=$("$repo/scripts/build-qt-windows" | tail -n 1) || return 1
    fi
    [[ -f $windows_qt/lib/cmake/Qt5/Qt5Config.cmake ]] || {
        echo "no Qt for MinGW at $windows_qt (lib/cmake/Qt5 is missing)" >&2
        return 1
    }
}

# windows_build TARGET...: the whole project cross-built with MinGW-w64 against windows_qt.
windows_build() {
    local compiler_launcher=() log=$windows_build_dir/configure.log
    mkdir -p "$windows_build_dir"
    command -v ccache >/dev/null && compiler_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$repo" -B "$windows_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DUNINSTALL_WERROR=ON -DUNINSTALL_BUILD_BENCH=OFF "${compiler_launcher[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_PREFIX_PATH="$windows_qt" >"$log" 2>&1 || {
        cat "$log" >&2
        return 1
    }
    ninja -C "$windows_build_dir" "$@"
}

# windows_path PATH: the Linux path as a Windows program under Wine sees it.
windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# windows_prefix: a fresh Wine prefix in a temporary folder, removed when the script exits.
# Mono and Gecko are switched off so that the first start installs neither.
windows_prefix() {
    WINEPREFIX=$(mktemp -d)
    trap 'rm -rf "$WINEPREFIX"' EXIT
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# windows_runtime_path: the folders with Qt's, OpenSSL's and MinGW's DLLs, for WINEPATH.
windows_runtime_path() {
    local compiler=x86_64-w64-mingw32-g++-posix
    echo "$(windows_path "$windows_qt/bin");$(windows_path "$(dirname \
        "$($compiler -print-file-name=libstdc++-6.dll)")");$(windows_path "$(dirname \
        "$($compiler -print-file-name=libwinpthread-1.dll)")")"
}
