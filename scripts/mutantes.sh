#!/usr/bin/env bash
# Mide cuántas fallas realistas del código atrapan las pruebas. Aplica de a
# una las fallas de scripts/mutantes.txt (cada una nombra el texto que cambia,
# no un número de línea), recompila lo necesario en build-mutantes/, corre las
# pruebas y dice para cada una si alguna prueba falló (MUERTA) o no (VIVA), y
# al final el puntaje. El código queda siempre como estaba.
#
#   [DESDE=N] [HASTA=M] scripts/mutantes.sh [FILTRO]
#
# FILTRO, si se da, es una expresión regular: sólo se aplican las fallas
# cuyo archivo o descripción la contienen. DESDE=N retoma una corrida
# cortada desde la falla número N de la lista; HASTA=M termina en la M.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
filtro="${1:-}"
compilacion="$raiz/build-mutantes"
"$raiz/scripts/instalar_paquetes.sh" python3
"$raiz/scripts/preparar.sh" >/dev/null
# Sin información de depuración: el mismo código, pero cada falla enlaza mucho antes.
cmake -S "$raiz" -B "$compilacion" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DVQ_MEDICIONES=OFF >/dev/null
cmake --build "$compilacion" -j"$(nproc)" >/dev/null
exec python3 - "$raiz" "$compilacion" "$filtro" <<'PY'
import os, re, subprocess, sys, time

raiz, compilacion, filtro = sys.argv[1], sys.argv[2], sys.argv[3]
desde = int(os.environ.get("DESDE", "1"))
hasta = int(os.environ.get("HASTA", "100000"))

def leer_lista(ruta):
    """Cada falla: '@ archivo: qué falla', luego '- texto' y '+ texto'; \\n
    dentro de un texto es un salto de línea."""
    fallas, actual = [], None
    for linea in open(ruta, encoding="utf-8"):
        linea = linea.rstrip("\n")
        if linea.startswith("@ "):
            archivo, _, que = linea[2:].partition(": ")
            actual = {"archivo": archivo.strip(), "que": que.strip()}
            fallas.append(actual)
        elif linea.startswith("- ") and actual is not None:
            actual["antes"] = linea[2:].replace("\\n", "\n")
        elif linea.startswith("+ ") and actual is not None:
            actual["despues"] = linea[2:].replace("\\n", "\n")
        elif linea.strip() == "+" and actual is not None:
            actual["despues"] = ""
    return fallas

fallas = leer_lista(os.path.join(raiz, "scripts", "mutantes.txt"))
for n, f in enumerate(fallas, 1):
    f["n"] = n
if filtro:
    fallas = [f for f in fallas if re.search(filtro, f["archivo"] + " " + f["que"])]
fallas = [f for f in fallas if desde <= f["n"] <= hasta]
muertas = vivas = invalidas = 0
total_lista = len(leer_lista(os.path.join(raiz, "scripts", "mutantes.txt")))
for f in fallas:
    ruta = os.path.join(raiz, f["archivo"])
    original = open(ruta, encoding="utf-8").read()
    veces = original.count(f["antes"])
    etiqueta = f"{f['n']:2d}/{total_lista} {f['archivo']}: {f['que']}"
    if veces != 1:
        print(f"NO APLICA ({veces} veces) {etiqueta}", flush=True)
        invalidas += 1
        continue
    inicio = time.time()
    try:
        open(ruta, "w", encoding="utf-8").write(original.replace(f["antes"], f["despues"]))
        compilo = subprocess.run(["cmake", "--build", compilacion, "-j", str(os.cpu_count())],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
        if not compilo:
            print(f"NO COMPILA {etiqueta}", flush=True)
            invalidas += 1
            continue
        # Primero las pruebas rápidas; las lentas (de punta a punta, reservas)
        # sólo si aquéllas no la atraparon. Las copias con la SDL de
        # compatibilidad prueban la biblioteca, no el código que cambia la
        # falla: no suman y duplican el tiempo de punta a punta.
        # Una prueba rápida que pasa de un minuto quedó en un lazo sin fin.
        for etapa in (["-LE", "lenta", "--timeout", "60"], ["-L", "lenta", "-E", "^SdlCompatible\\.", "--timeout", "180"]):
            pruebas = subprocess.run(["ctest", "-j", str(os.cpu_count()), "--stop-on-failure",
                                      *etapa], cwd=compilacion,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            if pruebas.returncode != 0:
                break
        # Qué prueba la atrapó, para ver que no fue un tiempo agotado cualquiera.
        atrapo = re.findall(r"^\s*\d+ - (\S+) \((.+?)\)$", pruebas.stdout, re.M)
        if pruebas.returncode != 0:
            muertas += 1
            estado = "MUERTA"
        else:
            vivas += 1
            estado = "VIVA  "
        por = " por " + ", ".join(f"{n} ({c})" for n, c in atrapo) if atrapo else ""
        print(f"{estado} {etiqueta} ({time.time() - inicio:.0f} s){por}", flush=True)
    finally:
        open(ruta, "w", encoding="utf-8").write(original)
subprocess.run(["cmake", "--build", compilacion, "-j", str(os.cpu_count())],
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
total = muertas + vivas
print(f"\nPuntaje: {muertas} de {total} fallas atrapadas ({100 * muertas / max(total, 1):.1f} %); "
      f"{invalidas} no aplicaron o no compilaron.")
sys.exit(0 if invalidas == 0 else 1)
PY
