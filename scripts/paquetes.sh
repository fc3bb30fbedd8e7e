# Installs the Debian packages Tolvera needs that this machine lacks.
# Sourced by run.sh and test.sh.

# Qt's translations put its own dialogs in the user's language.
paquetes_tolvera=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libcurl4-openssl-dev fonts-liberation
  qt6-translations-l10n
)
# Tests add a virtual display for the smoke and install tests and clicks on
# it, a PDF rasteriser for the print test, clang for the sanitizer build and
# the fuzzers, the desktop's validators and MIME database, and what builds a
# Debian package and checks it.
paquetes_pruebas=(
  xvfb xauth x11-utils xdotool poppler-utils clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info dpkg-dev lintian
)

instala_que_falten() {
  local falta=()
  local paquete
  for paquete in "$@"; do
    dpkg -s "$paquete" >/dev/null 2>&1 || falta+=("$paquete")
  done
  [ ${#falta[@]} -eq 0 ] && return 0
  echo "Installing: ${falta[*]}"
  local como_root=()
  [ "$(id -u)" -ne 0 ] && como_root=(sudo)
  "${como_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${como_root[@]}" apt-get install -y -qq --no-install-recommends "${falta[@]}"
}
