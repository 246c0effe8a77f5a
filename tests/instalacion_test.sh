#!/usr/bin/env bash
# cmake --install into a scratch prefix: the file list, the desktop entries and metadata through
# their validators, then the installed game started from an empty directory.
set -u
build=$1
e2e=$2
prefijo=$(mktemp -d)
trap 'rm -rf "$prefijo"' EXIT
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }

cmake --install "$build" --prefix "$prefijo" >/dev/null || falla "cmake --install"
for f in bin/gemelario bin/webcorvantiso lib/gemelario/impresion.so share/gemelario/cataplás.bmp share/gemelario/reverclave.bmp \
         share/applications/example.corvantiso.Gemelario.desktop share/applications/example.corvantiso.WebCorvantiso.desktop \
         share/metainfo/example.corvantiso.Gemelario.metainfo.xml share/man/man6/gemelario.6.gz share/man/man6/webcorvantiso.6.gz \
         share/icons/hicolor/scalable/apps/example.corvantiso.Gemelario.svg share/doc/gemelario/copyright; do
  [ -s "$prefijo/$f" ] || falla "missing $f"
done
for lado in 16 32 48 64 128 256; do
  for id in Gemelario WebCorvantiso; do
    png="$prefijo/share/icons/hicolor/${lado}x${lado}/apps/example.corvantiso.$id.png"
    [ "$(file -b "$png" | grep -o "$lado x $lado")" = "$lado x $lado" ] || falla "icon $id at $lado: $(file -b "$png")"
  done
done
[ "$(ls "$prefijo"/share/gemelario/*.bmp | wc -l)" -eq 14 ] || falla "not fourteen pictures"
[ "$(file -b "$prefijo"/share/gemelario/*.bmp | grep -c "Windows 3.x format, 106 x 114 x 24,")" -eq 14 ] || falla "not 106 x 114 bitmaps of 24 bits"
desktop-file-validate "$prefijo"/share/applications/*.desktop || falla "desktop-file-validate"
appstreamcli validate --no-net "$prefijo/share/metainfo/example.corvantiso.Gemelario.metainfo.xml" >/dev/null || falla "appstreamcli validate"
# The manual pages as man renders them, in a UTF-8 and in a plain ASCII locale.
pagina() { LC_ALL=$1 MANWIDTH=80 man -l "$prefijo/share/man/man6/$2.6.gz" 2>/dev/null | sed 's/  */ /g'; }
for caso in "C.UTF-8|gemelario|DESCRIPCIÓN|cataplás.bmp, seta.bmp, reverso.bmp, ..." "C|gemelario|DESCRIPCION|cataplas.bmp, seta.bmp" \
            "C.UTF-8|webcorvantiso|DESCRIPCIÓN|VÉASE TAMBIÉN"; do
  IFS='|' read -r loc nombre uno dos <<<"$caso"
  for texto in "$uno" "$dos"; do pagina "$loc" "$nombre" | grep -qF "$texto" || falla "$nombre(6) in $loc lacks: $texto"; done
done
# No word hyphenated the English way, no address or path split, at 80 and at 60 columns.
for caso in "80|gemelario|~/.local/share/gemelario" "60|gemelario|~/.local/share/gemelario" \
            "80|webcorvantiso|https://www.corvantiso.example/" "60|webcorvantiso|https://www.corvantiso.example/"; do
  IFS='|' read -r ancho nombre entero <<<"$caso"
  texto=$(LC_ALL=C.UTF-8 MANWIDTH=$ancho man -l "$prefijo/share/man/man6/$nombre.6.gz" 2>/dev/null)
  grep -qE '[-‐]$' <<<"$texto" && falla "$nombre(6) at $ancho columns breaks a word"
  grep -qF "$entero" <<<"$texto" || falla "$nombre(6) at $ancho columns splits $entero"
done

grep -qx "StartupWMClass=Gemelario" "$prefijo/share/applications/example.corvantiso.Gemelario.desktop" || falla "StartupWMClass"

# On Wayland (a headless weston) the window tells its menu entry's id as its app id.
export XDG_RUNTIME_DIR="$prefijo/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wl-gemelario --idle-time=0 >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/wl-gemelario" ] && break; sleep 0.1; done
(cd "$prefijo" && XDG_DATA_HOME="$prefijo/datos" WAYLAND_DISPLAY=wl-gemelario QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
   timeout 5 "$prefijo/bin/gemelario" 2>&1 | grep -m1 -o 'set_app_id("[^"]*")') >"$prefijo/app_id"
kill "$weston_pid"
[ "$(cat "$prefijo/app_id")" = 'set_app_id("example.corvantiso.Gemelario")' ] || falla "Wayland app id: $(cat "$prefijo/app_id")"

# Started as the desktop menu starts it: the entry's Exec, found on the PATH.
orden=$(sed -n 's/^Exec=//p' "$prefijo/share/applications/example.corvantiso.Gemelario.desktop")
programa=$(PATH="$prefijo/bin:$PATH" command -v "$orden") || falla "the menu entry's Exec ($orden) is not on the PATH"
GEMELARIO_INSTALADO="$programa" xvfb-run -a -s "-screen 0 1024x768x24" "$e2e" --gtest_filter='Aparte.*Installed*' \
  || falla "the installed game"
exit "$fallos"
