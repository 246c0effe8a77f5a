#!/usr/bin/env bash
# Builds the two programs (nothing of the tests or the bench) and starts the game in build/run,
# where its pictures, Gemelario.rnd and Valor.dat live.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh" juego
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEMELARIO_TESTS=OFF -DGEMELARIO_BENCH=OFF >/dev/null
cmake --build "$raiz/build" -j2 --target gemelario webcorvantiso dibujos
cd "$raiz/build/run"
exec ./gemelario "$@"
