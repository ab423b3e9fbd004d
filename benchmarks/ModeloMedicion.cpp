#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "Estadisticas.h"
#include "PartidaMedida.h"
#include "assets/Model_3DS.h"
#include "core/Canion.h"

// Cargar el modelo del cañón: leer el archivo, preparar sus mallas y hacer
// las texturas de sus materiales (necesita el contexto del juego). Deshacerlo
// no cuenta.
static void BM_CargarModeloCanion(benchmark::State& estado) {
    PartidaMedida::ganada();
    for (auto _ : estado) {
        auto modelo = std::make_unique<Model_3DS>();
        const auto inicio = std::chrono::steady_clock::now();
        modelo->Load(Canion::ARCHIVO_MODELO);
        const std::chrono::duration<double> tiempo = std::chrono::steady_clock::now() - inicio;
        estado.SetIterationTime(tiempo.count());
    }
}
static auto* const MODELO = Estadisticas::repetir(
    benchmark::RegisterBenchmark("BM_CargarModeloCanion", BM_CargarModeloCanion)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond),
    100);
