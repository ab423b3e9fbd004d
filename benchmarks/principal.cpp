#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Arranque.h"
#include "CarpetaUsuario.h"
#include "Escalada.h"
#include "InformeProporciones.h"
#include "Instrucciones.h"
#include "ServidorX.h"
#include "core/Opciones.h"
#include "core/Ventana.h"

// Las mediciones dibujan con Mesa en un Xvfb propio, como las pruebas, con la
// escala de VQ_ESCALA (1 si no está). El servidor queda vivo hasta el final
// del proceso: SDL lo usa al salir. Con una opción del arranque, el proceso
// es el hijo que mide un arranque.
// El sonido se mezcla como en el juego, en el hilo de audio de SDL, y va a
// /dev/null por el controlador de disco si no se elige otro; con
// --sin-sonido se mide el juego sin él.
int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    setenv("SDL_DISKAUDIODELAY", "23", 0);
    if (argc > 1 && std::strcmp(argv[argc - 1], "--sin-sonido") == 0) {
        Opciones::getInstance()->setSonido(false);
        argv[--argc] = nullptr;
    }
    const int escala = Escalada::escala();
    Opciones::getInstance()->setEscala(escala);
    if (argc == 3 && std::strcmp(argv[1], Arranque::OPCION_JUEGO) == 0)
        return Arranque::juego(std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], Arranque::OPCION_PISO) == 0)
        return Arranque::piso(std::atoi(argv[2]));
    const CarpetaUsuario usuario(false);
    new ServidorX(std::max(1280, escala * Ventana::ANCHO + 100), std::max(720, escala * Ventana::ALTO + 100));
    if (argc == 2 && std::strcmp(argv[1], Instrucciones::OPCION) == 0) return Instrucciones::correr();
    // La tabla de las proporciones va con la salida de consola; con otro
    // formato, el informe de siempre.
    bool otroFormato = false;
    for (int i = 1; i < argc; i++)
        otroFormato |= std::strncmp(argv[i], "--benchmark_format", 18) == 0;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (otroFormato) {
        benchmark::RunSpecifiedBenchmarks();
    } else {
        InformeProporciones informe(isatty(STDOUT_FILENO) ? InformeProporciones::OO_Color
                                                          : InformeProporciones::OO_None);
        benchmark::RunSpecifiedBenchmarks(&informe);
    }
    benchmark::Shutdown();
    return 0;
}
