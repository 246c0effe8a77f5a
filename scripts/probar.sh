#!/usr/bin/env bash
# Builds everything and runs every test: first the normal build (window tests offscreen, the
# end-to-end tests under Xvfb, with and without a window manager, and on an installed copy), then
# the play command as a player runs it, then the Debian package, then the same suite built with
# clang under AddressSanitizer and UndefinedBehaviorSanitizer (one unit a folder, as the play command
# builds: on two cores this saves most of a minute), with the fuzzers running a few seconds each.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
etapa() { echo "probar: $1 ($((SECONDS / 60)) min $((SECONDS % 60)) s)"; }  # where the time goes
"$raiz/scripts/compilar.sh"
etapa "compilado"
# The suite counted from zero: what it runs of src/, measured and held at the figures recorded.
find "$raiz/build" -name '*.gcda' ! -path '*/gemelario_arte.dir/*' ! -path '*/arte_svg.dir/*' -delete  # (the drawings' tool ran in the build)
(cd "$raiz/build" && ctest --output-on-failure -j2)
COBERTURA_MINIMA="$(cat "$raiz/scripts/cobertura-minima")" "$raiz/scripts/cobertura.sh" "$raiz/build" | tail -n 2
etapa "pruebas y cobertura"

# The play command, as a player runs it.
bash "$raiz/tests/jugar_test.sh"
etapa "orden de jugar"

# The Debian package, built as a release and checked with lintian.
"$raiz/scripts/empaquetar.sh"
bash "$raiz/tests/paquete_test.sh" "$raiz/build-deb"
etapa "paquete"

cmake -G Ninja -S "$raiz" -B "$raiz/build-san" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGEMELARIO_SANITIZE=ON -DGEMELARIO_FUZZ=ON -DGEMELARIO_BENCH=OFF \
  -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build "$raiz/build-san" -j2
etapa "compilado con sanitizers"
# Leaks inside system libraries (D-Bus, fontconfig) are theirs, not the game's.
export LSAN_OPTIONS="suppressions=$raiz/tests/lsan.supp"
# The reader's test runs once, in the build above: it runs alone (speech lags under load), which here
# would cost 40 s; what it reaches that no other test does is the news sent over D-Bus
# (src/desktop/Anuncio.cpp, a message built from a string) and Qt's own accessibility bridge.
(cd "$raiz/build-san" && ctest --output-on-failure -j2 -E orca_test)
etapa "todo"
