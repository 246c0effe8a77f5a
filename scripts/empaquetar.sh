#!/usr/bin/env bash
# Builds the Debian package (programs in /usr/games, as Debian places games, the printing module in
# the game's own folder of libraries) into build-deb/.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
# Debian's flags, as Debian builds with CMake (build type None): -O2, fortify, stack protector, PIE,
# full RELRO with immediate binding. No debug information: the programs are stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_APPEND="-g0 -DNDEBUG"
# CMake's default generator (Unix Makefiles), so that the build a packager runs stays working with it.
grep -qs 'CMAKE_GENERATOR:INTERNAL=Ninja' "$raiz/build-deb/CMakeCache.txt" && rm -rf "$raiz/build-deb"
cmake -S "$raiz" -B "$raiz/build-deb" -DCMAKE_BUILD_TYPE=None -DCMAKE_UNITY_BUILD=ON -DGEMELARIO_TESTS=OFF -DGEMELARIO_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$raiz/build-deb" -j2
(cd "$raiz/build-deb" && cpack -G DEB >/dev/null)
ls "$raiz"/build-deb/gemelario_*.deb
