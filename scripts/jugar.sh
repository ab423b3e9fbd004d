#!/usr/bin/env bash
# Prepara, compila y arranca el juego desde la raíz del repositorio; los
# argumentos son opciones del juego (--ventana, --escala 2...).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz"
exec ./build/vorlix-quintar "$@"
