#!/usr/bin/env bash
# The beep against a real sound server: PulseAudio with a null sink whose monitor is recorded (parec)
# while the game's beep plays; then with no sound server at all, the beep must return at once.
set -u
prueba=$1
tmp=$(mktemp -d)
export XDG_RUNTIME_DIR="$tmp/run" HOME="$tmp/home" PULSE_RUNTIME_PATH="$tmp/run/pulse"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }
trap 'pulseaudio --kill 2>/dev/null; kill $servidor 2>/dev/null; rm -rf "$tmp"' EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=file:"$tmp/pulse.log" \
  -L "module-null-sink sink_name=nulo" -L "module-native-protocol-unix" &
servidor=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "FALLO: PulseAudio did not start"; cat "$tmp/pulse.log"; exit 1; }
pactl set-default-sink nulo

# Recorded in 20 ms pieces from before the beep to half a second after it (the command's output in
# $tmp/ms); the loudest sample after the recording had started.
grabar() {
  parec -d nulo.monitor --raw --format=s16le --channels=1 --rate=44100 --latency-msec=20 >"$tmp/grabado" & local g=$!
  for _ in $(seq 50); do [ -s "$tmp/grabado" ] && break; sleep 0.05; done
  local inicio; inicio=$(stat -c %s "$tmp/grabado")
  "$@" >"$tmp/ms"; kill -INT "$g"; wait "$g"
  od -An -v -t d2 -w2 -j "$inicio" "$tmp/grabado" | awk '{a = $1 < 0 ? -$1 : $1; if (a > m) m = a} END {print m + 0}'
}
pico=$(grabar "$prueba" 500) && ms=$(cat "$tmp/ms")
[ "$pico" -gt 1000 ] || falla "no sound within half a second of the beep (loudest sample $pico)"
awk -v ms="${ms:-999}" 'BEGIN {exit !(ms < 50)}' || falla "the beep took $ms ms with a server"
# The desktop's switch for event sounds turned off (a stand-in gsettings): silence.
mkdir -p "$tmp/bin" && printf '#!/bin/sh\n[ "$3" = event-sounds ] && echo false\n' > "$tmp/bin/gsettings" && chmod +x "$tmp/bin/gsettings"
callado=$(PATH="$tmp/bin:$PATH" grabar "$prueba" 500)
[ "$callado" -le 1000 ] || falla "event sounds are off, yet the beep sounds (loudest sample $callado)"
pulseaudio --kill 2>/dev/null; kill $servidor 2>/dev/null; wait $servidor 2>/dev/null

# No sound server at all: the call returns at once and the program goes on.
export XDG_RUNTIME_DIR="$tmp/nada" PULSE_SERVER="unix:$tmp/nada/no-hay"
mkdir -p "$XDG_RUNTIME_DIR"
inicio=$(date +%s%N)
sin=$("$prueba" 100)
estado=$?
total=$(( ($(date +%s%N) - inicio) / 1000000 ))
[ "$estado" -eq 0 ] || falla "exit status $estado without a server"
awk -v ms="$sin" 'BEGIN {exit !(ms < 50)}' || falla "the beep took $sin ms without a server"
[ "$total" -lt 2000 ] || falla "the program took $total ms without a server"
[ "$fallos" -eq 0 ] && echo "sonido: con servidor, muestra más alta $pico, llamada $ms ms; sin servidor, llamada $sin ms"
exit "$fallos"
