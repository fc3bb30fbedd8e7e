#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: first the release
# build, then once more under AddressSanitizer and UndefinedBehaviorSanitizer
# together with bounded runs of the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instala_que_falten "${paquetes_tolvera[@]}" "${paquetes_pruebas[@]}"

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
