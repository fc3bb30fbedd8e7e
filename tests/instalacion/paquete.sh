#!/usr/bin/env bash
# Builds the Debian package of a release build into <folder> and checks its
# control fields and its file list; then, each a test of its own on the
# package left in <folder>, whether apt would install it here and what
# Debian's checker finds in it.
#   paquete.sh <build dir> <version> <app id> <folder>
#   paquete.sh apt <folder>
#   paquete.sh lintian <folder>
set -euo pipefail
falla() { echo "FAIL: $*" >&2; exit 1; }

if [ "$1" = apt ]; then
  salida=$(apt-get install --simulate "$2"/tolvera_*.deb 2>&1) || { echo "$salida"; falla "apt would not install it"; }
  echo "apt would install $(basename "$2"/tolvera_*.deb)"
  exit 0
fi
if [ "$1" = lintian ]; then
  # The team lists are Windows-1252 on purpose: the program reads and writes
  # them so, like every file it shares with other programs.
  lintian --fail-on error,warning --suppress-tags national-encoding "$2"/tolvera_*.deb ||
    falla "lintian found errors or warnings"
  echo "lintian: no errors, no warnings beyond the team lists' encoding"
  exit 0
fi

construccion=$1 version=$2 id=$3 carpeta=$4
rm -rf "$carpeta"
mkdir -p "$carpeta"

cpack -G DEB --config "$construccion/CPackConfig.cmake" -B "$carpeta" >/dev/null
rm -rf "$carpeta/_CPack_Packages"
paquetes=("$carpeta"/tolvera_*.deb)
[ ${#paquetes[@]} -eq 1 ] && [ -f "${paquetes[0]}" ] || falla "no single tolvera_*.deb: ${paquetes[*]}"
deb=${paquetes[0]}

[ "$(dpkg-deb -f "$deb" Package)" = tolvera ] || falla "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || falla "version $(dpkg-deb -f "$deb" Version)"
depende=$(dpkg-deb -f "$deb" Depends)
for paquete in libcurl4 fonts-liberation libqt6widgets6 libqt6printsupport6 libjpeg62-turbo; do
  grep -Eq "(^|, )$paquete( |,|$)" <<<"$depende" || falla "Depends lacks $paquete: $depende"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || falla "Recommends"

diff <(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort) - <<EOF2 || falla "file list"
./usr/bin/tolvera
./usr/share/applications/$id.desktop
./usr/share/doc/tolvera/changelog.gz
./usr/share/doc/tolvera/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/tolvera.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/mime/packages/$id.xml
./usr/share/tolvera/primera.txt
./usr/share/tolvera/segunda.txt
EOF2
echo "$(basename "$deb"): Depends: $depende"
