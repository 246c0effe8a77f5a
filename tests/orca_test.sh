#!/usr/bin/env bash
# The real game heard through the real screen reader: Orca (braille off, private preferences) on a
# private session bus with its accessibility bus, speech-dispatcher speaking with espeak-ng into a
# PulseAudio null sink, in es_ES.UTF-8, the game under Xvfb and openbox driven by xdotool. Orca's debug log is
# the transcript of what it spoke; tests/lector/orca.py starts both, plays and reads it.
set -u
programa=$(realpath "$1")
aqui=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export HOME="$dir/casa" XDG_RUNTIME_DIR="$dir/run" XDG_CONFIG_HOME="$dir/casa/.config" XDG_DATA_HOME="$dir/casa/.local/share"
mkdir -p "$HOME" "$dir/juego" "$dir/orca" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf ' 10 \r\n' > "$dir/juego/Valor.dat"  # a non-pair held half a second
export LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 LANGUAGE=es
# Speech can lag on a loaded machine: a word not heard in time fails one try; a fault fails both.
for intento in 1 2; do
  xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    pulseaudio --daemonize=no --exit-idle-time=-1 -n -L "module-null-sink sink_name=nulo" -L module-native-protocol-unix >/dev/null 2>&1 &
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    # A window manager gives the focus back to the main window when a dialog closes, as a desktop does.
    openbox >/dev/null 2>&1 &
    for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
    python3 "$3" "$2" "$1/orca" "$1/juego"
    estado=$?
    pkill -P $$ 2>/dev/null
    exit "$estado"' sh "$dir" "$programa" "$aqui/lector/orca.py" 2> >(grep -v "dbus-daemon\|SpiRegistry" >&2) && exit 0
  echo "orca: try $intento failed"
done
exit 1
