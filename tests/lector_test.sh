#!/usr/bin/env bash
# The real game read through AT-SPI, as Orca reads it: a private session bus with the accessibility
# bus and its registry, the game under Xvfb, and lector.py as the reader.
set -u
programa=$(realpath "$1")
aqui=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf ' 1 \r\n' > "$dir/Valor.dat"  # the shortest exposure wait; its presence makes this the game's directory
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$dir"
cd "$dir"
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
  "$1" 2>/dev/null &
  juego=$!
  /usr/bin/python3 "$2"
  estado=$?
  kill "$juego"
  exit "$estado"' sh "$programa" "$aqui/lector/lector.py" 2> >(grep -v "dbus-daemon\|SpiRegistry" >&2)
