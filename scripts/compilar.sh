#!/usr/bin/env bash
# Configures and builds everything into build/ (two parallel jobs), unoptimised and counting what
# runs, so that the suite's run measures its coverage (scripts/cobertura.sh).
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
cmake -G Ninja -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEMELARIO_TESTS=ON -DGEMELARIO_BENCH=ON \
  -DGEMELARIO_COBERTURA=ON >/dev/null
cmake --build "$raiz/build" -j2
