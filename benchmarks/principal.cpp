#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "Arranque.h"
#include "core/Opciones.h"
#include "ServidorX.h"

// Las mediciones dibujan con Mesa en un Xvfb propio, como las pruebas. El
// servidor queda vivo hasta el final del proceso: SDL lo usa al salir. Con
// la opción del arranque, el proceso es el hijo que mide un arranque.
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
    if (argc == 3 && std::strcmp(argv[1], Arranque::OPCION) == 0)
        return Arranque::hijo(std::atoi(argv[2]));
    new ServidorX(1280, 720);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
