#!/usr/bin/env bash
# Vuelve a grabar las partidas de tests/partidas/ jugándolas con el juego real
# bajo un Xvfb propio, con eventos de X (xdotool) y la consola por su entrada.
# Las pruebas las repiten con --rapido y comparan el resumen con el de la
# grabación y capturas en sus marcas: cuando el juego cambia a propósito (la
# física, las reglas, el dibujo), se corre esto, se revisan las capturas que
# piden las pruebas y se guardan los archivos nuevos.
#
#   scripts/grabar_partidas.sh [PARTIDA...]    (ciclo, derrota, teclas; todas si no se dice)
#
# Los niveles de tests/partidas/resources/ reemplazan a los del juego: un
# blanco en el camino de un tiro a -80 grados y dos niveles vacíos. Cada marca
# va tras el último cuadro antes de un evento elegido (ver marcar).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
partidas=("$@")
[ ${#partidas[@]} -gt 0 ] || partidas=(ciclo derrota teclas)
"$raiz/scripts/instalar_paquetes.sh" xdotool
"$raiz/scripts/preparar.sh"
dir="$raiz/build/partidas"
rm -rf "$dir" && mkdir -p "$dir/juego/resources"
ln -s "$raiz"/resources/* "$dir/juego/resources/"
ln -sf "$raiz"/tests/partidas/resources/* "$dir/juego/resources/"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp +extension GLX 3>"$dir/pantalla" \
  >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$dir/pantalla" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$dir/pantalla")"

# Con el juego corriendo, ventana y entrada de la consola en $ventana y $fdentrada.
empezar() {
  rm -f "$dir/entrada" && mkfifo "$dir/entrada"
  (cd "$dir/juego" && exec "$raiz/build/vorlix-quintar" --ventana --grabar "$dir/$1.txt" \
     <"$dir/entrada" >"$dir/$1.salida" 2>"$dir/$1.error") &
  juego=$!
  exec {fdentrada}>"$dir/entrada"
  ventana=""
  for _ in $(seq 150); do
    ventana="$(xdotool search --name '^Vorlix Quintar$' 2>/dev/null | head -1)" && [ -n "$ventana" ] && break
    sleep 0.1
  done
  [ -n "$ventana" ] || { echo "no apareció la ventana"; exit 1; }
  sleep 2
}
tecla() { xdotool key --window "$ventana" "$@" 2>/dev/null; sleep 0.4; }
clic() {  # x y [botón]: mueve, espera que el cañón termine de girar y hace clic
  xdotool mousemove --window "$ventana" "$1" "$2"; sleep 1
  xdotool click "${3:-1}"; sleep 0.5
}
tiro() { clic "$1" 300; sleep "${2:-2}"; }
consola() { tecla "$1"; echo "$2" >&"$fdentrada"; sleep 0.5; }
terminar() {
  wait "$juego" || true
  exec {fdentrada}>&-
}
# marcar PARTIDA NOMBRE PATRÓN [N]: la marca va tras el último cuadro antes de
# la N-ésima línea (1 si no se dice) igual a PATRÓN.
marcar() {
  awk -v nombre="$2" -v patron="$3" -v n="${4:-1}" '
    { lineas[NR] = $0 }
    $0 == patron && ++vistas == n && !fin { fin = NR }
    /^cuadro / && !fin { ultimo = NR }
    END {
      if (!fin) { print "no está: " patron >"/dev/stderr"; exit 1 }
      for (i = 1; i <= NR; i++) { print lineas[i]; if (i == ultimo) print "marca " nombre }
    }
  ' "$dir/$1.txt" >"$dir/$1.marcada" && mv "$dir/$1.marcada" "$dir/$1.txt"
}

# El tiro al blanco va a velocidad 1x: con la máquina cargada los cuadros se
# alargan y a 4x la bola avanza tanto por paso que puede pasar de largo.
ciclo() {  # tres tiros a -80 grados: nivel 2, nivel 3 (a 4x) y el cartel de ganar; se cierra con "q"
  empezar ciclo
  tiro 5 8
  for _ in 1 2 3 4; do tecla KP_Add; done
  tiro 5 4; tiro 5 5
  clic 401 301
  sleep 1; tecla q
  terminar
  grep -q '^Resumen: puntos 0, bolas 20, nivel 1,' "$dir/ciclo.salida" ||
    { echo "ciclo: no se ganó la partida; hay que grabarla otra vez"; exit 1; }
  marcar ciclo ganar "boton-arriba 1 401 301"
  marcar ciclo final "fin"
}

derrota() {  # tiros a la derecha hasta pasar de la última bola y uno al blanco: nivel superado sin bolas; se cierra con Escape
  empezar derrota
  for _ in 1 2 3 4; do tecla KP_Add; done
  # Cada vez que el aro retiene la bola el juego dice "Entro!" y suma una bola. La
  # cuenta puede quedar negativa: se pasa de cero por si un clic cayó con la bola en vuelo.
  local tiros=0
  while [ $((20 - tiros + $(grep -c 'Entro!' "$dir/derrota.salida"))) -gt -4 ]; do
    tiro 620 2
    tiros=$((tiros + 1))
  done
  for _ in 1 2 3 4; do tecla KP_Subtract; done
  tiro 5 8
  tecla Escape
  terminar
  grep -q '^Resumen: puntos 0, bolas 20, nivel 1,' "$dir/derrota.salida" ||
    { echo "derrota: el último tiro no perdió la partida; hay que grabarla otra vez"; exit 1; }
  marcar derrota perder "tecla-abajo 27"
}

teclas() {  # cada tecla, la consola, las dos cámaras, el arrastre y las dos páginas; se cierra con Ctrl+C
  empezar teclas
  for t in 1 2 3 1 2 3 h j k l p p v v v; do tecla "$t"; done
  consola 4 "0.2 0.2 0.2 1"; consola 5 "1 0.8 0.6 1"; consola 6 "0.5 0.5 0.5 1"; consola 7 "18 15 7"
  xdotool mousemove --window "$ventana" 300 300 mousedown 3 mousemove --window "$ventana" 360 330 \
    sleep 0.5 mouseup 3; sleep 1
  tecla KP_Subtract; tecla KP_Add; tecla y
  tiro 320 3
  tecla y; tecla v
  clic 700 282; clic 601 160
  clic 700 345
  for punto in "356 214" "356 259" "382 305" "324 437" "662 504"; do clic $punto; done
  clic 602 160
  kill -INT "$juego"
  terminar
  marcar teclas seguir "tecla-abajo 121" 2
  marcar teclas ayuda "boton-arriba 1 601 160"
  marcar teclas ajustes "boton-arriba 1 602 160"
}

for partida in "${partidas[@]}"; do
  "$partida"
  resumen="$(grep '^Resumen: ' "$dir/$partida.salida")"
  echo "# $resumen" >>"$dir/$partida.txt"
  cp "$dir/$partida.txt" "$raiz/tests/partidas/$partida.partida"
  echo "$partida: $(grep -c '^cuadro' "$dir/$partida.txt") cuadros; $resumen"
done
