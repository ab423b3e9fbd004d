#include <benchmark/benchmark.h>

#include <vector>

#include "Estadisticas.h"
#include "PartidaMedida.h"
#include "core/Juego.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"

// Una actualización de la bola en vuelo contra un nivel de n piezas (100 es
// el máximo de un nivel): las puntas del atrapador, las paredes, las piezas y
// el movimiento. Con 25 y 50 se ve que el costo crece en línea con n.
static void BM_ActualizarBola(benchmark::State& estado) {
    Juego& juego = PartidaMedida::ganada();
    const int n = static_cast<int>(estado.range(0));
    std::vector<Pieza*> piezas(static_cast<size_t>(n));
    for (int i = 0; i < n; i++) {
        piezas[i] = new Pieza(1 + (i % 10) * 1.75f, 3 + (i / 10) * 1.2f, 0.2f, 0, 0, 0);
        piezas[i]->setTipo(static_cast<unsigned int>(i % 4));
        piezas[i]->crearLista(0.3f);
    }
    Pelotita bola(9.9f, 8.4f, 0.5f, 0, 0, 0);
    bola.crearLista(0.3f);
    Rectangulo& tablero = juego.getTablero();
    Plataforma& plataforma = juego.getPlataforma();
    for (auto _ : estado) {
        plataforma.rebotar(bola);
        tablero.colisionar(bola);
        for (Pieza* p : piezas) p->colisionar(bola);
        bola.mover(0.0f);
        benchmark::DoNotOptimize(bola.getVelY());
    }
    for (Pieza* p : piezas) delete p;
}
// Cada repetición junta 10000 actualizaciones: una sola dura menos que lo
// que el reloj distingue.
static auto* const BOLA = Estadisticas::repetir(
    benchmark::RegisterBenchmark("BM_ActualizarBola", BM_ActualizarBola)
        ->Arg(25)
        ->Arg(50)
        ->Arg(100)
        ->Iterations(10000)
        ->Unit(benchmark::kNanosecond),
    200);
