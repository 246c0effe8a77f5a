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
[ -z "$dice" ] && echo "jugar: la ventana a los $(($(date +%s) - inicio)) s" || { echo "FALLO: $dice"; exit 1; }
