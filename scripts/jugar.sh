#!/usr/bin/env bash
# Builds the two programs (nothing of the tests or the bench) as a release, in build-juego/, and
# starts the game in build-juego/run, where its pictures, Gemelario.rnd and Valor.dat live.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/instalar-dependencias.sh" juego
# Ninja keeps both cores busy across the libraries; a unity build parses Qt's headers fewer times.
cmake -G Ninja -S "$raiz" -B "$raiz/build-juego" -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_UNITY_BUILD_BATCH_SIZE=6 -DGEMELARIO_TESTS=OFF -DGEMELARIO_BENCH=OFF >/dev/null
cmake --build "$raiz/build-juego" -j2 --target gemelario webcorvantiso dibujos
cd "$raiz/build-juego/run"
exec ./gemelario "$@"
