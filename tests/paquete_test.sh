#!/usr/bin/env bash
# The Debian package: what it holds (dpkg-deb -c) and lintian without errors.
set -u
deb="$1/gemelario_1.0.0-1_amd64.deb"  # the file name the README gives
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }
# The file list is the install's, checked by instalacion_test; here what the package changes: the programs
# in /usr/games, the compressed Debian changelog.
contenido=$(dpkg-deb -c "$deb")
modulo=./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/gemelario/impresion.so
for f in ./usr/games/gemelario ./usr/games/webcorvantiso "$modulo" ./usr/share/doc/gemelario/changelog.Debian.gz; do
  grep -qF " $f" <<<"$contenido" || falla "the package lacks $f"
done
# It pulls in Qt 6 (Print Support for the printing module), Qt's Spanish, the fonts the windows use and xdg-utils; it recommends the beep's
# sound theme and backend, Qt's Wayland platform and a dialog tool for webcorvantiso's message box.
for campo_paquete in Depends:libqt6widgets6 Depends:libqt6printsupport6 Depends:qt6-translations-l10n Depends:xdg-utils Depends:fonts-liberation \
                     Depends:fonts-comic-neue Depends:fonts-dejavu-core Recommends:sound-theme-freedesktop \
                     Recommends:libcanberra-pulse Recommends:qt6-wayland "Recommends:zenity | kdialog | x11-utils"; do
  dpkg-deb -f "$deb" "${campo_paquete%%:*}" | grep -qF "${campo_paquete#*:}" || falla "${campo_paquete#*:} is not in $(dpkg-deb -f "$deb" "${campo_paquete%%:*}")"
done
lintian --pedantic --suppress-tags initial-upload-closes-no-bugs --fail-on error,warning,info,pedantic "$deb" \
  || falla "lintian reports tags"
# Built hardened: full RELRO with immediate binding, PIE, the stack protector and fortified calls
# (the printing module has nothing to fortify).
dentro=$(mktemp -d)
dpkg-deb -x "$deb" "$dentro"
for programa in "$dentro"/usr/games/* "$dentro/$modulo"; do
  readelf -d "$programa" | grep -q "BIND_NOW" || falla "$(basename "$programa") binds lazily"
  readelf -lW "$programa" | grep -q "GNU_RELRO" || falla "$(basename "$programa") has no RELRO"
  readelf -h "$programa" | grep -q "DYN" || falla "$(basename "$programa") is not PIE"
  readelf -sW --dyn-syms "$programa" | grep -q "__stack_chk_fail" || falla "$(basename "$programa") has no stack protector"
  [[ $programa == *.so ]] || readelf -sW --dyn-syms "$programa" | grep -q "_chk@" || falla "$(basename "$programa") has no fortified call"
done
# The game looks for its printing module where the package puts it, from its own folder.
camino=$(strings -a "$dentro/usr/games/gemelario" | grep -m1 -o '/\.\./lib/.*gemelario/$')
[ -n "$camino" ] && [ -s "$dentro/usr/games$camino/impresion.so" ] || falla "the game looks for its module at /usr/games${camino:-?}"
rm -rf "$dentro"
[ "$fallos" -eq 0 ] && echo "paquete: todo bien ($(basename "$deb"))"
exit "$fallos"
