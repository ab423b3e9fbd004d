#!/usr/bin/env bash
# Prepara, compila y corre las mediciones (medianas de Google Benchmark).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
cd "$raiz"
exec ./build/benchmarks/mediciones "$@"
