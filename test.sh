#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole suite: the
# debug build with the window tests headless, a short fuzzing run, and the
# engine and companion again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${velbrin_build_packages[@]}" "${velbrin_test_packages[@]}"
jobs=$(nproc)

configure_preset fuzz
cmake --build --preset fuzz -j "$jobs"
# libFuzzer adds what it finds to the first folder: keep that out of the tree.
new_inputs=$(mktemp -d)
trap 'rm -rf "$new_inputs"' EXIT
build/fuzz/fuzz/fuzz_entry -runs=200000 -seed=1 "$new_inputs" fuzz/corpus

configure_preset default
cmake --build --preset default -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --preset default -j "$jobs"

configure_preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
