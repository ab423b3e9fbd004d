#include <benchmark/benchmark.h>

#include <string>

#include "Arranque.h"
#include "CarpetaUsuario.h"
#include "Estadisticas.h"
#include "InformeProporciones.h"
#include "core/ArchivoUsuario.h"
#include "core/Configuracion.h"
#include "screens/MejorPuntaje.h"

namespace {

void medirArranques(benchmark::State& estado, const char* opcion, bool conArchivos) {
    const CarpetaUsuario usuario(conArchivos);
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

void registrar(const char* nombre, const char* opcion, bool conArchivos) {
    Estadisticas::repetir(benchmark::RegisterBenchmark(nombre, medirArranques, opcion, conArchivos)
                              ->UseManualTime()
                              ->Iterations(1)
                              ->Unit(benchmark::kMillisecond),
                          40);
}

// Lo que el arranque hace de más con los dos archivos, medido aparte porque
// en el arranque entero queda bajo el ruido: leerlos y entenderlos.
void BM_LeerArchivosDelUsuario(benchmark::State& estado) {
    const CarpetaUsuario usuario(true);
    const std::string ajustes = ArchivoUsuario::ruta("XDG_CONFIG_HOME", ".config", "ajustes.txt");
    const std::string puntaje = ArchivoUsuario::ruta("XDG_DATA_HOME", ".local/share", "mejor-puntaje.txt");
    std::string texto, motivo, fecha;
    Configuracion::Ajustes leidos;
    int puntos = 0;
    for (auto _ : estado) {
        bool bien = ArchivoUsuario::leer(ajustes, texto, motivo) == ArchivoUsuario::Lectura::Leido &&
                    Configuracion::interpretar(texto, leidos, motivo);
        bien = bien && ArchivoUsuario::leer(puntaje, texto, motivo) == ArchivoUsuario::Lectura::Leido &&
               MejorPuntaje::interpretar(texto, puntos, fecha, motivo);
        if (!bien) estado.SkipWithError("no se pudieron leer los archivos del usuario");
        benchmark::DoNotOptimize(puntos);
    }
}

// Del arranque al primer cuadro, cada vez en un proceso nuevo: desde la
// respuesta a la pregunta de pantalla completa, leer los ajustes y el mejor
// puntaje (si hay), abrir la ventana y el contexto, preparar la escena (los
// bitmaps, el modelo del cañón, los fuegos), cargar el nivel 1 y dibujar y
// presentar un cuadro; sin archivos del usuario, o con unos ajustes (los de
// siempre, así el cuadro es el mismo) y un mejor puntaje. Su piso abre la
// misma ventana y presenta un cuadro con los mismos estados.
const bool REGISTRADAS = [] {
    registrar("BM_Arranque", Arranque::OPCION_JUEGO, false);
    registrar("BM_ArranqueConArchivos", Arranque::OPCION_JUEGO, true);
    registrar("BM_ArranquePiso", Arranque::OPCION_PISO, false);
    InformeProporciones::comparar("BM_Arranque", "BM_ArranquePiso");
    Estadisticas::repetir(
        benchmark::RegisterBenchmark("BM_LeerArchivosDelUsuario", BM_LeerArchivosDelUsuario)
            ->Unit(benchmark::kMicrosecond),
        20);
    return true;
}();

}  // namespace
