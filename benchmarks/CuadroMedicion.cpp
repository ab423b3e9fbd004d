#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/BuclePrincipal.h"
#include "core/Juego.h"
#include "playfield/Pelotita.h"
#include "playfield/Pieza.h"
#include "playfield/Plataforma.h"
#include "playfield/Rectangulo.h"
#include "screens/CargadorNivel.h"

namespace {

Juego& juegoConNivel() {
    static Juego* juego = nullptr;
    if (juego == nullptr) {
        juego = Juego::getInstance();
        CargadorNivel().cargarNivel(*juego, "resources/pantalla1.txt");
    }
    return *juego;
}

}  // namespace

// Va primera: cada vez en un proceso hijo que todavía no creó el juego.
// Del arranque al primer cuadro: crear el juego
// (ventana, OpenGL, los 34 bitmaps), cargar el nivel 1 y dibujar un cuadro.
static void BM_ArranqueHastaElPrimerCuadro(benchmark::State& estado) {
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        pid_t hijo = fork();
        if (hijo == 0) {
            std::freopen("/dev/null", "w", stdout);
            BuclePrincipal bucle;
            bucle.iniciar();
            Juego::getInstance()->actualizar(0.25f / 29);
            Juego::getInstance()->dibujar();
            _exit(0);
        }
        waitpid(hijo, nullptr, 0);
        estado.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
    }
}
BENCHMARK(BM_ArranqueHastaElPrimerCuadro)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// Un cuadro completo a 800 x 600 con el renderizador por software: la
// actualización y el dibujo, con el intercambio de búferes.
static void BM_Cuadro(benchmark::State& estado) {
    Juego& juego = juegoConNivel();
    for (auto _ : estado) {
        juego.actualizar(0.25f / 29);
        juego.dibujar();
    }
}
BENCHMARK(BM_Cuadro)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();

// Una actualización de la bola en vuelo contra un nivel de n piezas (100 es
// el máximo de un nivel): las puntas del atrapador, las paredes, las piezas y
// el movimiento. Con 25 y 50 se ve que el costo crece en línea con n.
static void BM_ActualizarBola(benchmark::State& estado) {
    Juego& juego = juegoConNivel();
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
BENCHMARK(BM_ActualizarBola)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kNanosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
