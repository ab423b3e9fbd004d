#include <benchmark/benchmark.h>

#include "ServidorX.h"

// Las mediciones dibujan con Mesa en un Xvfb propio, como las pruebas. El
// servidor queda vivo hasta el final del proceso: SDL lo usa al salir.
int main(int argc, char** argv) {
    new ServidorX(1280, 720);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
