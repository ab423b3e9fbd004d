#!/usr/bin/env bash
# Instala los paquetes de Debian que faltan y compila el juego en build/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

paquetes=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl1.2-compat libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libx11-dev libxft-dev libxtst-dev libfreetype-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  xvfb imagemagick
)

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done

if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)"
