#!/usr/bin/env bash
# Instala con apt-get los paquetes de Debian dados que falten (con sudo si no
# se es root). Lo usan las demás órdenes; se puede correr suelto.
set -euo pipefail

faltan=()
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done

if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
