#!/usr/bin/env bash
# Prepara, compila y corre las mediciones: de cada una, la mediana y el
# percentil 99 de sus repeticiones (además de media, desvío y variación), y
# al final cada cuadro y el arranque divididos por su piso. Los argumentos
# pasan a Google Benchmark, por ejemplo --benchmark_filter=Cuadro o
# --benchmark_out=mediciones.json; --sin-sonido, al final, mide el juego sin
# sonido (con él, el audio va a /dev/null por el controlador de disco de SDL
# si SDL_AUDIODRIVER no dice otro).
#
#   scripts/medir.sh --instrucciones
#
# cuenta con callgrind las instrucciones por cuadro del juego y de su piso en
# cada modo, con fuegos y sin ellos (no dependen de la carga de la máquina),
# e imprime la tabla. Deja los volcados de callgrind en
# build/instrucciones/. VQ_COMPILACION elige la carpeta de compilación
# (build/ si no se dice) y VQ_ESCALA=2 mide a escala 2 (los cuadros,
# BM_Cuadro/<modo>/2x).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
compilacion="${VQ_COMPILACION:-$raiz/build}"
instrucciones=""
[ "${1:-}" = "--instrucciones" ] && instrucciones=1

[ -z "$instrucciones" ] || "$raiz/scripts/instalar_paquetes.sh" valgrind
"$raiz/scripts/preparar.sh"
cd "$raiz"
[ -n "$instrucciones" ] || exec "$compilacion/benchmarks/mediciones" "$@"

dir="$compilacion/instrucciones"
rm -rf "$dir" && mkdir -p "$dir"
echo "Contando con callgrind (unos doce minutos); lo que dice valgrind queda en $dir/valgrind.log"
# Con LP_NUM_THREADS=0 llvmpipe dibuja en el mismo hilo, donde callgrind cuenta.
# callgrind busca el nombre entero: con un comodín al final no vuelca nada.
contar='Instrucciones::contarCuadros(std::function<void ()> const&)'
LP_NUM_THREADS=0 valgrind --tool=callgrind --collect-atstart=no \
  --toggle-collect="$contar" --dump-after="$contar" \
  --callgrind-out-file="$dir/callgrind.out" --log-file="$dir/valgrind.log" \
  "$compilacion/benchmarks/mediciones" --instrucciones >"$dir/casos.txt"

# El volcado n es el del caso n de casos.txt.
for n in $(seq 1 "$(grep -c '^caso: ' "$dir/casos.txt")"); do
  printf '%s\t%s\n' "$(grep '^caso: ' "$dir/casos.txt" | sed -n "${n}p" | cut -c7-)" \
    "$(awk '/^(totals|summary):/ {print $2; exit}' "$dir/callgrind.out.$n")"
done >"$dir/instrucciones.tsv"

cuadros="$(awk '/^cuadros: / {print $2}' "$dir/casos.txt")"
awk -F'\t' -v cuadros="$cuadros" '
  { cuenta[$1] = $2 / cuadros / 1e6 }
  END {
    split("wireframe facetado interpolado texturado", modos, " ")
    printf "%-24s %16s %16s %12s\n", "Cuadro", "Juego (M instr.)", "Piso (M instr.)", "Juego / piso"
    for (f = 0; f < 2; f++) {
      for (m = 1; m <= 4; m++) {
        caso = (f ? "con fuegos/" : "") modos[m]
        printf "%-24s %16.1f %16.1f %12.2f\n", caso, cuenta[caso], cuenta["referencia/" caso],
               cuenta[caso] / cuenta["referencia/" caso]
      }
    }
  }' "$dir/instrucciones.tsv"
