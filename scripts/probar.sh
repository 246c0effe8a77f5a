#!/usr/bin/env bash
# Builds everything and runs every test: first the normal build (window tests offscreen, the
# end-to-end test under Xvfb), then the same suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzzers running a few seconds each.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/compilar.sh"
(cd "$raiz/build" && ctest --output-on-failure -j2)

cmake -S "$raiz" -B "$raiz/build-san" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGEMELARIO_SANITIZE=ON -DGEMELARIO_FUZZ=ON >/dev/null
cmake --build "$raiz/build-san" -j2
# Leaks inside system libraries (D-Bus, fontconfig) are theirs, not the game's.
export LSAN_OPTIONS="suppressions=$raiz/tests/lsan.supp"
export GEMELARIO_PARTIDAS_SOAK=10000
(cd "$raiz/build-san" && ctest --output-on-failure -j2)
