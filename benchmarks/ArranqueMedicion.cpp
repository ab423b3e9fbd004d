#include <benchmark/benchmark.h>

#include "Arranque.h"
#include "Estadisticas.h"
#include "InformeProporciones.h"

namespace {

void medirArranques(benchmark::State& estado, const char* opcion) {
    long memoria = 0;
    for (auto _ : estado) {
        const Arranque::Resultado r = Arranque::medir(opcion);
        if (!r.medido) {
            estado.SkipWithError("el proceso hijo no llegó al primer cuadro");
            break;
        }
        estado.SetIterationTime(r.segundos);
        memoria = r.memoriaKiB;
    }
    estado.counters["memoria_max_KiB"] = static_cast<double>(memoria);
}

void registrar(const char* nombre, const char* opcion) {
    Estadisticas::repetir(benchmark::RegisterBenchmark(nombre, medirArranques, opcion)
                              ->UseManualTime()
                              ->Iterations(1)
                              ->Unit(benchmark::kMillisecond),
                          40);
}

// Del arranque al primer cuadro, cada vez en un proceso nuevo: desde la
// respuesta a la pregunta de pantalla completa, abrir la ventana y el
// contexto, preparar la escena (los bitmaps, el modelo del cañón, los
// fuegos), cargar el nivel 1 y dibujar y presentar un cuadro. Su piso abre
// la misma ventana y presenta un cuadro con los mismos estados.
const bool REGISTRADAS = [] {
    registrar("BM_Arranque", Arranque::OPCION_JUEGO);
    registrar("BM_ArranquePiso", Arranque::OPCION_PISO);
    InformeProporciones::comparar("BM_Arranque", "BM_ArranquePiso");
    return true;
}();

}  // namespace
