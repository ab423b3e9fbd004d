#include <benchmark/benchmark.h>

#include "Arranque.h"
#include "Estadisticas.h"

// Del arranque al primer cuadro, cada vez en un proceso nuevo: desde la
// respuesta a la pregunta de pantalla completa, abrir la ventana y el
// contexto, preparar la escena (los bitmaps, el modelo del cañón, los
// fuegos), cargar el nivel 1 y dibujar y presentar un cuadro.
static void BM_Arranque(benchmark::State& estado) {
    long memoria = 0;
    for (auto _ : estado) {
        const Arranque::Resultado r = Arranque::medir();
        if (!r.medido) {
            estado.SkipWithError("el proceso hijo no llegó al primer cuadro");
            break;
        }
        estado.SetIterationTime(r.segundos);
        memoria = r.memoriaKiB;
    }
    estado.counters["memoria_max_KiB"] = static_cast<double>(memoria);
}
static auto* const ARRANQUE = Estadisticas::repetir(
    benchmark::RegisterBenchmark("BM_Arranque", BM_Arranque)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond),
    40);
