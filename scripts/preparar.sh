#!/usr/bin/env bash
# Instala los paquetes de Debian que faltan y compila el juego en build/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

"$raiz/scripts/instalar_paquetes.sh" \
  build-essential cmake pkg-config \
  libsdl1.2-dev libsdl1.2-compat libgl-dev libglu1-mesa-dev libgl1-mesa-dri \
  libx11-dev libxft-dev libxtst-dev libfreetype-dev zlib1g-dev fonts-dejavu-core \
  libgtest-dev libbenchmark-dev \
  xvfb imagemagick assimp-utils \
  desktop-file-utils appstream groff-base

cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)"
