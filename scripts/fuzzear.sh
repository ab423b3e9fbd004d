#!/usr/bin/env bash
# Fuzzing de los lectores de archivos con libFuzzer, AddressSanitizer y
# UndefinedBehaviorSanitizer (clang de Debian), compilados en build-fuzz/.
#
#   scripts/fuzzear.sh [SEGUNDOS [OBJETIVO...]]
#
# Corre cada objetivo (modelo3ds, tga, dib, nivel, repeticion; todos si no se dice)
# SEGUNDOS segundos, 600 si no se dice, partiendo de su corpus guardado en
# tests/fuzz/corpus/. Lo que haga fallar a un objetivo queda en
# build-fuzz/hallazgos/OBJETIVO/: se arregla el lector y la entrada se copia al
# corpus guardado, que las pruebas de siempre vuelven a pasar. De lo que sólo
# suma cobertura se guarda lo que trae aristas nuevas, para que el corpus siga chico:
#   build-fuzz/tests/fuzz/fuzz_OBJETIVO -merge=1 -use_counters=0 \
#     tests/fuzz/corpus/OBJETIVO build-fuzz/corpus/OBJETIVO
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-600}"
shift || true
objetivos=("$@")
[ ${#objetivos[@]} -gt 0 ] || objetivos=(modelo3ds tga dib nivel repeticion)
compilacion="$raiz/build-fuzz"

"$raiz/scripts/instalar_paquetes.sh" clang libclang-rt-14-dev cmake pkg-config \
  libsdl1.2-dev libgl-dev libglu1-mesa-dev libx11-dev libxft-dev libxtst-dev libfreetype-dev \
  libgtest-dev
CC=clang CXX=clang++ cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVQ_FUZZ=ON >/dev/null
cmake --build "$compilacion" -j"$(nproc)" --target "${objetivos[@]/#/fuzz_}"

fallas=0
for objetivo in "${objetivos[@]}"; do
  trabajo="$compilacion/corpus/$objetivo"
  hallazgos="$compilacion/hallazgos/$objetivo"
  mkdir -p "$trabajo" "$hallazgos"
  echo "== $objetivo: $segundos s"
  if ! "$compilacion/tests/fuzz/fuzz_$objetivo" "$trabajo" "$raiz/tests/fuzz/corpus/$objetivo" \
      -max_total_time="$segundos" -artifact_prefix="$hallazgos/" -print_final_stats=1 \
      -rss_limit_mb=2048 -timeout=10 -close_fd_mask=3 >"$compilacion/$objetivo.log" 2>&1; then
    fallas=$((fallas + 1))
    echo "   FALLÓ: ver $compilacion/$objetivo.log y $hallazgos/"
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' \
    "$compilacion/$objetivo.log" | sed 's/^/   /'
  echo "   corpus: $(ls "$trabajo" | wc -l) entradas; hallazgos: $(ls "$hallazgos" | wc -l)"
done
exit "$fallas"
