#!/usr/bin/env bash
# Prepara, compila y corre las mediciones: de cada una, la mediana y el
# percentil 99 de sus repeticiones (además de media, desvío y variación).
# Los argumentos pasan a Google Benchmark, por ejemplo
# --benchmark_filter=Cuadro o --benchmark_out=mediciones.json.
# VQ_COMPILACION elige la carpeta de compilación (build/ si no se dice) y
# VQ_ESCALA=2 mide a escala 2 (los cuadros, BM_Cuadro/<modo>/2x).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz"
exec "${VQ_COMPILACION:-$raiz/build}/benchmarks/mediciones" "$@"
