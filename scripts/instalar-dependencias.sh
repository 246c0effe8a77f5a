#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that building and playing need (`juego`), or those
# and what the tests, the package and the bench need too (the default); only the missing ones.
set -euo pipefail

paquetes=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev libgl-dev libxcb1-dev qt6-translations-l10n qt6-l10n-tools
  libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  fonts-liberation fonts-comic-neue fonts-dejavu-core
)
if [[ ${1:-todo} != juego ]]; then
  paquetes+=(
    libgtest-dev clang libclang-rt-14-dev pulseaudio pulseaudio-utils gcovr cups
    xvfb xauth xdotool openbox wmctrl x11-utils file weston qt6-wayland qt6ct
    dbus at-spi2-core poppler-utils orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng locales
    desktop-file-utils appstream lintian dpkg-dev man-db groff-base perl
  )
fi

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
# The screen-reader test runs in Spanish: its locale must exist.
generar_locale() {
  if [[ ${1:-todo} != juego ]] && ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'es_ES.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
  fi
}

if ((${#faltan[@]} == 0)); then
  generar_locale "${1:-todo}"
  exit 0
fi

echo "Instalando: ${faltan[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
generar_locale "${1:-todo}"
