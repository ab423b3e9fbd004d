#!/usr/bin/env bash
# Instala los paquetes de Debian que faltan y compila el juego en build/ (o
# en la carpeta que diga VQ_COMPILACION).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

"$raiz/scripts/instalar_paquetes.sh" \
  build-essential cmake pkg-config \
  libsdl1.2-dev libsdl1.2-compat libsdl-mixer1.2-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri \
  libx11-dev libxft-dev libxtst-dev libfreetype-dev zlib1g-dev fonts-dejavu-core \
  libgtest-dev libbenchmark-dev \
  xvfb imagemagick assimp-utils \
  desktop-file-utils appstream groff-base

compilacion="${VQ_COMPILACION:-$raiz/build}"
cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$compilacion" -j"$(nproc)"
