#!/usr/bin/env bash
# Builds the game and starts it in build/run, where its pictures, Gemelario.rnd and Valor.dat live.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/compilar.sh"
if [[ ! -x "$raiz/build/run/gemelario" ]]; then
  echo "La ventana del juego todavía no existe: solo se ha compilado la lógica."
  exit 0
fi
cd "$raiz/build/run"
exec ./gemelario "$@"
