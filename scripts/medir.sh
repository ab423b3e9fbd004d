#!/usr/bin/env bash
# Prepara, compila y corre las mediciones: de cada una, la mediana y el
# percentil 99 de sus repeticiones (además de media, desvío y variación).
# Los argumentos pasan a Google Benchmark, por ejemplo
# --benchmark_filter=Cuadro o --benchmark_out=mediciones.json; --sin-sonido, al
# final, mide el juego sin sonido (con él, el audio va a /dev/null por el
# controlador de disco de SDL si SDL_AUDIODRIVER no dice otro).
# VQ_COMPILACION elige la carpeta de compilación (build/ si no se dice).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz"
exec "${VQ_COMPILACION:-$raiz/build}/benchmarks/mediciones" "$@"
