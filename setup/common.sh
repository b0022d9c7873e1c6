#!/usr/bin/env bash
# Shared set-up of ./run and ./test: install what is missing, build, prepare the data folder.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

install_missing() {
    local wanted missing=()
    mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$top/setup/packages.txt")
    for p in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq || true
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$top/build" --parallel "$(nproc)"
}

# The program reads and writes its files in its working directory: seed that folder from
# the built defaults, never overwriting an operator's own file.
prepare_data() {
    data="${XDG_DATA_HOME:-$HOME/.local/share}/vemox"
    mkdir -p "$data/dll" "$data/help"
    if [ ! -f "$data/currency.dat" ] && [ -f "$top/share/currency.dat" ]; then
        cp "$top/share/currency.dat" "$data/currency.dat"
    fi
    # The library and the help pages belong to the installation: always the built ones.
    cp "$top/build/dll/ZYM_VEMOX.dll" "$data/dll/ZYM_VEMOX.dll" 2>/dev/null || true
    cp "$top/share/help/"*.html "$data/help/" 2>/dev/null || true
}
