#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "Arranque.h"
#include "ServidorX.h"

// Las mediciones dibujan con Mesa en un Xvfb propio, como las pruebas. El
// servidor queda vivo hasta el final del proceso: SDL lo usa al salir. Con
// la opción del arranque, el proceso es el hijo que mide un arranque.
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], Arranque::OPCION) == 0)
        return Arranque::hijo(std::atoi(argv[2]));
    new ServidorX(1280, 720);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
