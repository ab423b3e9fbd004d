#!/usr/bin/env bash
# Prueba de resistencia: juega sin parar con entrada al azar (ratón, clics en
# el tablero, los botones y los ticks de ajustes, teclas de luces, modos,
# cámaras, pausa y velocidad, y las preguntas de la consola de 4 a 7 con sus
# números), sin Escape ni "q". Cada 10 s anota la memoria residente del
# juego; antes recorre las combinaciones de modos, luces, páginas y cámaras.
# Falla si el juego termina, si deja de avanzar (su tiempo de
# procesador no crece) o si su memoria sigue creciendo al final de la corrida.
#
#   scripts/resistencia.sh [MINUTOS] [--valgrind]
#
# Con --valgrind corre el juego bajo valgrind (memcheck) y falla si informa
# accesos inválidos o fugas en el código del juego. Deja todo en
# build/resistencia/ (o build/resistencia-valgrind/): salida del juego,
# memoria.csv y el informe de valgrind.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
minutos="${1:-30}"
valgrind=""
[ "${2:-}" = "--valgrind" ] && valgrind=1

"$raiz/scripts/instalar_paquetes.sh" xdotool ${valgrind:+valgrind}
"$raiz/scripts/preparar.sh"
dir="$raiz/build/resistencia${valgrind:+-valgrind}"
rm -rf "$dir" && mkdir -p "$dir"

# Un servidor propio: elige él un número de pantalla libre y lo escribe.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp +extension GLX 3>"$dir/pantalla" \
  >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$dir/pantalla" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$dir/pantalla")"
mkfifo "$dir/entrada"
# El juego corre en una carpeta con los recursos del repositorio y, salvo bajo
# valgrind (que no calienta), niveles propios para el primer minuto (ver calentar).
mkdir -p "$dir/juego/resources"
ln -s "$raiz"/resources/* "$dir/juego/resources/"
if [ -z "$valgrind" ]; then
  rm "$dir"/juego/resources/pantalla[123].txt
  printf '1\n3.1 12.95 0\n' >"$dir/juego/resources/pantalla1.txt"
  printf '0\n' | tee "$dir/juego/resources/pantalla2.txt" >"$dir/juego/resources/pantalla3.txt"
fi
cd "$dir/juego"
# Los ajustes y el mejor puntaje van en la carpeta de la corrida, no en los de quien la lanza.
export XDG_CONFIG_HOME="$dir/usuario/config" XDG_DATA_HOME="$dir/usuario/datos"
orden=("$raiz/build/vorlix-quintar")
if [ -n "$valgrind" ]; then
  # softpipe: valgrind no sigue bien el código que LLVM genera en llvmpipe.
  export GALLIUM_DRIVER=softpipe
  orden=(valgrind --error-exitcode=99 --keep-debuginfo=yes --leak-check=full --show-leak-kinds=definite
         --errors-for-leak-kinds=definite --suppressions="$raiz/tests/supresiones.valgrind"
         --log-file="$dir/valgrind.txt" "$raiz/build/vorlix-quintar")
fi
"${orden[@]}" <"$dir/entrada" >"$dir/salida.txt" 2>"$dir/errores.txt" &
juego=$!
exec {fdentrada}>"$dir/entrada"
terminar() {
  kill "$juego" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap terminar EXIT

# Bajo valgrind el juego puede tardar más de un minuto en abrir su ventana.
esperar_ventana() {
  for _ in $(seq "${valgrind:+3000}${valgrind:-600}"); do
    w=$(xdotool search --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.1
  done
  echo "No apareció la ventana $1" >&2
  exit 1
}
dialogo=$(esperar_ventana "Pantalla Completa")
xdotool key --window "$dialogo" n
ventana=$(esperar_ventana "Vorlix Quintar")

# Mesa genera y guarda código para cada combinación de estados de OpenGL que
# ve por primera vez: un caché que crece hasta tenerlas todas, no una fuga. El
# primer minuto las recorre en orden para que lo que crezca después sea del
# juego: gana la partida en tres tiros (un blanco en el camino del tiro a −80
# grados y dos niveles vacíos; antes del último pone los niveles del juego,
# que son los que se juegan después) y, con los fuegos y el cartel, pasa por
# cada modo con cada juego de luces, sin página, con la ayuda y con los
# ajustes, con la cámara fija y con la que sigue a la bola.
calentar() {
  local pagina modo luz camara tiro n
  for tiro in 1 2 3; do
    [ "$tiro" -eq 3 ] && for n in 1 2 3; do
      ln -sf "$raiz/resources/pantalla$n.txt" "$dir/juego/resources/pantalla$n.txt"
    done
    # Desde el centro hasta el borde izquierdo el cañón gira a −80 grados.
    xdotool mousemove --window "$ventana" 400 300 sleep 0.2 mousemove --window "$ventana" 5 300 click 1
    sleep 8
  done
  for pagina in "" 715,282 715,342; do
    [ -n "$pagina" ] && xdotool mousemove --window "$ventana" "${pagina%,*}" "${pagina#*,}" click 1
    for camara in fija sigue; do
      for modo in h j k l; do
        xdotool key --window "$ventana" "$modo"
        # Código de Gray: cada tecla cambia una luz y pasan las 8 combinaciones.
        for luz in 1 2 1 3 1 2 1 3; do
          sleep 0.1
          xdotool key --window "$ventana" "$luz"
        done
      done
      xdotool key --window "$ventana" y
    done
    [ -n "$pagina" ] && xdotool mousemove --window "$ventana" 620 162 click 1
  done
  xdotool key --window "$ventana" l
  # Un clic en el cartel lo quita y apaga los fuegos.
  xdotool mousemove --window "$ventana" 400 300 click 1
}

# Centros de los botones y de los 24 ticks, en coordenadas de SDL (origen arriba).
lugares=(715,282 715,342 620,162 400,300
         356,259 624,259 496,259 624,217 496,217 297,173 356,214
         382,305 524,305 650,305 382,352 524,352 650,352 382,401 524,401 650,401
         324,437 365,437 324,475 365,475 425,504 499,504 579,504 662,504)
teclas=(1 2 3 h j k l p v y KP_Subtract KP_Add)
RANDOM=20261206

cpu() { awk '{print $14 + $15}' "/proc/$juego/stat"; }
# La memoria residente y, para ver qué crece, su reparto: el montículo principal
# (brk), lo anónimo escribible (montículos de los hilos, reservas grandes),
# lo anónimo ejecutable (el código que genera llvmpipe) y lo de archivos.
memoria() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / {zona = ($6 == "[heap]") ? "m" : ($6 == "" || $6 ~ /^\[anon/) ? ($2 ~ /x/ ? "x" : "a") : "f"}
       /^Rss:/ {t[zona] += $2; total += $2}
       END {printf "%d,%d,%d,%d,%d", total, t["m"], t["a"], t["x"], t["f"]}' "/proc/$juego/smaps"
}

echo "segundo,rss_kib,monticulo_kib,anonima_kib,codigo_kib,archivos_kib" >"$dir/memoria.csv"
inicio=$SECONDS
fin=$((SECONDS + minutos * 60))
ultimaMuestra=-10
cpuAntes=$(cpu)
echo "0,$(memoria)" >>"$dir/memoria.csv"
[ -n "$valgrind" ] || calentar
while [ "$SECONDS" -lt "$fin" ]; do
  kill -0 "$juego" 2>/dev/null || { echo "El juego terminó solo" >&2; exit 1; }
  case $((RANDOM % 10)) in
    0|1|2) xdotool mousemove --window "$ventana" $((RANDOM % 640)) $((RANDOM % 600)) ;;
    3|4) xdotool mousemove --window "$ventana" $((RANDOM % 640)) $((RANDOM % 600)) click 1 ;;
    5|6) l=${lugares[$((RANDOM % ${#lugares[@]}))]}
         xdotool mousemove --window "$ventana" "${l%,*}" "${l#*,}" click 1 ;;
    7) xdotool mousemove --window "$ventana" 300 300 mousedown 3 \
         mousemove --window "$ventana" $((RANDOM % 640)) $((RANDOM % 600)) mouseup 3 ;;
    8) xdotool key --window "$ventana" "${teclas[$((RANDOM % ${#teclas[@]}))]}" ;;
    9) k=$((4 + RANDOM % 4))
       xdotool key --window "$ventana" "$k"
       sleep 0.3
       if [ "$k" -eq 7 ]; then
         echo "$((RANDOM % 19)) $((RANDOM % 16)) $((RANDOM % 8))" >&"$fdentrada"
       else
         echo "0.$((RANDOM % 10)) 0.$((RANDOM % 10)) 0.$((RANDOM % 10)) 1" >&"$fdentrada"
       fi ;;
  esac
  sleep 0.$((1 + RANDOM % 3))
  if [ $((SECONDS - ultimaMuestra)) -ge 10 ]; then
    ultimaMuestra=$SECONDS
    echo "$((SECONDS - inicio)),$(memoria)" >>"$dir/memoria.csv"
    cpuAhora=$(cpu)
    if [ "$cpuAhora" -le "$cpuAntes" ]; then
      echo "El juego no avanza: su tiempo de procesador no creció en 10 s" >&2
      exit 1
    fi
    cpuAntes=$cpuAhora
  fi
done

# Fin ordenado: SIGTERM llega a SDL como el evento de salida de la ventana.
# (Un proceso en segundo plano de un guion no interactivo ignora SIGINT.)
kill -TERM "$juego"
estado=0
wait "$juego" || estado=$?
echo "El juego terminó con estado $estado"
awk -F, 'NR > 1 && $1 >= 60 {if (min == "" || $2 < min) min = $2; if ($2 > max) max = $2
    if (!primera) primera = $0; ultima = $0}
  END {printf "Memoria residente después del primer minuto: de %d a %d KiB\n", min, max
    printf "Al minuto y al final (segundo, residente, montículo, anónima, código, archivos):\n%s\n%s\n", primera, ultima}' "$dir/memoria.csv"
# Una fuga sube el nivel de la memoria sin parar; mientras LLVM compila un
# sombreador hay picos de decenas de MiB que se devuelven enseguida. Por eso se
# compara la mediana del último tercio con la del tercio del medio.
mediana() {
  awk -F, -v desde="$1" -v hasta="$2" 'NR > 1 && $1 >= desde && $1 < hasta {print $2}' "$dir/memoria.csv" |
    sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
total=$((minutos * 60))
crecimiento=$(( $(mediana $((2 * total / 3)) $((total + 60))) - $(mediana $((total / 3)) $((2 * total / 3))) ))
echo "Crecimiento de la mediana del último tercio sobre la del medio: $crecimiento KiB"
if [ -n "$valgrind" ]; then
  grep -E "ERROR SUMMARY|definitely lost|Invalid" "$dir/valgrind.txt" || true
  [ "$estado" -eq 0 ] || { echo "valgrind encontró errores (ver $dir/valgrind.txt)" >&2; exit 1; }
else
  [ "$estado" -eq 0 ] || exit 1
  [ "$crecimiento" -le 1024 ] || { echo "La memoria sigue creciendo: $crecimiento KiB" >&2; exit 1; }
fi
