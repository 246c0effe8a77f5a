#!/usr/bin/env bash
# Builds the Debian package (programs in /usr/games, as Debian places games) into build-deb/.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build-deb" -DCMAKE_BUILD_TYPE=Release -DGEMELARIO_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build "$raiz/build-deb" -j2
(cd "$raiz/build-deb" && cpack -G DEB >/dev/null)
ls "$raiz"/build-deb/gemelario_*.deb
