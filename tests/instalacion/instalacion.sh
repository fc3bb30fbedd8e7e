#!/usr/bin/env bash
# Installs the build into a temporary root and checks what the desktop reads
# (entry, metadata, bet file type), then starts the installed program from an
# empty folder, as a file manager would, with a bet file from another folder.
# A user's clicks on a virtual display then pick the first team of each list
# and save the slip under a bare name: the saved file must be the loaded one
# with those two teams as match 1, in the loaded file's folder.
#   instalacion.sh <build dir> <version> <app id> <slip.qui>
set -euo pipefail
construccion=$1 version=$2 id=$3 quiniela=$4

if [ -z "${DENTRO_DE_XVFB:-}" ]; then
  export DENTRO_DE_XVFB=1
  # -noreset: the server would restart whenever its last client left, and a
  # window lookup that ends just as the program connects would drop it.
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi

tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
falla() { echo "FAIL: $*" >&2; exit 1; }

raiz=$tmp/raiz
DESTDIR=$raiz cmake --install "$construccion" --prefix /usr >/dev/null
datos=$raiz/usr/share

desktop-file-validate "$datos/applications/$id.desktop"
appstreamcli validate --no-net "$datos/metainfo/$id.metainfo.xml"

# Our type beside the system's own, so that a clash over *.qui would show.
mkdir -p "$tmp/mime/packages"
cp "$datos"/mime/packages/*.xml "$tmp/mime/packages/"
sistema=/usr/share/mime/packages/freedesktop.org.xml
[ -f "$sistema" ] && cp "$sistema" "$tmp/mime/packages/"
salida=$(update-mime-database "$tmp/mime" 2>&1) || falla "update-mime-database: $salida"
[ "$(grep ':\*\.qui$' "$tmp/mime/globs2")" = "50:application/x-tolvera-quiniela:*.qui" ] ||
  falla "*.qui is not ours alone: $(grep ':\*\.qui' "$tmp/mime/globs2" || true)"

programa=$raiz/usr/bin/tolvera
[ "$("$programa" --version)" = "tolvera $version" ] || falla "--version printed $("$programa" --version)"

# Only the folder beside the program may hold the lists.
export QT_QPA_PLATFORM=xcb XDG_DATA_HOME=$tmp/nada XDG_DATA_DIRS=$tmp/nada
mkdir "$tmp/otra" "$tmp/quinielas"
cp "$quiniela" "$tmp/quinielas/jornada.qui"
cd "$tmp/otra"
"$programa" "$tmp/quinielas/jornada.qui" &
pid=$!

# A message box (a list not found, a slip not loaded) would stand in the way
# and the window awaited would not come.
ventana_visible() {
  for _ in $(seq 1 300); do
    xwininfo -root -tree | grep -q "\"$1\": (\"" && { sleep 0.3; return 0; }
    kill -0 "$pid" 2>/dev/null || falla "tolvera ended before showing \"$1\""
    sleep 0.1
  done
  falla "no window \"$1\" appeared; on show: $(xwininfo -root -tree | grep '": (')"
}
ventana_oculta() {
  for _ in $(seq 1 300); do
    xwininfo -root -tree | grep -q "\"$1\": (\"" || return 0
    sleep 0.1
  done
  falla "window \"$1\" stayed on show"
}
pulsa() { xdotool mousemove "$1" "$2" click 1; sleep 0.2; }

# Places as the windows lay them out: the main window at the top left corner
# of a display with no window manager, the matches window wherever it centred.
# The title names the bet file the command line loaded.
ventana_visible "jornada.qui — Tolvera"
pulsa 44 20                                   # "Partidos"
ventana_visible Partidos
read -r x y < <(xwininfo -name Partidos |
                awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')
pulsa $((x + 296)) $((y + 28))                # first team of "Primera"
pulsa $((x + 432)) $((y + 28))                # first team of "Segunda"
pulsa $((x + 61)) $((y + 412))                # "OK"
ventana_oculta Partidos
pulsa 716 146                                 # "Guardar"
ventana_visible "Guardar quiniela"
# Keys typed before the dialog has the focus are lost; the name is typed
# again over whatever reached it.
for _ in 1 2 3; do
  xdotool key ctrl+a
  xdotool type copia
  xdotool key Return
  for _ in $(seq 1 50); do
    [ -s "$tmp/quinielas/copia.qui" ] && break 2
    sleep 0.1
  done
done
[ -s "$tmp/quinielas/copia.qui" ] || falla "the slip was not saved beside the loaded one: $(ls "$tmp"/*)"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# The expected record: the loaded one with match 1 between the first teams of
# the two installed lists (short strings of 20 characters at 508 and 802).
equipo() {
  local LC_ALL=C nombre
  nombre=$(head -n 1 "$datos/tolvera/$1" | tr -d '\r' | head -c 20)
  printf "\\$(printf '%03o' ${#nombre})%s" "$nombre"
  head -c $((20 - ${#nombre})) /dev/zero
}
cp "$tmp/quinielas/jornada.qui" "$tmp/esperada.qui"
equipo primera.txt | dd of="$tmp/esperada.qui" bs=1 seek=508 conv=notrunc status=none
equipo segunda.txt | dd of="$tmp/esperada.qui" bs=1 seek=802 conv=notrunc status=none
cmp "$tmp/esperada.qui" "$tmp/quinielas/copia.qui" || falla "the saved slip is not the loaded one with the picked teams"
echo "installed, validated, and the installed program showed the slip with both team lists"
