#!/usr/bin/env bash
# Builds everything and runs every test, the window tests offscreen and the end-to-end test under Xvfb.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$raiz/scripts/compilar.sh"
cd "$raiz/build"
ctest --output-on-failure -j2
