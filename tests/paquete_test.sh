#!/usr/bin/env bash
# The Debian package: what it holds (dpkg-deb -c) and lintian without errors.
set -u
deb=$(ls "$1"/gemelario_*.deb | head -1)
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }
# The file list is the install's, checked by instalacion_test; here what the package changes: the programs
# in /usr/games, the compressed Debian changelog.
contenido=$(dpkg-deb -c "$deb")
for f in ./usr/games/gemelario ./usr/games/webcorvantiso ./usr/share/doc/gemelario/changelog.Debian.gz; do
  grep -qF " $f" <<<"$contenido" || falla "the package lacks $f"
done
for d in libqt6widgets6 qt6-translations-l10n; do dpkg-deb -f "$deb" Depends | grep -q "$d" || falla "$d is not among its dependencies"; done
lintian --fail-on error "$deb" || falla "lintian reports errors"
[ "$fallos" -eq 0 ] && echo "paquete: todo bien ($(basename "$deb"))"
exit "$fallos"
