#!/usr/bin/env bash
# The play command as a player runs it: scripts/jugar.sh builds the two programs and starts the game
# from build-juego/run, where the build writes its pictures; its window shows on the display.
set -u
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" bash "${BASH_SOURCE[0]}"
inicio=$(date +%s)
"$raiz/scripts/jugar.sh" >/tmp/jugar_test.log 2>&1 & juego=$!
for _ in $(seq 3000); do
  ventana=$(xdotool search --onlyvisible --name '^Gemelario$' 2>/dev/null | head -1)
  [ -z "$ventana" ] && kill -0 "$juego" 2>/dev/null && sleep 0.1 || break
done
dice=$( [ -n "$ventana" ] || { echo "no game window; jugar.sh said:"; cat /tmp/jugar_test.log; }
  [ "$(readlink "/proc/$juego/exe")" = "$raiz/build-juego/run/gemelario" ] || echo "not the game built in build-juego/run"
  [ "$(readlink "/proc/$juego/cwd")" = "$raiz/build-juego/run" ] || echo "started in $(readlink "/proc/$juego/cwd")"
  [ -s "$raiz/build-juego/run/cataplás.bmp" ] && [ -x "$raiz/build-juego/run/webcorvantiso" ] || echo "pictures or webcorvantiso missing")
kill "$juego" 2>/dev/null
# What it built: a unity release with Ninja, without the tests.
for c in CMAKE_GENERATOR:INTERNAL=Ninja CMAKE_BUILD_TYPE:STRING=Release 'CMAKE_UNITY_BUILD:[A-Z]+=ON' GEMELARIO_TESTS:BOOL=OFF; do
  grep -qxE "$c" "$raiz/build-juego/CMakeCache.txt" || dice+=" build-juego lacks $c"
done
# What it installs, on a machine that has nothing (stand-in dpkg-query and apt-get): no test tools.
falsos=$(mktemp -d) && printf '#!/bin/sh\nexit 1\n' > "$falsos/dpkg-query" && printf '#!/bin/sh\necho "$@" >> %s/pedido\n' "$falsos" > "$falsos/apt-get"
chmod +x "$falsos/dpkg-query" "$falsos/apt-get"
PATH="$falsos:$PATH" "$raiz/scripts/instalar-dependencias.sh" juego >/dev/null
grep -q 'install .*qt6-base-dev' "$falsos/pedido" || dice+=" it does not install Qt"
grep -qE 'install .*(libgtest-dev|xvfb|orca|lintian)' "$falsos/pedido" && dice+=" it installs test tools: $(cat "$falsos/pedido")"
rm -rf "$falsos"
[ -z "$dice" ] && echo "jugar: la ventana a los $(($(date +%s) - inicio)) s" || { echo "FALLO: $dice"; exit 1; }
