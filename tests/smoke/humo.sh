#!/usr/bin/env bash
# Starts the real program on a virtual X display, waits for its window titled
# "Tolvera", saves a screenshot and ends the program.
#   humo.sh <tolvera> <captura_pantalla> <working dir> <screenshot.png>
set -euo pipefail
programa=$1 captura=$2 carpeta=$3 imagen=$4

if [ -z "${DENTRO_DE_XVFB:-}" ]; then
  export DENTRO_DE_XVFB=1
  # -noreset: the server would restart whenever its last client left, and a
  # window lookup that ends just as the program connects would drop it.
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
cd "$carpeta"
"$programa" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 200); do
  if xwininfo -root -tree | grep -q '"Tolvera"'; then
    sleep 0.5
    "$captura" "$imagen"
    echo "window \"Tolvera\" found; screenshot in $imagen"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    trap - EXIT
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "tolvera ended before showing its window" >&2
    exit 1
  fi
  sleep 0.1
done
echo "no window titled \"Tolvera\" appeared" >&2
exit 1
