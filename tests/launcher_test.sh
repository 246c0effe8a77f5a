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
# It gives the opener a second to fail, no more: a browser that keeps the opener waiting does not
# keep it.
[ "$ms" -lt 1800 ] || falla "took $ms ms while the opener keeps running"
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

# When the site cannot be opened: one line on stderr, the same words in the desktop's message box
# (a stand-in zenity that records what it is asked to show), and a non-zero status.
mkdir -p "$tmp/falla" "$tmp/sinabridor"
for d in falla sinabridor; do printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s"\n' "$tmp/caja" > "$tmp/$d/zenity" && chmod +x "$tmp/$d/zenity"; done
printf '#!/bin/sh\nexit 3\n' > "$tmp/falla/xdg-open" && chmod +x "$tmp/falla/xdg-open"
for caso in "falla|el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado 3)." "sinabridor|falta xdg-open; instala el paquete xdg-utils" "/nonexistent|falta xdg-open"; do
  IFS='|' read -r dir motivo <<<"$caso"
  [[ $dir == /* ]] || dir="$tmp/$dir"
  rm -f "$tmp/caja"
  salida=$(DISPLAY=:99 PATH="$dir" "$lanzador" 2>"$tmp/error")
  estado=$?
  [ "$estado" -ne 0 ] || falla "$dir: the site was not opened, yet exit status 0"
  [ -z "$salida" ] || falla "$dir: wrote to standard output: $salida"
  esperado="No se ha podido abrir la web de Corvantiso (https://www.corvantiso.example/): $motivo"
  [[ $(cat "$tmp/error") == "webcorvantiso: $esperado"* && $(wc -l < "$tmp/error") -eq 1 ]] || falla "$dir: stderr says: $(cat "$tmp/error")"
  if [ "$dir" != /nonexistent ]; then
    grep -qF -- "--text=$esperado" "$tmp/caja" 2>/dev/null || falla "$dir: the message box says: $(cat "$tmp/caja" 2>/dev/null)"
    grep -qx -- "--error" "$tmp/caja" 2>/dev/null || falla "$dir: not an error box"
  fi
done

[ "$fallos" -eq 0 ] && echo "webcorvantiso: todo bien ($ms ms)"
exit "$fallos"
