#!/usr/bin/env bash
# Hace el paquete de Debian del juego y lo revisa con lintian. Compila aparte,
# en build-paquete/ (o en DIR_PAQUETE), con las carpetas de juegos de Debian
# (/usr/games, /usr/share/games, /usr/lib/games) y las opciones de
# endurecimiento de dpkg-buildflags; el .deb queda en esa carpeta.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
compilacion="$(realpath -m "${DIR_PAQUETE:-$raiz/build-paquete}")"

VQ_COMPILACION="$compilacion" "$raiz/scripts/instalar_paquetes.sh" \
  build-essential cmake pkg-config \
  libsdl1.2-dev libsdl-mixer1.2-dev libgl-dev libglu1-mesa-dev libx11-dev libxft-dev libfreetype-dev \
  zlib1g-dev fonts-dejavu-core dpkg-dev lintian

cd "$raiz"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_INSTALL_DATADIR=share/games -DCMAKE_INSTALL_LIBEXECDIR=lib/games \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$compilacion" -j2

cd "$compilacion"
rm -f vorlix-quintar_*.deb
cpack -G DEB
paquete="$(ls vorlix-quintar_*.deb)"
dpkg-deb --info "$paquete"
dpkg-deb --contents "$paquete"
# Falla con cualquier error; muestra también los avisos, las notas y los
# consejos pedantes.
lintian --display-info --pedantic "$paquete"
echo "Paquete: $compilacion/$paquete"
