#!/usr/bin/env bash
# Instala con apt-get los paquetes de Debian dados que falten (con sudo si no
# se es root). Lo usan las demás órdenes; se puede correr suelto. Lo que dice
# apt queda en paquetes.log, en la carpeta de compilación (VQ_COMPILACION, o
# build/): aquí sale una línea por paso y, si apt falla, el final del registro.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

faltan=()
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done
[ ${#faltan[@]} -gt 0 ] || exit 0

carpeta="${VQ_COMPILACION:-$raiz/build}"
mkdir -p "$carpeta"
registro="$(cd "$carpeta" && pwd)/paquetes.log"
: >"$registro"

# sudo no pasa las variables del entorno: DEBIAN_FRONTEND va en su línea, si
# no debconf busca una interfaz de diálogo y se queja.
if [ "$(id -u)" -eq 0 ]; then
  root=(env DEBIAN_FRONTEND=noninteractive)
else
  root=(sudo DEBIAN_FRONTEND=noninteractive)
  # La contraseña se pide aquí, antes de mandar la salida al registro.
  sudo -v
fi

con_apt() {
  if ! "${root[@]}" apt-get -q -y "$@" >>"$registro" 2>&1; then
    echo "apt-get $1 falló. Lo último de $registro:" >&2
    tail -n 25 "$registro" >&2
    exit 1
  fi
}

echo "Paquetes de Debian que faltan (${#faltan[@]}): ${faltan[*]}; lo que dice apt queda en $registro"
echo "Actualizando la lista de paquetes de apt..."
con_apt update
# Sin root: apt-get -s sólo cuenta lo que instalaría.
if ! simulacion="$(apt-get -s install --no-install-recommends "${faltan[@]}" 2>&1)"; then
  echo "$simulacion" >>"$registro"
  echo "apt-get no puede instalarlos. Lo último de $registro:" >&2
  tail -n 25 "$registro" >&2
  exit 1
fi
echo "Instalando $(grep -c '^Inst ' <<<"$simulacion") paquetes (los que faltan y sus dependencias)..."
con_apt install --no-install-recommends "${faltan[@]}"
echo "Paquetes instalados."
