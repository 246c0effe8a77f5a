#!/usr/bin/env bash
# webcorvantiso as a user starts it: with a stand-in xdg-open that takes its time, and with none.
set -u
lanzador=$1
tmp=$(mktemp -d)
trap 'kill "$(cat "$tmp/pid" 2>/dev/null)" 2>/dev/null; rm -rf "$tmp"' EXIT
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }

mkdir -p "$tmp/bin"
cat > "$tmp/bin/xdg-open" <<STUB
#!/bin/sh
echo \$\$ > "$tmp/pid"
printf '%s\n' "\$@" > "$tmp/recibido"
exec sleep 10
STUB
chmod +x "$tmp/bin/xdg-open"

inicio=$(date +%s%N)
PATH="$tmp/bin:$PATH" "$lanzador" uno --dos >"$tmp/salida" 2>&1
estado=$?
ms=$(( ($(date +%s%N) - inicio) / 1000000 ))
[ "$estado" -eq 0 ] || falla "exit status $estado"
[ "$ms" -lt 1000 ] || falla "took $ms ms while the opener keeps running"
for _ in $(seq 50); do [ -s "$tmp/recibido" ] && break; sleep 0.05; done
[ "$(cat "$tmp/recibido" 2>/dev/null)" = "https://www.corvantiso.example/" ] || falla "the opener got: $(cat "$tmp/recibido" 2>/dev/null)"
pgrep -x webcorvantiso >/dev/null && falla "a webcorvantiso process stayed behind"
ldd "$lanzador" | grep -qE 'libQt|libX11|libxcb' && falla "it links a window library"

# Started with SIGCHLD ignored, as some session managers leave it: it still ends at once.
rm -f "$tmp/recibido"
PATH="$tmp/bin:$PATH" timeout 5 perl -e '$SIG{CHLD} = "IGNORE"; exec @ARGV' "$lanzador" >/dev/null 2>&1
estado=$?
[ "$estado" -eq 0 ] || falla "with SIGCHLD ignored: exit status $estado"
for _ in $(seq 50); do [ -s "$tmp/recibido" ] && break; sleep 0.05; done
[ -s "$tmp/recibido" ] || falla "with SIGCHLD ignored the opener was not started"

salida=$(PATH=/nonexistent "$lanzador" 2>"$tmp/error")
estado=$?
[ "$estado" -ne 0 ] || falla "no opener, yet exit status 0"
[ -z "$salida" ] || falla "wrote to standard output: $salida"
[ "$(wc -l < "$tmp/error")" -eq 1 ] || falla "not one line on standard error: $(cat "$tmp/error")"
grep -q "xdg-open" "$tmp/error" || falla "the error does not say what is missing"

[ "$fallos" -eq 0 ] && echo "webcorvantiso: todo bien ($ms ms)"
exit "$fallos"
