#!/usr/bin/env bash
# Installs what is missing, builds the window program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${velbrin_build_packages[@]}"
configure_preset default
cmake --build --preset default -j "$(nproc)" --target velbrin ringcode
exec build/default/app/velbrin "$@"
