#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Arranque.h"
#include "CarpetaUsuario.h"
#include "Escalada.h"
#include "ServidorX.h"
#include "core/Opciones.h"
#include "core/Ventana.h"

// Las mediciones dibujan con Mesa en un Xvfb propio, como las pruebas, con la
// escala de VQ_ESCALA (1 si no está). El servidor queda vivo hasta el final
// del proceso: SDL lo usa al salir. Con la opción del arranque, el proceso es
// el hijo que mide un arranque.
int main(int argc, char** argv) {
    const int escala = Escalada::escala();
    Opciones::getInstance()->setEscala(escala);
    if (argc == 3 && std::strcmp(argv[1], Arranque::OPCION) == 0)
        return Arranque::hijo(std::atoi(argv[2]));
    const CarpetaUsuario usuario(false);
    new ServidorX(std::max(1280, escala * Ventana::ANCHO + 100), std::max(720, escala * Ventana::ALTO + 100));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
