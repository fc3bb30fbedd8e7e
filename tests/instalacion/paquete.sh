#!/usr/bin/env bash
# Builds the Debian package of a release build and checks its control fields,
# its file list, and that apt would install it here.
#   paquete.sh <build dir> <version> <app id>
set -euo pipefail
construccion=$1 version=$2 id=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falla() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$construccion/CPackConfig.cmake" -B "$tmp" >/dev/null
paquetes=("$tmp"/tolvera_*.deb)
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
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml
./usr/share/mime/packages/$id.xml
./usr/share/tolvera/primera.txt
./usr/share/tolvera/segunda.txt
EOF2

apt-get install --simulate "$deb" >"$tmp/apt.txt" 2>&1 || { cat "$tmp/apt.txt"; falla "apt would not install it"; }
echo "$(basename "$deb"): Depends: $depende"
