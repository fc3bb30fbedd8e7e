#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests nor the
# benchmarks) in a release build and starts it from the folder that holds the
# team lists.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/paquetes.sh
instala_que_falten "${paquetes_tolvera[@]}"
cmake --preset release
cmake --build --preset release --target tolvera
cd assets
exec ../build/release/src/tolvera
