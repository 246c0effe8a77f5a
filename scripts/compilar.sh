#!/usr/bin/env bash
# Configures and builds everything into build/ (two parallel jobs).
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh"
cmake -G Ninja -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEMELARIO_TESTS=ON -DGEMELARIO_BENCH=ON >/dev/null
cmake --build "$raiz/build" -j2
