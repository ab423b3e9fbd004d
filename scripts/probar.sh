#!/usr/bin/env bash
# Prepara, compila y corre todas las pruebas: primero la compilación de
# siempre (build/) y después otra con AddressSanitizer y
# UndefinedBehaviorSanitizer (build-san/), que pasa la misma batería.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300

cmake -S "$raiz" -B "$raiz/build-san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_SANITIZAR=ON \
  -DVQ_MEDICIONES=OFF >/dev/null
cmake --build "$raiz/build-san" -j"$(nproc)"
cd "$raiz/build-san"
# Las fugas de bibliotecas de terceros (X11, Mesa, SDL) se suprimen por nombre.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$raiz/tests/supresiones.lsan:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$(nproc)" --timeout 300
