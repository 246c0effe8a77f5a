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

# An opener that hands the site to a browser and ends at once with 0, as most do: nothing said.
mkdir -p "$tmp/ya" && printf '#!/bin/sh\nexit 0\n' > "$tmp/ya/xdg-open" && chmod +x "$tmp/ya/xdg-open"
salida=$(PATH="$tmp/ya" "$lanzador" 2>&1) && [ -z "$salida" ] || falla "an opener that ends at once with 0: status $?, said: $salida"

# Started with SIGCHLD ignored, as some session managers leave it: it still ends at once.
rm -f "$tmp/recibido"
PATH="$tmp/bin:$PATH" timeout 5 perl -e '$SIG{CHLD} = "IGNORE"; exec @ARGV' "$lanzador" >/dev/null 2>&1
estado=$?
[ "$estado" -eq 0 ] || falla "with SIGCHLD ignored: exit status $estado"
for _ in $(seq 50); do [ -s "$tmp/recibido" ] && break; sleep 0.05; done
[ -s "$tmp/recibido" ] || falla "with SIGCHLD ignored the opener was not started"

# When the site cannot be opened: one line on stderr, the same words in the desktop's message box
# (stand-in dialog tools, the only ones on the PATH, record which of them was asked to show what,
# as the box closes, a moment later: the launcher waits for it),
# and a non-zero status. The box is the first tool there is of zenity, kdialog and xmessage (listed
# in that order here, the first one that starts expected). An opener that fails half a second late still counts
# as failing; on Wayland alone the box is still shown; each tool is asked for an error box titled
# WebCorvantiso, with Spanish words. A system that cannot start a process (the launcher's fork or
# its child's refused once, through a preloaded stand-in for fork), or its child killed, is a
# failure too.
cat > "$tmp/fork.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>
#include <unistd.h>
static int generacion, fallado;  /* forks between this process and the launcher; one refused, not in what it starts */
__attribute__((constructor)) static void solo_aqui(void) { unsetenv("LD_PRELOAD"); }
pid_t fork(void) {
    if (!fallado && generacion == atoi(getenv("FORK_QUE_FALLA"))) return fallado = 1, errno = EAGAIN, -1;
    const pid_t p = ((pid_t(*)(void))dlsym(RTLD_NEXT, "fork"))();
    return p == 0 ? ++generacion, 0 : p;
}
C
cc -shared -fPIC -o "$tmp/fork.so" "$tmp/fork.c" -ldl || falla "the fork stand-in does not build"
for caso in "falla|zenity kdialog xmessage|DISPLAY=:99|exit 3|el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado 3).|--error" \
            "lenta|kdialog xmessage|DISPLAY=:99|/bin/sleep 0.5; exit 4|el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado 4).|--error" \
            "sinabridor|xmessage|WAYLAND_DISPLAY=wayland-9||falta xdg-open; instala el paquete xdg-utils|Aceptar:0" \
            "/nonexistent||DISPLAY=:99||falta xdg-open|" \
            "sinfork|zenity|DISPLAY=:99|exit 0|no se ha podido iniciar xdg-open.|--error|0" \
            "sinvigia|zenity|DISPLAY=:99|kill -9 \$PPID|no se ha podido iniciar xdg-open.|--error" \
            "sinnieto|zenity|DISPLAY=:99|exit 0|no se ha podido iniciar xdg-open.|--error|1" \
            "senal|zenity|DISPLAY=:99|kill -9 \$\$|el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado 127).|--error" \
            "roto|zenity! kdialog|DISPLAY=:99|#!/no/existe|el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado 127).|--error"; do
  IFS='|' read -r dir herramientas pantalla abridor motivo tipo fork <<<"$caso"
  if [[ $dir != /* ]]; then
    dir="$tmp/$dir" && mkdir -p "$dir"
    for h in $herramientas; do  # a tool marked ! is there but cannot start: its interpreter is gone
      if [[ $h == *! ]]; then h=${h%!} && echo '#!/no/existe' > "$dir/$h"
      else printf '#!/bin/sh\nexec >/dev/null; /bin/sleep 0.2; { echo %s; printf "%%s\\n" "$@"; } > "%s"\n' "$h" "$tmp/caja" > "$dir/$h"; fi
      chmod +x "$dir/$h"
    done
    # An opener whose interpreter is gone cannot even start (its exec fails).
    [ -z "$abridor" ] || { { [[ $abridor == '#!'* ]] || echo '#!/bin/sh'; echo "$abridor"; } > "$dir/xdg-open" && chmod +x "$dir/xdg-open"; }
  fi
  rm -f "$tmp/caja"
  precarga=() && [ -z "$fork" ] || precarga=(LD_PRELOAD="$tmp/fork.so" FORK_QUE_FALLA="$fork")
  salida=$(env -u DISPLAY -u WAYLAND_DISPLAY "$pantalla" PATH="/nonexistent:$dir" "${precarga[@]}" "$lanzador" 2>"$tmp/error")
  estado=$?
  [ "$estado" -eq 1 ] || falla "$dir: the site was not opened: exit status $estado, not 1"
  [ -z "$salida" ] || falla "$dir: wrote to standard output: $salida"
  esperado="No se ha podido abrir la web de Corvantiso (https://www.corvantiso.example/): $motivo"
  [[ $(cat "$tmp/error") == "webcorvantiso: $esperado"* && $(wc -l < "$tmp/error") -eq 1 ]] || falla "$dir: stderr says: $(cat "$tmp/error")"
  if [ -n "$herramientas" ]; then
    primera=${herramientas##*! } && primera=${primera%% *}
    [ "$(head -1 "$tmp/caja" 2>/dev/null)" = "$primera" ] || falla "$herramientas: the box was shown by $(head -1 "$tmp/caja" 2>/dev/null)"
    texto=$([ "$primera" = zenity ] && echo "--text=")$esperado  # zenity takes its words as --text=
    dicho=0 && while IFS= read -r l; do [[ $l == "$texto"* ]] && dicho=1; done < "$tmp/caja"
    [ "$dicho" = 1 ] || falla "$herramientas: the message box says: $(cat "$tmp/caja" 2>/dev/null)"
    grep -qx -- "$tipo" "$tmp/caja" 2>/dev/null || falla "$herramientas: not an error box with $tipo"
    tr '\n' ' ' < "$tmp/caja" | grep -qE -- ' (--title=|--title |-title )WebCorvantiso ' || falla "$herramientas: the box is not titled WebCorvantiso"
  fi
done

[ "$fallos" -eq 0 ] && echo "webcorvantiso: todo bien ($ms ms)"
exit "$fallos"
