#!/usr/bin/env bash
# Recompila el generador de datos y rehace todo lo que hay en resources/ y
# los iconos de empaque/iconos/.
# Se corre desde cualquier lugar; compila en build/ (o en DIR_COMPILACION).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
compilacion="${DIR_COMPILACION:-$raiz/build}"

if [ ! -f "$compilacion/CMakeCache.txt" ]; then
  cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$compilacion" --target generar-recursos -j2

mkdir -p "$raiz/resources" "$raiz/empaque/iconos"
"$compilacion/tools/generar-recursos" --iconos "$raiz/empaque/iconos" "$raiz/resources"
