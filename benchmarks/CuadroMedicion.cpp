#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <string>

#include "ContadorReservas.h"
#include "CuadroReferencia.h"
#include "Escalada.h"
#include "Estadisticas.h"
#include "InformeProporciones.h"
#include "PartidaMedida.h"
#include "core/Grabacion.h"
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

using Modo = CuadroReferencia::Modo;
const int CANTIDAD_MODOS = CuadroReferencia::CANTIDAD_MODOS;

long memoriaMaximaKiB() {
    rusage uso = {};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// Lo que agrega a cada cuadro el bucle que graba (--grabar): en promedio un
// evento, dos vueltas sin cuadro y el cuadro; el archivo se vuelca cada 4 KiB.
void grabarCuadro(Grabacion& grabacion) {
    SDL_Event movimiento = {};
    movimiento.type = SDL_MOUSEMOTION;
    movimiento.motion.xrel = -7;
    grabacion.evento(movimiento);
    grabacion.vuelta();
    grabacion.vuelta();
    grabacion.cuadro(34567890);
}

Grabacion& grabacionDePrueba() {
    static Grabacion grabacion;
    std::string error;
    if (!grabacion.isAbierta() && grabacion.abrir("/tmp/vq-medicion-grabacion.txt", error))
        grabacion.encabezado(1000000000);
    return grabacion;
}

void medirCuadros(benchmark::State& estado, Juego& juego, int modo, bool& calentado,
                  Grabacion* grabacion = nullptr) {
    ModoRender::getInstance()->elegir(modo == Modo::FACETADO, modo == Modo::INTERPOLADO,
                                      modo == Modo::TEXTURADO, modo == Modo::WIREFRAME);
    for (int i = 0; !calentado && i < CALENTAMIENTO; i++) {
        PartidaMedida::actualizar(juego);
        juego.dibujar();
    }
    calentado = true;
    ContadorReservas::empezar();
    for (auto _ : estado) {
        PartidaMedida::actualizar(juego);
        juego.dibujar();
        if (grabacion) grabarCuadro(*grabacion);
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

// Lo mismo, grabando cada cuadro como con --grabar.
static void BM_CuadroGrabando(benchmark::State& estado, int modo) {
    static bool calentado[CANTIDAD_MODOS] = {};
    medirCuadros(estado, PartidaMedida::sinFuegos(), modo, calentado[modo], &grabacionDePrueba());
}

// Sólo la grabación de un cuadro, sin dibujar: su costo sin el ruido del dibujo.
static void BM_GrabarCuadro(benchmark::State& estado) {
    Grabacion& grabacion = grabacionDePrueba();
    for (auto _ : estado) grabarCuadro(grabacion);
}
BENCHMARK(BM_GrabarCuadro)->Unit(benchmark::kNanosecond);

// El piso de cada modo: la misma escena mínima con llamadas de OpenGL
// sueltas, con los sprites de los fuegos o sin ellos.
static void BM_CuadroReferencia(benchmark::State& estado, int modo, bool conFuegos) {
    static bool calentado[2][CANTIDAD_MODOS] = {};
    PartidaMedida::ganada();
    CuadroReferencia referencia("resources/pantalla1.txt", static_cast<Modo>(modo), conFuegos);
    // Un par de cuadros con las texturas nuevas; la primera vez, muchos más.
    bool& hecho = calentado[conFuegos][modo];
    const int previos = hecho ? 2 : CALENTAMIENTO;
    for (int i = 0; i < previos; i++) referencia.dibujar();
    hecho = true;
    for (auto _ : estado) referencia.dibujar();
    estado.counters["esferas"] = referencia.getEsferas();
    estado.counters["sprites"] = referencia.getSprites();
}

namespace {

benchmark::internal::Benchmark* cuadro(benchmark::internal::Benchmark* medicion) {
    return Estadisticas::repetir(
        medicion->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond), REPETICIONES);
}

// En este orden: primero con fuegos, después sin ellos y al final los pisos.
// Cada cuadro se compara con el piso de su modo.
const bool REGISTRADAS = [] {
    const char* const nombres[CANTIDAD_MODOS] = {"wireframe", "facetado", "interpolado",
                                                 "texturado"};
    const std::string escala = Escalada::sufijo();
    for (int modo = 0; modo < CANTIDAD_MODOS; modo++)
        cuadro(benchmark::RegisterBenchmark(
            (std::string("BM_CuadroConFuegos/") + nombres[modo] + escala).c_str(), BM_CuadroConFuegos,
            modo));
    for (int modo = 0; modo < CANTIDAD_MODOS; modo++)
        cuadro(benchmark::RegisterBenchmark(
            (std::string("BM_Cuadro/") + nombres[modo] + escala).c_str(), BM_Cuadro, modo));
    cuadro(benchmark::RegisterBenchmark(("BM_CuadroGrabando/texturado" + escala).c_str(),
                                        BM_CuadroGrabando, Modo::TEXTURADO));
    for (bool conFuegos : {false, true}) {
        for (int modo = 0; modo < CANTIDAD_MODOS; modo++) {
            const std::string sufijo =
                std::string(conFuegos ? "ConFuegos/" : "/") + nombres[modo] + escala;
            cuadro(benchmark::RegisterBenchmark(("BM_CuadroReferencia" + sufijo).c_str(),
                                                BM_CuadroReferencia, modo, conFuegos));
            InformeProporciones::comparar("BM_Cuadro" + sufijo, "BM_CuadroReferencia" + sufijo);
        }
    }
    return true;
}();

}  // namespace
