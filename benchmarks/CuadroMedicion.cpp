#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <string>

#include "ContadorReservas.h"
#include "CuadroReferencia.h"
#include "Escalada.h"
#include "Estadisticas.h"
#include "PartidaMedida.h"
#include "core/Juego.h"
#include "playfield/ModoRender.h"

// Un cuadro completo a 800 x 600 (o a la escala de VQ_ESCALA, con el nombre
// terminado en /2x...) con el renderizador por software: la
// actualización y el dibujo, con el intercambio de búferes. Cada repetición
// es un solo cuadro, así la mediana y el p99 son los de los cuadros.
// Las mediciones con fuegos van antes: cerrar el cartel de ganar los apaga.

namespace {

const int REPETICIONES = 300;
// Cuadros sin medir antes de la primera repetición: Mesa compila los
// sombreadores de cada modo la primera vez y los fuegos llegan a su máximo
// de partículas.
const int CALENTAMIENTO = 60;

enum Modo { WIREFRAME, FACETADO, INTERPOLADO, TEXTURADO, CANTIDAD_MODOS };

long memoriaMaximaKiB() {
    rusage uso = {};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

void medirCuadros(benchmark::State& estado, Juego& juego, int modo, bool& calentado) {
    ModoRender::getInstance()->elegir(modo == FACETADO, modo == INTERPOLADO, modo == TEXTURADO,
                                      modo == WIREFRAME);
    for (int i = 0; !calentado && i < CALENTAMIENTO; i++) {
        juego.actualizar(PartidaMedida::PASO);
        juego.dibujar();
    }
    calentado = true;
    ContadorReservas::empezar();
    for (auto _ : estado) {
        juego.actualizar(PartidaMedida::PASO);
        juego.dibujar();
    }
    const long reservas = ContadorReservas::terminar();
    estado.counters["reservas_por_cuadro"] =
        benchmark::Counter(static_cast<double>(reservas), benchmark::Counter::kAvgIterations);
    estado.counters["memoria_max_KiB"] = static_cast<double>(memoriaMaximaKiB());
}

}  // namespace

// Recién ganada la partida: nivel 1 cargado, fuegos y cartel de ganar.
static void BM_CuadroConFuegos(benchmark::State& estado, int modo) {
    static bool calentado[CANTIDAD_MODOS] = {};
    Juego& juego = PartidaMedida::ganada();
    if (!juego.isFuegosActivos()) {
        estado.SkipWithError("los fuegos ya están apagados: esta medición va antes que las otras");
        return;
    }
    medirCuadros(estado, juego, modo, calentado[modo]);
}

// El nivel 1 en juego, con la bola esperando arriba.
static void BM_Cuadro(benchmark::State& estado, int modo) {
    static bool calentado[CANTIDAD_MODOS] = {};
    medirCuadros(estado, PartidaMedida::sinFuegos(), modo, calentado[modo]);
}

// El piso: la misma escena mínima con llamadas de OpenGL sueltas.
static void BM_CuadroReferencia(benchmark::State& estado) {
    static bool calentado = false;
    PartidaMedida::ganada();
    CuadroReferencia referencia("resources/pantalla1.txt");
    // Un par de cuadros con las texturas nuevas; la primera vez, muchos más.
    const int previos = calentado ? 2 : CALENTAMIENTO;
    for (int i = 0; i < previos; i++) referencia.dibujar();
    calentado = true;
    for (auto _ : estado) referencia.dibujar();
    estado.counters["esferas"] = referencia.getEsferas();
}

namespace {

benchmark::internal::Benchmark* cuadro(benchmark::internal::Benchmark* medicion) {
    return Estadisticas::repetir(
        medicion->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond), REPETICIONES);
}

// En este orden: primero con fuegos, después sin ellos y al final el piso.
const bool REGISTRADAS = [] {
    const char* const nombres[CANTIDAD_MODOS] = {"wireframe", "facetado", "interpolado",
                                                 "texturado"};
    const std::string sufijo = Escalada::sufijo();
    for (int modo = 0; modo < CANTIDAD_MODOS; modo++)
        cuadro(benchmark::RegisterBenchmark(
            (std::string("BM_CuadroConFuegos/") + nombres[modo] + sufijo).c_str(), BM_CuadroConFuegos,
            modo));
    for (int modo = 0; modo < CANTIDAD_MODOS; modo++)
        cuadro(benchmark::RegisterBenchmark(
            (std::string("BM_Cuadro/") + nombres[modo] + sufijo).c_str(), BM_Cuadro, modo));
    cuadro(benchmark::RegisterBenchmark(("BM_CuadroReferencia" + sufijo).c_str(), BM_CuadroReferencia));
    return true;
}();

}  // namespace
