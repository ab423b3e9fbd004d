#!/usr/bin/env bash
# Saca la captura que encabeza el README y que nombra la descripción de
# AppStream: el juego compilado, en ventana, en un Xvfb propio, con un tiro
# en el aire. Escribe empaque/captura.png, o el PNG que se le dé.
# Compila el juego en build/ (o en DIR_COMPILACION) y lo corre desde la raíz.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
compilacion="${DIR_COMPILACION:-$raiz/build}"
destino="$(realpath -m "${1:-$raiz/empaque/captura.png}")"

"$raiz/scripts/instalar_paquetes.sh" xvfb x11-apps xdotool imagemagick
if [ ! -f "$compilacion/CMakeCache.txt" ]; then
  cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$compilacion" --target vorlix-quintar -j2

temporal="$(mktemp -d)"
xvfb=""
juego=""
terminar() {
  [ -n "$juego" ] && kill "$juego" 2>/dev/null && wait "$juego" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$temporal"
}
trap terminar EXIT

# Xvfb elige un número de pantalla libre y lo escribe por el descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp +extension GLX \
  3>"$temporal/pantalla" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$temporal/pantalla" ] && break
  sleep 0.1
done
[ -s "$temporal/pantalla" ] || { echo "Xvfb no arrancó" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$temporal/pantalla")"

cd "$raiz"
# Sin los ajustes ni el mejor puntaje de quien la saca: la captura es la de siempre.
"$compilacion/vorlix-quintar" --sin-configuracion >"$temporal/salida" 2>&1 </dev/null &
juego=$!

# Una ventana visible con ese título exacto, o el fin del script.
ventana() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

# El ratón espera en el borde izquierdo de donde aparecerá la ventana del
# juego: al entrar en ella no gira el cañón (el juego gira un tercio de cada
# movimiento y lo repite mientras no llegue otro evento).
dialogo="$(ventana 'Pantalla Completa')"
xdotool mousemove 1 300 key --window "$dialogo" n
principal="$(ventana 'Vorlix Quintar')"
sleep 2
# Un giro corto a la derecha que una tecla sin uso corta, y el tiro, que la
# captura toma en el aire.
xdotool mousemove_relative 3 0 sleep 0.2 key shift click 1
sleep 0.8
xwd -silent -id "$principal" | convert xwd:- -strip "png:$destino"
identify -format "$destino: %wx%h\n" "$destino"
