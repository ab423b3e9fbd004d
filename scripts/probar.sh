#!/usr/bin/env bash
# Prepara, compila y corre todas las pruebas.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
